// Whole runs of random valid styles on the sample bank, for as long as
// SOAK_SECONDS says (tools/soak.sh; skipped when it is unset). Every key is
// Return, which every screen of a run takes; a run that needs more keys than
// any run can is a hang. Every completed run's packet and list files are
// checked for their shape: one header per quiz, one list line per question,
// CR LF line ends, nothing temporary left beside them.
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <regex>

#include "runs/BankRun.h"

using namespace tess;
using namespace tess::testing;

namespace {

constexpr int KEYS_PER_RUN = 2000;  // far more than any run reads

std::vector<std::string> randomStyle(std::mt19937& g) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(g); };
    auto s = bankStyle("New");
    const int bc = pick(1, LUKE_CHAPTERS), ec = pick(bc, std::min(LUKE_CHAPTERS, bc + pick(0, 23)));
    const int bv = pick(1, lukeVerses(bc)), ev = bc == ec ? pick(bv, lukeVerses(ec)) : pick(1, lukeVerses(ec));
    s[line::RANGE_BEGIN] = std::to_string(bc) + " " + std::to_string(bv);
    s[line::RANGE_END] = std::to_string(ec) + " " + std::to_string(ev);
    s[line::NAME4] = "soak";
    s[line::OUT] = std::string(1, "CPT"[pick(0, 2)]);
    const int qmax = pick(5, 30);
    s[line::QMAX] = std::to_string(qmax);
    s[line::IPC] = std::to_string(pick(0, 4) == 0 ? 50 : pick(0, 100));
    s[line::INDX] = "N";
    s[line::QNUM] = std::to_string(pick(1, 12));
    s[line::SEC1] = std::string(1, "CVQ"[pick(0, 2)]);
    const int spmax = pick(0, 4);
    s[line::SPMAX] = std::to_string(spmax);
    s[line::SPMIN] = std::to_string(pick(0, spmax));
    for (std::size_t k = line::FMAX; k <= line::SMIN; k += 2) {
        const int mx = pick(0, 2);
        s[k] = std::to_string(mx);
        s[k + 1] = std::to_string(pick(0, mx));
    }
    const int early = pick(1, std::min(10, qmax));
    s[line::SPEARLY] = std::to_string(early);
    s[line::SPLATE] = std::to_string(pick(early, qmax));
    return s;
}

std::size_t countMatches(const std::string& text, const std::regex& re) {
    return static_cast<std::size_t>(std::distance(std::sregex_iterator(text.begin(), text.end(), re), {}));
}

}  // namespace

TEST(Soak, RandomStylesRunWholeAndEveryOutputHasItsShape) {
    const char* secs = std::getenv("SOAK_SECONDS");
    if (!secs) GTEST_SKIP() << "set SOAK_SECONDS (tools/soak.sh)";
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(secs));
    const unsigned seed = std::getenv("SOAK_SEED") ? static_cast<unsigned>(std::atol(std::getenv("SOAK_SEED"))) : 1;
    std::mt19937 g(seed);
    BankRun bank;  // the folder, copied once; each run gets its own screen and seed
    int runs = 0, completed = 0, restarted = 0;
    long keys = 0;
    while (std::chrono::steady_clock::now() < until) {
        const auto style = randomStyle(g);
        bank.style("Soak", style);
        std::filesystem::remove(bank.dir.file("soak.qui"));
        ScreenConsole con;
        Random rnd{g()};
        ScreenAsk screen(con);
        Program p{rnd, bank.dir.path()};
        p.asker = &screen;
        p.configure = useStoredStyle;
        for (int k = 0; k < KEYS_PER_RUN; ++k) con.enter();
        ++runs;
        std::string styleText;
        for (const auto& l : style) styleText += l + " | ";
        try {
            runOnce(p);
        } catch (const RestartRun&) {
            ++restarted;
            keys += KEYS_PER_RUN - static_cast<long>(con.keysLeft());
            continue;
        } catch (const ScriptExhausted&) {
            FAIL() << "a run read " << KEYS_PER_RUN << " keys: " << styleText << "\n" << con.screenText();
        }
        ++completed;
        keys += KEYS_PER_RUN - static_cast<long>(con.keysLeft());
        const std::string qui = bank.dir.read("soak.qui"), inf = bank.dir.read("soak.inf");
        const auto quizzes = static_cast<std::size_t>(p.run.QZ);
        const char layout = p.run.OUT;
        const std::regex header(layout == 'T' ? "(^|\n|\f)Quiz [0-9]+\t" : "Quiz Number [0-9]+\r\n");
        EXPECT_EQ(countMatches(qui, header), quizzes) << styleText;
        EXPECT_EQ(countMatches(inf, std::regex("Quiz [0-9]+\r\n")), quizzes) << styleText;
        EXPECT_EQ(countMatches(inf, std::regex("\n +[0-9]+\\. +[0-9]+ +[0-9]+ +L +[0-9]+: ?[0-9]+ ")),
                  quizzes * static_cast<std::size_t>(p.run.SECTORS))
            << styleText;
        EXPECT_EQ(countMatches(qui + inf, std::regex("[^\r]\n")), 0u) << styleText;
        for (const auto& e : std::filesystem::directory_iterator(bank.dir.path()))
            ASSERT_NE(e.path().extension(), ".part") << styleText;
        if (::testing::Test::HasFailure()) break;
    }
    std::cout << "soak: " << runs << " runs (" << completed << " completed, " << restarted << " back at the title), "
              << keys << " keys, seed " << seed << ", " << secs << " s\n";
    EXPECT_GT(completed, 0);
}
