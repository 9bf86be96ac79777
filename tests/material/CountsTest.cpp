#include <gtest/gtest.h>

#include "material/BankFile.h"
#include "material/CountFile.h"
#include "material/Counts.h"
#include "material/MaterialRig.h"

using namespace tess;
using namespace tess::testing;

namespace {

// One file of each kind; the regular file has " 9" and "09" in the same slot.
void writeSmallBank(const ScratchDir& d) {
    d.lines("Luke.A",
            {bankLine(1, 1), bankLine(1, 1), bankLine(1, 80), " 9: 3\tA?", "09: 3\tB?", " 9: 5\tC?", bankLine(24, 53)});
    d.lines("FTV.00", {bankLine(9, 3, "Then he"), bankLine(12, 1, "And")});
    d.lines("cv.b", {bankLine(2, 4, "ref")});
    d.lines("co.b", {bankLine(2, 4, "co"), bankLine(2, 4, "co")});
    d.lines("SIT.TXT", {bankLine(22, 71, "sit")});
}

}  // namespace

TEST(IndexBuild, CountsEverySlotAndWritesTheCountFile) {
    ScratchDir d;
    writeSmallBank(d);
    MaterialProgram m(d);
    auto& r = m.p.run;
    prepareCounts(m.p);

    EXPECT_NE(m.con.rowText(3).find("Sectoring material..."), std::string::npos);
    EXPECT_EQ(r.QCOUNT(9, 3), 2);  // " 9" and "09" are the same chapter
    EXPECT_EQ(r.QCOUNT(9, 5), 1);
    EXPECT_EQ(r.QCOUNT(9, 4), 0);
    EXPECT_EQ(r.QCOUNT(1, 1), 2);
    EXPECT_EQ(r.QCOUNT(1, 81), 0);  // past the chapter's last verse
    EXPECT_EQ(r.FCOUNT(9, 3), 1);
    EXPECT_EQ(r.RCOUNT(2, 4), 1);
    EXPECT_EQ(r.OCOUNT(2, 4), 2);
    EXPECT_EQ(r.SCOUNT(22, 71), 1);
    EXPECT_EQ(r.QCOUNT(2, 4), 0);

    const auto lines = d.readLines("count.00A");
    ASSERT_EQ(lines.size(), 2040u);
    EXPECT_EQ(lines[0], "1 1 2 0 0 0 0");
    EXPECT_EQ(lines[(9 - 1) * 85 + 3 - 1], "9 3 2 1 0 0 0");
    EXPECT_EQ(lines[(2 - 1) * 85 + 4 - 1], "2 4 0 0 1 2 0");
    EXPECT_EQ(lines[2039], "24 85 0 0 0 0 0");
    EXPECT_EQ(r.countFound, d.file("count.00A"));
}

TEST(IndexBuild, CountFileRoundTripsAndIndxNSkipsTheBuild) {
    ScratchDir d;
    writeSmallBank(d);
    std::vector<std::string> many(300, bankLine(3, 7));  // more than a byte holds
    d.lines("Luke.A", many);
    MaterialProgram m(d);
    auto& r = m.p.run;
    prepareCounts(m.p);
    EXPECT_EQ(r.QCOUNT(3, 7), 300);
    const Counts built = r.QCOUNT;

    // Changing the bank does not matter with INDX "N": the file is loaded.
    d.lines("Luke.A", {bankLine(1, 1)});
    MaterialProgram again(d);
    again.p.run.INDX = 'N';
    prepareCounts(again.p);
    EXPECT_EQ(again.p.run.QCOUNT(3, 7), 300);
    EXPECT_EQ(again.p.run.OCOUNT(2, 4), 2);
    for (int ch = 1; ch <= LUKE_CHAPTERS; ++ch)
        for (int v = 1; v <= VMAX; ++v) ASSERT_EQ(again.p.run.QCOUNT(ch, v), built(ch, v));
}

