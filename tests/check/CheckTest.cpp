// The bank checker, by file kind: each planted fault is reported once, on its
// file and line, and nothing else is; the sample bank has no fault.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "app/ExitStatus.h"
#include "app/RunCommand.h"
#include "check/Check.h"
#include "check/LineScan.h"
#include "console/FileLines.h"

using namespace tess;
using namespace tess::check;
using tess::testing::plainStyle;
namespace line = tess::testing::line;
using tess::testing::runTessarin;
using tess::testing::ScratchDir;

namespace {

struct Planted {
    std::size_t line;  // 0: the file as a whole
    Severity severity;
    std::string what;  // a part of the message
};

const FileReport* reportOf(const Report& r, const std::string& file) {
    for (const auto& f : r.files)
        if (f.file == file) return &f;
    return nullptr;
}

std::string listed(const FileReport& f) {
    std::string s;
    for (const auto& x : f.oneByOne()) s += "\n  " + std::to_string(x.line) + ": " + f.words(x);
    return s;
}

// The file's findings are exactly the planted ones, each once.
void expectExactly(const Report& r, const std::string& file, const std::vector<Planted>& planted) {
    const FileReport* f = reportOf(r, file);
    ASSERT_NE(f, nullptr) << file << " was not checked";
    const std::vector<Finding> found = f->oneByOne();
    EXPECT_EQ(found.size(), planted.size()) << file << listed(*f);
    for (const auto& p : planted) {
        int hits = 0;
        for (const auto& x : found)
            hits += x.line == p.line && x.severity == p.severity && f->words(x).find(p.what) != std::string::npos;
        EXPECT_EQ(hits, 1) << file << ":" << p.line << ": " << p.what << listed(*f);
    }
}

const auto E = Severity::Error;
const auto W = Severity::Warning;

std::string q(int c, int v, const std::string& rest) {
    char ref[8];
    std::snprintf(ref, sizeof ref, "%2d:%2d\t", c, v);
    return ref + rest;
}

// Luke.A: a fault on every line after the first two, a verse of 256
// questions (the 256th is line 273), a question without its answer.
std::vector<std::string> faultyRegular() {
    std::vector<std::string> l = {
        q(1, 1, "Who spoke first?\tZacharias"),
        q(1, 2, "Who wrote?\tLuke"),
        "x1: 3\tWho came?\tX",
        q(25, 1, "Who came?\tX"),
        " 1; 3\tWho came?\tX",
        " 1:x4\tWho came?\tX",
        q(1, 90, "Who came?\tX"),
        q(1, 81, "Who came?\tX"),
        " 1: 5 Who came?\tX",
        q(1, 5, "   "),
        "",
        q(1, 6, "Who " + std::string(300, 'o') + "?\tX"),
        q(1, 7, "Who said \u201CFear not\u201D\x1b?\tThe angel"),
        q(1, 3, "Who was late?\tX"),
        q(1, 8, "Name the priest\tZacharias"),
        q(1, 9, "Who?\tX"),
        q(1, 9, "Who?\tX"),
    };
    for (int i = 1; i <= 256; ++i) l.push_back(q(1, 10, "Question " + std::to_string(i) + "?\tX"));
    l.push_back(q(1, 11, "Who came?"));
    return l;
}

void writeFaultyBank(const ScratchDir& d) {
    d.verses();
    d.lines("Luke.A", faultyRegular());
    // Repeats in runs: two lines pasted again out of order (the order
    // errors landing inside that run), then a line pasted twice more.
    d.lines("Luke.B", {q(1, 5, "E?\tX"), q(1, 6, "F?\tX"), q(1, 1, "A?\tX"), q(1, 2, "B?\tX"), q(1, 5, "E?\tX"),
                       q(1, 6, "F?\tX"), q(1, 3, "C?\tX"), q(1, 4, "D?\tX"), q(1, 4, "D?\tX"), q(1, 4, "D?\tX")});
    d.lines("FTV.00",
            {q(1, 1, "FSN\tForasmuch as many have taken in hand"), q(1, 2, "FSN Even as they delivered them unto us"),
             q(1, 3, "FSNLONG\tIt seemed good to me also"), q(1, 4, "FS\tThat thou mightest know the certainty"),
             q(1, 5, "QPN\tThere was in the days of Herod"), q(1, 6, "QPVR\tAnd they were both righteous before God"),
             q(1, 7, "FSN\tAnd it came to pass")});
    d.lines("cv.b", {q(1, 1, "WH\twho wrote?\tLuke"), q(1, 2, "W\twho delivered them?\tThey"),
                     q(1, 3, "WT\twhat   did he see?\tA vision"), q(1, 4, "WH\twho came?"),
                     // Lines are looked at 64 bytes at a time: blanks and TABs on both sides of byte 64.
                     q(1, 5, "WH\t" + std::string(53, 'w') + "   w?\tX"),
                     q(1, 6, "WH\t" + std::string(53, 'w') + "  w " + std::string(10, 'w') + "?\t")});
    d.lines("SIT.TXT",
            {q(1, 13, "Who said this? \"Fear not.\" *The angel"), q(1, 18, "Who said this to the angel? *Zacharias"),
             q(1, 19, "Who said this? \"I am Gabriel.\" The angel"),
             q(1, 20, "Who spoke of Zacharias' silence? \"Behold, thou shalt be dumb.\" *The angel"),
             q(1, 21, "Who said this? \"Wait.\" *")});
    d.lines("LLLuke.A", {q(6, 1, "Who went?\tJesus"), q(7, 1, "Who entered?\tJesus")});
}

}  // namespace

