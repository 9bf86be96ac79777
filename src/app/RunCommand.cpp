// `tessarin run STYLE...`: stored styles run one after the other with nobody
// at the keyboard, leaving the files the full-screen run leaves.
#include <sys/ioctl.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>

#include "app/Commands.h"
#include "app/ExitStatus.h"
#include "console/FolderLock.h"
#include "console/Random.h"
#include "core/StyleFile.h"
#include "pdf/PdfWriter.h"
#include "run/BatchRun.h"

namespace tess {

namespace {

// The answers of a user who presses on, and the run's events on standard
// error, each line "tessarin: STYLE: ...". On a terminal the stage line is
// rewritten in place (carriage return, then blanks over what is left of the
// longer line before); elsewhere each stage is a line of its own.
class StderrReport : public PressOnAsk {
public:
    // The name as the user gave it, but a control character in it as "?".
    StderrReport(const std::string& style, bool quiet)
        : style_(shownName(style)), quiet_(quiet), tty_(::isatty(2) == 1) {
        winsize ws{};
        if (tty_ && ::ioctl(2, TIOCGWINSZ, &ws) == 0 && ws.ws_col > 1) width_ = ws.ws_col - 1U;
    }
    ~StderrReport() override { endStageLine(); }

protected:
    void told(const Event& e) override {
        switch (e.kind) {
            case Event::Kind::Stage:
                stage(e.text);
                break;
            case Event::Kind::Warning:
            case Event::Kind::Stopped:
                say(e.text);
                break;
            case Event::Kind::Result:
                // The closing screen's lines are progress too; the results are the
                // names of the files, which the command prints when the run is done.
                if (quiet_) return;
                endStageLine();  // the last stage stays on the screen above the closing lines
                say(e.text);
                break;
        }
    }

private:
    void stage(const std::string& text) {
        if (quiet_) return;
        std::string line = "tessarin: " + style_ + ": " + text;
        if (!tty_) {
            std::cerr << line << '\n';
            return;
        }
        // A line that wrapped could not be rewritten by a carriage return.
        if (line.size() > width_) line.resize(width_);
        std::cerr << '\r' << line;
        if (line.size() < shown_) std::cerr << std::string(shown_ - line.size(), ' ') << '\r' << line;
        std::cerr << std::flush;
        shown_ = line.size();
    }
    // A message line takes the place of the stage line on a terminal; the
    // next stage starts its own line below it.
    void say(const std::string& text) {
        const std::size_t from = text.find_first_not_of(' ');
        const std::string line = "tessarin: " + style_ + ": " + (from == std::string::npos ? "" : text.substr(from));
        if (shown_ > 0) {
            std::cerr << '\r' << line;
            if (line.size() < shown_) std::cerr << std::string(shown_ - line.size(), ' ');
            shown_ = 0;
        } else {
            std::cerr << line;
        }
        std::cerr << std::endl;
    }
    void endStageLine() {
        if (shown_ == 0) return;
        std::cerr << std::endl;
        shown_ = 0;
    }

