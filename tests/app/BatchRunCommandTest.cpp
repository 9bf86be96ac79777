// `tessarin run` as a script meets it: no terminal anywhere, several styles,
// the exit status of the worst.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <vector>

#include "app/ExitStatus.h"
#include "app/RunCommand.h"
#include "console/FolderLock.h"

using namespace tess::testing;
namespace es = tess::exitstatus;

namespace {

struct Folder : ScratchDir {
    Folder() { copySampleBank(); }
};

bool has(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

}  // namespace

TEST(RunCommand, StdinClosedStdoutAFileKeepGoingPastAStyleThatCannotRunWithPdfs) {
    Folder d;
    const auto r =
        runTessarin("-C " + d.path().string() + " run Book20 Nope Ch1to8 --seed 3 --keep-going --pdf", "", "<&-");
    EXPECT_EQ(r.status, es::MEND) << r.err;
    // Standard output is the files written, one a line, for the script.
    EXPECT_EQ(r.out, "book20.qui\nbook20.inf\nbook20.pdf\nch1to8.qui\nch1to8.inf\nch1to8.pdf\n");
    EXPECT_TRUE(has(r.err, "saved as book20.inf\n") && has(r.err, "ASCII text file ch1to8.qui\n")) << r.err;
    EXPECT_TRUE(has(r.err, "tessarin: Nope: There is no style file Nope.spe.\n")) << r.err;
    EXPECT_TRUE(has(r.err, "tessarin: Book20: quiz 11 of 12\ntessarin: Book20: quiz 12 of 12\n")) << r.err;
    EXPECT_FALSE(d.read("ch1to8.qui").empty());
    EXPECT_EQ(d.read("book20.pdf").rfind("%PDF-", 0), 0u);

    // Without --keep-going the first style that cannot run is the last; --quiet keeps only the why.
    Folder e;
    const auto q = runTessarin("-C " + e.path().string() + " run Nope Book20 --quiet");
    EXPECT_EQ(q.status, es::MEND);
    EXPECT_EQ(q.out, "");
    EXPECT_EQ(q.err, "tessarin: Nope: There is no style file Nope.spe.\n");
    EXPECT_FALSE(std::filesystem::exists(e.path() / "book20.qui"));
    // A name holding a control character is told with the byte as "?", never written raw.
    EXPECT_EQ(runTessarin("-C " + e.path().string() + " run \"$(printf 'a\\001b')\" --quiet").err,
              "tessarin: a?b: The style name \"a?b\" holds a control character (shown as ?); styles are kept in this "
              "folder.\n");
    const std::string packet = d.read("book20.qui");
    const auto quiet = runTessarin("-C " + d.path().string() + " run Book20 --quiet --seed 3");
    EXPECT_EQ(quiet.out, "book20.qui\nbook20.inf\n");
    EXPECT_EQ(quiet.err, "");
    EXPECT_EQ(d.read("book20.qui"), packet);

    // A seed is a number from 0 to 2^64-1, nothing else; an empty TESSARIN_SEED is unset.
    for (const char* bad : {"--seed ''", "--seed -1", "--seed 18446744073709551616", "--seed 7x"}) {
        const auto s = runTessarin("-C " + d.path().string() + " run Book20 " + bad);
        EXPECT_EQ(s.status, es::USAGE) << bad << ": " << s.err;
    }
    for (const char* env : {"TESSARIN_SEED=abc", "TESSARIN_SEED=-1"}) {
        const auto s = runTessarin("-C " + d.path().string() + " run Book20", env);
        EXPECT_EQ(s.status, es::USAGE) << env;
        EXPECT_TRUE(has(s.err, "is not a seed")) << s.err;
    }
    EXPECT_EQ(runTessarin("-C " + d.path().string() + " run Book20 -q", "TESSARIN_SEED=").status, es::OK);

    // A folder where another program runs is refused, and nothing is written.
    tess::FolderLock other(e.path());
    const auto busy = runTessarin("-C " + e.path().string() + " run Book20 --quiet");
    EXPECT_EQ(busy.status, es::REFUSED);
    EXPECT_TRUE(has(busy.err, "tessarin: ")) << busy.err;
    EXPECT_FALSE(std::filesystem::exists(e.path() / "book20.qui"));
}

namespace {

int partFiles(const std::filesystem::path& dir) {
    int n = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) n += e.path().extension() == ".part";
    return n;
}

}  // namespace

