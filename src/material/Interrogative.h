#pragma once
#include "run/Program.h"

namespace tess {

void COUNTINT(Program& p);  // marks the interrogative regular questions in INT

}  // namespace tess
