#pragma once
// A run with nobody at the keyboard (tessarin run): the same stages as the
// full-screen run (runOnce), given the answers of a user who presses on, on
// a screen nobody sees. What the user would read there reaches them through
// the run's report (Program::reporter).
#include <cstddef>
#include <stdexcept>
#include <string>

#include "console/Console.h"
#include "core/Program.h"

namespace tess {

// Thrown when a run reads more keys than any run that goes on needs: a
// prompt that Return does not answer would otherwise ask for ever.
struct PromptLoops : std::runtime_error {
    PromptLoops()
        : std::runtime_error(
              "The run stopped at a screen that pressing Return does not get past; open the style in the "
              "full-screen program to see it.") {}
};

// The in-memory grid answering every key read with Return. Every prompt a
// run on a stored style meets takes Return as the pressing-on answer: the
// pattern review accepts all, the chapter shares keep their dealt values,
// the sector tables go on, "Do you wish to resector?" (a key, then a line)
// is declined, the approval menu takes its first choice (automatic), and
// every notice goes on. A run whose prompts need another answer would need a
// hook deciding by the prompt; none does.
class PressOnConsole : public Console {
public:
    explicit PressOnConsole(std::size_t maxReads = 2000) : maxReads_(maxReads) {}
    bool keyPressed() override { return true; }
    void waitKey() override {}
    std::size_t reads() const { return reads_; }

protected:
    int fetchKey() override {
        if (++reads_ > maxReads_) throw PromptLoops();
        return key::Return;
    }

private:
    std::size_t maxReads_;
    std::size_t reads_ = 0;
};

enum class BatchEnd {
    Done,
    CannotGoOn,  // went back to the title: the style or the bank is to mend
    FileFailed,  // a file could not be written (a full disk, a file-size limit)
};

// Runs the stored style `name` once on `p` (over a PressOnConsole): names it
// in "temp2.txt" as the style menu does, accepts it as the form does on
// Esc and Return (acceptStoredStyle), and runs it. When the run goes back to
// the title, the report has been told why (RunReport::stopped), no packet or
// list file is replaced, and CannotGoOn is returned; when a file could not
// be written (FileError, which the full-screen program tells and goes back
// to the title on), the same with FileFailed.
BatchEnd runStoredStyle(Program& p, const std::string& name);

}  // namespace tess
