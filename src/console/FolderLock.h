#pragma once
// One run per folder. Two programs in one folder would write the same packet,
// list and pattern files and mix them, so the second one does not start.
//
// The lock is a file in the folder holding the owner's process id, kept
// locked (flock) while the program runs: a program that died without
// removing it leaves the file but not the lock, so its file is taken over
// with a note instead of blocking the folder for ever. The file is never
// opened through a link, and never written when it has other names.
#include <filesystem>
#include <string>

namespace tess {

inline constexpr const char* LOCK_FILE = "tessarin.lock";

class FolderLock {
public:
    explicit FolderLock(const std::filesystem::path& dir);
    ~FolderLock();  // removes the lock file when held
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False when another program holds the folder, or something that is not
    // a lock file of its own (a link, a folder, a file with other names)
    // stands at its name; message() says which. A read-only folder, where
    // nothing can be saved, is not refused.
    bool held() const { return fd_ >= 0 || !busy_; }
    // Why the folder is refused, or a note to give (a stale lock taken over,
    // a folder where no lock can be made); empty when there is nothing to say.
    const std::string& message() const { return message_; }

private:
    int fd_ = -1;
    bool busy_ = false;
    std::string path_, message_;
};

}  // namespace tess
