#pragma once
// The count file: one line per verse slot (2040 lines, chapter-major), each
// "chapter verse" and a count of each kind in the order of KINDS ("regular
// ftv cv co sit"). Sectoring reads only these counts, never the bank files
// themselves.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/Kinds.h"
#include "core/Program.h"

namespace tess {

// The count file's place: the working directory first, then each directory
// of `Path` (or `PATH` when `Path` is not set), split on ':'. Empty if absent.
std::string findCountFile(const Program& p);

// The 2040 lines for the current count tables.
std::vector<std::string> countFileLines(const RunState& run);

// A count of each kind, in the order of KINDS.
using KindCounts = std::array<int, KIND_COUNT>;

// The counts of count-file line `i` (1..2040), or nothing when the line is
// not the one the format puts there.
std::optional<KindCounts> parseCountFileLine(const std::string& line, int i);

// Loads every kind's count table from `path`. On a missing, short or malformed
// file the tables are left zeroed and the reason is returned.
std::optional<std::string> loadCountFile(RunState& run, const std::string& path);

// Counts every kind's bank file of the run into the count tables (zeroed
// first). A missing regular file or lines out of order go back to the title
// (failRestart) before anything is written. Notices for the user (skipped
// lines, missing specialty files) are appended to `notices`.
void buildIndex(Program& p, std::vector<std::string>& notices);

}  // namespace tess
