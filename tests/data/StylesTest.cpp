// The ready styles of the sample bank and "New" are well-formed style files.
// How they sector on the bank is checked through the program's own sectoring
// (tests/runs/ReadyStylesTest.cpp).
#include <gtest/gtest.h>

#include <algorithm>

#include "data/BankCheck.h"

using namespace bankcheck;

namespace {

const std::string DIR = TESS_SOURCE_DIR "/data/luke/";

struct Style {
    std::string name;
    char LG = ' ';
    int BCHAP = 0, BVER = 0, ECHAP = 0, EVER = 0;
    std::string NAME4;
    int LPP = 0;
    char OUT = ' ';
    int QMAX = 0;
    char REGLST = ' ';
    int AB = 0, IPC = 0;
    char INDX = ' ';
    int QNUM = 0;
    char SEC1 = ' ';
    int REPEATPCT = 0, SPMAX = 0, SPMIN = 0, FMAX = 0, FMIN = 0, RMAX = 0, RMIN = 0, OMAX = 0, OMIN = 0, SMAX = 0,
        SMIN = 0, PRIMPCT = 0, SPEARLY = 0, SPLATE = 0;
    char SETSPC = ' ';
    std::string TYP;
};

Style readStyle(const std::string& name) {
    std::vector<std::string> ends;
    const auto l = readCrLfLines(DIR + name + ".spe", &ends);
    EXPECT_TRUE(ends.empty()) << name;
    Style s;
    s.name = name;
    if (l.size() != 29) {
        ADD_FAILURE() << name << ".spe has " << l.size() << " lines";
        return s;
    }
    auto num = [&](std::size_t i) { return std::stoi(l[i]); };
    auto two = [&](std::size_t i, int& a, int& b) { std::sscanf(l[i].c_str(), "%d %d", &a, &b); };
    s.LG = l[0][0];
    two(1, s.BCHAP, s.BVER);
    two(2, s.ECHAP, s.EVER);
    s.NAME4 = l[3];
    s.LPP = num(4);
    s.OUT = l[5][0];
    s.QMAX = num(6);
    s.REGLST = l[7][0];
    s.AB = num(8);
    s.IPC = num(9);
    s.INDX = l[10][0];
    s.QNUM = num(11);
    s.SEC1 = l[12][0];
    s.REPEATPCT = num(13);
    s.SPMAX = num(14);
    s.SPMIN = num(15);
    s.FMAX = num(16);
    s.FMIN = num(17);
    s.RMAX = num(18);
    s.RMIN = num(19);
    s.OMAX = num(20);
    s.OMIN = num(21);
    s.SMAX = num(22);
    s.SMIN = num(23);
    s.PRIMPCT = num(24);
    s.SPEARLY = num(25);
    s.SPLATE = num(26);
    s.SETSPC = l[27][0];
    s.TYP = l[28];
    return s;
}

std::vector<std::string> styleNames() {
    auto l = readCrLfLines(DIR + "Specs.lst", nullptr);
    EXPECT_FALSE(l.empty());
    if (!l.empty()) {
        EXPECT_EQ(l.back(), "Enter New Specs");
        l.pop_back();
    }
    return l;
}

void expectValid(const Style& s) {
    EXPECT_LE(s.FMIN + s.RMIN + s.OMIN + s.SMIN, s.SPMIN) << s.name;
    EXPECT_GE(s.FMAX + s.RMAX + s.OMAX + s.SMAX, s.SPMAX) << s.name;
    EXPECT_LE(s.SPLATE, s.QMAX) << s.name;
    EXPECT_GE(s.SPLATE + 1 - s.SPEARLY, s.SPMAX) << s.name;
    EXPECT_TRUE(s.BCHAP < s.ECHAP || (s.BCHAP == s.ECHAP && s.BVER <= s.EVER)) << s.name;
    EXPECT_TRUE(s.BCHAP >= 1 && s.ECHAP <= 24 && s.BVER >= 1 && s.EVER >= 1) << s.name;
    if (s.BCHAP >= 1 && s.ECHAP <= 24) {
        EXPECT_LE(s.BVER, LUKE_VERSES[static_cast<std::size_t>(s.BCHAP)]) << s.name;
        EXPECT_LE(s.EVER, LUKE_VERSES[static_cast<std::size_t>(s.ECHAP)]) << s.name;
    }
    const std::vector<int> prim = {51, 52, 53, 57, 58, 59, 60, 68, 69, 70, 78, 79, 80, 88, 89, 90, 97, 98, 99, 100};
    EXPECT_TRUE(std::count(prim.begin(), prim.end(), s.PRIMPCT)) << s.name << " PRIMPCT " << s.PRIMPCT;
    EXPECT_TRUE(s.QMAX >= 1 && s.QMAX <= 30 && s.QNUM >= 1 && s.QNUM <= 135) << s.name;
    EXPECT_TRUE(s.SPEARLY >= 1 && s.SPEARLY <= 10 && s.SPEARLY <= s.SPLATE) << s.name;
    EXPECT_TRUE(s.NAME4.size() >= 1 && s.NAME4.size() <= 10) << s.name;
    EXPECT_EQ(s.SETSPC, 'N') << s.name;
    std::string typ(30, 'n');
    for (int i = s.SPEARLY; i <= s.SPLATE; ++i) typ[static_cast<std::size_t>(i - 1)] = 'A';
    EXPECT_EQ(s.TYP, typ) << s.name;
}

}  // namespace

TEST(ReadyStyles, ListAndNewStyleAreWellFormed) {
    const auto names = styleNames();
    EXPECT_EQ(names.size(), 4u);
    EXPECT_LE(names.size(), 13u);
    std::string sectorings;
    int lStyles = 0;
    for (const auto& n : names) {
        EXPECT_LE(n.size(), 10u) << n;
        const Style s = readStyle(n);
        expectValid(s);
        sectorings += s.SEC1;
        lStyles += s.LG == 'L';
    }
    EXPECT_EQ(lStyles, 1) << "one ready style runs on the L material set";
    for (char c : std::string("VCQ")) EXPECT_NE(sectorings.find(c), std::string::npos) << c;
    const Style fresh = readStyle("New");
    expectValid(fresh);
    EXPECT_NE(fresh.LG, 'L');
}
