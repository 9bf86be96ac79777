#include <gtest/gtest.h>

#include "material/MaterialRig.h"
#include "material/SectorTable.h"

using namespace tess;
using namespace tess::testing;

namespace {

const char* const HEADER1 = "  Sc From    To    --Total Questions--   Sc From    To    --Total Questions--";
const char* const HEADER3 = "  -- ------- ----- --- --- --- --- ---   -- ------- ----- --- --- --- --- ---";

// Sectors of one chapter verse each, with counts that name the sector.
void sectorsOf(RunState& r, int n) {
    r.SECTORS = n;
    for (int s = 1; s <= n; ++s) {
        r.BC[s] = r.EC[s] = 1;
        r.BV[s] = r.EV[s] = s;
        r.QPS[s] = 10 + s;
        r.FPS[s] = 1;
        r.RPS[s] = 2;
        r.OPS[s] = s % 2;
        r.SPS[s] = 3;
    }
}

std::string trimmed(std::string s) {
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

}  // namespace

TEST(SectorTable, ThirtySectorsFillFifteenRowsInTwoColumns) {
    MaterialProgram m;
    auto& r = m.p.run;
    m.range(1, 1, 1, 30);
    sectorsOf(r, 30);
    r.TQUEST = 999;
    m.con.gotoXY(1, 3);
    finishSectorTable(m.r);
    drawSectorTable(m.con, m.r);
    EXPECT_EQ(trimmed(m.con.rowText(3)), "");
    EXPECT_EQ(m.con.rowText(4).substr(0, 77), HEADER1);
    EXPECT_EQ(m.con.rowText(5).substr(0, 77),
              "  Nm Verse   Verse Reg FTV Ref ChO Sit   Nm Verse   Verse Reg FTV Ref ChO Sit");
    EXPECT_EQ(m.con.rowText(6).substr(0, 77), HEADER3);
    EXPECT_EQ(trimmed(m.con.rowText(7)),
              "   1 L  1: 1  1: 1  11   1   2   1   3   16 L  1:16  1:16  26   1   2   0   3");
    EXPECT_EQ(trimmed(m.con.rowText(21)),
              "  15 L  1:15  1:15  25   1   2   1   3   30 L  1:30  1:30  40   1   2   0   3");
    EXPECT_EQ(trimmed(m.con.rowText(22)), "");
    EXPECT_EQ(m.con.whereY(), 23);
    EXPECT_EQ(r.FQUEST, 30);
    EXPECT_EQ(r.RQUEST, 60);
    EXPECT_EQ(r.OQUEST, 15);
    EXPECT_EQ(r.SQUEST, 90);
    EXPECT_EQ(r.TQUEST, 999);  // the regular total is left as counted
}

TEST(SectorTable, OddSectorCountLeavesTheLastRowWithALeftEntryOnly) {
    MaterialProgram m;
    auto& r = m.p.run;
    m.range(1, 1, 2, 9);
    sectorsOf(r, 7);
    m.con.gotoXY(1, 3);
    finishSectorTable(m.r);
    drawSectorTable(m.con, m.r);
    EXPECT_EQ(m.con.rowText(7).substr(38, 8), "    5 L ");
    EXPECT_EQ(m.con.rowText(9).substr(38, 8), "    7 L ");
    EXPECT_EQ(trimmed(m.con.rowText(10)), "   4 L  1: 4  1: 4  14   1   2   0   3");
    EXPECT_EQ(trimmed(m.con.rowText(11)), "");
    // The last sector ends where the range ends, whatever it held before.
    EXPECT_EQ(r.EC[7], 2);
    EXPECT_EQ(r.EV[7], 9);
    EXPECT_EQ(trimmed(m.con.rowText(9)).substr(38), "    7 L  1: 7  2: 9  17   1   2   1   3");
}

TEST(SectorTable, EntryOfASectorAcrossAChapterEnd) {
    MaterialProgram m;
    auto& r = m.p.run;
    m.range(1, 1, 3, 38);
    sectorsOf(r, 5);
    r.BC[3] = 1;
    r.BV[3] = 80;
    r.EC[3] = 2;
    r.EV[3] = 5;
    r.QPS[3] = 12;
    r.FPS[3] = 3;
    r.RPS[3] = 1;
    r.OPS[3] = 0;
    r.SPS[3] = 2;
    m.con.gotoXY(1, 3);
    finishSectorTable(m.r);
    drawSectorTable(m.con, m.r);
    EXPECT_EQ(m.con.rowText(9).substr(0, 38), "   3 L  1:80  2: 5  12   3   1   0   2");
}
