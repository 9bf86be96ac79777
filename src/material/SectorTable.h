#pragma once
#include "core/Program.h"

namespace tess {

// The last sector ends where the range ends; each specialty's range total
// (FQUEST ...) is what its sectors hold.
void finishSectorTable(RunState& r);
// The sector table on screen (the full-screen program's Screen::SectorTable).
void drawSectorTable(Console& c, const RunState& r);

}  // namespace tess
