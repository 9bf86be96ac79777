// An all-regular style of the sample bank run to its closing screen in each
// of the three packet layouts; the packet file's shape per packet.
#include <regex>

#include "runs/BankRun.h"

using namespace tess;
using namespace tess::testing;

namespace {

constexpr int QUIZZES = 3;
constexpr int SECTORS = 20;

// Runs the bank's "New" style, all regular, with layout `out`; returns the
// packet file's bytes.
std::string runLayout(BankRun& b, char out) {
    auto s = allRegular(bankStyle("New"));
    s[line::OUT] = std::string(1, out);
    s[line::NAME4] = "lay";
    s[line::QNUM] = std::to_string(QUIZZES);
    b.style("Lay", s);
    // Review; a key at the verse table; the approval menu's first choice; the closing screen.
    b.con.enter().keys("x").enter().enter();
    runOnce(b.p);
    EXPECT_EQ(b.con.keysLeft(), 0u) << out;
    EXPECT_EQ(b.p.run.SECTORS, SECTORS);
    const std::string& closing = b.con.snapshots().back();
    EXPECT_NE(closing.find("  A list of questions and sectors used has been saved as lay.inf"), std::string::npos)
        << closing;
    EXPECT_NE(closing.find("  Your output file has been saved in ASCII text file lay.qui"), std::string::npos);
    const std::string qui = b.dir.read("lay.qui");
    for (std::size_t i = 0; i < qui.size(); ++i) {
        EXPECT_LT(static_cast<unsigned char>(qui[i]), 128u) << out << " at " << i;
        if (qui[i] == '\n') {
            EXPECT_TRUE(i > 0 && qui[i - 1] == '\r') << out << " at " << i;
        }
    }
    return qui;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> ls;
    std::size_t at = 0;
    for (std::size_t nl; (nl = text.find("\r\n", at)) != std::string::npos; at = nl + 2)
        ls.push_back(text.substr(at, nl - at));
    if (at < text.size()) ls.push_back(text.substr(at));
    return ls;
}

}  // namespace

TEST(WholeRunPackets, CLayoutPacketsAreBlocksOf18Lines) {
    BankRun b;
    const auto ls = linesOf(runLayout(b, 'C'));
    std::vector<std::size_t> starts;
    for (std::size_t i = 2; i < ls.size(); ++i)
        if (ls[i] == "    Lay Style Quizzing") starts.push_back(i - 2);
    ASSERT_EQ(starts.size(), static_cast<std::size_t>(QUIZZES));
    starts.push_back(ls.size());
    const std::regex heading(R"(    L [ \d]\d:[ \d]\d {5} {24}Quiz (\d+))");
    for (std::size_t q = 1; q <= QUIZZES; ++q) {
        const std::size_t from = starts[q - 1], to = starts[q];
        EXPECT_EQ((to - from) % 18, 0u) << "packet " << q << " has " << to - from << " lines";
        EXPECT_EQ(ls[from + 6], "    Quiz Number " + std::to_string(q));
        int blocks = 0;
        for (std::size_t i = from; i < to; ++i) {
            std::smatch m;
            if (!std::regex_match(ls[i], m, heading)) continue;
            ++blocks;
            EXPECT_EQ(m[1].str(), std::to_string(q));
            EXPECT_EQ((i - from) % 18, 2u) << "a block of packet " << q << " starts off the 18-line grid";
        }
        EXPECT_EQ(blocks, SECTORS) << q;
    }
}

TEST(WholeRunPackets, PLayoutHasOneHeadingPerPacketAndFormFeedsBetweenPages) {
    BankRun b;
    const std::string qui = runLayout(b, 'P');
    ASSERT_FALSE(qui.empty());
    EXPECT_EQ(qui.back(), '\f');  // the last packet ends with a form feed and no line end
    const auto ls = linesOf(qui);
    int headings = 0, pages = 0;
    for (const auto& l : ls) {
        if (l.find(" Style Quizzing ") != std::string::npos) {
            ++headings;
            EXPECT_EQ(l.size(), headings == 1 ? 78u : 79u) << l;  // later headings follow their form feed
            EXPECT_EQ(l.substr(l.size() - 13), "Quiz Number " + std::to_string(headings)) << l;
        }
        if (l.rfind("\fPage ", 0) == 0) ++pages;
    }
    EXPECT_EQ(headings, QUIZZES);
    EXPECT_GE(pages, QUIZZES);  // twenty questions do not fit on one page of 60 lines
    // Every form feed opens a page, the next packet, or ends the file.
    std::size_t feeds = 0;
    for (std::size_t i = 0; i < qui.size(); ++i) {
        if (qui[i] != '\f') continue;
        ++feeds;
        const std::string after = qui.substr(i + 1, 5);
        EXPECT_TRUE(after.empty() || after == "Page " || after == "L 1:1") << "at " << i << ": " << after;
    }
    EXPECT_EQ(feeds, static_cast<std::size_t>(QUIZZES + pages));
}

TEST(WholeRunPackets, TLayoutHasOneHeaderAndOnePageBreakPerPacket) {
    BankRun b;
    const auto ls = linesOf(runLayout(b, 'T'));
    ASSERT_EQ(ls.size(), static_cast<std::size_t>(QUIZZES * (SECTORS + 4)));
    for (int q = 1; q <= QUIZZES; ++q) {
        const std::size_t at = static_cast<std::size_t>((q - 1) * (SECTORS + 4));
        EXPECT_EQ(ls[at], "Quiz " + std::to_string(q) + "\t\tLay Style Quizzing\tL 1:1 to L 24:53");
        EXPECT_EQ(ls[at + 1], "");
        EXPECT_EQ(ls[at + 2], "Number\tType\tQuestion\tAnswer\tVerse");
        for (std::size_t x = 1; x <= SECTORS; ++x) {
            const std::string& row = ls[at + 2 + x];
            EXPECT_EQ(std::count(row.begin(), row.end(), '\t'), 4) << row;  // number, type, question, answer, verse
            EXPECT_EQ(row.back(), ')') << row;
        }
        EXPECT_EQ(ls[at + 3 + SECTORS], "<pb>");
    }
}
