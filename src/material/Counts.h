#pragma once
// Question counts per chapter and verse slot: the index build, the count
// file, and the totals before and inside the range.
#include <span>

#include "core/Kinds.h"
#include "core/Program.h"

namespace tess {

// The count file and index: find the count file, build it when asked or missing
// (or damaged when INDX is "N"), and load every kind's count table from it.
// Notices (skipped bank lines, missing specialty files, a rebuilt count
// file) are shown and wait for Return; bad bank files go back to the title.
void prepareCounts(Program& p);

// The range totals of every kind: before the range (BEFORE ...) and inside it (TQUEST ...).
void countRange(Program& p);

// The summary and each specialty's coverage (after the check for too few
// regular questions): the two summary lines at the cursor, the quizzes each specialty covers, TEMPF.
void rangeSummary(Program& p);
void drawRangeSummary(Console& c, const RunState& r);  // its screen: what a quiz holds, the totals of the range

// Adds the counts of slot (X, Y) of each of `kinds` to sector S (QPS ...):
// the sectorings take KINDS, or SPECIALTIES where the regular questions are
// shared out apart. The tables equal the count file once it is loaded.
void countSlot(RunState& r, std::span<const Kind> kinds, int X, int Y, int S);

}  // namespace tess
