#include "console/TextFile.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>

namespace tess {

bool TextReader::open(const std::string& path) {
    in_.close();
    in_.clear();
    line_ = 0;
    // A folder would read as an empty file, and a pipe or a device would
    // hold the program until something is written to it.
    std::error_code ec;
    const auto st = std::filesystem::status(path, ec);
    if (!ec && !std::filesystem::is_regular_file(st)) {
        errno = std::filesystem::is_directory(st) ? EISDIR : EINVAL;
        return false;
    }
    in_.open(path, std::ios::binary);
    return in_.is_open();
}

bool TextReader::eof() {
    if (!in_.is_open()) return true;
    return in_.peek() == std::char_traits<char>::eof();
}

std::optional<std::string> TextReader::readLine(std::size_t bound, bool* wasLonger) {
    if (wasLonger) *wasLonger = false;
    if (eof()) return std::nullopt;
    ++line_;
    std::string s;
    bool dropped = false;
    if (bound == std::string::npos) {
        std::getline(in_, s, '\n');
    } else {
        // Characters past the bound (and one more, for a CR ending) are not
        // kept, so a file without line ends cannot fill memory; the rest of
        // the line is skipped unread.
        const std::size_t keep = bound + 1;
        buf_.resize(keep + 1);
        in_.getline(buf_.data(), static_cast<std::streamsize>(keep + 1), '\n');
        const bool endFound = !in_.fail() && !in_.eof();
        // The count holds the line end when one was taken; a NUL byte in the
        // line is kept like any other character.
        s.assign(buf_.data(), static_cast<std::size_t>(in_.gcount() - (endFound ? 1 : 0)));
        if (in_.fail() && !in_.eof()) {  // the buffer filled before the line end
            in_.clear();
            in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            dropped = true;
        }
    }
    if (in_.eof()) in_.clear(in_.rdstate() & ~std::ios::failbit);
    if (!dropped && !s.empty() && s.back() == '\r') s.pop_back();
    if (dropped || s.size() > bound) {
        s.resize(bound);
        if (wasLonger) *wasLonger = true;
    }
    return s;
}

namespace {

std::string baseName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

#ifdef TESS_WRITE_SEAM
// One injected failure at a time is all a test needs.
struct Injected {
    bool active = false;
    FileOp op = FileOp::Create;
    std::string name;  // empty: the nth operation of any kind fails
    long left = 0;     // operations still to pass before the nth
    int err = 0;
    std::string failed;
} g_injected;

// The error a real operation on `target` gave (`realErr`), or the injected one.
int injected(FileOp op, const std::string& target, int realErr) {
    Injected& i = g_injected;
    if (!i.active) return realErr;
    const bool hit = i.name.empty() ? --i.left == 0 : i.op == op && baseName(target) == i.name;
    if (!hit) return realErr;
    i.failed = baseName(target);
    return i.err;
}
#else
int injected(FileOp, const std::string&, int realErr) { return realErr; }
#endif

// A file made anew beside `target`: a unique name, created exclusively and
// never through a link. Returns the descriptor (its name in `temp`) or -1
// with errno set.
int createBeside(const std::string& target, std::string& temp) {
    static unsigned counter = 0;
    if (int e = injected(FileOp::Create, target, 0)) {
        errno = e;
        return -1;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target + "." + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".part";
        const TempFileRegistry::SignalsHeld held;
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            TempFileRegistry::add(temp);
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    errno = EEXIST;
    return -1;
}

// Renames the temporary file over its target and unlists it; returns the
// error, or zero. It stays listed until then, so a signal in between removes it.
int renameOver(const std::string& temp, const std::string& target) {
    if (int e = injected(FileOp::Rename, target, 0)) return e;
    const TempFileRegistry::SignalsHeld held;
    if (::rename(temp.c_str(), target.c_str()) != 0) return errno;
    TempFileRegistry::drop(temp);
    return 0;
}

void removeTemp(const std::string& temp) {
    const TempFileRegistry::SignalsHeld held;
    ::unlink(temp.c_str());
    TempFileRegistry::drop(temp);
}

}  // namespace

std::string folderOf(const std::string& path) {
    std::error_code ec;
    auto abs = std::filesystem::absolute(std::filesystem::path(path), ec);
    if (ec) abs = path;
    return abs.lexically_normal().parent_path().string();
}

FileError::FileError(const std::string& path, const char* doing, int err)
    : std::runtime_error(baseName(path) + " could not be " + doing + " in " + folderOf(path) + " (" +
                         std::generic_category().message(err) + ")."),
      file_(baseName(path)),
      folder_(folderOf(path)),
      reason_(std::generic_category().message(err)) {}

bool TextWriter::create(const std::string& path) {
    if (!createStaged(path)) return false;
    // Put in place at once: the run reads it back by name while it is written.
    if (int e = renameOver(temp_, path)) {
        abandon();
        errno = e;
        return false;
    }
    staged_ = false;
    return true;
}

bool TextWriter::createStaged(const std::string& path) {
    abandon();
    path_ = path;
    err_ = 0;
    used_ = 0;
    fd_ = createBeside(path, temp_);
    if (fd_ >= 0) buf_.resize(BLOCK);
    staged_ = fd_ >= 0;
    return fd_ >= 0;
}

bool TextWriter::append(const std::string& path) {
    abandon();
    path_ = path;
    err_ = 0;
    used_ = 0;
    int e = 0;
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd_ < 0) e = errno;
    if ((e = injected(FileOp::Create, path, e)) != 0) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        errno = e;
        return false;
    }
    buf_.resize(BLOCK);
    return true;
}

