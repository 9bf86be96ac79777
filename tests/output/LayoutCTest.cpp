#include "output/PacketRig.h"

using namespace tess;
using namespace tess::testing;

namespace {

// "abcd abcd ..." after the FTV type field: blanks fall every 5 positions,
// so each continuation line holds seven words.
std::string ftvOfWords(int words) {
    std::string line = " 1: 1\tA\t";
    for (int i = 0; i < words; ++i) line += i ? " abcd" : "abcd";
    return line;
}

using LayoutC = PacketTest;

}  // namespace

TEST_F(LayoutC, CoverBlockAndCvReferenceKeepTheVerseBlank) {
    p.run.Q2 = 3;
    slot('R', " 3: 5\tCV\tWhat happened? John baptised.");
    const auto l = lines();
    ASSERT_EQ(l.size(), 36u);
    const std::vector<std::string> cover = {
        "", "", "    Berean Style Quizzing", "", "    L 1:1 to L 24:53", "", "    Quiz Number 3"};
    for (std::size_t i = 0; i < 18; ++i) EXPECT_EQ(l[i], i < cover.size() ? cover[i] : "") << "cover line " << i + 1;
    EXPECT_EQ(l[18], "");
    EXPECT_EQ(l[19], "");
    EXPECT_EQ(l[20], "    L  3: 5   CV" + blanks(22) + "Quiz 3");
    EXPECT_EQ(l[23], "      1. Accd. to Luke chapter 3 verse  5, ");
    EXPECT_EQ(l[24], "");
    EXPECT_EQ(l[25], blanks(8) + "What happened? John baptised." + blanks(8));
    for (std::size_t i = 26; i < 36; ++i) EXPECT_EQ(l[i], "");
}

TEST_F(LayoutC, BlocksArePaddedToMultiplesOf18) {
    slot('F', ftvOfWords(84));  // 6 lines + 11 continuation lines = 17
    slot('F', ftvOfWords(91));  // 6 lines + 12 continuation lines = 18
    const auto l = lines();
    ASSERT_EQ(l.size(), 18u + 18u + 36u);
    // First block: heading, first line cut at the last blank before 46.
    EXPECT_EQ(l[20], "    L  1: 1   A" + blanks(23) + "Quiz 1");
    EXPECT_EQ(l[23], "     1. abcd abcd abcd abcd abcd abcd abcd");
    EXPECT_EQ(l[24], blanks(8) + "abcd abcd abcd abcd abcd abcd abcd ");
    EXPECT_EQ(l[18 + 16], blanks(8) + "abcd abcd abcd abcd abcd abcd abcd" + blanks(3));  // 17th line
    EXPECT_EQ(l[18 + 17], "");
    // Second block: its 18th line is text, then 18 empty lines.
    EXPECT_EQ(l[36 + 17], blanks(8) + "abcd abcd abcd abcd abcd abcd abcd" + blanks(3));
    for (std::size_t i = 36 + 18; i < l.size(); ++i) EXPECT_EQ(l[i], "") << i;
}

TEST_F(LayoutC, QuestionMarksEndLinesAndLongBlocksStayOnTheGrid) {
    // Every "ab?" ends its line and adds an empty one: 7 + 15 x 2 = 37 lines
    // of content; the 15-line depth drops the rest.
    std::string q = " 1: 1\t";
    for (int i = 0; i < 20; ++i) q += "ab? ";
    slot('n', q);
    slot('n', " 1: 2\tWho went up?\t^Jesus and the\ttwelve.");  // a caret first on its line
    const auto l = lines();
    ASSERT_EQ(l.size(), 18u + 54u + 18u);
    EXPECT_EQ(l[23], "     1. ab?");
    EXPECT_EQ(l[24], "");
    for (std::size_t i = 0; i < 15; ++i) {
        EXPECT_EQ(l[25 + 2 * i], blanks(8) + "ab? ");
        EXPECT_EQ(l[26 + 2 * i], "");
    }
    EXPECT_EQ(l[55], "");  // no sixteenth continuation line
    const std::size_t b = 72;
    EXPECT_EQ(l[b + 2], "    L  1: 2" + blanks(5) + blanks(24) + "Quiz 1");
    EXPECT_EQ(l[b + 5], "     2. Who went up?");
    EXPECT_EQ(l[b + 6], "");
    EXPECT_EQ(l[b + 7], blanks(8) + "*Jesus and the twelve." + blanks(15));
    EXPECT_EQ(l[b + 8], "");
}

