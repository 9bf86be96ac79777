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

    // A number that belongs to a running process by now is not said to be gone.
    ScratchDir other;
    other.raw(LOCK_FILE, std::to_string(::getppid()) + "\n");
    FolderLock taken(other.path());
    ASSERT_TRUE(taken.held());
    EXPECT_EQ(taken.message(), "took over the lock file tessarin.lock in " + other.path().string() +
                                   " left by process " + std::to_string(::getppid()) + ", which no longer holds it.");
}

// Anything at the lock's name that is not a plain file of its own refuses
// the folder (two programs would otherwise run side by side), and nothing is
// written through it: a link is not followed, a file with another name is
// not truncated.
TEST(FolderLock, ALinkAFolderOrAFileWithOtherNamesAtTheLocksNameRefusesTheFolder) {
    ScratchDir dir, outside;
    outside.raw("precious", "keep me\n");
    struct Case {
        const char* what;
        void (*plant)(const ScratchDir& dir, const ScratchDir& outside);
        const char* told;
    };
    const Case cases[] = {
        {"a folder", [](const ScratchDir& d, const ScratchDir&) { std::filesystem::create_directory(d.file(LOCK_FILE)); },
         "is a folder"},
        {"a symbolic link",
         [](const ScratchDir& d, const ScratchDir& o) {
             std::filesystem::create_symlink(o.file("precious"), d.file(LOCK_FILE));
         },
         "is a symbolic link"},
        {"a hard link",
         [](const ScratchDir& d, const ScratchDir& o) {
             std::filesystem::create_hard_link(o.file("precious"), d.file(LOCK_FILE));
         },
         "has other names"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(dir.file(LOCK_FILE));
        c.plant(dir, outside);
        {
            FolderLock lock(dir.path());
            EXPECT_FALSE(lock.held());
            EXPECT_NE(lock.message().find("the lock file tessarin.lock in " + dir.path().string() + " " + c.told),
                      std::string::npos)
                << lock.message();
            EXPECT_NE(lock.message().find("this program does not start there."), std::string::npos);
        }
        EXPECT_EQ(outside.read("precious"), "keep me\n");
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(dir.file(LOCK_FILE))));  // left alone
    }
}
