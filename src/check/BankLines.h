#pragma once
// The checks of one bank file, line by line: the common columns every reader
// relies on, what the packet writer relies on for the file's kind, book
// order, repeats and the limits of the count tables. Whether a line is
// counted at all is the program's own decision (material/BankFile.h), so the
// counts returned are the ones the index build would write.
#include <string>

#include "check/Findings.h"
#include "console/Array.h"
#include "core/Kinds.h"
#include "core/Limits.h"
#include "core/Material.h"

namespace tess::check {

using VerseCounts = Arr2<int, 1, MATERIAL_CHAPTERS_MAX, 1, VMAX>;

// The verses of each chapter through the material (0: not known, any slot of
// the tables), and how many chapters it has.
struct VerseTable {
    Arr<int, 1, MATERIAL_CHAPTERS_MAX> verses{};
    int chapters = 24;
    int operator[](int c) const { return verses[c]; }
    int& operator[](int c) { return verses[c]; }
};

// What one bank file holds, as the index build counts it.
struct BankCounts {
    bool present = false;
    VerseCounts n{};
};

// Checks every line of the bank file at `path` into `out` and returns its
// counts. `evs` is the verse table; `leftOut` the chapters of the material set
// the file is read for that the set has no questions in.
BankCounts checkBankFile(const std::string& path, const Kind& kind, const LeftOut& leftOut, const VerseTable& evs,
                         FileReport& out);

// Only the counts, without checking (for a file named by a style or a count
// file but not itself asked for).
BankCounts countBankFile(const std::string& path, const LeftOut& leftOut, const VerseTable& evs);

}  // namespace tess::check
