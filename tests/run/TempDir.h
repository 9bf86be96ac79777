#pragma once
// A scratch working directory for one test, removed afterwards, with small
// writers for the run's settings files.
#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "core/Book.h"

namespace tess::testing {

class TempDir {
public:
    TempDir() {
        static std::atomic<int> counter{0};
        path_ = std::filesystem::temp_directory_path() /
                ("tess-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

    // Writes bytes exactly as given.
    void raw(const std::string& name, const std::string& bytes) const {
        std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    // Lines joined by `end`, the last one ended only when `lastEnd`.
    void lines(const std::string& name, const std::vector<std::string>& ls, const std::string& end = "\r\n",
               bool lastEnd = true) const {
        std::string s;
        for (std::size_t i = 0; i < ls.size(); ++i) {
            s += ls[i];
            if (i + 1 < ls.size() || lastEnd) s += end;
        }
        raw(name, s);
    }
    std::string read(const std::string& name) const {
        std::ifstream in(file(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // The book's verse table, as the sample bank ships it (28 lines).
    void verses(int lineCount = 28) const {
        std::vector<std::string> ls;
        for (int ch = 1; ch <= lineCount; ++ch) ls.push_back(std::to_string(ch <= CHMAX ? bookVerses(ch) : 0));
        lines("Verses.txt", ls);
    }

private:
    std::filesystem::path path_;
};

// The 29 lines of a plain style: chapter 1:1-3:38, 20 questions, 10 quizzes,
// verse sectoring, no specialties. Tests change single lines.
inline std::vector<std::string> plainStyle() {
    return {" ",   "1 1", "3 38", "QUIZ1", "60", "C", "20", "A", "16", "50", "N", "10", "V", "0", "0",
            "0",   "0",   "0",    "0",     "0",  "0", "0", "0", "0", "100", "1", "30", "N",
            std::string(30, 'n')};
}

}  // namespace tess::testing
