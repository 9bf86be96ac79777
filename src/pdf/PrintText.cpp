// Recognising the packet layouts and the list file by their first lines,
// and cutting a file into printed pages.
#include "pdf/PrintText.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tess::pdf {

namespace {

// Lines ended by LF or CR LF; a last line without its end still counts.
std::vector<std::string_view> splitLines(std::string_view bytes, std::size_t most = std::string_view::npos) {
    std::vector<std::string_view> lines;
    std::size_t at = 0;
    while (at < bytes.size() && lines.size() < most) {
        std::size_t nl = bytes.find('\n', at);
        if (nl == std::string_view::npos) nl = bytes.size();
        std::string_view l = bytes.substr(at, nl - at);
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        lines.push_back(l);
        at = nl + 1;
    }
    return lines;
}

bool startsWith(std::string_view s, std::string_view head) { return s.substr(0, head.size()) == head; }
bool endsWith(std::string_view s, std::string_view tail) {
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}
bool isBlank(std::string_view s) { return s.find_first_not_of(' ') == std::string_view::npos; }

// A heading's last words: `label` and the quiz's number.
bool endsWithQuizNumber(std::string_view s, std::string_view label = "Quiz Number ") {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    std::size_t digits = 0;
    while (digits < s.size() && s[s.size() - 1 - digits] >= '0' && s[s.size() - 1 - digits] <= '9') ++digits;
    return digits > 0 && endsWith(s.substr(0, s.size() - digits), label);
}

// Windows-1252 bytes 0x80..0x9F as Unicode; 0 where the code page has none.
constexpr std::array<std::uint16_t, 32> CP1252_HIGH = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char toCp1252(std::uint32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < CP1252_HIGH.size(); ++i)
        if (CP1252_HIGH[i] != 0 && CP1252_HIGH[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

// The text as Windows-1252 when it is valid UTF-8 with something beyond
// ASCII; otherwise nothing (the bytes are taken as they are).
bool decodeUtf8(std::string_view in, std::string& out) {
    bool beyondAscii = false;
    std::string s;
    s.reserve(in.size());
    for (std::size_t i = 0; i < in.size();) {
        const auto b = static_cast<unsigned char>(in[i]);
        if (b < 0x80) {
            s += static_cast<char>(b);
            ++i;
            continue;
        }
        int more = 0;
        std::uint32_t cp = 0;
        if (b >= 0xC2 && b <= 0xDF)
            more = 1, cp = b & 0x1Fu;
        else if (b >= 0xE0 && b <= 0xEF)
            more = 2, cp = b & 0x0Fu;
        else if (b >= 0xF0 && b <= 0xF4)
            more = 3, cp = b & 0x07u;
        else
            return false;
        if (i + static_cast<std::size_t>(more) >= in.size()) return false;
        for (int k = 1; k <= more; ++k) {
            const auto c = static_cast<unsigned char>(in[i + static_cast<std::size_t>(k)]);
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        // Over-long forms, surrogates and values past Unicode are not UTF-8.
        if ((more == 2 && cp < 0x800) || (more == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        s += toCp1252(cp);
        beyondAscii = true;
        i += static_cast<std::size_t>(more) + 1;
    }
    if (!beyondAscii) return false;
    out = std::move(s);
    return true;
}

// A line as the font draws it: tabs to the next multiple of 8 columns, as a
// text printer sets them, other control characters and bytes the code page
// leaves undefined shown as blanks and "?", trailing blanks dropped.
std::string printable(std::string_view line) {
    std::string s;
    s.reserve(line.size());
    for (const char ch : line) {
        const auto b = static_cast<unsigned char>(ch);
        if (b == '\t')
            s.append(8 - s.size() % 8, ' ');
        else if (b < 0x20 || b == 0x7F)
            s += ' ';
        else if (b >= 0x80 && b <= 0x9F && CP1252_HIGH[b - 0x80] == 0)
            s += '?';
        else
            s += ch;
    }
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

PrintPage pageOf(const std::vector<std::string_view>& lines, std::size_t from, std::size_t to) {
    PrintPage page;
    for (std::size_t i = from; i < to && i < lines.size(); ++i) page.push_back(printable(lines[i]));
    return page;
}

}  // namespace

TextKind recogniseText(std::string_view bytes) {
    const auto l = splitLines(bytes, CARD_LINES);
    auto line = [&](std::size_t i) { return i < l.size() ? l[i] : std::string_view(); };
    if (startsWith(line(0), "Quiz ") && line(0).find('\t') != std::string_view::npos &&
        line(0).find(" Style Quizzing\t") != std::string_view::npos)
        return TextKind::Rows;
    if (startsWith(line(0), "  Que Sec Num    Verse  Type  Question") && endsWithQuizNumber(line(0), "Quiz "))
        return TextKind::List;
    if (line(0).find(" Style Quizzing ") != std::string_view::npos && endsWithQuizNumber(line(0)) &&
        line(1) == std::string(PAGE_COLUMNS, '_') && bytes.find('\f') != std::string_view::npos)
        return TextKind::Pages;
    if (l.size() == CARD_LINES && line(0).empty() && line(1).empty() && startsWith(line(2), "    ") &&
        endsWith(line(2), " Style Quizzing") && line(3).empty() && startsWith(line(4), "    ") && line(5).empty() &&
        startsWith(line(6), "    Quiz Number ") && endsWithQuizNumber(line(6)))
        return TextKind::Cards;
    return TextKind::Unknown;
}

std::vector<PrintPage> printPages(std::string_view bytes, TextKind kind) {
    std::string decoded;
    if (decodeUtf8(bytes, decoded)) bytes = decoded;
    std::vector<PrintPage> pages;
    if (kind == TextKind::Pages) {
        // Every form feed ends a page; the one that ends the file leaves no page after it.
        std::size_t at = 0;
        while (at < bytes.size()) {
            std::size_t ff = bytes.find('\f', at);
            if (ff == std::string_view::npos) ff = bytes.size();
            const auto lines = splitLines(bytes.substr(at, ff - at));
            pages.push_back(pageOf(lines, 0, lines.size()));
            at = ff + 1;
        }
        return pages;
    }
    const std::size_t size = kind == TextKind::Cards ? CARD_LINES : LIST_PAGE_LINES;
    const auto lines = splitLines(bytes);
    for (std::size_t from = 0; from < lines.size(); from += size) pages.push_back(pageOf(lines, from, from + size));
    // Trailing empty lines do not make a card or sheet of their own.
    while (!pages.empty() && std::all_of(pages.back().begin(), pages.back().end(), isBlank)) pages.pop_back();
    return pages;
}

std::size_t widestLine(const std::vector<PrintPage>& pages) {
    std::size_t w = 0;
    for (const auto& p : pages)
        for (const auto& l : p) w = std::max(w, l.size());
    return w;
}

std::size_t longestPage(const std::vector<PrintPage>& pages) {
    std::size_t n = 0;
    for (const auto& p : pages) n = std::max(n, p.size());
    return n;
}

}  // namespace tess::pdf
