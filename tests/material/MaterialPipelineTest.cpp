// A chapter-sectored run on a small hand-made bank from the counts to the
// sector table: index build, range totals, summary, chapter sectoring and
// its table.
#include <gtest/gtest.h>

#include "core/Messages.h"
#include "material/ChapterSectoring.h"
#include "material/Counts.h"
#include "material/MaterialRig.h"

using namespace tess;
using namespace tess::testing;

TEST(MaterialPipeline, ChapterSectoredRangeFromBankToTable) {
    ScratchDir d;
    std::vector<std::string> reg{bankLine(1, 1, "Who came first?")}, ftv, cv, co, sit;
    for (int ch = 1; ch <= 4; ++ch)
        for (int v = 1; v <= lukeVerses(ch); ++v) {
            reg.push_back(bankLine(ch, v, "What happened?"));
            if (v % 10 == 0) ftv.push_back(bankLine(ch, v, "And he said"));
            if (v % 20 == 0) cv.push_back(bankLine(ch, v, "ref"));
        }
    co.push_back(bankLine(2, 1, "chapter"));
    sit.push_back(bankLine(3, 38, "situation"));
    d.lines("Luke.A", reg);
    d.lines("FTV.00", ftv);
    d.lines("cv.b", cv);
    d.lines("co.b", co);
    d.lines("SIT.TXT", sit);

    MaterialProgram m(d);
    auto& r = m.p.run;
    m.range(1, 1, 3, 38);
    r.QMAX = r.SECTORS = 4;
    m.con.enter().keys("x");
    prepareCounts(m.p);
    countRange(m.p);
    EXPECT_EQ(r.BEFORE, 0);
    EXPECT_EQ(r.TQUEST, 171);
    CLR(m.p);
    rangeSummary(m.p);
    EXPECT_EQ(m.con.rowText(4).substr(0, 70),
              std::string("  Regular Questions: 171   FTV: 16   CV Refs: 7   CO Refs: 1   SIT: 1")
                  .append(10, ' ')
                  .substr(0, 70));
    CHAPSEC(m.p);

    EXPECT_EQ(m.con.rowText(5).substr(0, 77),
              "  Sc From    To    --Total Questions--   Sc From    To    --Total Questions--");
    EXPECT_EQ(m.con.rowText(8), "   1 L  1: 1  1:40  41   4   2   0   0    3 L  2: 1  2:52  52   5   2   1   0   ");
    EXPECT_EQ(m.con.rowText(9).substr(0, 38), "   2 L  1:41  1:80  40   4   2   0   0");
    const std::string smallest = "  Your smallest sector has 38 regular questions. ";
    EXPECT_EQ(m.con.rowText(3).substr(0, smallest.size()), smallest);
    EXPECT_EQ(r.MINQZ, 38);
    EXPECT_EQ(r.SECTORS, 4);
    EXPECT_EQ(r.FQUEST, 16);
    EXPECT_EQ(r.SQUEST, 1);
}
