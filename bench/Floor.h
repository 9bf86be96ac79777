#pragma once
// The floor a command is measured against: what no program doing its job can
// avoid. For a run, the same draws and re-seeds (replayed number for number
// from a recording of the run), reading the files it reads and writing the
// bytes it writes; for the other commands, another process doing the least
// (an empty C++ program, cat). Only CPU time is measured here (this thread's
// clock, or a child's user and system time from wait4): the machine has no
// performance counters, so instructions come from callgrind (docs/measurements.md).
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "SampleBank.h"

extern char** environ;

namespace tess::bench {

// Every draw the run asks for (its n) and every re-seed (-1), in order; the
// numbers are the fixed seed's own, as without the recording.
class RecordingRandom : public Random {
public:
    explicit RecordingRandom(std::uint64_t seed) : Random(seed, StandIn{}) {}
    std::vector<int> log;
    std::size_t reseeds() const { return static_cast<std::size_t>(std::count(log.begin(), log.end(), -1)); }

protected:
    int standInDraw(int n) override {
        log.push_back(n);
        return draw(n);
    }
    void standInReseed() override {
        log.push_back(-1);
        reseedGenerator();
    }
};

// The recording replayed on the plain generator; the sum keeps the draws.
inline std::uint64_t replayDraws(const std::vector<int>& log) {
    Random rnd(SEED);
    std::uint64_t sum = 0;
    for (const int n : log)
        if (n < 0)
            rnd.reseed();
        else
            sum += static_cast<std::uint64_t>(rnd(n));
    return sum;
}

// A file's bytes, read whole.
inline std::string readBytes(const std::string& path) {
    std::string s;
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return s;
    char buf[65536];
    for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;) s.append(buf, static_cast<std::size_t>(n));
    ::close(fd);
    return s;
}

// `bytes` written to `fd` in the program's 64 kB blocks, and `fd` closed.
inline bool writeAll(int fd, const std::string& bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + at, std::min<std::size_t>(65536, bytes.size() - at));
        if (n <= 0) {
            ::close(fd);
            return false;
        }
        at += static_cast<std::size_t>(n);
    }
    return ::close(fd) == 0;
}

// `bytes` written to `path` as the program writes a file: a new file in
// place of the old one (whose pages go with it), not the old one truncated,
// which costs half as much again.
inline void writeBytes(const std::string& path, const std::string& bytes) {
    ::unlink(path.c_str());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0 || !writeAll(fd, bytes)) throw std::runtime_error("cannot write " + path);
}

// The files of a folder whose time of last change moved between two looks:
// what a run wrote.
inline std::map<std::string, fs::file_time_type> changeTimes(const fs::path& dir) {
    std::map<std::string, fs::file_time_type> t;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.is_regular_file()) t[e.path().filename().string()] = e.last_write_time();
    return t;
}

// The CPU time (user and system, seconds) of a child running `args` in `dir`
// with its standard output at `out` (/dev/null unless given); -1 when it
// did not exit with status 0 or `okStatus`.
inline double childCpuSeconds(const std::vector<std::string>& args, const std::string& dir = ".",
                              const std::string& out = "/dev/null", int okStatus = 0) {
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addchdir_np(&fa, dir.c_str());
    posix_spawn_file_actions_addopen(&fa, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&fa, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int err = posix_spawn(&pid, argv[0], &fa, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    if (err != 0) return -1;
    int status = 0;
    rusage ru{};
    if (::wait4(pid, &status, 0, &ru) != pid) return -1;
    if (!WIFEXITED(status) || (WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != okStatus)) return -1;
    auto secs = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; };
    return secs(ru.ru_utime) + secs(ru.ru_stime);
}

}  // namespace tess::bench
