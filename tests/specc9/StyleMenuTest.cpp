// The style menu and the style library: choosing, deleting, creating and
// saving styles, and what happens with damaged or missing library files.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/StyleFile.h"
#include "specc9/Config.h"
#include "specc9/ConfigRig.h"

using namespace tess;
using tess::testing::ConfigRig;
using tess::testing::crlf;
using tess::testing::newStyle;
namespace line = tess::testing::line;

namespace {

using Cursor = std::pair<int, int>;

const std::string LIST = "Alpha\r\nBeta\r\nEnter New Specs\r\n";

}  // namespace

TEST(StyleMenu, ListsTheStylesThenExitAndWrapsBothWays) {
    ConfigRig b;
    b.con.arrows("DDD");  // Beta, Enter New Specs, Exit
    b.con.arrows("D");    // wraps to Alpha
    b.con.keys("8");      // Up from Alpha: Exit
    b.con.keys("2");      // Down from Exit: Alpha
    b.con.arrows("U");    // Exit again
    b.con.enter();
    SPECS2(b.p);

    EXPECT_EQ(b.con.seenAt(0, 33, 6, 15), "Alpha          ");
    EXPECT_EQ(b.con.seenAt(0, 33, 7, 15), "Beta           ");
    EXPECT_EQ(b.con.seenAt(0, 33, 8, 15), "Enter New Specs");
    EXPECT_EQ(b.con.seenAt(0, 33, 9, 15), "Exit           ");
    EXPECT_EQ(b.con.seenAt(0, 1, 3, 70), "            Press Return to Choose a Quiz Style or Shift-D to Delete  ");
    // The highlighted entry is the one the cursor ends on (each key read once
    // per arrow: the 0 and then its code).
    std::vector<int> rows;
    for (std::size_t i = 0; i < b.con.cursor.size(); ++i) rows.push_back(b.con.cursor[i].second);
    EXPECT_EQ(rows, (std::vector<int>{6, 6, 7, 7, 8, 8, 9, 9, 6, 9, 6, 6, 9}));
    EXPECT_EQ(b.con.cell(33, 9).bg, colour::Red);
    EXPECT_EQ(b.con.cell(33, 9).fg, colour::White);
    EXPECT_EQ(b.con.cell(33, 6).bg, colour::Blue);

    EXPECT_EQ(b.dir.read("temp2.txt"), "Exit");  // no line end
    EXPECT_EQ(b.dir.read("Specs.lst"), LIST);
}

TEST(StyleMenu, ShiftDDeletesAStyleNameButKeepsItsFile) {
    ConfigRig b;
    b.con.arrows("D");
    b.con.keys("d");    // small d: nothing
    b.con.keys("D");    // deletes Beta; the menu starts again on Alpha
    b.con.arrows("D");  // Enter New Specs
    b.con.keys("D");    // not a style: nothing
    b.con.arrows("D");
    b.con.keys("D").enter();  // Exit
    SPECS2(b.p);
    EXPECT_EQ(b.dir.read("Specs.lst"), "Alpha\r\nEnter New Specs\r\n");
    EXPECT_TRUE(std::filesystem::exists(b.dir.file("Beta.spe")));
    EXPECT_EQ(b.dir.read("temp2.txt"), "Exit");
}

