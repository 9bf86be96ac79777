#include <gtest/gtest.h>

#include "core/StyleFile.h"
#include "support/Fixture.h"

using namespace tess;
using tess::testing::plainStyle;
using tess::testing::ScratchDir;

namespace {

struct Read {
    bool ok = false;
    StyleSettings s;
    SharedSettings sh;
    std::vector<std::string> notes;
};

Read readStyle(const ScratchDir& d, const std::string& name = "T.spe") {
    Read r;
    r.ok = readStyleFile(d.file(name), r.s, r.sh, r.notes);
    return r;
}

bool anyNoteHas(const std::vector<std::string>& notes, const std::string& text) {
    for (const auto& n : notes)
        if (n.find(text) != std::string::npos) return true;
    return false;
}

}  // namespace

TEST(StyleFile, ReadsAndWritesAll29LinesInOrderWithEitherLineEnd) {
    auto style = plainStyle();
    style[0] = "L";
    style[1] = "5 10";
    style[2] = "5 30";
    style[3] = "MYQUIZ";
    style[4] = "55";
    style[5] = "P";
    style[6] = "12";
    style[7] = "C";
    style[8] = "7";
    style[9] = "40";
    style[10] = "Y";
    style[11] = "9";
    style[12] = "Q";
    style[13] = "25";
    for (int i = 0; i < 10; ++i) style[static_cast<std::size_t>(14 + i)] = std::to_string(i + 1);
    style[24] = "79";
    style[25] = "3";
    style[26] = "11";
    style[27] = "Y";
    style[28] = "nnFRnnnnnnnnnnnnnnnnnnnnnnnnnS";
    for (const char* end : {"\r\n", "\n"}) {
        ScratchDir d;
        d.lines("T.spe", style, end);
        Read r = readStyle(d);
        ASSERT_TRUE(r.ok) << end;
        EXPECT_TRUE(r.notes.empty());
        EXPECT_EQ(r.s.LG, 'L');
        EXPECT_EQ(r.s.BCHAP, 5);
        EXPECT_EQ(r.s.BVER, 10);
        EXPECT_EQ(r.s.ECHAP, 5);
        EXPECT_EQ(r.s.EVER, 30);
        EXPECT_EQ(r.sh.NAME4.str(), "MYQUIZ");
        EXPECT_EQ(r.s.LPP, 55);
        EXPECT_EQ(r.s.OUT, 'P');
        EXPECT_EQ(r.s.QMAX, 12);
        EXPECT_EQ(r.sh.REGLST, 'C');
        EXPECT_EQ(r.s.AB, 7);
        EXPECT_EQ(r.s.IPC, 40);
        EXPECT_EQ(r.s.INDX, 'Y');
        EXPECT_EQ(r.s.QNUM, 9);
        EXPECT_EQ(r.sh.SEC1, 'Q');
        EXPECT_EQ(r.s.REPEATPCT, 25);
        // Each maximum comes on the line before its minimum.
        EXPECT_EQ(r.s.SPMAX, 1);
        EXPECT_EQ(r.s.SPMIN, 2);
        EXPECT_EQ(r.s.FMAX, 3);
        EXPECT_EQ(r.s.FMIN, 4);
        EXPECT_EQ(r.s.RMAX, 5);
        EXPECT_EQ(r.s.RMIN, 6);
        EXPECT_EQ(r.s.OMAX, 7);
        EXPECT_EQ(r.s.OMIN, 8);
        EXPECT_EQ(r.s.SMAX, 9);
        EXPECT_EQ(r.s.SMIN, 10);
        EXPECT_EQ(r.sh.PRIMPCT, 79);
        EXPECT_EQ(r.s.SPEARLY, 3);
        EXPECT_EQ(r.s.SPLATE, 11);
        EXPECT_EQ(r.sh.SETSPC, 'Y');
        EXPECT_EQ(r.s.TYP.str(), "nnFRnnnnnnnnnnnnnnnnnnnnnnnnnS");
        // The writer gives back, line for line, what the reader took.
        EXPECT_EQ(styleFileLines(r.s, r.sh), style);
    }
}

