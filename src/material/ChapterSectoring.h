#pragma once
#include "core/Program.h"

namespace tess {

// Chapter sectoring: the share editor, the sectors built from the shares,
// their counts, and the sector table the user accepts or leaves with Esc.
// Sets SECTORS (and QMAX when raised), the sector table, MINQZ and TEMPF.
void CHAPSEC(Program& p);

// The parts of CHAPSEC after the editor, for callers that already hold
// accepted shares in CS: build the sectors, then count them from the tables.
void buildChapterSectors(Program& p);
void countChapterSectors(Program& p);

}  // namespace tess
