#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "material/ChapterSectoring.h"
#include "material/Counts.h"
#include "material/MaterialRig.h"

using namespace tess;
using namespace tess::testing;

namespace {

// Distinct counts per verse, so a sector read from the wrong slots shows.
void fillCounts(RunState& r) {
    for (int ch = 1; ch <= LUKE_CHAPTERS; ++ch)
        for (int v = 1; v <= r.EVS[ch]; ++v) {
            if (Material{}.leftOut(r.LG).has(ch)) continue;
            r.QCOUNT(ch, v) = 1 + (v + ch) % 3;
            r.FCOUNT(ch, v) = v % 4 == 0;
            r.RCOUNT(ch, v) = v % 5 == 0;
            r.OCOUNT(ch, v) = v == 1 ? 2 : 0;
            r.SCOUNT(ch, v) = v % 7 == 0;
        }
}

struct Layout {
    MaterialProgram m;
    RunState& r = m.p.run;
    Layout(int bc, int bv, int ec, int ev, int qmax, char lg = ' ') {
        r.LG = lg;
        m.range(bc, bv, ec, ev);
        r.QMAX = qmax;
        fillCounts(r);
        countRange(m.p);
    }
};

using Sector = std::tuple<int, int, int, int>;
Sector sector(const RunState& r, int s) { return {r.BC[s], r.BV[s], r.EC[s], r.EV[s]}; }

// Every kind's sector totals add up to the range totals.
void expectTotalsAddUp(const RunState& r) {
    int q = 0, f = 0, rf = 0, o = 0, s = 0;
    for (int i = 1; i <= r.SECTORS; ++i) {
        q += r.QPS[i];
        f += r.FPS[i];
        rf += r.RPS[i];
        o += r.OPS[i];
        s += r.SPS[i];
        EXPECT_EQ(r.TQPS[i], r.QPS[i]);
    }
    EXPECT_EQ(q, r.TQUEST);
    EXPECT_EQ(f, r.FQUEST);
    EXPECT_EQ(rf, r.RQUEST);
    EXPECT_EQ(o, r.OQUEST);
    EXPECT_EQ(s, r.SQUEST);
}

std::string snapshotRow(const std::string& snap, int row) {
    return snap.substr(static_cast<std::size_t>(row - 1) * 81, 80);
}

int firstSnapshotWith(const ScreenConsole& c, const std::string& text, int from = 0) {
    const auto& snaps = c.snapshots();
    for (int i = from; i < static_cast<int>(snaps.size()); ++i)
        if (snaps[static_cast<std::size_t>(i)].find(text) != std::string::npos) return i;
    return -1;
}

}  // namespace

TEST(ChapterSectoring, ThreeChaptersSevenSectorsDealThreeTwoTwo) {
    Layout t(1, 1, 3, 38, 7);
    t.m.con.enter().keys("x");
    CHAPSEC(t.m.p);
    EXPECT_EQ(t.r.CS[1], 3);
    EXPECT_EQ(t.r.CS[2], 2);
    EXPECT_EQ(t.r.CS[3], 2);
    const std::string& editor = t.m.con.snapshots().front();
    EXPECT_NE(editor.find("  Choose questions per chapter. Use zeros to group chapters."), std::string::npos);
    EXPECT_EQ(snapshotRow(editor, 5).substr(0, 15), "  Luke  1:   3 ");
    EXPECT_EQ(snapshotRow(editor, 7).substr(0, 15), "  Luke  3:   2 ");
    EXPECT_EQ(sector(t.r, 1), Sector(1, 1, 1, 26));
    EXPECT_EQ(sector(t.r, 2), Sector(1, 27, 1, 53));
    EXPECT_EQ(sector(t.r, 3), Sector(1, 54, 1, 80));
    EXPECT_EQ(sector(t.r, 5), Sector(2, 27, 2, 52));
    EXPECT_EQ(sector(t.r, 6), Sector(3, 1, 3, 19));
    EXPECT_EQ(sector(t.r, 7), Sector(3, 20, 3, 38));
    expectTotalsAddUp(t.r);
    int smallest = 200;
    for (int s = 1; s <= 7; ++s) smallest = std::min(smallest, t.r.QPS[s]);
    EXPECT_EQ(t.r.MINQZ, smallest);
    EXPECT_EQ(t.m.con.rowText(3).substr(0, 60),
              ("  Your smallest sector has " + std::to_string(smallest) + " regular questions. ")
                  .append(60, ' ')
                  .substr(0, 60));
}

