#pragma once
#include "core/Program.h"

namespace tess {

void DISPLAY(Program& p);  // the sector table; recomputes FQUEST, RQUEST, OQUEST, SQUEST

}  // namespace tess
