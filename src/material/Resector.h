#pragma once
#include "run/Program.h"

namespace tess {

void RESECTOR(Program& p);  // sectoring by single questions

}  // namespace tess