TEST(ChapterSectoring, MoreChaptersThanQuestionsRaisesTheQuestionsPerPacket) {
    Layout t(1, 1, 5, 39, 3);
    t.m.con.enter().enter().keys("x");
    CHAPSEC(t.m.p);
    EXPECT_TRUE(t.m.con.sawText("  We must reset the questions per packet to sector 5 chapters."));
    EXPECT_EQ(t.r.QMAX, 5);
    EXPECT_EQ(t.r.SECTORS, 5);
    for (int ch = 1; ch <= 5; ++ch) {
        EXPECT_EQ(t.r.CS[ch], 1);
        EXPECT_EQ(sector(t.r, ch), Sector(ch, 1, ch, t.r.EVS[ch]));
    }
    expectTotalsAddUp(t.r);
}

TEST(ChapterSectoring, ZeroSharesGroupChaptersIntoEqualVerseCounts) {
    Layout t(1, 1, 3, 38, 4);
    t.m.con.keys("0").down().keys("0").down().keys("4").up().enter().keys("x");
    CHAPSEC(t.m.p);
    // 80 + 52 + 38 = 170 verses, 170 div 4 = 42 across chapter ends.
    EXPECT_EQ(sector(t.r, 1), Sector(1, 1, 1, 42));
    EXPECT_EQ(sector(t.r, 2), Sector(1, 43, 2, 4));
    EXPECT_EQ(sector(t.r, 3), Sector(2, 5, 2, 46));
    EXPECT_EQ(sector(t.r, 4), Sector(2, 47, 3, 38));
    expectTotalsAddUp(t.r);
}

TEST(ChapterSectoring, ShareAboveThePartialChaptersVersesGivesEmptySectors) {
    Layout t(1, 75, 2, 10, 11);
    t.m.con.keys("10").down().keys("1").up().enter().keys("x");
    CHAPSEC(t.m.p);
    EXPECT_EQ(t.r.CS[1], 10);
    EXPECT_EQ(sector(t.r, 1), Sector(1, 75, 1, 74));  // ends before it begins
    EXPECT_EQ(t.r.QPS[1], 0);
    EXPECT_EQ(sector(t.r, 10), Sector(1, 80, 1, 80));
    EXPECT_EQ(sector(t.r, 11), Sector(2, 1, 2, 10));
    EXPECT_EQ(t.r.MINQZ, 0);
    EXPECT_TRUE(t.m.con.sawText("Your smallest sector has 0 regular questions. "));
    expectTotalsAddUp(t.r);
}

TEST(ChapterSectoring, RangeInsideOneChapterStaysInsideTheRange) {
    Layout t(5, 30, 5, 39, 2);
    t.m.con.enter().keys("x");
    CHAPSEC(t.m.p);
    EXPECT_EQ(sector(t.r, 1), Sector(5, 30, 5, 34));
    EXPECT_EQ(sector(t.r, 2), Sector(5, 35, 5, 39));
    expectTotalsAddUp(t.r);
}

TEST(ChapterSectoring, WrongTotalKeepsTheEditorOpenWithBothMessages) {
    Layout t(1, 1, 3, 38, 7);
    t.m.con.keys("5").down().enter().up().keys("3").down().enter().keys("x");
    CHAPSEC(t.m.p);
    const int atCheck = firstSnapshotWith(t.m.con, "Your total is 9 questions");
    ASSERT_GE(atCheck, 0);
    EXPECT_NE(t.m.con.snapshots()[static_cast<std::size_t>(atCheck)].find("Total questions must equal 7"),
              std::string::npos);
    EXPECT_EQ(t.r.CS[1], 3);
    EXPECT_EQ(sector(t.r, 3), Sector(1, 54, 1, 80));
    EXPECT_EQ(t.m.con.keysLeft(), 0u);
}

