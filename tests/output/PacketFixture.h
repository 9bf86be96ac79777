#pragma once
// A hand-made quiz state, written with OPUT to a temporary packet file and
// read back as lines.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "console/ScreenConsole.h"
#include "output/Continuation.h"
#include "output/PacketWriter.h"
#include "core/Program.h"

namespace tess::testing {

inline std::filesystem::path uniqueTempDir(const char* tag) {
    static std::atomic<int> n{0};
    auto d = std::filesystem::temp_directory_path() /
             (std::string("tess_") + tag + "_" + std::to_string(::getpid()) + "_" + std::to_string(n++));
    std::filesystem::create_directories(d);
    return d;
}

inline std::string blanks(std::size_t n) { return std::string(n, ' '); }

// Splits on CR LF; a piece after the last line end (the p layout's form
// feed) is kept as a last element.
inline std::vector<std::string> splitLines(const std::string& s) {
    std::vector<std::string> out;
    std::size_t at = 0;
    for (;;) {
        const std::size_t e = s.find("\r\n", at);
        if (e == std::string::npos) break;
        out.push_back(s.substr(at, e - at));
        at = e + 2;
    }
    if (at < s.size()) out.push_back(s.substr(at));
    return out;
}

class PacketTest : public ::testing::Test {
protected:
    PacketTest() : dir(uniqueTempDir("packet")), p(con, rnd, dir) {
        auto& r = p.run;
        r.NAME = "Berean";
        r.Q2 = 1;
        r.BCHAP = 1;
        r.BVER = 1;
        r.ECHAP = 24;
        r.EVER = 53;
        r.AB = 20;
        r.LPP = 60;
        r.OUT = 'c';
    }
    ~PacketTest() override {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    // Appends a slot of the given kind holding the bank line (split into its
    // two strings the way the pickers read it).
    void slot(char kind, const std::string& line) {
        auto& r = p.run;
        const int x = ++r.SECTORS;
        pattern += kind;
        r.ALL[x] = line.substr(0, LMAX);
        r.ALL2[x] = line.size() > LMAX ? line.substr(LMAX) : std::string(" ");
        r.RLBK[x] = 'L';
    }

    std::string write() {
        const std::string path = p.file("packet.qui");
        p.run.TYP = pattern;
        p.run.packetFile.create(path);
        OPUT(p);
        p.run.packetFile.close();
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    std::vector<std::string> lines() { return splitLines(write()); }

    // The line buffer of a slot, set by hand for the continuation printers.
    void setBuffer(const std::string& text) {
        for (int i = 1; i <= A2LEN; ++i)
            p.run.A2[i] = static_cast<std::size_t>(i) <= text.size() ? text[static_cast<std::size_t>(i - 1)] : ' ';
    }
    // Runs a continuation printer from `mark` into the packet file.
    std::vector<std::string> printRest(void (*printer)(Program&), int mark) {
        const std::string path = p.file("rest.txt");
        p.run.packetFile.create(path);
        p.run.MARK1 = mark;
        p.run.X5 = 0;
        p.run.LINES = 0;
        printer(p);
        p.run.packetFile.close();
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return splitLines(ss.str());
    }

    ScreenConsole con;
    Random rnd{1};
    std::filesystem::path dir;
    Program p;
    std::string pattern;
};

}  // namespace tess::testing
