#pragma once
// What every packet layout needs of the slot being written: loading the line
// buffer and the working copy, the fixed fields of a bank line, and the
// scans that cut a question's first line at a blank.
#include <string>

#include "console/Array.h"
#include "core/BankColumns.h"
#include "core/RunState.h"
#include "output/PacketCursor.h"

namespace tess {

struct Slot {
    int x = 0;        // slot number
    char kind = ' ';  // its letter in TYP
    // Working copy of the first string, one character to a position, padded
    // with blanks; the first-line scans turn the TABs they pass into blanks here.
    Arr<Glyph, 1, LMAX> ALLTEMP{};

    Glyph at(int i) const { return i >= 1 && i <= LMAX ? ALLTEMP[i] : Glyph(' '); }
    bool blank(int i) const { return at(i) == ' '; }
    std::string text(int from, int to) const;                        // ALLTEMP from..to, empty when to < from
    bool quotation() const { return at(bankcol::FTV_MODE) == 'Q'; }  // an FTV that quotes the verse
};

// Fills the cursor's line buffer and the working copy for slot x.
Slot loadSlot(const RunState& r, PacketCursor& c, int x);

// The slot number right-aligned in w when it is at most AB, else w blanks.
std::string numberField(const RunState& r, int x, int w);
// "Quiz " right-aligned in w.
std::string quizRight(int w);
char bookLetter(const RunState& r, int x);
std::string bookName(const RunState& r, int x);  // "Luke": the book of the question at x
std::string storedRef(const Slot& s);            // the reference as stored (the chapter the book's own)
std::string chapterDigits(const Slot& s);        // one or two digits
std::string verseDigits(const Slot& s);
std::string verseColumn(const RunState& r, const Slot& s);  // "L cc:vv"

// An FTV's type field: from `start` up to the next TAB; the text follows it.
struct TypeField {
    int start = 0, length = 0, textStart = 0;
};
TypeField typeField(const Slot& s, int start);

// Where a scan cut a question's first line. A stretch without any blank is
// broken where the scan stopped, so no character is lost or printed twice.
struct FirstLine {
    int end = 0;            // the first line runs from the text's start to here
    int resume = 0;         // the blank after which the continuation goes on
    bool question = false;  // a regular question's line ended at its "?"
};
FirstLine quotationScan(const PacketCursor& c, Slot& s, int limitWithoutQuote);  // SIT
FirstLine regularScan(const PacketCursor& c, Slot& s, int limit);                // regular
FirstLine ftvScanC(const PacketCursor& c, Slot& s, int textStart);               // non-quotation FTV, c layout
FirstLine fiveWordScan(const PacketCursor& c, Slot& s, int textStart);           // non-quotation FTV, p layout

// The continuation starts when the character after `mark` is not a blank.
bool moreAfter(const PacketCursor& c, const Slot& s, int mark);

// The continuation from `mark`, fresh: MARK1 set, no line of it written yet.
void continueFrom(PacketCursor& c, int mark, void (*printer)(PacketCursor&));

}  // namespace tess
