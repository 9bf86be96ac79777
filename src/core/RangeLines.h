#pragma once
// One bank file's counted lines in a run's range, held in memory: each file a
// run uses is read once (material/SectorWalk.h reads it, through the one
// bank-line reader, and checks it against the count file), and every reader
// takes its lines from here by sector and question number.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "console/Array.h"

namespace tess {

struct RangeLines {
    // What the lines were read for: the file, its counted lines before the
    // range and the questions of each sector (sector 1 first). Any change
    // reads the file again.
    std::string file;
    int before = -1;
    std::vector<int> counts;

    std::string text;                // the lines one after another, without line ends
    std::vector<std::size_t> ends;   // line i ends at ends[i]; the next begins there
    std::vector<std::size_t> first;  // sector s begins at line first[s - 1]

    // Question n of sector s.
    std::string_view line(int s, int n) const {
        if (s < 1 || static_cast<std::size_t>(s) > counts.size())
            indexError("sector", s, 1, static_cast<long>(counts.size()));
        const int count = counts[static_cast<std::size_t>(s - 1)];
        if (n < 1 || n > count) indexError("question of the sector", n, 1, count);
        const std::size_t i = first[static_cast<std::size_t>(s - 1)] + static_cast<std::size_t>(n - 1);
        const std::size_t from = i == 0 ? 0 : ends[i - 1];
        return std::string_view(text).substr(from, ends[i] - from);
    }
};

}  // namespace tess
