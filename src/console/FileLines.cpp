#include "console/FileLines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tess {

bool FileLines::open(const std::string& path) {
    bytes_.clear();
    at_ = line_ = 0;
    open_ = false;
    // Not blocking: a pipe is refused, not waited on.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int err = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        errno = err;
        return false;
    }
    // Read into place at the size the file had; what it grew by since, after.
    bytes_.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    char more[1 << 16];
    for (;;) {
        const bool inPlace = got < bytes_.size();
        const ssize_t n = inPlace ? ::read(fd, bytes_.data() + got, bytes_.size() - got) : ::read(fd, more, sizeof more);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            bytes_.clear();
            errno = err;
            return false;
        }
        if (n == 0) break;
        if (!inPlace) bytes_.append(more, static_cast<std::size_t>(n));
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes_.resize(got);
    open_ = true;
    return true;
}

}  // namespace tess
