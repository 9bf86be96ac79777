#include "run/ScreenAsk.h"

#include <string>

#include "core/Messages.h"
#include "material/ChapterSectoring.h"
#include "material/Counts.h"
#include "material/SectorTable.h"
#include "output/Screens.h"
#include "selection/QuizListing.h"
#include "specc9/PatternReview.h"
#include "specc9/SpecialtyNumbers.h"

namespace tess {

namespace {

constexpr int KEY_191 = 191;  // arrives after a verse sector table on some keyboards; passed over

bool isDigitKey(int k) { return k >= '0' && k <= '9'; }

bool isArrow(int k) { return k == key::Up || k == key::Down || k == key::Left || k == key::Right; }

}  // namespace

void ScreenAsk::show(Program& p, Screen s) {
    Console& c = con_;
    RunState& r = p.run;
    switch (s) {
        case Screen::Title:
            c.clearScreen();
            r.RSET = 4;
            WRITEHDG(c, p.material);
            c.gotoXY(1, 3);
            CLR(c);
            break;
        case Screen::Leaving:
            c.textColor(colour::White);
            c.textBackground(colour::Black);
            c.clearScreen();
            break;
        case Screen::Cleared:
            CLR(c);
            break;
        case Screen::Notice:
            CLR(c);
            c.gotoXY(3, 3);
            break;
        case Screen::ReturnRow:
            c.gotoXY(3, 5);
            break;
        case Screen::Indent:
            c.write("  ");
            break;
        case Screen::LineEnd:
            c.writeln();
            break;
        case Screen::FormColours:
            c.textBackground(colour::Blue);
            c.textColor(colour::Yellow);
            break;
        case Screen::Patterns:
            CLR(c);
            c.gotoXY(1, 2);
            break;
        case Screen::Counting:
            c.gotoXY(3, 3);
            break;
        case Screen::IndexingQuestions:
            CLR(c);
            c.writeln("  Creating index of questions...");
            c.writeln();
            break;
        case Screen::Sectoring:
            c.gotoXY(3, 3);
            c.write("Sectoring material...");
            c.clearEol();
            break;
        case Screen::RangeSummary:
            drawRangeSummary(c, r);
            break;
        case Screen::TooFewRegular:
            drawTooFewRegular(c);
            break;
        case Screen::SharesReset:
            drawSharesReset(c, p);
            break;
        case Screen::ShareEditor:
            drawShareEditor(c, p);
            break;
        case Screen::ChapterTable:
            drawChapterTable(c, r);
            break;
        case Screen::SectorTable:
            drawSectorTable(c, r);
            break;
        case Screen::SectoringByQuestions:
            c.writeln();
            c.gotoXY(1, 6);
            c.write("  The material will be sectored by individual questions.");
            break;
        case Screen::SectoringByQuestionsRead:
            c.gotoXY(1, 6);
            c.clearEol();
            c.gotoXY(1, 5);
            break;
        case Screen::NoSpecialtyQuestions:
            drawNoSpecialtyQuestions(c);
            break;
        case Screen::IndexingInterrogatives:
            c.gotoXY(3, 3);
            c.write("Creating index of interrogatives...");
            break;
        case Screen::ChoosingQuiz:
            c.gotoXY(3, 3);
            c.clearEol();
            c.writeln("Choosing Quiz " + std::to_string(r.Q2));
            c.writeln();
            break;
        case Screen::ChoosingRegular:
            c.writeln("  Choosing Regular Questions for Quiz " + std::to_string(r.Q2));
            break;
        case Screen::TradeCount: {
            // In place on row 4 (above the message rows): a new line for each
            // of up to 5000 trades would scroll the title away and overwrite
            // the warnings.
            const int col = c.whereX(), row = c.whereY();
            c.gotoXY(3, 4);
            c.clearEol();
            c.write(std::to_string(r.ITOT) + " " + std::to_string(r.INUM));
            c.gotoXY(col, row);
            break;
        }
        case Screen::QuizListing:
            drawQuizListing(c, r);
            break;
        case Screen::NextMessageRow:
            nextMessageRow(p);
            break;
        case Screen::CurrentMessageRow:
            currentMessageRow(p);
            break;
        case Screen::AbandonedRow:
            if (++r.RSET >= 24) {
                CLR(c);
                r.RSET = 5;
            }
            c.gotoXY(5, r.RSET);
            c.clearEol();
            c.textColor(colour::White);
            c.textBackground(colour::Red);
            break;
        case Screen::MessageColours:
            c.textColor(colour::Yellow);
            c.textBackground(colour::Blue);
            break;
        case Screen::QuizzesComplete:
            // Said only where generation wrote messages below the title.
            if (r.RSET > 4) {
                c.gotoXY(20, 3);
                pressReturn(p, " Quizzes Complete -- Press Return to Continue");
            }
            break;
        case Screen::Thanks:
            drawThanks(c);
            break;
    }
}

void ScreenAsk::say(Program&, const Event& e, bool lineEnd) {
    tell(e);
    if (lineEnd)
        con_.writeln(e.text);
    else
        con_.write(e.text);
}

void ScreenAsk::notes(Program& p, const std::vector<std::string>& lines) {
    Ask::notes(p, lines);
    showNotes(p, lines);
}

void ScreenAsk::pressReturn(Program&, std::string_view prompt) {
    if (!prompt.empty()) con_.write(prompt);
    con_.readLine();
}

void ScreenAsk::specialtyNumbers(Program& p) { SETSPEC(p); }

void ScreenAsk::patternsReviewed(Program& p) {
    if (p.cfg.QMAX <= 30)
        WRITESPECS(p);
    else
        WRITESPECS75(p);
}

void ScreenAsk::chapterShares(Program& p, int n) {
    Console& c = con_;
    int y = firstShareRow(p, n);
    for (;;) {
        toShareField(c, p.run, y);
        const int k = c.readKey();
        if (k == key::Up || k == key::Down) {
            y = shareRowAfter(p, y, k == key::Up ? -1 : 1, n);
        } else if (k == key::Return) {
            if (sharesAccepted(c, p)) return;
        } else if (isDigitKey(k)) {
            const int first = firstShareDigit(c, p, y, k - '0');
            // A second digit makes a two-digit share; an arrow ends a one-digit one.
            int count = first, arrow = 0;
            for (;;) {
                const int k2 = c.readKey();
                if (isDigitKey(k2)) {
                    count = 10 * first + (k2 - '0');
                    break;
                }
                if (isArrow(k2)) {
                    arrow = k2;
                    break;
                }
            }
            setShare(c, p.run, y, count);
            if (arrow == key::Up || arrow == key::Down) y = shareRowAfter(p, y, arrow == key::Up ? -1 : 1, n);
        }
    }
}

bool ScreenAsk::sectorTable(Program&, char method) {
    Console& c = con_;
    if (method == 'Q') {
        c.waitKey();  // the key stays for the next read
        return true;
    }
    int k;
    do k = c.readKey();
    while (method == 'V' && k == KEY_191);
    return k != key::Esc;
}

void ScreenAsk::closeTable(Program&) {
    if (con_.readKey() == 0) con_.readKey();
}

bool ScreenAsk::resector(Program&) {
    Console& c = con_;
    c.gotoXY(3, 4);
    c.write("Do you wish to resector? ");
    int k = c.readKey();
    if (k == 0)
        k = c.readKey();  // a cursor key is no answer, and its code no letter
    else if (k >= 32 && k < 127)
        c.write(std::string(1, static_cast<char>(k)));
    if (k == 'Y' || k == 'y') return true;
    c.readLine();
    return false;
}

void ScreenAsk::resectoredTable(Program&) {
    while (con_.readKey() == '8') {
    }
}

int approvalMenu(Program& p) {
    Console& c = screenOf(p);
    static const char* const choices[] = {"Run specialty combinations automatically    ",
                                          "Approve specialty combinations for each quiz"};
    int choice = 1;
    for (;;) {
        APPROVESPEC(c);
        c.gotoXY(16, choice + 2);
        c.write(choices[choice - 1]);
        c.textColor(colour::Yellow);
        c.textBackground(colour::Blue);
        const int k = c.readKey();
        if (k == key::Up)
            choice = choice == 1 ? 2 : 1;
        else if (k == key::Down)
            choice = choice == 2 ? 1 : 2;
        else if (k == key::Esc)
            throw RestartRun{};
        else if (k == key::Return)
            return choice;
    }
}

Approval ScreenAsk::approvalMode(Program& p) {
    return approvalMenu(p) == 1 ? Approval::Automatic : Approval::EachQuiz;
}

Combination ScreenAsk::combination(Program&) {
    Console& c = con_;
    c.writeln();
    c.write("  Do you wish to accept this combination (y/n)? ");
    for (;;) {
        c.gotoXY(49, c.whereY());
        c.write("  ");
        c.gotoXY(49, c.whereY());
        const int k = c.readKey();
        if (k == key::Esc) return Combination::Abandon;
        if (k == 'y' || k == 'Y' || k == 'n' || k == 'N') {
            CLR(c);
            return (k == 'y' || k == 'Y') ? Combination::Accept : Combination::Reject;
        }
    }
}

}  // namespace tess
