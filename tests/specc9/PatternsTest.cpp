#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>

#include "console/TextFile.h"
#include "specc9/ConfigRig.h"
#include "specc9/Patterns.h"

using namespace tess;
using tess::testing::PatternRig;
using tess::testing::restarts;

namespace {

struct Style {
    const char* name;
    int SPMIN, SPMAX, FMIN, FMAX, RMIN, RMAX, OMIN, OMAX, SMIN, SMAX, SPEARLY, SPLATE;
};

void apply(Specc9& c, const Style& s) {
    c.SPMIN = s.SPMIN, c.SPMAX = s.SPMAX;
    c.FMIN = s.FMIN, c.FMAX = s.FMAX;
    c.RMIN = s.RMIN, c.RMAX = s.RMAX;
    c.OMIN = s.OMIN, c.OMAX = s.OMAX;
    c.SMIN = s.SMIN, c.SMAX = s.SMAX;
    c.SPEARLY = s.SPEARLY, c.SPLATE = s.SPLATE;
}

int count(const std::string& t, char ch) { return static_cast<int>(std::count(t.begin(), t.end(), ch)); }

// Everything a drawn pattern must satisfy; reports the first breach.
::testing::AssertionResult soundPattern(const Specc9& c, const std::string& t, bool checkSpecs = true) {
    if (t.size() != 30) return ::testing::AssertionFailure() << "length " << t.size() << ": " << t;
    if (t.find_first_not_of("nFROS") != std::string::npos) return ::testing::AssertionFailure() << "letter: " << t;
    const int total = 30 - count(t, 'n');
    if (total < c.SPMIN || total > c.SPMAX) return ::testing::AssertionFailure() << total << " specialties: " << t;
    if (checkSpecs && total != c.SPECS) return ::testing::AssertionFailure() << "SPECS " << c.SPECS << " for " << t;
    const struct {
        char letter;
        int lo, hi;
    } kinds[] = {{'F', c.FMIN, c.FMAX}, {'R', c.RMIN, c.RMAX}, {'O', c.OMIN, c.OMAX}, {'S', c.SMIN, c.SMAX}};
    for (const auto& k : kinds) {
        const int n = count(t, k.letter);
        if (n < k.lo || n > k.hi) return ::testing::AssertionFailure() << n << " of " << k.letter << ": " << t;
    }
    for (int x = 1; x <= 30; ++x)
        if ((x < c.SPEARLY || x > c.SPLATE) && t[x - 1] != 'n')
            return ::testing::AssertionFailure() << "specialty at " << x << " outside the window: " << t;
    return ::testing::AssertionSuccess();
}

}  // namespace

// Over many draws on fixed seeds: the styles cover every extra-position rule
// (window 1..20 with 4..8 specialties meets all four ranges), a window that
// does not start at 1, a wide window with few specialties, and a full window.
TEST(SpecialtyPatterns, ManyDrawsStayWithinEveryBound) {
    const Style styles[] = {
        {"all four rules", 4, 8, 1, 3, 1, 2, 0, 2, 0, 2, 1, 20},
        {"window 3..20", 2, 10, 0, 4, 0, 3, 0, 3, 0, 3, 3, 20},
        {"wide window", 1, 3, 0, 1, 0, 1, 0, 1, 0, 1, 1, 30},
        {"window 18, six", 6, 6, 1, 3, 1, 3, 0, 2, 0, 2, 1, 18},
        {"midpoint kinds", 3, 9, 0, 2, 1, 3, 0, 1, 0, 3, 2, 25},
    };
    for (const Style& s : styles) {
        for (std::uint64_t seed : {1u, 99u}) {
            PatternRig b(std::make_unique<Random>(seed));
            apply(b.p.cfg, s);
            ASSERT_EQ(patternConflicts(b.p), "") << s.name;
            bool early = false, late = false;
            for (int n = 0; n < 1000; ++n) {
                SPECPAT(b.p);
                const std::string t = b.p.cfg.TYP.str();
                ASSERT_TRUE(soundPattern(b.p.cfg, t)) << s.name << " seed " << seed;
                early = early || t[s.SPEARLY - 1] != 'n';
                late = late || t[s.SPLATE - 1] != 'n';
            }
            // Both ends of the window are reached, so it is neither shifted nor cut.
            EXPECT_TRUE(early && late) << s.name;
        }
    }
}

