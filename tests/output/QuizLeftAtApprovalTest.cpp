// A quiz left with Esc at the approval prompt keeps its specialty questions
// but its regular positions hold blank texts and no book letter.
#include "output/PacketRig.h"

using namespace tess;
using namespace tess::testing;

namespace {

class QuizLeftAtApproval : public PacketTest {
protected:
    QuizLeftAtApproval() {
        slot('n', "");
        slot('R', " 3:15\tCV\tWhat did John say? I baptize you.");
        slot('n', "");
        slot('S', " 4: 3\tThe devil said \"If\"");
        for (int x : {1, 3}) {
            p.run.ALL[x] = blanks(LMAX);
            p.run.RLBK[x] = '\0';
        }
    }
    void expectPlainText(const std::string& file) {
        for (char c : file)
            EXPECT_TRUE(c == '\r' || c == '\n' || c == '\t' || c == '\f' || (c >= ' ' && c < 127)) << int(c);
    }
};

}  // namespace

TEST_F(QuizLeftAtApproval, CLayoutKeepsEveryBlockAt18Lines) {
    const std::string file = write();
    expectPlainText(file);
    const auto l = splitLines(file);
    ASSERT_EQ(l.size(), 18u * 5);
    EXPECT_EQ(l[18 + 2], blanks(6 + 5 + 5) + blanks(24) + "Quiz 1");
    EXPECT_EQ(l[18 + 5], "     1. " + blanks(35));
    for (std::size_t i = 18 + 6; i < 36; ++i) EXPECT_EQ(l[i], "");
    EXPECT_EQ(l[36 + 5], "      2. Accd. to Luke chapter 3 verse 15, ");
}

TEST_F(QuizLeftAtApproval, PLayoutFirstLinesStay78Columns) {
    p.run.OUT = 'p';
    const std::string file = write();
    expectPlainText(file);
    const auto l = splitLines(file);
    ASSERT_EQ(l.size(), 5u + 2 + 3 + 2 + 3 + 1);
    EXPECT_EQ(l[6], blanks(6) + " 1. " + blanks(61) + blanks(4) + ":  ");
    EXPECT_EQ(l[11], blanks(6) + " 3. " + blanks(61) + blanks(4) + ":  ");
    for (std::size_t i : {6u, 8u, 11u, 13u}) EXPECT_EQ(l[i].size(), 78u) << i;
    EXPECT_EQ(l.back(), "\f");
}

TEST_F(QuizLeftAtApproval, TLayoutRowsStayWellFormed) {
    p.run.OUT = 't';
    const std::string file = write();
    expectPlainText(file);
    const auto l = splitLines(file);
    ASSERT_EQ(l.size(), 8u);
    EXPECT_EQ(l[3], " 1\t\t\t(       )");
    EXPECT_EQ(l[5], " 3\t\t\t(       )");
    EXPECT_EQ(l[7], "<pb>");
}