TEST(CheckBankLines, EachPlantedFaultIsReportedOnceOnItsLine) {
    ScratchDir d;
    writeFaultyBank(d);
    const std::vector<std::string> files = {"Luke.A", "Luke.B", "FTV.00", "cv.b", "SIT.TXT", "LLLuke.A"};
    const Report r = checkBank(d.path(), files);
    // Counted without their words (check --max 0), each file's tally is the same.
    const Report counted = checkBank(d.path(), files, false);
    ASSERT_EQ(counted.files.size(), r.files.size());
    for (std::size_t i = 0; i < r.files.size(); ++i)
        EXPECT_EQ(std::pair(counted.files[i].errors(), counted.files[i].warnings()),
                  std::pair(r.files[i].errors(), r.files[i].warnings()))
            << r.files[i].file;
    expectExactly(r, "Luke.A",
                  {{3, E, "no chapter in columns 1-2"},
                   {4, E, "chapter 25 is not in the book"},
                   {5, W, "column 3 holds \";\" where the \":\" belongs"},
                   {6, E, "no verse in columns 4-5"},
                   {7, E, "verse 90 is outside 1-85"},
                   {8, E, "verse 81 is not in chapter 1, which has 80 verses"},
                   {9, E, "a blank in column 6 where the TAB belongs"},
                   {10, E, "nothing after the TAB"},
                   {11, W, "blank line"},
                   {12, E, "313 characters, but the program keeps 254 of a regular line"},
                   {13, E, "the control character 0x1B in column 26 does not print"},
                   {14, E, "1:3 is out of book order: it belongs after line 5 (1:3); move it there"},
                   {15, E, "the question does not end with a question mark"},
                   {17, W, "the same line as line 16"},
                   {273, E, "more than 255 regular questions in 1:10"},
                   {274, E, "no answer"}});
    expectExactly(r, "Luke.B",
                  {{1, E, "1:5 is out of book order"},
                   {2, E, "1:6 is out of book order"},
                   {5, W, "the same line as line 1"},
                   {5, E, "1:5 is out of book order"},
                   {6, W, "the same line as line 2"},
                   {6, E, "1:6 is out of book order"},
                   {9, W, "the same line as line 8"},
                   {10, W, "the same line as line 8"}});
    expectExactly(r, "FTV.00",
                  {{2, E, "the type field (such as FSN) is not ended by a TAB"},
                   {3, E, "the type field \"FSNLONG\" has 7 characters"},
                   {4, E, "no type letter in column 9"},
                   {5, E, "a quotation's type field (\"QPN\") has 4 characters"},
                   {7, E, "the verse has fewer than six words"}});
    expectExactly(r, "cv.b",
                  {{2, E, "columns 7-8 should hold the two-letter type code"},
                   {3, E, "three blanks in a row at column 14"},
                   {4, E, "no answer"},
                   {5, E, "three blanks in a row at column 63"},
                   {6, E, "no answer"}});
    expectExactly(r, "SIT.TXT",
                  {{2, E, "no quotation in the first 254 characters"},
                   {3, E, "no \"*\" before the answer"},
                   {4, W, "the apostrophe in column 29 comes before the quotation's double quote (column 40)"},
                   {5, E, "no answer after the \"*\""}});
    expectExactly(r, "LLLuke.A", {{2, E, "chapter 7 is left out of the L material"}});
}

