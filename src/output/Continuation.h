#pragma once
// The continuation printers: each writes the rest of the slot's line buffer
// A2, after MARK1, as lines cut at a blank, at most 15 lines deep (X5), and
// counts them in LINES. The caller sets MARK1 and X5 = 0 first.
#include "core/Program.h"

namespace tess {

constexpr int A2LEN = 2 * LMAX + 1;  // the line buffer: two strings and a closing blank

void PRINTREST(Program& p);   // p layout R, O, regular: indent 15, window 55, up to 253
void FPRINTREST(Program& p);  // p layout SIT, FTV: indent 15, window 55, up to 508
void CPRINTREST(Program& p);  // c layout R, O, SIT, FTV: indent 8, window 37, up to 508
void RPRINTREST(Program& p);  // c layout regular: as CPRINTREST, and a "?" ends its line

}  // namespace tess
