#include "app/Workspace.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "console/TextFile.h"

namespace fs = std::filesystem;

namespace tess {

namespace {

// Where the samples sit below an install prefix.
#ifdef TESS_SAMPLE_BELOW_PREFIX
const fs::path SAMPLE_BELOW_PREFIX = TESS_SAMPLE_BELOW_PREFIX;
#else
const fs::path SAMPLE_BELOW_PREFIX = fs::path("share") / "tessarin";
#endif

fs::path runningExecutable() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe;
}

}  // namespace

SampleCandidates sampleCandidates() {
    SampleCandidates c;
    if (const char* env = std::getenv("TESSARIN_DATA")) c.fromEnvironment = env;
    if (const fs::path exe = runningExecutable(); !exe.empty())
        c.others.push_back(exe.parent_path().parent_path() / SAMPLE_BELOW_PREFIX);
#ifdef TESS_INSTALL_SAMPLES
    c.others.push_back(fs::path(TESS_INSTALL_SAMPLES));
#endif
#ifdef TESS_SOURCE_SAMPLES
    c.others.push_back(fs::path(TESS_SOURCE_SAMPLES));
#endif
    return c;
}

namespace {

bool holdsSample(const fs::path& d) {
    std::error_code ec;
    return fs::is_regular_file(d / "Specs.lst", ec);
}

// The samples one candidate holds: itself, or its subfolders that are samples.
std::vector<Sample> samplesIn(const fs::path& d) {
    std::vector<Sample> out;
    if (holdsSample(d)) {
        out.push_back({d.filename().empty() ? d.parent_path().filename().string() : d.filename().string(), d});
        return out;
    }
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(d, ec))
        if (std::error_code isDir; e.is_directory(isDir) && holdsSample(e.path()))
            out.push_back({e.path().filename().string(), e.path()});
    std::sort(out.begin(), out.end(), [](const Sample& a, const Sample& b) { return a.material < b.material; });
    return out;
}

}  // namespace

std::vector<Sample> findSamples(const SampleCandidates& c) {
    if (!c.fromEnvironment.empty()) return samplesIn(fs::path(c.fromEnvironment));
    for (const fs::path& d : c.others)
        if (auto s = samplesIn(d); !s.empty()) return s;
    return {};
}

std::optional<fs::path> findSample(const SampleCandidates& c, const std::optional<std::string>& material) {
    const std::vector<Sample> samples = findSamples(c);
    // A lone sample (TESSARIN_DATA naming one folder) is the default whatever its name.
    if (!material && samples.size() == 1) return samples.front().dir;
    const std::string want = material.value_or(DEFAULT_MATERIAL);
    for (const Sample& s : samples)
        if (s.material == want) return s.dir;
    return std::nullopt;
}

std::vector<std::string> sampleBooks(const fs::path& sample) {
    std::ifstream in(sample / "Books.txt");
    if (!in) return {"Luke"};
    std::vector<std::string> books;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string letter, name;
        if (!(words >> letter >> name) || letter[0] == '#' || letter == "skip") continue;
        books.push_back(name);
    }
    return books;
}

CopyReport copySample(const fs::path& sample, const fs::path& dir) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (std::error_code isDir; !fs::is_directory(dir, isDir))
        throw std::runtime_error("cannot make the folder " + dir.string() + " (" +
                                 (ec ? ec : isDir ? isDir : std::make_error_code(std::errc::not_a_directory)).message() +
                                 ")");
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(sample, ec))
        if (std::error_code regular; e.is_regular_file(regular)) files.push_back(e.path());
    if (ec) throw std::runtime_error("cannot read " + sample.string() + ": " + ec.message());
    std::sort(files.begin(), files.end());

    CopyReport r;
    for (const fs::path& from : files) {
        const std::string name = from.filename().string();
        const fs::path to = dir / name;
        if (fs::exists(fs::symlink_status(to, ec))) {
            r.kept.push_back(name);
            continue;
        }
        std::ifstream in(from, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (!in.is_open() || in.bad()) throw std::runtime_error("cannot read " + from.string() + ": " + std::strerror(errno));
        // Written as every file of the program is (console/TextFile.h): a
        // full disk or a file-size limit is told with its reason, and the
        // unfinished copy goes with a signal too.
        TextWriter w;
        if (!w.createStaged(to.string())) throw FileError(to.string(), "created", errno);
        w.write(bytes);
        if (w.commitIfAbsent())
            r.copied.push_back(name);
        else
            r.kept.push_back(name);  // appeared meanwhile
    }
    return r;
}

bool isEmptyWorkingFolder(const fs::path& dir) {
    std::error_code ec;
    return !fs::exists(dir / "Specs.lst", ec) && !fs::exists(dir / "New.spe", ec);
}

}  // namespace tess
