#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core/StyleFile.h"
#include "material/Counts.h"
#include "run/Driver.h"
#include "selection/RepeatControl.h"
#include "specc9/Config.h"
#include "support/Fixture.h"

using namespace tess;
using tess::testing::plainStyle;
using tess::testing::restarts;
namespace line = tess::testing::line;

namespace {

struct Session : tess::testing::Fixture {
    Session() : Fixture(7) { p.configure = useStoredStyle; }  // the style named in temp2.txt, without the form

    // A style "T" over 1:1-3:38 and the book's verse table; a count file
    // (by default one regular question per verse of chapters 1-3), loaded into the
    // tables too, so the run gets the same counts with or without the index
    // stage.
    void standard(
        std::vector<std::string> style = plainStyle(),
        std::function<int(int, int)> regular = [](int ch, int v) { return ch <= 3 && v <= lukeVerses(ch) ? 1 : 0; }) {
        dir.raw("temp2.txt", "T");
        dir.verses();
        dir.lines("T.spe", style);
        std::vector<std::string> count;
        for (int ch = 1; ch <= LUKE_CHAPTERS; ++ch)
            for (int v = 1; v <= VMAX; ++v) {
                const int q = regular(ch, v);
                count.push_back(std::to_string(ch) + " " + std::to_string(v) + " " + std::to_string(q) + " 0 0 0 0");
                p.run.QCOUNT(ch, v) = q;
            }
        dir.lines("count.00A", count);
    }

    // A run on the standard files through the real stages from the run
    // settings to the range totals, so the sectoring can be driven on its own.
    void countedRange(std::vector<std::string> style = plainStyle()) {
        standard(std::move(style));
        readRunFiles(p);
        p.run.SECTORS = p.run.QMAX;
        prepareCounts(p);
        countRange(p);
    }
};

}  // namespace

TEST(RunDriver, ExitEndsTheProgramAtOnceEvenWithoutTheOtherFiles) {
    Session r;
    r.dir.raw("temp2.txt", "Exit");  // written without a line end
    EXPECT_EQ(runProgram(r.p), 0);
    EXPECT_TRUE(r.con.snapshots().empty());  // no key was asked for
    for (int row : {1, 13, 25}) {
        EXPECT_EQ(r.con.rowText(row), std::string(80, ' '));
        EXPECT_EQ(r.con.cell(1, row).bg, colour::Black);
    }
    EXPECT_EQ(r.con.textColorNow(), colour::White);
}

TEST(RunDriver, LowercaseExitIsAStyleName) {
    Session r;
    r.dir.raw("temp2.txt", "exit\r\n");
    r.dir.verses();
    r.con.enter();
    EXPECT_TRUE(restarts(r.p, [&] { runOnce(r.p); }));
    EXPECT_TRUE(r.con.sawText("Cannot read the style file exit.spe: it is missing."));
}

TEST(RunDriver, MissingOrBadFilesAreNamedAndTheRunRestartsAfterReturn) {
    struct Case {
        const char* what;
        std::function<void(Session&)> setUp;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"no temp2.txt", [](Session& r) { r.dir.verses(); },
         "Cannot read the run settings file temp2.txt: it is missing."},
        {"no Verses.txt", [](Session& r) { r.dir.raw("temp2.txt", "T"); },
         "Cannot read the verse table Verses.txt: it is missing."},
        {"a folder for Verses.txt",
         [](Session& r) {
             r.dir.raw("temp2.txt", "T");
             std::filesystem::create_directory(r.dir.file("Verses.txt"));
         },
         "Cannot read the verse table Verses.txt: it is a folder, not a file."},
        {"a one-line Verses.txt",
         [](Session& r) {
             r.dir.raw("temp2.txt", "T");
             r.dir.lines("Verses.txt", {"80"});
         },
         "Verses.txt has 1 line; it needs"},
        {"a wrong verse count",
         [](Session& r) {
             r.standard();
             std::vector<std::string> v;
             for (int ch = 1; ch <= LUKE_CHAPTERS; ++ch) v.push_back(std::to_string(ch == 9 ? 61 : lukeVerses(ch)));
             r.dir.lines("Verses.txt", v);
         },
         "Verses.txt, chapter 9: 61 verses, but Luke 9 has 62."},
        {"a style name with a path",
         [](Session& r) {
             r.standard();
             r.dir.raw("temp2.txt", "../T");
         },
         "The style name \"../T\" in temp2.txt holds a path separator"},
        {"an output name with ..",
         [](Session& r) {
             auto s = plainStyle();
             s[line::NAME4] = "..QUIZ";
             r.standard(s);
         },
         "The output file name \"..QUIZ\" in T.spe"},
        {"a damaged style file",
         [](Session& r) {
             auto s = plainStyle();
             s[line::QNUM] = "many";
             r.standard(s);
         },
         "The style file T.spe is damaged: line 12"},
        {"a backwards range",
         [](Session& r) {
             auto s = plainStyle();
             s[line::RANGE_BEGIN] = "5 10";
             s[line::RANGE_END] = "5 9";
             r.standard(s);
         },
         "The range of T.spe runs backwards (5:10 to 5:9)."},
    };
    for (const auto& c : cases) {
        Session r;
        c.setUp(r);
        r.con.enter();
        EXPECT_TRUE(restarts(r.p, [&] { runOnce(r.p); })) << c.what;
        EXPECT_TRUE(r.con.sawText(c.message)) << c.what << "\n" << r.con.screenText();
        EXPECT_EQ(r.con.keysLeft(), 0u) << c.what;
        EXPECT_EQ(r.con.rowText(1).substr(0, 15), "  Tessarin 25.0") << c.what;  // the title stays
    }
}

