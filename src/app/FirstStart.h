#pragma once
// The screen before the full-screen program proper, shown only in a folder
// with neither a style list nor a starting style: without it the program
// would open on an empty menu and a dead end.
#include <filesystem>
#include <optional>

#include "run/Program.h"

namespace tess {

// Names the folder and offers to set it up from `sample` (Y: copies it in
// as `tessarin init` does and says how many files; N or Esc: goes on with
// the folder as it is). Without a sample it says where one would come from.
void offerFirstStart(Program& p, const std::optional<std::filesystem::path>& sample);

}  // namespace tess
