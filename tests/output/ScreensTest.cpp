#include <gtest/gtest.h>

#include "output/Screens.h"
#include "support/Fixture.h"

using namespace tess;

namespace {

using tess::testing::Fixture;

std::string cells(const Console& c, int col, int row, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) appendUtf8(s, c.cell(col + i, row).ch);
    return s;
}

}  // namespace

TEST(WarningScreens, QuestwarnWaitsForOneReturnSpecwarnForTwo) {
    Fixture s;
    s.con.gotoXY(1, 3);
    s.con.line("ignored");
    QUESTWARN(s.p);
    EXPECT_EQ(s.con.keysLeft(), 0u);
    EXPECT_EQ(s.con.rowText(3).substr(0, 60), "  There are not enough regular questions in this material.  ");
    EXPECT_EQ(s.con.rowText(5).substr(0, 44), "  Reduce the number of questions per packet.");

    Fixture t;
    t.con.enter();
    EXPECT_THROW(SPECWARN(t.p), ScriptExhausted);  // one Return is not enough
    Fixture u;
    u.con.enter().enter().keys("x");
    SPECWARN(u.p);
    EXPECT_EQ(u.con.keysLeft(), 1u);
    EXPECT_EQ(cells(u.con, 3, 3, 33), "One specialty has zero questions.");
    EXPECT_EQ(cells(u.con, 1, 5, 48), "  Change the maximum for that specialty to zero.");
    EXPECT_EQ(cells(u.con, 1, 7, 27), "  Press return to continue.");
}

TEST(ClosingScreen, NamesTheListAndPacketFiles) {
    Fixture s;
    s.p.shared.NAME4 = "QUIZ1";
    s.con.gotoXY(1, 10);
    s.con.write("left over");
    THANK(s.p);
    EXPECT_EQ(s.con.rowText(10), std::string(80, ' '));
    EXPECT_EQ(cells(s.con, 1, 3, 35), "  Thank you for using Tessarin 25.0");
    EXPECT_EQ(cells(s.con, 1, 5, 66), "  A list of questions and sectors used has been saved as QUIZ1.inf");
    EXPECT_EQ(cells(s.con, 1, 7, 62), "  Your output file has been saved in ASCII text file QUIZ1.qui");
    EXPECT_EQ(s.con.whereY(), 9);
}
