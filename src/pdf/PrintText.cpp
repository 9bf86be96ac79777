// Recognising the packet layouts and the list file by their first lines,
// and cutting a file into printed pages.
#include "pdf/PrintText.h"

#include <algorithm>

#include "console/Utf8.h"

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
        else if (!definedInWindows1252(b))
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
    // The file's one encoding, as a bank file's is decided: valid UTF-8 is
    // drawn in the font's Windows-1252, a character it lacks as "?"; anything
    // else is Windows-1252 already.
    std::string decoded;
    if (encodingOf(bytes) == TextEncoding::Utf8) bytes = decoded = utf8ToWindows1252(bytes);
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
