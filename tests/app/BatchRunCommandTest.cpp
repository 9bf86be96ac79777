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
    EXPECT_TRUE(has(r.out, "saved as book20.inf\n") && has(r.out, "ASCII text file ch1to8.qui\n")) << r.out;
    EXPECT_TRUE(has(r.err, "tessarin: Nope: There is no style file Nope.spe.\n")) << r.err;
    EXPECT_TRUE(has(r.err, "tessarin: Book20: quiz 11 of 12\ntessarin: Book20: quiz 12 of 12\n")) << r.err;
    EXPECT_FALSE(d.read("ch1to8.qui").empty());
    EXPECT_TRUE(has(r.out, "saved as ch1to8.pdf\n")) << r.out;
    EXPECT_EQ(d.read("book20.pdf").rfind("%PDF-", 0), 0u);

    // Without --keep-going the first style that cannot run is the last; --quiet keeps only the why.
    Folder e;
    const auto q = runTessarin("-C " + e.path().string() + " run Nope Book20 --quiet");
    EXPECT_EQ(q.status, es::MEND);
    EXPECT_EQ(q.out, "");
    EXPECT_EQ(q.err, "tessarin: Nope: There is no style file Nope.spe.\n");
    EXPECT_FALSE(std::filesystem::exists(e.path() / "book20.qui"));

    // A folder where another program runs is refused, and nothing is written.
    tess::FolderLock other(e.path());
    const auto busy = runTessarin("-C " + e.path().string() + " run Book20 --quiet");
    EXPECT_EQ(busy.status, es::REFUSED);
    EXPECT_TRUE(has(busy.err, "tessarin: ")) << busy.err;
    EXPECT_FALSE(std::filesystem::exists(e.path() / "book20.qui"));
}
