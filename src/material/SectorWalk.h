#pragma once
// Reading a bank file from the start of the range, sector after sector, by
// counting lines the way the index build counted them. A file that no longer
// matches the count file (missing, shorter, or a question outside the sector
// the counts put it in) is reported and the run goes back to the title: the
// count file must be rebuilt.
#include <string>

#include "material/BankFile.h"
#include "core/Program.h"

namespace tess {

class SectorWalk {
public:
    // `before`: the file's counted lines before the range; `kind` names the
    // questions in messages ("regular", "CV reference").
    SectorWalk(Program& p, const std::string& file, int before, std::string kind);
    void skip(int s, int n);  // passes over n questions of sector s
    std::string next(int s);  // the next question; it must lie inside sector s

private:
    [[noreturn]] void outOfDate(const std::string& why);
    Program& p_;
    std::string file_, kind_;
    BankReader in_;
};

}  // namespace tess
