#pragma once
// Whole runs on the sample bank: the fixture over a scratch copy of
// data/luke, a style written into it and named in "temp2.txt", a key script
// and the fixed seed.
#include <cstdio>
#include <string>
#include <vector>

#include "run/Driver.h"
#include "specc9/Config.h"
#include "support/Fixture.h"

namespace tess::testing {

struct BankRun : Fixture {
    explicit BankRun(std::uint64_t seed = 20261207) : Fixture(seed) { sampleBankRun(); }
};

// One entry of the sector table as the screen shows it.
struct TableEntry {
    int s = 0, bc = 0, bv = 0, ec = 0, ev = 0, q = 0, f = 0, r = 0, o = 0, sit = 0;
};

// The sector table on a screen: the entries under the three header lines,
// left column first, in sector order.
inline std::vector<TableEntry> tableOnScreen(const std::string& screen) {
    const auto rows = screenRows(screen);
    std::vector<TableEntry> left, right;
    std::size_t r = 0;
    while (r < rows.size() && rows[r].rfind("  -- ------- -----", 0) != 0) ++r;
    for (++r; r < rows.size(); ++r) {
        auto parse = [](const std::string& part, TableEntry& e) {
            return std::sscanf(part.c_str(), "%d L %d:%d %d:%d %d %d %d %d %d", &e.s, &e.bc, &e.bv, &e.ec, &e.ev, &e.q,
                               &e.f, &e.r, &e.o, &e.sit) == 10;
        };
        TableEntry e;
        if (!parse(rows[r].substr(0, 38), e)) break;
        left.push_back(e);
        if (parse(rows[r].substr(38), e)) right.push_back(e);
    }
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

inline int regularSum(const std::vector<TableEntry>& t) {
    int n = 0;
    for (const auto& e : t) n += e.q;
    return n;
}

}  // namespace tess::testing
