#include "run/BatchRun.h"

#include "console/TextFile.h"
#include "run/Driver.h"
#include "core/StyleFile.h"
#include "specc9/Config.h"

namespace tess {

namespace {

// Tells the report once, whichever way the run was left.
class StopWatch : public RunReport {
public:
    explicit StopWatch(RunReport& to) : to_(to) {}
    void stage(const std::string& s) override { to_.stage(s); }
    void warning(const std::string& s) override { to_.warning(s); }
    void stopped(const std::string& s) override {
        told_ = true;
        to_.stopped(s);
    }
    void result(const std::string& s) override { to_.result(s); }
    bool told() const { return told_; }

private:
    RunReport& to_;
    bool told_ = false;
};

}  // namespace

BatchEnd runStoredStyle(Program& p, const std::string& name) {
    StopWatch watch(p.report());
    RunReport* const was = p.reporter;
    p.reporter = &watch;
    struct Restore {
        Program& p;
        RunReport* was;
        ~Restore() { p.reporter = was; }
    } restore{p, was};

    auto stop = [&](const std::string& why, BatchEnd end = BatchEnd::CannotGoOn) {
        if (!watch.told()) watch.stopped(why);
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
    } catch (const RestartRun&) {
        return stop("The run went back to the title.");
    } catch (const ExitProgram&) {
        return stop("The run settings file " + std::string(RUN_SETTINGS_FILE) + " asked to leave the program.");
    } catch (const PromptLoops& e) {
        return stop(e.what());
    } catch (const FileError& e) {
        // The run's unfinished files are gone by now, as in the full-screen program.
        return stop(std::string(e.what()) + " The run stopped; the packet and list files of the last run are kept.",
                    BatchEnd::FileFailed);
    }
    return BatchEnd::Done;
}

}  // namespace tess
