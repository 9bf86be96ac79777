#include "check/LineScan.h"

#include <bit>
#include <cstdint>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tess::check {

namespace {

constexpr std::size_t BLOCK = 64;

// Bit k of each mask stands for byte k of the block.
struct BlockMasks {
    bool printable = true;
    std::uint64_t blanks = 0, tabs = 0;
};

#ifdef __SSE2__
// Sixteen bytes: whether each is printable (or a TAB), a blank, a TAB.
struct Lanes {
    __m128i fine, blanks, tabs;
};

Lanes lanesOf(const char* p) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i tabs = _mm_cmpeq_epi8(v, _mm_set1_epi8('\t'));
    // Compared as signed bytes: those of 0x80 and up are negative, so below the blank.
    const __m128i printable =
        _mm_andnot_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(0x7F)), _mm_cmpgt_epi8(v, _mm_set1_epi8(0x1F)));
    return {_mm_or_si128(printable, tabs), _mm_cmpeq_epi8(v, _mm_set1_epi8(' ')), tabs};
}

std::uint64_t bitsOf(__m128i a, __m128i b, __m128i c, __m128i d) {
    return static_cast<std::uint64_t>(_mm_movemask_epi8(a)) | static_cast<std::uint64_t>(_mm_movemask_epi8(b)) << 16 |
           static_cast<std::uint64_t>(_mm_movemask_epi8(c)) << 32 |
           static_cast<std::uint64_t>(_mm_movemask_epi8(d)) << 48;
}

// `kept`: the bits of the bytes that belong to the line.
BlockMasks masksOf(const char* p, std::uint64_t kept) {
    const Lanes a = lanesOf(p), b = lanesOf(p + 16), c = lanesOf(p + 32), d = lanesOf(p + 48);
    BlockMasks m;
    if (kept == ~0ULL) {
        const __m128i fine = _mm_and_si128(_mm_and_si128(a.fine, b.fine), _mm_and_si128(c.fine, d.fine));
        m.printable = _mm_movemask_epi8(fine) == 0xFFFF;
    } else {
        m.printable = (~bitsOf(a.fine, b.fine, c.fine, d.fine) & kept) == 0;
    }
    m.blanks = bitsOf(a.blanks, b.blanks, c.blanks, d.blanks) & kept;
    m.tabs = bitsOf(a.tabs, b.tabs, c.tabs, d.tabs) & kept;
    return m;
}
#else
BlockMasks masksOf(const char* p, std::uint64_t kept) {
    BlockMasks m;
    for (std::size_t k = 0; k < BLOCK && (kept >> k & 1); ++k) {
        const auto c = static_cast<unsigned char>(p[k]);
        m.printable = m.printable && ((c >= 0x20 && c < 0x7F) || c == '\t');
        m.blanks |= static_cast<std::uint64_t>(c == ' ') << k;
        m.tabs |= static_cast<std::uint64_t>(c == '\t') << k;
    }
    return m;
}
#endif

}  // namespace

LineMarks scanLine(std::string_view line, std::size_t from, const char* readable) {
    LineMarks marks;
    std::uint64_t runs = 0, before = 0;  // before: the blanks of the block before
    std::size_t tabs = 0;
    for (std::size_t at = 0; at < line.size(); at += BLOCK) {
        const char* p = line.data() + at;
        const std::size_t left = line.size() - at;
        const std::uint64_t kept = left >= BLOCK ? ~0ULL : ~0ULL >> (BLOCK - left);
        BlockMasks m;
        if (static_cast<std::size_t>(readable - p) >= BLOCK) {
            m = masksOf(p, kept);
        } else {
            char last[BLOCK] = {};
            std::memcpy(last, p, left < BLOCK ? left : BLOCK);
            m = masksOf(last, kept);
        }
        marks.printable = marks.printable && m.printable;
        if (at < from) {
            const std::uint64_t fromOn = from - at >= BLOCK ? 0 : ~0ULL << (from - at);
            m.blanks &= fromOn;
            m.tabs &= fromOn;
        }
        runs |= m.blanks & (m.blanks << 1 | before >> 63) & (m.blanks << 2 | before >> 62);
        before = m.blanks;
        for (; m.tabs != 0 && tabs < 2; m.tabs &= m.tabs - 1)
            marks.tab[tabs++] = at + static_cast<std::size_t>(std::countr_zero(m.tabs));
    }
    marks.blankRun = runs != 0;
    return marks;
}

}  // namespace tess::check
