#include "console/FileLines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tess {

std::shared_ptr<const FileBytes> readFileBytes(const std::string& path) {
    // Not blocking: a pipe is refused, not waited on.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int err = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        errno = err;
        return nullptr;
    }
    auto file = std::make_shared<FileBytes>();
    auto& [data, size] = *file;
    // Read into place at the size the file had; what it grew by since, into
    // a larger block.
    std::size_t room = static_cast<std::size_t>(st.st_size) + 1;
    data = std::make_unique_for_overwrite<char[]>(room);
    for (;;) {
        if (size == room) {
            room *= 2;
            auto larger = std::make_unique_for_overwrite<char[]>(room);
            std::memcpy(larger.get(), data.get(), size);
            data = std::move(larger);
        }
        const ssize_t n = ::read(fd, data.get() + size, room - size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            errno = err;
            return nullptr;
        }
        if (n == 0) break;
        size += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return file;
}

bool FileLines::open(const std::string& path) {
    open(readFileBytes(path));
    return isOpen();
}

void FileLines::open(std::shared_ptr<const FileBytes> bytes) {
    file_ = std::move(bytes);
    at_ = line_ = 0;
}

}  // namespace tess
