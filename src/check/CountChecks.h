#pragma once
// The check of a count file: the 2040 lines the program writes, and equal to
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

// `styles` names the checked styles that use this count file.
void checkCountFile(const std::string& path, const std::array<CountSource, KIND_COUNT>& sources,
                    const std::vector<std::string>& styles, FileReport& out);

}  // namespace tess::check
