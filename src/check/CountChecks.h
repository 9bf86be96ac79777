#pragma once
// The check of a count file: the lines the program writes (85 a chapter of the
// material, 2040 for Luke), and equal to
// the counts of the bank files it is made from. A run that reuses a count file
// behind an edited bank picks questions by the old counts.
#include <array>
#include <string>
#include <vector>

#include "check/BankLines.h"
#include "check/Findings.h"

namespace tess::check {

// One bank file a count file is made from; a count file's are in the order
// of its count fields, which is the order of KINDS.
struct CountSource {
    std::string file;
    const BankCounts* counts = nullptr;
};

// `styles` names the checked styles that use this count file; `chapters` is
// the material's.
void checkCountFile(const std::string& path, const std::array<CountSource, KIND_COUNT>& sources,
                    const std::vector<std::string>& styles, int chapters, FileReport& out);

}  // namespace tess::check
