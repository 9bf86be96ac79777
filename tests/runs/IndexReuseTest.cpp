// INDX "N" reuses the count file without reading the bank; "Y" builds it anew.
#include <filesystem>

#include "runs/BankRun.h"

using namespace tess;
using namespace tess::testing;

namespace {

const char* const BANK_FILES[] = {"Luke.A", "FTV.79", "cv.b", "co.b", "SIT.TXT"};  // Book20's material

// One run of the style to the verse table, left with Esc; the regular total it
// showed, or -1. Whether the index build was announced is in b.con.seen().
int runToTable(BankRun& b) {
    b.con.watch("  Creating index of questions...");
    b.con.enter().esc();  // the pattern review, Esc at the table
    EXPECT_TRUE(restarts(b.p, [&] { runOnce(b.p); }));
    EXPECT_EQ(b.con.keysLeft(), 0u);
    int total = -1;
    const std::string& atTable = b.con.snapshots().back();
    const auto at = atTable.find("  Regular Questions: ");
    if (at != std::string::npos) std::sscanf(atTable.c_str() + at, "  Regular Questions: %d", &total);
    return total;
}

}  // namespace

TEST(IndexRun, NoReindexReadsTheCountFileAndNotTheBank) {
    BankRun b;
    auto style = bankStyle("Book20");
    style[line::INDX] = "Y";
    b.style("Idx", style);

    const int built = runToTable(b);
    EXPECT_TRUE(b.con.seen());
    EXPECT_EQ(built, static_cast<int>(b.fileLines("Luke.A").size()));
    auto count = b.fileLines("count.79A");
    ASSERT_EQ(count.size(), 2040u);
    const auto asBuilt = count;

    // "N": the count file as it stands is what the run uses, so an edit shows,
    // and the bank files are never opened.
    int q1 = 0, rest[4];
    ASSERT_EQ(std::sscanf(count[0].c_str(), "1 1 %d %d %d %d %d", &q1, &rest[0], &rest[1], &rest[2], &rest[3]), 5);
    count[0] = "1 1 " + std::to_string(q1 + 100) + " " + std::to_string(rest[0]) + " " + std::to_string(rest[1]) + " " +
               std::to_string(rest[2]) + " " + std::to_string(rest[3]);
    b.dir.lines("count.79A", count);
    for (const char* f : BANK_FILES) std::filesystem::remove(b.dir.file(f));
    style[line::INDX] = "N";
    b.style("Idx", style);
    EXPECT_EQ(runToTable(b), built + 100);
    EXPECT_FALSE(b.con.seen());
    EXPECT_EQ(b.fileLines("count.79A"), count);

    // "Y": built anew from the bank, whatever the count file held.
    for (const char* f : BANK_FILES) std::filesystem::copy_file(BANK + f, b.dir.file(f));
    style[line::INDX] = "Y";
    b.style("Idx", style);
    EXPECT_EQ(runToTable(b), built);
    EXPECT_TRUE(b.con.seen());
    EXPECT_EQ(b.fileLines("count.79A"), asBuilt);
}
