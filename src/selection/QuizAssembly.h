#pragma once
#include "core/Program.h"

namespace tess {

constexpr int TRADE_LIMIT = 5000;  // interrogative trades before the percentage is given up

// Marks every question available and copies the per-sector totals (before generation).
void markAllAvailable(Program& p);
void CHOOSESPEC(Program& p);  // assembles quiz Q2 and writes its list-file block

// Steps of CHOOSESPEC, each by position: the rejected attempt's specialty
// questions go back to their pools; the regular positions get their texts.
void giveBackSpecialties(Program& p);
void readRegularTexts(Program& p);

}  // namespace tess
