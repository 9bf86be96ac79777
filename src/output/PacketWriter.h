#pragma once
#include "core/Program.h"

namespace tess {

void OPUT(Program& p);  // appends quiz Q2 to the packet file in the layout OUT

}  // namespace tess
