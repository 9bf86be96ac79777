#include <gtest/gtest.h>

#include <set>

#include "material/Interrogative.h"
#include "selection/Availability.h"
#include "selection/QuizListing.h"
#include "selection/SelectionRig.h"

using namespace tess;
using namespace tess::testing;

namespace {

// A run ready for generation: `sectors` sectors of `perSector` questions,
// every quiz all regular, automatic approval.
struct Assembly {
    explicit Assembly(int sectors, int perSector, Rig::TextFn text = plainText, std::unique_ptr<Random> rnd = nullptr)
        : rig(std::move(rnd)) {
        rig.bank(std::vector<int>(static_cast<std::size_t>(sectors), perSector), text);
        rig.pattern(std::string(static_cast<std::size_t>(sectors), 'n'));
        rig.openOutputs();
        r.MINQZ = r.MINQZ1 = perSector;
    }
    void quiz(int q) {
        r.Q2 = q;
        CHOOSESPEC(rig.p);
    }
    int interrogativesPlaced() {
        int n = 0;
        for (int x = 1; x <= r.SECTORS; ++x) n += isInterrogative(r.ALL[x].str());
        return n;
    }
    Rig rig;
    RunState& r = rig.r;
};

std::vector<std::string> cycleLines(const std::vector<std::string>& log) {
    std::vector<std::string> out;
    for (const auto& l : log)
        if (l.rfind("Regular Question Repeats begin quiz ", 0) == 0) out.push_back(l);
    return out;
}

}  // namespace

TEST(QuizAssembly, NewRegularCyclesFollowMinqz) {
    {
        Assembly a(4, 5);
        for (int q = 1; q <= 15; ++q) a.quiz(q);
        EXPECT_EQ(a.rig.logLines(), (std::vector<std::string>{"Regular Question Repeats begin quiz 6",
                                                              "Regular Question Repeats begin quiz 10",
                                                              "Regular Question Repeats begin quiz 14"}));
        EXPECT_TRUE(a.rig.con.sawText("  **Out of Regular Questions...Using Repeats beginning quiz 14**"));
    }
    {
        Assembly a(3, 1);
        for (int q = 1; q <= 4; ++q) a.quiz(q);
        EXPECT_EQ(cycleLines(a.rig.logLines()), (std::vector<std::string>{"Regular Question Repeats begin quiz 2",
                                                                          "Regular Question Repeats begin quiz 3",
                                                                          "Regular Question Repeats begin quiz 4"}));
    }
}

TEST(QuizAssembly, AllRegularQuizzesTakeOneQuestionFromEverySectorAndListThem) {
    Assembly a(6, 5);
    for (int q = 1; q <= 5; ++q) {
        a.quiz(q);
        std::set<int> sectors;
        for (int x = 1; x <= 6; ++x) {
            sectors.insert(a.r.RSECTOR[x]);
            const int s = a.r.RSECTOR[x], n = a.r.PNUMBER[x];
            EXPECT_EQ(a.r.ALL[x].str(), bankLine(a.r.BC[s], a.r.BV[s] + n - 1, plainText(s, n)));
            EXPECT_EQ(a.r.RLBK[x], 'L');
        }
        EXPECT_EQ(sectors.size(), 6u) << "quiz " << q;
    }
    // REPEATPCT 0 and five questions a sector: the first cycle never repeats one.
    for (int s = 1; s <= 6; ++s)
        for (int n = 1; n <= 5; ++n) EXPECT_FALSE(flagRef(a.r.REGQUESTION, s, n));

    const auto lines = a.rig.listLines();
    ASSERT_EQ(lines.size(), 5u * LIST_BLOCK_LINES);
    for (int q = 1; q <= 5; ++q) {
        const auto* block = &lines[static_cast<std::size_t>((q - 1) * LIST_BLOCK_LINES)];
        EXPECT_EQ(block[0], listHeader(q));
        EXPECT_EQ(block[0].size(), 73u);
        EXPECT_EQ(block[1], "");
        EXPECT_EQ(block[2].substr(0, 17).substr(0, 5), "   1.");
        for (int i = 8; i < LIST_BLOCK_LINES; ++i) EXPECT_EQ(block[i], "");
    }
}

TEST(QuizAssembly, InterrogativeControlOffAt50) {
    Assembly a(5, 4, askText);
    a.r.IPC = 50;
    for (int s = 1; s <= 5; ++s) setAll(a.r.INT[s], true);
    a.quiz(1);
    EXPECT_EQ(a.interrogativesPlaced(), 5);
    EXPECT_FALSE(a.r.ABAND3);
    EXPECT_EQ(a.r.IPC, 50);
    EXPECT_TRUE(a.rig.logLines().empty());
}

