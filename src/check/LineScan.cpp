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
    std::uint64_t unprintable = 0, blanks = 0, tabs = 0;
};

#ifdef __SSE2__
BlockMasks masksOf(const char* p) {
    BlockMasks m;
    const __m128i low = _mm_set1_epi8(0x1F), high = _mm_set1_epi8(0x7F), tab = _mm_set1_epi8('\t'),
                  blank = _mm_set1_epi8(' ');
    for (int k = 0; k < 4; ++k) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
        // Compared as signed bytes: those of 0x80 and up are negative, so below the blank.
        const __m128i tabs = _mm_cmpeq_epi8(v, tab);
        const __m128i fine = _mm_or_si128(_mm_and_si128(_mm_cmpgt_epi8(v, low), _mm_cmplt_epi8(v, high)), tabs);
        const int shift = 16 * k;
        m.unprintable |= static_cast<std::uint64_t>(~_mm_movemask_epi8(fine) & 0xFFFF) << shift;
        m.blanks |= static_cast<std::uint64_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, blank))) << shift;
        m.tabs |= static_cast<std::uint64_t>(_mm_movemask_epi8(tabs)) << shift;
    }
    return m;
}
#else
BlockMasks masksOf(const char* p) {
    BlockMasks m;
    for (std::size_t k = 0; k < BLOCK; ++k) {
        const auto c = static_cast<unsigned char>(p[k]);
        m.unprintable |= static_cast<std::uint64_t>(!((c >= 0x20 && c < 0x7F) || c == '\t')) << k;
        m.blanks |= static_cast<std::uint64_t>(c == ' ') << k;
        m.tabs |= static_cast<std::uint64_t>(c == '\t') << k;
    }
    return m;
}
#endif

}  // namespace

LineMarks scanLine(std::string_view line, std::size_t from, const char* readable) {
    LineMarks marks;
    std::size_t tabsFound = 0;
    std::uint64_t unprintable = 0, runs = 0;
    std::uint64_t before = 0;  // the blanks of the block before's last two bytes, as bits 62 and 63
    for (std::size_t at = 0; at < line.size(); at += BLOCK) {
        BlockMasks m;
        const std::size_t left = line.size() - at;
        if (BLOCK <= static_cast<std::size_t>(readable - (line.data() + at))) {
            m = masksOf(line.data() + at);
        } else {
            char tail[BLOCK] = {};
            std::memcpy(tail, line.data() + at, left < BLOCK ? left : BLOCK);
            m = masksOf(tail);
        }
        // Only the line's bytes count, and of blanks and TABs only those from `from` on.
        std::uint64_t kept = left < BLOCK ? ~0ULL >> (BLOCK - left) : ~0ULL;
        unprintable |= m.unprintable & kept;
        if (at < from) kept &= from - at >= BLOCK ? 0 : ~0ULL << (from - at);
        const std::uint64_t blanks = m.blanks & kept;
        std::uint64_t tabs = m.tabs & kept;
        runs |= blanks & (blanks << 1 | before >> 63) & (blanks << 2 | before >> 62);
        before = blanks;
        if (tabsFound > 0) marks.blanksAfterTab += static_cast<std::size_t>(std::popcount(blanks));
        for (; tabs != 0 && tabsFound < 2; tabs &= tabs - 1) {
            const auto bit = std::countr_zero(tabs);
            marks.tab[tabsFound++] = at + static_cast<std::size_t>(bit);
            if (tabsFound == 1) marks.blanksAfterTab = static_cast<std::size_t>(std::popcount(blanks >> bit));
        }
    }
    marks.printable = unprintable == 0;
    marks.blankRun = runs != 0;
    return marks;
}

}  // namespace tess::check