// The one pass over a file's bytes gives the lines FileLines gives, each with
// the marks and hash the line has on its own: random bytes, so that CR LF
// falls across chunks, lines are cut at the bound or span many chunks, and
// the last has no end.
TEST(CheckBankLines, OnePassOverAFileGivesWhatEachLineOnItsOwnGives) {
    const ScratchDir d;
    std::mt19937 random(27);
    const std::string alphabet("w  \t\r\r\x01\x7f\x80\xe9?", 11);
    for (int round = 0; round < 400; ++round) {
        std::string bytes;
        for (std::size_t n = random() % 1200; n > 0; --n)
            bytes += random() % (1 + round % 150) == 0 ? '\n' : alphabet[random() % alphabet.size()];
        d.raw("f", bytes);
        FileLines in(d.file("f"));
        const std::size_t bound = round % 2 ? 70 : 4096;  // lines cut, and lines over many blocks
        LineScanner scan(in.bytes(), 6, bound);
        ScannedLine got;
        bool longer = false;
        while (const auto want = in.readLine(bound, &longer)) {
            ASSERT_TRUE(scan.next(got)) << round;
            const LineMarks m = scanLine(*want, 6);
            EXPECT_EQ(std::tuple(got.text, got.longer, got.marks.printable, got.marks.blankRun, got.marks.tab[0],
                                 got.marks.tab[1], got.marks.lastSolid, got.hash),
                      std::tuple(*want, longer, m.printable, m.blankRun, m.tab[0], m.tab[1], m.lastSolid,
                                 hashLine(*want)))
                << round << " line " << in.lineNumber();
        }
        EXPECT_FALSE(scan.next(got)) << round;
    }
}

// One encoding a file: valid UTF-8, else Windows-1252. Either is clean with
// curly quotes, dashes and accents; a file with lines of both is named, and
// a byte Windows-1252 has no character for is neither.
TEST(CheckBankLines, AFileMixingUtf8AndWindows1252AndALineInNeitherAreNamed) {
    ScratchDir d;
    d.verses();
    const std::string accented = "Who said \u201CJ\u00e9sus\u2014Zacch\u00e6us\u201D?\tPeter";
    d.lines("Luke.A", {q(1, 1, accented), q(1, 2, "Who came?\tX")});
    d.lines("Luke.B", {q(1, 1, utf8ToWindows1252(accented)), q(1, 2, "Who came?\tX")});
    d.lines("Luke.C", {q(1, 1, accented), q(1, 2, utf8ToWindows1252(accented)),
                       q(1, 3,
                         "Who \x81"
                         "came?\tX"),
                       q(1, 4, utf8ToWindows1252(accented) + "   x")});
    const Report r = checkBank(d.path(), {"Luke.A", "Luke.B", "Luke.C"});
    expectExactly(r, "Luke.A", {});
    expectExactly(r, "Luke.B", {});
    expectExactly(r, "Luke.C",
                  {{0, E, "mixes UTF-8 (line 1) and Windows-1252 (lines 2, 3, 4)"},
                   {3, E, "the byte 0x81 in column 11 is neither UTF-8 nor a Windows-1252 character"},
                   // Columns count characters, in the encoding the file is read in.
                   {4, E, "three blanks in a row at column 39"}});
}

TEST(CheckBankLines, AnUnknownNameIsSaidAndAMissingFileNamed) {
    ScratchDir d;
    d.lines("notes.txt", {"x"});
    const Report r = checkBank(d.path(), {"notes.txt", "co.c"});
    expectExactly(r, "notes.txt", {{0, E, "not a file of the bank by its name"}});
    expectExactly(r, "co.c", {{0, E, "not found"}});
}

