#pragma once
// The specialty passes: each walks the quiz's positions and has its picker
// fill every position of its letter. A picker fills position C1: it sets
// SECTOR[C1], NUMBER[S] and PNUMBER[C1] (the position's own question number,
// which the give-back and the listing use), FLAG[S] := 0, the text in ALL /
// ALL2, and calls CONVERT2.
#include <string>

#include "material/BankFile.h"
#include "core/Program.h"

namespace tess {

void FINDREFS(Program& p);   // "R" positions
void FINDONLYS(Program& p);  // "O" positions
void FINDSITS(Program& p);   // "S" positions
void FINDFTVS(Program& p);   // "F" positions
void FINDSET(Program& p);    // reset after a pass
// The pass of a kind letter (F, R, O or S); any other letter is no pass.
void runSpecialtyPass(Program& p, char kind);

void CHOOSEREF(Program& p);
void CHOOSEONLY(Program& p);
void CHOOSESIT(Program& p);
void CHOOSEFIN(Program& p);

// The book marker of position C1 (RLBK, BKNAME).
void CONVERT2(Program& p);

// Draws of a pick before its kind's pool is refreshed.
constexpr int SPECIALTY_DRAWS = 3000;

}  // namespace tess
