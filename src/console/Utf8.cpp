#include "console/Utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace tess {

namespace {

// Windows-1252 bytes 0x80..0x9F; 0 where the code page has no character.
constexpr std::array<char16_t, 32> CP1252_HIGH = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

unsigned char byteAt(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

// The length of the sequence a byte begins (0: it begins none), and the
// bounds of its second byte, which shut out over-long forms, surrogates and
// values past Unicode.
struct Lead {
    std::size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;
};
Lead leadOf(unsigned char b) {
    if (b < 0x80) return {1};
    if (b >= 0xC2 && b <= 0xDF) return {2};
    if (b >= 0xE0 && b <= 0xEF)
        return {3, static_cast<unsigned char>(b == 0xE0 ? 0xA0 : 0x80), static_cast<unsigned char>(b == 0xED ? 0x9F : 0xBF)};
    if (b >= 0xF0 && b <= 0xF4)
        return {4, static_cast<unsigned char>(b == 0xF0 ? 0x90 : 0x80), static_cast<unsigned char>(b == 0xF4 ? 0x8F : 0xBF)};
    return {};
}

// Whether the bytes from s[i] to the end of `s` (or the sequence's length)
// are right for the sequence s[i] begins.
bool followersFit(std::string_view s, std::size_t i, const Lead& l) {
    for (std::size_t k = 1; k < l.n && i + k < s.size(); ++k) {
        const unsigned char c = byteAt(s, i + k);
        if (k == 1 ? (c < l.lo || c > l.hi) : (c & 0xC0) != 0x80) return false;
    }
    return true;
}

}  // namespace

std::size_t utf8SequenceAt(std::string_view s, std::size_t i) {
    const Lead l = leadOf(byteAt(s, i));
    if (l.n == 0 || i + l.n > s.size() || !followersFit(s, i, l)) return 0;
    return l.n;
}

char32_t decodeUtf8At(std::string_view s, std::size_t i, std::size_t n) {
    const unsigned char b = byteAt(s, i);
    if (n <= 1) return b;
    char32_t cp = b & (n == 2 ? 0x1Fu : n == 3 ? 0x0Fu : 0x07u);
    for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (byteAt(s, i + k) & 0x3Fu);
    return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

namespace {

// The first byte from `i` on that is beyond ASCII, or the size. Bank files
// are nearly all ASCII and are scanned whole, so eight bytes are tested at once.
std::size_t nextBeyondAscii(std::string_view s, std::size_t i) {
    constexpr std::uint64_t HIGH_BITS = 0x8080808080808080ULL;
    // Four words tested as one: a bank file is ASCII nearly throughout.
    for (; i + 32 <= s.size(); i += 32) {
        std::uint64_t w[4];
        std::memcpy(w, s.data() + i, sizeof w);
        if ((w[0] | w[1] | w[2] | w[3]) & HIGH_BITS) break;
    }
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, s.data() + i, 8);
        if (word & HIGH_BITS) break;
    }
    while (i < s.size() && byteAt(s, i) < 0x80) ++i;
    return i;
}

}  // namespace

bool isAscii(std::string_view s) { return nextBeyondAscii(s, 0) == s.size(); }

bool isValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = utf8SequenceAt(s, i);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

TextEncoding encodingOf(std::string_view s) {
    if (isAscii(s)) return TextEncoding::Ascii;
    return isValidUtf8(s) ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

std::size_t charCount(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); i += charBytesAt(s, i)) ++n;
    return n;
}

std::size_t charOffset(std::string_view s, std::size_t n) {
    std::size_t i = 0;
    for (; i < s.size() && n > 0; --n) i += charBytesAt(s, i);
    return std::min(i, s.size());
}

void popChar(std::string& s) {
    if (s.empty()) return;
    // The last character begins at the last byte that is not a continuation
    // byte of a valid sequence running to the end.
    for (std::size_t back = 1; back <= 4 && back <= s.size(); ++back) {
        const std::size_t i = s.size() - back;
        if (utf8SequenceAt(s, i) == back) {
            s.resize(i);
            return;
        }
    }
    s.pop_back();
}

char32_t fromWindows1252(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F && CP1252_HIGH[b - 0x80] != 0) return CP1252_HIGH[b - 0x80];
    return b;
}

bool definedInWindows1252(unsigned char b) { return !(b >= 0x80 && b <= 0x9F && CP1252_HIGH[b - 0x80] == 0); }

std::string windows1252ToUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (const char c : s) appendUtf8(out, fromWindows1252(static_cast<unsigned char>(c)));
    return out;
}

char toWindows1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < CP1252_HIGH.size(); ++i)
        if (CP1252_HIGH[i] == cp || (CP1252_HIGH[i] == 0 && cp == 0x80 + i)) return static_cast<char>(0x80 + i);
    return '?';
}

std::string utf8ToWindows1252(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = utf8SequenceAt(s, i);
        out += n == 0 ? s[i] : toWindows1252(decodeUtf8At(s, i, n));
        i += n == 0 ? 1 : n;
    }
    return out;
}

void EncodingScan::feed(std::string_view bytes) {
    if (invalid_) return;
    std::string joined;
    if (!carry_.empty()) {
        joined = carry_ + std::string(bytes);
        bytes = joined;
        carry_.clear();
    }
    for (std::size_t i = 0; i < bytes.size();) {
        if (byteAt(bytes, i) < 0x80) {
            i = nextBeyondAscii(bytes, i);
            continue;
        }
        beyondAscii_ = true;
        const std::size_t n = utf8SequenceAt(bytes, i);
        if (n == 0) {
            // A sequence the block's end may have cut: decided with the next block.
            const Lead l = leadOf(byteAt(bytes, i));
            if (l.n > 0 && i + l.n > bytes.size() && followersFit(bytes, i, l)) {
                carry_ = std::string(bytes.substr(i));
                return;
            }
            invalid_ = true;
            return;
        }
        i += n;
    }
}

TextEncoding EncodingScan::result() const {
    if (invalid_ || !carry_.empty()) return TextEncoding::Windows1252;
    return beyondAscii_ ? TextEncoding::Utf8 : TextEncoding::Ascii;
}

Glyph Glyph::at(std::string_view s, std::size_t i) {
    Glyph g;
    const std::size_t n = charBytesAt(s, i);
    for (std::size_t k = n; k > 0; --k) g.v_ = (g.v_ << 8) | byteAt(s, i + k - 1);
    return g;
}

std::vector<Glyph> glyphs(std::string_view s) {
    std::vector<Glyph> g;
    g.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        if (static_cast<unsigned char>(s[i]) < 0x80) {
            g.push_back(Glyph(s[i++]));  // a packet's lines are mostly ASCII: no decoding for those
            continue;
        }
        g.push_back(Glyph::at(s, i));
        i += charBytesAt(s, i);
    }
    return g;
}

}  // namespace tess
