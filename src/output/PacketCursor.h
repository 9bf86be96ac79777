#pragma once
// The packet writer's cursor: where the writer stands in the packet file and
// in the slot it is writing. Each quiz's writing has its own, passed to the
// layout, the break scans and the continuation printers.
#include <algorithm>
#include <cstring>
#include <string>
#include <type_traits>

#include "console/Array.h"
#include "console/TextFile.h"
#include "console/Utf8.h"
#include "core/Limits.h"

namespace tess {

constexpr int A2LEN = 2 * LMAX + 1;  // the line buffer: two strings and a closing blank

struct PacketCursor {
    explicit PacketCursor(TextWriter& file) : out(file) {
        lineText.reserve(2 * A2LEN);  // room for a t-layout row, so no line grows it
    }

    TextWriter& out;  // the packet file
    int LINES = 0;    // lines written of the block (c layout) or the page (p layout)
    int PAGE = 0;     // p layout: the page being written
    // The slot's line buffer, one character to a position: the first string
    // in 1..254, the second in 255..508, a blank at 509.
    Arr<Glyph, 1, A2LEN> A2{};
    // An ASCII slot, nearly every one, is laid out here instead, a byte to a
    // position, and A2 is left as it was.
    Arr<char, 1, A2LEN> bytes{};
    bool ascii = false;  // the slot being written is in `bytes`
    // Where the text of each string ends: past these only blanks and TABs
    // (and the closing blank) follow, padding the continuation jumps over.
    // A buffer set by other hands keeps the defaults, which promise nothing.
    int firstEnd = LMAX;
    int secondEnd = A2LEN;
    // How many characters of each string the buffer holds, before its padding.
    int firstChars = LMAX;
    int secondChars = LMAX;
    // The last TAB and the last "^" in the buffer, set as the continuation
    // starts: a line past them has no TAB to turn into a blank nor "^" to
    // show as "*", and is not searched for them. A2LEN promises nothing.
    int lastTab = A2LEN;
    int lastCaret = A2LEN;
    int MARK1 = 0;         // the blank after which the continuation goes on
    int X5 = 0;            // lines the continuation has written of the slot (at most 15)
    std::string quizNumber;  // Q2 as text, for the headings that end with it
    std::string lineText;  // the line being built: one buffer, its room made once, for every line of the quiz

    // The line buffer of characters Ch by position, 1..A2LEN, checked as a
    // whole once: position i is at [i - 1].
    template <class Ch>
    Ch* line() {
        if constexpr (std::is_same_v<Ch, char>)
            return bytes.span(1, A2LEN).data();
        else
            return A2.span(1, A2LEN).data();
    }
    template <class Ch>
    const Ch* line() const {
        return const_cast<PacketCursor*>(this)->line<Ch>();
    }
};

// The first c in from..last (last when none is): for bytes, memchr.
template <class Ch>
const Ch* findChar(const Ch* from, const Ch* last, char c) {
    if constexpr (std::is_same_v<Ch, char>) {
        if (from >= last) return last;
        const void* at = std::memchr(from, c, static_cast<std::size_t>(last - from));
        return at ? static_cast<const char*>(at) : last;
    } else {
        return std::find(from, last, Ch(c));
    }
}

// A stretch of a slot's table appended as its bytes.
inline void appendChars(std::string& s, const char* from, std::size_t n) { s.append(from, n); }
inline void appendChars(std::string& s, const Glyph* from, std::size_t n) { Glyph::append(s, from, n); }

}  // namespace tess
