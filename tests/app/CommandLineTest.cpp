// The command line as a user meets it: the real binary, its streams and exit
// statuses.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "app/ExitStatus.h"
#include "app/RunCommand.h"
#include "core/Version.h"

using tess::testing::runTessarin;
namespace es = tess::exitstatus;

TEST(CommandLine, HelpAndVersionOnStdout) {
    for (const char* flag : {"--help", "-h"}) {
        const auto r = runTessarin(flag);
        EXPECT_EQ(r.status, es::OK) << flag;
        EXPECT_EQ(r.err, "") << flag;
        for (const char* shown : {"init", "-C,--dir DIR", "--version", "Exit status: 0 done", "70 internal fault"})
            EXPECT_NE(r.out.find(shown), std::string::npos) << flag << " lacks " << shown << ":\n" << r.out;
        std::istringstream lines(r.out);
        int count = 0;
        for (std::string l; std::getline(lines, l); ++count) EXPECT_LE(l.size(), 80u) << l;
        EXPECT_LE(count, 24) << "more than one screen:\n" << r.out;
    }
    const auto v = runTessarin("--version");
    EXPECT_EQ(v.status, es::OK);
    EXPECT_EQ(v.out, std::string("tessarin ") + tess::PROGRAM_VERSION + "\n");
    const auto sub = runTessarin("init --help");
    EXPECT_EQ(sub.status, es::OK);
    EXPECT_NE(sub.out.find("Usage: tessarin init"), std::string::npos) << sub.out;
}

TEST(CommandLine, UsageErrorsNameTheCulpritAndPointAtHelp) {
    struct Case {
        const char* args;
        const char* first;  // the first line on stderr
        const char* hint;
    };
    const Case cases[] = {
        {"frob", "tessarin: unknown command 'frob'", "Try 'tessarin --help'"},
        {"--frob", "tessarin: unknown option '--frob'", "Try 'tessarin --help'"},
        {"init --frob", "tessarin: unknown option '--frob'", "Try 'tessarin init --help'"},
        {"init a b", "tessarin: unexpected argument 'b'", "Try 'tessarin init --help'"},
        {"-C /nonexistent/tess init", "tessarin: --dir: cannot work in /nonexistent/tess: No such file or directory",
         "Try 'tessarin --help'"},
        {"-C", "tessarin: --dir: 1 required DIR missing", "Try 'tessarin --help'"},
    };
    for (const Case& c : cases) {
        const auto r = runTessarin(c.args);
        EXPECT_EQ(r.status, es::USAGE) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), c.first) << c.args;
        EXPECT_NE(r.err.find(c.hint), std::string::npos) << c.args << ": " << r.err;
    }
}

// `help COMMAND` is `COMMAND --help`; what standard output did not take is a
// file error, for every command and for the help itself.
TEST(CommandLine, HelpCommandAndWriteErrorsOnStandardOutput) {
    EXPECT_EQ(runTessarin("help").out, runTessarin("--help").out);
    for (const char* cmd : {"init", "run", "check", "pdf"})
        EXPECT_EQ(runTessarin(std::string("help ") + cmd).out, runTessarin(std::string(cmd) + " --help").out) << cmd;
    const auto unknown = runTessarin("help frob");
    EXPECT_EQ(unknown.status, es::USAGE);
    EXPECT_EQ(unknown.err.substr(0, unknown.err.find('\n')), "tessarin: unknown command 'frob'") << unknown.err;
    tess::testing::ScratchDir io;
    for (const char* args : {"--help", "--version", "help run", "check -C " TESS_SOURCE_DIR "/data/luke"}) {
        const int st = std::system((std::string(TESS_BINARY) + " " + args + " >/dev/full 2>" + io.file("err")).c_str());
        EXPECT_EQ(WEXITSTATUS(st), es::FILE_ERROR) << args;
        EXPECT_EQ(io.read("err"), "tessarin: cannot write to standard output: No space left on device\n") << args;
    }
}

TEST(CommandLine, WithoutACommandTheFullScreenProgramNeedsATerminal) {
    const auto r = runTessarin("");
    EXPECT_EQ(r.status, es::REFUSED);
    EXPECT_NE(r.err.find("terminal"), std::string::npos) << r.err;
    EXPECT_EQ(runTessarin("", "TESSARIN_SEED=12ab").status, es::USAGE);
}

// The man page is written by hand; it must not drift from the program.
TEST(CommandLine, ManPageHasTheVersionAndEveryExitStatus) {
    std::ifstream in(TESS_SOURCE_DIR "/docs/tessarin.1");
    const std::string man((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(man.find(std::string("\"tessarin ") + tess::PROGRAM_VERSION + "\""), std::string::npos);
    for (int st : {es::OK, es::REFUSED, es::USAGE, es::FINDINGS, es::MEND, es::FILE_ERROR, es::FAULT})
        EXPECT_NE(man.find("\n.B " + std::to_string(st) + "\n"), std::string::npos) << "exit status " << st;
}
