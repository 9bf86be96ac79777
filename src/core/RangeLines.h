#pragma once
// One bank file's counted lines in a run's range, held in memory: each file a
// run uses is read once (material/SectorWalk.h reads it, through the one
// bank-line reader, and checks it against the count file), and every reader
// takes its lines from here by sector and question number.
#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "console/Array.h"
#include "console/FileLines.h"
#include "console/Utf8.h"

namespace tess {

// A bank file as a run read it: its bytes, read once, and the encoding they
// were decided to be in (console/Utf8.h), which every reader of the run takes.
struct BankBytes {
    std::shared_ptr<const FileBytes> bytes;
    TextEncoding encoding = TextEncoding::Ascii;
};

struct RangeLines {
    // What the lines were read for: the file, its counted lines before the
    // range and the questions of each sector (sector 1 first). Any change
    // reads the file again.
    std::string file;
    int before = -1;
    std::vector<int> counts;

    // The lines are views of the file's bytes (a line that was Windows-1252
    // is kept in UTF-8 beside them), so a range as large as the bank costs no
    // copy. Shared, so that a copy of the run's state views the same bytes.
    std::shared_ptr<const FileBytes> bytes;
    std::shared_ptr<std::deque<std::string>> converted;
    std::vector<std::string_view> lines;  // without line ends
    std::vector<std::size_t> first;       // sector s begins at line first[s - 1]

    // Question n of sector s.
    std::string_view line(int s, int n) const {
        if (s < 1 || static_cast<std::size_t>(s) > counts.size())
            indexError("sector", s, 1, static_cast<long>(counts.size()));
        const int count = counts[static_cast<std::size_t>(s - 1)];
        if (n < 1 || n > count) indexError("question of the sector", n, 1, count);
        return lines[first[static_cast<std::size_t>(s - 1)] + static_cast<std::size_t>(n - 1)];
    }
};

}  // namespace tess
