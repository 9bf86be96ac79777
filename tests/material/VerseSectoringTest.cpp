#include <gtest/gtest.h>

#include "material/MaterialRig.h"
#include "material/Resector.h"
#include "material/VerseSectoring.h"
#include "support/Luke.h"

using namespace tess;
using tess::testing::CountsRig;
using V = std::vector<int>;

TEST(VerseSectoring, OneQuestionPerVerseLeavesTwoToTheLastSector) {
    // 20 = 4 x 5: low 4 fits only exactly (nothing over), so low 3 with the
    // switch at sector 4 is the first layout that fits.
    CountsRig b(1, 1, 1, 20, 5);
    b.verses(1, 1, 20, 1).verse(1, 20, 1, 2).totals();
    ASSERT_TRUE(VERSESEC(b.p));
    EXPECT_EQ(b.r.MINQZ, 3);
    EXPECT_EQ(b.qps(), (V{4, 4, 4, 3, 5}));
    EXPECT_EQ(b.column(b.r.TQPS), (V{4, 4, 4, 3, 3}));  // copies are taken before the remainder
    EXPECT_EQ(b.begins(), (V{101, 105, 109, 113, 116}));
    EXPECT_EQ(b.ends(), (V{104, 108, 112, 115, 120}));
    EXPECT_EQ(b.fps(), (V{0, 0, 0, 0, 2}));
    EXPECT_EQ(b.column(b.r.TFPS), (V{0, 0, 0, 0, 0}));
}

TEST(VerseSectoring, AVerseLargerThanAShareIsNeverSplit) {
    CountsRig b(1, 1, 1, 30, 4);
    b.verses(1, 1, 30, 1).verse(1, 7, 12).totals();  // 41 questions, q = 10
    ASSERT_TRUE(VERSESEC(b.p));
    const V begins = b.begins(), ends = b.ends();
    for (size_t s = 1; s < 4; ++s) EXPECT_EQ(begins[s], ends[s - 1] + 1) << "sector " << s + 1;
    EXPECT_EQ(CountsRig::sum(b.qps()), 41);
    EXPECT_EQ(ends[0], 107);  // the large verse ends sector 1, which exceeds its share
    EXPECT_GT(b.r.QPS[1], b.r.MINQZ + 1);
}

TEST(VerseSectoring, FourEmptyVersesStayInTheChapterAFifthEndsIt) {
    {
        CountsRig b(1, 1, 2, 10, 2);
        b.verses(1, 1, 10, 1).verses(1, 4, 7, 0).verses(2, 1, 10, 1);
        for (int v = 4; v <= 7; ++v) b.r.FCOUNT(1, v) = 1;
        b.totals();  // 16 questions
        ASSERT_TRUE(VERSESEC(b.p));
        EXPECT_EQ(b.r.MINQZ, 7);
        EXPECT_EQ(b.qps(), (V{7, 9}));
        EXPECT_EQ(b.begins(), (V{101, 202}));
        EXPECT_EQ(b.ends(), (V{201, 210}));
        EXPECT_EQ(b.fps(), (V{4, 0}));
    }
    {
        CountsRig b(1, 1, 2, 10, 2);
        b.verses(1, 1, 10, 1).verses(1, 4, 8, 0).verses(2, 1, 10, 1).totals();  // 15 questions
        ASSERT_TRUE(VERSESEC(b.p));
        EXPECT_EQ(b.r.MINQZ, 7);
        // Five empty verses would end the chapter, but 1:9 and 1:10 still hold
        // questions: the gap joins sector 1 and no question is left out.
        EXPECT_EQ(b.qps(), (V{7, 8}));
        EXPECT_EQ(b.begins(), (V{101, 203}));
        EXPECT_EQ(b.ends(), (V{202, 210}));
    }
    {
        // Specialty questions in a chapter's verses after its last regular
        // question belong to the sector that ends the chapter.
        CountsRig b(1, 1, 2, 10, 2);
        b.verses(1, 1, 3, 1).verses(2, 1, 10, 1);
        b.r.FCOUNT(1, 20) = 2;
        b.totals();
        ASSERT_TRUE(VERSESEC(b.p));
        EXPECT_EQ(CountsRig::sum(b.fps()), 2);
    }
}

TEST(VerseSectoring, TooFewVerseSlotsFallBackToSingleQuestions) {
    CountsRig b(1, 1, 1, 3, 3);
    b.verses(1, 1, 3, 10).totals();
    EXPECT_FALSE(VERSESEC(b.p));
    EXPECT_EQ(b.r.MINQZ, -1);
    b.con.enter();
    RESECTOR(b.p);
    EXPECT_EQ(b.qps(), (V{10, 10, 10}));
    EXPECT_EQ(b.r.MINQZ, 10);
}

TEST(VerseSectoring, TheRemainderStopsAtTheRangesLastVerse) {
    // 1:11..1:14 are outside the range, without regular questions but with
    // specialty questions; 1:15 follows with regular questions.
    CountsRig b(1, 1, 1, 10, 2);
    b.verses(1, 1, 10, 1).verse(1, 10, 1, 1).verse(1, 15, 3);
    for (int v = 11; v <= 14; ++v) b.verse(1, v, 0, 1, 1, 1, 1);
    b.totals();
    ASSERT_TRUE(VERSESEC(b.p));
    EXPECT_EQ(b.r.MINQZ, 4);
    EXPECT_EQ(b.qps(), (V{4, 6}));
    EXPECT_EQ(b.ends(), (V{104, 110}));
    EXPECT_EQ(b.fps(), (V{0, 1}));
    EXPECT_EQ(b.column(b.r.SPS), (V{0, 0}));
}

