// An all-regular, chapter-sectored run of the sample bank generated
// automatically, with fewer questions per sector than quizzes: the list file
// shows where every question came from, and when regular questions repeat.
#include <map>
#include <set>

#include "data/BankCheck.h"
#include "runs/BankRun.h"

using namespace tess;
using namespace tess::testing;

namespace {

struct Listed {
    int pos = 0, sector = 0, number = 0, ch = 0, v = 0;
    std::string text;
};

Listed parseListed(const std::string& l) {
    Listed e;
    std::sscanf(l.c_str(), "%d.%d%d", &e.pos, &e.sector, &e.number);
    if (l.size() > 21) std::sscanf(l.c_str() + 17, "%d:%d", &e.ch, &e.v);
    if (l.size() > 30) e.text = l.substr(30);
    return e;
}

}  // namespace

// Chapter 1 in 16 sectors of five verses: a few regular questions each, so
// twelve quizzes run through several cycles.
TEST(RegularRun, ListFileOfAChapterSectoredRun) {
    BankRun b;
    auto s = allRegular(bankStyle("Ch1to8"));
    s[line::RANGE_END] = "1 80";
    s[line::NAME4] = "regrun";
    s[line::INDX] = "Y";
    s[line::QNUM] = "12";
    b.style("Reg", s);
    // Review; shares as dealt; a key at the table; "n" to the resector offer
    // and Return; the approval menu's first choice (automatic); the pause
    // after the generation messages; the closing screen.
    b.con.enter().enter().keys("x").keys("n").enter().enter().enter().enter();
    runOnce(b.p);
    EXPECT_EQ(b.con.keysLeft(), 0u);
    const RunState& r = b.p.run;
    const int m = r.MINQZ1;
    ASSERT_EQ(r.SECTORS, 16);
    ASSERT_GT(m, 1);
    ASSERT_LT(m, 12);  // below QNUM: repeats come within the run
    EXPECT_TRUE(b.con.sawText("Regular question repeats will begin after quiz " + std::to_string(m)));

    const auto inf = b.fileLines("regrun.inf");
    const auto bank = bankcheck::readCrLfLines(BANK + "Luke.B", nullptr);
    ASSERT_GE(inf.size(), 12u * 33u);
    std::set<std::pair<int, int>> usedInCycle;
    // Cycles start at m + 1, then every m - 1 quizzes.
    std::vector<int> cycles;
    for (int q = 1, last = m; q <= 12; ++q)
        if (q > last) {
            cycles.push_back(q);
            last += m - 1;
        }
    ASSERT_GE(cycles.size(), 2u);
    for (int q = 1; q <= 12; ++q) {
        const std::size_t at = static_cast<std::size_t>(q - 1) * 33;
        EXPECT_EQ(inf[at].size(), 73u);
        EXPECT_EQ(inf[at].substr(inf[at].size() - 5 - std::to_string(q).size()), "Quiz " + std::to_string(q));
        if (std::count(cycles.begin(), cycles.end(), q)) usedInCycle.clear();
        std::set<int> sectors;
        for (int x = 1; x <= 16; ++x) {
            const Listed e = parseListed(inf[at + 1 + static_cast<std::size_t>(x)]);
            const std::string where = "quiz " + std::to_string(q) + " position " + std::to_string(x);
            EXPECT_EQ(e.pos, x) << where;
            ASSERT_TRUE(e.sector >= 1 && e.sector <= 16) << where;
            EXPECT_TRUE(sectors.insert(e.sector).second) << where << ": sector " << e.sector << " twice";
            EXPECT_TRUE(usedInCycle.insert({e.sector, e.number}).second) << where << ": repeated within a cycle";
            const int s1 = e.sector;
            const int inside = e.ch * 100 + e.v;
            EXPECT_GE(inside, r.BC[s1] * 100 + r.BV[s1]) << where;
            EXPECT_LE(inside, r.EC[s1] * 100 + r.EV[s1]) << where;
            // The listed text is the number-th question of its sector in the bank.
            ASSERT_TRUE(e.number >= 1 && e.number <= r.TQPS[s1]) << where;
            int lineNo = e.number;
            for (int k = 1; k < s1; ++k) lineNo += r.TQPS[k];
            const std::string& src = bank[static_cast<std::size_t>(lineNo - 1)];
            EXPECT_EQ(src.substr(0, 5), inf[at + 1 + static_cast<std::size_t>(x)].substr(17, 5)) << where;
            const std::string question = src.substr(6, std::min<std::size_t>(20, src.find('\t', 6) - 6));
            EXPECT_EQ(e.text.substr(0, question.size()), question) << where;
        }
    }
    // The run log follows the blocks, a cycle line exactly where one began.
    const std::vector<std::string> log(inf.begin() + 12 * 33, inf.end());
    EXPECT_EQ(log, b.fileLines("temp.txt"));
    std::vector<int> logged;
    for (const auto& l : log) {
        int q = 0;
        if (std::sscanf(l.c_str(), "Regular Question Repeats begin quiz %d", &q) == 1) logged.push_back(q);
    }
    EXPECT_EQ(logged, cycles);
    for (int q : cycles)
        EXPECT_TRUE(
            b.con.sawText("**Out of Regular Questions...Using Repeats beginning quiz " + std::to_string(q) + "**"))
            << q;
    EXPECT_FALSE(b.con.sawText("Using Repeats beginning quiz " + std::to_string(cycles.front() - 1) + "**"));
}
