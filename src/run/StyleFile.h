#pragma once
// Readers of the run's settings files: the style file, "temp2.txt",
// "Verses.txt", and the bank file names a style selects.
#include <string>
#include <vector>

#include "run/Program.h"

namespace tess {

// Reads the 29 lines of a style file into a settings copy and the shared
// settings. Values outside their ranges are clamped; each clamp is described
// in `notes`. Returns false when the file cannot be read.
bool readStyleFile(const std::string& path, StyleSettings& s, SharedSettings& shared, std::vector<std::string>& notes);

// Builds RunState's bank file names from LG, PRIMPCT and REGLST.
void buildBankNames(RunState& run, const SharedSettings& shared);

}  // namespace tess
