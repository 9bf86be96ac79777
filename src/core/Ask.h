#pragma once
// What a run asks of its user and tells them. The stages decide; whenever
// the run needs an answer or has something to say, it goes through the
// run's Ask, so a stage never reads a key. The full-screen program answers
// with its screens (run/ScreenAsk.h); `tessarin run` with the answers of a
// user who presses on (run/BatchRun.h). Another front end is one more
// implementation of this interface.
#include <string>
#include <string_view>
#include <vector>

#include "core/RunState.h"

namespace tess {

class Console;
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

// What the screen shows at a point of the run, drawn from the run state by
// the full-screen program (run/ScreenAsk.cpp); a front end without a screen
// has nothing to show. Words the user is told go through `say` instead.
enum class Screen {
    Title,                   // the title bands over a cleared screen
    Leaving,                 // the screen cleared in the terminal's colours: the program ends
    Cleared,                 // the working rows 2..24 cleared
    Notice,                  // cleared, the cursor at the first notice row
    ReturnRow,               // the cursor where "Press Return" goes under a notice
    Indent,                  // the margin of a line
    LineEnd,                 // the line ended
    FormColours,             // the configuration form's yellow on blue
    Patterns,                // the page the pattern review is drawn on
    Counting,                // the cursor where counting reports
    IndexingQuestions,       // the question index is being built
    Sectoring,               // "Sectoring material..."
    RangeSummary,            // what one quiz holds and the range's totals
    TooFewRegular,           // the range cannot fill one quiz with regular questions
    SharesReset,             // more chapters than questions per packet
    ShareEditor,             // the chapter shares as dealt, to edit
    ChapterTable,            // the sector table of a chapter sectoring, with its smallest sector
    SectorTable,             // the sector table
    SectoringByQuestions,    // resectoring is announced
    SectoringByQuestionsRead,
    NoSpecialtyQuestions,    // a specialty the style asks for has no question in the range
    IndexingInterrogatives,  // the interrogative index is being built
    ChoosingQuiz,            // the quiz being chosen
    ChoosingRegular,         // the regular questions of a quiz being approved
    TradeCount,              // interrogatives traded so far
    QuizListing,             // the specialty questions chosen, for approval
    NextMessageRow,          // the next row of generation's messages
    CurrentMessageRow,       // the row of generation's messages as it stands
    AbandonedRow,            // the row for the interrogative share given up
    MessageColours,          // back to yellow on blue after a message
    QuizzesComplete,         // the cursor where generation's end is said
    Thanks,                  // the closing screen's heading
};

// The user's answer to a specialty combination shown for approval.
enum class Combination { Accept, Reject, Abandon };

struct Ask {
    virtual ~Ask() = default;

    virtual void tell(const Event& e) = 0;

    // The screen this front end draws on and reads keys from; none without one.
    virtual Console* screen() { return nullptr; }

    // Shows `s` (see Screen); a front end without a screen shows nothing.
    virtual void show(Program&, Screen) {}
    // Says `e` where the screen's cursor is (the line ended when `lineEnd`);
    // a front end without a screen is only told it.
    virtual void say(Program&, const Event& e, bool /*lineEnd*/) { tell(e); }
    // Lines the user should read before going on (clamped settings): each a
    // warning; the full-screen program shows them together and waits.
    virtual void notes(Program&, const std::vector<std::string>& lines) {
        for (const std::string& l : lines) tell({Event::Kind::Warning, l});
    }

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