TEST(QuizAssembly, IpcZeroTradesEveryInterrogativeAway) {
    // Half of each sector asks.
    Assembly a(5, 8, [](int s, int n) { return n % 2 ? askText(s, n) : plainText(s, n); });
    a.r.IPC = 0;
    COUNTINT(a.rig.p);
    for (int q = 1; q <= 3; ++q) {
        a.quiz(q);
        EXPECT_EQ(a.r.INUM, 0);
        EXPECT_EQ(a.r.ITOT, 0);
        EXPECT_EQ(a.interrogativesPlaced(), 0) << "quiz " << q;
    }
    EXPECT_FALSE(a.r.ABAND3);
}

TEST(QuizAssembly, SevenRegularPositionsAt33PercentWantTwo) {
    Assembly a(7, 10, [](int s, int n) { return n <= 3 ? askText(s, n) : plainText(s, n); });
    a.r.IPC = 33;
    a.r.REPEATPCT = 100;
    COUNTINT(a.rig.p);
    for (int q = 1; q <= 4; ++q) {
        a.quiz(q);
        EXPECT_EQ(a.r.INUM, 2);
        EXPECT_EQ(a.r.ITOT, 2);
        EXPECT_EQ(a.interrogativesPlaced(), 2) << "quiz " << q;
    }
}

TEST(QuizAssembly, GivesUpAfter5000Trades) {
    for (bool tooMany : {true, false}) {
        SCOPED_TRACE(tooMany);
        auto counting = std::make_unique<CountingRandom>(99);
        CountingRandom* picks = counting.get();
        Assembly a(4, 3, tooMany ? Rig::TextFn(askText) : Rig::TextFn(plainText), std::move(counting));
        a.r.IPC = tooMany ? 0 : 100;
        a.r.REPEATPCT = 100;
        COUNTINT(a.rig.p);
        a.quiz(3);
        EXPECT_EQ(picks->reseeds, 4 + 5000);
        EXPECT_TRUE(a.r.ABAND3);
        EXPECT_EQ(a.r.ABAND, 3);
        EXPECT_EQ(a.r.OLDIPC, tooMany ? 0 : 100);
        EXPECT_EQ(a.r.IPC, 50);
        EXPECT_EQ(a.r.ITOT, a.r.INUM);
        const std::string pct = tooMany ? "0" : "100";
        EXPECT_EQ(a.rig.logLines(),
                  std::vector<std::string>{"Abandoning " + pct + " Percent interrogatives on quiz 3"});
        EXPECT_TRUE(a.rig.con.sawText(tooMany ? "  **Some Sectors are out of Noninterrogative questions**"
                                              : "  **Some Sectors are out of Interrogative questions**"));
        EXPECT_TRUE(a.rig.con.sawText("  **Abandoning " + pct + " Percent interrogatives on quiz 3**"));
        // The quiz is still complete and the next one trades no more.
        EXPECT_EQ(a.rig.listLines().size(), static_cast<std::size_t>(LIST_BLOCK_LINES));
    }
}

TEST(QuizAssembly, ApprovalWaitsForYesOrNoAndEscAbandonsTheQuiz) {
    {
        Assembly a(3, 2);
        a.r.approval = Approval::EachQuiz;
        a.rig.con.keys("xNy");
        a.quiz(1);
        EXPECT_EQ(a.rig.con.keysLeft(), 0u);
        const auto& shots = a.rig.con.snapshots();
        ASSERT_EQ(shots.size(), 3u);
        EXPECT_NE(shots[0].find("  Que Sec Num    Verse  Type  Question"), std::string::npos);
        EXPECT_NE(shots[0].find("  Do you wish to accept this combination (y/n)? "), std::string::npos);
        EXPECT_TRUE(a.rig.con.sawText("  Choosing Regular Questions for Quiz 1"));
        const auto lines = a.rig.listLines();
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(LIST_BLOCK_LINES));  // one header for both attempts
        EXPECT_EQ(lines[0], listHeader(1));
        EXPECT_FALSE(a.r.ALL[1].str().empty());
    }
    {
        Assembly a(3, 2);
        a.r.approval = Approval::EachQuiz;
        a.rig.con.esc();
        a.quiz(2);
        EXPECT_EQ(a.r.ALL[1].str(), " ");
        EXPECT_EQ(a.rig.listLines(), (std::vector<std::string>{listHeader(2), ""}));
    }
}