TEST(IndexBuild, DamagedOrMissingCountFileIsRebuiltWithINDXN) {
    ScratchDir d;
    writeSmallBank(d);
    struct Case {
        std::vector<std::string> file;
        const char* said;
    };
    std::vector<std::string> bad(2040, "1 1 0 0 0 0 0");
    for (int i = 0; i < 2040; ++i)
        bad[i] = std::to_string(i / 85 + 1) + " " + std::to_string(i % 85 + 1) + " 0 0 0 0 0";
    bad[100] = "2 16 0 x 0 0 0";
    const std::vector<std::string> shortFile(bad.begin(), bad.begin() + 50);
    for (const auto& c : {Case{shortFile, "is short (50 of 2040 lines): it is built anew."},
                          Case{bad, "has a bad line 101: it is built anew."}, Case{{}, "was not found"}}) {
        SCOPED_TRACE(c.said);
        if (c.file.empty())
            std::filesystem::remove(d.file("count.00A"));
        else
            d.lines("count.00A", c.file);
        MaterialProgram m(d);
        m.p.run.INDX = 'N';
        m.con.enter();
        prepareCounts(m.p);
        EXPECT_TRUE(m.con.sawText(c.said));
        EXPECT_TRUE(m.con.sawText("  Creating index of questions..."));
        EXPECT_EQ(m.p.run.QCOUNT(9, 3), 2);
        EXPECT_EQ(d.readLines("count.00A").size(), 2040u);
    }
}

TEST(IndexBuild, CountFileIsFoundAlongPath) {
    ScratchDir work, other;
    writeSmallBank(other);
    MaterialProgram builder(other);
    prepareCounts(builder.p);  // count.00A now in `other` only

    const char* old = std::getenv("Path");
    const std::string saved = old ? old : "";
    ::setenv("Path", ("/no/such/dir::" + other.path().string()).c_str(), 1);
    MaterialProgram m(work);
    m.p.run.INDX = 'N';
    EXPECT_EQ(findCountFile(m.p), other.file("count.00A"));
    prepareCounts(m.p);
    if (old)
        ::setenv("Path", saved.c_str(), 1);
    else
        ::unsetenv("Path");
    EXPECT_EQ(m.p.run.countFound, other.file("count.00A"));
    EXPECT_EQ(m.p.run.QCOUNT(9, 3), 2);
    EXPECT_FALSE(std::filesystem::exists(work.file("count.00A")));  // nothing was built
}

TEST(IndexBuild, SkippedLinesAreReportedAndNotCounted) {
    ScratchDir d;
    writeSmallBank(d);
    d.lines("Luke.A", {bankLine(1, 1), bankLine(25, 1), bankLine(1, 2), bankLine(1, 81), "", "7", bankLine(7, 3)});
    std::filesystem::remove(d.file("SIT.TXT"));
    MaterialProgram m(d);
    m.p.run.LG = 'L';  // chapter 7 is left out of the L material
    m.con.enter();
    prepareCounts(m.p);
    EXPECT_TRUE(m.con.sawText("  Luke.A: 5 lines not counted (line 2, 4, 5, 6, 7)"));
    EXPECT_TRUE(m.con.sawText("    line 2: chapter 25 is not in the book"));
    EXPECT_TRUE(m.con.sawText("    Run tessarin check for the full list."));
    EXPECT_TRUE(m.con.sawText("  SIT.TXT not found: it counts as empty."));
    EXPECT_EQ(m.p.run.QCOUNT(1, 1), 1);
    EXPECT_EQ(m.p.run.QCOUNT(1, 2), 1);
    EXPECT_EQ(m.p.run.QCOUNT(7, 3), 0);
    EXPECT_EQ(m.con.keysLeft(), 0u);
}

TEST(IndexBuild, BadFilesGoBackToTheTitleAndKeepTheOldCountFile) {
    ScratchDir d;
    writeSmallBank(d);
    d.lines("count.00A", {"old"});
    {
        d.lines("cv.b", {bankLine(3, 1), bankLine(2, 9), bankLine(2, 8)});
        MaterialProgram m(d);
        m.con.enter();
        EXPECT_TRUE(restarts(m.p, [&] { prepareCounts(m.p); }));
        EXPECT_TRUE(m.con.sawText("The lines of cv.b are not in chapter and verse order: line 2 (2:9)"));
        EXPECT_EQ(d.readLines("count.00A"), std::vector<std::string>{"old"});
    }
    {
        std::filesystem::remove(d.file("Luke.A"));
        MaterialProgram m(d);
        m.con.enter();
        EXPECT_TRUE(restarts(m.p, [&] { prepareCounts(m.p); }));
        EXPECT_TRUE(m.con.sawText("The question file Luke.A was not found in the working directory"));
        EXPECT_EQ(d.readLines("count.00A"), std::vector<std::string>{"old"});
    }
}

