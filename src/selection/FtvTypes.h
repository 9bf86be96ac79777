#pragma once
// The FTV type table: the type letter of every FTV question of the range, so
// that successive FTV questions of a run differ in type.
#include <string_view>

#include "core/Program.h"

namespace tess {

void FINTYPES(Program& p);  // fills FTYPE from the FTV file, once per run

// The type of an FTV bank line: its character 9, or "R" when characters 9
// and 10 read "VR".
char ftvTypeOf(std::string_view line);

// FTYPE of question n of sector s; a blank when the table has no such entry.
char ftvType(const RunState& r, int s, int n);

}  // namespace tess
