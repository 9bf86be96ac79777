#pragma once
// The sample bank and styles a working folder starts from: where they are
// found, and copying them into a folder without touching what is there.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tess {

// Where the samples may be, in the order they are tried. Each is a folder
// of samples, one subfolder per material (luke/, james/...), or one sample
// itself (a folder holding a Specs.lst), which goes by its folder's name.
struct SampleCandidates {
    std::string fromEnvironment;                // TESSARIN_DATA; when set, the only one tried
    std::vector<std::filesystem::path> others;  // beside the program, its install prefix, the source tree
};

// The material `init` copies when none is named.
inline constexpr const char* DEFAULT_MATERIAL = "luke";

// The candidates of this program: TESSARIN_DATA, then share/tessarin
// beside the running executable (an install moved with --prefix or a
// package), the install prefix it was built with, and data/ of the source
// tree it was built from.
SampleCandidates sampleCandidates();

struct Sample {
    std::string material;  // the folder's name: what `init --material` takes
    std::filesystem::path dir;
};

// The samples of the first candidate that holds any, sorted by material. A
// TESSARIN_DATA that holds none is not passed over: the user asked for it.
std::vector<Sample> findSamples(const SampleCandidates& c);

// The sample of `material` among those, or nothing. With no material named:
// Luke's, or the only sample there is.
std::optional<std::filesystem::path> findSample(const SampleCandidates& c,
                                                const std::optional<std::string>& material = std::nullopt);

// The book names of a sample, from its book file (Books.txt); a sample
// without one is Luke.
std::vector<std::string> sampleBooks(const std::filesystem::path& sample);

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