TEST(StyleFile, MissingLastLineEndReadsTheSameAndShortPatternIsPadded) {
    ScratchDir a, b;
    auto style = plainStyle();
    style[28] = "nnA";
    a.lines("T.spe", style, "\r\n", true);
    b.lines("T.spe", style, "\r\n", false);
    Read ra = readStyle(a), rb = readStyle(b);
    ASSERT_TRUE(ra.ok);
    ASSERT_TRUE(rb.ok);
    EXPECT_EQ(rb.s.TYP.str(), ra.s.TYP.str());
    EXPECT_EQ(rb.s.TYP.str(), "nnA" + std::string(27, 'n'));
    EXPECT_EQ(rb.s.SPLATE, ra.s.SPLATE);
}

TEST(StyleFile, ClampsOutOfRangeValuesAndSaysSoForEach) {
    ScratchDir d;
    auto style = plainStyle();
    style[1] = "40 1";   // chapter 40
    style[2] = "13 60";  // Luke 13 has 35 verses
    style[4] = "5";      // LPP below 18
    style[7] = "/";      // not a list letter
    style[9] = "150";    // IPC
    style[11] = "500";   // QNUM
    style[14] = "-3";    // SPMAX
    style[16] = "11";    // FMAX
    style[24] = "101";   // PRIMPCT
    style[25] = "12";    // SPEARLY above 10
    style[26] = "5";     // SPLATE below SPEARLY
    d.lines("T.spe", style);
    Read r = readStyle(d);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.s.BCHAP, 24);
    EXPECT_EQ(r.s.ECHAP, 13);
    EXPECT_EQ(r.s.EVER, 35);
    EXPECT_EQ(r.s.LPP, 18);
    EXPECT_EQ(r.sh.REGLST, 'A');
    EXPECT_EQ(r.s.IPC, 100);
    EXPECT_EQ(r.s.QNUM, 135);
    EXPECT_EQ(r.s.SPMAX, 0);
    EXPECT_EQ(r.s.FMAX, 10);
    EXPECT_EQ(r.sh.PRIMPCT, 100);
    EXPECT_EQ(r.s.SPEARLY, 10);
    EXPECT_EQ(r.s.SPLATE, 10);
    EXPECT_EQ(r.notes.size(), 11u);
    EXPECT_TRUE(anyNoteHas(r.notes, "T.spe: Begin chapter 40 is outside 1-24; 24 is used."));
    EXPECT_TRUE(anyNoteHas(r.notes, "End verse 60 is outside 1-35 (Luke 13 has 35 verses); 35 is used."));
    EXPECT_TRUE(anyNoteHas(r.notes, "Number of quizzes 500"));
}

TEST(StyleFile, KeepsAStoredQmaxAboveThirtyForTheLargeReview) {
    ScratchDir d;
    auto style = plainStyle();
    style[6] = "60";
    d.lines("T.spe", style);
    Read r = readStyle(d);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.s.QMAX, 60);
    EXPECT_TRUE(r.notes.empty());
    style[6] = "0";
    d.lines("T.spe", style);
    r = readStyle(d);
    EXPECT_EQ(r.s.QMAX, 1);
    EXPECT_EQ(r.notes.size(), 1u);
}

TEST(StyleFile, RefusesAMissingOrDamagedFileAndLeavesTheSettingsAlone) {
    ScratchDir d;
    Read r = readStyle(d, "none.spe");
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(r.notes.size(), 1u);
    EXPECT_NE(r.notes[0].find("none.spe"), std::string::npos);

    auto style = plainStyle();
    style[4] = "sixty";
    d.lines("T.spe", style);
    StyleSettings s;
    s.LPP = 77;
    SharedSettings sh;
    sh.NAME4 = "KEEP";
    std::vector<std::string> notes;
    EXPECT_FALSE(readStyleFile(d.file("T.spe"), s, sh, notes));
    EXPECT_EQ(s.LPP, 77);
    EXPECT_EQ(sh.NAME4.str(), "KEEP");
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_NE(notes[0].find("line 5"), std::string::npos);

    style = plainStyle();
    style.resize(20);  // cut short
    d.lines("T.spe", style);
    notes.clear();
    EXPECT_FALSE(readStyleFile(d.file("T.spe"), s, sh, notes));
    EXPECT_NE(notes.at(0).find("line 21"), std::string::npos);
}

