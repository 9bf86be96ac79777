#include <gtest/gtest.h>

#include "core/Messages.h"
#include "selection/QuizListing.h"
#include "selection/RepeatControl.h"
#include "selection/SelectionRig.h"

using namespace tess;
using namespace tess::testing;

namespace {
struct Listing : ::testing::Test {
    Rig rig;
    RunState& r = rig.r;
    std::string line(char letter, const std::string& text, int sector = 7, int number = 12) {
        std::string pat(SCMAX, 'n');
        pat[2] = letter;
        r.TYP = pat;
        r.SECTOR[3] = sector;
        r.PNUMBER[3] = number;
        r.RLBK[3] = 'L';
        r.ALL[3] = text;
        return listLine(r, 3);
    }
};
const std::string PREFIX = "   3.   7  12  L ";
}  // namespace

TEST_F(Listing, ReferenceFieldOfExactly40CharactersGetsDots) {
    const std::string forty(40, 'x');
    EXPECT_EQ(line('R', "12:34\tCV\t" + forty + "\tanswer"), PREFIX + "12:34  CV    " + forty + "...");
    EXPECT_EQ(line('O', " 2: 5\tCO\tShort one\tanswer"), PREFIX + " 2: 5  CO    Short one");
}

TEST_F(Listing, SituationShowsBothFieldsUnlessTheFirstIsLong) {
    EXPECT_EQ(line('S', " 4: 9\tWho said\tthis?"), PREFIX + " 4: 9  SIT   Who said this?");
    const std::string long41(41, 'a');
    EXPECT_EQ(line('S', " 4: 9\t" + long41 + "\tsecond"), PREFIX + " 4: 9  SIT   " + std::string(40, 'a') + "...");
}

TEST_F(Listing, FtvTypeFieldIsPaddedToSixColumns) {
    EXPECT_EQ(line('F', " 1:17\tV\tAnd he shall go\tanswer"), PREFIX + " 1:17  V     And he shall go");
    EXPECT_EQ(line('F', " 1:17\tVRLONG\tAnd he\tx"), PREFIX + " 1:17  VRLONGAnd he");
}

TEST_F(Listing, RegularColumnIsAlways43Wide) {
    EXPECT_EQ(line('n', " 5:10\tWho went up?"), PREFIX + " 5:10        Who went up?" + std::string(31, ' '));
    const std::string t = " 5:10\t" + std::string(45, 'q');
    EXPECT_EQ(line('n', t), PREFIX + " 5:10        " + std::string(40, 'q') + "...");
    EXPECT_EQ(line('n', t).size(), 73u);
}

TEST(ListingHeader, Always73CharactersWide) {
    for (int q : {1, 9, 10, 99, 100, 135}) {
        const std::string h = listHeader(q);
        EXPECT_EQ(h.size(), 73u) << q;
        EXPECT_EQ(h.substr(h.size() - 5 - std::to_string(q).size()), "Quiz " + std::to_string(q));
    }
    EXPECT_EQ(listHeader(7).substr(0, 38), "  Que Sec Num    Verse  Type  Question");
}

TEST(MessageRows, FillRows5To23ThenWrapToAClearedArea) {
    Rig rig;
    rig.con.gotoXY(1, 1);
    rig.con.write("TITLE");
    for (int i = 1; i <= 19; ++i) warn(rig.p, "  warning " + std::to_string(i));
    EXPECT_EQ(rig.r.RSET, 23);
    EXPECT_EQ(rig.con.rowText(5).substr(2, 11), "  warning 1");
    EXPECT_EQ(rig.con.rowText(23).substr(2, 12), "  warning 19");
    warn(rig.p, "  warning 20");
    EXPECT_EQ(rig.r.RSET, 5);
    EXPECT_EQ(rig.con.rowText(5).substr(2, 12), "  warning 20");
    EXPECT_EQ(rig.con.rowText(6).find_first_not_of(' '), std::string::npos);
    EXPECT_EQ(rig.con.rowText(1).substr(0, 5), "TITLE");
}

TEST(RepeatSector, FreesEverySectorAndLogsEachCall) {
    Rig rig;
    rig.bank({1, 1, 1});
    rig.openOutputs();
    auto& r = rig.r;
    r.Q2 = 12;
    r.RSET = 24;  // the calling picker's row reached the wrap
    for (int s = 1; s <= 3; ++s) r.FLAG[s] = 0;
    REPEATSECTOR(rig.p);
    EXPECT_EQ(r.RSET, 5);
    EXPECT_NE(rig.con.rowText(5).find("  Sectors or questions will be repeated in quiz 12"), std::string::npos);
    for (int s = 1; s <= 3; ++s) EXPECT_EQ(r.FLAG[s], 1);
    EXPECT_EQ(r.FLAG[4], 0);
    REPEATSECTOR(rig.p);
    EXPECT_EQ(rig.logLines(), (std::vector<std::string>{"Sectors or Questions repeated in quiz 12",
                                                        "Sectors or Questions repeated in quiz 12"}));
}

TEST(RunLog, CopiedToTheEndOfTheListFileWithOneLineWhenEmpty) {
    Rig rig;
    rig.openOutputs();
    rig.r.listFile.writeln("block");
    appendRunLog(rig.p);
    EXPECT_EQ(rig.listLines(), (std::vector<std::string>{"block", ""}));

    Rig rig2;
    rig2.openOutputs();
    logLine(rig2.p, "one");
    logLine(rig2.p, "two");
    appendRunLog(rig2.p);
    EXPECT_EQ(rig2.listLines(), (std::vector<std::string>{"one", "two"}));
}
