#include "console/FolderLock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "console/TextFile.h"

namespace tess {

namespace {

// The process id a lock file names (0 when it names none).
long ownerOf(int fd) {
    char buf[32] = {};
    const ssize_t n = ::pread(fd, buf, sizeof buf - 1, 0);
    if (n <= 0) return 0;
    return std::strtol(buf, nullptr, 10);
}

}  // namespace

FolderLock::FolderLock(const std::filesystem::path& dir) {
    path_ = (dir / LOCK_FILE).string();
    const std::string folder = folderOf(path_);
    auto refuse = [&](const std::string& why) {
        busy_ = true;
        message_ = "the lock file " + std::string(LOCK_FILE) + " in " + folder + " " + why +
                   "; this program does not start there.";
    };
    // Made and listed together, so a signal cannot leave it behind.
    const TempFileRegistry::SignalsHeld signalsHeld;
    // A few tries: the file may be removed by its owner between our open and
    // our lock, and a lock on a removed file guards nothing.
    for (int attempt = 0; attempt < 5; ++attempt) {
        // Never through a link; non-blocking, so a FIFO planted there cannot hold the program.
        const int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
        if (fd < 0) {
            const int e = errno;
            // A read-only folder: no second program can write there either,
            // so there is nothing for a lock to guard.
            if (e == EROFS || ((e == EACCES || e == EPERM) && ::access(dir.c_str(), W_OK) != 0)) {
                message_ = "no lock file can be made in " + folder + " (" + std::generic_category().message(e) +
                           "); nothing can be saved there.";
                return;
            }
            if (e == ELOOP)
                refuse("is a symbolic link, not this program's lock: remove it");
            else if (e == EISDIR)
                refuse("is a folder, not this program's lock: remove it");
            else
                refuse("cannot be opened (" + std::generic_category().message(e) + ")");
            return;
        }
        struct stat held {
        }, named{};
        if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode)) {
            ::close(fd);
            refuse("is not a plain file, not this program's lock: remove it");
            return;
        }
        // Another name of the same file would be truncated and written through.
        if (held.st_nlink > 1) {
            ::close(fd);
            refuse("has other names (hard links), so it is not this program's lock: remove it");
            return;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const long owner = ownerOf(fd);
            ::close(fd);
            busy_ = true;
            message_ = "a run is in progress in " + folder + " (process " + std::to_string(owner) + ", lock file " +
                       LOCK_FILE + "); this program does not start there.";
            return;
        }
        if (::lstat(path_.c_str(), &named) != 0 || held.st_ino != named.st_ino || held.st_dev != named.st_dev) {
            ::close(fd);
            continue;
        }
        if (const long stale = ownerOf(fd); stale != 0) {
            // The number may have been given to another process since.
            const bool running = stale > 0 && (::kill(static_cast<pid_t>(stale), 0) == 0 || errno == EPERM);
            message_ = "took over the lock file " + std::string(LOCK_FILE) + " in " + folder + " left by process " +
                       std::to_string(stale) + (running ? ", which no longer holds it." : ", which is no longer running.");
        }
        const std::string pid = std::to_string(::getpid()) + "\n";
        if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, pid.data(), pid.size(), 0) != static_cast<ssize_t>(pid.size())) {
            // Still locked, so still exclusive; only the owner's number is missing.
        }
        fd_ = fd;
        TempFileRegistry::add(path_);
        return;
    }
    busy_ = true;
    message_ = "the lock file " + std::string(LOCK_FILE) + " in " + folder +
               " keeps changing; this program does not start there.";
}

FolderLock::~FolderLock() {
    if (fd_ < 0) return;
    // Removed while still locked, so no other program can take the old file.
    const TempFileRegistry::SignalsHeld held;
    ::unlink(path_.c_str());
    TempFileRegistry::drop(path_);
    ::close(fd_);
}

}  // namespace tess
