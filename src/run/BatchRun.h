#pragma once
// A run with nobody at the keyboard (tessarin run): the same stages as the
// full-screen run (runOnce), given the answers of a user who presses on.
// What the user would read on the screens reaches them as the Ask's events.
#include <string>
#include <string_view>

#include "core/Ask.h"
#include "core/Program.h"

namespace tess {

// The answers of a user who presses on, given without a screen: the
// patterns as drawn, the dealt chapter shares (a style whose dealt shares the
// editor would refuse stops with the editor's reason), every sector table
// accepted, no resectoring, combinations run automatically, every notice
// read. What is told is left to the front end (tell).
class PressOnAsk : public Ask {
public:
    // Stops are noted, so a run that goes back is told why once.
    void tell(const Event& e) final {
        if (e.kind == Event::Kind::Stopped) stopTold_ = true;
        told(e);
    }
    bool stopTold() const { return stopTold_; }

    void pressReturn(Program&, std::string_view) override {}
    void specialtyNumbers(Program& p) override;
    void patternsReviewed(Program&) override {}
    void chapterShares(Program& p, int chapters) override;
    bool sectorTable(Program&, char) override { return true; }
    void closeTable(Program&) override {}
    bool resector(Program&) override { return false; }
    void resectoredTable(Program&) override {}
    Approval approvalMode(Program&) override { return Approval::Automatic; }
    Combination combination(Program&) override { return Combination::Accept; }

protected:
    virtual void told(const Event&) {}

private:
    bool stopTold_ = false;
};

enum class BatchEnd {
    Done,
    CannotGoOn,  // went back to the title: the style or the bank is to mend
    FileFailed,  // a file could not be written (a full disk, a file-size limit)
};

// Runs the stored style `name` once on `p` with `ask`'s answers: names it in
// "temp2.txt" as the style menu does, accepts it as the form does on Esc and
// Return (acceptStoredStyle), and runs it. When the run goes back to the
// title, `ask` has been told why (Event::Kind::Stopped), no packet or list
// file is replaced, and CannotGoOn is returned; when a file could not be
// written (FileError, which the full-screen program tells and goes back to
// the title on), the same with FileFailed. There is no screen: `ask` has none.
BatchEnd runStoredStyle(Program& p, PressOnAsk& ask, const std::string& name);

}  // namespace tess
