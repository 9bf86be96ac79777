#pragma once
// The help of the full-screen program, all of it in one place: F1 on any
// screen (and ? where it is no value) shows the keys of the screen as it
// stands; on the form, also what the field under the cursor means, its range
// and the values this folder's bank has files for.
#include <string>
#include <vector>

#include "core/Program.h"

namespace tess {

// The rows of the help page for what the screen shows now; none when `question`
// (the key was ?) and ? is a value or an answer on that screen.
std::vector<std::string> helpPage(const Program& p, bool question);

// Makes the screen answer F1 and ? with helpPage.
void installHelp(Program& p);

}  // namespace tess
