#pragma once
#include "run/Program.h"

namespace tess {

constexpr int TRADE_LIMIT = 5000;  // interrogative trades before the percentage is given up

// Marks every question available and copies the per-sector totals (before generation).
void markAllAvailable(Program& p);
void CHOOSESPEC(Program& p);  // assembles quiz Q2 and writes its list-file block

}  // namespace tess
