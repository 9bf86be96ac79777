// The configuration form's fields and keys, and the settings rules that
// guard acceptance. Each script opens the style Alpha (the sample starting
// style), edits, and leaves through the ready line and the menu's Exit so the
// edits can be checked in memory.
#include <gtest/gtest.h>

#include "specc9/Config.h"
#include "specc9/ConfigRig.h"
#include "specc9/Validation.h"

using namespace tess;
using tess::testing::ConfigRig;
using tess::testing::newStyle;
namespace line = tess::testing::line;

namespace {

using Cursor = std::pair<int, int>;

// Ready line (rules must pass), back to the menu, Exit.
void leave(ConfigRig& b) {
    b.con.esc().esc();
    b.con.arrows("U");
    b.con.enter();
}

// The cursor at the key read that followed `keysBefore` reads.
Cursor cursorAfter(const ConfigRig& b, std::size_t keysBefore) { return b.con.cursor.at(keysBefore); }

}  // namespace

TEST(ConfigForm, ChapterAndVerseEntries) {
    ConfigRig b;
    b.con.enter();     // Alpha: 1:1 to 24:53
    b.con.keys("3");   // chapter 3 at once, the cursor stays
    b.con.keys("25");  // 25 is shown as 24
    b.con.arrows("R");
    b.con.keys("53");  // verse 53 of chapter 24
    b.con.arrows("L");
    b.con.keys("13");  // Luke 13 has 35 verses: the verse follows
    b.con.arrows("D");
    b.con.keys("14");  // any end chapter sets the end verse to its last
    b.con.keys("1");
    b.con.arrows("R");  // "1" then Right: chapter 1, on to the verse
    b.con.keys("4");
    b.con.arrows("L");        // end verse 4, back to the end chapter
    b.con.keys("2").enter();  // end 2:52; Return: to the style name
    b.con.esc();              // 13:35 to 2:52 runs backwards
    b.con.enter();            // message read: the begin chapter
    b.con.keys("2").enter();  // begin 2:35
    leave(b);
    SPECS2(b.p);

    EXPECT_EQ(cursorAfter(b, 1), (Cursor{27, 6}));
    EXPECT_EQ(b.con.seenAt(2, 27, 6, 2), " 3");
    EXPECT_EQ(b.con.seenAt(4, 27, 6, 2), "24");
    EXPECT_EQ(cursorAfter(b, 6), (Cursor{35, 6}));
    EXPECT_EQ(b.con.seenAt(12, 27, 6, 10), "13 Ver: 35");
    EXPECT_EQ(b.con.seenAt(16, 27, 8, 10), "14 Ver: 35");
    EXPECT_EQ(b.con.seenAt(19, 27, 8, 10), " 1 Ver: 80");
    EXPECT_EQ(cursorAfter(b, 19), (Cursor{35, 8}));
    EXPECT_EQ(b.con.seenAt(20, 35, 8, 2), "4 ");  // typed digits stand from the left...
    EXPECT_EQ(b.con.seenAt(22, 35, 8, 2), " 4");  // ...the value right-aligned
    EXPECT_EQ(b.con.seenAt(25, 15, 3, 50), "Incompatible Specs -- Press Return to go to Error ");
    EXPECT_EQ(cursorAfter(b, 26), (Cursor{27, 6}));

    EXPECT_EQ(b.p.cfg.BCHAP, 2);
    EXPECT_EQ(b.p.cfg.BVER, 35);
    EXPECT_EQ(b.p.cfg.ECHAP, 2);
    EXPECT_EQ(b.p.cfg.EVER, 52);
}