TEST(StyleFile, LinesAnOlderFileLacksAreMadeOrReadAsTheirStartingValue) {
    ScratchDir d;
    auto style = plainStyle();
    style[25] = "3";
    style[26] = "5";
    style.resize(28);
    d.lines("T.spe", style);
    Read r = readStyle(d);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.s.TYP.str(), "nnAAA" + std::string(25, 'n'));
    EXPECT_EQ(r.notes.size(), 1u);

    // A line added after styles were stored (line 30, here a second home of
    // IPC): a 29-line file reads its starting value and is written back with
    // 29 lines until the setting is used.
    std::vector<StyleField> later(std::begin(STYLE_FIELDS), std::end(STYLE_FIELDS));
    later.push_back(field::number(30, "IPC2", "later line", "Later line", 0, 100, &StyleSettings::IPC).lineAddedLater());
    const auto stored = plainStyle();
    std::vector<StyleNote> found;
    ASSERT_TRUE(parseStyleLines(stored, r.s, r.sh, found, Material::luke(), later));
    EXPECT_TRUE(found.empty());
    EXPECT_EQ(styleFileLines(r.s, r.sh, later), stored);
    r.s.IPC = 60;
    EXPECT_EQ(styleFileLines(r.s, r.sh, later).size(), stored.size() + 1);
}

TEST(BankNames, FollowPrimaryPercentListLetterAndMaterialSet) {
    RunState run;
    SharedSettings sh;
    run.LG = ' ';
    sh.PRIMPCT = 100;
    sh.REGLST = 'A';
    buildBankNames(run, sh);
    EXPECT_EQ(run.FTVFILE, "FTV.00");
    EXPECT_EQ(run.COUNTFILE, "count.00A");
    EXPECT_EQ(run.REGFILE, "Luke.A");
    EXPECT_EQ(run.SITFILE, "SIT.TXT");

    sh.PRIMPCT = 5;
    buildBankNames(run, sh);
    EXPECT_EQ(run.FTVFILE, "FTV.05");
    EXPECT_EQ(run.COUNTFILE, "count.05A");

    for (char x : {'A', 'B', 'D'}) {
        sh.REGLST = x;
        buildBankNames(run, sh);
        EXPECT_EQ(run.CVFILE, "cv.b") << x;
        EXPECT_EQ(run.COFILE, "co.b") << x;
        EXPECT_EQ(run.REGFILE, std::string("Luke.") + x);
    }
    for (char x : {'C', 'c'}) {
        sh.REGLST = x;
        buildBankNames(run, sh);
        EXPECT_EQ(run.CVFILE, "cv.c");
        EXPECT_EQ(run.COFILE, "co.c");
        EXPECT_EQ(run.REGFILE, "Luke.C");
    }

    run.LG = 'L';
    sh.REGLST = 'B';
    sh.PRIMPCT = 75;
    buildBankNames(run, sh);
    EXPECT_EQ(run.REGFILE, "LLLuke.B");
    EXPECT_EQ(run.FTVFILE, "LLFTV.75");
    EXPECT_EQ(run.CVFILE, "LLcv.b");
    EXPECT_EQ(run.COFILE, "LLco.b");
    EXPECT_EQ(run.SITFILE, "llsit.txt");
    EXPECT_EQ(run.COUNTFILE, "LLcount.75B");
}

TEST(VerseTable, Reads24Or28LinesAndNamesTheChapterOfABadCount) {
    for (int n : {24, 28}) {
        ScratchDir d;
        d.verses(n);
        Arr<int, 1, MATERIAL_CHAPTERS_MAX> evs{};
        std::string error;
        ASSERT_TRUE(readVerseTable(d.file("Verses.txt"), Material::luke(), evs, error)) << error;
        EXPECT_EQ(evs[1], 80);
        EXPECT_EQ(evs[22], 71);
        EXPECT_EQ(evs[24], 53);
    }
    ScratchDir d;
    std::vector<std::string> ls;
    for (int ch = 1; ch <= LUKE_CHAPTERS; ++ch) ls.push_back(std::to_string(lukeVerses(ch)));
    auto fails = [&](std::vector<std::string> lines, const std::string& expected) {
        d.lines("Verses.txt", lines, "\n", false);
        Arr<int, 1, MATERIAL_CHAPTERS_MAX> evs{};
        evs[1] = 7;
        std::string error;
        EXPECT_FALSE(readVerseTable(d.file("Verses.txt"), Material::luke(), evs, error));
        EXPECT_NE(error.find(expected), std::string::npos) << error;
        EXPECT_EQ(evs[1], 7);  // nothing half-read
    };
    auto wrong = ls;
    wrong[12] = "36";
    fails(wrong, "Verses.txt, chapter 13: 36 verses, but Luke 13 has 35.");
    wrong = ls;
    wrong[3] = "90";
    fails(wrong, "Verses.txt, chapter 4: 90 verses is outside 1-85.");
    wrong = ls;
    wrong[0] = "x";
    fails(wrong, "chapter 1: the verse count is not a number");
    fails({"80", "52"}, "Verses.txt has 2 lines");
    Arr<int, 1, MATERIAL_CHAPTERS_MAX> evs{};
    std::string error;
    EXPECT_FALSE(readVerseTable(d.file("missing.txt"), Material::luke(), evs, error));
    EXPECT_NE(error.find("missing.txt"), std::string::npos);
}