TEST(ChapterSectoring, EscAtTheTableReturnsToTheEditorWithTheSharesKept) {
    Layout t(1, 1, 3, 38, 7);
    t.m.con.keys("4").down().keys("1").down().enter().esc().enter().keys("x");
    CHAPSEC(t.m.p);
    const int table = firstSnapshotWith(t.m.con, "Your smallest sector has");
    ASSERT_GE(table, 0);
    const int editorAgain = firstSnapshotWith(t.m.con, "Choose questions per chapter", table + 1);
    ASSERT_GT(editorAgain, table);
    const std::string& snap = t.m.con.snapshots()[static_cast<std::size_t>(editorAgain)];
    EXPECT_NE(snap.find("Luke  1:   4"), std::string::npos);
    EXPECT_NE(snap.find("Luke  2:   1"), std::string::npos);
    EXPECT_EQ(t.r.CS[1], 4);
    EXPECT_EQ(t.r.CS[2], 1);
    EXPECT_EQ(t.r.CS[3], 2);
    EXPECT_EQ(sector(t.r, 1), Sector(1, 1, 1, 20));
    expectTotalsAddUp(t.r);
}

// The L set's left-out chapters (7, 9-11, 14-16) are not listed and get no
// share; a typed 0 stays 0 and groups across them, and no sector begins in one.
TEST(ChapterSectoring, LMaterialPassesOverItsLeftOutChapters) {
    Layout t(6, 1, 17, 37, 8, 'L');
    t.m.con.keys("3").down().keys("0").down().keys("3").up().up().enter().keys("x");
    CHAPSEC(t.m.p);
    const std::string& first = t.m.con.snapshots().front();
    EXPECT_EQ(first.find("Use zeros"), std::string::npos);
    EXPECT_NE(first.find("Luke  6:   2"), std::string::npos);
    EXPECT_NE(first.find("Luke 12:   2"), std::string::npos);
    EXPECT_NE(first.find("Luke 17:   1"), std::string::npos);
    for (const char* gone : {"Luke  7:", "Luke  9:", "Luke 11:", "Luke 14:", "Luke 16:"})
        EXPECT_EQ(first.find(gone), std::string::npos) << gone;
    EXPECT_EQ(t.r.CS[8], 0);
    EXPECT_EQ(sector(t.r, 4), Sector(8, 1, 8, 38));  // the group of 8 and 12, over 9-11
    EXPECT_EQ(sector(t.r, 5), Sector(8, 39, 12, 20));
    EXPECT_EQ(sector(t.r, 6), Sector(12, 21, 12, 59));
    EXPECT_EQ(sector(t.r, 8), Sector(17, 1, 17, 37));
    expectTotalsAddUp(t.r);
}

// Luke's L deal joins 3 to 4 and 5 to 6 as it always has, but never leaves
// the range's last chapter without a share.
TEST(ChapterSectoring, LMaterialWholeBookDealsOnlyTheListedChapters) {
    Layout t(1, 1, 24, 53, 30, 'L');
    t.m.con.enter().keys("x");
    CHAPSEC(t.m.p);
    int sum = 0;
    for (int ch = 1; ch <= 24; ++ch) {
        const bool dealtOver = t.m.p.leftOut().has(ch) || ch == 3 || ch == 5;
        EXPECT_EQ(t.r.CS[ch], dealtOver ? 0 : 2) << "chapter " << ch;
        sum += t.r.CS[ch];
    }
    EXPECT_EQ(sum, 30);
    EXPECT_GT(t.r.MINQZ, 0);
    expectTotalsAddUp(t.r);

    Layout last(1, 1, 3, 38, 4, 'L');
    last.m.con.enter().keys("x");
    CHAPSEC(last.m.p);
    EXPECT_EQ(last.r.CS[3], 1);
    EXPECT_GT(last.r.MINQZ, 0);
}

