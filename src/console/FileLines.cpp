#include "console/FileLines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tess {

bool FileLines::open(const std::string& path) {
    data_.reset();
    size_ = at_ = line_ = 0;
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
    // Read into place at the size the file had; what it grew by since, into
    // a larger block.
    std::size_t room = static_cast<std::size_t>(st.st_size) + 1;
    data_ = std::make_unique_for_overwrite<char[]>(room);
    for (;;) {
        if (size_ == room) {
            room *= 2;
            auto larger = std::make_unique_for_overwrite<char[]>(room);
            std::memcpy(larger.get(), data_.get(), size_);
            data_ = std::move(larger);
        }
        const ssize_t n = ::read(fd, data_.get() + size_, room - size_);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            data_.reset();
            size_ = 0;
            errno = err;
            return false;
        }
        if (n == 0) break;
        size_ += static_cast<std::size_t>(n);
    }
    ::close(fd);
    open_ = true;
    return true;
}

}  // namespace tess
