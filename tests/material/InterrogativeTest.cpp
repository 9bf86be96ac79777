#include <gtest/gtest.h>

#include "material/Interrogative.h"
#include "selection/SelectionRig.h"

using namespace tess;
using namespace tess::testing;

namespace {
bool asks(const std::string& text) { return isInterrogative(bankLine(3, 12, text)); }
}  // namespace

TEST(Interrogative, OpeningsAreCaseSensitiveExceptALowerWAtTheStart) {
    EXPECT_TRUE(asks("What is the kingdom like?"));
    EXPECT_TRUE(asks("what is the kingdom like?"));
    EXPECT_FALSE(asks("WHAT is the kingdom like?"));
    EXPECT_TRUE(asks("who, being rich, went away?"));
}

TEST(Interrogative, WhenOpeningsExceptTheListedSubjects) {
    EXPECT_TRUE(asks("When Jesus came down, who met him?"));
    for (const char* no : {"When he came", "When his mother", "When we saw", "When a man", "When I return",
                           "When this was done", "When Moses spoke", "When God spoke", "When Godly men"})
        EXPECT_FALSE(asks(no)) << no;
}

TEST(Interrogative, OtherEdgeOpenings) {
    EXPECT_TRUE(asks("Who, according to the angel, would be great?"));
    EXPECT_FALSE(asks("How true were his words"));
    EXPECT_TRUE(asks("How many loaves were there?"));
    EXPECT_TRUE(asks("Do you know the commandments?"));
    EXPECT_FALSE(asks("Does the Son of Man come?"));
    EXPECT_TRUE(asks("Through whom did the word come?"));
    EXPECT_FALSE(asks("Is"));  // too short to hold "Is "
    EXPECT_FALSE(isInterrogative(" 3:12"));
}

TEST(Interrogative, CountintMarksEachSectorsQuestionsAfterTheLinesBeforeTheRange) {
    Rig rig;
    // Sector 2 question 3 and sector 1 question 1 ask; the rest tell.
    rig.bank(
        {2, 3}, [](int s, int n) { return (s == 2 && n == 3) || (s == 1 && n == 1) ? askText(s, n) : plainText(s, n); },
        4);
    COUNTINT(rig.p);
    auto& r = rig.r;
    EXPECT_TRUE(r.INT[1][1]);
    EXPECT_FALSE(r.INT[1][2]);
    EXPECT_FALSE(r.INT[2][1]);
    EXPECT_FALSE(r.INT[2][2]);
    EXPECT_TRUE(r.INT[2][3]);
    EXPECT_EQ(rig.con.rowText(3).substr(2, 35), "Creating index of interrogatives...");
}

TEST(Interrogative, SectorAbove200KeepsEveryMark) {
    Rig rig;
    rig.bank(
        {250}, [](int s, int n) { return n == 240 ? askText(s, n) : plainText(s, n); }, 0, 4);
    COUNTINT(rig.p);
    ASSERT_EQ(rig.r.INT[1].size(), 251u);
    EXPECT_TRUE(rig.r.INT[1][240]);
    EXPECT_FALSE(rig.r.INT[1][40]);
}

TEST(Interrogative, RegularFileOutOfStepWithTheCountsGoesBackToTheTitle) {
    // Shorter than the counts say.
    {
        Rig rig;
        rig.bank({2, 3});
        rig.r.QPS[2] = 4;
        rig.con.enter();
        EXPECT_TRUE(restarts(rig.p, [&] { COUNTINT(rig.p); }));
        EXPECT_TRUE(rig.con.sawText("count.00A"));
        EXPECT_TRUE(rig.con.sawText("out of date"));
    }
    // A question added to sector 1 pushes sector 1's last question into sector 2.
    {
        Rig rig;
        rig.bank({2, 3});
        auto lines = *readAllLines(rig.p.file("Luke.A"));
        lines.insert(lines.begin() + 3, bankLine(1, 3, "An added question"));
        writeFileAtomic(rig.p.file("Luke.A"), lines);
        rig.con.enter();
        EXPECT_TRUE(restarts(rig.p, [&] { COUNTINT(rig.p); }));
        EXPECT_TRUE(rig.con.sawText("Luke.A"));
        EXPECT_TRUE(rig.con.sawText("falls outside sector 2"));
    }
}
