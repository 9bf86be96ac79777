#include "support/ScratchDir.h"

#include <unistd.h>

#include <atomic>
#include <fstream>

#include "support/Luke.h"

namespace tess::testing {

ScratchDir::ScratchDir() {
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() / ("tess-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void ScratchDir::raw(const std::string& name, const std::string& bytes) const {
    std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
    out << bytes;
}

void ScratchDir::lines(const std::string& name, const std::vector<std::string>& ls, const std::string& end,
                       bool lastEnd) const {
    std::string s;
    for (std::size_t i = 0; i < ls.size(); ++i) {
        s += ls[i];
        if (i + 1 < ls.size() || lastEnd) s += end;
    }
    raw(name, s);
}

std::string ScratchDir::read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> ScratchDir::readLines(const std::string& name) const { return splitLines(read(name)); }

std::map<std::string, std::string> ScratchDir::files() const {
    std::map<std::string, std::string> all;
    for (const auto& e : fs::directory_iterator(path_))
        all[e.path().filename().string()] = read(e.path().filename().string());
    return all;
}

void ScratchDir::verses(int lineCount) const {
    std::vector<std::string> ls;
    for (int ch = 1; ch <= lineCount; ++ch) ls.push_back(std::to_string(ch <= LUKE_CHAPTERS ? lukeVerses(ch) : 0));
    lines("Verses.txt", ls);
}

void ScratchDir::copySampleBank() const {
    for (const auto& e : fs::directory_iterator(BANK))
        if (e.is_regular_file()) fs::copy_file(e.path(), path_ / e.path().filename());
}

std::vector<std::string> splitLines(const std::string& s) {
    std::vector<std::string> out;
    std::size_t at = 0;
    for (std::size_t e; (e = s.find("\r\n", at)) != std::string::npos; at = e + 2) out.push_back(s.substr(at, e - at));
    if (at < s.size()) out.push_back(s.substr(at));
    return out;
}

}  // namespace tess::testing
