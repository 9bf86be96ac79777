#pragma once
// The specialty passes: each walks the quiz's positions and has its kind's
// picker (SpecialtyPickers.h) fill every position of its letter.
#include <string>

#include "core/Program.h"
#include "material/BankFile.h"

namespace tess {

void FINDSET(Program& p);  // reset after a pass
// The pass of a specialty kind's letter (F, R, O or S); any other letter is no pass.
void runSpecialtyPass(Program& p, char kind);

// The book marker of position C1 (RLBK, BKNAME, RLCH) for its bank line.
void CONVERT2(Program& p, std::string_view line);

// Draws of a pick before its kind's pool is refreshed.
constexpr int SPECIALTY_DRAWS = 3000;

}  // namespace tess