TEST(CheckSettingsFiles, VerseTableStyleListAndStyles) {
    ScratchDir d;
    writeFaultyBank(d);
    std::vector<std::string> verses;
    for (int c = 1; c <= 26; ++c) verses.push_back(std::to_string(c <= 24 ? lukeVerses(c) : 0));
    verses[2] = "40";
    verses[4] = "x";
    d.lines("Verses.txt", verses);

    std::vector<std::string> list = {"Bad", "", "Bad", "NoSuch", "ThisNameIsTooLong"};
    for (int i = 1; i <= 10; ++i) list.push_back("S" + std::to_string(i));
    d.lines("Specs.lst", list);
    for (int i = 1; i <= 10; ++i) d.lines("S" + std::to_string(i) + ".spe", plainStyle());
    d.lines("ThisNameIsTooLong.spe", plainStyle());

    auto bad = plainStyle();
    bad[11] = "x";  // number of quizzes
    d.lines("Bad.spe", bad);
    auto rules = plainStyle();
    rules[1] = "2 1";  // chapter 2: Luke.A has no questions there
    rules[2] = "2 52";
    rules[4] = "10";  // lines per page, brought into range
    rules[14] = "2";  // total maximum above the kinds' maximums (FTV 1)
    rules[16] = "1";
    rules[24] = "75";  // not a value of the form: no FTV.75
    rules[26] = "20";
    d.lines("Rules.spe", rules);
    // Output names a run refuses before it starts.
    auto up = plainStyle();
    up[line::SPLATE] = "20";
    up[line::NAME4] = "../x";
    d.lines("Up.spe", up);
    auto esc = up;
    esc[line::NAME4] = "a\x1b[2Jb";
    d.lines("Esc.spe", esc);

    const Report r = checkBank(d.path(), {"Verses.txt", "Specs.lst", "Bad.spe", "Rules.spe", "Up.spe", "Esc.spe"});
    expectExactly(r, "Verses.txt",
                  {{3, E, "chapter 3: 40 verses, but Luke 3 has 38: write 38"},
                   {5, E, "chapter 5: the verse count is not a number"},
                   {0, W, "has 26 lines"}});
    expectExactly(r, "Specs.lst",
                  {{2, W, "blank line"},
                   {3, W, "\"Bad\" is listed twice (also on line 1)"},
                   {4, E, "there is no style file NoSuch.spe"},
                   {5, E, "longer than 14 characters"},
                   {15, E, "more than 13 styles"},
                   {0, W, "the last line should be \"Enter New Specs\""}});
    expectExactly(r, "Bad.spe", {{12, E, "number of quizzes is not a number: the run cannot read this style"}});
    expectExactly(r, "Rules.spe",
                  {{5, W, "Lines per page 10 is outside 18-500; 18 is used."},
                   {8, E, "Luke.A holds no regular questions in the style's range 2:1-2:52"},
                   {15, E, "the maximums of the four kinds add up to 1, less than the total maximum 2"},
                   {25, E, "Pct Prim FTV 75 is not a value the form allows"},
                   {25, E, "reads its FTV questions from FTV.75, which is not in the folder"}});
    expectExactly(r, "Up.spe", {{4, E, "the output file name \"../x\" holds a path separator: the run refuses it"}});
    expectExactly(r, "Esc.spe", {{4, E, "the output file name \"a?[2Jb\" holds a control character (shown as ?)"}});
}

TEST(CheckCountFiles, AnOutOfDateCountFileNamesTheVersesThatDiffer) {
    ScratchDir d;
    d.verses();
    const std::vector<std::string> bank = {q(1, 1, "Who?\tA"), q(1, 1, "Whom?\tB"), q(2, 3, "Why?\tC")};
    d.lines("Luke.A", bank);
    d.lines("Luke.B", bank);
    std::vector<std::string> count;
    for (int c = 1; c <= 24; ++c)
        for (int v = 1; v <= 85; ++v)
            count.push_back(std::to_string(c) + " " + std::to_string(v) +
                            (c == 1 && v == 1   ? " 2"
                             : c == 2 && v == 3 ? " 1"
                                                : " 0") +
                            " 0 0 0 0");
    d.lines("count.00B", count);  // up to date
    count[0] = "1 1 1 0 0 0 0";
    count[174] = "3 5 0 0 0 1 0";
    count[99] = "damaged";
    count.pop_back();
    d.lines("count.00A", count);
    auto style = plainStyle();
    style[26] = "20";
    d.lines("Book.spe", style);

    const Report r = checkBank(d.path(), {"Book.spe", "count.00A", "count.00B"});
    expectExactly(
        r, "count.00A",
        {{1, E, "1:1 differs from the bank: Luke.A holds 2 regular questions there, the count file says 1"},
         {100, E, "not the line of verse slot 2:15"},
         {175, E, "3:5 differs from the bank: co.b holds 0 CO reference questions there, the count file says 1"},
         {0, E, "has 2039 lines of 2040"},
         {0, E,
          "out of date: 2 verses differ from the bank files (1:1, 3:5), so a run that reuses it picks "
          "the wrong questions; set \"Reindex\" to Y in the style Book and run it once"}});
    expectExactly(r, "count.00B", {});
}