TEST(VerseSectoring, MaterialSetLNeverStartsASectorInASkippedChapter) {
    // Three questions in verses 1..3 of every chapter the set studies.
    auto bench = [](char lg, int bc = 1, int sectors = 17) {
        CountsRig b(bc, 1, 24, 3, sectors);
        b.r.LG = lg;
        for (int ch : {1, 2, 3, 4, 5, 6, 8, 12, 13, 17, 18, 19, 20, 21, 22, 23, 24}) b.verses(ch, 1, 3, 1);
        b.totals();
        return b;
    };
    CountsRig l = bench('L');
    ASSERT_TRUE(VERSESEC(l.p));
    EXPECT_EQ(l.r.MINQZ, 2);
    EXPECT_EQ(l.begins(),
              (V{101, 201, 301, 401, 501, 601, 801, 1201, 1301, 1701, 1801, 1901, 2001, 2101, 2201, 2301, 2303}));
    for (int s = 1; s <= 17; ++s) EXPECT_FALSE(l.p.leftOut().has(l.r.BC[s])) << "sector " << s;
    CountsRig inside = bench('L', 10, 5);  // a range that begins inside 9-11 begins at 12
    ASSERT_TRUE(VERSESEC(inside.p));
    EXPECT_EQ(inside.begins().front(), 1201);
    CountsRig other = bench(' ');  // without the set's rule the walk starts sectors in them
    ASSERT_TRUE(VERSESEC(other.p));
    EXPECT_EQ(other.qps(), l.qps());
    EXPECT_EQ(other.r.BC[7], 7);
    EXPECT_EQ(other.r.BC[8], 9);
    EXPECT_EQ(other.r.BC[10], 14);
}

TEST(VerseSectoring, ASingleSectorTakesTheWholeRange) {
    CountsRig b(3, 2, 3, 12, 1);
    b.verses(3, 1, 13, 1).verse(3, 12, 1, 2).totals();  // 11 questions
    ASSERT_TRUE(VERSESEC(b.p));
    EXPECT_EQ(b.r.MINQZ, 10);
    EXPECT_EQ(b.qps(), (V{11}));
    EXPECT_EQ(b.begins(), (V{302}));
    EXPECT_EQ(b.ends(), (V{312}));
    EXPECT_EQ(b.fps(), (V{2}));
}

TEST(VerseSectoring, OddCountsNeverRunPastTheTables) {
    {  // an empty range
        CountsRig b(2, 1, 3, 10, 4);
        b.totals();
        EXPECT_FALSE(VERSESEC(b.p));
    }
    {  // all questions in one verse
        CountsRig b(5, 1, 5, 20, 3);
        b.verse(5, 9, 60).totals();
        EXPECT_FALSE(VERSESEC(b.p));
    }
    {  // a range ending in a chapter of empty slots
        CountsRig b(23, 1, 24, 53, 3);
        b.verses(23, 1, 10, 1).totals();
        ASSERT_TRUE(VERSESEC(b.p));
        EXPECT_EQ(b.r.MINQZ, 3);
        EXPECT_EQ(b.qps(), (V{4, 3, 3}));
        EXPECT_EQ(b.ends(), (V{2304, 2307, 2401}));
    }
    {  // questions up to the last slot of the book
        CountsRig b(23, 1, 24, 85, 3);
        b.verses(23, 1, 6, 1).verses(24, 1, 85, 1).totals();
        ASSERT_TRUE(VERSESEC(b.p));
        EXPECT_EQ(b.r.MINQZ, 30);
        EXPECT_EQ(b.qps(), (V{30, 30, 31}));
        EXPECT_EQ(b.ends(), (V{2424, 2454, 2485}));
    }
}

namespace {

// Verse counts of Luke, with two or three regular questions in most verses
// and some specialty questions.
CountsRig wholeBook(int sectors) {
    CountsRig b(1, 1, 24, 53, sectors);
    for (int ch = 1; ch <= 24; ++ch)
        for (int v = 1; v <= lukeVerses(ch); ++v) {
            const int k = ch * 31 + v * 17;
            b.verse(ch, v, 2 + (k % 5 < 2) - (k % 11 == 0), k % 2, k % 3 == 0, k % 4 == 0, k % 7 == 0);
        }
    b.totals();
    return b;
}

}  // namespace

TEST(VerseSectoring, WholeBookWithThirtySectors) {
    CountsRig b = wholeBook(30);
    ASSERT_TRUE(VERSESEC(b.p));
    ASSERT_EQ(b.r.MINQZ, 87);
    EXPECT_EQ(CountsRig::sum(b.qps()), b.r.TQUEST);
    EXPECT_EQ(CountsRig::sum(b.fps()), b.r.FQUEST);
    EXPECT_EQ(b.r.BC[1] * 100 + b.r.BV[1], 101);
    EXPECT_EQ(b.r.EC[30] * 100 + b.r.EV[30], 2453);
    for (int s = 1; s <= 30; ++s) EXPECT_GE(b.r.TQPS[s], b.r.MINQZ);

    // One verse holding 2000 questions: the share has to come down a long
    // way, every trial walking the whole book.
    b.r.QCOUNT(1, 1) = 2000;
    countRange(b.p);
    ASSERT_TRUE(VERSESEC(b.p));
    EXPECT_EQ(b.r.EC[1] * 100 + b.r.EV[1], 101);
    EXPECT_GT(b.r.MINQZ, 0);
    EXPECT_LT(b.r.MINQZ, b.r.TQUEST / 30 - 50);
}