void TextWriter::fail(const char* doing, int err) {
    err_ = err;
    throw FileError(path_, doing, err);
}

void TextWriter::flushBuffer() {
    std::size_t done = 0;
    while (done < used_) {
        const ssize_t n = ::write(fd_, buf_.data() + done, used_ - done);
        int e = n < 0 ? errno : 0;
        if (e == EINTR) continue;
        if ((e = injected(FileOp::Write, path_, e)) != 0) {
            used_ = 0;
            fail("written", e);
        }
        done += static_cast<std::size_t>(n);
    }
    used_ = 0;
}

void TextWriter::put(std::string_view s, bool lineEnd) {
    if (fd_ < 0 || err_) return;
    std::string converted;
    if (windows1252_ && !isAscii(s)) s = converted = utf8ToWindows1252(s);
    for (const std::string_view part : {s, lineEnd ? std::string_view("\r\n") : std::string_view()}) {
        for (std::size_t done = 0; done < part.size();) {
            if (used_ == BLOCK) flushBuffer();
            const std::size_t n = std::min(part.size() - done, BLOCK - used_);
            std::memcpy(buf_.data() + used_, part.data() + done, n);
            used_ += n;
            done += n;
        }
    }
}

void TextWriter::close() {
    if (fd_ < 0) return;
    if (err_) {
        const int e = err_;
        abandon();
        throw FileError(path_, "written", e);
    }
    flushBuffer();
    // A staged file must be on the disk before it replaces the last good one.
    int e = staged_ && ::fsync(fd_) != 0 ? errno : 0;
    if (::close(fd_) != 0 && e == 0) e = errno;
    fd_ = -1;
    if ((e = injected(FileOp::Close, path_, e)) != 0) fail("written", e);
}

void TextWriter::commit() {
    close();
    if (!staged_) return;
    if (int e = renameOver(temp_, path_)) {
        abandon();
        throw FileError(path_, "put in place", e);
    }
    staged_ = false;
}

bool TextWriter::commitIfAbsent() {
    close();
    if (!staged_) return true;
    int e = injected(FileOp::Rename, path_, 0);
    if (e == 0 && ::link(temp_.c_str(), path_.c_str()) != 0) {
        // link() fails rather than replace a file; a file system without
        // hard links gets a rename after a last look.
        e = errno;
        std::error_code ec;
        if (e != EEXIST && !std::filesystem::exists(std::filesystem::symlink_status(path_, ec)) &&
            (e = renameOver(temp_, path_)) == 0) {
            staged_ = false;
            return true;
        }
    }
    abandon();  // the staged name goes; a link made is the file now
    if (e == EEXIST) return false;
    if (e != 0) throw FileError(path_, "put in place", e);
    return true;
}

void TextWriter::abandon() noexcept {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    used_ = 0;
    if (staged_) removeTemp(temp_);
    staged_ = false;
    windows1252_ = false;  // every file begins in the program's own UTF-8
}

