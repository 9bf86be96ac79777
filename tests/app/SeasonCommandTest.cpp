// A season of meets as a director keeps it from the shell: runs that ask
// what earlier meets did not, forget, a small bank's new cycle, and a damaged
// season file refused.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>

#include "app/ExitStatus.h"
#include "app/RunCommand.h"
#include "core/Season.h"

using namespace tess::testing;
namespace es = tess::exitstatus;

namespace {

bool has(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }

// Each meet's questions as kind, fingerprint and bank file.
std::vector<std::set<std::string>> meetsOf(const std::vector<std::string>& lines) {
    std::vector<std::set<std::string>> meets;
    for (const std::string& l : lines) {
        if (l.starts_with("Meet\t")) meets.emplace_back();
        if (l.empty() || l[0] == '#' || l.starts_with("Meet\t")) continue;
        const auto fp = l.find('\t', 2), ref = l.find('\t', fp + 1);
        meets.back().insert(l.substr(0, fp) + l.substr(ref));
    }
    return meets;
}

// The list file's last line, on what the season held back.
std::string seasonNote(const std::string& list) {
    const auto at = list.rfind("Season of ");
    return at == std::string::npos ? "" : list.substr(at);
}

}  // namespace

TEST(SeasonCommand, MeetsAskFreshQuestionsForgetRestoresAndADamagedFileIsRefused) {
    ScratchDir d;
    d.copySampleBank();
    auto tess = [&](const std::string& args) { return runTessarin("-C " + d.path().string() + " " + args); };
    EXPECT_EQ(tess("season list").status, es::FILE_ERROR);
    ASSERT_EQ(tess("season start").status, es::OK);
    EXPECT_EQ(tess("season start").status, es::REFUSED);
    ASSERT_EQ(tess("run Book20 --seed 1 -q").status, es::OK);
    const std::string oneMeet = d.read("Season.txt");
    ASSERT_EQ(tess("run Book20 --seed 2 -q").status, es::OK);
    const std::string packet = d.read("book20.qui"), list = d.read("book20.inf");

    // The second meet shares no question with the first; the list file says what was held back.
    const auto meets = meetsOf(d.readLines("Season.txt"));
    ASSERT_EQ(meets.size(), 2u);
    std::size_t shared = 0, regular = 0;
    for (const std::string& q : meets[1]) shared += meets[0].count(q);
    for (const std::string& q : meets[0]) regular += q[0] == 'n';
    EXPECT_GT(meets[1].size(), 200u);
    EXPECT_EQ(shared, 0u);
    EXPECT_TRUE(seasonNote(list).starts_with("Season of 1 earlier meet(s): held back " + std::to_string(regular) +
                                             " regular, "))
        << list;
    EXPECT_TRUE(has(tess("season list").out, "Meet 2: book20.qui, "));

    // Forget restores the season as it was; the same seed and season give the same bytes.
    EXPECT_EQ(tess("season forget 3").status, es::USAGE);
    EXPECT_EQ(tess("season forget").status, es::OK);
    EXPECT_EQ(d.read("Season.txt"), oneMeet);
    ASSERT_EQ(tess("run Book20 --seed 2 -q").status, es::OK);
    EXPECT_EQ(d.read("book20.qui"), packet);
    EXPECT_EQ(d.read("book20.inf"), list);

    // A bank line no meet asked, edited: every question of the season is still known.
    ASSERT_EQ(tess("season forget 2").status, es::OK);
    auto bank = d.readLines("Luke.A");
    for (std::string& l : bank) {
        char hex[17];
        std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(tess::fingerprintOf(l)));
        if (meets[0].count(std::string("n\t") + hex + "\tLuke.A")) continue;
        l += " (edited)";
        break;
    }
    d.raw("Luke.A", crlf(bank));
    ASSERT_EQ(tess("run Book20 --seed 2 -q").status, es::OK);
    EXPECT_EQ(seasonNote(d.read("book20.inf")), seasonNote(list));

    // A damaged season file is refused by its line, and nothing is lost; --no-season runs past it.
    d.raw("Season.txt", oneMeet + "X\tnot-a-print\t1:1\tLuke.A\r\n");
    const std::string damaged = d.read("Season.txt"), kept = d.read("book20.qui");
    const auto bad = tess("run Book20 --seed 4 -q");
    EXPECT_EQ(bad.status, es::MEND);
    EXPECT_TRUE(has(bad.err, "Season.txt line " + std::to_string(d.readLines("Season.txt").size()) +
                                 ": 'X' is no kind of question"))
        << bad.err;
    EXPECT_EQ(tess("season list").status, es::MEND);
    EXPECT_EQ(d.read("book20.qui"), kept);
    EXPECT_EQ(tess("run Book20 --seed 4 -q --no-season").status, es::OK);
    EXPECT_EQ(d.read("Season.txt"), damaged);

    // A small range runs out: the second meet begins a new cycle at once, told as in any run.
    std::filesystem::remove(d.file("Season.txt"));
    auto small = d.readLines("Ch1to8.spe");
    small[2] = "2 20";
    small[3] = "small";
    d.raw("Small.spe", crlf(small));
    ASSERT_EQ(tess("season start").status, es::OK);
    const std::string cycle = "Out of Regular Questions...Using Repeats beginning quiz 1**";
    EXPECT_FALSE(has(tess("run Small --seed 1").err, cycle));
    EXPECT_TRUE(has(tess("run Small --seed 2").err, cycle));
}
