#pragma once
// The regular question picker: a free sector far from the neighbouring
// positions' sectors, then an available question of it.
#include "core/Program.h"

namespace tess {

constexpr int FORCED_REPEAT = 30000;  // sector draws before a used sector is taken anyway

struct SectorDraw {
    int S = 0;     // the sector drawn
    int SV = 0;    // draws made; FORCED_REPEAT marks a forced sector repeat
    int LDIF = 0;  // distance to the previous position's sector
    int NDIF = 0;  // distance to the next position's sector
};

SectorDraw CHOOSES(Program& p);  // a sector for position C1
void CHOOSEQUE(Program& p);      // fills regular position C1

}  // namespace tess
