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

TEST(TitleScreen, WhiteBandsOnRows1And25BlueBelowAndYellowOnBlueAfter) {
    Fixture s;
    WRITEHDG(s.p);
    const Console& c = s.con;
    EXPECT_EQ(c.rowText(1),
              "  Tessarin 25.0" + std::string(40, ' ') + std::string(13, ' ') + "Luke" + std::string(8, ' '));
    EXPECT_EQ(c.rowText(25), "  Orvalle" + std::string(36, ' ') + "orvalle.org/tessarin" + std::string(15, ' '));
    // The first letter and the version in red, the rest of the name in black.
    EXPECT_EQ(c.cell(3, 1).fg, colour::Red);
    EXPECT_EQ(c.cell(4, 1).fg, colour::Black);
    EXPECT_EQ(c.cell(10, 1).fg, colour::Black);
    EXPECT_EQ(cells(c, 11, 1, 5), " 25.0");
    EXPECT_EQ(c.cell(12, 1).fg, colour::Red);
    EXPECT_EQ(c.cell(69, 1).fg, colour::Black);  // "Luke"
    EXPECT_EQ(c.cell(3, 25).fg, colour::Black);
    for (int col = 1; col <= Console::Cols; ++col) {
        EXPECT_EQ(c.cell(col, 1).bg, colour::White) << col;
        EXPECT_EQ(c.cell(col, 25).bg, colour::White) << col;
        for (int row = 2; row <= 24; ++row) ASSERT_EQ(c.cell(col, row).bg, colour::Blue) << col << "," << row;
    }
    EXPECT_EQ(c.cell(80, 25).ch, ' ');  // the address never reaches the last cell
    EXPECT_EQ(c.textColorNow(), colour::Yellow);
    EXPECT_EQ(c.textBackgroundNow(), colour::Blue);
}

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

TEST(ApprovalChoices, DrawnAtColumn16AndLeaveWhiteOnRed) {
    Fixture s;
    s.con.textColor(colour::Yellow);
    s.con.textBackground(colour::Blue);
    APPROVESPEC(s.p);
    EXPECT_EQ(cells(s.con, 16, 3, 44), "Run specialty combinations automatically    ");
    EXPECT_EQ(cells(s.con, 16, 4, 44), "Approve specialty combinations for each quiz");
    EXPECT_EQ(s.con.cell(16, 3).bg, colour::Blue);
    EXPECT_EQ(s.con.textColorNow(), colour::White);
    EXPECT_EQ(s.con.textBackgroundNow(), colour::Red);
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