TEST(CheckCommand, ListsFindingsOnStandardOutputAndSaysWhetherThereAreErrors) {
    ScratchDir d;
    writeFaultyBank(d);
    const auto all = runTessarin("check -C " + d.path().string() + " Luke.A cv.b");
    EXPECT_EQ(all.status, exitstatus::FINDINGS);
    EXPECT_EQ(all.err, "");
    EXPECT_NE(all.out.find("Luke.A:3: error: no chapter in columns 1-2"), std::string::npos) << all.out;
    EXPECT_NE(all.out.find("\nLuke.A:17: warning: the same line as line 16: delete one of them\n"), std::string::npos)
        << all.out;
    EXPECT_NE(all.out.find("Luke.A: 274 lines, 13 errors, 3 warnings\ncv.b: 6 lines, 5 errors\n"
                           "Total: 2 files, 18 errors, 3 warnings."),
              std::string::npos)
        << all.out;
    const auto few = runTessarin("-C " + d.path().string() + " check --max 2 Luke.A cv.b");
    EXPECT_NE(few.out.find("Luke.A:4: error: chapter 25"), std::string::npos) << few.out;
    EXPECT_EQ(few.out.find("Luke.A:5:"), std::string::npos) << few.out;
    EXPECT_NE(few.out.find("... 19 more findings not listed (--max 2)."), std::string::npos) << few.out;
    // The list is in line order, and is cut inside a run of repeated lines.
    const auto runs = runTessarin("-C " + d.path().string() + " check --max 7 Luke.B");
    EXPECT_NE(runs.out.find("Luke.B:5: warning: the same line as line 1: delete one of them\n"
                            "Luke.B:5: error: 1:5 is out of book order: it belongs after line 10 (1:4); move it "
                            "there\nLuke.B:6: warning: the same line as line 2: delete one of them\n"),
              std::string::npos)
        << runs.out;
    EXPECT_NE(runs.out.find("Luke.B:9: warning: the same line as line 8: delete one of them\n"
                            "... 1 more finding not listed (--max 7)."),
              std::string::npos)
        << runs.out;

    // A clean bank is one line; --verbose sums up every file.
    const auto sample = runTessarin("check -C " TESS_SOURCE_DIR "/data/luke");
    EXPECT_EQ(sample.status, exitstatus::OK) << sample.out;
    EXPECT_EQ(sample.out.rfind("Total: ", 0), 0u) << sample.out;
    EXPECT_EQ(std::count(sample.out.begin(), sample.out.end(), '\n'), 1) << sample.out;
    const auto verbose = runTessarin("check --verbose -C " TESS_SOURCE_DIR "/data/luke");
    EXPECT_NE(verbose.out.find("\nLuke.A: "), std::string::npos) << verbose.out;

    // A style name too long for the file system is a style that is not there, not a fault.
    ScratchDir n;
    n.lines("Specs.lst", {std::string(252, 'x'), "Enter New Specs"});
    const auto tooLong = runTessarin("-C " + n.path().string() + " check");
    EXPECT_EQ(tooLong.status, exitstatus::FINDINGS) << tooLong.err;
    EXPECT_NE(tooLong.out.find("Specs.lst:1: error: The style name"), std::string::npos) << tooLong.out;
}

TEST(CheckSampleBank, HasNoFaultAtAll) {
    const Report r = checkBank(TESS_SOURCE_DIR "/data/luke");
    EXPECT_EQ(r.errors() + r.warnings(), 0u);
    for (const auto& f : r.files) EXPECT_TRUE(f.findings.empty()) << f.file << listed(f);
    EXPECT_GE(r.files.size(), 60u);  // every bank file, the verse table, the list and five styles
}
