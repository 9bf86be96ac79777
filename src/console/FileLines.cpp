#include "console/FileLines.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>

namespace tess {

namespace {

constexpr std::size_t HUGE_PAGE = std::size_t{2} << 20;

// Room for `room` bytes (rounded up to what was given). A file of half a huge
// page or more goes into memory aligned to one and marked for huge pages:
// filling fresh memory 4 KB page by page cost more than the read itself (a
// 25 MB bank file: 6,000 page faults and 40 ms of CPU, against 16 faults and
// 7 ms). Where the system keeps no huge pages the mark does nothing.
std::unique_ptr<char[], FileBytes::Free> allocate(std::size_t& room) {
    char* p = nullptr;
    if (room < HUGE_PAGE / 2) {
        p = static_cast<char*>(std::malloc(room));
    } else {
        room = (room + HUGE_PAGE - 1) / HUGE_PAGE * HUGE_PAGE;
        p = static_cast<char*>(std::aligned_alloc(HUGE_PAGE, room));
#ifdef MADV_HUGEPAGE
        if (p) ::madvise(p, room, MADV_HUGEPAGE);
#endif
    }
    if (!p) throw std::bad_alloc();
    return std::unique_ptr<char[], FileBytes::Free>(p);
}

}  // namespace

std::shared_ptr<const FileBytes> readFileBytes(const std::string& path) {
    // Closed on every way out, keeping the errno the caller is told.
    struct Fd {
        int fd;
        ~Fd() {
            const int err = errno;
            if (fd >= 0) ::close(fd);
            errno = err;
        }
    } in{  // not blocking: a pipe is refused, not waited on
        ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (in.fd < 0) return nullptr;
    struct stat st {};
    if (::fstat(in.fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return nullptr;
    }
    auto file = std::make_shared<FileBytes>();
    auto& [data, size] = *file;
    // Read into place at the size the file had; what it grew by since, into
    // a larger block.
    std::size_t room = static_cast<std::size_t>(st.st_size) + 1;
    data = allocate(room);
    for (;;) {
        if (size == room) {
            room *= 2;
            auto larger = allocate(room);
            std::memcpy(larger.get(), data.get(), size);
            data = std::move(larger);
        }
        const ssize_t n = ::read(in.fd, data.get() + size, room - size);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return nullptr;
        if (n == 0) break;
        size += static_cast<std::size_t>(n);
    }
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
