#include "check/LineScan.h"

#include <bit>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tess::check {

namespace {

constexpr std::size_t BLOCK = 16;

std::uint64_t word(const char* p) {
    std::uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

// Sixteen bytes a step in two chains, so that neither multiply waits on the
// other. A hit is compared byte for byte, so a collision only costs a
// comparison.
class Hash {
public:
    void mix(const char* p) { mix(word(p), word(p + 8)); }
    // The first `n` (1-15) of the sixteen bytes at `p`, the rest as zero: a
    // line's last bytes are hashed where they lie, not copied aside.
    void mixPart(const char* p, std::size_t n) {
        if (n <= 8)
            mix(word(p) & lowBytes(n), 0);
        else
            mix(word(p), word(p + 8) & lowBytes(n - 8));
    }
    // The size goes in last, so that lines which differ only in trailing
    // zero bytes differ.
    std::uint64_t done(std::size_t size) const {
        std::uint64_t h = a_ ^ std::rotl(b_, 32) ^ size * K;
        h ^= h >> 32;
        h *= 0xD6E8FEB86659FD93ULL;
        return h ^ (h >> 32);
    }

private:
    static constexpr std::uint64_t K = 0x9E3779B97F4A7C15ULL;
    static std::uint64_t lowBytes(std::size_t n) { return n >= 8 ? ~0ULL : (1ULL << (8 * n)) - 1; }
    void mix(std::uint64_t lo, std::uint64_t hi) {
        a_ = (std::rotl(a_, 23) ^ lo) * K;
        b_ = (std::rotl(b_, 23) ^ hi) * K;
    }
    std::uint64_t a_ = 0x243F6A8885A308D3ULL, b_ = 0x13198A2E03707344ULL;
};

bool solid(char c) { return c != ' ' && c != '\t'; }

// The line's bytes as FileLines gives them, cut at `bound`, with marks and
// hash taken byte by byte.
void finishPlain(std::string_view text, std::size_t from, std::size_t bound, ScannedLine& out) {
    out.longer = text.size() > bound;
    out.text = text.substr(0, bound);
    out.marks = scanLine(out.text, from);
    out.hash = hashLine(out.text);
}

}  // namespace

LineMarks scanLine(std::string_view line, std::size_t from) {
    LineMarks m;
    std::size_t blanks = 0, tabs = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        m.printable = m.printable && ((c >= 0x20 && c < 0x7F) || c == '\t');
        if (solid(line[i])) m.lastSolid = i;
        if (i < from) continue;
        blanks = c == ' ' ? blanks + 1 : 0;
        m.blankRun = m.blankRun || blanks >= 3;
        if (c == '\t' && tabs < 2) m.tab[tabs++] = i;
    }
    return m;
}

std::uint64_t hashLine(std::string_view line) {
    Hash h;
    std::size_t i = 0;
    for (; i + BLOCK <= line.size(); i += BLOCK) h.mix(line.data() + i);
    if (i < line.size()) {
        char last[BLOCK] = {};
        std::memcpy(last, line.data() + i, line.size() - i);
        h.mixPart(last, line.size() - i);
    }
    return h.done(line.size());
}

#ifdef __SSE2__
namespace {

constexpr std::size_t CHUNK = 2 * BLOCK;

// Bit k stands for byte k of the thirty-two.
std::uint32_t bitsOf(__m128i lo, __m128i hi) {
    return static_cast<std::uint32_t>(_mm_movemask_epi8(lo)) | static_cast<std::uint32_t>(_mm_movemask_epi8(hi)) << 16;
}
// One added to each byte takes 0x20-0x7E to 0x21-0x7F, the only values
// above 0x20 as signed bytes.
__m128i printableLanes(__m128i v) { return _mm_cmpgt_epi8(_mm_add_epi8(v, _mm_set1_epi8(1)), _mm_set1_epi8(0x20)); }
__m128i lanesOf(__m128i v, char c) { return _mm_cmpeq_epi8(v, _mm_set1_epi8(c)); }

}  // namespace

