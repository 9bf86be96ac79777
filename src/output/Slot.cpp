#include "output/Slot.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "output/Continuation.h"

namespace tess {

std::string Slot::text(int from, int to) const {
    std::string t;
    for (int i = std::max(from, 1); i <= to; ++i) t += at(i);
    return t;
}

namespace {

// `to` holds the characters of `from` and blanks after them.
void copyPadded(std::span<Glyph> to, std::string_view from) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < from.size() && n < to.size(); i += charBytesAt(from, i)) to[n++] = Glyph::at(from, i);
    std::fill(to.begin() + static_cast<std::ptrdiff_t>(n), to.end(), Glyph(' '));
}

}  // namespace

Slot loadSlot(Program& p, int x) {
    auto& r = p.run;
    Slot s;
    s.x = x;
    s.kind = r.TYP.at(static_cast<std::size_t>(x));
    const std::string& first = r.ALL[x].str();
    const bool secondString = s.kind == 'S' || s.kind == 'F';
    copyPadded(s.ALLTEMP.span(1, LMAX), first);
    copyPadded(r.A2.span(1, LMAX), first);
    copyPadded(r.A2.span(LMAX + 1, 2 * LMAX), secondString ? std::string_view(r.ALL2[x].str()) : std::string_view());
    r.A2[A2LEN] = ' ';
    return s;
}

std::string numberField(const Program& p, int x, int w) {
    if (x > p.run.AB) return std::string(static_cast<std::size_t>(w), ' ');
    std::string n = std::to_string(x);
    if (n.size() < static_cast<std::size_t>(w)) n.insert(0, static_cast<std::size_t>(w) - n.size(), ' ');
    return n;
}

std::string quizRight(int w) { return std::string(static_cast<std::size_t>(std::max(w - 5, 0)), ' ') + "Quiz "; }

char bookLetter(const Program& p, int x) {
    // A position that never received a question (Esc at approval) has no
    // book letter; keep the column and the file plain text.
    const char c = p.run.RLBK[x];
    return c > ' ' && c < 127 ? c : ' ';
}

std::string storedRef(const Slot& s) { return s.text(1, 5); }

std::string chapterDigits(const Slot& s) {
    std::string d;
    if (!s.blank(1)) d += s.at(1);
    return d + s.at(2);
}

std::string verseDigits(const Slot& s) {
    std::string d;
    if (!s.blank(4)) d += s.at(4);
    return d + s.at(5);
}

std::string verseColumn(const Program& p, const Slot& s) {
    return std::string{bookLetter(p, s.x), ' '} + s.at(1) + s.at(2) + ":" + s.at(4) + s.at(5);
}

TypeField typeField(const Slot& s, int start) {
    TypeField f;
    f.start = start;
    f.textStart = start;
    for (int i = start; i < LMAX; ++i) {
        if (s.at(i) == '\t') {
            f.length = i - start;
            f.textStart = i + 1;
            break;
        }
    }
    return f;
}

namespace {

// Walks the working copy from after `from`: each step advances one position,
// turns a TAB into a blank and records a blank as MARK1, then asks `stop`.
// Never runs past the first string.
template <class Stop>
int breakScan(Program& p, Slot& s, int from, Stop stop) {
    int pos = from;
    bool blankSeen = false;
    while (pos < LMAX) {
        ++pos;
        Glyph& c = s.ALLTEMP[pos];
        const bool wasBlank = c == ' ';
        if (c == '\t') c = ' ';
        if (c == ' ') {
            p.run.MARK1 = pos;
            blankSeen = true;
        }
        if (stop(pos, wasBlank)) break;
    }
    if (!blankSeen) {
        // Cut where the scan stopped; a blank right after the cut is skipped
        // the way the break blank is.
        const int next = pos + 1;
        const Glyph c = next <= LMAX ? s.ALLTEMP[next] : p.run.A2[next];
        p.run.MARK1 = c == ' ' || c == '\t' ? next : pos;
        return pos;
    }
    return p.run.MARK1 - 1;
}

bool isQuote(Glyph c) { return c == '"' || c == '\''; }

}  // namespace

int quotationScan(Program& p, Slot& s, int limitWithoutQuote) {
    bool hasQuote = false;
    for (int i = 9; i <= LMAX; ++i) hasQuote = hasQuote || isQuote(s.at(i));
    // Without a quotation the line is cut like a regular question's.
    if (!hasQuote) return breakScan(p, s, 7, [&](int pos, bool) { return pos >= limitWithoutQuote; });
    return breakScan(p, s, 7, [&](int pos, bool) { return isQuote(s.at(pos + 1)); });
}

int regularScan(Program& p, Slot& s, int limit) {
    p.run.ST1 = false;
    return breakScan(p, s, 7, [&](int pos, bool) {
        if (s.at(pos - 1) == '?') return p.run.ST1 = true;
        return pos >= limit;
    });
}

int ftvScanC(Program& p, Slot& s, int textStart) {
    return breakScan(p, s, textStart, [](int pos, bool) { return pos >= 46; });
}

int fiveWordScan(Program& p, Slot& s, int textStart) {
    int blanks = 0;
    return breakScan(p, s, textStart, [&](int, bool wasBlank) {
        if (wasBlank) ++blanks;
        return blanks >= 5;
    });
}

bool moreAfterMark(const Program& p, const Slot& s) {
    const int i = p.run.MARK1 + 1;
    if (i <= LMAX) return !s.blank(i);
    return i <= A2LEN && p.run.A2[i] != ' ';
}

}  // namespace tess
