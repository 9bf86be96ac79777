#pragma once
// The program context: one per process (tests make their own). Every stage
// is a procedure `void STAGE(Program&)` working on named items of it.
#include <filesystem>
#include <stdexcept>
#include <string>

#include "console/Console.h"
#include "console/Random.h"
#include "core/Ask.h"
#include "core/Material.h"
#include "core/RunState.h"
#include "core/Season.h"
#include "core/Settings.h"

namespace tess {

struct Program {
    explicit Program(Random& r, std::filesystem::path workDir = ".") : rnd(r), dir(std::move(workDir)) {}

    RunState run;
    Specc9 cfg;
    SharedSettings shared;
    Random& rnd;
    std::filesystem::path dir;  // the working directory all files live in
    Material material;          // the folder's books and left-out chapters

    // The chapters this run's material set has no questions in.
    const LeftOut& leftOut() const { return material.leftOut(run.LG); }

    // The configuration step of a run; null means the configuration form.
    // Tests set it to run a stored style without driving the form.
    void (*configure)(Program&) = nullptr;

    // The season of meets this run draws around and adds to (core/Season.h).
    SeasonRun season;

    // What the run asks of its user and tells them: set by the front end
    // (or the test) that drives the run.
    Ask* asker = nullptr;
    Ask& ask() const {
        if (!asker) throw std::logic_error("a run needs an Ask to answer its questions");
        return *asker;
    }
    void tell(Event::Kind kind, const std::string& text) { ask().tell({kind, text}); }

    // A file of the working directory.
    std::string file(const std::string& name) const { return (dir / name).string(); }
};

// The screen of the front end that has one (the full-screen program's, held
// by its Ask): the configuration unit and the screen helpers draw on it. A
// run with nobody at the keyboard has no screen; asking for it is a fault.
inline Console& screenOf(const Program& p) {
    if (Console* c = p.ask().screen()) return *c;
    throw std::logic_error("a run with nobody at the keyboard has no screen");
}

// Thrown by a stage to go back to the start of the run (the title screen).
// A stage does not show the message itself: whoever runs the stages catches
// it and tells the user (showRestart), so no stage waits for a key to leave.
// Without a message the stage has already said what there was to say.
struct RestartRun {
    std::string message;
};

// Thrown to end the program with an exit code (the "Exit" style).
struct ExitProgram {
    int code = 0;
};

}  // namespace tess