TEST_F(LayoutC, SituationsWithAndWithoutQuotation) {
    slot('S', " 4: 3\tThe devil said to him \"If you are the Son of God, command this stone.\"");
    // No quotation mark: cut like a regular question, nothing lost.
    slot('S', " 4: 8\tJesus answered the devil and spoke of worship and service to God alone");
    p.run.AB = 1;
    const auto l = lines();
    ASSERT_EQ(l.size(), 18u * 3);
    EXPECT_EQ(l[21], "    L  4: 3  SIT" + blanks(24) + "Quiz 1");
    EXPECT_EQ(l[24], "     1. The devil said to him");
    EXPECT_EQ(l[25], "");
    EXPECT_EQ(l[26], blanks(8) + "\"If you are the Son of God, command ");
    EXPECT_EQ(l[27], blanks(8) + "this stone.\"" + blanks(25));
    EXPECT_EQ(l[28], "");
    EXPECT_EQ(l[39], "    L  4: 8  SIT" + blanks(24) + "Quiz 1");
    EXPECT_EQ(l[42], "      . Jesus answered the devil and spoke");  // above AB: no number
    EXPECT_EQ(l[44], blanks(8) + "of worship and service to God alone" + blanks(2));
}

TEST_F(LayoutC, NumbersAboveAbAreBlankInEveryKind) {
    p.run.AB = 0;
    slot('R', " 3:15\tCV\tText.");
    slot('O', "12: 1\tCO\tText.");
    slot('F', "12: 1\tQuot\tHe said");
    slot('n', " 2: 2\tWho?");
    const auto l = lines();
    ASSERT_EQ(l.size(), 18u * 5);
    EXPECT_EQ(l[18 + 5], blanks(7) + ". Accd. to Luke chapter 3 verse 15, ");
    EXPECT_EQ(l[36 + 5], blanks(6) + ". According to Luke chapter 12");
    EXPECT_EQ(l[54 + 2], "    L 12: 1   Quot" + blanks(20) + "Quiz 1");
    EXPECT_EQ(l[54 + 5], blanks(6) + ". Quote Luke Chapter 12 verse 1 ");
    EXPECT_EQ(l[54 + 6], "");
    EXPECT_EQ(l[54 + 7], blanks(8) + "He said" + blanks(30));  // from position 12
    EXPECT_EQ(l[72 + 5], blanks(6) + ". Who?");
}

TEST_F(LayoutC, WordsLongerThanTheLineAreBrokenNotLost) {
    const std::string word(90, 'x');
    slot('n', " 1: 1\t" + word);
    slot('n', " 1: 1\t" + word.substr(0, 36) + " and more");  // the word ends at the scan's limit
    const auto l = lines();
    ASSERT_EQ(l.size(), 54u);
    EXPECT_EQ(l[41], "     2. " + word.substr(0, 36));
    EXPECT_EQ(l[42], blanks(8) + "and more" + blanks(29));
    EXPECT_EQ(l[43], "");
    EXPECT_EQ(l[23], "     1. " + word.substr(0, 36));  // positions 7 to 42
    EXPECT_EQ(l[24], blanks(8) + word.substr(0, 37));
    EXPECT_EQ(l[25], blanks(8) + word.substr(0, 17) + blanks(20));
    EXPECT_EQ(l[26], "");
}

// A first string whose text ends long before its last position is blanks to
// the end; the continuation passes over them to the second string's text.
TEST_F(LayoutC, TheContinuationGoesOnInTheSecondStringPastTheFirstsBlanks) {
    slot('S', " 1: 2\tWho said \"abcd" + blanks(LMAX - 20) + "ijkl\"");
    const auto l = lines();
    ASSERT_EQ(l.size(), 36u);
    EXPECT_EQ(l[24], "     1. Who said");
    EXPECT_EQ(l[26], blanks(8) + "\"abcd" + blanks(32));
    EXPECT_EQ(l[27], blanks(8) + "ijkl\"" + blanks(32));
    // An FTV's first line cut inside such blanks goes on the same way, in
    // the p layout too.
    slot('F', " 1: 2\tFTV\tAnd he" + blanks(LMAX - 16) + "  spake");
    EXPECT_NE(write().find(blanks(8) + "spake"), std::string::npos);
    r.OUT = 'p';
    EXPECT_NE(write().find(blanks(15) + "spake"), std::string::npos);
}