TEST(RunSettings, ReadsTheFirstLineCutTo14AndOnlyExactExitIsTheExitRequest) {
    ScratchDir d;
    d.raw("temp2.txt", "Exit");
    EXPECT_EQ(readRunSettings(d.file("temp2.txt")).value(), "Exit");
    d.raw("temp2.txt", "ABCDEFGHIJKLMNOPQ\r\nsecond\r\n");
    EXPECT_EQ(readRunSettings(d.file("temp2.txt")).value(), "ABCDEFGHIJKLMN");
    EXPECT_FALSE(readRunSettings(d.file("nothing.txt")).has_value());
    EXPECT_TRUE(isExitRequest("Exit"));
    EXPECT_FALSE(isExitRequest("exit"));
    EXPECT_FALSE(isExitRequest("Exit "));

    EXPECT_TRUE(isPlainFileName("QUIZ1"));
    EXPECT_TRUE(isPlainFileName("a.b"));
    for (const char* bad : {"", "../x", "a/b", "a\\b", "..", "x..y"}) EXPECT_FALSE(isPlainFileName(bad)) << bad;
}

TEST(Patterns, MissingOrShortLinesReadAsRegular) {
    ScratchDir d;
    Arr<FixedText<30>, 1, QQZ> pat;
    readPatterns(d.file("pat.txt"), pat, 2);
    EXPECT_EQ(pat[1].str(), std::string(30, 'n'));
    d.lines("pat.txt", {"nnFnnnnnnnnnnnnnnnnnnnnnnnnnnnRRRR", "nS"});
    readPatterns(d.file("pat.txt"), pat, 3);
    EXPECT_EQ(pat[1].str(), "nnFnnnnnnnnnnnnnnnnnnnnnnnnnnn");
    EXPECT_EQ(pat[2].str(), "nS" + std::string(28, 'n'));
    EXPECT_EQ(pat[3].str(), std::string(30, 'n'));
}

// Hand-edited letters and output names: a letter the program has no meaning
// for gets the form's starting value with a note; small letters are capitals;
// an over-long output name is cut with a note; a blank name or one with a
// control character is no file name.
TEST(StyleFile, UnknownLettersAndOverlongOutputNamesAreToldAndReplaced) {
    ScratchDir d;
    auto style = plainStyle();
    style[3] = "averyveryverylongname";
    style[5] = "Z";   // layout
    style[10] = "";   // reindex
    style[12] = "q";  // sectoring
    style[27] = "X";  // specialty numbers
    d.lines("T.spe", style);
    const Read r = readStyle(d);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.s.OUT, 'C');
    EXPECT_EQ(r.s.INDX, 'Y');
    EXPECT_EQ(r.sh.SEC1, 'Q');
    EXPECT_EQ(r.sh.SETSPC, 'N');
    EXPECT_EQ(r.sh.NAME4.str(), "averyveryveryl");
    EXPECT_TRUE(anyNoteHas(r.notes, "T.spe: output layout \"Z\" is not one of C, P, T; C is used."));
    EXPECT_TRUE(anyNoteHas(r.notes, "T.spe: reindex \" \" is not one of Y, N; Y is used."));
    EXPECT_TRUE(anyNoteHas(r.notes, "T.spe: set specialty numbers \"X\" is not one of Y, N; N is used."));
    EXPECT_TRUE(anyNoteHas(r.notes, "is longer than 14 characters; \"averyveryveryl\" is used."));
    EXPECT_EQ(r.notes.size(), 4u);
    for (const char* bad : {"", "   ", "a\tb", "a\x1b"}) EXPECT_FALSE(isPlainFileName(bad)) << bad;
    EXPECT_TRUE(isPlainFileName("QUIZ 1"));
}