// A signal at any moment of `tessarin run` (several styles in a row, so it
// falls in the middle of one) ends it with the signal's status and takes its
// unfinished files and the folder lock with it.
TEST(RunCommand, EachCatchableSignalLeavesNoTemporaryFileAndNoLock) {
    Folder d;
    const std::string dir = d.path().string();
    int delay = 0;
    for (int sig : {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2, SIGALRM, SIGPIPE}) {
        SCOPED_TRACE(sig);
        const pid_t child = ::fork();
        if (child == 0) {
            ::signal(sig, SIG_DFL);  // as a shell would give it, whatever the test runner ignores
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 1);
            ::dup2(null, 2);
            std::vector<const char*> argv = {TESS_BINARY, "-C", dir.c_str(), "run", "--quiet"};
            // Far more styles than the latest signal needs: twelve once lasted
            // past it, but the runs have grown fast enough to end before it.
            for (int i = 0; i < 200; ++i) argv.push_back(i % 2 ? "Ch1to8" : "Book20");
            argv.push_back(nullptr);
            ::execv(TESS_BINARY, const_cast<char* const*>(argv.data()));
            ::_exit(127);
        }
        for (int i = 0; i < 2000 && !std::filesystem::exists(d.file(tess::LOCK_FILE)); ++i) ::usleep(1000);
        ::usleep(static_cast<useconds_t>(20000 + (delay += 13000) % 60000));  // a different moment each time
        ::kill(child, sig);
        int st = 0;
        ::waitpid(child, &st, 0);
        ASSERT_TRUE(WIFSIGNALED(st)) << "the run ended before the signal: status " << st;
        EXPECT_EQ(WTERMSIG(st), sig);
        EXPECT_EQ(partFiles(d.path()), 0);
        EXPECT_FALSE(std::filesystem::exists(d.file(tess::LOCK_FILE)));
    }
}

// Under a file-size limit each command's write fails with "File too large"
// (the signal the limit raises is passed over), told with the file and its
// folder; nothing half-written is left and the last good files stay.
TEST(RunCommand, RunPdfAndInitUnderAFileSizeLimitSayFileTooLargeAndLeaveNothing) {
    const auto limited = [](int kb) { return "sh -c 'ulimit -f " + std::to_string(kb) + "; exec \"$0\" \"$@\"'"; };
    Folder d;
    ASSERT_EQ(runTessarin("-C " + d.path().string() + " run Book20 --quiet").status, es::OK);
    const std::string qui = d.read("book20.qui"), inf = d.read("book20.inf");
    ASSERT_GT(qui.size(), 40u * 1024);  // the packet is the file over the limit
    const auto run = runTessarin("-C " + d.path().string() + " run Book20 --quiet --seed 9", limited(40));
    EXPECT_EQ(run.status, es::FILE_ERROR);
    EXPECT_EQ(run.err, "tessarin: Book20: book20.qui could not be written in " + d.path().string() +
                           " (File too large). The run stopped; the packet and list files of the last run are kept.\n");
    EXPECT_EQ(d.read("book20.qui"), qui);
    EXPECT_EQ(d.read("book20.inf"), inf);
    EXPECT_FALSE(std::filesystem::exists(d.file(tess::LOCK_FILE)));

    const auto pdf = runTessarin("pdf " + d.file("book20.qui"), limited(4));
    EXPECT_EQ(pdf.status, es::FILE_ERROR);
    EXPECT_EQ(pdf.err, "tessarin: book20.pdf could not be written in " + d.path().string() + " (File too large).\n");
    EXPECT_FALSE(std::filesystem::exists(d.file("book20.pdf")));
    EXPECT_EQ(partFiles(d.path()), 0);

    ScratchDir e;
    const auto init = runTessarin("init " + e.path().string(), "TESSARIN_DATA=" + BANK + " " + limited(40));
    EXPECT_EQ(init.status, es::FILE_ERROR);
    EXPECT_TRUE(has(init.err, " could not be written in " + e.path().string() + " (File too large).")) << init.err;
    EXPECT_EQ(partFiles(e.path()), 0);
}