TEST(SpecialtyPatterns, EdgeWindows) {
    {  // no specialties at all
        PatternRig b(std::make_unique<Random>(3));
        apply(b.p.cfg, {"none", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 20});
        for (int n = 0; n < 300; ++n) {
            SPECPAT(b.p);
            ASSERT_EQ(b.p.cfg.TYP.str(), std::string(30, 'n'));
            ASSERT_EQ(b.p.cfg.SPECS, 0);
        }
    }
    {  // as many specialties as window positions
        PatternRig b(std::make_unique<Random>(4));
        apply(b.p.cfg, {"full", 8, 8, 2, 4, 2, 3, 1, 2, 0, 2, 5, 12});
        for (int n = 0; n < 300; ++n) {
            SPECPAT(b.p);
            const std::string t = b.p.cfg.TYP.str();
            ASSERT_TRUE(soundPattern(b.p.cfg, t));
            ASSERT_EQ(t.substr(0, 4), "nnnn");
            ASSERT_EQ(t.substr(4, 8).find('n'), std::string::npos) << t;
        }
    }
}

// The CV and CO counts: a first draw off the midpoint (max + min) / 2 is
// replaced by a second one; a half-way midpoint never matches.
TEST(SpecialtyPatterns, MidpointRedrawRule) {
    {
        ScriptedRandom r({2});  // RMIN 1, RMAX 3: 2 is the midpoint and stands
        EXPECT_EQ(drawKindCount(r, 1, 3, true), 2);
        EXPECT_EQ(r.left(), 0u);
    }
    {
        ScriptedRandom r({3, 1});  // off the midpoint: the second draw decides
        EXPECT_EQ(drawKindCount(r, 1, 3, true), 1);
    }
    {
        ScriptedRandom r({0, 0, 1, 3});  // the second draw 0 is below RMIN: draw again
        EXPECT_EQ(drawKindCount(r, 1, 3, true), 3);
        EXPECT_EQ(r.left(), 0u);
    }
    {
        ScriptedRandom r({1, 0});  // RMIN 0, RMAX 1: midpoint 0.5, the second draw always decides
        EXPECT_EQ(drawKindCount(r, 0, 1, true), 0);
        ScriptedRandom r2({0, 1});
        EXPECT_EQ(drawKindCount(r2, 0, 1, true), 1);
    }
    {
        ScriptedRandom r({3, 0});  // without the rule the first draw stands
        EXPECT_EQ(drawKindCount(r, 1, 3, false), 3);
        EXPECT_EQ(r.left(), 1u);
    }
}

namespace {

// Draws of one attempt's starting point that give LAST = 0.
void startAtZero(std::deque<int>& d) { d.insert(d.end(), {0, 0, 0, 0}); }
// A placement of pool entry R: the first draw and five candidates.
void place(std::deque<int>& d, int R) { d.insert(d.end(), 6, R); }

}  // namespace

// Two specialties, F and R, in a window of two. Attempt 1 gives "FR"; every
// later attempt starts with the letter that ended the walk before it, so with
// I carried across attempts each is worse and gives way to the best so far.
// Only attempt 2 mirrors, after its worse attempt was replaced: "RF".
TEST(SpecialtyPatterns, WorseAttemptsGiveWayAndTheMirrorFollowsEveryAttempt) {
    std::deque<int> d = {2,   // SPECS
                         1,   // FTVS
                         1,   // REFS (the midpoint: stands)
                         0,   // ONLYS (the midpoint: stands)
                         0,   // SITS
                         1};  // order F, R, O, S: DB = "FR"
    for (int attempt = 1; attempt <= 15; ++attempt) {
        startAtZero(d);
        const bool fr = attempt % 2 == 1;
        place(d, fr ? 1 : 2);
        place(d, fr ? 2 : 1);
        d.push_back(attempt == 2 ? 9 : 0);  // mirror draw
    }
    PatternRig b(std::make_unique<ScriptedRandom>(d));
    apply(b.p.cfg, {"two", 2, 2, 1, 1, 1, 1, 0, 0, 0, 0, 1, 2});
    SPECPAT(b.p);
    EXPECT_EQ(b.p.cfg.TYP.str(), "RF" + std::string(28, 'n'));
    EXPECT_EQ(static_cast<ScriptedRandom&>(b.rnd).left(), 0u);
}

