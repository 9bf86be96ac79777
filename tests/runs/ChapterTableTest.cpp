// A chapter-sectored ready style on the sample bank, through the share editor
// to the sector table.
#include <cstdio>

#include "data/BankCheck.h"
#include "runs/BankRun.h"

using namespace tess;
using namespace tess::testing;

namespace {

// Lines of a bank file in chapter `ch`, verses `from` to `to`, counted from the
// file itself rather than by the program.
int linesIn(const std::string& file, int ch, int from, int to) {
    const auto counts = bankcheck::countFile(BANK + file);
    int n = 0;
    for (int v = from; v <= to; ++v) n += counts.at(ch, v);
    return n;
}

}  // namespace

// Ch1to8: 16 questions over chapters 1-8, dealt two a chapter, so sector 1 is
// the first half of chapter 1 (80 verses): 1:1 to 1:40.
TEST(ChapterRun, SectorTableOfTheSampleBank) {
    BankRun b;
    b.useStyle("Ch1to8");
    // The pattern review; the notice that the count file is built; the shares
    // as dealt; a key at the table; Esc at the approval menu.
    b.con.enter().enter().enter().keys("x").esc();
    EXPECT_TRUE(restarts(b.p, [&] { runOnce(b.p); }));
    EXPECT_EQ(b.con.keysLeft(), 0u);

    const auto& shots = b.con.snapshots();
    ASSERT_EQ(shots.size(), 5u);
    const std::string& atTable = shots[3];
    const auto rows = screenRows(atTable);
    EXPECT_EQ(rows[4], "  Sc From    To    --Total Questions--   Sc From    To    --Total Questions--   ");
    EXPECT_EQ(rows[5], "  Nm Verse   Verse Reg FTV Ref ChO Sit   Nm Verse   Verse Reg FTV Ref ChO Sit   ");
    EXPECT_EQ(rows[6], "  -- ------- ----- --- --- --- --- ---   -- ------- ----- --- --- --- --- ---   ");

    char entry[64];
    std::snprintf(entry, sizeof entry, "   1 L  1: 1  1:40%4d%4d%4d%4d%4d", linesIn("Luke.B", 1, 1, 40),
                  linesIn("FTV.00", 1, 1, 40), linesIn("cv.b", 1, 1, 40), linesIn("co.b", 1, 1, 40),
                  linesIn("SIT.TXT", 1, 1, 40));
    EXPECT_EQ(rows[7].substr(0, 38), entry) << atTable;

    const auto table = tableOnScreen(atTable);
    ASSERT_EQ(table.size(), 16u);
    EXPECT_EQ(table[8].bc, 5);  // sector 9 opens chapter 5, in the right column of row 1
    EXPECT_EQ(table[8].s, 9);
    int smallest = 200;
    for (const auto& e : table) smallest = std::min(smallest, e.q);
    EXPECT_EQ(rows[2], "  Your smallest sector has " + std::to_string(smallest) + " regular questions. " +
                           std::string(80 - 47 - std::to_string(smallest).size(), ' '));
    EXPECT_EQ(b.p.run.MINQZ, smallest);
}
