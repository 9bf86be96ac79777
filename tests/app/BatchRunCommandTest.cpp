// `tessarin run` as a script meets it: no terminal anywhere, several styles,
// the exit status of the worst.
#include <gtest/gtest.h>

#include <filesystem>

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
