#pragma once
// Small hand-made banks in a temporary directory, and a program context on
// the in-memory screen, for the material tests.
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "console/Random.h"
#include "console/ScreenConsole.h"
#include "core/Book.h"
#include "core/Program.h"
#include "run/TempDir.h"

namespace tess::testing {

inline void writeLines(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const auto& l : lines) out << l << "\r\n";
}

inline std::vector<std::string> readLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string l;
    while (std::getline(in, l)) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        lines.push_back(l);
    }
    return lines;
}

// A bank line "cc:vv<TAB>text" with the chapter and verse right-aligned.
inline std::string bankLine(int ch, int v, const std::string& text = "Who spoke?") {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%2d:%2d\t", ch, v);
    return buf + text;
}

struct MaterialProgram {
    ScreenConsole con;
    Random rnd{1};
    Program p;
    explicit MaterialProgram(const std::filesystem::path& dir = ".") : p(con, rnd, dir) {
        for (int ch = 1; ch <= 24; ++ch) p.run.EVS[ch] = bookVerses(ch);
        auto& r = p.run;
        r.REGFILE = "Luke.A";
        r.FTVFILE = "FTV.00";
        r.CVFILE = "cv.b";
        r.COFILE = "co.b";
        r.SITFILE = "SIT.TXT";
        r.COUNTFILE = "count.00A";
        r.INDX = 'Y';
    }
    void range(int bc, int bv, int ec, int ev) {
        p.run.BCHAP = bc;
        p.run.BVER = bv;
        p.run.ECHAP = ec;
        p.run.EVER = ev;
    }
};

}  // namespace tess::testing
