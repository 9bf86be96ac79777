#pragma once
#include "run/Program.h"

namespace tess {

void FINTYPES(Program& p);  // the FTV type table

}  // namespace tess
