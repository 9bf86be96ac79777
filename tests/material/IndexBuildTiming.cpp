// Timing of the index build over a whole-book bank, and of its skip with
// INDX "N". Disabled in the normal run; run it with
//   tessarin_tests --gtest_also_run_disabled_tests --gtest_filter='*IndexBuildTiming*'
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "material/Counts.h"
#include "material/MaterialFixture.h"

using namespace tess;
using namespace tess::testing;

namespace {

// About 2.5 regular questions per verse and a share of each specialty.
int writeWholeBookBank(const TempDir& d) {
    std::vector<std::string> reg, ftv, cv, co, sit;
    const std::string text(90, 'q');
    for (int ch = 1; ch <= 24; ++ch)
        for (int v = 1; v <= bookVerses(ch); ++v) {
            for (int i = 0; i < 2 + v % 2; ++i) reg.push_back(bankLine(ch, v, "Who " + text + "?"));
            ftv.push_back(bankLine(ch, v, text));
            if (v % 2 == 0) cv.push_back(bankLine(ch, v, text));
            if (v % 3 == 0) co.push_back(bankLine(ch, v, text));
            if (v % 4 == 0) sit.push_back(bankLine(ch, v, text + text + text));
        }
    writeLines(d.file("Luke.A"), reg);
    writeLines(d.file("FTV.00"), ftv);
    writeLines(d.file("cv.b"), cv);
    writeLines(d.file("co.b"), co);
    writeLines(d.file("SIT.TXT"), sit);
    return static_cast<int>(reg.size() + ftv.size() + cv.size() + co.size() + sit.size());
}

double medianMs(char indx, const TempDir& d, int rounds) {
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        MaterialProgram m(d.path());
        m.p.run.INDX = indx;
        const auto t0 = std::chrono::steady_clock::now();
        prepareCounts(m.p);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

TEST(IndexBuildTiming, DISABLED_WholeBookBank) {
    TempDir d;
    const int lines = writeWholeBookBank(d);
    const double build = medianMs('Y', d, 21);
    const double skip = medianMs('N', d, 21);
    std::printf("bank lines: %d\nindex build (INDX Y): %.2f ms median of 21\nskip and load (INDX N): %.2f ms median of 21\n",
                lines, build, skip);
    EXPECT_GT(build, 0.0);
}
