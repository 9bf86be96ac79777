// One run per folder: a second program is refused while the first holds the
// folder; a lock file left by a program that died is taken over with a note.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "console/FolderLock.h"
#include "support/Fixture.h"

using namespace tess;
using tess::testing::ScratchDir;

TEST(FolderLock, ASecondProgramIsRefusedUntilTheFirstEnds) {
    ScratchDir dir;
    {
        FolderLock first(dir.path());
        ASSERT_TRUE(first.held());
        EXPECT_EQ(first.message(), "");
        FolderLock second(dir.path());
        EXPECT_FALSE(second.held());
        EXPECT_EQ(second.message(), "a run is in progress in " + dir.path().string() + " (process " +
                                        std::to_string(::getpid()) +
                                        ", lock file tessarin.lock); this program does not start there.");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file(LOCK_FILE)));  // removed on the way out
    FolderLock again(dir.path());
    EXPECT_TRUE(again.held());
}

TEST(FolderLock, TheLockOfAProgramThatDiedIsTakenOverWithANote) {
    ScratchDir dir;
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);  // a process id that no longer runs
    dir.raw(LOCK_FILE, std::to_string(child) + "\n");
    FolderLock lock(dir.path());
    ASSERT_TRUE(lock.held());
    EXPECT_EQ(lock.message(), "took over the lock file tessarin.lock in " + dir.path().string() + " left by process " +
                                  std::to_string(child) + ", which is no longer running.");
    EXPECT_EQ(dir.read(LOCK_FILE), std::to_string(::getpid()) + "\n");
}
