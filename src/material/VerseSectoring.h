#pragma once
#include "run/Program.h"

namespace tess {

// Sectoring by verses; false when no layout fits (the caller falls back to RESECTOR).
bool VERSESEC(Program& p);

}  // namespace tess