TEST(ConfigForm, NumberFieldsKeepTheirLimits) {
    ConfigRig b;
    b.con.enter();
    b.con.arrows("DDDDL");  // to Lines/Pg
    b.con.keys("5");
    b.con.arrows("D");   // 5 then Down: 18, on to Questions per pack
    b.con.arrows("UL");  // back to Lines/Pg
    b.con.keys("999");   // gives 500, cursor stays
    b.con.keys("4");
    b.con.esc();         // Esc after one digit keeps 500 and goes to the ready line
    b.con.arrows("D");   // ready line: Down is back to the begin chapter
    b.con.arrows("RR");  // quizzes in the run
    b.con.keys("200");
    b.con.arrows("LLDDDDDDDL");  // begin verse, ..., to Specialties from
    b.con.keys("15");            // at most 10
    b.con.arrows("R");
    b.con.keys("7");
    b.con.esc();  // "to" keeps 17
    b.con.arrows("D");
    b.con.arrows("DDDRDDDDD");  // to Pct Prim FTV
    b.con.keys("75").enter();   // gives 79, on to Set Specialty Quest nos
    leave(b);
    SPECS2(b.p);

    EXPECT_EQ(b.con.seenAt(14, 15, 14, 3), " 18");
    EXPECT_EQ(cursorAfter(b, 14), (Cursor{35, 16}));  // the replaced value said there, under the form
    EXPECT_EQ(b.con.seenAt(14, 1, 23, 56), "Lines per page 5 is out of its range here: it became 18.");
    EXPECT_EQ(b.con.seenAt(21, 15, 14, 3), "500");
    EXPECT_EQ(b.con.seenAt(22, 15, 14, 3), "4  ");   // the entry as typed
    EXPECT_EQ(b.con.seenAt(23, 15, 14, 3), "500");   // shown again on Esc
    EXPECT_EQ(cursorAfter(b, 23), (Cursor{15, 3}));  // on the ready line

    EXPECT_EQ(b.p.cfg.LPP, 500);
    EXPECT_EQ(b.p.cfg.QNUM, 135);
    EXPECT_EQ(b.p.cfg.SPEARLY, 10);
    EXPECT_EQ(b.p.cfg.SPLATE, 17);
    EXPECT_EQ(b.p.shared.PRIMPCT, 79);
    EXPECT_TRUE(b.con.sawMessage("The bank has no FTV file for 75 percent primary: 79 is used."));
}

TEST(ConfigForm, SpecialtyLimitsFollowEachOther) {
    ConfigRig b;
    b.con.enter();
    b.con.arrows("DDDR");     // Total Min (0..3 stored)
    b.con.keys("9").enter();  // at most the maximum 3; Return: FTV Min
    b.con.keys("5");
    b.con.arrows("R");        // FTV Min at most its maximum 1; Right: FTV Max
    b.con.keys("0").enter();  // a maximum below its minimum is raised to it; to CV Max
    b.con.keys("12");         // at most 10
    b.con.arrows("UUU");      // up the column to Percent Eligible
    b.con.keys("101");        // at most 100
    b.con.arrows("UL");       // Sector by, then Left: the end verse
    b.con.keys("3").enter();  // end verse 3
    leave(b);
    SPECS2(b.p);
    EXPECT_EQ(b.p.cfg.SPMIN, 3);
    EXPECT_EQ(b.p.cfg.FMIN, 1);
    EXPECT_EQ(b.p.cfg.FMAX, 1);
    EXPECT_EQ(b.p.cfg.RMAX, 10);
    EXPECT_EQ(b.p.cfg.REPEATPCT, 100);
    EXPECT_EQ(b.p.cfg.EVER, 3);
}

TEST(ConfigForm, LetterFieldsMapSmallLettersAndCapitalArrowsMove) {
    ConfigRig b;
    b.con.enter();
    b.con.arrows("DDDD");  // Output
    b.con.keys("xtp");     // x ignored, t, then small p: P
    b.con.keys("P");       // capital P is Down: Questions per pack
    b.con.keys("19");
    b.con.arrows("UUU");  // Output, Name of Output File, Style name
    b.con.arrows("R");    // Percent Eligible
    b.con.arrows("U");    // Sector by
    b.con.keys("q");
    b.con.keys("M");  // Right is no move here, nor a sectoring
    b.con.keys("K");  // Left: the end verse
    b.con.arrows("R");
    b.con.keys("v").esc();
    b.con.arrows("D");
    b.con.arrows("DDDRDDDDDR");  // to Reg (a/b/c)
    b.con.keys("ecd");           // e is no list; c, then d
    b.con.arrows("D");           // Set Specialty Quest nos
    b.con.keys("yn");
    leave(b);
    SPECS2(b.p);
    EXPECT_EQ(b.p.cfg.OUT, 'P');
    EXPECT_EQ(b.p.cfg.QMAX, 19);
    EXPECT_EQ(b.p.shared.SEC1, 'V');
    EXPECT_EQ(b.p.shared.REGLST, 'D');
    EXPECT_EQ(b.p.shared.SETSPC, 'N');
    EXPECT_EQ(b.con.seenAt(26, 73, 8, 2), " Q");
    EXPECT_EQ(cursorAfter(b, 27), (Cursor{74, 8}));  // M did not move
    EXPECT_EQ(cursorAfter(b, 28), (Cursor{35, 8}));  // K did
}