TEST(QuizAssembly, PositionsSharingASectorKeepTheirOwnQuestion) {
    Assembly a(3, 4);
    auto& r = a.r;
    r.Q2 = 1;
    r.TYP = "nnnR";
    r.SECTORS = 4;  // as after a forced repeat: positions 1 and 2 both drew on sector 2
    r.RSECTOR[1] = r.RSECTOR[2] = 2;
    r.PNUMBER[1] = 1;
    r.PNUMBER[2] = 3;
    r.RSECTOR[3] = 1;
    r.PNUMBER[3] = 4;
    r.SECTORS = 3;
    readRegularTexts(a.rig.p);
    EXPECT_EQ(r.ALL[1].str(), bankLine(1, r.BV[2], plainText(2, 1)));
    EXPECT_EQ(r.ALL[2].str(), bankLine(1, r.BV[2] + 2, plainText(2, 3)));
    EXPECT_EQ(r.ALL[3].str(), bankLine(1, r.BV[1] + 3, plainText(1, 4)));

    // A rejected attempt gives back both specialty questions of one sector.
    r.TYP = "RRn";
    r.SECTOR[1] = r.SECTOR[2] = 3;
    r.PNUMBER[1] = 4;
    r.PNUMBER[2] = 7;
    r.RPS[3] = 0;
    r.REFERENCE[3].assign(51, 0);
    giveBackSpecialties(a.rig.p);
    EXPECT_EQ(r.RPS[3], 2);
    EXPECT_TRUE(flagRef(r.REFERENCE, 3, 4));
    EXPECT_TRUE(flagRef(r.REFERENCE, 3, 7));
    EXPECT_FALSE(flagRef(r.REFERENCE, 3, 5));
    EXPECT_EQ(r.FLAG[3], 1);
}

TEST(QuizAssembly, StaleCountFileIsReportedWhenTheTextsAreRead) {
    Assembly a(3, 4);
    auto lines = *readAllLines(a.rig.p.file("Luke.A"));
    lines.erase(lines.begin() + 3);  // a question of sector 1 deleted after the count
    writeFileAtomic(a.rig.p.file("Luke.A"), lines);
    a.rig.con.enter();
    EXPECT_TRUE(restarts(a.rig.p, [&] { a.quiz(1); }));
    EXPECT_TRUE(a.rig.con.sawText("out of date"));
}

TEST(QuizAssembly, SpecialtyOrderFollowsTheSlackWithItsTieRules) {
    Assembly a(4, 3);
    auto& r = a.r;
    r.PAT[1] = "FSRO";
    for (int s = 1; s <= 4; ++s) r.FPS[s] = r.SPS[s] = r.RPS[s] = r.OPS[s] = 1;
    r.approval = Approval::Automatic;
    a.quiz(1);
    EXPECT_EQ(r.PRIORITY1, 'F');  // all slack 3: F first
    EXPECT_EQ(r.PRIORITY2, 'S');
    r.PAT[2] = "nnnn";
    r.FPS[1] = r.SPS[1] = 0;
    r.FPS[2] = r.SPS[2] = 0;  // F and S slack 2, R and O slack 4
    a.quiz(2);
    EXPECT_EQ(r.PRIORITY1, 'F');
    EXPECT_EQ(r.PRIORITY2, 'S');
    r.FPS[1] = r.SPS[1] = r.FPS[2] = r.SPS[2] = 1;
    r.OPS[1] = r.RPS[1] = 0;  // R and O tie: O comes second
    r.FPS[3] = 0;
    a.quiz(3);
    EXPECT_EQ(r.PRIORITY1, 'F');
    EXPECT_EQ(r.PRIORITY2, 'O');
}

// A full-size run on a synthetic bank: 135 quizzes of 30 regular questions
// from 30 sectors, 40 percent interrogatives (bench/ times the same stage on
// the sample bank).
TEST(QuizAssembly, FullSizeRunDrawsEverySectorAndKeepsTheInterrogativeShare) {
    Rig rig;
    // 90 questions a sector, two in five of them interrogatives.
    rig.bank(
        std::vector<int>(30, 90), [](int s, int n) { return n % 5 < 2 ? askText(s, n) : plainText(s, n); }, 40, 3);
    rig.pattern(std::string(30, 'n'));
    rig.openOutputs();
    auto& r = rig.r;
    r.IPC = 40;
    r.QZ = 135;
    r.MINQZ = r.MINQZ1 = 90;

    COUNTINT(rig.p);
    for (r.Q2 = 1; r.Q2 <= r.QZ; ++r.Q2) {
        CHOOSESPEC(rig.p);
        std::set<int> sectors;
        for (int x = 1; x <= 30; ++x) sectors.insert(r.RSECTOR[x]);
        ASSERT_EQ(sectors.size(), 30u) << "quiz " << r.Q2;
        ASSERT_EQ(r.ITOT, 12) << "quiz " << r.Q2;
    }

    EXPECT_FALSE(r.ABAND3);
    EXPECT_EQ(rig.listLines().size(), 135u * LIST_BLOCK_LINES);
    EXPECT_EQ(rig.logLines(), std::vector<std::string>{"Regular Question Repeats begin quiz 91"});
}
