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

void printRest(Program& p, const Window& w) {
    auto& r = p.run;
    int MARK2 = 0;     // where the line being cut ends
    std::string line;  // one buffer for all the lines of the text
    for (;;) {
        ++r.X5;
        if (r.MARK1 < 0 || r.MARK1 >= A2LEN) return;
        int a = r.MARK1;
        bool blankSeen = false;
        while (a < A2LEN) {
            ++a;
            if (r.A2[a] == '\t') r.A2[a] = ' ';
            if (r.A2[a] == ' ') {
                MARK2 = a;
                blankSeen = true;
            }
            if (a - r.MARK1 >= w.width) break;
            if (w.questionBreak && a > 1 && r.A2[a - 1] == '?') break;
        }
        // A word longer than the window is broken at the window's end, so
        // that the line still moves on and nothing is printed twice; a blank
        // right after the break goes with the line, as a line's last blank.
        if (!blankSeen) {
            MARK2 = a;
            if (a < A2LEN && (r.A2[a + 1] == ' ' || r.A2[a + 1] == '\t')) {
                r.A2[a + 1] = ' ';
                MARK2 = a + 1;
            }
        }

        line.assign(static_cast<std::size_t>(w.indent), ' ');
        for (const Glyph c : r.A2.span(r.MARK1 + 1, MARK2)) line += c == '^' ? Glyph('*') : c;
        r.packetFile.writeln(line);
        ++r.LINES;
        if (w.questionBreak && MARK2 > 1 && r.A2[MARK2 - 1] == '?') {
            r.packetFile.writeln();
            ++r.LINES;
        }
        r.MARK1 = MARK2;
        // The text goes on while a non-blank follows. Two blanks inside a
        // text (after a full stop, say) that meet the window's end do not end
        // it: the blanks are passed over, so no answer text is lost.
        // (At a text's end this passes over the blank padding of the buffer,
        // hundreds of characters, so it runs over the stretch checked once.)
        const auto after = r.A2.span(MARK2 + 1, A2LEN);
        const auto nonBlank = std::find_if(after.begin(), after.end(), [](Glyph c) { return c != ' ' && c != '\t'; });
        const int next = MARK2 + 1 + static_cast<int>(nonBlank - after.begin());
        if (next > A2LEN || MARK2 >= w.limit || r.X5 >= MAXDEPTH) return;
        r.MARK1 = next - 1;
    }
}

}  // namespace

void PRINTREST(Program& p) { printRest(p, {15, 55, false, 253}); }
void FPRINTREST(Program& p) { printRest(p, {15, 55, false, 508}); }
void CPRINTREST(Program& p) { printRest(p, {8, 37, false, 508}); }
void RPRINTREST(Program& p) { printRest(p, {8, 37, true, 508}); }

}  // namespace tess
