#pragma once
// The sample bank and styles a working folder starts from: where they are
// found, and copying them into a folder without touching what is there.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tess {

// Where the sample may be, in the order they are tried.
struct SampleCandidates {
    std::string fromEnvironment;                // TESSARIN_DATA; when set, the only one tried
    std::vector<std::filesystem::path> others;  // beside the program, its install prefix, the source tree
};

// The candidates of this program: TESSARIN_DATA, then share/tessarin/luke
// beside the running executable (an install moved with --prefix or a
// package), the install prefix it was built with, and data/luke of the
// source tree it was built from.
SampleCandidates sampleCandidates();

// The first candidate folder that holds a style list (Specs.lst). A
// TESSARIN_DATA that does not is not passed over: the user asked for it.
std::optional<std::filesystem::path> findSample(const SampleCandidates& c);

struct CopyReport {
    std::vector<std::string> copied;  // file names, sorted
    std::vector<std::string> kept;    // already in the folder, left as they were
};

// Copies every file of `sample` into `dir` (made if missing) that `dir` does
// not have yet. A file is copied under a temporary name and linked into
// place, so a failed copy leaves no half file and an existing one is never
// replaced. Throws std::runtime_error naming the file on failure (a
// FileError, with its folder and reason, when a copy cannot be written).
CopyReport copySample(const std::filesystem::path& sample, const std::filesystem::path& dir);

// True when `dir` has neither a style list nor a starting style: a folder
// the full-screen program would show as an empty menu.
bool isEmptyWorkingFolder(const std::filesystem::path& dir);

}  // namespace tess
