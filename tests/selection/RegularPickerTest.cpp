#include <gtest/gtest.h>

#include "selection/Availability.h"
#include "selection/RegularPicker.h"
#include "selection/SelectionRig.h"

using namespace tess;
using namespace tess::testing;

namespace {

// Ten sectors of three questions; a quiz in progress with every sector free.
struct Picker : ::testing::Test {
    void SetUp() override {}
    Rig& make(std::deque<int> draws) {
        auto scripted = std::make_unique<ScriptedRandom>(std::move(draws));
        script = scripted.get();
        rig = std::make_unique<Rig>(std::move(scripted));
        rig->bank(std::vector<int>(10, 3));
        auto& r = rig->r;
        r.Q2 = 1;
        for (int s = 1; s <= SCMAX + 1; ++s) r.FLAG[s] = s <= r.SECTORS ? 1 : 0;
        for (int x = 1; x <= SCMAX; ++x) r.SECTOR[x] = 99;
        r.SECTOR[0] = r.SECTOR[SCMAX + 1] = 0;
        rig->openOutputs();
        return *rig;
    }
    std::unique_ptr<Rig> rig;
    ScriptedRandom* script = nullptr;
};

}  // namespace

TEST_F(Picker, FirstPositionCountsSectorZeroBeforeItSoTheFirstTierWantsSixOrMore) {
    auto& r = make({2}).r;
    r.C1 = 1;
    SectorDraw d = CHOOSES(rig->p);
    EXPECT_EQ(d.S, 3);
    EXPECT_EQ(d.LDIF, 3);
    EXPECT_EQ(d.NDIF, 96);

    // Sectors 3 and 5 are too near sector 0 for the first tier; 6 is taken.
    make({2, 4, 5, /*question*/ 2, /*repeat draw*/ 0});
    rig->r.C1 = 1;
    CHOOSEQUE(rig->p);
    EXPECT_EQ(rig->r.RSECTOR[1], 6);
    EXPECT_EQ(rig->r.SECTOR[1], 6);
    EXPECT_EQ(rig->r.PNUMBER[1], 2);
    EXPECT_EQ(rig->r.QN[6], 1);
    EXPECT_EQ(script->left(), 0u);
}

TEST_F(Picker, OneFreeSectorCloseToBothNeighboursTakesAll101Calls) {
    std::deque<int> draws;
    for (int call = 0; call < 101; ++call) {
        draws.push_back(0);  // sector 1, used: drawn again
        draws.push_back(1);  // sector 2, the free one
    }
    draws.push_back(3);  // question 3
    draws.push_back(99);
    auto& r = make(draws).r;
    for (int s = 1; s <= r.SECTORS; ++s) r.FLAG[s] = s == 2;
    r.SECTOR[1] = 1;
    r.SECTOR[3] = 3;
    r.C1 = 2;
    CHOOSEQUE(rig->p);
    EXPECT_EQ(script->left(), 0u);  // fewer calls would leave draws unused
    EXPECT_EQ(r.RSECTOR[2], 2);
    EXPECT_EQ(r.PNUMBER[2], 3);
    EXPECT_EQ(r.FLAG[2], 0);
}

TEST_F(Picker, SuccessOnATiersTwentiethCallStillEntersTheNextTier) {
    std::deque<int> draws(19, 2);  // sector 3: too near for distance 5
    draws.push_back(7);            // sector 8 meets distance 5 on the 20th call
    draws.push_back(4);            // sector 5 meets distance 4 at once: search ends
    draws.push_back(1);
    draws.push_back(0);
    auto& r = make(draws).r;
    r.C1 = 1;
    CHOOSEQUE(rig->p);
    EXPECT_EQ(r.RSECTOR[1], 5);
    EXPECT_EQ(r.FLAG[8], 1);
    EXPECT_EQ(script->left(), 0u);
}

TEST_F(Picker, RepeatPercentDecidesWhetherThePickedQuestionStaysAvailable) {
    struct Case {
        int pct, draw;
        bool staysAvailable;
    };
    for (Case c : {Case{0, 0, false}, Case{25, 24, true}, Case{25, 25, false}, Case{100, 99, true}}) {
        auto& r = make({7, 2, c.draw}).r;  // sector 8, question 2
        r.REPEATPCT = c.pct;
        r.C1 = 1;
        const int before = r.QPS[8];
        CHOOSEQUE(rig->p);
        SCOPED_TRACE(c.pct);
        EXPECT_EQ(flagRef(r.REGQUESTION, 8, 2) != 0, c.staysAvailable);
        EXPECT_EQ(r.QPS[8], before - 1);  // counted as drawn either way
        EXPECT_EQ(r.RNUMBER[8], 2);
    }
}

