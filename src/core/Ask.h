#pragma once
// What a run asks of its user and tells them. The stages decide; whenever
// the run needs an answer or has something to say, it goes through the
// run's Ask, so a stage never reads a key. The full-screen program answers
// with its screens (run/ScreenAsk.h); `tessarin run` with the answers of a
// user who presses on (run/BatchRun.h). Another front end is one more
// implementation of this interface.
#include <string>
#include <string_view>

#include "core/RunState.h"

namespace tess {

struct Program;

// The words of a wait for Return, where a screen says them.
inline constexpr std::string_view PRESS_RETURN = "Press Return to continue. ";

// Something a run tells its user besides its screens.
struct Event {
    enum class Kind {
        Stage,    // a phase of the run begins ("quiz 17 of 135")
        Warning,  // a warning or notice the screen shows
        Stopped,  // why the run goes back to the title
        Result,   // a line of the closing screen
    };
    Kind kind;
    std::string text;
};

// The user's answer to a specialty combination shown for approval.
enum class Combination { Accept, Reject, Abandon };

struct Ask {
    virtual ~Ask() = default;

    virtual void tell(const Event& e) = 0;

    // The user has read what the screen shows and goes on: `prompt`, when
    // given, is written at the cursor first, then a line is waited for.
    virtual void pressReturn(Program& p, std::string_view prompt = {}) = 0;

    // The specialty kind of each question number, set by hand (styles with
    // "Set Specialty Quest nos" Y): leaves the pattern line in Specc9::TYP.
    virtual void specialtyNumbers(Program& p) = 0;

    // The pattern review of the run's quizzes (pat.txt is written after
    // it). Going back from it sets SharedSettings::BACK.
    virtual void patternsReviewed(Program& p) = 0;

    // The chapter-share editor: CS (dealt) is edited until the shares are
    // accepted. A share editor that cannot accept them restarts the run.
    virtual void chapterShares(Program& p, int chapters) = 0;

    // The sector table is on screen. Returns false when the user goes back
    // from it: to the share editor after a chapter table, to the title after
    // a verse table. After a table by questions the key that closes it may
    // be left waiting (closeTable takes it).
    virtual bool sectorTable(Program& p, char method) = 0;
    virtual void closeTable(Program& p) = 0;

    // After "Regular question repeats will begin after quiz N": whether to
    // sector by individual questions instead.
    virtual bool resector(Program& p) = 0;
    // The table of the resectoring just shown, looked at until the user goes on.
    virtual void resectoredTable(Program& p) = 0;

    // Whether each quiz's specialty combination is approved; the user may
    // go back to the title instead (RestartRun).
    virtual Approval approvalMode(Program& p) = 0;

    // The specialty combination of the quiz on screen.
    virtual Combination combination(Program& p) = 0;
};

}  // namespace tess
