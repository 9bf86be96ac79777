#include "app/Workspace.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <system_error>

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
    if (!fs::is_directory(dir)) throw std::runtime_error("cannot make the folder " + dir.string());
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(sample, ec))
        if (e.is_regular_file()) files.push_back(e.path());
    if (ec) throw std::runtime_error("cannot read " + sample.string() + ": " + ec.message());
    std::sort(files.begin(), files.end());

    CopyReport r;
    const fs::path tmp = dir / ".tessarin-init.part";
    for (const fs::path& from : files) {
        const std::string name = from.filename().string();
        const fs::path to = dir / name;
        if (fs::exists(fs::symlink_status(to))) {
            r.kept.push_back(name);
            continue;
        }
        fs::remove(tmp, ec);
        if (!fs::copy_file(from, tmp, ec))
            throw std::runtime_error("cannot copy " + name + " into " + dir.string() + ": " + ec.message());
        // link() fails rather than replace a file that appeared meanwhile; a
        // file system without hard links gets a rename after a last look.
        int linked = ::link(tmp.c_str(), to.c_str());
        int why = errno;
        if (linked != 0 && why != EEXIST && !fs::exists(fs::symlink_status(to))) {
            linked = ::rename(tmp.c_str(), to.c_str());
            why = errno;
        }
        fs::remove(tmp, ec);
        if (linked != 0 && why == EEXIST) {
            r.kept.push_back(name);
            continue;
        }
        if (linked != 0) throw std::runtime_error("cannot write " + to.string() + ": " + std::strerror(why));
        r.copied.push_back(name);
    }
    return r;
}

bool isEmptyWorkingFolder(const fs::path& dir) {
    std::error_code ec;
    return !fs::exists(dir / "Specs.lst", ec) && !fs::exists(dir / "New.spe", ec);
}

}  // namespace tess
