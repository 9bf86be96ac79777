#pragma once
// The screens on which the user reviews the drawn patterns of PAT[1..QZ] and
// reshuffles single quizzes (Space) before they are written out.
#include "core/Program.h"

namespace tess {

// 30 quizzes a screen in two columns; Return (or Esc) accepts a screen.
void WRITESPECS(Program& p);

// 15 quizzes a screen, each stretched to 75 positions; Esc sets BACK and
// leaves at once.
void WRITESPECS75(Program& p);

}  // namespace tess
