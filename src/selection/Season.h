#pragma once
// A season of meets in a run: the questions earlier meets used are taken as
// already drawn, and the questions of a run that completes become one more
// meet of the season file. Without the file (or with tessarin run
// --no-season) none of this does anything.
#include <string>
#include <vector>

#include "core/Program.h"

namespace tess {

// At the start of question selection: reads the season file, if there is
// one, and marks each question an earlier meet used as drawn in this cycle,
// through the availability the repeat control uses. A damaged file goes back
// to the title naming its line and fault.
void holdBackSeason(Program& p);

// After a quiz is written: its questions, for the meet this run adds.
void noteSeasonQuiz(Program& p);

// The list file's line on what the season held back of each kind.
void writeSeasonNote(Program& p);

// The season file's lines with this run as its last meet; empty when the
// run uses no season.
std::vector<std::string> seasonAfterRun(const Program& p);

}  // namespace tess
