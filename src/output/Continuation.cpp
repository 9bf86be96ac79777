#include "output/Continuation.h"

#include <algorithm>
#include <string>

namespace tess {

namespace {

constexpr int MAXDEPTH = 15;

struct Window {
    int indent;
    int width;           // the window ends when A - MARK1 reaches this
    bool questionBreak;  // a "?" also ends the window, and an empty line follows it
    int limit;           // go on only while a line ends below this
};

void printRest(PacketCursor& c, const Window& w) {
    int MARK2 = 0;     // where the line being cut ends
    std::string line;  // one buffer for all the lines of the text
    for (;;) {
        ++c.X5;
        if (c.MARK1 < 0 || c.MARK1 >= A2LEN) return;
        int a = c.MARK1;
        bool blankSeen = false;
        while (a < A2LEN) {
            ++a;
            if (c.A2[a] == '\t') c.A2[a] = ' ';
            if (c.A2[a] == ' ') {
                MARK2 = a;
                blankSeen = true;
            }
            if (a - c.MARK1 >= w.width) break;
            if (w.questionBreak && a > 1 && c.A2[a - 1] == '?') break;
        }
        // A word longer than the window is broken at the window's end, so
        // that the line still moves on and nothing is printed twice; a blank
        // right after the break goes with the line, as a line's last blank.
        if (!blankSeen) {
            MARK2 = a;
            if (a < A2LEN && (c.A2[a + 1] == ' ' || c.A2[a + 1] == '\t')) {
                c.A2[a + 1] = ' ';
                MARK2 = a + 1;
            }
        }

        line.assign(static_cast<std::size_t>(w.indent), ' ');
        for (const Glyph g : c.A2.span(c.MARK1 + 1, MARK2)) line += g == '^' ? Glyph('*') : g;
        c.out.writeln(line);
        ++c.LINES;
        if (w.questionBreak && MARK2 > 1 && c.A2[MARK2 - 1] == '?') {
            c.out.writeln();
            ++c.LINES;
        }
        c.MARK1 = MARK2;
        // The text goes on while a non-blank follows. Two blanks inside a
        // text (after a full stop, say) that meet the window's end do not end
        // it: the blanks are passed over, so no answer text is lost.
        // (At a text's end this passes over the blank padding of the buffer,
        // hundreds of characters, so it runs over the stretch checked once.)
        const auto after = c.A2.span(MARK2 + 1, A2LEN);
        const auto nonBlank = std::find_if(after.begin(), after.end(), [](Glyph g) { return g != ' ' && g != '\t'; });
        const int next = MARK2 + 1 + static_cast<int>(nonBlank - after.begin());
        if (next > A2LEN || MARK2 >= w.limit || c.X5 >= MAXDEPTH) return;
        c.MARK1 = next - 1;
    }
}

}  // namespace

// PRINTREST stops inside the first string; the others go through the second.
void PRINTREST(PacketCursor& c) { printRest(c, {15, 55, false, LMAX - 1}); }
void FPRINTREST(PacketCursor& c) { printRest(c, {15, 55, false, 2 * LMAX}); }
void CPRINTREST(PacketCursor& c) { printRest(c, {8, 37, false, 2 * LMAX}); }
void RPRINTREST(PacketCursor& c) { printRest(c, {8, 37, true, 2 * LMAX}); }

}  // namespace tess
