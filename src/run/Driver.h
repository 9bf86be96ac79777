#pragma once
#include "run/Program.h"

namespace tess {

// One run, from the title screen to the closing screen. Throws RestartRun
// to go back to the title and ExitProgram when "Exit" was chosen.
void runOnce(Program& p);

// The loop of runs; returns the program's exit code.
int runProgram(Program& p);

}  // namespace tess
