#include "app/Workspace.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "console/TextFile.h"

namespace fs = std::filesystem;

namespace tess {

namespace {

// Where the sample sits below an install prefix.
#ifdef TESS_SAMPLE_BELOW_PREFIX
const fs::path SAMPLE_BELOW_PREFIX = TESS_SAMPLE_BELOW_PREFIX;
#else
const fs::path SAMPLE_BELOW_PREFIX = fs::path("share") / "tessarin" / "luke";
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
#ifdef TESS_INSTALL_SAMPLE
    c.others.push_back(fs::path(TESS_INSTALL_SAMPLE));
#endif
#ifdef TESS_SOURCE_SAMPLE
    c.others.push_back(fs::path(TESS_SOURCE_SAMPLE));
#endif
    return c;
}

std::optional<fs::path> findSample(const SampleCandidates& c) {
    std::error_code ec;
    auto holdsSample = [&](const fs::path& d) { return fs::is_regular_file(d / "Specs.lst", ec); };
    if (!c.fromEnvironment.empty()) {
        const fs::path d(c.fromEnvironment);
        return holdsSample(d) ? std::optional<fs::path>(d) : std::nullopt;
    }
    for (const fs::path& d : c.others)
        if (holdsSample(d)) return d;
    return std::nullopt;
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
