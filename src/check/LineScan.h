#pragma once
// One pass over a bank line's bytes, sixty-four at a time, for what the
// checks would otherwise look for byte by byte in several passes: nearly
// every line of a bank is printable ASCII with no run of blanks, and those
// lines need no exact check at all. A line the pass flags goes through the
// exact checks.
#include <cstddef>
#include <string_view>

namespace tess::check {

struct LineMarks {
    bool printable = true;  // every byte printable ASCII or a TAB
    bool blankRun = false;  // three blanks in a row, all from `from` on
    // The first two TABs from `from` on (npos where there are fewer).
    std::size_t tab[2] = {std::string_view::npos, std::string_view::npos};
};

// `readable`: how far from the line's start bytes may be read. A line of a
// file read whole is followed by the rest of the file, so its last bytes are
// read where they are, not copied aside.
LineMarks scanLine(std::string_view line, std::size_t from, const char* readable);

}  // namespace tess::check
