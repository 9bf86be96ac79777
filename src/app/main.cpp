#include <csignal>
#include <cstdio>
#include <exception>

#include "app/ExitStatus.h"
#include "console/FolderLock.h"
#include "console/Random.h"
#include "console/TerminalConsole.h"
#include "console/TextFile.h"
#include "run/Driver.h"

int main() {
    // Whatever way the program dies, the terminal is given back first.
    std::set_terminate([] {
        tess::TerminalConsole::emergencyRestore();
        tess::TempFileRegistry::removeAll();
        std::fputs("tessarin: fatal error\n", stderr);
        std::abort();
    });
    if (auto why = tess::TerminalConsole::unusableReason()) {
        std::fprintf(stderr, "%s\n", why->c_str());
        return 1;
    }
    // A file-size limit then fails the write (EFBIG), which the run reports,
    // instead of killing the program halfway through a file.
    std::signal(SIGXFSZ, SIG_IGN);
    tess::FolderLock lock(".");
    if (!lock.message().empty()) std::fprintf(stderr, "tessarin: %s\n", lock.message().c_str());
    if (!lock.held()) return tess::exitstatus::REFUSED;
    std::string fatal;
    int code = 0;
    try {
        tess::TerminalConsole con;
        tess::Random rnd;
        tess::Program p(con, rnd);
        code = tess::runProgram(p);
    } catch (const tess::TerminalUnusable& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        fatal = e.what();  // the console is gone by now: the message lands on a sane terminal
        code = 2;
    } catch (...) {
        fatal = "unexpected failure";
        code = 2;
    }
    if (!fatal.empty()) std::fprintf(stderr, "tessarin: fatal error: %s\n", fatal.c_str());
    return code;
}