    std::string style_;
    bool quiet_;
    bool tty_;
    std::size_t width_ = 79;
    std::size_t shown_ = 0;  // length of the stage line on the terminal's last row; 0: none
};

struct RunOptions {
    std::vector<std::string> styles;
    std::optional<std::uint64_t> seed;
    std::string seedText;
    bool quiet = false;
    bool keepGoing = false;
    bool pdf = false;
    bool noSeason = false;
};

// A file the run wrote, named on standard output for the script that runs
// it (`for f in $(tessarin run X)`), --quiet or not.
void written(const std::string& name) { std::cout << name << '\n' << std::flush; }

// The packet file just written, as <name>.pdf beside it. A packet of the t
// layout (for spreadsheets) has no printed form: said, and not a failure.
int printPacket(Program& p, StderrReport& report) {
    const std::string name = p.shared.NAME4;
    const pdf::PdfResult r = pdf::writePdf(p.file(name + ".qui"), p.file(name + ".pdf"), pdf::PdfOptions{});
    if (r.outcome == pdf::PdfOutcome::Written) {
        report.tell({Event::Kind::Result, "The packets to print have been saved as " + name + ".pdf"});
        written(name + ".pdf");
        return exitstatus::OK;
    }
    report.tell({Event::Kind::Warning, r.message});
    return r.outcome == pdf::PdfOutcome::NotPrintable ? exitstatus::OK : exitstatus::FILE_ERROR;
}

int runOne(const RunOptions& o, const std::string& style) {
    // The stages tell the user through the Ask alone: there is no screen.
    // Each style starts from the seed, so its files do not depend on the
    // styles run before it.
    std::unique_ptr<Random> rnd = o.seed ? std::make_unique<Random>(*o.seed) : std::make_unique<Random>();
    Program p(*rnd);
    StderrReport report(style, o.quiet);
    p.season.off = o.noSeason;
    if (const BatchEnd end = runStoredStyle(p, report, style); end != BatchEnd::Done)
        return end == BatchEnd::FileFailed ? exitstatus::FILE_ERROR : exitstatus::MEND;
    const std::string name = p.shared.NAME4;
    written(name + ".qui");
    written(name + ".inf");
    return o.pdf ? printPacket(p, report) : exitstatus::OK;
}

}  // namespace

void addRunCommand(CLI::App& app, int& status) {
    CLI::App* cmd = app.add_subcommand("run", "Run stored styles with nobody at the keyboard");
    cmd->fallthrough();
    cmd->footer(
        "Runs each STYLE (a name of Specs.lst; STYLE.spe must exist) as the\n"
        "full-screen program would with every question answered by pressing on:\n"
        "the patterns as drawn, the sector tables accepted, no resectoring, the\n"
        "specialty combinations run automatically. Writes the same files:\n"
        "NAME.qui, NAME.inf, temp.txt, pat.txt, temp2.txt and the count file.\n"
        "Progress and warnings go to standard error; the names of the packet,\n"
        "list and PDF files written go to standard output, one a line, also\n"
        "with --quiet. A style that cannot run (the message says\n"
        "why) replaces no packet or list file and gives exit status 4.\n"
        "--pdf prints the packets as tessarin pdf NAME.qui does (Letter, a\n"
        "card a page); a t-layout packet is not printed. With a season file\n"
        "(tessarin season) a run leaves aside what earlier meets asked and\n"
        "adds its own questions as a meet; --no-season leaves it alone.");
    auto o = std::make_shared<RunOptions>();
    cmd->add_option("STYLE", o->styles, "The styles to run, in order")->required()->type_name("");
    cmd->add_option("--seed", o->seedText, "Seed the draws (as TESSARIN_SEED does) for files that repeat")
        ->type_name("N")
        ->check(CLI::Validator(
            [](const std::string& v) {
                return parseSeed(v) ? std::string() : std::string("N is ") + SEED_RANGE + ", not '" + v + "'";
            },
            ""));
    cmd->add_flag("-q,--quiet", o->quiet, "Only warnings and errors");
    cmd->add_flag("-k,--keep-going", o->keepGoing, "Run the other styles after one that cannot run");
    cmd->add_flag("--pdf", o->pdf, "Also write NAME.pdf of the packets to print (p and c layouts)");
    cmd->add_flag("--no-season", o->noSeason, "Run as if there were no season file (Season.txt)");
    cmd->callback([o, &status] {
        if (!o->seedText.empty()) {
            o->seed = parseSeed(o->seedText);
        } else if (auto bad = badSeedInEnvironment()) {
            commandMessage(*bad);
            status = exitstatus::USAGE;
            return;
        }
        // One run per folder, as for the full-screen program: two runs would
        // write the same packet and list files.
        FolderLock lock(".");
        if (!lock.message().empty()) std::fprintf(stderr, "tessarin: %s\n", lock.message().c_str());
        if (!lock.held()) {
            status = exitstatus::REFUSED;
            return;
        }
        status = exitstatus::OK;
        for (const std::string& style : o->styles) {
            const int one = runOne(*o, style);
            status = std::max(status, one);
            if (one != exitstatus::OK && !o->keepGoing) break;
        }
    });
}

}  // namespace tess