TEST(StyleLibrary, ANewStyleStartsFromNewAndIsAddedBeforeTheLastLine) {
    ConfigRig b;
    b.con.arrows("DD");
    b.con.enter();          // Enter New Specs
    b.con.enter().enter();  // to the style name
    b.con.line("Gamma");    // Return ends the name
    b.con.esc().enter();    // ready line, accept
    SPECS2(b.p);

    // The form showed New's values under the name New.
    const std::size_t formShown = 6;  // the menu took five key reads: two arrows and Return
    EXPECT_EQ(b.con.cursor.at(formShown - 1), (std::pair<int, int>{27, 6}));
    EXPECT_EQ(b.con.seenAt(formShown - 1, 27, 10, 10), "New       ");
    EXPECT_EQ(b.con.seenAt(formShown - 1, 27, 12, 10), "quiz      ");
    EXPECT_EQ(b.con.seenAt(formShown - 1, 15, 3, 50), "Quiz Configuration -- Press Return Here When Ready");

    EXPECT_EQ(b.dir.read("Gamma.spe"), crlf(newStyle()));
    EXPECT_EQ(b.fileLines("Gamma.spe").size(), 29u);
    EXPECT_EQ(b.dir.read("Specs.lst"), "Alpha\r\nBeta\r\nGamma\r\nEnter New Specs\r\n");
    EXPECT_EQ(b.dir.read("temp2.txt"), "Gamma\r\n");
    EXPECT_EQ(b.p.cfg.NAME.str(), "Gamma");
}

TEST(StyleLibrary, AcceptingNewUnchangedRewritesNewAndLeavesTheList) {
    ConfigRig b;
    auto stale = newStyle();
    stale[28] = std::string(30, 'A');  // a pattern line the form will make anew
    b.dir.lines("New.spe", stale);
    b.con.arrows("DD");
    b.con.enter().esc().enter();
    SPECS2(b.p);
    EXPECT_EQ(b.dir.read("New.spe"), crlf(newStyle()));
    EXPECT_EQ(b.dir.read("Specs.lst"), LIST);
    EXPECT_EQ(b.dir.read("temp2.txt"), "New\r\n");
}

TEST(StyleLibrary, RenamingAddsANewStyleAndAnExistingNameIsOverwritten) {
    {
        ConfigRig b;
        const std::string alpha = b.dir.read("Alpha.spe");
        b.con.enter();                        // Alpha
        b.con.enter().enter().line("Delta");  // rename
        b.con.esc().enter();
        SPECS2(b.p);
        EXPECT_EQ(b.dir.read("Alpha.spe"), alpha);
        EXPECT_EQ(b.fileLines("Delta.spe").at(3), "alpha");
        EXPECT_EQ(b.dir.read("Specs.lst"), "Alpha\r\nBeta\r\nDelta\r\nEnter New Specs\r\n");
        EXPECT_EQ(b.dir.read("temp2.txt"), "Delta\r\n");
    }
    {
        ConfigRig b;
        b.con.arrows("DD");
        b.con.enter();  // Enter New Specs
        b.con.enter().enter().line("Alpha");
        b.con.esc().enter();
        SPECS2(b.p);
        EXPECT_EQ(b.fileLines("Alpha.spe").at(3), "quiz");  // New's values under Alpha
        EXPECT_EQ(b.dir.read("Specs.lst"), LIST);
    }
}

TEST(StyleLibrary, EscOnTheReadyLineGoesBackToTheMenuWritingNothing) {
    ConfigRig b;
    const std::string alpha = b.dir.read("Alpha.spe");
    b.con.enter();      // Alpha
    b.con.keys("5");    // begin chapter 5, in memory only
    b.con.esc().esc();  // ready line, then back to the menu
    b.con.arrows("U");
    b.con.enter();  // Exit
    SPECS2(b.p);
    EXPECT_EQ(b.dir.read("Alpha.spe"), alpha);
    EXPECT_EQ(b.dir.read("temp2.txt"), "Exit");
    EXPECT_NE(b.con.snapshots().back().find("Press Return to Choose a Quiz Style"), std::string::npos);
}

TEST(StyleLibrary, TheWrittenFileHasEveryLineInPlaceAndThePatternLineFromTheWindow) {
    ConfigRig b;
    auto s = newStyle();
    s = {"L",
         "2 3",
         "4 5",
         "out",
         "66",
         "T",
         "25",
         "C",
         "12",
         "40",
         "N",
         "7",
         "Q",
         "30",
         "3",
         "3",
         "2",
         "1",
         "1",
         "1",
         "1",
         "1",
         "0",
         "0",
         "89",
         "3",
         "5",
         "N",
         "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"};
    b.dir.lines("Alpha.spe", s);
    b.con.enter().esc().enter();
    SPECS2(b.p);
    auto expected = s;
    expected[28] = "nnAAAnnnnnnnnnnnnnnnnnnnnnnnnn";
    EXPECT_EQ(b.fileLines("Alpha.spe"), expected);
    // The run side reads it back without a word to say.
    std::vector<std::string> notes;
    Specc9 back;
    SharedSettings shared;
    EXPECT_TRUE(readStyleFile(b.dir.file("Alpha.spe"), back, shared, notes));
    EXPECT_TRUE(notes.empty());
}

