#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "app/Commands.h"
#include "app/ExitStatus.h"
#include "console/SignalGuard.h"
#include "console/TerminalConsole.h"
#include "console/TextFile.h"

int main(int argc, char** argv) {
    // Before anything is written: every command's temporary files and lock
    // go with a signal, and a file-size limit fails the write instead.
    tess::guardFatalSignals();
    // Whatever way the program dies, the terminal is given back first.
    std::set_terminate([] {
        tess::TerminalConsole::emergencyRestore();
        tess::TempFileRegistry::removeAll();  // the run's unfinished files and the folder lock
        std::fputs("tessarin: fatal error\n", stderr);
        std::_Exit(tess::exitstatus::FAULT);
    });
    CLI::App app;
    tess::setUpCommandLine(app);
    int status = tess::exitstatus::OK;
    // The commands, one line each (see app/Commands.h).
    tess::addInitCommand(app, status);
    tess::addRunCommand(app, status);
    tess::addCheckCommand(app, status);
    tess::addPdfCommand(app, status);
    tess::addSeasonCommand(app, status);
    return tess::runCommandLine(app, argc, argv, status);
}
