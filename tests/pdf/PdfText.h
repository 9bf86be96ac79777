#pragma once
// Reading a PDF back as text, for the tests that print packets: poppler's
// command-line tools, and the text lines a page shows.
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace tess::testing {

// What a shell command writes to its standard output.
inline std::string output(const std::string& cmd) {
    std::string out;
    FILE* f = popen(cmd.c_str(), "r");
    if (!f) return out;
    std::array<char, 4096> buf;
    for (std::size_t n; (n = fread(buf.data(), 1, buf.size(), f)) > 0;) out.append(buf.data(), n);
    pclose(f);
    return out;
}

// The lines that carry text, without their trailing blanks; pdftotext marks
// page ends with form feeds, taken here as line ends.
inline std::vector<std::string> textLines(const std::string& text) {
    std::vector<std::string> ls;
    std::string cur;
    auto flush = [&] {
        cur.erase(cur.find_last_not_of(' ') + 1);
        if (!cur.empty()) ls.push_back(cur);
        cur.clear();
    };
    for (char c : text) {
        if (c == '\n' || c == '\f')
            flush();
        else if (c != '\r')
            cur += c;
    }
    flush();
    // Without the indent all lines share: the PDF's margin on one side, the
    // text file's common indent on the other.
    std::size_t indent = std::string::npos;
    for (const auto& l : ls) indent = std::min(indent, l.find_first_not_of(' '));
    for (auto& l : ls) l.erase(0, indent);
    return ls;
}

}  // namespace tess::testing