TEST(RunDriver, ARestartGoesBackToTheTitleAndRunsAgain) {
    Session r;
    r.dir.verses();
    r.con.enter();
    EXPECT_THROW(runProgram(r.p), ScriptExhausted);  // the second run waits again
    ASSERT_EQ(r.con.snapshots().size(), 2u);
    for (const auto& s : r.con.snapshots()) EXPECT_NE(s.find("temp2.txt"), std::string::npos);
}

TEST(RunDriver, ClampedSettingsAreToldOnceThenTheRunGoesOn) {
    Session r;
    auto s = plainStyle();
    s[line::RANGE_BEGIN] = "4 1";
    s[line::RANGE_END] = "4 90";         // a chapter without questions: the run stops at the warning
    s[line::QMAX] = "45";                // kept for the pattern review; the run uses 30
    s[line::REPEATPCT] = "98765432109";  // not shown as some other number
    r.standard(s);
    // The notes, the 75-position pattern review, the warning of too few questions.
    r.con.enter().enter().enter();
    EXPECT_TRUE(restarts(r.p, [&] { runOnce(r.p); }));
    EXPECT_EQ(r.con.keysLeft(), 0u);
    ASSERT_EQ(r.con.snapshots().size(), 3u);
    EXPECT_NE(
        r.con.snapshots()[1].find("        5   10   15   20   25   30   35   40   45   50   55   60   65   70   75"),
        std::string::npos);  // the configuration side's 45 chose the wide review
    EXPECT_NE(r.con.snapshots()[2].find("  There are not enough regular questions in this material."),
              std::string::npos);
    const std::string& notes = r.con.snapshots()[0];
    EXPECT_NE(notes.find("T.spe: End verse 90 is outside 1-44"), std::string::npos) << notes;
    EXPECT_NE(notes.find("45 questions per pack; a run has at most 30"), std::string::npos) << notes;
    EXPECT_NE(notes.find("repeats over 999999999 is outside 0-"), std::string::npos) << notes;
    EXPECT_EQ(r.p.run.EVER, 44);
    EXPECT_EQ(r.p.run.QMAX, 30);
    EXPECT_EQ(r.p.cfg.QMAX, 45);  // the configuration side keeps what is stored
    EXPECT_EQ(r.p.run.SECTORS, 30);
}

TEST(RunDriver, TooFewRegularQuestionsWarnsAndRestarts) {
    Session r;
    auto s = plainStyle();
    s[line::RANGE_BEGIN] = "1 1";
    s[line::RANGE_END] = "1 10";  // ten questions for 20 sectors
    r.standard(s);
    r.con.enter().enter();  // the pattern review, then the warning
    EXPECT_TRUE(restarts(r.p, [&] { runOnce(r.p); }));
    EXPECT_EQ(r.p.run.TQUEST, 10);
    EXPECT_TRUE(r.con.sawText("  There are not enough regular questions in this material."));
    EXPECT_EQ(r.con.keysLeft(), 0u);
    // What the run read on the way.
    EXPECT_EQ(r.p.run.NAME.str(), "T");
    EXPECT_EQ(r.p.run.EVS[1], 80);
    EXPECT_EQ(r.p.run.REGFILE, "Luke.A");
    EXPECT_EQ(r.p.run.COUNTFILE, "count.00A");
    EXPECT_EQ(r.p.run.QZ, 10);
    EXPECT_EQ(r.p.run.PAT[10].str(), std::string(30, 'n'));
}

