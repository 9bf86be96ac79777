#include "selection/QuizListing.h"

#include "core/BankColumns.h"
#include "core/Messages.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string_view>
#include <vector>

namespace tess {

using namespace bankcol;

namespace {

constexpr const char* COLUMNS = "  Que Sec Num    Verse  Type  Question";

// Every piece of a line is appended to the one line being built: the list
// file has a line for every position of every quiz.

void appendRightAligned(std::string& out, int n, int width) {
    char digits[16];
    const std::size_t len = static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, n).ptr - digits);
    if (len < static_cast<std::size_t>(width)) out.append(static_cast<std::size_t>(width) - len, ' ');
    out.append(digits, len);
}

// A question's text one character to a position: fields and widths
// count characters. An ASCII line, nearly every line, is read where it is,
// a byte a character; only a line beyond ASCII is widened to characters.
class Text {
public:
    // `ownChapter`: the book's own chapter where it is not the bank's (a
    // later book of the material), else 0.
    Text(std::string_view line, int ownChapter) {
        if (isAscii(line)) {
            bytes_ = line;
            size_ = line.size();
        } else {
            wide_ = glyphs(line);
            size_ = wide_.size();
        }
        if (ownChapter <= 0 || size_ < CHAPTER_END) return;
        const char tens = ownChapter >= 10 ? static_cast<char>('0' + ownChapter / 10) : ' ';
        const char units = static_cast<char>('0' + ownChapter % 10);
        if (wide_.empty()) {
            patched_.assign(line);
            patched_[CHAPTER - 1] = tens;
            patched_[CHAPTER_END - 1] = units;
            bytes_ = patched_;
        } else {
            wide_[CHAPTER - 1] = Glyph(tens);
            wide_[CHAPTER_END - 1] = Glyph(units);
        }
    }
    Text(const Text&) = delete;  // bytes_ may point into patched_
    Text& operator=(const Text&) = delete;

    std::size_t size() const { return size_; }
    // The last character of the field from character i, before the next TAB
    // or at the text's end; i - 1 when the field is empty.
    std::size_t fieldEnd(std::size_t i) const {
        if (i > size_) return i - 1;
        if (wide_.empty()) {
            const std::size_t tab = bytes_.find('\t', i - 1);
            return tab == std::string_view::npos ? size_ : tab;
        }
        while (i <= size_ && wide_[i - 1] != '\t') ++i;
        return i - 1;
    }

    // Characters from..to (1-based), blank past the end (fixed fields).
    void append(std::string& out, std::size_t from, std::size_t to) const {
        if (to < from) return;
        const std::size_t last = std::min(to, size_);
        if (from <= last) {
            if (wide_.empty())
                out.append(bytes_.substr(from - 1, last - from + 1));
            else
                Glyph::append(out, wide_.data() + from - 1, last - from + 1);
        }
        out.append(to - std::max(last, from - 1), ' ');
    }

private:
    std::string_view bytes_;   // an ASCII line
    std::vector<Glyph> wide_;  // a line beyond ASCII
    std::string patched_;      // an ASCII line with its own chapter
    std::size_t size_ = 0;
};

// A field from character i up to the next tab or the end of the text, with
// at most `last` as its last character. Leaves i on the character after the
// field; returns whether the field was stopped at `last`, and its length.
struct Field {
    bool cut = false;
    std::size_t length = 0;
};
Field appendField(std::string& out, const Text& t, std::size_t& i, std::size_t last) {
    const std::size_t end = t.fieldEnd(i);
    if (end < i) return {};
    if (i > last) return {true, 0};
    const std::size_t stop = std::min(end, last);
    t.append(out, i, stop);
    const Field f{end >= last, stop - i + 1};
    i = stop + 1;
    return f;
}

void referenceRest(std::string& out, const Text& t) {
    t.append(out, CHAPTER, REF_END);
    out += "  ";
    t.append(out, CODE, CODE_END);
    out += "    ";
    std::size_t i = REF_TEXT;
    if (appendField(out, t, i, 49).cut) out += "...";
}

void situationRest(std::string& out, const Text& t) {
    t.append(out, CHAPTER, CHAPTER_END);
    out += ':';
    t.append(out, VERSE, VERSE_END);
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
    t.append(out, CHAPTER, REF_END);
    std::size_t i = t.fieldEnd(TAB) + 1;
    ++i;  // the first tab
    out += "  ";
    const Field type = appendField(out, t, i, std::string::npos);
    ++i;  // the tab after the type
    if (type.length < 6) out.append(6 - type.length, ' ');
    const std::size_t third = std::min(t.fieldEnd(i) + 1 - i, std::size_t{40});
    t.append(out, i, i + third - 1);
    if (third == 40) out += "...";
}

void regularRest(std::string& out, const Text& t) {
    t.append(out, CHAPTER, REF_END);
    out.append(8, ' ');
    std::size_t i = TEXT;
    const Field f = appendField(out, t, i, 46);
    if (f.cut)
        out += "...";
    else
        out.append(43 - f.length, ' ');
}

// The line of position X appended to `line`.
void appendListLine(std::string& line, const RunState& r, int X) {
    appendRightAligned(line, X, 4);
    line += '.';
    appendRightAligned(line, r.SECTOR[X], 4);
    appendRightAligned(line, r.PNUMBER[X], 4);
    line += "  ";
    line += r.RLBK[X] ? r.RLBK[X] : ' ';
    line += ' ';
    const Text t(r.ALL[X].str(), r.RLCH[X]);
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
}

}  // namespace

std::string listLine(const RunState& r, int X) {
    std::string line;
    appendListLine(line, r, X);
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
    std::string line;  // one buffer for every line of the block
    for (int X = 1; X <= r.SECTORS; ++X) {
        // Letters that are not listed still end their line, as every position's line does.
        line.clear();
        appendListLine(line, r, X);
        r.listFile.writeln(line);
    }
    for (int n = r.SECTORS + 3; n <= LIST_BLOCK_LINES; ++n) r.listFile.writeln();
}

}  // namespace tess