bool LineScanner::next(ScannedLine& out) {
    if (at_ >= bytes_.size()) return false;
    ++line_;
    const char* start = bytes_.data() + at_;
    const char* end = bytes_.data() + bytes_.size();
    LineMarks m;
    Hash h;
    std::uint32_t unprintable = 0, blanksBefore = 0;
    std::uint64_t runs = 0;
    std::size_t tabs = 0;
    char last[CHUNK];  // the file's last bytes, then line ends
    for (std::size_t off = 0;; off += CHUNK) {
        const char* p = start + off;
        if (end - p < static_cast<std::ptrdiff_t>(CHUNK)) {
            std::memset(last, '\n', CHUNK);
            std::memcpy(last, p, static_cast<std::size_t>(end - p));
            p = last;
        }
        const __m128i lo = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i hi = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + BLOCK));
        std::uint32_t tabBits = bitsOf(lanesOf(lo, '\t'), lanesOf(hi, '\t'));
        std::uint32_t blanks = bitsOf(lanesOf(lo, ' '), lanesOf(hi, ' '));
        // Neither printable nor a TAB: a line end, or a byte to look at closely.
        std::uint32_t special = ~(bitsOf(printableLanes(lo), printableLanes(hi)) | tabBits);
        std::size_t size = NONE, after = 0;  // where the line ends in the chunk, and the next begins
        std::uint32_t solidBits = 0;
        if (special != 0) {
            if (const std::uint32_t ends = bitsOf(lanesOf(lo, '\n'), lanesOf(hi, '\n')); ends != 0) {
                const auto k = static_cast<std::size_t>(std::countr_zero(ends));
                size = k > 0 && p[k - 1] == '\r' ? k - 1 : k;
                after = k + 1;
            } else if (p[CHUNK - 1] == '\r' && (p + CHUNK == end || p[CHUNK] == '\n')) {
                size = CHUNK - 1;  // a CR LF across two chunks: the line ends here
                after = CHUNK + 1;
            }
            if (size != NONE) {
                const std::uint32_t kept = (1u << size) - 1;
                special &= kept;
                blanks &= kept;
                tabBits &= kept;
                solidBits = kept & ~(blanks | tabBits);
            }
            unprintable |= special;
        }
        if (off == 0) {
            blanks &= ~0u << from_;
            tabBits &= ~0u << from_;
        }
        // The block before's last two blanks, then these.
        const std::uint64_t pair = static_cast<std::uint64_t>(blanks) << 2 | blanksBefore >> 30;
        const std::uint64_t twos = pair & pair >> 1;  // two blanks in a row, then two such pairs
        runs |= twos & twos >> 1;
        blanksBefore = blanks;
        for (; tabBits != 0 && tabs < 2; tabBits &= tabBits - 1)
            m.tab[tabs++] = off + static_cast<std::size_t>(std::countr_zero(tabBits));
        if (size == NONE) {
            h.mix(p);
            h.mix(p + BLOCK);
            continue;
        }
        if (size >= BLOCK) h.mix(p);
        if (size % BLOCK > 0) h.mixPart(p + (size & BLOCK), size % BLOCK);
        at_ += off + after;
        if (off + size > bound_) {
            finishPlain({start, off + size}, from_, bound_, out);
            return true;
        }
        if (solidBits != 0) {
            m.lastSolid = off + static_cast<std::size_t>(std::bit_width(solidBits)) - 1;
        } else {
            for (std::size_t i = off; i-- > 0;)
                if (solid(start[i])) {
                    m.lastSolid = i;
                    break;
                }
        }
        size += off;
        m.printable = unprintable == 0;
        m.blankRun = runs != 0;
        out = {{start, size}, false, m, h.done(size)};
        return true;
    }
}
#else
bool LineScanner::next(ScannedLine& out) {
    if (at_ >= bytes_.size()) return false;
    ++line_;
    const std::string_view rest = bytes_.substr(at_);
    const std::size_t end = rest.find('\n');
    std::string_view text = rest.substr(0, end);
    at_ += end == NONE ? rest.size() : end + 1;
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    finishPlain(text, from_, bound_, out);
    return true;
}
#endif

}  // namespace tess::check
