#pragma once
#include <string>
#include <vector>

#include "core/Program.h"

namespace tess {

// One run, from the title screen to the closing screen. Throws RestartRun
// to go back to the title (its message not yet shown: see showRestart) and
// ExitProgram when "Exit" was chosen.
void runOnce(Program& p);

// The loop of runs; returns the program's exit code.
int runProgram(Program& p);

// Pieces of a run, each usable on its own.

// The files configuration left for the run: "temp2.txt" (tested for "Exit" first, so Exit works even
// without "Verses.txt"), "Verses.txt", the style file and the bank file names.
// Missing or unusable files restart with a message; clamped values are told
// once.
void readRunFiles(Program& p);

// Sectoring: sector the range, let the user look at the table, and offer
// resectoring when regular questions would repeat early. Restarts when the
// smallest sector has no regular question, or on Esc after a verse table.
void sectorRange(Program& p);

}  // namespace tess
