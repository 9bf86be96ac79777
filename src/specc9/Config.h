#pragma once
#include "run/Program.h"

namespace tess {

// The configuration form: on return "temp2.txt" names the chosen style (or
// "Exit") and the style file has been written.
void SPECS2(Program& p);

// Runs the style "temp2.txt" already names, as it is stored: loads it into
// the configuration unit's copy without showing the form. Whole-run tests
// and scripted use configure the run this way (Program::configure).
void useStoredStyle(Program& p);

// The form left at once for the style "temp2.txt" names, as Esc and Return
// on its title line leave it: the style is loaded as the menu loads it,
// checked by the form's rules and accepted (its style file rewritten, the
// list and "temp2.txt" updated), with no field edited. What the form would
// refuse restarts the run with the reason (failRestart).
void acceptStoredStyle(Program& p);

}  // namespace tess