TEST(RunDriver, ApprovalMenuWrapsAndReturnChoosesEscRestarts) {
    auto menu = [](std::function<void(ScreenConsole&)> keys) {
        auto r = std::make_unique<Session>();
        r->con.textColor(colour::Yellow);
        r->con.textBackground(colour::Blue);
        keys(r->con);
        return r;
    };
    {
        auto r = menu([](ScreenConsole& c) { c.enter(); });
        EXPECT_EQ(approvalMenu(r->p), 1);
        EXPECT_EQ(r->con.cell(16, 3).bg, colour::Red);
        EXPECT_EQ(r->con.cell(16, 3).fg, colour::White);
        EXPECT_EQ(r->con.cell(16, 4).bg, colour::Blue);
    }
    {
        auto r = menu([](ScreenConsole& c) { c.up().enter(); });  // Up on 1 wraps to 2
        EXPECT_EQ(approvalMenu(r->p), 2);
        EXPECT_EQ(r->con.cell(16, 4).bg, colour::Red);
        EXPECT_EQ(r->con.cell(16, 3).bg, colour::Blue);
    }
    {
        auto r = menu([](ScreenConsole& c) { c.down().down().enter(); });  // Down on 2 wraps to 1
        EXPECT_EQ(approvalMenu(r->p), 1);
    }
    {
        auto r = menu([](ScreenConsole& c) { c.keys("P").keys("x").keys(" ").enter(); });  // P acts as Down
        EXPECT_EQ(approvalMenu(r->p), 2);
    }
    {
        auto r = menu([](ScreenConsole& c) { c.keys("H").keys("H").enter(); });
        EXPECT_EQ(approvalMenu(r->p), 1);
    }
    {
        auto r = menu([](ScreenConsole& c) { c.down().esc(); });
        EXPECT_TRUE(restarts(r->p, [&] { approvalMenu(r->p); }));
        EXPECT_EQ(r->con.keysLeft(), 0u);
    }
}

TEST(RunDriver, RunLogIsAppendedToTheListFileOneLineEvenWhenEmpty) {
    for (bool empty : {true, false}) {
        Session r;
        ASSERT_TRUE(r.p.run.listFile.create(r.dir.file("Q.inf")));
        r.p.run.listFile.writeln("block");
        ASSERT_TRUE(r.p.run.runLog.create(r.dir.file("temp.txt")));
        if (!empty) {
            r.p.run.runLog.writeln("Sectors or Questions repeated in quiz 3");
            r.p.run.runLog.write("last without end");
        }
        appendRunLog(r.p);
        r.p.run.listFile.close();
        EXPECT_EQ(r.dir.read("Q.inf"),
                  empty ? "block\r\n\r\n" : "block\r\nSectors or Questions repeated in quiz 3\r\nlast without end\r\n");
    }
}

// Verse sectoring can accept a layout whose lower share is 0: a first verse
// without questions is a whole sector when every target is 0. Twenty
// questions in 1:2-1:21 for 20 sectors fit no layout with a share of 1 (the
// last one ends the chapter, and so the range), but one with 0 does.
TEST(RunDriver, VerseSectoringAcceptedAtShareZeroSaysTheSmallestSectorIsEmptyOrEscRestarts) {
    auto style = plainStyle();
    style[line::RANGE_END] = "1 80";
    const auto twentyVerses = [](int ch, int v) { return ch == 1 && v >= 2 && v <= 21 ? 1 : 0; };
    {
        Session r;
        r.standard(style, twentyVerses);
        r.con.enter().keys("x").enter();  // the pattern review, a key at the table, Return at the message
        EXPECT_TRUE(restarts(r.p, [&] { runOnce(r.p); }));
        EXPECT_TRUE(r.con.sawText("  A quiz will contain one question from each sector."));
        EXPECT_TRUE(r.con.sawText("Regular Questions: 20   FTV: 0   CV Refs: 0   CO Refs: 0   SIT: 0"));
        EXPECT_EQ(r.p.run.MINQZ, 0);
        EXPECT_FALSE(r.p.run.RES);  // verse sectoring found its layout
        EXPECT_EQ(r.p.run.QPS[1], 0);
        // The table was up when its key was read; the message came after it.
        const auto& shots = r.con.snapshots();
        ASSERT_EQ(shots.size(), 3u);
        EXPECT_NE(shots[1].find("   1 L  1: 1  1: 1   0   0   0   0   0"), std::string::npos) << shots[1];
        EXPECT_EQ(shots[1].find("Your smallest sector"), std::string::npos);
        EXPECT_NE(shots[2].find("Your smallest sector has 0 regular questions."), std::string::npos) << shots[2];
        EXPECT_EQ(r.con.keysLeft(), 0u);
    }
    {
        Session r;
        r.standard(style, twentyVerses);
        r.con.enter().key(191).esc();  // 191 is passed over; Esc restarts at once
        EXPECT_TRUE(restarts(r.p, [&] { runOnce(r.p); }));
        EXPECT_EQ(r.p.run.MINQZ, 0);
        EXPECT_FALSE(r.con.sawText("Your smallest sector"));
        EXPECT_EQ(r.con.keysLeft(), 0u);
    }
}

