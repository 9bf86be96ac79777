#pragma once
// A program context for the pattern tests: in-memory screen, fixed or
// scripted draws, and a fresh working directory.
#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "console/ScreenConsole.h"
#include "core/Program.h"

namespace tess::testing {

inline std::filesystem::path freshDir(const std::string& tag) {
    static std::atomic<int> serial{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    auto dir = std::filesystem::temp_directory_path() /
               ("tess_patterns_" + tag + "_" + std::to_string(stamp) + "_" + std::to_string(++serial));
    std::filesystem::create_directories(dir);
    return dir;
}

struct PatternBench {
    explicit PatternBench(std::unique_ptr<Random> r = std::make_unique<Random>(7), const std::string& tag = "t")
        : rnd(std::move(r)), dir(freshDir(tag)), p(con, *rnd, dir) {
        // A plain random style: 4..8 specialties anywhere in 1..20.
        Specc9& c = p.cfg;
        c.QMAX = 20;
        c.QNUM = 10;
        c.SPMIN = 4, c.SPMAX = 8;
        c.FMIN = 1, c.FMAX = 3;
        c.RMIN = 1, c.RMAX = 2;
        c.OMIN = 0, c.OMAX = 2;
        c.SMIN = 0, c.SMAX = 2;
        c.SPEARLY = 1, c.SPLATE = 20;
        c.TYP = std::string(30, 'n');
        p.shared.SETSPC = 'N';
    }
    ~PatternBench() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    ScreenConsole con;
    std::unique_ptr<Random> rnd;
    std::filesystem::path dir;
    Program p;
};

}  // namespace tess::testing
