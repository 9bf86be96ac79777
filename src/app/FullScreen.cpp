#include "app/FullScreen.h"

#include <cstdio>
#include <exception>
#include <string>

#include "app/ExitStatus.h"
#include "app/FirstStart.h"
#include "app/Help.h"
#include "app/Workspace.h"
#include "console/FolderLock.h"
#include "console/Random.h"
#include "console/TerminalConsole.h"
#include "core/Messages.h"
#include "run/Driver.h"
#include "run/ScreenAsk.h"

namespace tess {

int runFullScreen() {
    if (auto bad = badSeedInEnvironment()) {
        std::fprintf(stderr, "tessarin: %s\n", bad->c_str());
        return exitstatus::USAGE;
    }
    if (auto why = TerminalConsole::unusableReason()) {
        std::fprintf(stderr, "tessarin: %s\n", why->c_str());
        return exitstatus::REFUSED;
    }
    FolderLock lock(".");
    if (!lock.message().empty()) std::fprintf(stderr, "tessarin: %s\n", lock.message().c_str());
    if (!lock.held()) return exitstatus::REFUSED;
    std::string fatal, refused;
    int code = exitstatus::OK;
    try {
        TerminalConsole con;
        Random rnd;
        ScreenAsk screen(con);
        Program p(rnd);
        p.asker = &screen;
        installHelp(p);
        if (isEmptyWorkingFolder(p.dir)) offerFirstStart(p, findSample(sampleCandidates()));
        // A bad book file would stop every run: say so once and leave.
        if (std::string why; !readMaterial(p.file(BOOK_FILE), p.material, why)) {
            showRestart(p, RestartRun{why});
            refused = why;
            code = exitstatus::MEND;
        } else {
            code = runProgram(p);
        }
    } catch (const TerminalUnusable& e) {
        std::fprintf(stderr, "tessarin: %s\n", e.what());
        return exitstatus::REFUSED;
    } catch (const std::exception& e) {
        fatal = e.what();  // the console is gone by now: the message lands on a sane terminal
        code = exitstatus::FAULT;
    } catch (...) {
        fatal = "unexpected failure";
        code = exitstatus::FAULT;
    }
    if (!refused.empty()) std::fprintf(stderr, "tessarin: %s\n", refused.c_str());
    if (!fatal.empty()) std::fprintf(stderr, "tessarin: fatal error: %s\n", fatal.c_str());
    return code;
}

}  // namespace tess
