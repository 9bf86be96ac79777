#include "output/PacketRig.h"

using namespace tess;
using namespace tess::testing;

namespace {

using Continuation = PacketTest;

// Four-letter words with a blank at every position that is 3 modulo 5, to
// the end of both strings.
std::string wordsToTheEnd() {
    std::string s = "ab";
    while (s.size() < 2 * LMAX) s += " abcd";
    s.resize(2 * LMAX);
    return s;
}

}  // namespace

TEST_F(Continuation, OneWindowCaretAndTab) {
    setBuffer("1234567 9x^y\tz end.");
    const auto l = printRest(PRINTREST, 9);
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0], blanks(15) + "x*y z end." + blanks(45));
    EXPECT_EQ(cur.LINES, 1);
    EXPECT_EQ(cur.A2[13], ' ');  // the TAB is turned into a blank in the buffer
}

TEST_F(Continuation, PrintrestStopsAt253WhileTheOthersGoTo508) {
    setBuffer(wordsToTheEnd());
    auto l = printRest(PRINTREST, 198);
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(cur.MARK1, 253);  // where the last line ended
    EXPECT_EQ(l[0], blanks(15) + wordsToTheEnd().substr(198, 55));

    setBuffer(wordsToTheEnd());
    l = printRest(FPRINTREST, 198);
    ASSERT_EQ(l.size(), 6u);  // lines end at 253, 308, 363, 418, 473, 509
    EXPECT_EQ(l[5], blanks(15) + wordsToTheEnd().substr(473) + " ");

    setBuffer(wordsToTheEnd());
    l = printRest(CPRINTREST, 328);
    ASSERT_EQ(l.size(), 6u);  // lines end at 363, 398, 433, 468, 503, 509
    std::string joined;
    for (const auto& s : l) joined += s.substr(8);
    EXPECT_EQ(joined, wordsToTheEnd().substr(328) + " ");
}

TEST_F(Continuation, NeverASixteenthLine) {
    std::string s;
    while (s.size() < 2 * LMAX - 4) s += "a? ";
    setBuffer(s);
    const auto l = printRest(RPRINTREST, 0);
    ASSERT_EQ(l.size(), 30u);
    for (std::size_t i = 0; i < 30; i += 2) {
        EXPECT_EQ(l[i], blanks(8) + "a? ");
        EXPECT_EQ(l[i + 1], "");
    }
    EXPECT_EQ(cur.X5, 15);
    EXPECT_EQ(cur.LINES, 30);

    setBuffer(std::string(2 * LMAX, 'x'));  // no blank at all: 37 per line
    const auto c = printRest(CPRINTREST, 0);
    EXPECT_EQ(c.size(), 14u);
    std::string joined;
    for (const auto& x : c) joined += x.substr(8);
    EXPECT_EQ(joined, std::string(2 * LMAX, 'x') + " ");  // nothing lost or repeated
}

TEST_F(Continuation, RprintrestBreaksAfterAQuestionMark) {
    setBuffer(" Who went? He did.");
    const auto l = printRest(RPRINTREST, 1);
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0], blanks(8) + "Who went? ");
    EXPECT_EQ(l[1], "");
    EXPECT_EQ(l[2], blanks(8) + "He did." + blanks(30));
    EXPECT_EQ(cur.LINES, 3);

    // A question mark inside a quotation ends the window before the closing
    // quote; the stretch left without a blank is cut there and the text goes on.
    setBuffer(" He asked, \"Who went?\" They did.");
    const auto q = printRest(RPRINTREST, 1);
    ASSERT_EQ(q.size(), 3u);
    EXPECT_EQ(q[0], blanks(8) + "He asked, \"Who ");
    EXPECT_EQ(q[1], blanks(8) + "went?\" ");
    EXPECT_EQ(q[2], blanks(8) + "They did." + blanks(28));
}

TEST_F(Continuation, TwoBlanksAtTheWindowsEndDoNotEndTheText) {
    std::string s;
    for (int i = 0; i < 10; ++i) s += "word ";
    s += "abcd  tail end.";  // the window ends on the first of the two blanks
    setBuffer(s);
    const auto l = printRest(PRINTREST, 0);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0], blanks(15) + s.substr(0, 55));
    EXPECT_EQ(l[1].substr(0, 24), blanks(15) + "tail end.");
}
