// The specialty question numbers screen: letters under the numbers of the
// specialty window, within each kind's maximum, until SPMAX are placed.
#include <gtest/gtest.h>

#include "specc9/Config.h"
#include "specc9/ConfigRig.h"
#include "specc9/SpecialtyNumbers.h"

using namespace tess;
using tess::testing::ConfigRig;
using tess::testing::newStyle;
namespace line = tess::testing::line;

namespace {

using Cursor = std::pair<int, int>;

void window(Specc9& c, int early, int late) {
    c.SPEARLY = early;
    c.SPLATE = late;
}

}  // namespace

TEST(SpecialtyNumbers, LettersWithinTheMaximaUntilTheTotalIsReached) {
    ConfigRig b;
    Specc9& c = b.p.cfg;
    window(c, 1, 20);
    c.FMAX = 2, c.RMAX = 2, c.OMAX = 1, c.SMAX = 1, c.SPMAX = 4;
    // Three F (one too many) and an R outside the window, left by an earlier style.
    c.TYP = "FFFnnnnnnnAnnnnnnnnnnnnnRnnnnn";
    b.con.arrows("L");   // reads 0, 1: from number 1 to number 20
    b.con.arrows("R");   // reads 2, 3: back to 1
    b.con.enter();       // read 4: F F and the R outside make 3 of 4: not yet
    b.con.arrows("RR");  // number 3
    b.con.keys("s");     // S at 3: 4 placed
    b.con.keys("S");     // S again clears it
    b.con.keys("r");     // R at 3
    b.con.arrows("LL");
    b.con.keys(" ");  // clear the F at 1
    b.con.arrows("RR");
    b.con.keys("f");  // F over the R at 3: one CV Ref becomes FTV
    b.con.keys("o");  // 3 already holds a letter: O replaces F
    b.con.keys("x");
    b.con.enter();  // F 2, O 3, R 25: three: not yet
    b.con.arrows("R");
    b.con.keys("O");  // the one CO Ref is used
    b.con.keys("R");  // R at 4
    b.con.enter();
    SETSPEC(b.p);

    EXPECT_EQ(b.con.seenAt(0, 1, 3, 51), "                                Set Specialty Types");
    const std::string choose = "    Choose:  2 FTV (F)   2 CV Ref (R)   1 CO Ref (O)   and 1 SIT (S).";
    EXPECT_EQ(b.con.seenAt(0, 1, 6, choose.size() + 1), choose + " ");
    // m = 20: the cells take columns 21 to 60, the letters stand under the units
    EXPECT_EQ(b.con.seenAt(0, 1, 10, 61), std::string(38, ' ') + " 1 1 1 1 1 1 1 1 1 1 2 ");
    EXPECT_EQ(b.con.seenAt(0, 1, 11, 61), std::string(20, ' ') + " 1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 0 ");
    EXPECT_EQ(b.con.seenAt(0, 21, 12, 8), " F F    ");  // the third F is over FTV's maximum
    EXPECT_EQ(b.con.cursor.at(0), (Cursor{22, 12}));
    EXPECT_EQ(b.con.cursor.at(2), (Cursor{60, 12}));
    EXPECT_EQ(b.con.cursor.at(4), (Cursor{22, 12}));
    EXPECT_EQ(b.con.cursor.at(5), (Cursor{22, 12}));  // Return with 3 of 4 did nothing
    EXPECT_EQ(b.con.keysLeft(), 0u);
    EXPECT_EQ(c.TYP.str(), "nFOR" + std::string(20, 'n') + "R" + std::string(5, 'n'));
    EXPECT_EQ(c.SPECS, 6);
    EXPECT_EQ(b.con.textBackgroundNow(), colour::Blue);
    EXPECT_EQ(b.con.textColorNow(), colour::Yellow);
}

TEST(SpecialtyNumbers, AScreenThatCannotReachItsTotalStillLetsGo) {
    ConfigRig b;
    Specc9& c = b.p.cfg;
    window(c, 1, 1);
    c.FMAX = 1, c.RMAX = 1, c.SPMAX = 1;
    c.TYP = "nnnnnnnnnFRnnnnnnnnnnnnnnnnnnn";  // two letters nobody can clear here
    b.con.enter();
    SETSPEC(b.p);
    EXPECT_EQ(c.TYP.str(), "nnnnnnnnnFRnnnnnnnnnnnnnnnnnnn");
}

TEST(SpecialtyNumbers, AStyleSetByHandSavesTheScreensPattern) {
    ConfigRig b;
    auto s = newStyle();
    s[line::SETSPC] = "Y";
    s[line::SPMAX] = "2", s[line::SPMIN] = "2", s[line::FMAX] = "1", s[line::FMIN] = "1", s[line::RMAX] = "1",
    s[line::RMIN] = "1";
    s[line::OMAX] = "0", s[line::OMIN] = "0", s[line::SMAX] = "0", s[line::SMIN] = "0";
    b.dir.lines("Alpha.spe", s);
    b.con.enter();
    b.con.esc().enter();  // ready, accept: the screen, window 5 to 17
    b.con.keys("f");
    b.con.arrows("L");  // wraps to 17
    b.con.keys("R").enter();
    SPECS2(b.p);
    EXPECT_EQ(b.fileLines("Alpha.spe").at(28), "nnnnF" + std::string(11, 'n') + "R" + std::string(13, 'n'));
    EXPECT_EQ(b.dir.read("temp2.txt"), "Alpha\r\n");
}
