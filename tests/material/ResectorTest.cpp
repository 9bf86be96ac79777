#include <gtest/gtest.h>

#include "material/MaterialRig.h"
#include "material/Resector.h"

using namespace tess;
using tess::testing::CountsRig;
using V = std::vector<int>;

namespace {

// `total` regular questions, one per verse, over whole chapters of 80 slots.
CountsRig oneEach(int total, int sectors) {
    const int chapters = (total + 79) / 80;
    CountsRig b(1, 1, chapters, 85, sectors);
    for (int i = 0; i < total; ++i) b.verse(i / 80 + 1, i % 80 + 1, 1);
    b.totals();
    return b;
}

void resector(CountsRig& b) {
    b.con.enter();
    RESECTOR(b.p);
}

}  // namespace

TEST(Resector, AnnouncesItselfAndWaitsForReturn) {
    CountsRig b = oneEach(20, 4);
    b.con.gotoXY(1, 3);
    resector(b);
    ASSERT_EQ(b.con.snapshots().size(), 1u);
    EXPECT_EQ(b.con.snapshots()[0].substr(5 * 81, 58), "  The material will be sectored by individual questions.  ");
    EXPECT_EQ(b.con.rowText(6), std::string(80, ' '));
    EXPECT_EQ(b.con.whereX(), 1);
    EXPECT_EQ(b.con.whereY(), 5);
}

TEST(Resector, SharesFollowTheFractionTable) {
    struct Case {
        int tquest, sectors;
        V shares;
    };
    const Case cases[] = {
        // f = 0.5: every 2nd sector up to 6 gets one more; the last takes the rest
        {100, 8, {13, 12, 13, 12, 13, 12, 12, 13}},
        // f = 0.1, below 0.125: nothing; the last takes the rest
        {61, 10, {6, 6, 6, 6, 6, 6, 6, 6, 6, 7}},
        // f = 15/17 >= 0.875: all one more, then one less on every 7th (1, 8, 15)
        {32, 17, {1, 2, 2, 2, 2, 2, 2, 1, 2, 2, 2, 2, 2, 2, 1, 2, 3}},
        // f = 10/13 >= 0.75: all one more, then one less on every 4th (1, 5, 9)
        {36, 13, {2, 3, 3, 3, 2, 3, 3, 3, 2, 3, 3, 3, 3}},
        // f = 0.4 >= 0.333: every 3rd up to 9
        {24, 10, {3, 2, 2, 3, 2, 2, 3, 2, 2, 3}},
        // f = 5/17 >= 0.25: every 4th up to (16 div 4) * 3 = 12, so not sector 13
        {22, 17, {2, 1, 1, 1, 2, 1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 3}},
        // f = 3/17 >= 0.125: every 8th up to 16
        {20, 17, {2, 1, 1, 1, 1, 1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 2}},
    };
    for (const Case& c : cases) {
        CountsRig b = oneEach(c.tquest, c.sectors);
        ASSERT_EQ(b.r.TQUEST, c.tquest);
        resector(b);
        EXPECT_EQ(b.qps(), c.shares) << c.tquest << " in " << c.sectors;
        EXPECT_EQ(b.r.MINQZ, c.tquest / c.sectors);
        // one question per verse: each sector covers exactly its share of verses
        int verse = 0;
        for (int s = 1; s <= c.sectors; ++s) {
            EXPECT_EQ(b.r.BC[s] * 100 + b.r.BV[s], (verse / 80 + 1) * 100 + verse % 80 + 1) << "sector " << s;
            verse += c.shares[static_cast<size_t>(s - 1)];
            if (s < c.sectors) {
                EXPECT_EQ(b.r.EC[s] * 100 + b.r.EV[s], ((verse - 1) / 80 + 1) * 100 + (verse - 1) % 80 + 1);
            }
        }
    }
}

TEST(Resector, SectorOneBeginsAtTheFirstVerseWithRegularQuestions) {
    CountsRig b(1, 1, 1, 10, 2);
    b.verse(1, 1, 0, 1).verses(1, 3, 10, 2).totals();  // 1:1 and 1:2 have no regular questions
    resector(b);
    EXPECT_EQ(b.qps(), (V{8, 8}));
    EXPECT_EQ(b.begins(), (V{103, 107}));
    EXPECT_EQ(b.ends(), (V{106, 110}));
    EXPECT_EQ(b.fps(), (V{1, 0}));  // the FTV of 1:1 still has a sector
}

TEST(Resector, AVerseLargerThanAShareSpansSeveralSectors) {
    CountsRig b(1, 1, 1, 3, 4);
    b.verse(1, 1, 2, 1).verse(1, 2, 20, 3).verse(1, 3, 2, 1).totals();
    resector(b);
    EXPECT_EQ(b.qps(), (V{6, 6, 6, 6}));
    EXPECT_EQ(b.begins(), (V{101, 102, 102, 102}));
    EXPECT_EQ(b.ends(), (V{102, 102, 102, 103}));
    EXPECT_EQ(b.fps(), (V{4, 0, 0, 1}));  // a split verse's specialty questions go to its first sector
}

