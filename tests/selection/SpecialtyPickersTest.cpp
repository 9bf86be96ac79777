#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "selection/Availability.h"
#include "selection/QuizListing.h"
#include "selection/SelectionRig.h"

using namespace tess;
using namespace tess::testing;

namespace {

int countOf(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

}  // namespace

TEST(SpecialtyPickers, EachPickerTakesAnAvailableQuestionOfAFreeSectorWithItsLine) {
    SpecialtyRig t({5, 5, 5, 5, 5});
    auto& r = t.r;
    for (char k : {'R', 'O', 'S', 'F'}) t.kind(k, {3, 3, 3, 3, 3});
    FINTYPES(t.p);
    r.FQUIZ = r.FQUIZ1 = 50;  // no forced FTV repeats here
    for (int q = 1; q <= 6; ++q) {
        t.freeAll();
        r.FLAG[3] = 0;  // sector 3 has already given this quiz its question
        for (char k : {'R', 'O', 'S', 'F'}) t.pass(k, q, "ROSFn");
        std::set<int> sectors;
        for (int x = 1; x <= 4; ++x) {
            const char k = "ROSF"[x - 1];
            const int s = r.SECTOR[x], n = r.PNUMBER[x];
            SCOPED_TRACE(std::string("quiz ") + std::to_string(q) + " kind " + k);
            ASSERT_NE(s, 3);
            ASSERT_TRUE(s >= 1 && s <= 5);
            sectors.insert(s);
            EXPECT_EQ(r.NUMBER[s], n);
            EXPECT_EQ(r.ALL[x].str(), t.line(k, s, n));
            EXPECT_EQ(r.ALL2[x].str(), " ");
            EXPECT_EQ(r.RLBK[x], 'L');
            EXPECT_EQ(r.FLAG[s], 0);
            EXPECT_FALSE(flagRef(t.avail(k), s, n));  // REPEATPCT 0: drawn questions leave the pool
        }
        EXPECT_EQ(sectors.size(), 4u);
        EXPECT_EQ(r.SECOND, 0);
        EXPECT_EQ(r.LAST, 99);
    }
    // Six quizzes drew 6 of each kind's 15 questions; no cycle ended.
    for (char k : {'R', 'O', 'S', 'F'}) {
        int undrawn = 0;
        for (int s = 1; s <= 5; ++s) undrawn += t.pools(k)[s];
        EXPECT_EQ(undrawn, 15 - 6) << k;
    }
    EXPECT_TRUE(t.logLines().empty());
}

TEST(SpecialtyPickers, AKindUsedUpStartsANewCycleWithItsMessageAndLogLine) {
    // 60 CV references in sector 1 (sector 2 has none): every one is drawn
    // once, each by its own flag, before the 61st pick starts a new cycle.
    {
        SpecialtyRig t({3, 3});
        auto& r = t.r;
        t.kind('R', {60, 0});
        std::set<int> drawn;
        for (int q = 1; q <= 60; ++q) {
            t.freeAll();
            t.pass('R', q, "Rn");
            drawn.insert(r.PNUMBER[1]);
        }
        EXPECT_EQ(drawn.size(), 60u);
        EXPECT_EQ(r.RPS[1], 0);
        t.freeAll();
        t.pass('R', 61, "Rn");
        EXPECT_TRUE(t.con.sawText("  Due to sectoring restrictions we must begin CV Ref repeats in quiz 61"));
        EXPECT_EQ(r.RPS[1], 59);
        for (int n = 1; n <= 60; ++n) EXPECT_EQ(flagRef(r.REFERENCE, 1, n) != 0, n != r.PNUMBER[1]) << n;
        EXPECT_EQ(t.logLines(), std::vector<std::string>{"CV Repeats begin quiz 61"});
    }
    // REPEATPCT 100: nothing becomes unavailable, but the undrawn count still
    // runs down and the cycle still ends.
    {
        SpecialtyRig t({3, 3});
        t.r.REPEATPCT = 100;
        t.kind('R', {3, 0});
        for (int q = 1; q <= 4; ++q) {
            t.freeAll();
            t.pass('R', q, "Rn");
            for (int n = 1; n <= 3; ++n) EXPECT_TRUE(flagRef(t.r.REFERENCE, 1, n));
        }
        EXPECT_EQ(t.logLines(), std::vector<std::string>{"CV Repeats begin quiz 4"});
    }
    // Every kind's own words.
    struct Words {
        char kind;
        const char* warning;
        const char* log;
    };
    for (const Words& w :
         {Words{'R', "  Due to sectoring restrictions we must begin CV Ref repeats in quiz 2",
                "CV Repeats begin quiz 2"},
          Words{'O', "  Due to sectoring restrictions we must begin CO Ref repeats in quiz 2",
                "CO repeats begin quiz 2"},
          Words{'S', "  Due to sectoring restrictions we must start situation repeats in quiz 2",
                "Situation Repeats begin quiz 2"},
          Words{'F', "  Due to sectoring restrictions FTV repeats begin in quiz 2", "FTV Repeats begin quiz 2"}}) {
        SCOPED_TRACE(w.kind);
        SpecialtyRig t({2, 2, 2});
        t.kind(w.kind, {1, 1, 1});
        FINTYPES(t.p);
        const std::string pat(3, w.kind);
        t.pass(w.kind, 1, pat);
        EXPECT_TRUE(t.logLines().empty());
        t.r.runLog.append(t.p.file("temp.txt"));
        t.freeAll();
        t.pass(w.kind, 2, pat);
        EXPECT_TRUE(t.con.sawText(w.warning));
        EXPECT_EQ(t.logLines(), std::vector<std::string>{w.log});
        std::set<int> sectors{t.r.SECTOR[1], t.r.SECTOR[2], t.r.SECTOR[3]};
        EXPECT_EQ(sectors, (std::set<int>{1, 2, 3}));
    }
}

TEST(SpecialtyPickers, ASecondRefreshInOnePickRepeatsSectors) {
    // Three CV positions, CV references only in sectors 1 and 2: the third
    // pick finds no free sector even after a refresh.
    SpecialtyRig t({2, 2, 2});
    auto& r = t.r;
    t.kind('R', {1, 1, 0});
    t.pass('R', 1, "RRR");
    for (int x = 1; x <= 3; ++x) {
        const int s = r.SECTOR[x];
        ASSERT_TRUE(s == 1 || s == 2) << x;
        EXPECT_EQ(r.ALL[x].str(), t.line('R', s, 1));
    }
    EXPECT_NE(r.SECTOR[1], r.SECTOR[2]);
    EXPECT_TRUE(t.con.sawText("  Sectors or questions will be repeated in quiz 1"));
    EXPECT_EQ(t.logLines(),
              (std::vector<std::string>{"CV Repeats begin quiz 1", "Sectors or Questions repeated in quiz 1"}));
}

TEST(SpecialtyPickers, SecondPositionOfAPassPrefersAWellStockedSectorUnlessItWasJustUsed) {
    // 44 undrawn: sectors 2 and 3 hold more than a third; the last of them wins.
    SpecialtyRig t({3, 3, 3, 3});
    auto& r = t.r;
    t.kind('R', {2, 20, 20, 2});
    int preferredTaken = 0, firstTookIt = 0;
    for (int q = 1; q <= 40; ++q) {
        const int counts[] = {2, 20, 20, 2};
        for (int s = 1; s <= 4; ++s) r.RPS[s] = counts[s - 1];
        markAllAvailable(t.p);
        t.freeAll();
        t.pass('R', q, "RRnn");
        if (r.SECTOR[1] == 3) {
            ++firstTookIt;
        } else {
            EXPECT_EQ(r.SECTOR[2], 3) << "quiz " << q;
            ++preferredTaken;
        }
        EXPECT_EQ(r.ALL[2].str(), t.line('R', r.SECTOR[2], r.PNUMBER[2]));
    }
    EXPECT_GT(preferredTaken, 0);
    EXPECT_GT(firstTookIt, 0);
    // With the first position in sector 3 the second is drawn freely.
    EXPECT_TRUE(t.logLines().empty());
}

TEST(SpecialtyPickers, LongSituationAndFtvLinesRunOnIntoTheSecondText) {
    SpecialtyRig t({2, 2, 2});
    auto& r = t.r;
    const std::string sit300 = "Who said this? \"" + std::string(300 - 6 - 16 - 1, 'q') + "\"";
    const std::string ftv600 = "FPN\t" + std::string(600 - 6 - 4, 'v');
    const std::string cv300 = "WH\t" + std::string(300 - 6 - 3, 'c');
    t.kind('S', {1, 1, 1}, [&](int, int) { return sit300; });
    t.kind('F', {1, 1, 1}, [&](int, int) { return ftv600; });
    t.kind('R', {1, 1, 1}, [&](int, int) { return cv300; });
    FINTYPES(t.p);
    t.pass('S', 1, "SFR");
    t.pass('F', 1, "SFR");
    t.pass('R', 1, "SFR");

    const std::string sitLine = t.line('S', r.SECTOR[1], 1);
    ASSERT_EQ(sitLine.size(), 300u);
    EXPECT_EQ(r.ALL[1].str(), sitLine.substr(0, 254));
    EXPECT_EQ(r.ALL2[1].str(), sitLine.substr(254));
    EXPECT_EQ(r.ALL2[1].size(), 46u);

    const std::string ftvLine = t.line('F', r.SECTOR[2], 1);
    EXPECT_EQ(r.ALL[2].str(), ftvLine.substr(0, 254));
    EXPECT_EQ(r.ALL2[2].str(), ftvLine.substr(254, 254));  // a bank line holds 508 characters at most

    EXPECT_EQ(r.ALL[3].str(), t.line('R', r.SECTOR[3], 1).substr(0, 254));
    EXPECT_EQ(r.ALL2[3].str(), " ");  // reference questions have one text
}

TEST(SpecialtyPickers, ABankFileOutOfStepWithTheCountsGoesBackToTheTitle) {
    // Sector 2's CV reference written on a verse of sector 1.
    {
        SpecialtyRig t({2, 2});
        t.kind('R', {1, 1}, [](int s, int n) { return kindText('R', s, n); });
        auto lines = *readAllLines(t.p.file("cv.b"));
        lines[2] = bankLine(t.r.BC[1], t.r.BV[1], kindText('R', 2, 1));
        writeFileAtomic(t.p.file("cv.b"), lines);
        t.r.FLAG[1] = 0;
        t.con.enter();
        EXPECT_TRUE(restarts(t.p, [&] { t.pass('R', 1, "nR"); }));
        EXPECT_TRUE(t.con.sawText("count.00A"));
        EXPECT_TRUE(t.con.sawText("cv.b"));
        EXPECT_TRUE(t.con.sawMessage("cv.b: line 3 (1:3) falls outside sector 2"));
        EXPECT_TRUE(t.con.sawText("out of date"));
    }
    // The situation file is gone.
    {
        SpecialtyRig t({2, 2});
        t.kind('S', {1, 1});
        std::filesystem::remove(t.p.file("SIT.TXT"));
        t.con.enter();
        EXPECT_TRUE(restarts(t.p, [&] { t.pass('S', 1, "Sn"); }));
        EXPECT_TRUE(t.con.sawMessage("SIT.TXT cannot be read in " + t.p.dir.string() + ": it is missing."));
        EXPECT_FALSE(t.con.sawMessage("out of date"));
    }
}

TEST(SpecialtyPickers, APatternLetterWithoutMaterialLeavesThePositionEmptyAndSaysSo) {
    SpecialtyRig t({2, 2});
    t.kind('O', {0, 0});
    t.r.SECTOR[2] = 99;
    t.pass('O', 3, "nO");
    EXPECT_EQ(t.r.SECTOR[2], 99);
    EXPECT_EQ(t.r.PNUMBER[2], 0);
    EXPECT_TRUE(t.con.sawText("  **No CO reference questions: quiz 3 position 2 left empty**"));
    EXPECT_EQ(t.logLines(), std::vector<std::string>{"No CO reference questions: quiz 3 position 2 left empty"});
}

TEST(SpecialtyPickers, WholeQuizzesWithAllFourKindsFillEveryPosition) {
    SpecialtyRig t({6, 6, 6, 6, 6, 6, 6, 6});
    auto& r = t.r;
    t.kind('R', {2, 2, 2, 2, 2, 2, 2, 2});
    t.kind('O', {1, 1, 1, 1, 0, 0, 0, 0});
    t.kind('S', {2, 1, 2, 1, 2, 1, 2, 1});
    t.kind('F', {3, 3, 3, 3, 3, 3, 3, 3});
    FINTYPES(t.p);
    t.pattern("RnOSnnFR");
    r.MINQZ = r.MINQZ1 = 6;
    r.FQUIZ = r.FQUIZ1 = 20;
    r.approval = Approval::Automatic;
    for (int q = 1; q <= 5; ++q) {
        r.Q2 = q;
        CHOOSESPEC(t.p);
        std::set<int> sectors;
        for (int x = 1; x <= 8; ++x) {
            const char k = r.PAT[q].at(static_cast<std::size_t>(x));
            SCOPED_TRACE("quiz " + std::to_string(q) + " position " + std::to_string(x));
            sectors.insert(r.SECTOR[x]);
            if (k == 'n') {
                EXPECT_EQ(r.ALL[x].str(),
                          bankLine(1, r.BV[r.SECTOR[x]] + r.PNUMBER[x] - 1, plainText(r.SECTOR[x], r.PNUMBER[x])));
            } else {
                EXPECT_EQ(r.ALL[x].str(), t.line(k, r.SECTOR[x], r.PNUMBER[x]));
            }
        }
        EXPECT_EQ(sectors.size(), 8u);
    }
    // Four CO references, one a quiz: the fifth quiz starts a new CO cycle.
    const auto log = t.logLines();
    EXPECT_EQ(countOf(log, "CO repeats begin quiz 5"), 1) << ::testing::PrintToString(log);
    // Every position is listed with its sector and question number.
    const auto list = t.listLines();
    ASSERT_EQ(list.size(), 5u * LIST_BLOCK_LINES);
    for (int x = 1; x <= 8; ++x)
        EXPECT_EQ(list[static_cast<std::size_t>(4 * LIST_BLOCK_LINES + 1 + x)], listLine(r, x));
}

TEST(SpecialtyPickers, ARejectedCombinationGivesEveryPickedQuestionBack) {
    SpecialtyRig t({4, 4, 4, 4, 4, 4});
    auto& r = t.r;
    for (char k : {'R', 'O', 'S', 'F'}) t.kind(k, {2, 2, 2, 2, 2, 2});
    FINTYPES(t.p);
    t.pattern("RSnOFn");
    r.MINQZ = r.MINQZ1 = 4;
    r.FQUIZ = r.FQUIZ1 = 20;
    r.approval = Approval::EachQuiz;
    t.con.keys("nny");
    r.Q2 = 1;
    CHOOSESPEC(t.p);
    for (char k : {'R', 'O', 'S', 'F'}) {
        int undrawn = 0, available = 0;
        for (int s = 1; s <= 6; ++s) {
            undrawn += t.pools(k)[s];
            for (int n = 1; n <= 2; ++n) available += flagRef(t.avail(k), s, n) != 0;
        }
        EXPECT_EQ(undrawn, 11) << k;  // only the accepted attempt's question is gone
        EXPECT_EQ(available, 11) << k;
    }
}
