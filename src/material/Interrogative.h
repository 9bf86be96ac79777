#pragma once
// The interrogative index, and the walk over the regular questions of the
// range sector by sector that it shares with quiz assembly.
#include <string>
#include <string_view>

#include "material/BankFile.h"
#include "run/Program.h"

namespace tess {

void COUNTINT(Program& p);  // marks the interrogative regular questions in INT

// True when the question text of a regular bank line (from column 7) opens
// with a question word.
bool isInterrogative(std::string_view bankLine);

// Reads the regular file from the start of the range, one sector after the
// other. Each line read must lie inside its sector; a file that does not
// match the count file (shorter, or edited since the count file was built)
// is reported and the run goes back to the title.
class RegularWalk {
public:
    explicit RegularWalk(Program& p);
    // The next question; it belongs to sector s (the walk is in sector order).
    std::string next(int s);

private:
    [[noreturn]] void outOfDate(const std::string& why);
    Program& p_;
    BankReader in_;
};

}  // namespace tess
