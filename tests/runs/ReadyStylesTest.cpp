// The ready styles of the sample bank, sectored by the program itself: each
// runs without a repeat or refresh warning and within the flag tables.
#include "data/BankCheck.h"
#include "material/Counts.h"
#include "runs/BankRun.h"

using namespace tess;
using namespace tess::testing;

namespace {

std::vector<std::string> readyStyles() {
    auto names = bankcheck::readCrLfLines(BANK + "Specs.lst", nullptr);
    if (!names.empty() && names.back() == "Enter New Specs") names.pop_back();
    return names;
}

}  // namespace

TEST(ReadyStyles, SectoredByTheProgramTheyNeedNoRepeats) {
    const auto names = readyStyles();
    ASSERT_EQ(names.size(), 4u);
    for (const auto& name : names) {
        BankRun b;
        b.useStyle(name);
        RunState& r = b.p.run;
        readRunFiles(b.p);
        r.SECTORS = r.QMAX;
        // Keys: the notice that the count file is built (no count file ships);
        // then per sectoring: the shares as dealt and a key at the table (C),
        // the announcement and the key the table waits for (Q), a key at the
        // table (V).
        b.con.enter();
        if (b.p.shared.SEC1 == 'C')
            b.con.enter().keys("x");
        else if (b.p.shared.SEC1 == 'Q')
            b.con.enter().keys("x");
        else
            b.con.keys("x");
        prepareCounts(b.p);
        countRange(b.p);
        ASSERT_GE(r.TQUEST, r.SECTORS) << name;
        rangeSummary(b.p);
        sectorRange(b.p);
        EXPECT_EQ(b.con.keysLeft(), b.p.shared.SEC1 == 'Q' ? 1u : 0u) << name;  // Q leaves its key for the menu
        EXPECT_FALSE(b.con.sawText("Regular question repeats")) << name;
        EXPECT_FALSE(b.con.sawText("The material will be sectored by individual questions.") && b.p.shared.SEC1 != 'Q')
            << name << ": verse sectoring found no layout";

        EXPECT_GE(r.MINQZ, 12) << name;
        EXPECT_LE(r.QNUM, r.MINQZ) << name;
        // Each specialty's material lasts the run at its maximum per quiz.
        if (r.FMAX > 0) {
            EXPECT_LE(r.QNUM, r.FQUIZ) << name << " FTV";
        }
        if (r.RMAX > 0) {
            EXPECT_LE(r.QNUM, r.RQUIZ) << name << " CV references";
        }
        if (r.OMAX > 0) {
            EXPECT_LE(r.QNUM, r.OQUIZ) << name << " CO references";
        }
        if (r.SMAX > 0) {
            EXPECT_LE(r.QNUM, r.SQUIZ) << name << " situations";
        }
        int sum = 0;
        for (int s = 1; s <= r.SECTORS; ++s) {
            sum += r.QPS[s];
            EXPECT_LE(r.QPS[s], REGXX) << name << " sector " << s;
            for (int n : {r.FPS[s], r.RPS[s], r.OPS[s], r.SPS[s]}) EXPECT_LE(n, SPXX) << name << " sector " << s;
        }
        EXPECT_EQ(sum, r.TQUEST) << name;
        if (b.p.shared.SEC1 == 'Q') {
            for (int ch = r.BCHAP; ch <= r.ECHAP; ++ch)
                for (int v = ch == r.BCHAP ? r.BVER : 1; v <= (ch == r.ECHAP ? r.EVER : r.EVS[ch]); ++v)
                    EXPECT_GT(r.QCOUNT(ch, v), 0) << name << ": no regular question at " << ch << ":" << v;
        }
    }
}
