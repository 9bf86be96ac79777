#pragma once
// Reading a bank file from the start of the range, sector after sector, by
// counting lines the way the index build counted them. A file that no longer
// matches the count file (missing, shorter, or a question outside the sector
// the counts put it in) is reported and the run goes back to the title: the
// count file must be rebuilt.
#include <string>
#include <string_view>

#include "core/Kinds.h"
#include "core/Program.h"
#include "material/BankFile.h"

namespace tess {

class SectorWalk {
public:
    // `before`: the file's counted lines before the range; `kind` names the
    // questions in messages ("regular", "CV reference").
    SectorWalk(Program& p, const std::string& file, int before, std::string kind);
    // The next question, valid until the next call; it must lie inside sector s.
    std::string_view next(int s);
    // Whether the last line lives only until the next call (BankLineReader).
    bool lastConverted() const { return in_.lastConverted(); }
    // The file's bytes, which every other line is a view of.
    std::shared_ptr<const FileBytes> bytes() const { return read_ ? read_->bytes : nullptr; }

private:
    [[noreturn]] void outOfDate(const std::string& why);
    Program& p_;
    std::string file_, kind_;
    const BankBytes* read_;  // as the run read it (RunState::bankFiles)
    BankReader in_;
    int sector_ = 0, first_ = 0, last_ = 0;  // the bounds of the last sector asked for (chapter * 100 + verse)
};

// A kind's lines of the range from its RunState::banks entry: on the first
// call of a run (or when its file, its count before the range or the sector
// counts changed) the file is walked sector by sector with every check of a
// SectorWalk, and every later call takes the lines from memory. `counts`
// gives each sector's questions (the same table the walk would have counted
// through).
const RangeLines& rangeLines(Program& p, const Kind& kind, const BySector<int>& counts);

// Lets the next run read its files again (they may have changed between runs).
void forgetRangeLines(RunState& r);

}  // namespace tess
