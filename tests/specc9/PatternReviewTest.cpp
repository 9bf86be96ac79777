#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "specc9/PatternReview.h"
#include "support/Fixture.h"

using namespace tess;

namespace {

struct ReviewRig : tess::testing::Fixture {
    explicit ReviewRig(int quizzes, std::uint64_t seed = 5) : Fixture(seed) {
        Specc9& c = p.cfg;
        c.QZ = quizzes;
        for (int q = 1; q <= quizzes; ++q) c.PAT[q] = patternOf(q);
        // Space draws from a plain random style with 4..8 specialties.
        c.SPMIN = 4, c.SPMAX = 8, c.FMIN = 1, c.FMAX = 3, c.RMIN = 1, c.RMAX = 2;
        c.OMIN = 0, c.OMAX = 2, c.SMIN = 0, c.SMAX = 2, c.SPEARLY = 1, c.SPLATE = 20;
        p.shared.SETSPC = 'N';
    }
    // One "F" whose place tells the quizzes apart.
    static std::string patternOf(int q) {
        std::string s(30, 'n');
        s[static_cast<size_t>(q % 30)] = 'F';
        return s;
    }
    // Index c of the current (white on red) entry on a grid, 0 when none.
    int current(const tess::testing::TestConsole::Grid& g, bool wide = false) const {
        for (int c = 1; c <= (wide ? 15 : 30); ++c) {
            const int col = wide ? 1 : (c <= 15 ? 4 : 42);
            if (g.at(col, (c - 1) % 15 + 6).bg == colour::Red) return c;
        }
        return 0;
    }
};

}  // namespace

TEST(PatternReview, RulersAndColumnsFollowTheNumberOfQuizzes) {
    {
        ReviewRig b(15);
        b.con.enter();
        WRITESPECS(b.p);
        const auto& g = b.con.grid(0);
        EXPECT_EQ(g.text(1, 5, 80), "            5   10   15   20   25   30" + std::string(42, ' '));
        EXPECT_EQ(g.text(4, 6, 35), "  1. " + ReviewRig::patternOf(1));
        EXPECT_EQ(g.text(4, 20, 5), " 15. ");
        EXPECT_EQ(g.text(42, 6, 20), std::string(20, ' '));  // no right column
        EXPECT_EQ(g.text(4, 22, 35), " Press Enter to accept all patterns");
        const std::string head = "   Press Space Bar to Reshuffle the Specialty pattern for a particular quiz";
        EXPECT_EQ(g.text(2, 3, static_cast<int>(head.size())), head);
    }
    {
        ReviewRig b(16);
        b.con.enter();
        WRITESPECS(b.p);
        const auto& g = b.con.grid(0);
        EXPECT_EQ(g.text(51, 5, 26), "5   10   15   20   25   30");
        EXPECT_EQ(g.text(42, 6, 5), " 16. ");
        // Every ruler number ends above the letter of its position, in light red.
        for (int x = 5; x <= 30; x += 5) {
            const char digit = static_cast<char>('0' + x % 10);
            EXPECT_EQ(g.at(8 + x, 5).ch, digit) << x;
            EXPECT_EQ(g.at(46 + x, 5).ch, digit) << x;
            EXPECT_EQ(g.at(8 + x, 5).fg, colour::LightRed);
            EXPECT_EQ(g.at(46 + x, 5).fg, colour::LightRed);
            EXPECT_EQ(g.at(8 + x, 7).ch, ReviewRig::patternOf(2)[x - 1]);
            EXPECT_EQ(g.at(46 + x, 6).ch, ReviewRig::patternOf(16)[x - 1]);
        }
    }
}

TEST(PatternReview, EntryColours) {
    ReviewRig b(3);
    b.con.enter();
    WRITESPECS(b.p);
    const auto& g = b.con.grid(0);
    for (int col = 4; col <= 38; ++col) {  // the current entry, number and letters
        EXPECT_EQ(g.at(col, 6).fg, colour::White) << col;
        EXPECT_EQ(g.at(col, 6).bg, colour::Red) << col;
    }
    for (int x = 1; x <= 30; ++x) {  // a normal entry: every fifth letter white
        const Cell& cell = g.at(8 + x, 7);
        EXPECT_EQ(cell.fg, x % 5 == 0 ? colour::White : colour::Yellow) << x;
        EXPECT_EQ(cell.bg, colour::Blue) << x;
    }
    EXPECT_EQ(g.at(6, 7).fg, colour::Yellow);  // the quiz number
}

