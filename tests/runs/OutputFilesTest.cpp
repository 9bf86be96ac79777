// A run that goes back to the title before it completes leaves the packet and
// list files of the last completed run as they were.
#include "runs/BankRun.h"

using namespace tess;
using namespace tess::testing;

TEST(WholeRunOutputs, ARunLeftAtTheApprovalMenuKeepsTheLastRunsFiles) {
    BankRun b;
    auto s = allRegular(bankStyle("New"));
    s[line::NAME4] = "kept";
    s[line::QNUM] = "2";
    b.style("Kept", s);
    b.dir.raw("Season.txt", "");
    // Review; a key at the verse table; the approval menu's first choice; the closing screen.
    b.con.enter().keys("x").enter().enter();
    runOnce(b.p);
    ASSERT_EQ(b.con.keysLeft(), 0u);
    const std::string qui = b.dir.read("kept.qui"), inf = b.dir.read("kept.inf"), season = b.dir.read("Season.txt");
    ASSERT_FALSE(qui.empty());
    ASSERT_FALSE(inf.empty());

    b.con.enter().keys("x").esc();  // Esc at the approval menu
    EXPECT_TRUE(restarts(b.p, [&] { runOnce(b.p); }));
    EXPECT_EQ(b.con.keysLeft(), 0u);
    EXPECT_EQ(b.dir.read("kept.qui"), qui);
    EXPECT_EQ(b.dir.read("kept.inf"), inf);
    EXPECT_EQ(b.dir.read("Season.txt"), season);  // a run left before its end is no meet
    for (const auto& e : std::filesystem::directory_iterator(b.dir.path()))
        EXPECT_NE(e.path().extension(), ".part") << e.path();  // what the run had written is gone

    // A completed run replaces both.
    b.con.enter().keys("x").enter().enter();
    runOnce(b.p);
    EXPECT_TRUE(std::filesystem::exists(b.dir.file("kept.qui")));
    EXPECT_NE(b.dir.read("kept.inf"), inf);  // a new run log and new questions
    EXPECT_GT(b.dir.read("Season.txt").size(), season.size());
}
