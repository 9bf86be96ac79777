#pragma once
// Warnings during generation and the run log, and giving up the
// one-question-per-sector rule for the rest of a quiz.
#include <string>

#include "run/Program.h"

namespace tess {

// The message-row rule: advance RSET (rows 5..23, wrapping to a cleared
// screen), clear that row from column 3 and write the warning there. Each
// warning has its own run-log line (logLine), worded for the log.
void warn(Program& p, const std::string& text, bool lineEnd = false);

// Advances the message row and leaves the cursor at column 3 of the cleared row.
void nextMessageRow(Program& p);

// One line of the run log "temp.txt".
void logLine(Program& p, const std::string& text);

// Frees every sector of the quiz (after a picker found nothing usable even
// after refreshing its pool).
void REPEATSECTOR(Program& p);

// End of generation: the run log's lines are copied to the end of the list
// file (one empty line when the log is empty). Closes the run log.
void appendRunLog(Program& p);

}  // namespace tess
