#pragma once
// A scratch working directory, removed afterwards, and the helpers that lay
// down files in it. It needs no test framework, so the benchmarks and the
// fuzz harnesses make their folders with it too.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tess::testing {

namespace fs = std::filesystem;

// The sample bank and styles that ship with the program.
inline const std::string BANK = TESS_SOURCE_DIR "/data/luke/";

// A scratch working directory for one test, removed afterwards.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const fs::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

    // Writes bytes exactly as given.
    void raw(const std::string& name, const std::string& bytes) const;
    // Lines joined by `end`, the last one ended only when `lastEnd`.
    void lines(const std::string& name, const std::vector<std::string>& ls, const std::string& end = "\r\n",
               bool lastEnd = true) const;
    std::string read(const std::string& name) const;
    // The lines of a file split at CR LF (a piece after the last line end
    // kept); none when the file is missing.
    std::vector<std::string> readLines(const std::string& name) const;
    // Every file of the folder, by name.
    std::map<std::string, std::string> files() const;
    // The book's verse table, as the sample bank ships it (28 lines).
    void verses(int lineCount = 28) const;
    // Every file of the sample bank.
    void copySampleBank() const;

private:
    fs::path path_;
};

// Text split at CR LF; a piece after the last line end (the p layout's form
// feed) is kept as a last element.
std::vector<std::string> splitLines(const std::string& s);

}  // namespace tess::testing
