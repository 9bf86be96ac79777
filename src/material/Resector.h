#pragma once
#include "core/Program.h"

namespace tess {

// Sectoring by single regular questions: every sector gets a share of the
// range's regular questions, spread as evenly as the share table allows, and
// a sector boundary may fall inside a verse. Announces itself and waits for
// Return. The caller shows the table.
void RESECTOR(Program& p);

}  // namespace tess
