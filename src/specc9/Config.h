#pragma once
#include "core/Program.h"

namespace tess {

// The configuration form: on return "temp2.txt" names the chosen style (or
// "Exit") and the style file has been written.
void SPECS2(Program& p);

// Runs the style "temp2.txt" already names, as it is stored: loads it into
// the configuration unit's copy without showing the form. Whole-run tests
// and scripted use configure the run this way (Program::configure).
void useStoredStyle(Program& p);

}  // namespace tess