TEST(ConfigForm, NameFieldsTakeLettersAndDigitsAndCapitalArrows) {
    ConfigRig b;
    b.con.enter();
    b.con.arrows("DD");  // style name
    b.con.keys("H");     // capital H first: Up, to the end chapter
    b.con.arrows("D");
    b.con.keys("aP");  // a, then capital P ends the name: "A", Down
    b.con.arrows("U");
    b.con.keys("abcdefghij");  // ten characters...
    b.con.keys("x");           // ...swallow the next key: to the output file name
    b.con.arrows("U");
    b.con.keys("hat0-").enter();  // 0 and - are ignored
    b.con.arrows("L");            // Left on a name is the letter K
    b.con.keys("9b").enter();
    leave(b);
    SPECS2(b.p);
    EXPECT_EQ(cursorAfter(b, 6), (Cursor{27, 8}));
    EXPECT_EQ(cursorAfter(b, 10), (Cursor{27, 12}));
    EXPECT_EQ(b.con.seenAt(22, 27, 10, 10), "Abcdefghij");
    EXPECT_EQ(cursorAfter(b, 23), (Cursor{27, 12}));
    EXPECT_EQ(b.p.cfg.NAME1.str(), "Hat");
    EXPECT_EQ(b.p.shared.NAME4.str(), "K9b");
}

TEST(ConfigForm, BookFieldsTakeTheMaterialsLettersAndEachBooksChapters) {
    ConfigRig b;
    b.con.enter();
    b.con.arrows("L");  // begin book
    b.con.keys("xJ");
    b.con.arrows("DR");  // end book, end chapter
    leave(b);
    SPECS2(b.p);
    EXPECT_EQ(cursorAfter(b, 3), (Cursor{14, 6}));
    EXPECT_EQ(b.con.seenAt(3, 14, 6, 2), " L");
    EXPECT_EQ(cursorAfter(b, 7), (Cursor{14, 8}));
    EXPECT_EQ(cursorAfter(b, 9), (Cursor{27, 8}));

    // Two books (Luke's chapters 13-24 as Jude 1-12): each end is shown and
    // typed as its book's letter and own chapter, and stored through the material.
    ConfigRig two;
    Book& jude = two.p.material.books.emplace_back(two.p.material.books[0]);
    two.p.material.books[0].verses.resize(12);
    jude.letter = 'J';
    jude.name = "Jude";
    jude.verses.erase(jude.verses.begin(), jude.verses.begin() + 12);
    jude.first = 13;
    two.con.enter();
    two.con.arrows("L");
    two.con.keys("j");  // begin Jude 1 (chapter 13)
    two.con.arrows("R");
    two.con.keys("20");  // Jude has 12 chapters: Jude 12
    leave(two);
    SPECS2(two.p);
    EXPECT_EQ(two.con.seenAt(3, 14, 8, 15), " J  Chapter: 12");
    EXPECT_EQ(two.con.seenAt(4, 14, 6, 15), " J  Chapter:  1");
    EXPECT_EQ(two.con.seenAt(8, 14, 6, 15), " J  Chapter: 12");
    EXPECT_EQ(two.p.cfg.BCHAP, 24);
    EXPECT_EQ(two.p.cfg.ECHAP, 24);
}

TEST(ConfigRules, TheFirstFailingRuleSendsTheCursorToItsField) {
    ConfigRig b;
    auto s = newStyle();
    // minimums 2, 2, 1, 1 against a total minimum of 5; maximums below the total
    s[line::SPMAX] = "8", s[line::SPMIN] = "5";
    s[line::FMAX] = "2", s[line::FMIN] = "2", s[line::RMAX] = "2", s[line::RMIN] = "2", s[line::OMAX] = "1",
    s[line::OMIN] = "1", s[line::SMAX] = "1", s[line::SMIN] = "1";
    b.dir.lines("Alpha.spe", s);
    b.con.enter();
    b.con.esc();              // rule 1 (rule 2 fails too)
    b.con.enter();            // the message read
    b.con.keys("6").enter();  // total minimum 6
    b.con.esc();              // now rule 2
    b.con.enter();
    b.con.keys("6").enter();  // total maximum 6
    leave(b);
    SPECS2(b.p);
    EXPECT_EQ(b.con.seenAt(2, 15, 3, 50), "Incompatible Specs -- Press Return to go to Error ");
    EXPECT_EQ(cursorAfter(b, 3), (Cursor{64, 14}));  // the rule said under the form until the field is left
    EXPECT_EQ(b.con.seenAt(3, 1, 23, 40), "The minimums of the four kinds (FTV 2, C");
    EXPECT_EQ(b.con.seenAt(5, 1, 23, 80), std::string(80, ' '));
    EXPECT_EQ(b.con.seenAt(7, 1, 23, 32), "The maximums of the four kinds a");
    EXPECT_EQ(cursorAfter(b, 7), (Cursor{73, 14}));
    EXPECT_EQ(b.con.seenAt(7, 15, 3, 50), "Quiz Configuration -- Press Return Here When Ready");
    EXPECT_EQ(b.p.cfg.SPMAX, 6);
}