TEST_F(Picker, CountsInterrogativesAndDrawsOnlyAvailableQuestions) {
    auto& r = make({7, 1, 2, 3, 50}).r;
    flagRef(r.REGQUESTION, 8, 1) = 0;
    flagRef(r.REGQUESTION, 8, 2) = 0;
    flagRef(r.INT, 8, 3) = 1;
    r.C1 = 1;
    r.ITOT = 0;
    CHOOSEQUE(rig->p);
    EXPECT_EQ(r.PNUMBER[1], 3);
    EXPECT_EQ(r.ITOT, 1);
}

TEST_F(Picker, ExhaustedSectorGivesItsQuestionsAgainInsteadOfHanging) {
    auto& r = make({7, 2, 0}).r;
    r.Q2 = 4;
    for (int n = 1; n <= 3; ++n) flagRef(r.REGQUESTION, 8, n) = 0;
    r.QPS[8] = 0;
    r.C1 = 1;
    CHOOSEQUE(rig->p);
    EXPECT_EQ(r.PNUMBER[1], 2);
    EXPECT_EQ(r.QPS[8], 2);
    EXPECT_TRUE(flagRef(r.REGQUESTION, 8, 1));
    EXPECT_FALSE(flagRef(r.REGQUESTION, 8, 2));
    EXPECT_EQ(rig->logLines(), std::vector<std::string>{"Regular questions of sector 8 repeated in quiz 4"});
    EXPECT_TRUE(rig->con.sawText("Sector 8 out of regular questions"));
}

TEST(PickerForcedRepeat, SilentWithoutSpecialtiesLoggedOnceTheQuizPassesFixlast) {
    for (int spmin : {0, 2}) {
        Rig rig;
        rig.bank(std::vector<int>(3, 4));
        rig.openOutputs();
        auto& r = rig.r;
        r.SPMIN = spmin;
        r.Q2 = 7;
        r.FIXLAST = 6;
        r.FIX = 6;
        r.REPEATPCT = 0;
        for (int s = 1; s <= 3; ++s) r.FLAG[s] = 0;  // every sector used: each call is forced
        r.C1 = 1;
        const SectorDraw d = CHOOSES(rig.p);
        EXPECT_EQ(d.SV, FORCED_REPEAT);
        const auto log = rig.logLines();
        if (spmin == 0) {
            EXPECT_TRUE(log.empty());
            EXPECT_EQ(r.FIX, 6);
            EXPECT_FALSE(rig.con.sawText("Sectors repeat"));
        } else {
            EXPECT_EQ(log, std::vector<std::string>{"Sectors repeat Quest 1 Quiz 7"});
            EXPECT_EQ(r.FIX, 7);
            EXPECT_NE(rig.con.rowText(5).find("  << Sectors repeat Quiz 7 **Check this quiz** >>"), std::string::npos);
        }
    }
}

TEST(PickerForcedRepeat, NotLoggedAgainInAQuizUpToFixlastAndTheQuestionStaysAvailable) {
    Rig rig;
    rig.bank(std::vector<int>(3, 4));
    rig.openOutputs();
    auto& r = rig.r;
    r.SPMIN = 1;
    r.Q2 = 7;
    r.FIXLAST = 7;  // this quiz has already been reported
    r.REPEATPCT = 0;
    for (int s = 1; s <= 3; ++s) r.FLAG[s] = 0;
    r.SECTOR[2] = 99;
    r.C1 = 1;
    CHOOSEQUE(rig.p);
    EXPECT_TRUE(rig.logLines().empty());
    EXPECT_TRUE(flagRef(r.REGQUESTION, r.RSECTOR[1], r.PNUMBER[1]));
}

TEST(PickerLargeSector, EveryQuestionOfASectorAbove200KeepsItsOwnFlag) {
    std::deque<int> draws(101, 0);  // one sector, next to sector 0 on both sides: every call is made
    draws.push_back(240);
    draws.push_back(0);
    auto scripted = std::make_unique<ScriptedRandom>(draws);
    Rig rig(std::move(scripted));
    rig.bank({250}, plainText, 0, 4);
    rig.openOutputs();
    auto& r = rig.r;
    ASSERT_EQ(r.REGQUESTION[1].size(), 251u);
    EXPECT_EQ(r.REGQUESTION[2].size(), 201u);  // small sectors keep the classic table
    r.Q2 = 1;
    r.FLAG[1] = 1;
    r.SECTOR[2] = 0;
    r.C1 = 1;
    CHOOSEQUE(rig.p);
    EXPECT_EQ(r.PNUMBER[1], 240);
    EXPECT_FALSE(flagRef(r.REGQUESTION, 1, 240));
    EXPECT_TRUE(flagRef(r.REGQUESTION, 1, 40));
}
