#pragma once
// The specialty pickers: one question of a kind for position C1. A picker
// sets SECTOR[C1], NUMBER[S] and PNUMBER[C1] (the position's own question
// number, which the give-back and the listing use), FLAG[S] := 0, the text in
// ALL / ALL2, and calls CONVERT2; a kind without material leaves the position
// empty and says so.
#include "core/Kinds.h"
#include "core/Program.h"

namespace tess {

void chooseSpecialty(Program& p, const Kind& k);

}  // namespace tess
