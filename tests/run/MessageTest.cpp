#include <gtest/gtest.h>

#include <cctype>

#include "console/ScreenConsole.h"
#include "run/Program.h"
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
        EXPECT_THROW(failRestart(p, msg), RestartRun);
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
