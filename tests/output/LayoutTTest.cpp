#include "output/PacketRig.h"

using namespace tess;
using namespace tess::testing;

namespace {

class LayoutT : public PacketTest {
protected:
    LayoutT() { p.run.OUT = 't'; }
};

}  // namespace

TEST_F(LayoutT, HeaderRowsAndClosingLine) {
    p.run.Q2 = 7;
    p.run.AB = 4;
    slot('O', " 5:12\tCO\tWhat town? Nain.");
    slot('R', " 3:15\tCV\tWhat did John say? I baptize you.");
    slot('F', " 2:10\tB\tAnd he said, Go ye into all the world.");
    slot('F', "12: 1\tQuot\tHe said, Beware ye of the leaven.");
    slot('S', " 4: 3\tThe devil said\tto him *If you are the Son");
    slot('n', " 1: 1\tWho wrote? Luke.   Not part of the answer");
    const auto l = lines();
    const std::vector<std::string> want = {
        "Quiz 7\t\tBerean Style Quizzing\tL 1:1 to L 24:53",
        "",
        "Number\tType\tQuestion\tAnswer\tVerse",
        " 1\tCO\tAccording to Luke Chapter  5,  What town? Nain.\t(L  5:12)",
        " 2\tCV\tAccording to Luke chapter 3 verse 15, What did John say? I baptize you.\t(L  3:15)",
        " 3\tB\tAnd...he...said,...Go...ye...\tinto all the world.\t(L  2:10)",
        " 4\tQuot\tQuote Luke chapter 12 verse 1.\tHe said, Beware ye of the leaven.\t(L 12: 1)",
        "\tSIT\tThe devil said  to him \t*If you are the Son\t(L  4: 3)",  // above AB: no number
        "\t\tWho wrote? Luke.\t(L  1: 1)",
        "<pb>",
    };
    ASSERT_EQ(l.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) EXPECT_EQ(l[i], want[i]) << "line " << i + 1;
}

TEST_F(LayoutT, TextRunsIntoTheSecondStringAndStopsAtTheBuffersEnd) {
    // A situation line filling both strings has no run of three blanks.
    std::string line = " 4: 3\t";
    while (line.size() < 2 * LMAX) line += "ab ";
    line.resize(2 * LMAX);
    slot('S', line);
    const auto l = lines();
    ASSERT_EQ(l.size(), 5u);
    EXPECT_EQ(l[3], " 1\tSIT\t" + line.substr(6) + " \t(L  4: 3)");
}
