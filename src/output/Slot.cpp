#include "output/Slot.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <string_view>
#include <type_traits>

#include "output/Continuation.h"

namespace tess {

using namespace bankcol;

template <class Ch>
std::string Slot<Ch>::text(int from, int to) const {
    std::string t;
    appendText(t, from, to);
    return t;
}

template <class Ch>
void Slot<Ch>::appendText(std::string& t, int from, int to) const {
    from = std::max(from, 1);
    if (to < from) return;
    // Past the first string the working copy reads as blanks.
    const int last = std::min(to, LMAX);
    if (from <= last) appendChars(t, ALLTEMP + from - 1, static_cast<std::size_t>(last - from + 1));
    t.append(static_cast<std::size_t>(to - std::max(last, from - 1)), ' ');
}

namespace {

constexpr std::size_t BLOCK = 16;

// Widens the BLOCK bytes at `from` to characters at `to`; false, and nothing
// copied, when a byte is beyond ASCII. The bytes go through a local block of
// fixed size, so the compiler turns both loops into a few vector
// instructions (the block cannot overlap `to`).
bool widenAsciiBlock(Glyph* to, const char* from) {
    unsigned char block[BLOCK];
    std::memcpy(block, from, BLOCK);
    unsigned char high = 0;
    for (const unsigned char b : block) high |= b;
    if (high & 0x80) return false;
    for (std::size_t k = 0; k < BLOCK; ++k) to[k] = Glyph(static_cast<char>(block[k]));
    return true;
}

// `to` holds the bytes of `from`, all ASCII, and blanks after them; returns
// how many bytes of `from` it holds.
std::size_t copyPadded(std::span<char> to, std::string_view from) {
    const std::size_t n = std::min(from.size(), to.size());
    // std::copy_n, not memcpy: an empty second string may have no bytes at all.
    std::copy_n(from.data(), n, to.data());
    std::fill(to.begin() + static_cast<std::ptrdiff_t>(n), to.end(), ' ');
    return n;
}

// `to` holds the characters of `from` and blanks after them; returns how
// many characters of `from` it holds.
std::size_t copyPadded(std::span<Glyph> to, std::string_view from) {
    std::size_t n = 0, i = 0;
    // Nearly every bank line is ASCII, one byte a character.
    while (i + BLOCK <= from.size() && n + BLOCK <= to.size() && widenAsciiBlock(to.data() + n, from.data() + i)) {
        i += BLOCK;
        n += BLOCK;
    }
    while (i < from.size() && n < to.size()) {
        if (static_cast<unsigned char>(from[i]) < 0x80) {
            to[n++] = Glyph(from[i++]);
            continue;
        }
        to[n++] = Glyph::at(from, i);
        i += charBytesAt(from, i);
    }
    // The padding in blocks of fixed size too, a few vector stores each.
    std::size_t pad = n;
    for (; pad + BLOCK <= to.size(); pad += BLOCK)
        for (std::size_t k = 0; k < BLOCK; ++k) to[pad + k] = Glyph(' ');
    std::fill(to.begin() + static_cast<std::ptrdiff_t>(pad), to.end(), Glyph(' '));
    return n;
}

// The position (the first byte's being `base`) of the last `b` among the
// first `n` bytes at `from`, 0 when none is.
int lastByte(const char* from, std::size_t n, char b, int base) {
    const void* at = n > 0 ? memrchr(from, b, n) : nullptr;
    return at ? base + static_cast<int>(static_cast<const char*>(at) - from) : 0;
}

// The position of the last character of `g` (the first `n` of it copied
// text) that is neither blank nor TAB, the one before `base` when none is.
template <class Ch>
int textEnd(std::span<const Ch> g, std::size_t n, int base) {
    while (n > 0 && (g[n - 1] == ' ' || g[n - 1] == '\t')) --n;
    return base + static_cast<int>(n) - 1;
}

}  // namespace

bool asciiSlot(const RunState& r, int x) {
    const char kind = r.TYP.at(static_cast<std::size_t>(x));
    return isAscii(r.ALL[x].str()) && ((kind != 'S' && kind != 'F') || isAscii(r.ALL2[x].str()));
}

template <class Ch>
Slot<Ch> loadSlot(const RunState& r, PacketCursor& c, int x) {
    Slot<Ch> s;
    s.x = x;
    s.kind = r.TYP.at(static_cast<std::size_t>(x));
    const bool secondString = s.kind == 'S' || s.kind == 'F';
    c.ascii = std::is_same_v<Ch, char>;
    Ch* const buffer = c.line<Ch>();
    // The first string is copied once, into the line buffer, and read there.
    const std::span<Ch> first(buffer, LMAX);
    const std::size_t firstChars = copyPadded(first, r.ALL[x].str());
    s.ALLTEMP = buffer;
    // A book after the first reads its own chapter where the bank has the
    // chapter through the material; every layout then prints it as stored.
    // The continuation and the t layout's text never read these columns.
    if (const int own = r.RLCH[x]; own > 0) {
        buffer[CHAPTER - 1] = own >= 10 ? Ch(static_cast<char>('0' + own / 10)) : Ch(' ');
        buffer[CHAPTER_END - 1] = Ch(static_cast<char>('0' + own % 10));
    }
    const std::span<Ch> second(buffer + LMAX, LMAX);
    const std::size_t secondChars =
        copyPadded(second, secondString ? std::string_view(r.ALL2[x].str()) : std::string_view());
    buffer[A2LEN - 1] = ' ';
    c.firstEnd = textEnd<Ch>(first, firstChars, 1);
    c.secondEnd = textEnd<Ch>(second, secondChars, LMAX + 1);
    c.firstChars = static_cast<int>(firstChars);
    c.secondChars = static_cast<int>(secondChars);
    return s;
}

std::string numberField(const RunState& r, int x, int w) {
    if (x > r.AB) return std::string(static_cast<std::size_t>(w), ' ');
    if (x >= 0 && x < 100 && w >= 2) {
        // Every slot's number: its one or two digits over the last blanks.
        std::string n(static_cast<std::size_t>(w), ' ');
        if (x >= 10) n[n.size() - 2] = static_cast<char>('0' + x / 10);
        n.back() = static_cast<char>('0' + x % 10);
        return n;
    }
    std::string n = std::to_string(x);
    if (n.size() < static_cast<std::size_t>(w)) n.insert(0, static_cast<std::size_t>(w) - n.size(), ' ');
    return n;
}

std::string_view quizRight(int w) {
    // A view into one text of blanks and "Quiz ", so no heading builds its own.
    static const std::string padded = std::string(LMAX, ' ') + "Quiz ";
    const std::string_view v = padded;
    return v.substr(v.size() - static_cast<std::size_t>(std::clamp(w, 5, LMAX + 5)));
}

char bookLetter(const RunState& r, int x) {
    // A position that never received a question (Esc at approval) has no
    // book letter; keep the column and the file plain text.
    const char c = r.RLBK[x];
    return c > ' ' && c < 127 ? c : ' ';
}

std::string bookName(const RunState& r, int x) {
    const std::string name = r.BKNAME[x].str();
    return name.empty() ? r.MATERIAL.first().name : name;
}

namespace {

// A right-aligned number of two columns: a blank tens column is left out.
template <class Ch>
std::string digits(const Slot<Ch>& s, int tens) {
    std::string d;
    if (!s.blank(tens)) d += s.at(tens);
    return d + s.at(tens + 1);
}

}  // namespace

template <class Ch>
std::string chapterDigits(const Slot<Ch>& s) {
    return digits(s, CHAPTER);
}
template <class Ch>
std::string verseDigits(const Slot<Ch>& s) {
    return digits(s, VERSE);
}

template <class Ch>
std::string verseColumn(const RunState& r, const Slot<Ch>& s) {
    // Built in place: every question's first line in the p layout ends with it.
    std::string v{bookLetter(r, s.x), ' '};
    appendChars(v, s.ALLTEMP + CHAPTER - 1, CHAPTER_END - CHAPTER + 1);
    v += ':';
    appendChars(v, s.ALLTEMP + VERSE - 1, VERSE_END - VERSE + 1);
    return v;
}

template <class Ch>
TypeField typeField(const Slot<Ch>& s, int start) {
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
// turns a TAB into a blank and records a blank as where the continuation
// resumes, then asks `stop`. Never runs past the first string.
// The first line of a scan that stopped at `pos`: up to the last blank it
// passed (f.resume), else up to `pos`.
template <class Ch>
FirstLine cutAt(const PacketCursor& c, int pos, bool blankSeen, FirstLine f) {
    if (!blankSeen) {
        // Cut where the scan stopped; a blank right after the cut is skipped
        // the way the break blank is.
        const int next = pos + 1;
        const Ch g = c.line<Ch>()[next - 1];  // the working copy is the buffer's first half
        f.resume = g == ' ' || g == '\t' ? next : pos;
        f.end = pos;
        return f;
    }
    f.end = f.resume - 1;
    return f;
}

template <class Ch, class Stop>
FirstLine breakScan(const PacketCursor& c, Slot<Ch>& s, int from, Stop stop) {
    FirstLine f;
    int pos = from;
    bool blankSeen = false;
    Ch* const text = s.ALLTEMP;  // position pos at [pos - 1]
    while (pos < LMAX) {
        ++pos;
        Ch& g = text[pos - 1];
        const bool wasBlank = g == ' ';
        if (g == '\t') g = ' ';
        if (g == ' ') {
            f.resume = pos;
            blankSeen = true;
        }
        if (stop(pos, wasBlank, f)) break;
    }
    return cutAt<Ch>(c, pos, blankSeen, f);
}

template <class Ch>
bool isQuote(Ch c) {
    return c == '"' || c == '\'';
}

}  // namespace

template <class Ch>
FirstLine quotationScan(const PacketCursor& c, Slot<Ch>& s, int limitWithoutQuote) {
    bool hasQuote = false;
    for (int i = TEXT + 2; i <= LMAX; ++i) hasQuote = hasQuote || isQuote(s.at(i));
    // Without a quotation the line is cut like a regular question's.
    if (!hasQuote) return breakScan(c, s, TEXT, [&](int pos, bool, FirstLine&) { return pos >= limitWithoutQuote; });
    return breakScan(c, s, TEXT, [&](int pos, bool, FirstLine&) { return isQuote(s.at(pos + 1)); });
}

template <class Ch>
FirstLine regularScan(const PacketCursor& c, Slot<Ch>& s, int limit) {
    // The walk of breakScan, stopping after the first "?" or at the limit,
    // done in two passes: where it stops is found with one search, then the
    // positions up to there are walked without a test for stopping. Nearly
    // every slot is a regular question.
    Ch* const text = s.ALLTEMP;
    const int last = std::clamp(limit, TEXT + 1, LMAX);  // where the limit (or the string's end) stops it
    const Ch* const mark = findChar<Ch>(text + TEXT - 1, text + last - 1, '?');  // a "?" at TEXT..last - 1
    FirstLine f;
    f.question = mark != text + last - 1;
    const int stop = f.question ? static_cast<int>(mark - text) + 2 : last;
    bool blankSeen = false;
    if (findChar<Ch>(text + TEXT, text + stop - 1, '\t') == text + stop - 1) {
        // No TAB to turn into a blank but the one that often follows a "?",
        // at the stop: the last blank is looked for from the stop back, over
        // the last word alone.
        if (text[stop - 1] == '\t') text[stop - 1] = ' ';
        int pos = stop;
        while (pos > TEXT && text[pos - 1] != ' ') --pos;
        blankSeen = pos > TEXT;
        if (blankSeen) f.resume = pos;
        return cutAt<Ch>(c, stop, blankSeen, f);
    }
    for (int pos = TEXT + 1; pos <= stop; ++pos) {
        Ch& g = text[pos - 1];
        if (g == '\t') g = ' ';
        if (g == ' ') {
            f.resume = pos;
            blankSeen = true;
        }
    }
    return cutAt<Ch>(c, stop, blankSeen, f);
}

template <class Ch>
FirstLine ftvScanC(const PacketCursor& c, Slot<Ch>& s, int textStart) {
    return breakScan(c, s, textStart, [](int pos, bool, FirstLine&) { return pos >= 46; });
}

template <class Ch>
FirstLine fiveWordScan(const PacketCursor& c, Slot<Ch>& s, int textStart) {
    int blanks = 0;
    return breakScan(c, s, textStart, [&](int, bool wasBlank, FirstLine&) {
        if (wasBlank) ++blanks;
        return blanks >= 5;
    });
}

template <class Ch>
bool moreAfter(const PacketCursor& c, const Slot<Ch>& s, int mark) {
    const int i = mark + 1;
    if (i <= LMAX ? !s.blank(i) : i <= A2LEN && c.line<Ch>()[i - 1] != ' ') return true;
    // A first line cut inside a run of blanks that text follows (a verse of
    // the second string, say): the continuation passes over the blanks, so
    // the text is printed, never lost.
    return textFrom(c, i);
}

void continueFrom(PacketCursor& c, int mark, void (*printer)(PacketCursor&)) {
    c.MARK1 = mark;
    c.X5 = 0;
    c.lastTab = c.lastCaret = A2LEN;
    if (c.ascii) {
        // A byte to a position: the last of each is found by a search of
        // each string's characters, the padding left out.
        const char* const buffer = c.line<char>();
        const auto last = [&](char b) {
            const int inSecond = lastByte(buffer + LMAX, static_cast<std::size_t>(c.secondChars), b, LMAX + 1);
            return inSecond ? inSecond : lastByte(buffer, static_cast<std::size_t>(c.firstChars), b, 1);
        };
        c.lastTab = last('\t');
        c.lastCaret = last('^');
    }
    printer(c);
}

// Every layout writes an ASCII slot with char tables and any other with Glyph tables.
#define TESS_SLOT_TABLES(Ch)                                                   \
    template struct Slot<Ch>;                                                  \
    template Slot<Ch> loadSlot<Ch>(const RunState&, PacketCursor&, int);       \
    template std::string chapterDigits<Ch>(const Slot<Ch>&);                   \
    template std::string verseDigits<Ch>(const Slot<Ch>&);                     \
    template std::string verseColumn<Ch>(const RunState&, const Slot<Ch>&);    \
    template TypeField typeField<Ch>(const Slot<Ch>&, int);                    \
    template FirstLine quotationScan<Ch>(const PacketCursor&, Slot<Ch>&, int); \
    template FirstLine regularScan<Ch>(const PacketCursor&, Slot<Ch>&, int);   \
    template FirstLine ftvScanC<Ch>(const PacketCursor&, Slot<Ch>&, int);      \
    template FirstLine fiveWordScan<Ch>(const PacketCursor&, Slot<Ch>&, int);  \
    template bool moreAfter<Ch>(const PacketCursor&, const Slot<Ch>&, int);
TESS_SLOT_TABLES(char)
TESS_SLOT_TABLES(Glyph)
#undef TESS_SLOT_TABLES

}  // namespace tess
