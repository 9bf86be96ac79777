#include <cstdio>
#include <exception>

#include "console/Random.h"
#include "console/TerminalConsole.h"
#include "run/Driver.h"

int main() {
    // Whatever way the program dies, the terminal is given back first.
    std::set_terminate([] {
        tess::TerminalConsole::emergencyRestore();
        std::fputs("tessarin: fatal error\n", stderr);
        std::abort();
    });
    if (auto why = tess::TerminalConsole::unusableReason()) {
        std::fprintf(stderr, "%s\n", why->c_str());
        return 1;
    }
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