// Luke cut into two made-up books (Lucas 1-12, Jude 1-12 for Luke 13-24):
// the same bank, seed and choices, so every reference the Luke packet and
// list print beyond chapter 12 must come out as Jude's own chapter.
TEST(RunCommand, AMadeUpMaterialOfTwoBooksPrintsEachBooksOwnChapters) {
    Folder luke, cut;
    for (const char* x : {"A", "B", "C", "D"})
        std::filesystem::rename(cut.path() / (std::string("Luke.") + x), cut.path() / (std::string("Lucas.") + x));
    cut.lines("Books.txt", {"# Luke in two", "L Lucas 80 52 38 44 39 49 50 56 62 42 54 59",
                            "J Jude 35 35 32 31 37 43 48 47 38 71 56 53"});
    for (const Folder* d : {&luke, &cut})
        ASSERT_EQ(runTessarin("-C " + d->path().string() + " run Book20 --seed 5 --quiet").status, es::OK);
    int jude = 0;
    for (const char* file : {"book20.qui", "book20.inf"}) {
        const auto was = luke.readLines(file), now = cut.readLines(file);
        ASSERT_EQ(was.size(), now.size()) << file;
        const std::regex ref("L ([ 1-9][0-9]):([ 0-9][0-9])");
        for (std::size_t i = 0; i < was.size(); ++i)
            for (std::sregex_iterator m(was[i].begin(), was[i].end(), ref), end; m != end; ++m) {
                const int ch = std::stoi((*m)[1].str());
                const std::string own = ch > 12 ? "J " + std::string(ch - 12 < 10 ? " " : "") +
                                                      std::to_string(ch - 12) + ":" + (*m)[2].str()
                                                : m->str();
                jude += ch > 12;
                EXPECT_TRUE(has(now[i], own)) << file << " line " << i + 1 << ": " << now[i] << " lacks " << own;
            }
    }
    EXPECT_GT(jude, 20);

    // A bad book file: the run is refused naming the line, and nothing is written.
    cut.lines("Books.txt", {"L Lucas 80", "J Jude 35 90"});
    const auto bad = runTessarin("-C " + cut.path().string() + " run Ch1to8 --quiet");
    EXPECT_EQ(bad.status, es::MEND);
    EXPECT_TRUE(has(bad.err, "Books.txt, line 2: Jude 2: \"90\" is not a verse count 1-85")) << bad.err;
    EXPECT_FALSE(std::filesystem::exists(cut.path() / "ch1to8.qui"));
    const auto check = runTessarin("-C " + cut.path().string() + " check");
    EXPECT_EQ(check.status, es::FINDINGS);
    EXPECT_TRUE(has(check.out + check.err, "Books.txt:2:")) << check.out << check.err;
}

// The shipped samples, whole, in every sectoring and layout, and their L
// sets: every reference the packet and the list file print is a verse its own
// book has (letter, chapter within that book, verse), and none is in a
// chapter the L set leaves out.
TEST(RunCommand, TheSampleMaterialsPrintEachBooksOwnReferencesInEverySectoringAndLayout) {
    struct Sample {
        std::string name, range;
        std::map<char, std::vector<int>> verses;
        std::vector<std::string> leftOut;  // by the L set
    };
    const Sample samples[] = {
        {"peter", "1 1:1 to 2 3:18", {{'1', {25, 25, 22, 19, 14}}, {'2', {21, 22, 18}}}, {"1  4", "2  2"}},
        {"james", "J 1:1 to J 5:20", {{'J', {20, 26, 18, 17, 20}}}, {"J  4"}},
    };
    const std::regex ref("(?:^|[\\s(])(\\S) ([ 1-9][0-9]):([ 0-9][0-9])");
    for (const auto& s : samples) {
        ScratchDir d;
        ASSERT_EQ(
            runTessarin("init --material " + s.name + " " + d.path().string(), "TESSARIN_DATA=" TESS_SOURCE_DIR "/data")
                .status,
            es::OK);
        for (const std::string style : {"Book20", "LSet"}) {
            auto spe = d.readLines(style + ".spe");
            ASSERT_EQ(spe.size(), 29u) << s.name << " " << style;
            for (const char* sectoring : {"V", "C", "Q"})
                for (const char* layout : {"P", "C", "T"}) {
                    spe[5] = layout;
                    spe[12] = sectoring;
                    d.lines(style + ".spe", spe);
                    const std::string run = s.name + " " + style + " layout " + layout + " sectoring " + sectoring;
                    const auto r = runTessarin("-C " + d.path().string() + " run " + style + " --seed 7 --quiet");
                    ASSERT_EQ(r.status, es::OK) << run << ": " << r.err;
                    EXPECT_TRUE(has(d.read(spe[3] + ".qui"), s.range)) << run;
                    std::map<char, int> seen;
                    int wrong = 0;
                    std::string first;  // the first three wrong lines
                    for (const char* ext : {".qui", ".inf"})
                        for (const auto& line : d.readLines(spe[3] + ext))
                            for (std::sregex_iterator m(line.begin(), line.end(), ref), end; m != end; ++m) {
                                const char book = (*m)[1].str()[0];
                                const int ch = std::stoi((*m)[2].str()), v = std::stoi((*m)[3].str());
                                const auto b = s.verses.find(book);
                                const bool ok = b != s.verses.end() && ch >= 1 && ch <= int(b->second.size()) &&
                                                v >= 1 && v <= b->second[ch - 1];
                                const bool left = style == "LSet" && std::count(s.leftOut.begin(), s.leftOut.end(),
                                                                                m->str(1) + " " + m->str(2));
                                if ((!ok || left) && ++wrong <= 3) first += "\n  " + line;
                                ++seen[book];
                            }
                    EXPECT_EQ(wrong, 0) << run << first;
                    EXPECT_EQ(seen.size(), s.verses.size()) << run;  // every book is quizzed
                }
        }
    }
}