// 170 regular questions in 20 sectors by questions: a base share of 8.
TEST(RunDriver, RepeatNoticeAfterSectoringByQuestionsStaysUntilReturn) {
    Session r;
    auto style = plainStyle();
    style[line::SEC1] = "Q";
    r.countedRange(style);
    // Return at the announcement, Return at the table, Return at the notice.
    r.con.enter().keys("\n").enter();
    sectorRange(r.p);
    EXPECT_TRUE(r.p.run.RES);
    EXPECT_EQ(r.p.run.MINQZ, 8);
    const auto& shots = r.con.snapshots();
    ASSERT_EQ(shots.size(), 3u);
    EXPECT_NE(shots[0].find("The material will be sectored by individual questions."), std::string::npos);
    for (std::size_t i : {1u, 2u}) {  // still there after the table's key
        EXPECT_NE(shots[i].find("Regular question repeats will begin after quiz 8"), std::string::npos) << shots[i];
        EXPECT_EQ(shots[i].find("Do you wish to resector?"), std::string::npos);
    }
    EXPECT_EQ(r.con.keysLeft(), 0u);
}

// Chapter sectoring of 1:1-3:38 (one regular question a verse) with 20
// sectors deals 7, 7, 6; the smallest sector, in chapter 3, has 6 questions.
TEST(RunDriver, ResectorOfferEchoesTheAnswer) {
    auto chapters = [](int quizzes, int sectors) {
        auto style = plainStyle();
        style[line::QMAX] = std::to_string(sectors);
        style[line::QNUM] = std::to_string(quizzes);
        style[line::SEC1] = "C";
        return style;
    };
    {
        Session r;
        r.countedRange(chapters(7, 20));            // one quiz more than the smallest sector
        r.con.enter().keys("x").keys("n").enter();  // the shares, the table, the answer, Return
        sectorRange(r.p);
        EXPECT_EQ(r.p.run.MINQZ, 6);
        EXPECT_FALSE(r.p.run.RES);
        EXPECT_EQ(r.con.rowText(3).substr(2, 48), "Regular question repeats will begin after quiz 6");
        EXPECT_EQ(r.con.rowText(4).substr(2, 26), "Do you wish to resector? n");
        EXPECT_EQ(r.con.keysLeft(), 0u);
    }
    {
        Session r;
        r.countedRange(chapters(10, 20));
        // After the new table, keys "8" are passed over; "z" ends the wait.
        r.con.enter().keys("x").keys("y").enter().keys("88z");
        sectorRange(r.p);
        EXPECT_TRUE(r.con.sawText("Do you wish to resector? y"));
        EXPECT_TRUE(r.con.sawText("The material will be sectored by individual questions."));
        EXPECT_EQ(r.p.run.MINQZ, 8);  // 170 div 20
        EXPECT_EQ(r.con.keysLeft(), 0u);
    }
    {
        Session r;  // twelve quizzes before repeats: nothing is asked, however many quizzes
        r.countedRange(chapters(40, 13));
        // Shares 6, 4, 3 (a first "0" on the last row would count as 1).
        r.con.keys("06").down().keys("04").down().keys("3").up().enter().keys("x");
        sectorRange(r.p);
        EXPECT_EQ(r.p.run.MINQZ, 12);
        EXPECT_FALSE(r.con.sawText("Regular question repeats"));
        EXPECT_FALSE(r.con.sawText("Do you wish to resector?"));
        EXPECT_EQ(r.con.keysLeft(), 0u);
    }
}
