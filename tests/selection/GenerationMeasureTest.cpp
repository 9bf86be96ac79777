// Generation time of a full-size run on a synthetic bank: 135 quizzes of 30
// regular questions from 30 sectors, 40 percent interrogatives.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <set>

#include "material/Interrogative.h"
#include "selection/QuizListing.h"
#include "selection/SelectionRig.h"

using namespace tess;
using namespace tess::testing;

TEST(GenerationMeasure, Synthetic135Quizzes30SectorsIpc40) {
    Rig rig;
    // 90 questions a sector, two in five of them interrogatives.
    rig.bank(std::vector<int>(30, 90), [](int s, int n) { return n % 5 < 2 ? askText(s, n) : plainText(s, n); }, 40, 3);
    rig.pattern(std::string(30, 'n'));
    rig.openOutputs();
    auto& r = rig.run();
    r.IPC = 40;
    r.QZ = 135;
    r.MINQZ = r.MINQZ1 = 90;

    const auto start = std::chrono::steady_clock::now();
    COUNTINT(rig.p);
    for (r.Q2 = 1; r.Q2 <= r.QZ; ++r.Q2) {
        CHOOSESPEC(rig.p);
        std::set<int> sectors;
        for (int x = 1; x <= 30; ++x) sectors.insert(r.RSECTOR[x]);
        ASSERT_EQ(sectors.size(), 30u) << "quiz " << r.Q2;
        ASSERT_EQ(r.ITOT, 12) << "quiz " << r.Q2;
    }
    const auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::cout << "[ MEASURED ] 135 quizzes x 30 regular questions, IPC 40: " << ms << " ms\n";

    EXPECT_FALSE(r.ABAND3);
    EXPECT_EQ(rig.listLines().size(), 135u * LIST_BLOCK_LINES);
    EXPECT_EQ(rig.logLines(), std::vector<std::string>{"Regular Question Repeats begin quiz 91"});
}
