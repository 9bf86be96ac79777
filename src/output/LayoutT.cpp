// The t layout: one tab-separated row per question, for spreadsheets.
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

#include "output/Continuation.h"
#include "output/Layouts.h"
#include "output/Slot.h"

namespace tess {

using namespace bankcol;

namespace {

constexpr char TB = '\t';  // the column separator

// The first run of three blanks in the n bytes at `text`, n when there is
// none. Eight bytes are looked at together, without a branch on each: a
// search for the blanks stopped at every word, and a byte-wise walk
// mispredicted at every one.
std::size_t threeBlanks(const char* text, std::size_t n) {
    std::size_t i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t LOW7 = 0x7F7F7F7F7F7F7F7FULL, BLANKS = 0x2020202020202020ULL;
        for (; i + 8 <= n; i += 6) {
            std::uint64_t w;
            std::memcpy(&w, text + i, sizeof w);
            const std::uint64_t x = w ^ BLANKS;                        // a blank is a zero byte
            const std::uint64_t blank = ~(((x & LOW7) + LOW7) | x | LOW7);  // its high bit, exactly
            // A blank two more follow, among the six that have both in the word.
            const std::uint64_t run = blank & (blank >> 8) & (blank >> 16) & 0x0000808080808080ULL;
            if (run) return i + static_cast<std::size_t>(std::countr_zero(run)) / 8;
        }
    }
    // The rest (or all of it): a byte that is not a blank rules out the runs
    // that would hold it.
    while (i + 3 <= n) {
        if (text[i + 2] != ' ')
            i += 3;
        else if (text[i + 1] != ' ')
            i += 2;
        else if (text[i] != ' ')
            i += 1;
        else
            return i;
    }
    return n;
}

// Where a row's text ends: before the first run of three blanks from the
// one before textStart on, else at the buffer's end.
template <class Ch>
int textEnd(const Ch* buffer, int textStart) {
    if constexpr (std::is_same_v<Ch, char>) {
        const auto n = static_cast<std::size_t>(A2LEN - textStart + 2);
        const std::size_t run = threeBlanks(buffer + textStart - 2, n);
        return run == n ? A2LEN : textStart - 2 + static_cast<int>(run);
    } else {
        for (int z = textStart + 1; z <= A2LEN; ++z)
            if (buffer[z - 1] == ' ' && buffer[z - 2] == ' ' && buffer[z - 3] == ' ') return z - 3;
        return A2LEN;
    }
}

// The text of an FTV that does not quote (kind F) or a situation (S), from
// textStart to end, with the columns that fall inside it: the first five
// words of an FTV are the question, the rest of the verse the Answer; a
// situation's answer begins at its first "*". Runs of other characters are
// copied whole.
template <class Ch>
void columns(std::string& out, char kind, const Ch* buffer, int textStart, int end) {
    int blanksSeen = 0;
    bool starSeen = false;
    const auto changes = [&](Ch g) {
        if (kind == 'F') return g == ' ' && blanksSeen < 5;
        return (g == '*' && !starSeen) || g == '\t';
    };
    for (int i = textStart; i <= end; ++i) {
        int j = i;
        while (j <= end && !changes(buffer[j - 1])) ++j;
        appendChars(out, buffer + i - 1, static_cast<std::size_t>(j - i));
        if (j > end) break;
        if (kind == 'F') {
            out += "...";
            if (++blanksSeen == 5) out += TB;
        } else if (buffer[j - 1] == '*') {
            starSeen = true;
            out += TB;
            out += '*';
        } else {
            out += "  ";
        }
        i = j;
    }
}

template <class Ch>
const std::string& row(const RunState& r, PacketCursor& c, const Slot<Ch>& s) {
    // Every index below is inside the line buffer: it is checked once, as a whole.
    const Ch* const buffer = c.line<Ch>();
    auto a2 = [buffer](int i) { return buffer[i - 1]; };
    std::string& out = buildLine(c);  // the row is built in place, up to both strings
    if (s.x <= r.AB) out += numberField(r, s.x, 2);
    out += TB;

    int textStart = TEXT;
    if (s.kind == 'R' || s.kind == 'O' || s.kind == 'F') {
        // The code or type field, up to its TAB.
        textStart = FIELD_LAST + 1;
        for (int i = TEXT; i <= FIELD_LAST; ++i) {
            if (a2(i) == '\t') {
                textStart = i + 1;
                break;
            }
            out += a2(i);
        }
    } else if (s.kind == 'S') {
        out += "SIT";
    }
    out += TB;

    // The text ends before the first run of three blanks.
    const int end = textEnd(buffer, textStart);

    const bool quoteFtv = s.kind == 'F' && s.quotation();
    if (quoteFtv)
        appendParts(out, "Quote ", bookName(r, s.x), " chapter ", chapterDigits(s), " verse ", verseDigits(s), '.', TB);
    else if (s.kind == 'R')
        appendParts(out, "According to ", bookName(r, s.x), " chapter ", chapterDigits(s), " verse ", verseDigits(s),
                    ", ");
    else if (s.kind == 'O')
        appendParts(out, "According to ", bookName(r, s.x), " Chapter ", s.part(CHAPTER, CHAPTER_END), ",  ");

    if (s.kind != 'S' && (s.kind != 'F' || quoteFtv)) {
        // No column falls inside this text: it is copied as it stands.
        if (end >= textStart) appendChars(out, buffer + textStart - 1, static_cast<std::size_t>(end - textStart + 1));
    } else {
        columns(out, s.kind, buffer, textStart, end);
    }
    out += TB;
    appendParts(out, '(', bookLetter(r, s.x), ' ', s.part(CHAPTER, REF_END), ')');
    return out;
}

}  // namespace

void writePacketT(const RunState& r, TextWriter& f) {
    PacketCursor c(f);
    f.write("Quiz " + std::to_string(r.Q2) + TB + TB + r.NAME.str() + " Style Quizzing" + TB);
    WRITEMAT(r, f);
    f.writeln();
    f.writeln();
    f.writeln(std::string("Number") + TB + "Type" + TB + "Question" + TB + "Answer" + TB + "Verse");
    for (int x = 1; x <= slotCount(r); ++x) {
        withSlot(r, c, x, [&](const auto& s) { f.writeln(row(r, c, s)); });
    }
    f.writeln("<pb>");
}

}  // namespace tess