TEST(Resector, ASingleSectorCoversTheWholeRange) {
    CountsRig b(2, 5, 3, 20, 1);
    b.verse(2, 5, 0, 2).verses(2, 6, 40, 1).verses(3, 1, 20, 2).verse(3, 20, 2, 1).verse(3, 21, 5, 9).totals();
    resector(b);
    EXPECT_EQ(b.qps(), (V{75}));
    EXPECT_EQ(b.begins(), (V{206}));
    EXPECT_EQ(b.ends(), (V{320}));
    EXPECT_EQ(b.fps(), (V{3}));  // 3:21 lies outside the range
    EXPECT_EQ(b.r.MINQZ, 75);
}

TEST(Resector, VersesWithoutRegularQuestionsKeepTheirSpecialtyQuestionsInOrder) {
    // 1:2 and 1:4 have specialty questions only; they belong to the sector
    // being filled when the walk passes them.
    CountsRig b(1, 1, 1, 6, 3);
    b.verse(1, 1, 2).verse(1, 2, 0, 1).verse(1, 3, 2).verse(1, 4, 0, 1, 1).verse(1, 5, 2).verse(1, 6, 0, 0, 0, 0, 1);
    b.totals();
    resector(b);
    EXPECT_EQ(b.qps(), (V{2, 2, 2}));
    EXPECT_EQ(b.fps(), (V{0, 1, 1}));
    EXPECT_EQ(b.column(b.r.RPS), (V{0, 0, 1}));
    EXPECT_EQ(b.column(b.r.SPS), (V{0, 0, 1}));
    EXPECT_EQ(b.begins(), (V{101, 103, 105}));
}

TEST(Resector, SpecialtyTotalsOfTheSectorsAreTheRangeTotals) {
    // Several chapters, empty verses holding specialty questions everywhere,
    // and a last chapter without any regular question.
    CountsRig b(2, 3, 6, 30, 7);
    for (int ch = 1; ch <= 7; ++ch)
        for (int v = 1; v <= 40; ++v) {
            const int k = ch * 37 + v * 11;
            b.verse(ch, v, ch == 6 ? 0 : (k % 7 < 3 ? 0 : k % 4), k % 3, k % 5 == 0, k % 2, (k % 9) / 4);
        }
    b.totals();
    resector(b);
    const RunState& r = b.r;
    EXPECT_EQ(CountsRig::sum(b.qps()), r.TQUEST);
    EXPECT_EQ(CountsRig::sum(b.fps()), r.FQUEST);
    EXPECT_EQ(CountsRig::sum(b.column(r.RPS)), r.RQUEST);
    EXPECT_EQ(CountsRig::sum(b.column(r.OPS)), r.OQUEST);
    EXPECT_EQ(CountsRig::sum(b.column(r.SPS)), r.SQUEST);
    EXPECT_EQ(b.ends().back(), 630);
    // Consecutive sectors: each begins where the previous ended or after it.
    for (int s = 2; s <= 7; ++s) EXPECT_GE(b.begins()[size_t(s - 1)], b.ends()[size_t(s - 2)]);
}

TEST(Resector, OddCountsNeverRunPastTheTables) {
    {  // an empty range
        CountsRig b(3, 1, 4, 10, 5);
        b.verse(3, 5, 0, 2).totals();
        resector(b);
        EXPECT_EQ(b.qps(), (V{0, 0, 0, 0, 0}));
        EXPECT_EQ(CountsRig::sum(b.fps()), 2);
    }
    {  // all questions in one verse, the last slot of the book
        CountsRig b(24, 1, 24, 85, 30);
        b.verse(24, 85, 200, 1).totals();
        resector(b);
        EXPECT_EQ(CountsRig::sum(b.qps()), 200);
        EXPECT_EQ(b.begins().back(), 2485);
        EXPECT_EQ(b.ends().front(), 2485);
    }
    {  // a range ending in a chapter of empty slots
        CountsRig b(20, 1, 24, 85, 4);
        b.verses(20, 1, 10, 1).totals();
        resector(b);
        EXPECT_EQ(b.qps(), (V{3, 2, 2, 3}));
        EXPECT_EQ(b.ends(), (V{2003, 2005, 2007, 2485}));
    }
    {  // TQUEST claims more than the range holds: the sectors keep what is there
        CountsRig b(1, 1, 1, 10, 4);
        b.verses(1, 1, 5, 1).totals();
        b.r.TQUEST = 40;
        resector(b);
        EXPECT_EQ(b.qps(), (V{5, 0, 0, 0}));
    }
}
