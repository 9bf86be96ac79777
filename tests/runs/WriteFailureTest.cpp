// Files a run writes that cannot be written (a full disk, a read-only folder)
// or that have a link planted in their place: the run stops naming the file,
// the folder and the reason; the last good files stay; nothing is left
// behind and nothing outside the folder is touched.
#include <cerrno>

#include "console/TextFile.h"
#include "runs/BankRun.h"
#include "support/FailedInTurn.h"

using namespace tess;
using namespace tess::testing;

namespace {

// A completed run of a two-quiz style writing "kept.qui" and "kept.inf", and
// the count file every run (reindexed); a season file gains each run's meet.
void completedRun(BankRun& b) {
    b.dir.raw("Season.txt", "");
    auto s = allRegular(bankStyle("New"));
    s[line::NAME4] = "kept";
    s[line::QNUM] = "2";
    s[line::INDX] = "Y";
    b.style("Kept", s);
    b.con.enter().keys("x").enter().enter();  // review, verse table, approval menu, closing screen
    runOnce(b.p);
    ASSERT_EQ(b.con.keysLeft(), 0u);
}

}  // namespace

// Each file operation of a second run (every create, write, close and rename
// of the run log, the pattern and count files, the packet and list files and
// the season file)
// failed in turn: the run goes back to the title naming the file, the reason
// and the folder, and costs no good file.
TEST(RunWriteFailure, EachFileOperationOfARunFailedInTurnCostsNoGoodFile) {
    const std::size_t failed = failEachFileOperationInTurn([](long n, int err) {
        BankRun b;
        completedRun(b);
        FailedTry t{b.dir.files(), {}, {}};
        b.con.enter().keys("x").enter().enter();  // as before, then Return on the message
        InjectedWriteFailure fault(n, err);
        try {
            runProgram(b.p);
        } catch (const ScriptExhausted&) {  // back at the title, wanting keys
        }
        t.after = b.dir.files();
        t.failed = fault.failed();
        if (!t.failed.empty()) {
            SCOPED_TRACE("operation " + std::to_string(n) + " on " + t.failed);
            EXPECT_TRUE(b.con.sawMessage(t.failed));
            EXPECT_TRUE(b.con.sawMessage(std::generic_category().message(err)));
            EXPECT_TRUE(b.con.sawMessage(b.dir.path().string()));
        }
        return t;
    });
    EXPECT_GE(failed, 18u);  // three operations at least for each of the six files (23 today)
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
    for (const auto& [name, bytes] : b.dir.files()) EXPECT_FALSE(name.ends_with(".part")) << name;
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
