#include <gtest/gtest.h>

#include "selection/Availability.h"
#include "selection/SelectionRig.h"

using namespace tess;
using namespace tess::testing;

TEST(FtvTypes, TheTableTakesCharacterNineAndVrIsR) {
    SpecialtyRig t({3, 3});
    const std::vector<std::string> parts = {"QPN1\tQuote", "FPVR\tVerse", "FPVX\tVerse", "FSN\tVerse"};
    t.kind(
        'F', {3, 1}, [&](int s, int n) { return parts[static_cast<std::size_t>((s - 1) * 3 + n - 1)]; }, 2);
    // A line the count skipped (no reference) between the sectors is skipped here too.
    auto lines = *readAllLines(t.p.file("FTV.00"));
    lines.insert(lines.begin() + 5, "   \tno reference");
    writeFileAtomic(t.p.file("FTV.00"), lines);
    FINTYPES(t.p);
    EXPECT_EQ(ftvType(t.r, 1, 1), 'N');
    EXPECT_EQ(ftvType(t.r, 1, 2), 'R');
    EXPECT_EQ(ftvType(t.r, 1, 3), 'V');
    EXPECT_EQ(ftvType(t.r, 2, 1), 'N');
    EXPECT_EQ(t.r.FTYPE[1].size(), 51u);
    EXPECT_EQ(ftvTypeOf(" 1: 1\tFPV"), 'V');  // "V" at the end of the line
}

TEST(FtvTypes, AnFtvFileOutOfStepWithTheCountsGoesBackToTheTitle) {
    SpecialtyRig t({3, 3});
    t.kind('F', {2, 2});
    t.r.TFPS[2] = 3;  // the counts promise one more than the file holds
    t.con.enter();
    EXPECT_TRUE(restarts(t.p, [&] { FINTYPES(t.p); }));
    EXPECT_TRUE(t.con.sawMessage("FTV.00: it ends before the last question of sector 2"));
    EXPECT_TRUE(t.con.sawText("out of date"));
}

TEST(FtvTypes, ARecentTypeIsRefusedForFewerTriesTheOlderItIs) {
    // One FTV question, so every try draws it again: the tries made show how
    // long its type was refused. Type "b" repeats the last type at every try,
    // as in a range whose FTVs all have one type: the 30th try is taken.
    struct Case {
        char type;
        long tries;
    };
    for (const Case& c : {Case{'b', 30}, Case{'c', 15}, Case{'d', 5}, Case{'N', 1}}) {
        SCOPED_TRACE(c.type);
        auto counter = std::make_unique<CountingRandom>(7);
        auto* hundreds = counter.get();
        SpecialtyRig t({3}, std::move(counter));
        auto& r = t.r;
        t.kind('F', {1}, [&](int, int) { return std::string("FP") + c.type + "\tVerse"; });
        FINTYPES(t.p);
        // The history a run starts with.
        r.FTCC = 'a';
        r.FTC2 = 'b';
        r.FTC3 = 'c';
        r.FTC4 = 'd';
        r.FQUIZ = r.FQUIZ1 = 50;
        hundreds->draws[100] = 0;
        t.pass('F', 1, "F");
        EXPECT_EQ(hundreds->draws[100], c.tries);
        EXPECT_EQ(r.FTC2, c.type);
        EXPECT_EQ(r.FTC3, 'b');
        EXPECT_EQ(r.FTC4, 'c');
        // The refused tries were undone; only the accepted one counts.
        EXPECT_EQ(r.FPS[1], 0);
        EXPECT_FALSE(flagRef(r.FINISH, 1, 1));
        EXPECT_EQ(r.FLAG[1], 0);
        EXPECT_EQ(r.ALL[1].str(), t.line('F', 1, 1));
        EXPECT_TRUE(t.logLines().empty());
    }
}

TEST(FtvTypes, FtvRepeatsAreForcedAfterFquizButNeverInTheFirstThreeQuizzes) {
    SpecialtyRig t({3});
    auto& r = t.r;
    r.REPEATPCT = 100;
    t.kind('F', {8}, [](int, int n) { return "FP" + std::string(1, static_cast<char>('A' + n)) + "\tVerse"; });
    FINTYPES(t.p);
    r.FQUIZ = 2;
    r.FQUIZ1 = 5;
    for (int q : {1, 3}) {
        t.freeAll();
        t.pass('F', q, "F");
    }
    EXPECT_TRUE(t.logLines().empty());
    t.r.runLog.append(t.p.file("temp.txt"));
    for (int q : {4, 5, 9, 10}) {
        t.freeAll();
        t.pass('F', q, "F");
        if (q == 4) {
            EXPECT_EQ(r.FQUIZ, 9);
        }
    }
    EXPECT_EQ(r.FQUIZ, 15);
    EXPECT_TRUE(t.con.sawText("  Due to sectoring restrictions FTV repeats begin in quiz 10"));
    EXPECT_EQ(t.logLines(), (std::vector<std::string>{"FTV Repeats begin quiz 4", "FTV Repeats begin quiz 10"}));
}
