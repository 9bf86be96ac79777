#include "output/Continuation.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <type_traits>

namespace tess {

namespace {

constexpr int MAXDEPTH = 15;

struct Window {
    int indent;
    int width;           // the window ends when A - MARK1 reaches this
    bool questionBreak;  // a "?" also ends the window, and an empty line follows it
    int limit;           // go on only while a line ends below this
};

template <class Ch>
bool isText(Ch g) {
    return g != ' ' && g != '\t';
}

// The first position from `from` on that holds text, A2LEN + 1 when none
// does: the padding after each string's text is jumped over, not walked.
template <class Ch>
int nextText(const PacketCursor& c, const Ch* buffer, int from) {
    for (int i = from; i <= c.firstEnd; ++i)
        if (isText(buffer[i - 1])) return i;
    for (int i = std::max(from, LMAX + 1); i <= c.secondEnd; ++i)
        if (isText(buffer[i - 1])) return i;
    return A2LEN + 1;
}

// A line of the continuation: `indent` blanks, then the `n` characters at
// `from` with a "^" shown as "*".
template <class Ch>
void writeLine(PacketCursor& c, std::size_t indent, const Ch* from, std::size_t n, bool caret) {
    if constexpr (std::is_same_v<Ch, char>) {
        // Nearly every line goes straight from the buffer to the file.
        if (!caret) return c.out.writeln(indent, std::string_view(from, n));
    }
    std::string& line = c.lineText;
    line.assign(indent, ' ');
    appendChars(line, from, n);
    if (caret) std::replace(line.begin() + static_cast<std::ptrdiff_t>(indent), line.end(), '^', '*');
    c.out.writeln(line);
}

template <class Ch>
void printRest(PacketCursor& c, const Window& w) {
    // The line buffer by position: every index below stays inside it.
    Ch* const buffer = c.line<Ch>();
    const auto A = [buffer](int i) -> Ch& { return buffer[i - 1]; };
    for (;;) {
        ++c.X5;
        if (c.MARK1 < 0 || c.MARK1 >= A2LEN) return;
        // The window: `width` positions, or up to the first position after a
        // "?" where that ends it. It is cut after its last blank (or TAB).
        int end = std::min(c.MARK1 + w.width, A2LEN);
        if (w.questionBreak && end >= 2) {
            // The "?" at positions max(MARK1, 1)..end - 1 ends the window after it.
            const Ch* const from = buffer + std::max(c.MARK1, 1) - 1;
            const Ch* const last = buffer + end - 1;
            const Ch* const mark = findChar(from, last, '?');
            if (mark != last) end = static_cast<int>(mark - buffer) + 2;
        }
        int MARK2 = end;  // where the line being cut ends
        while (MARK2 > c.MARK1 && isText(A(MARK2))) --MARK2;
        // A word longer than the window is broken at the window's end, so
        // that the line still moves on and nothing is printed twice; a blank
        // right after the break goes with the line, as a line's last blank.
        if (MARK2 == c.MARK1) {
            MARK2 = end;
            if (end < A2LEN && !isText(A(end + 1))) MARK2 = end + 1;
        }
        // The line's TABs are blanks, in the buffer too, and the "^" that
        // marks a word in a bank text shows as "*". Both are rare: a line is
        // searched for one only when the slot has one after MARK1.
        const Ch* const from = buffer + c.MARK1;
        const Ch* const to = buffer + MARK2;
        if (c.lastTab > c.MARK1 && findChar(from, to, '\t') != to)
            for (int a = c.MARK1 + 1; a <= MARK2; ++a)
                if (A(a) == '\t') A(a) = ' ';
        const bool caret = c.lastCaret > c.MARK1 && findChar(from, to, '^') != to;
        writeLine(c, static_cast<std::size_t>(w.indent), from, static_cast<std::size_t>(MARK2 - c.MARK1), caret);
        ++c.LINES;
        if (w.questionBreak && MARK2 > 1 && A(MARK2 - 1) == '?') {
            c.out.writeln();
            ++c.LINES;
        }
        c.MARK1 = MARK2;
        // The text goes on while a non-blank follows. Two blanks inside a
        // text (after a full stop, say) that meet the window's end do not end
        // it: the blanks are passed over, so no answer text is lost.
        const int next = nextText(c, buffer, MARK2 + 1);
        if (next > A2LEN || MARK2 >= w.limit || c.X5 >= MAXDEPTH) return;
        c.MARK1 = next - 1;
    }
}

void printRest(PacketCursor& c, const Window& w) {
    if (c.ascii)
        printRest<char>(c, w);
    else
        printRest<Glyph>(c, w);
}

}  // namespace

bool textFrom(const PacketCursor& c, int from) {
    from = std::max(from, 1);
    if (c.ascii) return nextText(c, c.line<char>(), from) <= A2LEN;
    return nextText(c, c.line<Glyph>(), from) <= A2LEN;
}

// PRINTREST stops inside the first string; the others go through the second.
void PRINTREST(PacketCursor& c) { printRest(c, {15, 55, false, LMAX - 1}); }
void FPRINTREST(PacketCursor& c) { printRest(c, {15, 55, false, 2 * LMAX}); }
void CPRINTREST(PacketCursor& c) { printRest(c, {8, 37, false, 2 * LMAX}); }
void RPRINTREST(PacketCursor& c) { printRest(c, {8, 37, true, 2 * LMAX}); }

}  // namespace tess
