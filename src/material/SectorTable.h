#pragma once
#include "core/Program.h"

namespace tess {

void DISPLAY(Program& p);  // the sector table; recomputes each specialty's range total (FQUEST ...)

}  // namespace tess