// The walk reads every sector from its own first slot: whatever the layout,
// with or without the chapters the "L" material leaves out, nothing is
// counted twice, nothing is lost and nothing is read outside the tables.
TEST(ChapterSectoring, SectorTotalsAddUpForEveryLayout) {
    std::mt19937 gen(20261207);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    for (char lg : {' ', 'L'}) {
        for (int round = 0; round < 400; ++round) {
            MaterialProgram m;
            auto& r = m.p.run;
            r.LG = lg;
            int bc = pick(1, 24), ec = pick(1, 24);
            if (bc > ec) std::swap(bc, ec);
            int bv = pick(1, r.EVS[bc]), ev = pick(1, r.EVS[ec]);
            if (bc == ec && bv > ev) std::swap(bv, ev);
            m.range(bc, bv, ec, ev);
            fillCounts(r);
            countRange(m.p);
            std::vector<int> listed;
            for (int ch = bc; ch <= ec; ++ch)
                if (!m.p.leftOut().has(ch)) listed.push_back(ch);
            if (listed.empty()) continue;
            r.SECTORS = r.QMAX = pick(1, SCMAX);
            r.CS.fill(0);
            r.CS[listed.back()] = 1;
            for (int i = 2; i <= r.SECTORS; ++i)
                ++r.CS[listed[static_cast<std::size_t>(pick(0, static_cast<int>(listed.size()) - 1))]];
            SCOPED_TRACE(std::string("LG '") + lg + "' range " + std::to_string(bc) + ":" + std::to_string(bv) + "-" +
                         std::to_string(ec) + ":" + std::to_string(ev) + " sectors " + std::to_string(r.SECTORS));
            ASSERT_NO_THROW(buildChapterSectors(m.p));
            ASSERT_NO_THROW(countChapterSectors(m.p));
            expectTotalsAddUp(r);
            for (int s = 1; s <= r.SECTORS; ++s) {
                const bool empty = std::make_pair(r.EC[s], r.EV[s]) < std::make_pair(r.BC[s], r.BV[s]);
                if (empty) continue;
                EXPECT_FALSE(m.p.leftOut().has(r.BC[s])) << "sector " << s << " begins in a left-out chapter";
                EXPECT_GE(std::make_pair(r.BC[s], r.BV[s]), std::make_pair(bc, bv)) << "sector " << s;
                EXPECT_LE(std::make_pair(r.EC[s], r.EV[s]), std::make_pair(ec, ev)) << "sector " << s;
            }
            if (::testing::Test::HasFailure()) return;
        }
    }
}

// The layouts that put the old skip walk out of step with the count file.
TEST(ChapterSectoring, LMaterialGroupsAroundTheLeftOutChapters) {
    MaterialProgram m;
    auto& r = m.p.run;
    r.LG = 'L';
    m.range(5, 1, 17, 37);
    fillCounts(r);
    countRange(m.p);
    r.CS.fill(0);
    r.CS[6] = 1;   // group 5-6; chapter 7 is passed over
    r.CS[12] = 1;  // group 8-12, over 9-11
    r.CS[13] = 2;
    r.CS[17] = 1;  // 14-16 passed over: the sector begins in 17
    r.SECTORS = r.QMAX = 5;
    buildChapterSectors(m.p);
    countChapterSectors(m.p);
    EXPECT_EQ(sector(r, 1), Sector(5, 1, 6, 49));
    EXPECT_EQ(sector(r, 2), Sector(8, 1, 12, 59));
    EXPECT_EQ(sector(r, 3), Sector(13, 1, 13, 17));
    EXPECT_EQ(sector(r, 5), Sector(17, 1, 17, 37));
    expectTotalsAddUp(r);
}
