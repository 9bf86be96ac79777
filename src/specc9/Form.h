#pragma once
// The configuration form: one quiz style on one screen, 32 fields, edited in
// place with the cursor keys, digits and letters.
#include "core/Program.h"

namespace tess {

// Title "Quiz Configuration -- Press Return Here When Ready" at the cursor in
// white on green (ready to accept); QCON2 draws it at (15,3) in yellow on blue
// (editing). Both leave light red on black for the values.
void QCON(Program& p);
void QCON2(Program& p);

// Small a..e into capitals; other keys as they are.
int CAPS(int key);

// Draws the whole form for the style in p.cfg / p.shared under NAME1.
void OVRLAY(Program& p);

enum class FormEnd { Accepted, Abandoned };

// Edits the drawn form from the begin chapter on until the style is accepted
// (written by OUTFILE) or abandoned with Esc on the ready line.
FormEnd editForm(Program& p);

}  // namespace tess