// One FTV in a window of five: g / SPECS = 4, so every placed "n" may bring an
// extra regular position, but not straight after another one (LU), and not
// when no free "n" turns up within the draws.
TEST(SpecialtyPatterns, ExtraRegularPositions) {
    std::deque<int> d = {1, 1, 0, 0, 0};  // SPECS 1; FTVS 1, REFS 0, ONLYS 0, SITS 0
    d.push_back(1);                       // order F first: DB = "Fnnnn"
    for (int attempt = 1; attempt <= 15; ++attempt) {
        startAtZero(d);
        place(d, 2);                        // position 1: "n" ...
        d.push_back(3);                     // ... and an extra "n" at position 2
        place(d, 4);                        // position 3: "n", no extra straight after one
        place(d, 1);                        // position 4: "F"
        place(d, 5);                        // position 5: "n" ...
        d.insert(d.end(), 100, 0);          // ... the extra finds no free "n"
        d.push_back(attempt == 1 ? 9 : 0);  // mirror draw
    }
    PatternRig b(std::make_unique<ScriptedRandom>(d));
    apply(b.p.cfg, {"one", 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 5});
    SPECPAT(b.p);
    EXPECT_EQ(b.p.cfg.TYP.str(), "nFnnn" + std::string(25, 'n'));  // "nnnFn" mirrored
    EXPECT_EQ(static_cast<ScriptedRandom&>(b.rnd).left(), 0u);
}

TEST(SpecialtyPatterns, FixedModeUsesTheStoredPattern) {
    PatternRig b;
    Specc9& c = b.p.cfg;
    b.p.shared.SETSPC = 'Y';
    apply(c, {"fixed", 4, 4, 2, 2, 1, 1, 1, 1, 0, 0, 1, 20});
    const std::string stored = "nnFnnRnnFnnnnOnnnnnnnnnnnnnnnn";
    c.TYP = stored;
    ASSERT_EQ(patternConflicts(b.p), "");
    SPECPAT(b.p);
    EXPECT_EQ(c.TYP.str(), stored);
    EXPECT_EQ(c.SPECS, 4);  // the four maxima, without the specialty numbers screen

    // A stored pattern with fewer specialties than the maxima add up to
    // stands as it is (it used to be redrawn for ever).
    c.FMAX = 5;
    SPECPAT(b.p);
    EXPECT_EQ(c.TYP.str(), stored);
    EXPECT_EQ(c.SPECS, 4);

    // A short stored line is read as "n" beyond its end.
    c.TYP = "nF";
    SPECPAT(b.p);
    EXPECT_EQ(c.TYP.str(), "nF" + std::string(28, 'n'));

    // Letters the run cannot place are refused before anything is drawn.
    c.TYP = "nnAA";
    EXPECT_NE(patternConflicts(b.p).find("\"A\" at question 3"), std::string::npos);
}

