#pragma once
// What a packet or list file looks like on paper: which kind of file it is,
// recognised from its content alone, and its lines cut into the pages (or
// cards) a printer would make of it, in the bytes the PDF font encoding reads.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tess::pdf {

enum class TextKind {
    Pages,    // the p layout: pages ended by form feeds
    Cards,    // the c layout: blocks of 18 lines, one index card each
    Rows,     // the t layout: tab-separated rows for a spreadsheet
    List,     // a list file: quiz blocks of 33 lines, then the run log
    Unknown,  // none of them
};

inline constexpr int CARD_LINES = 18;
inline constexpr int CARD_COLUMNS = 47;
inline constexpr int PAGE_COLUMNS = 78;
inline constexpr int LIST_PAGE_LINES = 66;  // two quiz blocks of the list file

TextKind recogniseText(std::string_view bytes);

using PrintPage = std::vector<std::string>;  // its lines, top to bottom

// The pages of a file of kind Pages, Cards or List, every line in
// WinAnsiEncoding (Windows-1252) with tabs expanded, other control
// characters blank and trailing blanks removed. A file that is valid UTF-8
// is decoded first; bytes that are not are taken as Windows-1252, which
// covers Latin-1 letters and curly quotes.
std::vector<PrintPage> printPages(std::string_view bytes, TextKind kind);

// The longest line (in columns) and the longest page (in lines) of `pages`.
std::size_t widestLine(const std::vector<PrintPage>& pages);
std::size_t longestPage(const std::vector<PrintPage>& pages);

}  // namespace tess::pdf