TEST(PatternReview, MovingAndWrapping) {
    {  // Right from entry 3 needs an entry 18
        ReviewRig b(17);
        b.con.down().down().right().enter();
        WRITESPECS(b.p);
        EXPECT_EQ(b.current(b.con.lastGrid()), 3);
    }
    {
        ReviewRig b(18);
        b.con.down().down().right().left().right().enter();
        WRITESPECS(b.p);
        EXPECT_EQ(b.current(b.con.grid(6)), 18);
        EXPECT_EQ(b.current(b.con.grid(8)), 3);  // Left goes back
        EXPECT_EQ(b.current(b.con.lastGrid()), 18);
        // the entry left behind is drawn normally again
        EXPECT_EQ(b.con.lastGrid().at(4, 8).bg, colour::Blue);
    }
    {  // Up on the first entry goes to the last; Down on the last to the first
        ReviewRig b(20);
        b.con.up().down().keys("H").enter();  // a typed capital H acts as Up
        WRITESPECS(b.p);
        EXPECT_EQ(b.current(b.con.grid(2)), 20);
        EXPECT_EQ(b.current(b.con.grid(4)), 1);
        EXPECT_EQ(b.current(b.con.lastGrid()), 20);
    }
}

TEST(PatternReview, ScreensOfThirty) {
    ReviewRig b(31);
    b.con.enter().down().esc();  // Esc acts as Return on this screen
    WRITESPECS(b.p);
    EXPECT_EQ(b.con.keysLeft(), 0u);
    EXPECT_FALSE(b.p.shared.BACK);
    ASSERT_EQ(b.con.snapshots().size(), 4u);
    const auto& second = b.con.grid(1);
    EXPECT_EQ(second.text(4, 6, 5), " 31. ");
    EXPECT_EQ(b.current(second), 1);
    for (int row = 7; row <= 20; ++row) EXPECT_EQ(second.text(1, row, 80), std::string(80, ' ')) << row;
    EXPECT_EQ(second.text(42, 6, 10), std::string(10, ' '));
    EXPECT_EQ(b.current(b.con.grid(3)), 1);  // Down on the only entry wraps to it
}

TEST(PatternReview, SpaceReshufflesOnlyThatQuiz) {
    ReviewRig b(20);
    b.con.down().down().key(key::Space).enter();
    WRITESPECS(b.p);
    const std::string drawn = b.p.cfg.PAT[3].str();
    EXPECT_NE(drawn, ReviewRig::patternOf(3));  // 4 to 8 specialties now
    EXPECT_GE(30 - std::count(drawn.begin(), drawn.end(), 'n'), 4);
    for (int q = 1; q <= 20; ++q) {
        if (q == 3) continue;
        EXPECT_EQ(b.p.cfg.PAT[q].str(), ReviewRig::patternOf(q)) << q;
    }
    const auto& after = b.con.lastGrid();
    EXPECT_EQ(b.current(after), 3);  // the cursor stays
    EXPECT_EQ(after.text(9, 8, 30), drawn);
}

TEST(PatternReview, SeventyFivePositionScreen) {
    {
        ReviewRig b(16);
        b.con.right().up().enter().enter();  // no Right here; two screens of 15
        WRITESPECS75(b.p);
        EXPECT_FALSE(b.p.shared.BACK);
        const auto& g = b.con.grid(0);
        EXPECT_EQ(g.text(1, 5, 79), "        5   10   15   20   25   30   35   40   45   50   55   60   65   70   75");
        EXPECT_EQ(g.text(1, 7, 4), "  2.");
        EXPECT_EQ(g.text(5, 7, 30), ReviewRig::patternOf(2));
        EXPECT_EQ(g.text(35, 7, 45), std::string(45, 'n'));  // positions 31 to 75
        EXPECT_EQ(g.at(79, 7).fg, colour::White);            // position 75
        EXPECT_EQ(g.at(78, 7).fg, colour::Yellow);
        EXPECT_EQ(b.current(b.con.grid(2), true), 1);   // Right did nothing
        EXPECT_EQ(b.current(b.con.grid(4), true), 15);  // Up wrapped to the last
        EXPECT_EQ(b.con.grid(5).text(1, 6, 4), " 16.");
    }
    {  // Esc leaves at once, with BACK, and the later screens are not shown
        ReviewRig b(40);
        b.con.down().key(key::Space).esc().enter();
        const std::string before = b.p.cfg.PAT[2].str();
        WRITESPECS75(b.p);
        EXPECT_TRUE(b.p.shared.BACK);
        EXPECT_EQ(b.con.keysLeft(), 1u);
        EXPECT_NE(b.p.cfg.PAT[2].str(), before);  // the reshuffle stays
    }
}
