#pragma once
// Text beyond ASCII. Inside the program text is UTF-8: a bank file that is
// not valid UTF-8 is Windows-1252 and is made UTF-8 as it is read, and the
// packet and list files go back to the bank's own encoding as they are
// written. Every width, column and cut counts characters, never bytes.
//
// A character is a valid UTF-8 sequence; a byte that begins none (a stray
// byte of some other encoding, a file name in one) is a character of its
// own, so any bytes can be measured and cut without losing one and a text
// that is valid UTF-8 is never cut inside a character.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

enum class TextEncoding {
    Ascii,        // nothing beyond ASCII: every encoding reads it alike
    Utf8,         // valid UTF-8 with something beyond ASCII
    Windows1252,  // not valid UTF-8: one byte a character, Windows-1252
};

// The bytes of the valid UTF-8 sequence that begins at s[i] (1 for ASCII,
// 2-4), or 0 when none begins there.
std::size_t utf8SequenceAt(std::string_view s, std::size_t i);
// The bytes of the character at s[i]: its sequence, or the one byte.
inline std::size_t charBytesAt(std::string_view s, std::size_t i) {
    // ASCII, nearly all of every text, needs no decoding.
    if (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) return 1;
    const std::size_t n = utf8SequenceAt(s, i);
    return n == 0 ? 1 : n;
}
// The code point of the valid sequence of `n` bytes at s[i].
char32_t decodeUtf8At(std::string_view s, std::size_t i, std::size_t n);
void appendUtf8(std::string& out, char32_t cp);

bool isAscii(std::string_view s);
bool isValidUtf8(std::string_view s);
// Ascii, Utf8, or Windows1252 for any text that is not valid UTF-8.
TextEncoding encodingOf(std::string_view s);

std::size_t charCount(std::string_view s);
// Where the character after the first `n` begins (the size when there are
// no more), and the text cut there.
std::size_t charOffset(std::string_view s, std::size_t n);
inline std::string_view firstChars(std::string_view s, std::size_t n) { return s.substr(0, charOffset(s, n)); }
inline std::string_view afterChars(std::string_view s, std::size_t n) { return s.substr(charOffset(s, n)); }
// `s` with its last character removed.
void popChar(std::string& s);

// Windows-1252. Five bytes have no character there (0x81, 0x8D, 0x8F, 0x90,
// 0x9D); they are read as the control characters of the same number, so
// they come back out unchanged and show as "?".
char32_t fromWindows1252(unsigned char b);
bool definedInWindows1252(unsigned char b);
std::string windows1252ToUtf8(std::string_view s);
// The byte of `cp` in Windows-1252, or '?' where it has none.
char toWindows1252(char32_t cp);
// UTF-8 (a stray byte passes as it is) as Windows-1252.
std::string utf8ToWindows1252(std::string_view s);

// The one decision about a file: valid UTF-8 is UTF-8, anything else is
// Windows-1252. Read in blocks, never whole; a file that cannot be read is Ascii.
class EncodingScan {
public:
    void feed(std::string_view bytes);
    TextEncoding result() const;

private:
    std::string carry_;  // the start of a sequence cut off by the block's end
    bool beyondAscii_ = false;
    bool invalid_ = false;
};

// One character of a text as its bytes (one to four), for the tables that
// hold a text one character to a position (the packet writer's buffers):
// position i is character i, whatever its bytes.
class Glyph {
public:
    constexpr Glyph() = default;
    constexpr Glyph(char c) : v_(static_cast<unsigned char>(c)) {}  // NOLINT: an ASCII byte is a character
    constexpr bool operator==(char c) const { return v_ == static_cast<unsigned char>(c); }
    constexpr bool operator==(const Glyph&) const = default;
    std::size_t size() const { return v_ < 0x100 ? 1 : v_ < 0x10000 ? 2 : v_ < 0x1000000 ? 3 : 4; }
    // One byte: ASCII, or a stray byte that is a character of its own.
    constexpr bool single() const { return v_ < 0x100; }
    constexpr char byte() const { return static_cast<char>(v_ & 0xFF); }  // the first
    void appendTo(std::string& s) const {
        if (single()) {
            s.push_back(byte());  // nearly every character of a bank line
            return;
        }
        for (std::uint32_t v = v_, n = static_cast<std::uint32_t>(size()); n > 0; --n, v >>= 8)
            s += static_cast<char>(v & 0xFF);
    }
    // Appends a stretch of characters: a stretch of single bytes, nearly
    // every stretch, is copied byte for byte into room made once.
    static void append(std::string& s, const Glyph* from, std::size_t n) {
        const std::size_t start = s.size();
        s.resize(start + n);
        char* out = s.data() + start;
        std::size_t i = 0;
        for (; i < n && from[i].single(); ++i) out[i] = from[i].byte();
        if (i == n) return;
        s.resize(start + i);
        for (; i < n; ++i) from[i].appendTo(s);
    }
    // The character at s[i] (of charBytesAt(s, i) bytes).
    static Glyph at(std::string_view s, std::size_t i);

private:
    std::uint32_t v_ = 0;  // its bytes, the first in the lowest eight bits
};
inline std::string& operator+=(std::string& s, Glyph g) {
    g.appendTo(s);
    return s;
}
inline std::string operator+(std::string s, Glyph g) { return s += g; }
std::vector<Glyph> glyphs(std::string_view s);

}  // namespace tess