TEST(StyleLibrary, ClampedValuesOfAStoredStyleAreToldOnceAndSavedClamped) {
    ConfigRig b;
    auto s = newStyle();
    s[line::LPP] = "900";
    s[line::SPMIN] = "5";  // total minimum above its maximum 3
    b.dir.lines("Alpha.spe", s);
    b.con.enter();
    b.con.enter();  // the notes screen
    b.con.esc().enter();
    SPECS2(b.p);
    const auto& first = b.con.snapshots().at(1);
    EXPECT_NE(first.find("Lines per page 900 is outside 18-500; 500 is used."), std::string::npos) << first;
    EXPECT_NE(first.find("total minimum 5 is above its maximum 3; 3 is used."), std::string::npos) << first;
    const auto lines = b.fileLines("Alpha.spe");
    EXPECT_EQ(lines.at(4), "500");
    EXPECT_EQ(lines.at(15), "3");
}

// What the library does where a plain reading would lose or misplace files.
TEST(StyleLibrarySafety, ALongListIsShownInPartKeptWholeAndNotOverfilled) {
    ConfigRig b;
    std::vector<std::string> names;
    for (int i = 1; i <= 15; ++i) names.push_back("S" + std::to_string(i));
    auto lines = names;
    lines.push_back("Enter New Specs");
    b.dir.lines("Specs.lst", lines);

    b.con.keys("D");    // delete S1: S14 and S15 stay in the list
    b.con.arrows("U");  // Exit
    b.con.arrows("U");  // Enter New Specs
    b.con.enter();
    b.con.enter().enter().line("Zed");
    b.con.esc().enter();  // refused: the list is full
    b.con.enter();        // message read; back on the style name
    b.con.esc().esc();    // ready line, back to the menu
    b.con.arrows("U");
    b.con.enter();
    SPECS2(b.p);

    const auto& menu = b.con.snapshots().at(0);
    EXPECT_EQ(b.con.seenAt(0, 33, 18, 15), "S13            ");
    EXPECT_EQ(b.con.seenAt(0, 33, 19, 15), "Enter New Specs");
    EXPECT_EQ(b.con.seenAt(0, 33, 20, 15), "Exit           ");
    EXPECT_NE(menu.find("2 more styles in Specs.lst than fit here"), std::string::npos) << menu;

    names.erase(names.begin());
    auto kept = names;
    kept.push_back("Enter New Specs");
    EXPECT_EQ(b.dir.read("Specs.lst"), crlf(kept));
    EXPECT_TRUE(b.con.sawText("The style list is full (13 styles); delete one to add Zed."));
    EXPECT_FALSE(std::filesystem::exists(b.dir.file("Zed.spe")));
    EXPECT_EQ(b.dir.read("temp2.txt"), "Exit");
}

TEST(StyleLibrarySafety, UnusableNamesAndMissingFilesAreToldAndLoseNothing) {
    ConfigRig b;
    b.dir.lines("Specs.lst", {"../Alpha", "Ghost", "Enter New Specs"});
    std::filesystem::remove(b.dir.file("New.spe"));
    b.con.enter().enter();  // ../Alpha: refused
    b.con.arrows("D");
    b.con.enter().enter();  // Ghost: no file
    b.con.arrows("DD");
    b.con.enter().enter();  // Enter New Specs: no New.spe
    b.con.arrows("U");
    b.con.enter();
    SPECS2(b.p);
    EXPECT_TRUE(b.con.sawText("The style name \"../Alpha\" holds a path separator; styles"));
    EXPECT_TRUE(b.con.sawText("There is no style file Ghost.spe."));
    EXPECT_TRUE(b.con.sawText("There is no style file New.spe; new styles start from its values."));
    EXPECT_EQ(b.dir.read("Specs.lst"), "../Alpha\r\nGhost\r\nEnter New Specs\r\n");
    EXPECT_EQ(b.dir.read("temp2.txt"), "Exit");
}

