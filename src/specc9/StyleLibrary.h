#pragma once
// The library of quiz styles: "Specs.lst" (one style name a line, then
// "Enter New Specs"), one style file "<name>.spe" per style, "New.spe" as the
// starting values of a new style, and "temp2.txt" naming the style to run.
// The list and the style files are the user's work: they are rewritten whole
// through a temporary file, never edited in place.
#include <string>
#include <vector>

#include "console/TextFile.h"
#include "core/Program.h"

namespace tess {

inline constexpr const char* STYLE_LIST_FILE = "Specs.lst";
inline constexpr const char* NEW_SPECS_ENTRY = "Enter New Specs";
inline constexpr const char* NEW_STYLE = "New";
inline constexpr int LIST_NAMES_MAX = 13;  // the menu table: 13 names, "Enter New Specs", "Exit"
inline constexpr int STYLE_NAME_MAX = 14;  // "temp2.txt" is read up to 14 characters

struct StyleList {
    std::vector<std::string> names;  // every style name in file order; blank lines and "Enter New Specs" left out
    bool exists = false;
    bool readable = false;
    // The list may be rewritten: read, or not there yet. An unreadable list
    // is never overwritten.
    bool writable() const { return readable || !exists; }
};

StyleList readStyleList(const Program& p);
// Writes the names and the closing "Enter New Specs" line.
WriteOutcome writeStyleList(const Program& p, const std::vector<std::string>& names);

// Why a style name cannot be used for a style file and "temp2.txt" (empty
// when it can).
std::string styleNameProblem(const std::string& name);

// The style a menu entry loads: "Enter New Specs" loads "New".
std::string CHECKNEW(const std::string& entry);

// Loads the style `name` into the form's settings (p.cfg and p.shared) and
// makes NAME1 its name. Clamped values are added to `notes`. A style that
// cannot be read leaves everything as it was, returns false, and the last
// note says why.
bool READIN(Program& p, const std::string& name, std::vector<std::string>& notes);

// The 29 lines of the style file for the form's settings.
std::vector<std::string> styleLines(const Program& p);

// Accepts the style on the form: fixes its pattern line (on the specialty
// numbers screen when SETSPC is "Y"), writes "<NAME1>.spe", adds a new name
// to the list and names the style in "temp2.txt". Returns an empty text when
// done, otherwise why nothing (or not everything) was written.
std::string OUTFILE(Program& p);

// "Exit" in "temp2.txt", without a line end.
WriteOutcome writeExitRequest(const Program& p);

}  // namespace tess
