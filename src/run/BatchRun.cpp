#include "run/BatchRun.h"

#include "console/TextFile.h"
#include "core/StyleFile.h"
#include "material/ChapterSectoring.h"
#include "run/Driver.h"
#include "specc9/Config.h"
#include "specc9/SpecialtyNumbers.h"

namespace tess {

void PressOnAsk::chapterShares(Program& p, int) {
    if (const ShareCheck check = checkShares(p); !check.ok()) throw RestartRun{check.why()};
}

void PressOnAsk::specialtyNumbers(Program& p) {
    if (const std::string why = acceptStoredNumbers(p); !why.empty()) throw RestartRun{why};
}

BatchEnd runStoredStyle(Program& p, PressOnAsk& ask, const std::string& name) {
    Ask* const was = p.asker;
    p.asker = &ask;
    struct Restore {
        Program& p;
        Ask* was;
        ~Restore() { p.asker = was; }
    } restore{p, was};

    auto stop = [&](const std::string& why, BatchEnd end = BatchEnd::CannotGoOn) {
        if (!ask.stopTold()) ask.tell({Event::Kind::Stopped, why});
        return end;
    };
    // "Exit" in "temp2.txt" ends the program instead of running a style.
    if (isExitRequest(name)) return stop("\"Exit\" is the style menu's way out, not a style.");
    if (const std::string why = styleFileNameProblem(name); !why.empty()) return stop(why);
    if (const WriteOutcome w = writeFileAtomic(p.file(RUN_SETTINGS_FILE), {name}); !w)
        return stop(std::string("Cannot write the run settings file ") + RUN_SETTINGS_FILE + w.where() + ".",
                    BatchEnd::FileFailed);

    p.configure = acceptStoredStyle;
    try {
        runOnce(p);
    } catch (const RestartRun& e) {
        return stop(e.message.empty() ? "The run went back to the title." : e.message);
    } catch (const ExitProgram&) {
        return stop("The run settings file " + std::string(RUN_SETTINGS_FILE) + " asked to leave the program.");
    } catch (const FileError& e) {
        // The run's unfinished files are gone by now, as in the full-screen program.
        return stop(std::string(e.what()) + " The run stopped; the packet and list files of the last run are kept.",
                    BatchEnd::FileFailed);
    }
    return BatchEnd::Done;
}

}  // namespace tess
