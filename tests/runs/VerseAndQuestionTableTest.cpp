// The verse-sectored and the question-sectored ready styles on the sample
// bank, to their sector tables: the table accounts for every question of the
// range, of every kind.
#include "runs/BankRun.h"

using namespace tess;
using namespace tess::testing;

namespace {

struct Totals {
    int q = -1, f = -1, r = -1, o = -1, s = -1;
};

// The range totals of the summary lines, as the screen shows them.
Totals summaryOnScreen(const std::string& screen) {
    Totals t;
    const auto at = screen.find("  Regular Questions: ");
    if (at != std::string::npos)
        std::sscanf(screen.c_str() + at, "  Regular Questions: %d   FTV: %d   CV Refs: %d   CO Refs: %d   SIT: %d",
                    &t.q, &t.f, &t.r, &t.o, &t.s);
    return t;
}

void expectTableAddsUp(const std::string& style, const std::vector<TableEntry>& table, const Totals& range,
                       std::size_t sectors) {
    ASSERT_EQ(table.size(), sectors) << style;
    Totals sum{0, 0, 0, 0, 0};
    for (const auto& e : table) {
        sum.q += e.q;
        sum.f += e.f;
        sum.r += e.r;
        sum.o += e.o;
        sum.s += e.sit;
    }
    EXPECT_GT(range.q, 0) << style;
    EXPECT_EQ(sum.q, range.q) << style;
    EXPECT_EQ(sum.f, range.f) << style;
    EXPECT_EQ(sum.r, range.r) << style;
    EXPECT_EQ(sum.o, range.o) << style;
    EXPECT_EQ(sum.s, range.s) << style;
}

}  // namespace

// Book20: the whole book in 20 sectors by verses; Esc at the table restarts.
TEST(SectoredRun, VerseTableAddsUpToTheRange) {
    BankRun b;
    b.useStyle("Book20");
    b.con.enter().enter().esc();  // the pattern review, the count-file notice, Esc at the table
    EXPECT_TRUE(restarts(b.p, [&] { runOnce(b.p); }));
    EXPECT_EQ(b.con.keysLeft(), 0u);
    const std::string& atTable = b.con.snapshots().back();
    const auto table = tableOnScreen(atTable);
    expectTableAddsUp("Book20", table, summaryOnScreen(atTable), 20);
    EXPECT_FALSE(b.p.run.RES);
    ASSERT_FALSE(table.empty());
    EXPECT_EQ(table.front().bc * 100 + table.front().bv, 101);
    EXPECT_EQ(table.back().ec * 100 + table.back().ev, 2453);
    for (std::size_t i = 1; i < table.size(); ++i)  // sectors follow one another
        EXPECT_LT(table[i - 1].ec * 100 + table[i - 1].ev, table[i].bc * 100 + table[i].bv) << i;
}

// Quest30: chapters 9-24 in 30 sectors by questions. The table waits for a
// key without taking it (the approval menu reads it); the script ends there.
TEST(SectoredRun, QuestionTableAddsUpToTheRange) {
    BankRun b;
    b.useStyle("Quest30");
    b.con.enter().enter().enter();  // the pattern review, the count-file notice, the announcement
    EXPECT_THROW(runOnce(b.p), ScriptExhausted);
    EXPECT_TRUE(b.p.run.RES);
    const auto& shots = b.con.snapshots();
    ASSERT_EQ(shots.size(), 3u);
    EXPECT_NE(shots[2].find("The material will be sectored by individual questions."), std::string::npos);
    const std::string atTable = b.con.screenText();
    const auto table = tableOnScreen(atTable);
    const Totals range = summaryOnScreen(atTable);
    expectTableAddsUp("Quest30", table, range, 30);
    // Shares differ by at most one question, the last sector aside.
    for (std::size_t i = 0; i + 1 < table.size(); ++i) {
        EXPECT_GE(table[i].q, range.q / 30) << i + 1;
        EXPECT_LE(table[i].q, range.q / 30 + 1) << i + 1;
    }
    EXPECT_EQ(table.front().bc * 100 + table.front().bv, 901);
    EXPECT_EQ(table.back().ec * 100 + table.back().ev, 2453);
}
