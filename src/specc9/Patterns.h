#pragma once
#include "run/Program.h"

namespace tess {

// Draws the specialty pattern of every quiz, lets the user review it, and
// writes "pat.txt" with QNUM lines.
void SPEC2(Program& p);

}  // namespace tess