TEST(StyleLibrarySafety, TheNameExitIsRefusedAndAMissingListIsStartedAnew) {
    ConfigRig b;
    std::filesystem::remove(b.dir.file("Specs.lst"));
    b.con.enter();  // Enter New Specs (the only style entry)
    b.con.enter().enter().line("Exit");
    b.con.esc().enter();  // refused
    b.con.enter();        // message read
    b.con.line("Solo");   // on the style name again
    b.con.esc().enter();
    SPECS2(b.p);
    EXPECT_TRUE(b.con.sawText("Specs.lst is missing: a new style will start it."));
    EXPECT_TRUE(b.con.sawText("\"Exit\" ends the program; a style cannot have that name."));
    EXPECT_FALSE(std::filesystem::exists(b.dir.file("Exit.spe")));
    EXPECT_EQ(b.dir.read("Specs.lst"), "Solo\r\nEnter New Specs\r\n");
    EXPECT_EQ(b.dir.read("temp2.txt"), "Solo\r\n");
}

TEST(StyleLibrarySafety, AnOutputNameWithAPathIsRefusedOnTheFormBeforeAnythingIsSavedAndMendedThere) {
    for (const bool mend : {false, true}) {
        ConfigRig b;
        auto s = newStyle();
        s[line::NAME4] = "../x";
        b.dir.lines("Alpha.spe", s);
        const std::string before = b.dir.read("Alpha.spe");
        b.con.enter();        // Alpha
        b.con.esc().enter();  // refused
        b.con.enter();        // message read: on the output name
        if (mend) {
            b.con.line("quiz");  // typed on the output name
            b.con.esc().enter();
        } else {
            b.con.esc().esc();  // abandon: nothing saved
            b.con.arrows("U");
            b.con.enter();  // Exit
        }
        SPECS2(b.p);
        EXPECT_TRUE(b.con.sawText("The output file name \"../x\" holds a path separator; output"));
        if (!mend) {
            EXPECT_EQ(b.dir.read("Alpha.spe"), before);
            EXPECT_EQ(b.dir.read("temp2.txt"), "Exit");
            continue;
        }
        EXPECT_EQ(b.con.cursor.at(4).second, 12);  // typing starts on the output name
        EXPECT_EQ(b.dir.readLines("Alpha.spe").at(3), "Quiz");  // a name starts with a capital
    }
}

TEST(StyleMenu, ControlCharactersInTheListShowAsAMarkOnTheirOwnRow) {
    ConfigRig b;
    b.dir.raw("Specs.lst", "Al\rpha\x1b\r\nBeta\r\nEnter New Specs\r\n");
    b.con.arrows("U");
    b.con.enter();  // Exit
    SPECS2(b.p);
    EXPECT_EQ(b.con.seenAt(0, 33, 6, 15), "Al?pha?        ");
    EXPECT_EQ(b.con.seenAt(0, 33, 7, 15), "Beta           ");
}

TEST(StyleMenu, AFolderWhereAStyleFileShouldBeIsNamedAsSuch) {
    ConfigRig b;
    std::filesystem::remove(b.dir.file("Beta.spe"));
    std::filesystem::create_directory(b.dir.file("Beta.spe"));
    b.con.arrows("D");
    b.con.enter();  // Beta
    b.con.enter();  // the message
    b.con.arrows("U");
    b.con.enter();  // Exit
    SPECS2(b.p);
    EXPECT_TRUE(b.con.sawMessage("Cannot read the style file Beta.spe: it is a folder, not a file."));
}
