#include "output/PacketRig.h"

using namespace tess;
using namespace tess::testing;

namespace {

class LayoutP : public PacketTest {
protected:
    LayoutP() { p.run.OUT = 'p'; }
    void shortQuestions(int n) {
        p.run.AB = 30;
        for (int i = 0; i < n; ++i) slot('n', " 1: 1\tWho?");
    }
    void restart() {
        p.run.SECTORS = 0;
        pattern.clear();
    }
    static std::string pageLine(int page, int quiz) {
        return "\fPage " + std::to_string(page) + (quiz < 10 ? " " : "") + blanks(65) + "Quiz " + std::to_string(quiz);
    }
};

const std::string rule(78, '_');

}  // namespace

TEST_F(LayoutP, HeadingIs78ColumnsWithTheNameCentred) {
    p.run.NAME = "Thirteen Char";
    p.run.Q2 = 9;
    auto l = lines();
    ASSERT_GE(l.size(), 5u);
    EXPECT_EQ(l[0], "L 1:1 to L 24:53" + blanks(2 + 7) + "Thirteen Char Style Quizzing " + blanks(2 + 6) +
                        "   Quiz Number 9");
    EXPECT_EQ(l[1], rule);
    EXPECT_EQ(l[2], "");
    EXPECT_EQ(l[3], "Type      Question" + blanks(55) + "Verse");
    EXPECT_EQ(l[4], rule);
    EXPECT_EQ(l[5], "\f");

    p.run.BCHAP = 12;
    p.run.BVER = 40;
    p.run.ECHAP = 13;
    p.run.EVER = 9;
    for (int quiz : {9, 10, 99, 100}) {
        std::size_t column = 0;
        for (const char* name : {"Thirteen Char", "Fourteen Chars"}) {
            p.run.NAME = name;
            p.run.Q2 = quiz;
            l = lines();
            const std::string& h = l[0];
            EXPECT_EQ(h.size(), 78u) << name << " " << quiz;
            const std::string tail = "Quiz Number " + std::to_string(quiz);
            EXPECT_EQ(h.substr(h.size() - tail.size()), tail);
            const std::size_t at = h.find(name);
            EXPECT_EQ(at + std::string(name).size() / 2, 31u) << "centre of " << name;
            if (column == 0) column = h.find("Quiz Number");
            EXPECT_EQ(h.find("Quiz Number"), column) << name << " " << quiz;
        }
    }
}

TEST_F(LayoutP, FirstLinesOfEveryKindEndWithTheVerseColumn) {
    slot('R', " 3: 5\tCV\tWhat happened? John baptised.");
    slot('O', "12: 1\tCO\tWhere? Nain.");
    slot('S', " 4: 3\tThe devil said to him \"If you are the Son of God, command this stone.\"");
    slot('F', " 2:10\tB\tAnd he said, Go ye into all the world.");
    slot('n', " 1: 2\tWho went up? Jesus and the twelve.");
    p.run.AB = 4;
    const auto l = lines();
    const std::vector<std::string> want = {
        "",
        "CV     1. According to Luke chapter 3 verse 5, " + blanks(24) + "L  3: 5",
        blanks(15) + "What happened? John baptised." + blanks(26),
        "",
        "CO     2. According to Luke chapter 12, " + blanks(31) + "L 12: 1",
        blanks(15) + "Where? Nain." + blanks(43),
        "",
        "SIT    3. The devil said to him," + blanks(39) + "L  4: 3",
        blanks(15) + "\"If you are the Son of God, command this stone.\"" + blanks(7),
        "",
        "B      4. And...he...said...Go...ye..." + blanks(33) + "L  2:10",
        blanks(15) + "into all the world." + blanks(36),
        "",
        "        . Who went up?" + blanks(49) + "L  1: 2",  // above AB
        blanks(15) + "Jesus and the twelve." + blanks(34),
        "\f",
    };
    ASSERT_EQ(l.size(), 5 + want.size());
    for (std::size_t i = 0; i < want.size(); ++i) EXPECT_EQ(l[5 + i], want[i]) << "line " << 6 + i;
}

TEST_F(LayoutP, PageBreaksAt51OnlyBeforeFtvOrSit) {
    // The heading leaves 7 lines; each short question takes 2: after 22, 51.
    shortQuestions(22);
    slot('S', " 4: 3\tThey said \"Who?\"");
    auto l = lines();
    EXPECT_EQ(l[48], "      22. Who?" + blanks(57) + "L  1: 1");
    EXPECT_EQ(l[49], pageLine(2, 1));
    EXPECT_EQ(l[50], rule);
    EXPECT_EQ(l[51], "");
    EXPECT_EQ(l[52].substr(0, 20), "SIT   23. They said,");

    restart();
    shortQuestions(23);
    l = lines();
    EXPECT_EQ(l[49], "");  // no break before a regular question
    EXPECT_EQ(l.size(), 5u + 2 * 23 + 1);
    EXPECT_EQ(l.back(), "\f");
}

TEST_F(LayoutP, PageBreaksAt55WhateverFollowsButNeverAfterTheLastSlot) {
    p.run.Q2 = 12;
    shortQuestions(25);
    auto l = lines();
    ASSERT_EQ(l.size(), 5u + 2 * 25 + 2 + 1);
    EXPECT_EQ(l[53], "\fPage 2" + blanks(65) + "Quiz 12");
    EXPECT_EQ(l[54], rule);
    EXPECT_EQ(l[55], "");
    EXPECT_NE(l[56].find("25. Who?"), std::string::npos);

    restart();
    shortQuestions(24);  // the last slot leaves 55 lines: no page after it
    const std::string file = write();
    EXPECT_EQ(file.find("Page"), std::string::npos);
    ASSERT_GE(file.size(), 3u);
    EXPECT_EQ(file.substr(file.size() - 10), "L  1: 1\r\n\f");
}

TEST_F(LayoutP, RegularQuestionEndsAtItsQuestionMarkBefore66) {
    slot('n', " 1: 1\tWhich of these three was neighbour unto him? He that shewed mercy.");
    slot('n', " 1: 1\tTell of the man who fell among thieves between Jerusalem and Jericho and the help he got.");
    const auto l = lines();
    EXPECT_EQ(l[6], "       1. Which of these three was neighbour unto him?" + blanks(17) + "L  1: 1");
    EXPECT_EQ(l[7], blanks(15) + "He that shewed mercy." + blanks(34));
    // No question mark: cut at the last blank before 66.
    EXPECT_EQ(l[9], "       2. Tell of the man who fell among thieves between Jerusalem" + blanks(5) + "L  1: 1");
    EXPECT_EQ(l[10], blanks(15) + "and Jericho and the help he got." + blanks(23));
}
