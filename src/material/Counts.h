#pragma once
// Question counts per chapter and verse slot: the index build, the count
// file, and the totals before and inside the range.
#include "core/Program.h"

namespace tess {

void BCOUNT(Program& p, int ch, int v);  // add slot (ch, v) to the totals before the range
void TCOUNT(Program& p, int ch, int v);  // add slot (ch, v) to the totals inside the range

// The count file and index: find the count file, build it when asked or missing
// (or damaged when INDX is "N"), and load the five count tables from it.
// Notices (skipped bank lines, missing specialty files, a rebuilt count
// file) are shown and wait for Return; bad bank files go back to the title.
void prepareCounts(Program& p);

// The range totals: BCOUNT over every slot before the range, TCOUNT over the range.
void countRange(Program& p);

// The summary and each specialty's coverage (after the check for too few
// regular questions): the two summary lines at the cursor, the quizzes each specialty covers, TEMPF.
void rangeSummary(Program& p);

void SPECOUNT(Program& p, int X, int Y, int S);  // specialty counts of slot (X, Y) to sector S

}  // namespace tess
