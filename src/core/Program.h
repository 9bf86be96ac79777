#pragma once
// The program context: one per process (tests make their own). Every stage
// is a procedure `void STAGE(Program&)` working on named items of it.
#include <filesystem>
#include <stdexcept>
#include <string>

#include "console/Console.h"
#include "console/Random.h"
#include "core/RunState.h"
#include "core/Season.h"
#include "core/Settings.h"

namespace tess {

// What a run tells besides its screens, for a run nobody watches (tessarin
// run prints it on standard error). The full-screen program keeps the silent
// one, so what it shows and writes does not depend on this.
struct RunReport {
    virtual ~RunReport() = default;
    virtual void stage(const std::string&) {}    // a phase of the run begins ("quiz 17 of 135")
    virtual void warning(const std::string&) {}  // a warning or notice the screen shows
    virtual void stopped(const std::string&) {}  // why the run goes back to the title
    virtual void result(const std::string&) {}   // a line of the closing screen
};

struct Program {
    Program(Console& c, Random& r, std::filesystem::path workDir = ".") : con(c), rnd(r), dir(std::move(workDir)) {}

    RunState run;
    Specc9 cfg;
    SharedSettings shared;
    Console& con;
    Random& rnd;
    std::filesystem::path dir;  // the working directory all files live in

    // The configuration step of a run; null means the configuration form.
    // Tests set it to run a stored style without driving the form.
    void (*configure)(Program&) = nullptr;

    // The season of meets this run draws around and adds to (core/Season.h).
    SeasonRun season;

    // Where the stages report; null: nowhere.
    RunReport* reporter = nullptr;
    RunReport& report() {
        static RunReport silent;
        return reporter ? *reporter : silent;
    }

    // A file of the working directory.
    std::string file(const std::string& name) const { return (dir / name).string(); }
};

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
