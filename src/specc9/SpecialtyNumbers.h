#pragma once
// The screen on which the specialty kind of each question number is fixed by
// hand, for styles with "Set Specialty Quest nos" Y.
#include <string>

#include "core/Program.h"

namespace tess {

// Lets the user put F, R, O or S under question numbers SPEARLY..SPLATE,
// each kind up to its maximum, until SPMAX numbers hold a letter (Return).
// Leaves the pattern line in p.cfg.TYP (only F, R, O, S, n) and the sum of the
// four maxima in p.cfg.SPECS.
void SETSPEC(Program& p);

// What Return at once on that screen does with the stored pattern: takes it
// (empty) or, when the letters do not make Total Max, the reason it cannot.
std::string acceptStoredNumbers(Program& p);

}  // namespace tess
