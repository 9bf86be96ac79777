#pragma once
// The title, warning and closing screens.
#include "run/Program.h"

namespace tess {

void WRITEHDG(Program& p);
void QUESTWARN(Program& p);
void SPECWARN(Program& p);
void APPROVESPEC(Program& p);
void THANK(Program& p);

}  // namespace tess
