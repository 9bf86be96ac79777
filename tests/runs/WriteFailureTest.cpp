// Files a run writes that cannot be written (a full disk, a read-only folder)
// or that have a link planted in their place: the run stops naming the file,
// the folder and the reason; the last good files stay; nothing is left
// behind and nothing outside the folder is touched.
#include <cerrno>

#include "console/TextFile.h"
#include "runs/BankRun.h"

using namespace tess;
using namespace tess::testing;

namespace {

bool anyTemporaryLeft(const std::filesystem::path& dir) {
    for (const auto& e : std::filesystem::directory_iterator(dir))
        if (e.path().extension() == ".part") return true;
    return false;
}

// A completed run of a two-quiz style writing "kept.qui" and "kept.inf".
void completedRun(BankRun& b, const std::string& indx = "") {
    auto s = allRegular(bankStyle("New"));
    s[line::NAME4] = "kept";
    s[line::QNUM] = "2";
    if (!indx.empty()) s[line::INDX] = indx;
    b.style("Kept", s);
    b.con.enter().keys("x").enter().enter();  // review, verse table, approval menu, closing screen
    runOnce(b.p);
    ASSERT_EQ(b.con.keysLeft(), 0u);
}

}  // namespace

TEST(RunWriteFailure, APacketOrListFileThatCannotBeWrittenKeepsTheLastRunsFiles) {
    struct Case {
        const char* file;
        FileOp op;
        int err;
        const char* told;
    };
    const Case cases[] = {
        {"kept.qui", FileOp::Write, ENOSPC, "kept.qui could not be written in "},
        {"kept.inf", FileOp::Close, EFBIG, "kept.inf could not be written in "},
        {"temp.txt", FileOp::Close, EIO, "temp.txt could not be written in "},
        {"kept.qui", FileOp::Rename, EACCES, "kept.qui could not be put in place in "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        BankRun b;
        completedRun(b);
        const std::string qui = b.dir.read("kept.qui"), inf = b.dir.read("kept.inf");
        b.dir.raw("temp.txt", "last log");  // the run log too is only replaced by a run that completes
        b.con.enter().keys("x").enter().enter();  // as before, then Return on the message
        {
            InjectedWriteFailure fault(c.op, c.file, c.err);
            EXPECT_THROW(runProgram(b.p), ScriptExhausted);  // back at the title, wanting keys
        }
        EXPECT_TRUE(b.con.sawMessage(c.told + b.dir.path().string()));
        EXPECT_TRUE(b.con.sawMessage(std::generic_category().message(c.err)));
        EXPECT_EQ(b.dir.read("kept.qui"), qui);
        EXPECT_EQ(b.dir.read("kept.inf"), inf);
        EXPECT_EQ(b.dir.read("temp.txt"), "last log");
        EXPECT_FALSE(anyTemporaryLeft(b.dir.path()));
    }
}

TEST(RunWriteFailure, WhenOnlyTheListFileCannotBePutInPlaceBothFilesAreAccountedFor) {
    BankRun b;
    completedRun(b);
    const std::string qui = b.dir.read("kept.qui"), inf = b.dir.read("kept.inf");
    b.con.enter().keys("x").enter().enter();
    {
        InjectedWriteFailure fault(FileOp::Rename, "kept.inf", EROFS);
        EXPECT_THROW(runProgram(b.p), ScriptExhausted);
    }
    EXPECT_TRUE(b.con.sawMessage("The new kept.qui is in place."));
    EXPECT_TRUE(b.con.sawMessage("The new kept.inf was removed; the last run's kept.inf is kept."));
    EXPECT_NE(b.dir.read("kept.qui"), qui);
    EXPECT_EQ(b.dir.read("kept.inf"), inf);
    EXPECT_FALSE(anyTemporaryLeft(b.dir.path()));
}

TEST(RunWriteFailure, ThePatternAndCountFilesKeepTheirOldContents) {
    BankRun b;
    completedRun(b, "Y");  // reindex: the count file is written every run
    const std::string count = b.p.run.COUNTFILE;
    for (const std::string& file : {std::string("pat.txt"), count}) {
        SCOPED_TRACE(file);
        const std::string before = b.dir.read(file);
        ASSERT_FALSE(before.empty());
        b.con.enter().enter();  // review, then Return on the message
        InjectedWriteFailure fault(FileOp::Write, file, ENOSPC);
        EXPECT_TRUE(restarts(b.p, [&] { runOnce(b.p); }));
        EXPECT_TRUE(b.con.sawMessage(file + " could not be written (No space left on device) in " +
                                     b.dir.path().string() + "; any old one is kept."));
        EXPECT_EQ(b.dir.read(file), before);
        EXPECT_FALSE(anyTemporaryLeft(b.dir.path()));
    }
}

TEST(RunWriteFailure, ALinkInTheFolderIsReplacedNeverWrittenThrough) {
    BankRun b;
    ScratchDir outside;
    outside.raw("victim", "precious");
    for (const char* name : {"kept.qui", "kept.inf", "temp.txt", "pat.txt"})
        std::filesystem::create_symlink(outside.file("victim"), b.dir.file(name));
    completedRun(b);
    EXPECT_EQ(outside.read("victim"), "precious");
    for (const char* name : {"kept.qui", "kept.inf", "temp.txt", "pat.txt"})
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(b.dir.file(name)))) << name;
}