TEST(ConfigRules, SpecialtyNumbersByHandNeedFixedCounts) {
    ConfigRig b;
    auto s = newStyle();
    s[line::SETSPC] = "Y";
    s[line::SPMAX] = "2", s[line::SPMIN] = "2";  // total 2..2
    s[line::FMAX] = "1", s[line::FMIN] = "1";    // FTV 1..1
    s[line::RMAX] = "2", s[line::RMIN] = "1";    // CV Ref 1..2: rule 6
    s[line::OMAX] = "0", s[line::OMIN] = "0", s[line::SMAX] = "0", s[line::SMIN] = "0";
    b.dir.lines("Alpha.spe", s);
    b.con.enter();
    b.con.esc().enter();  // to CV Ref Min
    b.con.arrows("R");
    b.con.keys("1").enter();  // CV Ref 1..1
    b.con.esc();              // the rules hold: the ready line
    b.con.esc();
    b.con.arrows("U");
    b.con.enter();
    SPECS2(b.p);
    EXPECT_EQ(cursorAfter(b, 3), (Cursor{64, 16}));
    EXPECT_EQ(cursorAfter(b, 8), (Cursor{15, 3}));
    EXPECT_EQ(b.p.cfg.RMAX, 1);
}

TEST(ConfigRules, EachRuleOnItsOwn) {
    ConfigRig b;
    Program& p = b.p;
    SETVS(p);
    auto base = [&] {
        p.cfg.BCHAP = 5, p.cfg.BVER = 10, p.cfg.ECHAP = 6, p.cfg.EVER = 1;
        p.cfg.QMAX = 20, p.cfg.SPEARLY = 1, p.cfg.SPLATE = 20;
        p.cfg.SPMIN = 2, p.cfg.SPMAX = 4;
        p.cfg.FMIN = 1, p.cfg.FMAX = 1, p.cfg.RMIN = 1, p.cfg.RMAX = 1;
        p.cfg.OMIN = 0, p.cfg.OMAX = 1, p.cfg.SMIN = 0, p.cfg.SMAX = 1;
        p.shared.SETSPC = 'N';
    };
    auto firstRule = [&] {
        const CompatibilityRule* r = firstFailingRule(p);
        return r ? r->id : 0;
    };
    base();
    EXPECT_EQ(firstRule(), 0);
    p.cfg.SPLATE = 25;
    EXPECT_EQ(firstRule(), 3);  // 20 per pack, specialties to 25
    base();
    p.cfg.SPEARLY = 5, p.cfg.SPLATE = 8, p.cfg.SPMAX = 6, p.cfg.FMAX = 3;
    EXPECT_EQ(firstRule(), 4);  // four numbers for six specialties
    base();
    p.shared.SETSPC = 'Y';
    EXPECT_EQ(firstRule(), 7);  // CO Ref 0..1
    p.cfg.OMAX = 0, p.cfg.SPMAX = 3;
    EXPECT_EQ(firstRule(), 8);
    p.cfg.SMAX = 0, p.cfg.SPMAX = 2;
    EXPECT_EQ(firstRule(), 0);
    base();
    p.cfg.ECHAP = 5, p.cfg.EVER = 9;
    EXPECT_EQ(firstRule(), 9);  // 5:10 to 5:9
    p.cfg.EVER = 10;
    EXPECT_EQ(firstRule(), 0);  // a single verse
}

TEST(ConfigRules, PrimaryFtvPercentagesAndTheBookClamp) {
    const std::pair<int, int> cases[] = {{75, 79}, {80, 80}, {45, 59}, {52, 52}, {120, 100}, {100, 100}, {96, 99},
                                         {91, 99}, {90, 90}, {81, 89}, {70, 70}, {61, 69},   {57, 57},   {54, 59}};
    for (auto [typed, stored] : cases) EXPECT_EQ(primAllowed(typed), stored) << typed;

    ConfigRig b;
    SETVS(b.p);
    b.p.cfg.BCHAP = 13, b.p.cfg.BVER = 60;
    b.con.gotoXY(14, 6);
    SETBBK(b.p);
    EXPECT_EQ(b.p.cfg.BVER, 35);
    EXPECT_EQ(b.con.rowText(6).substr(13, 2), " L");
    EXPECT_EQ(b.con.rowText(6).substr(34, 2), "35");
    b.p.cfg.BCHAP = 30;
    SETBBK2(b.p);
    EXPECT_EQ(b.p.cfg.BCHAP, 24);
}
