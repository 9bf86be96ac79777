#pragma once
// The bank checker: every fault of a question bank and of the files around it
// (the verse table, the style list, the styles, the count files), by file and
// line, for a quiz director to mend before a meet. It only reads, and reads
// each file once.
#include <filesystem>
#include <string>
#include <vector>

#include "check/Findings.h"

namespace tess::check {

// Checks `files` (names of the folder `dir`; the kind of each is known from
// its name), or with no files every file of the bank found in `dir`:
// every bank file present, "Verses.txt", "Specs.lst", every style it lists
// and "New.spe", and every count file against its bank files. Without
// `keepWords` the findings are counted, not all of them worded.
Report checkBank(const std::filesystem::path& dir, const std::vector<std::string>& files = {},
                 bool keepWords = true);

}  // namespace tess::check
