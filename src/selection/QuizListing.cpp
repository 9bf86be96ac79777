#include "selection/QuizListing.h"

#include "core/BankColumns.h"
#include "core/Messages.h"

#include <cstdio>
#include <vector>

namespace tess {

using namespace bankcol;

namespace {

constexpr const char* COLUMNS = "  Que Sec Num    Verse  Type  Question";

// Every piece of a line is appended to the one line being built: the list
// file has a line for every position of every quiz.

void appendRightAligned(std::string& out, int n, int width) {
    const std::string s = std::to_string(n);
    if (s.size() < static_cast<std::size_t>(width)) out.append(static_cast<std::size_t>(width) - s.size(), ' ');
    out += s;
}

// A question's text one character to a position: fields and widths count characters.
using Text = std::vector<Glyph>;

// Characters from..to (1-based) of a text, blank past its end (fixed fields).
void appendChars(std::string& out, const Text& t, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i <= to; ++i) out += i <= t.size() ? t[i - 1] : Glyph(' ');
}

// A field from character i up to the next tab or the end of the text, with
// at most `last` as its last character. Leaves i on the character after the
// field; returns whether the field was stopped at `last`, and its length.
struct Field {
    bool cut = false;
    std::size_t length = 0;
};
Field appendField(std::string& out, const Text& t, std::size_t& i, std::size_t last) {
    Field f;
    while (i <= t.size() && t[i - 1] != '\t') {
        if (i > last) {
            f.cut = true;
            break;
        }
        out += t[i - 1];
        ++f.length;
        if (i == last) {
            f.cut = true;
            ++i;
            break;
        }
        ++i;
    }
    return f;
}

void referenceRest(std::string& out, const Text& t) {
    appendChars(out, t, CHAPTER, REF_END);
    out += "  ";
    appendChars(out, t, CODE, CODE_END);
    out += "    ";
    std::size_t i = REF_TEXT;
    if (appendField(out, t, i, 49).cut) out += "...";
}

void situationRest(std::string& out, const Text& t) {
    appendChars(out, t, CHAPTER, CHAPTER_END);
    out += ':';
    appendChars(out, t, VERSE, VERSE_END);
    out += "  SIT   ";
    std::size_t i = TEXT;
    if (appendField(out, t, i, 46).cut) {
        out += "...";
        return;
    }
    ++i;  // the tab that ended the first field
    out += ' ';
    if (appendField(out, t, i, 46).cut) out += "...";
}

void ftvRest(std::string& out, const Text& t) {
    appendChars(out, t, CHAPTER, REF_END);
    std::size_t i = TAB;
    while (i <= t.size() && t[i - 1] != '\t') ++i;
    ++i;  // the first tab
    out += "  ";
    const Field type = appendField(out, t, i, std::string::npos);
    ++i;  // the tab after the type
    if (type.length < 6) out.append(6 - type.length, ' ');
    std::size_t third = 0;
    while (i <= t.size() && t[i - 1] != '\t' && third < 40) {
        out += t[i++ - 1];
        ++third;
    }
    if (third == 40) out += "...";
}

void regularRest(std::string& out, const Text& t) {
    appendChars(out, t, CHAPTER, REF_END);
    out.append(8, ' ');
    std::size_t i = TEXT;
    const Field f = appendField(out, t, i, 46);
    if (f.cut)
        out += "...";
    else
        out.append(43 - f.length, ' ');
}

}  // namespace

std::string listLine(const RunState& r, int X) {
    std::string line;
    line.reserve(100);
    appendRightAligned(line, X, 4);
    line += '.';
    appendRightAligned(line, r.SECTOR[X], 4);
    appendRightAligned(line, r.PNUMBER[X], 4);
    line += "  ";
    line += r.RLBK[X] ? r.RLBK[X] : ' ';
    line += ' ';
    Text t = glyphs(r.ALL[X].str());
    // The book's own chapter where it is not the bank's (a later book of the material).
    if (const int own = r.RLCH[X]; own > 0 && t.size() >= CHAPTER_END) {
        t[CHAPTER - 1] = own >= 10 ? Glyph(static_cast<char>('0' + own / 10)) : Glyph(' ');
        t[CHAPTER_END - 1] = Glyph(static_cast<char>('0' + own % 10));
    }
    switch (r.TYP.at(static_cast<std::size_t>(X))) {
        case 'R':
        case 'O':
            referenceRest(line, t);
            break;
        case 'S':
            situationRest(line, t);
            break;
        case 'F':
            ftvRest(line, t);
            break;
        case 'n':
            regularRest(line, t);
            break;
        default:
            break;
    }
    return line;
}

std::string listHeader(int q) {
    std::string h = COLUMNS;
    if (q < 100) h += ' ';
    if (q < 10) h += ' ';
    return h + std::string(27, ' ') + "Quiz " + std::to_string(q);
}

void drawQuizListing(Console& c, const RunState& r) {
    CLR(c);
    c.writeln(COLUMNS);
    c.writeln();
    for (int X = 1; X <= r.SECTORS; ++X) {
        const char letter = r.TYP.at(static_cast<std::size_t>(X));
        if (letter == 'R' || letter == 'O' || letter == 'S' || letter == 'F') c.writeln(listLine(r, X));
    }
}

void writeListHeader(RunState& r) {
    r.listFile.writeln(listHeader(r.Q2));
    r.listFile.writeln();
}

void writeListBody(RunState& r) {
    for (int X = 1; X <= r.SECTORS; ++X) {
        // Letters that are not listed still end their line, as every position's line does.
        r.listFile.writeln(listLine(r, X));
    }
    for (int n = r.SECTORS + 3; n <= LIST_BLOCK_LINES; ++n) r.listFile.writeln();
}

}  // namespace tess