TEST(RangeTotals, BeforeAndInsideTheRange) {
    MaterialProgram m;
    auto& r = m.p.run;
    r.QCOUNT(1, 5) = 2;
    r.QCOUNT(1, 6) = 3;
    r.QCOUNT(2, 1) = 4;
    r.QCOUNT(2, 10) = 1;
    r.QCOUNT(3, 2) = 7;
    r.FCOUNT(1, 5) = 1;
    r.FCOUNT(2, 52) = 2;
    r.SCOUNT(1, 85) = 1;
    r.OCOUNT(2, 11) = 5;
    r.RCOUNT(2, 10) = 6;

    m.range(1, 6, 2, 10);
    countRange(m.p);
    EXPECT_EQ(r.BEFORE, 2);
    EXPECT_EQ(r.FBEFORE, 1);
    EXPECT_EQ(r.TQUEST, 8);
    EXPECT_EQ(r.SQUEST, 1);
    EXPECT_EQ(r.RQUEST, 6);
    EXPECT_EQ(r.OQUEST, 0);
    EXPECT_EQ(r.FQUEST, 0);

    m.range(2, 2, 2, 10);  // inside one chapter
    countRange(m.p);
    EXPECT_EQ(r.BEFORE, 9);
    EXPECT_EQ(r.FBEFORE, 1);
    EXPECT_EQ(r.SBEFORE, 1);
    EXPECT_EQ(r.TQUEST, 1);
    EXPECT_EQ(r.RQUEST, 6);
    EXPECT_EQ(r.OQUEST, 0);
}

TEST(SectorCounts, SlotAddsTheKindsAskedFor) {
    MaterialProgram m;
    auto& r = m.p.run;
    r.QCOUNT(4, 2) = 3;
    r.FCOUNT(4, 2) = 1;
    r.RCOUNT(4, 2) = 2;
    r.OCOUNT(4, 2) = 4;
    r.SCOUNT(4, 2) = 5;
    countSlot(r, SPECIALTIES, 4, 2, 6);
    EXPECT_EQ(r.QPS[6], 0);
    EXPECT_EQ(r.FPS[6] + r.RPS[6] + r.OPS[6] + r.SPS[6], 12);
    countSlot(r, KINDS, 4, 2, 7);
    EXPECT_EQ(r.QPS[7], 3);
    EXPECT_EQ(r.SPS[7], 5);
    EXPECT_EQ(r.OPS[7], 4);
}

TEST(RangeTotals, SummaryLinesAndSpecialtyCoverage) {
    MaterialProgram m;
    auto& r = m.p.run;
    r.TQUEST = 120;
    r.FQUEST = 33;
    r.RQUEST = 7;
    r.OQUEST = 0;
    r.SQUEST = 9;
    r.FBEFORE = 17;
    r.FMAX = 2;
    r.RMAX = 3;
    r.SMAX = 0;
    r.SQUIZ = 99;  // a maximum of 0 leaves the coverage as it was
    m.con.gotoXY(1, 3);
    rangeSummary(m.p);
    EXPECT_EQ(m.con.rowText(3).substr(0, 53), "  A quiz will contain one question from each sector. ");
    EXPECT_EQ(m.con.rowText(4).substr(0, 70),
              std::string("  Regular Questions: 120   FTV: 33   CV Refs: 7   CO Refs: 0   SIT: 9")
                  .append(10, ' ')
                  .substr(0, 70));
    EXPECT_EQ(r.FQUIZ, 13);  // ((4 * 33) div 2) div 5
    EXPECT_EQ(r.RQUIZ, 2);
    EXPECT_EQ(r.SQUIZ, 99);
    EXPECT_EQ(r.TEMPF, 17);
}

TEST(IndexBuild, AVerseWithMoreQuestionsThanACountHoldsIsNamedWithTheLimit) {
    ScratchDir d;
    writeSmallBank(d);
    d.lines("count.00A", {"old"});
    d.lines("cv.b", std::vector<std::string>(65536, bankLine(2, 3)));
    MaterialProgram m(d);
    m.con.enter();
    EXPECT_TRUE(restarts(m.p, [&] { prepareCounts(m.p); }));
    EXPECT_TRUE(
        m.con.sawMessage("The question file cv.b has more than 65535 questions for 2:3 (line 65536); a verse "
                         "can have at most 65535. The index was not built; the count file is unchanged."));
    EXPECT_EQ(d.read("count.00A"), "old\r\n");
}
