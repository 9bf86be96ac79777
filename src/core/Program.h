#pragma once
// The program context: one per process (tests make their own). Every stage
// is a procedure `void STAGE(Program&)` working on named items of it.
#include <filesystem>
#include <stdexcept>
#include <string>

#include "console/Console.h"
#include "console/Random.h"
#include "core/RunState.h"
#include "core/Settings.h"

namespace tess {

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

    // A file of the working directory.
    std::string file(const std::string& name) const { return (dir / name).string(); }
};

// Thrown by a stage to go back to the start of the run (the title screen).
// Whatever the user must be told has been shown before it is thrown.
struct RestartRun {};

// Thrown to end the program with an exit code (the "Exit" style).
struct ExitProgram {
    int code = 0;
};

}  // namespace tess
