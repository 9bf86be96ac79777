#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "console/ScreenConsole.h"
#include "core/Messages.h"
#include "core/Program.h"
#include "support/Fixture.h"

using namespace tess;

namespace {

bool isWordChar(char ch) { return std::isalnum(static_cast<unsigned char>(ch)) || ch == '.' || ch == ':'; }

// True when some row ends inside a word that the next row goes on with.
bool cutsAWord(const ScreenConsole& con, int indent) {
    for (int row = 3; row < 22; ++row) {
        const std::string here = con.rowText(row), next = con.rowText(row + 1);
        if (isWordChar(here[79]) && isWordChar(next[static_cast<std::size_t>(indent - 1)])) return true;
    }
    return false;
}

}  // namespace

TEST(Messages, LongMessagesBreakBetweenWordsAndKeepEveryWord) {
    tess::testing::Fixture f;
    auto& con = f.con;
    auto& p = f.p;
    // Each length puts a word across column 80 at another place.
    for (int pad = 0; pad < 12; ++pad) {
        const std::string msg = std::string(static_cast<std::size_t>(pad), 'x') +
                                " The lines of Luke.A are not in chapter and verse order: line 340 (3:1) follows"
                                " 3:2. The index was not built; the count file is unchanged.";
        con.enter();
        EXPECT_TRUE(tess::testing::restarts(p, [&] { failRestart(p, msg); }));
        EXPECT_FALSE(cutsAWord(con, 3)) << con.screenText();
        std::string shown;
        for (int row = 3; row <= 21; ++row) shown += con.rowText(row).substr(2) + " ";
        for (const char* word : {"order:", "(3:1)", "follows", "3:2.", "unchanged."})
            EXPECT_NE(shown.find(std::string(" ") + word + " "), std::string::npos) << word << "\n" << shown;
    }
}

TEST(Messages, AWordLongerThanARowIsCutWhereTheRowEnds) {
    ScreenConsole con;
    con.gotoXY(3, 3);
    const std::string url(100, 'u');
    writeWrapped(con, 3, "see " + url + " now");
    EXPECT_EQ(con.rowText(3).substr(0, 7), "  see u");
    EXPECT_EQ(con.rowText(3).substr(6), std::string(74, 'u'));
    EXPECT_EQ(con.rowText(4).substr(0, 26), std::string(26, 'u'));
    EXPECT_EQ(con.rowText(4).substr(26, 5), " now ");
}

TEST(Messages, TheFormsProblemBreaksBetweenWordsInItsTwoRows) {
    tess::testing::Fixture f;
    auto& con = f.con;
    auto& p = f.p;
    for (int pad = 0; pad < 12; ++pad) {
        const std::string name(static_cast<std::size_t>(pad), 'x');
        const std::string msg = "The output file name \"" + name +
                                "/a\" is empty or holds a path separator or \"..\"; output is written in this folder.";
        const std::string longer = msg + " " + msg;  // more than two rows can hold
        for (const std::string* m : {&msg, &longer}) {
            con.gotoXY(1, 25);
            con.write("the title band");
            con.enter();
            tellProblem(p, *m);
            const std::string shot = con.snapshots().back();
            const std::string row23 = shot.substr(22 * 81, 80), row24 = shot.substr(23 * 81, 80);
            EXPECT_EQ(shot.substr(24 * 81, 14), "the title band");
            EXPECT_FALSE(isWordChar(row23[79]) && isWordChar(row24[0])) << row23 << "\n" << row24;
            const std::string shown = row23 + " " + row24;
            EXPECT_NE(shown.find("-- Press Return"), std::string::npos) << shown;
            EXPECT_NE(shown.find(*m == msg ? "folder. --" : "... --"), std::string::npos) << shown;
            if (m == &msg)  // it fits: every word is shown whole
                for (std::size_t at = 0, end; at < msg.size(); at = end + 1) {
                    end = std::min(msg.find(' ', at), msg.size());
                    EXPECT_NE(shown.find(msg.substr(at, end - at)), std::string::npos) << shown;
                }
            EXPECT_EQ(con.rowText(23), std::string(80, ' '));  // cleared after Return
        }
    }
}