std::optional<std::vector<std::string>> readAllLines(const std::string& path, std::size_t bound) {
    TextReader r;
    if (!r.open(path)) return std::nullopt;
    std::vector<std::string> lines;
    while (auto l = r.readLine(bound)) lines.push_back(std::move(*l));
    return lines;
}

WriteOutcome writeFileAtomic(const std::string& path, const std::vector<std::string>& lines, bool lastLineEnd) {
    WriteOutcome out;
    try {
        TextWriter w;
        if (!w.createStaged(path)) throw FileError(path, "created", errno);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i + 1 < lines.size() || lastLineEnd)
                w.writeln(lines[i]);
            else
                w.write(lines[i]);
        }
        w.commit();
    } catch (const FileError& e) {
        out.reason = e.reason();
        out.folder = e.folder();
    }
    return out;
}

namespace TempFileRegistry {
namespace {
// Fixed slots, so the signal path needs no allocation: 0 free, 1 being
// filled, 2 holds a path to remove.
constexpr int SLOTS = 16;
constexpr std::size_t PATH_ROOM = 4096;
std::atomic<int> g_state[SLOTS];
char g_paths[SLOTS][PATH_ROOM];
}  // namespace

void add(const std::string& path) {
    if (path.size() >= PATH_ROOM) return;
    for (int i = 0; i < SLOTS; ++i) {
        int expected = 0;
        if (!g_state[i].compare_exchange_strong(expected, 1)) continue;
        std::memcpy(g_paths[i], path.c_str(), path.size() + 1);
        g_state[i].store(2);
        return;
    }
}

void drop(const std::string& path) {
    for (int i = 0; i < SLOTS; ++i)
        if (g_state[i].load() == 2 && path == g_paths[i]) {
            g_state[i].store(0);
            return;
        }
}

SignalsHeld::SignalsHeld() noexcept {
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, &saved_);
}

SignalsHeld::~SignalsHeld() { pthread_sigmask(SIG_SETMASK, &saved_, nullptr); }

void removeAll() noexcept {
    for (int i = 0; i < SLOTS; ++i)
        if (g_state[i].load() == 2) {
            ::unlink(g_paths[i]);
            g_state[i].store(0);
        }
}
}  // namespace TempFileRegistry

#ifdef TESS_WRITE_SEAM
InjectedWriteFailure::InjectedWriteFailure(FileOp op, std::string name, int err) {
    g_injected = Injected{true, op, std::move(name), 0, err, {}};
}

InjectedWriteFailure::InjectedWriteFailure(long nth, int err) { g_injected = Injected{true, {}, {}, nth, err, {}}; }

InjectedWriteFailure::~InjectedWriteFailure() { g_injected = Injected{}; }

const std::string& InjectedWriteFailure::failed() const { return g_injected.failed; }
#endif

std::string whyUnreadable(const std::string& path) {
    std::error_code ec;
    const auto st = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(st)) return "it is a folder, not a file";
    if (!std::filesystem::exists(st)) return "it is missing";
    if (!std::filesystem::is_regular_file(st)) return "it is not a plain file (a pipe or a device)";
    std::ifstream in(path, std::ios::binary);
    if (in) return "it can be read now";
    return std::string("it cannot be read: ") + std::generic_category().message(errno);
}

bool fileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::vector<long> parseNumbers(std::string_view s) {
    std::vector<long> out;
    std::size_t i = 0;
    for (;;) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        if (i >= s.size()) break;
        std::size_t j = i;
        if (s[j] == '-' || s[j] == '+') ++j;
        std::size_t digits = j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j;
        if (j == digits) break;  // not a number: stop here
        if (j < s.size() && s[j] != ' ' && s[j] != '\t') break;
        long v = 0;
        bool neg = s[i] == '-';
        for (std::size_t k = digits; k < j; ++k) v = std::min(v * 10 + (s[k] - '0'), NUMBER_OVER);
        out.push_back(neg ? -v : v);
        i = j;
    }
    return out;
}

std::optional<long> parseNumber(std::string_view s) {
    auto v = parseNumbers(s);
    if (v.empty()) return std::nullopt;
    return v.front();
}

}  // namespace tess
