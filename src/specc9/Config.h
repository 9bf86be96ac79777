#pragma once
#include "run/Program.h"

namespace tess {

// The configuration form: on return "temp2.txt" names the chosen style (or
// "Exit") and the style file has been written.
void SPECS2(Program& p);

}  // namespace tess
