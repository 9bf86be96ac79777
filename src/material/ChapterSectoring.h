#pragma once
#include <string>

#include "core/Program.h"

namespace tess {

// Chapter sectoring: the share editor, the sectors built from the shares,
// their counts, and the sector table the user accepts or leaves with Esc.
// Sets SECTORS (and QMAX when raised), the sector table, MINQZ and TEMPF.
void CHAPSEC(Program& p);

// The parts of CHAPSEC after the editor, for callers that already hold
// accepted shares in CS: build the sectors, then count them from the tables.
void buildChapterSectors(Program& p);
void countChapterSectors(Program& p);

// The share editor's screen, drawn here and driven by the front end's Ask
// (rows y = 1..n of the listed chapters).
int firstShareRow(const Program& p, int n);                           // left-out chapters are passed over
int shareRowAfter(const Program& p, int y, int step, int n);          // wrapping, over left-out chapters
void toShareField(Console& c, const RunState& r, int y);              // the cursor to row y's field
int firstShareDigit(Console& c, const Program& p, int y, int digit);  // shown; the last chapter's 0 is 1
void setShare(Console& c, RunState& r, int y, int count);             // the chapter's share, shown

// Whether the shares in CS can be sectored: they add up to SECTORS, and the
// last listed chapter has one (chapters with 0 join the next with a share).
struct ShareCheck {
    int total = 0, wanted = 0;
    int emptyLast = 0;          // the last chapter, when it has no share
    std::string emptyLastName;  // it as read: "Luke 24"
    bool ok() const { return total == wanted && emptyLast == 0; }
    std::string why() const;  // what the editor says is wrong, in one line
};
ShareCheck checkShares(const Program& p);
// The check, its problems shown beside the list (or cleared); true: accepted.
bool sharesAccepted(Console& c, const Program& p);

// The full-screen program's screens of chapter sectoring: the questions per
// packet raised to the chapter count, the shares to edit, the sector table
// with its smallest sector.
void drawSharesReset(Console& c, const Program& p);
void drawShareEditor(Console& c, const Program& p);
void drawChapterTable(Console& c, const RunState& r);

}  // namespace tess
