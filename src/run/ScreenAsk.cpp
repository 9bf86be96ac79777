#include "run/ScreenAsk.h"

#include <string>

#include "core/Messages.h"
#include "material/ChapterSectoring.h"
#include "output/Screens.h"
#include "specc9/PatternReview.h"
#include "specc9/SpecialtyNumbers.h"

namespace tess {

namespace {

constexpr int KEY_191 = 191;  // arrives after a verse sector table on some keyboards; passed over

bool isDigitKey(int k) { return k >= '0' && k <= '9'; }

bool isArrow(int k) { return k == key::Up || k == key::Down || k == key::Left || k == key::Right; }

}  // namespace

Ask& screenAsk() {
    static ScreenAsk screens;
    return screens;
}

void ScreenAsk::pressReturn(Program& p, std::string_view prompt) {
    if (!prompt.empty()) p.con.write(prompt);
    p.con.readLine();
}

void ScreenAsk::specialtyNumbers(Program& p) { SETSPEC(p); }

void ScreenAsk::patternsReviewed(Program& p) {
    if (p.cfg.QMAX <= 30)
        WRITESPECS(p);
    else
        WRITESPECS75(p);
}

void ScreenAsk::chapterShares(Program& p, int n) {
    Console& c = p.con;
    int y = firstShareRow(p.run, n);
    for (;;) {
        toShareField(p, y);
        const int k = c.readKey();
        if (k == key::Up || k == key::Down) {
            y = shareRowAfter(p.run, y, k == key::Up ? -1 : 1, n);
        } else if (k == key::Return) {
            if (sharesAccepted(p)) return;
        } else if (isDigitKey(k)) {
            const int first = firstShareDigit(p, y, k - '0');
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
            setShare(p, y, count);
            if (arrow == key::Up || arrow == key::Down) y = shareRowAfter(p.run, y, arrow == key::Up ? -1 : 1, n);
        }
    }
}

bool ScreenAsk::sectorTable(Program& p, char method) {
    Console& c = p.con;
    if (method == 'Q') {
        c.waitKey();  // the key stays for the next read
        return true;
    }
    int k;
    do k = c.readKey();
    while (method == 'V' && k == KEY_191);
    return k != key::Esc;
}

void ScreenAsk::closeTable(Program& p) {
    if (p.con.readKey() == 0) p.con.readKey();
}

bool ScreenAsk::resector(Program& p) {
    Console& c = p.con;
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

void ScreenAsk::resectoredTable(Program& p) {
    while (p.con.readKey() == '8') {
    }
}

int approvalMenu(Program& p) {
    Console& c = p.con;
    static const char* const choices[] = {"Run specialty combinations automatically    ",
                                          "Approve specialty combinations for each quiz"};
    int choice = 1;
    for (;;) {
        APPROVESPEC(p);
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

Combination ScreenAsk::combination(Program& p) {
    Console& c = p.con;
    c.writeln();
    c.write("  Do you wish to accept this combination (y/n)? ");
    for (;;) {
        c.gotoXY(49, c.whereY());
        c.write("  ");
        c.gotoXY(49, c.whereY());
        const int k = c.readKey();
        if (k == key::Esc) return Combination::Abandon;
        if (k == 'y' || k == 'Y' || k == 'n' || k == 'N') {
            CLR(p);
            return (k == 'y' || k == 'Y') ? Combination::Accept : Combination::Reject;
        }
    }
}

}  // namespace tess
