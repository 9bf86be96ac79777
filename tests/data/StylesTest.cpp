// The ready styles of the sample bank and "New" are well-formed style files.
// How they sector on the bank is checked through the program's own sectoring
// (tests/runs/ReadyStylesTest.cpp).
#include <gtest/gtest.h>

#include <algorithm>

#include "core/StyleFile.h"
#include "data/BankCheck.h"

using namespace bankcheck;

namespace {

const std::string DIR = TESS_SOURCE_DIR "/data/luke/";

struct Style : tess::StyleSettings {
    std::string name;
    tess::SharedSettings shared;
};

// Through the program's own reader: a ready style must read without a single
// clamp note, and its line ends must be CR LF.
Style readStyle(const std::string& name) {
    std::vector<std::string> ends;
    const auto l = readCrLfLines(DIR + name + ".spe", &ends);
    EXPECT_TRUE(ends.empty()) << name;
    Style s;
    s.name = name;
    std::vector<std::string> notes;
    EXPECT_TRUE(tess::readStyleFile(DIR + name + ".spe", s, s.shared, notes)) << name;
    EXPECT_EQ(l.size(), tess::styleFileLines(s, s.shared).size()) << name;  // every line the writer gives
    EXPECT_TRUE(notes.empty()) << name << ": " << (notes.empty() ? "" : notes.front());
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
    EXPECT_TRUE(std::count(prim.begin(), prim.end(), s.shared.PRIMPCT)) << s.name << " PRIMPCT " << s.shared.PRIMPCT;
    EXPECT_TRUE(s.QMAX >= 1 && s.QMAX <= 30 && s.QNUM >= 1 && s.QNUM <= 135) << s.name;
    EXPECT_TRUE(s.SPEARLY >= 1 && s.SPEARLY <= 10 && s.SPEARLY <= s.SPLATE) << s.name;
    EXPECT_TRUE(s.shared.NAME4.size() >= 1 && s.shared.NAME4.size() <= 10) << s.name;
    EXPECT_EQ(s.shared.SETSPC, 'N') << s.name;
    std::string typ(30, 'n');
    for (int i = s.SPEARLY; i <= s.SPLATE; ++i) typ[static_cast<std::size_t>(i - 1)] = 'A';
    EXPECT_EQ(s.TYP.str(), typ) << s.name;
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
        sectorings += s.shared.SEC1;
        lStyles += s.LG == 'L';
    }
    EXPECT_EQ(lStyles, 1) << "one ready style runs on the L material set";
    for (char c : std::string("VCQ")) EXPECT_NE(sectorings.find(c), std::string::npos) << c;
    const Style fresh = readStyle("New");
    expectValid(fresh);
    EXPECT_NE(fresh.LG, 'L');
}
