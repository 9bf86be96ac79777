#pragma once
// Whole runs on the sample bank: a scratch copy of data/luke, a style written
// into it and named in "temp2.txt", the in-memory screen with a key script and
// a fixed seed.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "specc9/Config.h"
#include "console/ScreenConsole.h"
#include "data/BankCheck.h"
#include "run/Driver.h"
#include "run/TempDir.h"

namespace tess::testing {

// Style file lines, 0-based: the index of each setting in a style's 29 lines.
namespace line {
constexpr std::size_t RANGE_BEGIN = 1, RANGE_END = 2, NAME4 = 3, LPP = 4, OUT = 5, QMAX = 6, REGLST = 7, IPC = 9,
                      INDX = 10, QNUM = 11, SEC1 = 12, REPEATPCT = 13, SPMAX = 14, SPMIN = 15, FMAX = 16, FMIN = 17,
                      RMAX = 18, RMIN = 19, OMAX = 20, OMIN = 21, SMAX = 22, SMIN = 23, SPEARLY = 25, SPLATE = 26;
}

inline const std::string BANK = TESS_SOURCE_DIR "/data/luke/";

// The 29 lines of a style of the sample bank.
inline std::vector<std::string> bankStyle(const std::string& name) {
    return bankcheck::readCrLfLines(BANK + name + ".spe", nullptr);
}

// No specialty of any kind: every position regular.
inline std::vector<std::string> allRegular(std::vector<std::string> s) {
    for (std::size_t i = line::SPMAX; i <= line::SMIN; ++i) s[i] = "0";
    return s;
}

// The in-memory screen, also watching for a text that is shown and replaced
// before any key is read.
class WatchingConsole : public ScreenConsole {
public:
    void watch(std::string text) {
        watched_ = std::move(text);
        seen_ = false;
    }
    bool seen() const { return seen_; }

protected:
    void present() override {
        if (!watched_.empty() && !seen_) seen_ = screenText().find(watched_) != std::string::npos;
    }

private:
    std::string watched_;
    bool seen_ = false;
};

struct BankRun {
    TempDir dir;
    WatchingConsole con;
    Random rnd;
    Program p{con, rnd, dir.path()};

    explicit BankRun(std::uint64_t seed = 20261207) : rnd(seed) {
        p.configure = useStoredStyle;  // the style named in temp2.txt, without the form
        for (const auto& e : std::filesystem::directory_iterator(BANK))
            std::filesystem::copy_file(e.path(), dir.path() / e.path().filename());
    }

    // Writes the style and names it in "temp2.txt".
    void style(const std::string& name, const std::vector<std::string>& lines) {
        dir.lines(name + ".spe", lines);
        dir.raw("temp2.txt", name + "\r\n");
    }
    // Names a style of the bank in "temp2.txt".
    void useStyle(const std::string& name) { dir.raw("temp2.txt", name + "\r\n"); }

    std::vector<std::string> fileLines(const std::string& name) const {
        return bankcheck::readCrLfLines(dir.file(name), nullptr);
    }
};

// The rows of a screen text (rows 1..25 at 0..24).
inline std::vector<std::string> screenRows(const std::string& screen) {
    std::vector<std::string> rows;
    for (std::size_t at = 0, nl; (nl = screen.find('\n', at)) != std::string::npos; at = nl + 1)
        rows.push_back(screen.substr(at, nl - at));
    return rows;
}

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
