#pragma once
// Giving up the one-question-per-sector rule for the rest of a quiz, and the
// run log copied into the list file at the end of generation.
#include <string>

#include "core/Program.h"

namespace tess {

// Frees every sector of the quiz (after a picker found nothing usable even
// after refreshing its pool).
void REPEATSECTOR(Program& p);

// End of generation: the run log's lines are copied to the end of the list
// file (one empty line when the log is empty). Closes the run log.
void appendRunLog(Program& p);

}  // namespace tess
