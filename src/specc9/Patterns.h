#pragma once
// Specialty patterns: one letter per question position 1..30 for every quiz
// ("F" FTV, "R" CV Ref, "O" CO Ref, "S" SIT, "n" regular), drawn on the
// configuration unit's own settings copy and handed to the run side through
// "pat.txt".
#include <string>

#include "core/Program.h"

namespace tess {

// Draws the specialty pattern of every quiz, lets the user review it, and
// writes "pat.txt" with QNUM lines (also when the review set BACK). Settings
// that make drawing impossible restart the run with a message naming them.
void SPEC2(Program& p);

// Leaves one new pattern in p.cfg.TYP (30 letters) and its specialty count in
// p.cfg.SPECS. Random when SETSPC is "N", otherwise the style's stored pattern.
// The settings must have passed patternConflicts() (SPEC2 sees to that).
void SPECPAT(Program& p);

// Refills the form's verse table: verses of the 24 chapters of Luke.
void EVSET(Program& p);

// Kept for the form, which calls it; there is nothing to create.
void CREATESPECS(Program& p);

// The settings of p.cfg that would make pattern drawing impossible, as one
// message for the user (empty when drawing can go ahead).
std::string patternConflicts(const Program& p);

// How many questions of one kind a pattern gets: Random(max + 1) until it is at
// least `min`. With `midpoint`, a first draw off (max + min) / 2 is replaced by
// a second one. The settings must have min <= max.
int drawKindCount(Random& rnd, int min, int max, bool midpoint);

}  // namespace tess
