#include "selection/QuizListing.h"

#include "core/Messages.h"

#include <cstdio>

namespace tess {

namespace {

constexpr const char* COLUMNS = "  Que Sec Num    Verse  Type  Question";

std::string rightAligned(int n, int width) {
    std::string s = std::to_string(n);
    return std::string(s.size() < static_cast<std::size_t>(width) ? static_cast<std::size_t>(width) - s.size() : 0,
                       ' ') +
           s;
}

// Characters from..to (1-based) of a text, blank past its end (fixed fields).
std::string chars(const std::string& t, std::size_t from, std::size_t to) {
    std::string out;
    for (std::size_t i = from; i <= to; ++i) out += i <= t.size() ? t[i - 1] : ' ';
    return out;
}

// A field from character i up to the next tab or the end of the text, with
// at most `last` as its last character. Leaves i on the character after the
// field; `cut` tells whether the field was stopped at `last`.
std::string field(const std::string& t, std::size_t& i, std::size_t last, bool& cut) {
    std::string out;
    cut = false;
    while (i <= t.size() && t[i - 1] != '\t') {
        if (i > last) {
            cut = true;
            break;
        }
        out += t[i - 1];
        if (i == last) {
            cut = true;
            ++i;
            break;
        }
        ++i;
    }
    return out;
}

std::string referenceRest(const std::string& t) {
    std::size_t i = 10;
    bool cut = false;
    std::string f = field(t, i, 49, cut);
    return chars(t, 1, 5) + "  " + chars(t, 7, 8) + "    " + f + (cut ? "..." : "");
}

std::string situationRest(const std::string& t) {
    std::string out = chars(t, 1, 2) + ":" + chars(t, 4, 5) + "  SIT   ";
    std::size_t i = 7;
    bool cut = false;
    out += field(t, i, 46, cut);
    if (cut) return out + "...";
    ++i;  // the tab that ended the first field
    out += " " + field(t, i, 46, cut);
    return cut ? out + "..." : out;
}

std::string ftvRest(const std::string& t) {
    std::string out = chars(t, 1, 5);
    std::size_t i = 6;
    while (i <= t.size() && t[i - 1] != '\t') ++i;
    ++i;  // the first tab
    bool cut = false;
    const std::string type = field(t, i, std::string::npos, cut);
    ++i;  // the tab after the type
    out += "  " + type;
    if (type.size() < 6) out += std::string(6 - type.size(), ' ');
    std::string third;
    while (i <= t.size() && t[i - 1] != '\t' && third.size() < 40) third += t[i++ - 1];
    return out + third + (third.size() == 40 ? "..." : "");
}

std::string regularRest(const std::string& t) {
    std::size_t i = 7;
    bool cut = false;
    std::string f = field(t, i, 46, cut);
    f = cut ? f + "..." : f + std::string(43 - f.size(), ' ');
    return chars(t, 1, 5) + std::string(8, ' ') + f;
}

}  // namespace

std::string listLine(const RunState& r, int X) {
    const char letter = r.TYP.at(static_cast<std::size_t>(X));
    const std::string& t = r.ALL[X].str();
    std::string rest;
    switch (letter) {
        case 'R':
        case 'O':
            rest = referenceRest(t);
            break;
        case 'S':
            rest = situationRest(t);
            break;
        case 'F':
            rest = ftvRest(t);
            break;
        case 'n':
            rest = regularRest(t);
            break;
        default:
            rest.clear();
    }
    const char book = r.RLBK[X] ? r.RLBK[X] : ' ';
    return rightAligned(X, 4) + "." + rightAligned(r.SECTOR[X], 4) + rightAligned(r.PNUMBER[X], 4) + "  " + book + " " +
           rest;
}

std::string listHeader(int q) {
    std::string h = COLUMNS;
    if (q < 100) h += ' ';
    if (q < 10) h += ' ';
    return h + std::string(27, ' ') + "Quiz " + std::to_string(q);
}

void screenListing(Program& p) {
    auto& r = p.run;
    CLR(p);
    p.con.writeln(COLUMNS);
    p.con.writeln();
    for (int X = 1; X <= r.SECTORS; ++X) {
        const char letter = r.TYP.at(static_cast<std::size_t>(X));
        if (letter == 'R' || letter == 'O' || letter == 'S' || letter == 'F') p.con.writeln(listLine(r, X));
    }
}

void writeListHeader(Program& p) {
    p.run.listFile.writeln(listHeader(p.run.Q2));
    p.run.listFile.writeln();
}

void writeListBody(Program& p) {
    auto& r = p.run;
    for (int X = 1; X <= r.SECTORS; ++X) {
        // Letters that are not listed still end their line, as every position's line does.
        r.listFile.writeln(listLine(r, X));
    }
    for (int n = r.SECTORS + 3; n <= LIST_BLOCK_LINES; ++n) r.listFile.writeln();
}

}  // namespace tess
