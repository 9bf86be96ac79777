#pragma once
// The interrogative index.
#include <string>
#include <string_view>

#include "core/Program.h"

namespace tess {

void COUNTINT(Program& p);  // marks the interrogative regular questions in INT

// True when the question text of a regular bank line (from column 7) opens
// with a question word.
bool isInterrogative(std::string_view bankLine);

}  // namespace tess
