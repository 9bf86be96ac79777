#include "specc9/PatternReview.h"

#include <algorithm>
#include <string>

#include "core/Messages.h"
#include "specc9/Patterns.h"

namespace tess {

namespace {

// Each ruler number ends right above the letter of its position.
constexpr const char* RULER = "            5   10   15   20   25   30            ";
constexpr const char* RULER_RIGHT = "5   10   15   20   25   30";
constexpr const char* RULER75 = "        5   10   15   20   25   30   35   40   45   50   55   60   65   70   75";

struct ReviewPage {
    bool wide;      // the 75-position screen
    int perScreen;  // 30 or 15
};

void normalColours(Console& con) {
    con.textColor(colour::Yellow);
    con.textBackground(colour::Blue);
}

// Entry c of the screen showing quiz `quiz`.
void drawEntry(Program& p, const ReviewPage& s, int c, int quiz, bool current) {
    Console& con = screenOf(p);
    const int col = s.wide ? 1 : (c <= 15 ? 4 : 42);
    con.gotoXY(col, (c - 1) % 15 + 6);
    con.textBackground(current ? colour::Red : colour::Blue);
    con.textColor(current ? colour::White : colour::Yellow);
    con.write(quiz, 3);
    con.write(s.wide ? "." : ". ");
    std::string letters = p.cfg.PAT[quiz].str();
    letters.resize(30, 'n');
    if (s.wide) letters.append(45, 'n');
    for (std::size_t i = 1; i <= letters.size(); ++i) {
        con.textColor(current || i % 5 == 0 ? colour::White : colour::Yellow);
        con.write(std::string_view(&letters[i - 1], 1));
    }
}

void review(Program& p, const ReviewPage& s) {
    Console& con = screenOf(p);
    Specc9& cfg = p.cfg;
    const int QZ = std::min(cfg.QZ, QQZ);

    normalColours(con);
    CLR(p);
    con.gotoXY(2, 3);
    con.writeln("   Press Space Bar to Reshuffle the Specialty pattern for a particular quiz");
    con.writeln();
    con.textColor(colour::LightRed);
    if (s.wide) {
        con.write(RULER75);
    } else {
        con.write(RULER);
        if (QZ > 15) con.write(RULER_RIGHT);
    }
    con.textColor(colour::Yellow);

    for (int SCR = 0; SCR * s.perScreen < QZ; ++SCR) {
        const int base = SCR * s.perScreen;
        const int E = std::min(base + s.perScreen, QZ);
        const int entries = E - base;
        for (int c = 1; c <= entries; ++c) drawEntry(p, s, c, base + c, false);
        normalColours(con);
        con.gotoXY(4, 22);
        con.write(" Press Enter to accept all patterns");
        int c = 1;
        drawEntry(p, s, c, base + c, true);
        normalColours(con);

        for (;;) {
            const int was = c;
            int k = con.readKey();
            if (k == key::Esc) {
                if (s.wide) {
                    p.shared.BACK = true;
                    normalColours(con);
                    return;
                }
                k = key::Return;
            }
            // A cursor key's leading zero does nothing; its second character acts.
            if (k == 'M' && !s.wide && c < 16 && c + 15 <= entries) c += 15;
            if (k == 'H') --c;
            if (k == 'P') ++c;
            if (k == 'K' && c > 15) c -= 15;
            if (k == key::Space) {
                SPECPAT(p);
                cfg.PAT[base + c] = cfg.TYP;
                drawEntry(p, s, c, base + c, true);
            }
            if (c > s.perScreen) c = 1;
            if (c > entries) c = 1;
            if (c == 0) c = entries;
            if (base + c > QZ) c = 1;
            if (c != was) {
                drawEntry(p, s, was, base + was, false);
                drawEntry(p, s, c, base + c, true);
            }
            normalColours(con);
            if (k == key::Return) break;
        }

        for (int row = 6; row <= 24; ++row) {
            con.gotoXY(1, row);
            con.clearEol();
        }
    }
}

}  // namespace

void WRITESPECS(Program& p) { review(p, ReviewPage{false, 30}); }

void WRITESPECS75(Program& p) { review(p, ReviewPage{true, 15}); }

}  // namespace tess
