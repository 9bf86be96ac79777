#include <gtest/gtest.h>

#include "material/MaterialRig.h"
#include "material/Resector.h"
#include "material/SectorWalk.h"
#include "material/VerseSectoring.h"

using namespace tess;
using tess::testing::CountsRig;
using tess::testing::restarts;

// Sectoring by questions puts the specialty questions of verses without
// regular questions into the sector that follows them (1:1 before the first
// regular verse, 1:3 between sectors 1 and 2, 1:5 before the last sector);
// reading the bank sector by sector must find them there, not call the
// count file out of date.
TEST(SectorWalk, FindsSpecialtyQuestionsOfVersesPassedOverByQuestionSectoring) {
    CountsRig b(1, 1, 1, 7, 3);
    const auto& d = b.dir;
    b.verse(1, 1, 0, 1).verse(1, 2, 2).verse(1, 3, 0, 1).verse(1, 4, 2, 1).verse(1, 5, 0, 1).verse(1, 6, 2);
    b.totals();
    b.con.enter();
    RESECTOR(b.p);
    ASSERT_EQ(b.fps(), (std::vector<int>{1, 2, 1}));
    ASSERT_EQ(b.begins(), (std::vector<int>{102, 104, 106}));

    d.lines("FTV.00", {" 1: 1\tFN\tone", " 1: 3\tFN\tthree", " 1: 4\tFN\tfour", " 1: 5\tFN\tfive"});
    std::vector<std::string> got;
    try {
        SectorWalk walk(b.p, "FTV.00", 0, "FTV");
        for (int s = 1; s <= 3; ++s)
            for (int n = 1; n <= b.r.FPS[s]; ++n) got.emplace_back(walk.next(s).substr(9));
    } catch (const RestartRun&) {
        ADD_FAILURE() << b.con.screenText();
    }
    EXPECT_EQ(got, (std::vector<std::string>{"one", "three", "four", "five"}));
}

// Verse sectoring ends a sector at its last regular verse and keeps the
// specialty questions of the empty verses after it (1:2).
TEST(SectorWalk, FindsSpecialtyQuestionsOfVersesAbsorbedByVerseSectoring) {
    CountsRig b(1, 1, 1, 5, 2);
    const auto& d = b.dir;
    b.verse(1, 1, 2).verse(1, 2, 0, 1).verse(1, 3, 2, 1).verse(1, 4, 0, 1).verse(1, 5, 2);
    b.totals();
    ASSERT_TRUE(VERSESEC(b.p));
    ASSERT_EQ(b.fps(), (std::vector<int>{1, 2}));
    ASSERT_EQ(b.ends(), (std::vector<int>{101, 105}));

    d.lines("FTV.00", {" 1: 2\tFN\ttwo", " 1: 3\tFN\tthree", " 1: 4\tFN\tfour"});
    std::vector<std::string> got;
    try {
        SectorWalk walk(b.p, "FTV.00", 0, "FTV");
        for (int s = 1; s <= 2; ++s)
            for (int n = 1; n <= b.r.FPS[s]; ++n) got.emplace_back(walk.next(s).substr(9));
    } catch (const RestartRun&) {
        ADD_FAILURE() << b.con.screenText();
    }
    EXPECT_EQ(got, (std::vector<std::string>{"two", "three", "four"}));
}

TEST(SectorWalk, AQuestionBeyondItsSectorStillMeansAStaleCountFile) {
    CountsRig b(1, 1, 1, 7, 3);
    const auto& d = b.dir;
    b.verse(1, 2, 2).verse(1, 4, 2, 1).verse(1, 6, 2);
    b.totals();
    b.con.enter();
    RESECTOR(b.p);
    // The counts put the FTV in sector 2 (1:4); the file has it at 1:6.
    d.lines("FTV.00", {" 1: 6\tFN\tsix"});
    b.con.enter();
    SectorWalk walk(b.p, "FTV.00", 0, "FTV");
    EXPECT_TRUE(restarts(b.p, [&] { walk.next(2); }));
    EXPECT_TRUE(b.con.sawMessage("line 1 (1:6) falls"));
}

// A question file gone since the index was built is named as missing, not
// blamed on the count file.
TEST(SectorWalk, AQuestionFileRemovedAfterTheIndexIsNamedAsMissing) {
    CountsRig b(1, 1, 1, 7, 3);
    const auto& d = b.dir;
    b.con.enter();
    EXPECT_TRUE(restarts(b.p, [&] { SectorWalk(b.p, "FTV.00", 0, "FTV"); }));
    EXPECT_TRUE(
        b.con.sawMessage("The FTV question file FTV.00 cannot be read in " + d.path().string() + ": it is missing."));
    EXPECT_FALSE(b.con.sawMessage("out of date"));
}
