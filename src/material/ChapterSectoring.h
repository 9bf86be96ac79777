#pragma once
#include "run/Program.h"

namespace tess {

void CHAPSEC(Program& p);  // chapter sectoring, with its own table and confirmation

}  // namespace tess
