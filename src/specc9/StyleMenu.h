#pragma once
// The style menu: the names of "Specs.lst", "Enter New Specs" and "Exit",
// one highlighted; Return chooses, Shift-D deletes a name from the list.
#include <optional>
#include <string>
#include <vector>

#include "core/Program.h"
#include "specc9/StyleLibrary.h"

namespace tess {

struct StyleMenu {
    StyleList list;
    std::vector<std::string> FIL;  // the entries shown, "Enter New Specs" and "Exit" last
    int X = 0;                     // entry X is "Enter New Specs", X + 1 "Exit"
    int FLS = 0;                   // style names shown
};

// Draws the heading and every entry of the list as it is on disk.
void TOPMENU(Program& p, StyleMenu& m);

// Runs the menu until an entry is chosen: the entry's text, or nothing for
// "Exit".
std::optional<std::string> chooseStyle(Program& p);

}  // namespace tess