// Settings loaded from a style file that no draw can satisfy are named to the
// user and the run restarts, before any pattern or "pat.txt" is made.
TEST(SpecialtyPatterns, ImpossibleSettingsRestartTheRun) {
    struct Case {
        const char* what;
        void (*edit)(Specc9&);
        const char* named;
    };
    const Case cases[] = {
        {"total min above max", [](Specc9& c) { c.SPMIN = 9, c.SPMAX = 8; }, "Total Min (9) is above Total Max (8)"},
        {"kind min above max", [](Specc9& c) { c.OMIN = 3, c.OMAX = 2; }, "CO Ref Min (3) is above CO Ref Max (2)"},
        {"maxima below SPMIN", [](Specc9& c) { c.FMAX = 1, c.RMAX = 1, c.OMAX = 1, c.SMAX = 0; },
         "The four Max values add up to 3, below Total Min (4)"},
        {"minima above SPMAX",
         [](Specc9& c) { c.FMIN = 3, c.RMIN = 2, c.OMIN = 2, c.SMIN = 2, c.FMAX = 3, c.OMAX = 2; },
         "The four Min values add up to 9, above Total Max (8)"},
        {"window below SPMIN", [](Specc9& c) { c.SPEARLY = 5, c.SPLATE = 7; },
         "Specialties may appear 5 to 7 gives 3 positions, fewer than Total Min (4)"},
        {"window outside", [](Specc9& c) { c.SPLATE = 31; }, "Specialties may appear 1 to 31 is not a range"},
        {"negative", [](Specc9& c) { c.SMIN = -1; }, "Situation Min (-1) is below 0"},
        {"too many quizzes", [](Specc9& c) { c.QNUM = 136; }, "Number of Quizzes in this Run (136) must be 1 to 135"},
    };
    for (const Case& k : cases) {
        PatternRig b;
        ASSERT_EQ(patternConflicts(b.p), "");
        k.edit(b.p.cfg);
        EXPECT_NE(patternConflicts(b.p).find(k.named), std::string::npos) << k.what << ": " << patternConflicts(b.p);
        b.con.enter();
        EXPECT_TRUE(restarts(b.p, [&] { SPEC2(b.p); })) << k.what;
        EXPECT_TRUE(b.con.sawText("The quiz style's specialty settings conflict")) << k.what;
        EXPECT_FALSE(fileExists(b.p.file("pat.txt"))) << k.what;
    }
}

// A hand-made style whose kind bounds or window cover only part of
// SPMIN..SPMAX draws from the part they cover instead of waiting for ever.
TEST(SpecialtyPatterns, PartlyReachableTotalsDrawWhatCanBeReached) {
    PatternRig b(std::make_unique<Random>(5));
    apply(b.p.cfg, {"partial", 0, 12, 2, 3, 1, 2, 0, 1, 0, 1, 1, 6});
    ASSERT_EQ(patternConflicts(b.p), "");
    for (int n = 0; n < 500; ++n) {
        SPECPAT(b.p);
        const int total = 30 - count(b.p.cfg.TYP.str(), 'n');
        ASSERT_GE(total, 3);  // the minima's sum
        ASSERT_LE(total, 6);  // the window
        ASSERT_TRUE(soundPattern(b.p.cfg, b.p.cfg.TYP.str()));
    }
}

TEST(SpecialtyPatterns, PatFileHoldsEveryQuizHoweverTheReviewEnds) {
    {
        PatternRig b;
        b.p.cfg.QNUM = 135;
        for (int screen = 0; screen < 5; ++screen) b.con.enter();  // 135 quizzes: five screens of 30
        SPEC2(b.p);
        EXPECT_EQ(b.con.keysLeft(), 0u);
        const auto lines = readAllLines(b.p.file("pat.txt"));
        ASSERT_TRUE(lines);
        ASSERT_EQ(lines->size(), 135u);
        for (int q = 1; q <= 135; ++q) {
            EXPECT_EQ((*lines)[q - 1], b.p.cfg.PAT[q].str());
            EXPECT_TRUE(soundPattern(b.p.cfg, (*lines)[q - 1], false));  // SPECS is the last quiz's
        }
        EXPECT_FALSE(b.p.shared.BACK);
    }
    {  // Esc on the 75-position screen: BACK, and the file is still whole
        PatternRig b;
        b.p.cfg.QMAX = 40;
        b.p.cfg.QNUM = 40;
        b.con.esc();
        SPEC2(b.p);
        EXPECT_TRUE(b.p.shared.BACK);
        const auto lines = readAllLines(b.p.file("pat.txt"));
        ASSERT_TRUE(lines);
        EXPECT_EQ(lines->size(), 40u);
    }
}

TEST(SpecialtyPatterns, EvsetFillsTheVersesOfLuke) {
    PatternRig b;
    EVSET(b.p);
    int total = 0;
    for (int ch = 1; ch <= 24; ++ch) total += b.p.cfg.EVS[ch];
    EXPECT_EQ(b.p.cfg.EVS[1], 80);
    EXPECT_EQ(b.p.cfg.EVS[24], 53);
    EXPECT_EQ(total, 1151);  // verses of Luke
}
