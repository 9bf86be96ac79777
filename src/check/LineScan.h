#pragma once
// One pass over a bank file's bytes, thirty-two at a time, that finds each
// line's end and, on the way, what the checks would otherwise look for byte
// by byte in several passes (and the hash the repeat check looks lines up
// by): nearly every line of a bank is printable ASCII with no run of blanks,
// and those lines need no exact check at all. A line the pass flags goes
// through the exact checks.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tess::check {

constexpr std::size_t NONE = std::string_view::npos;

struct LineMarks {
    bool printable = true;  // every byte printable ASCII or a TAB
    bool blankRun = false;  // three blanks in a row, all from `from` on
    // The first two TABs from `from` on (NONE where there are fewer).
    std::size_t tab[2] = {NONE, NONE};
    std::size_t lastSolid = NONE;  // the last byte that is neither a blank nor a TAB
    // Whether the line holds only blanks and TABs from `i` on.
    bool blankFrom(std::size_t i) const { return lastSolid == NONE || lastSolid < i; }
};

// A line as FileLines hands it out (without its line end, cut at the bound),
// with its marks and hash.
struct ScannedLine {
    std::string_view text;
    bool longer = false;  // cut at the bound
    LineMarks marks;
    std::uint64_t hash = 0;
};

// The marks and hash of one line on its own: a line converted from
// Windows-1252, and the few lines the pass leaves to these (a line cut at
// the bound). They give what the pass gives for the same bytes.
LineMarks scanLine(std::string_view line, std::size_t from);
std::uint64_t hashLine(std::string_view line);

// The lines of a file's bytes. `from` is below 16.
class LineScanner {
public:
    LineScanner(std::string_view bytes, std::size_t from, std::size_t bound)
        : bytes_(bytes), from_(from), bound_(bound) {}
    // False at the end of the bytes.
    bool next(ScannedLine& line);
    std::size_t lineNumber() const { return line_; }  // lines handed out so far

private:
    std::string_view bytes_;
    std::size_t from_, bound_;
    std::size_t at_ = 0, line_ = 0;
};

}  // namespace tess::check
