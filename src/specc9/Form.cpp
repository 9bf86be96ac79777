#include "specc9/Form.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/Messages.h"
#include "specc9/StyleLibrary.h"
#include "core/StyleFile.h"
#include "specc9/Validation.h"

namespace tess {

namespace {

const char* const TITLE = "Quiz Configuration -- Press Return Here When Ready";

// The fields in screen order; READY is the title line, NONE a key that does
// not navigate on that field.
enum Field : int {
    BBK,
    BCHAP,
    BVER,
    EBK,
    ECHAP,
    EVER,
    NAME1,
    NAME4,
    LPP,
    OUT,
    QMAX,
    AB,
    SPEARLY,
    SPLATE,
    IPC,
    INDX,
    QNUM,
    SEC1,
    REPEATPCT,
    SPMIN,
    SPMAX,
    FMIN,
    FMAX,
    RMIN,
    RMAX,
    OMIN,
    OMAX,
    SMIN,
    SMAX,
    PRIMPCT,
    REGLST,
    SETSPC,
    FIELDS
};
constexpr int READY = -1, NONE = -2, ACCEPT = -3, ABANDON = -4;

enum class Kind { Book, Chapter, Number, Name, Letter };

struct Place {
    int col, row, width, digits, first;  // first: lowest digit that starts an entry
    Kind kind;
    std::string_view item;  // the style setting it edits (a Place by its chapter); empty: none of its own
};

constexpr std::array<Place, FIELDS> PLACES = {{
    {14, 6, 2, 0, 0, Kind::Book, ""},
    {27, 6, 2, 2, 1, Kind::Chapter, "BCHAP"},
    {35, 6, 2, 2, 1, Kind::Number, ""},
    {14, 8, 2, 0, 0, Kind::Book, ""},
    {27, 8, 2, 2, 1, Kind::Chapter, "ECHAP"},
    {35, 8, 2, 2, 1, Kind::Number, ""},
    {27, 10, 10, 0, 0, Kind::Name, ""},
    {27, 12, 10, 0, 0, Kind::Name, "NAME4"},
    {15, 14, 3, 3, 0, Kind::Number, "LPP"},
    {36, 14, 1, 0, 0, Kind::Letter, "OUT"},
    {35, 16, 2, 2, 1, Kind::Number, "QMAX"},
    {35, 18, 2, 2, 1, Kind::Number, "AB"},
    {28, 20, 2, 2, 1, Kind::Number, "SPEARLY"},
    {35, 20, 2, 2, 1, Kind::Number, "SPLATE"},
    {15, 22, 3, 3, 0, Kind::Number, "IPC"},
    {36, 22, 1, 0, 0, Kind::Letter, "INDX"},
    {72, 6, 3, 3, 1, Kind::Number, "QNUM"},
    {74, 8, 1, 0, 0, Kind::Letter, "SEC1"},
    {72, 10, 3, 3, 0, Kind::Number, "REPEATPCT"},
    {64, 14, 2, 2, 0, Kind::Number, "SPMIN"},
    {73, 14, 2, 2, 0, Kind::Number, "SPMAX"},
    {64, 15, 2, 2, 0, Kind::Number, "FMIN"},
    {73, 15, 2, 2, 0, Kind::Number, "FMAX"},
    {64, 16, 2, 2, 0, Kind::Number, "RMIN"},
    {73, 16, 2, 2, 0, Kind::Number, "RMAX"},
    {64, 17, 2, 2, 0, Kind::Number, "OMIN"},
    {73, 17, 2, 2, 0, Kind::Number, "OMAX"},
    {64, 18, 2, 2, 0, Kind::Number, "SMIN"},
    {73, 18, 2, 2, 0, Kind::Number, "SMAX"},
    {56, 20, 3, 3, 0, Kind::Number, "PRIMPCT"},
    {74, 20, 1, 0, 0, Kind::Letter, "REGLST"},
    {74, 22, 1, 0, 0, Kind::Letter, "SETSPC"},
}};

// Where Up, Down, Left, Right and Return lead from each field.
constexpr std::array<std::array<int, 5>, FIELDS> MOVES = {{
    {READY, EBK, NONE, BCHAP, EBK},            // BBK
    {READY, ECHAP, BBK, BVER, ECHAP},          // BCHAP
    {READY, EVER, BCHAP, QNUM, EVER},          // BVER
    {BBK, NAME1, NONE, ECHAP, NAME1},          // EBK
    {BCHAP, NAME1, EBK, EVER, NAME1},          // ECHAP
    {BVER, NAME1, ECHAP, SEC1, NAME1},         // EVER
    {ECHAP, NAME4, NONE, REPEATPCT, NAME4},    // NAME1
    {NAME1, OUT, NONE, SPMIN, OUT},            // NAME4
    {NAME4, QMAX, LPP, OUT, OUT},              // LPP
    {NAME4, QMAX, LPP, SPMIN, QMAX},           // OUT
    {OUT, AB, NONE, RMIN, AB},                 // QMAX
    {QMAX, SPLATE, NONE, SMIN, SPLATE},        // AB
    {AB, IPC, AB, SPLATE, IPC},                // SPEARLY
    {AB, INDX, SPEARLY, PRIMPCT, INDX},        // SPLATE
    {SPEARLY, QNUM, IPC, INDX, INDX},          // IPC
    {SPLATE, QNUM, IPC, SETSPC, QNUM},         // INDX
    {READY, SEC1, BVER, NONE, SEC1},           // QNUM
    {QNUM, REPEATPCT, EVER, NONE, REPEATPCT},  // SEC1
    {SEC1, SPMAX, NAME1, NONE, FMAX},          // REPEATPCT
    {REPEATPCT, FMIN, OUT, SPMAX, FMIN},       // SPMIN
    {REPEATPCT, FMAX, SPMIN, NONE, FMAX},      // SPMAX
    {SPMIN, RMIN, OUT, FMAX, RMIN},            // FMIN
    {SPMAX, RMAX, FMIN, NONE, RMAX},           // FMAX
    {FMIN, OMIN, QMAX, RMAX, OMIN},            // RMIN
    {FMAX, OMAX, RMIN, NONE, OMAX},            // RMAX
    {RMIN, SMIN, QMAX, OMAX, SMIN},            // OMIN
    {RMAX, SMAX, OMIN, NONE, SMAX},            // OMAX
    {OMIN, PRIMPCT, AB, SMAX, PRIMPCT},        // SMIN
    {OMAX, REGLST, SMIN, NONE, REGLST},        // SMAX
    {SMIN, SETSPC, SPLATE, REGLST, SETSPC},    // PRIMPCT
    {SMAX, SETSPC, PRIMPCT, NONE, SETSPC},     // REGLST
    {REGLST, BCHAP, INDX, NONE, BCHAP},        // SETSPC
}};

// The column of MOVES a key selects (the capitals H, P, K, M are the arrows'
// second codes), or -1.
int moveColumn(int k) {
    switch (k) {
        case key::Up:
            return 0;
        case key::Down:
            return 1;
        case key::Left:
            return 2;
        case key::Right:
            return 3;
        case key::Return:
            return 4;
        default:
            return -1;
    }
}

int moveFrom(int f, int k) {
    const int c = moveColumn(k);
    return c < 0 ? NONE : MOVES[static_cast<std::size_t>(f)][static_cast<std::size_t>(c)];
}

const Place& place(int f) { return PLACES[static_cast<std::size_t>(f)]; }

// The field that edits a style setting.
int fieldOf(std::string_view item) {
    for (int f = 0; f < FIELDS; ++f)
        if (place(f).item == item) return f;
    return BCHAP;
}

int& number(Program& p, int f) {
    Specc9& c = p.cfg;
    switch (f) {
        case BCHAP:
            return c.BCHAP;
        case BVER:
            return c.BVER;
        case ECHAP:
            return c.ECHAP;
        case EVER:
            return c.EVER;
        case LPP:
            return c.LPP;
        case QMAX:
            return c.QMAX;
        case AB:
            return c.AB;
        case SPEARLY:
            return c.SPEARLY;
        case SPLATE:
            return c.SPLATE;
        case IPC:
            return c.IPC;
        case QNUM:
            return c.QNUM;
        case REPEATPCT:
            return c.REPEATPCT;
        case SPMIN:
            return c.SPMIN;
        case SPMAX:
            return c.SPMAX;
        case FMIN:
            return c.FMIN;
        case FMAX:
            return c.FMAX;
        case RMIN:
            return c.RMIN;
        case RMAX:
            return c.RMAX;
        case OMIN:
            return c.OMIN;
        case OMAX:
            return c.OMAX;
        case SMIN:
            return c.SMIN;
        case SMAX:
            return c.SMAX;
        default:
            return p.shared.PRIMPCT;
    }
}

char& letter(Program& p, int f) {
    switch (f) {
        case OUT:
            return p.cfg.OUT;
        case INDX:
            return p.cfg.INDX;
        case SEC1:
            return p.shared.SEC1;
        case REGLST:
            return p.shared.REGLST;
        default:
            return p.shared.SETSPC;
    }
}

std::string nameText(Program& p, int f) { return f == NAME1 ? p.cfg.NAME1.str() : p.shared.NAME4.str(); }

void valueColours(Console& c) {
    c.textColor(colour::LightRed);
    c.textBackground(colour::Black);
}

void drawField(Program& p, int f) {
    Console& c = p.con;
    const Place& s = place(f);
    valueColours(c);
    switch (s.kind) {
        case Kind::Book:
            c.gotoXY(s.col, s.row);
            c.write(f == BBK ? p.cfg.BBK.str() : p.cfg.EBK.str());
            break;
        case Kind::Name: {
            // A stored name may be longer than the ten typed ones (up to 14).
            const std::string name = nameText(p, f);
            c.gotoXY(s.col, s.row);
            c.write(std::string(std::max<std::size_t>(10, charCount(name)), ' '));
            c.gotoXY(s.col, s.row);
            c.write(name);
            break;
        }
        case Kind::Letter:
            c.gotoXY(s.col - 1, s.row);
            c.write(std::string{' ', letter(p, f)});
            break;
        default:
            c.gotoXY(s.col, s.row);
            c.write(number(p, f), s.width);
    }
}

int atMost(int v, int hi) { return v > hi ? hi : v; }
int atLeast(int v, int lo) { return v < lo ? lo : v; }

// The field's limits, in their order, after an entry; a verse that depends
// on a chapter is drawn again with it.
void applyLimits(Program& p, int f) {
    Specc9& c = p.cfg;
    switch (f) {
        case BCHAP:
            SETBBK2(p);
            if (c.BVER > c.EVS[c.BCHAP]) {
                c.BVER = c.EVS[c.BCHAP];
                drawField(p, BVER);
            }
            break;
        case BVER:
            c.BVER = atMost(c.BVER, c.EVS[c.BCHAP]);
            break;
        case ECHAP:
            c.ECHAP = atMost(c.ECHAP, CHMAX);
            c.EVER = c.EVS[c.ECHAP];
            drawField(p, EVER);
            break;
        case EVER:
            c.EVER = atMost(c.EVER, c.EVS[c.ECHAP]);
            break;
        case LPP:
            c.LPP = atMost(atLeast(c.LPP, 18), 500);
            break;
        case QMAX:
            c.QMAX = atMost(c.QMAX, SCMAX);
            break;
        case SPEARLY:
            c.SPEARLY = atMost(atMost(c.SPEARLY, 10), c.SPLATE);
            break;
        case SPLATE:
            c.SPLATE = atLeast(atMost(c.SPLATE, SCMAX), c.SPEARLY);
            break;
        case IPC:
            c.IPC = atMost(c.IPC, 100);
            break;
        case QNUM:
            c.QNUM = atMost(c.QNUM, QQZ);
            break;
        case REPEATPCT:
            c.REPEATPCT = atMost(c.REPEATPCT, 100);
            break;
        case SPMIN:
            c.SPMIN = atMost(atMost(c.SPMIN, 20), c.SPMAX);
            break;
        case SPMAX:
            c.SPMAX = atLeast(atMost(c.SPMAX, 20), c.SPMIN);
            break;
        case FMIN:
            c.FMIN = atMost(atMost(c.FMIN, 10), c.FMAX);
            break;
        case FMAX:
            c.FMAX = atLeast(atMost(c.FMAX, 10), c.FMIN);
            break;
        case RMIN:
            c.RMIN = atMost(atMost(c.RMIN, 10), c.RMAX);
            break;
        case RMAX:
            c.RMAX = atLeast(atMost(c.RMAX, 10), c.RMIN);
            break;
        case OMIN:
            c.OMIN = atMost(atMost(c.OMIN, 10), c.OMAX);
            break;
        case OMAX:
            c.OMAX = atLeast(atMost(c.OMAX, 10), c.OMIN);
            break;
        case SMIN:
            c.SMIN = atMost(atMost(c.SMIN, 10), c.SMAX);
            break;
        case SMAX:
            c.SMAX = atLeast(atMost(c.SMAX, 10), c.SMIN);
            break;
        case PRIMPCT:
            PRIM(p);
            break;
        default:
            break;  // AB: any two digits
    }
}

bool isDigit(int k) { return k >= '0' && k <= '9'; }

int editNumber(Program& p, int f) {
    Console& c = p.con;
    const Place& s = place(f);
    for (;;) {
        c.gotoXY(s.col, s.row);
        int k = c.readKey();
        if (k == key::Esc) return READY;
        if (const int to = moveFrom(f, k); to != NONE) return to;
        if (!isDigit(k) || k - '0' < s.first) continue;

        valueColours(c);
        c.gotoXY(s.col, s.row);
        c.write(std::string(static_cast<std::size_t>(s.width), ' '));
        c.gotoXY(s.col, s.row);
        c.write(std::string(1, static_cast<char>(k)));
        int typed = k - '0';
        int held = 1;
        int ender = 0;
        const int digits = (s.kind == Kind::Chapter && typed >= 3) ? 1 : s.digits;
        while (held < digits && ender == 0) {
            k = c.readKey();
            if (k == key::Esc) {
                drawField(p, f);
                return READY;
            }
            if (isDigit(k)) {
                c.write(std::string(1, static_cast<char>(k)));
                typed = typed * 10 + (k - '0');
                ++held;
            } else if (moveColumn(k) >= 0) {
                ender = k;
            }
        }
        number(p, f) = typed;
        applyLimits(p, f);
        drawField(p, f);
        if (ender != 0)
            if (const int to = moveFrom(f, ender); to != NONE) return to;
    }
}

char mapLetter(int f, int k) {
    if (k < 0 || k > 127) return 0;
    const char ch = static_cast<char>(k);
    auto accept = [&](const char* allowed) -> char {
        const char up = (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch;
        for (const char* a = allowed; *a; ++a)
            if (*a == up) return up;
        return 0;
    };
    switch (f) {
        case OUT:
            return accept("CPT");
        case INDX:
            return accept("YN");
        case SEC1:
            return accept("CVQ");
        case REGLST: {
            const int up = CAPS(k);
            return (up >= 'A' && up <= 'D') ? static_cast<char>(up) : 0;
        }
        default:
            return accept("YN");
    }
}

int editLetter(Program& p, int f) {
    Console& c = p.con;
    const Place& s = place(f);
    for (;;) {
        c.gotoXY(s.col, s.row);
        const int k = c.readKey();
        if (k == key::Esc) return READY;
        if (const int to = moveFrom(f, k); to != NONE) return to;
        if (const char ch = mapLetter(f, k)) {
            letter(p, f) = ch;
            valueColours(c);
            c.write(std::string(1, ch));
        }
    }
}

bool nameChar(int k) { return (k >= '1' && k <= '9') || (k >= 'A' && k <= 'Z') || (k >= 'a' && k <= 'z'); }

int editName(Program& p, int f) {
    Console& c = p.con;
    const Place& s = place(f);
    drawField(p, f);
    for (;;) {
        c.gotoXY(s.col, s.row);
        int k = c.readKey();
        // Left is no arrow here: its code is the letter K.
        if (k == key::Esc) return READY;
        if (k != key::Left)
            if (const int to = moveFrom(f, k); to != NONE) return to;
        if (!nameChar(k)) continue;

        std::string name(1, static_cast<char>(k >= 'a' && k <= 'z' ? k - 'a' + 'A' : k));
        const std::size_t clearWidth = std::max<std::size_t>(10, charCount(nameText(p, f)));
        valueColours(c);
        c.gotoXY(s.col, s.row);
        c.write(std::string(clearWidth, ' '));
        c.gotoXY(s.col, s.row);
        c.write(name);
        int ender = 0;
        for (;;) {
            k = c.readKey();
            if (name.size() >= 10) break;
            if (k == key::Up || k == key::Down || k == key::Right || k == key::Return) {
                ender = k;
                break;
            }
            if (nameChar(k)) {
                name.push_back(static_cast<char>(k));
                c.write(std::string(1, static_cast<char>(k)));
            }
        }
        if (f == NAME1)
            p.cfg.NAME1 = name;
        else
            p.shared.NAME4 = name;
        if (ender == 0) return f == NAME1 ? NAME4 : OUT;
        return moveFrom(f, ender);
    }
}

int editBook(Program& p, int f) {
    Console& c = p.con;
    const Place& s = place(f);
    for (;;) {
        c.gotoXY(s.col, s.row);
        const int k = c.readKey();
        if (k == key::Esc) return READY;
        if (const int to = moveFrom(f, k); to != NONE) return to;
        if (k == '1' || k == '2' || k == 'R' || k == 'r' || k == 'J' || k == 'j') {
            valueColours(c);
            if (f == BBK)
                SETBBK(p);
            else
                SETEBK(p);
        }
    }
}

int editField(Program& p, int f) {
    switch (place(f).kind) {
        case Kind::Book:
            return editBook(p, f);
        case Kind::Name:
            return editName(p, f);
        case Kind::Letter:
            return editLetter(p, f);
        default:
            return editNumber(p, f);
    }
}

void drawTitle(Program& p, int fg, int bg) {
    Console& c = p.con;
    c.textColor(fg);
    c.textBackground(bg);
    c.write(TITLE);
    valueColours(c);
}

// The ready line: the compatibility check, then accept, abandon or go back
// to editing.
int readyLine(Program& p) {
    Console& c = p.con;
    if (const CompatibilityRule* rule = ERRMESS(p)) return fieldOf(rule->field);
    c.gotoXY(15, 3);
    QCON(p);
    for (;;) {
        c.gotoXY(15, 3);
        const int k = c.readKey();
        if (k == key::Return) {
            // Checked before anything is saved: the run would refuse the
            // name only after the style had been written with it.
            if (const std::string why = outputNameProblem(p.shared.NAME4.str()); !why.empty()) {
                tellProblem(p, why);
                QCON2(p);
                return NAME4;
            }
            const std::string refused = OUTFILE(p);
            if (refused.empty()) return ACCEPT;
            // The specialty numbers screen may have been shown: draw it all.
            c.textBackground(colour::Blue);
            c.textColor(colour::Yellow);
            CLR(p);
            OVRLAY(p);
            tellProblem(p, refused);
            return NAME1;
        }
        if (k == key::Esc) return ABANDON;
        if (k == key::Down) {
            QCON2(p);
            return BCHAP;
        }
    }
}

}  // namespace

void QCON(Program& p) { drawTitle(p, colour::White, colour::Green); }

void QCON2(Program& p) {
    p.con.gotoXY(15, 3);
    drawTitle(p, colour::Yellow, colour::Blue);
}

int CAPS(int k) { return (k >= 'a' && k <= 'e') ? k - 'a' + 'A' : k; }

void OVRLAY(Program& p) {
    Console& c = p.con;
    c.textColor(colour::Yellow);
    c.textBackground(colour::Blue);
    c.gotoXY(15, 3);
    c.write(TITLE);
    c.gotoXY(1, 4);
    c.write("    " + std::string(70, '_'));
    static const std::array<std::pair<int, const char*>, 12> labels = {{
        {6, "    Begin:       Chapter:    Ver:        Number of Quizzes in this Run:"},
        {8, "    End:         Chapter:    Ver:        Sector by Chp/Vrs/Que (c/v/q):"},
        {10, "    Name of Quiz Style  :                Percent Eligible for Repeats :"},
        {12, "    Name of Output File :                Specialty Ranges              "},
        {13, "                                                                       "},
        {14, "    Lines/Pg:     Output (p/c/t):            Total        Min:     Max:"},
        {15, "                                             FTV Type     Min:     Max:"},
        {16, "    Number of Questions per pack:            CV Ref       Min:     Max:"},
        {17, "                                             CO Ref       Min:     Max:"},
        {18, "    A and B Questions begin on  :            Situation    Min:     Max:"},
        {20, "    Specialties may appear    to         Pct Prim FTV:     Reg (a/b/c):"},
        {22, "    Pct Int :      Reindex (y/n):        Set Specialty Quest nos (y/n):"},
    }};
    for (const auto& [row, text] : labels) {
        c.gotoXY(1, row);
        c.write(text);
    }
    for (int f = 0; f < FIELDS; ++f) drawField(p, f);
}

FormEnd editForm(Program& p) {
    int at = BCHAP;
    for (;;) {
        if (at == READY) at = readyLine(p);
        if (at == ACCEPT) return FormEnd::Accepted;
        if (at == ABANDON) return FormEnd::Abandoned;
        if (at >= 0) at = editField(p, at);
    }
}

}  // namespace tess
