#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

#include "console/FileLines.h"
#include "console/Random.h"
#include "console/TextFile.h"
#include "support/Fixture.h"

using namespace tess;
namespace fs = std::filesystem;

namespace {

void writeRaw(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

std::string readRaw(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(TextFile, LineEndsOfEveryKindReadTheSame) {
    const tess::testing::ScratchDir d;
    const auto p = d.path() / "ends";
    for (const std::string bytes : {"one\r\ntwo\r\n", "one\ntwo\n", "one\r\ntwo", "one\ntwo"}) {
        writeRaw(p, bytes);
        auto lines = readAllLines(p.string());
        ASSERT_TRUE(lines);
        EXPECT_EQ(*lines, (std::vector<std::string>{"one", "two"})) << bytes;
    }
    fs::remove(p);
    EXPECT_FALSE(readAllLines(p.string()));
}

TEST(TextFile, TheRestOfAnOverlongLineIsNeverReadAsTheNextLine) {
    const tess::testing::ScratchDir d;
    const auto p = d.path() / "bound";
    writeRaw(p, std::string(600, 'x') + "\r\nnext\r\n");
    TextReader r(p.string());
    bool longer = false;
    EXPECT_EQ(r.readLine(508, &longer), std::string(508, 'x'));
    EXPECT_TRUE(longer);
    EXPECT_EQ(r.readLine(508, &longer), "next");
    EXPECT_FALSE(longer);
    EXPECT_EQ(r.lineNumber(), 2u);
    EXPECT_FALSE(r.readLine());
}

TEST(TextFile, ABoundedLineEndingInCrIsCutOnlyWhenItsTextIsLonger) {
    const tess::testing::ScratchDir d;
    const auto p = d.path() / "boundcr";
    // Exactly the bound before CR LF; one over; one over with no line end;
    // a long stretch with no line end at all.
    writeRaw(p, std::string(8, 'a') + "\r\n" + std::string(9, 'b') + "\r\n" + std::string(9, 'c') + "\n" +
                    std::string(1 << 20, 'd') + "\r");
    TextReader r(p.string());
    bool longer = true;
    EXPECT_EQ(r.readLine(8, &longer), std::string(8, 'a'));
    EXPECT_FALSE(longer);
    EXPECT_EQ(r.readLine(8, &longer), std::string(8, 'b'));
    EXPECT_TRUE(longer);
    EXPECT_EQ(r.readLine(8, &longer), std::string(8, 'c'));
    EXPECT_TRUE(longer);
    EXPECT_EQ(r.readLine(8, &longer), std::string(8, 'd'));
    EXPECT_TRUE(longer);
    EXPECT_FALSE(r.readLine());
    EXPECT_EQ(r.lineNumber(), 4u);
    // The bank readers' whole-file reader ends and cuts the same lines.
    TextReader again(p.string());
    FileLines whole(p.string());
    bool wholeLonger = false;
    while (const auto line = again.readLine(8, &longer)) {
        EXPECT_EQ(whole.readLine(8, &wholeLonger), std::string_view(*line));
        EXPECT_EQ(wholeLonger, longer);
    }
    EXPECT_FALSE(whole.readLine(8));
}

TEST(TextFile, WritesCrLfAndReplacesWholeFilesAtomically) {
    const tess::testing::ScratchDir d;
    const auto p = d.path() / "atomic";
    ASSERT_TRUE(writeFileAtomic(p.string(), {"a", "b"}));
    EXPECT_EQ(readRaw(p), "a\r\nb\r\n");
    ASSERT_TRUE(writeFileAtomic(p.string(), {"Exit"}, false));
    EXPECT_EQ(readRaw(p), "Exit");
    // A write that cannot happen leaves the old contents in place.
    EXPECT_FALSE(writeFileAtomic((p / "inside-a-file").string(), {"x"}));
    EXPECT_EQ(readRaw(p), "Exit");
}

// A link planted where a file is written is replaced, never written through;
// the temporary file of a writer is listed for the signal path until it is
// put in place, and removed when the writer is abandoned.
TEST(TextFile, NeverWritesThroughALinkAndLeavesNoTemporaryFile) {
    const tess::testing::ScratchDir d, outside;
    const auto dir = d.path();
    const auto victim = outside.path() / "victim";
    writeRaw(victim, "precious");
    fs::create_symlink(victim, dir / "style.spe");
    fs::create_symlink(victim, dir / "temp.txt");
    ASSERT_TRUE(writeFileAtomic((dir / "style.spe").string(), {"a"}));
    {
        TextWriter w;
        ASSERT_TRUE(w.create((dir / "temp.txt").string()));
        w.writeln("log");
        w.close();
    }
    {
        TextWriter w;
        ASSERT_TRUE(w.createStaged((dir / "run.qui").string()));
        w.writeln("unfinished");
        TempFileRegistry::removeAll();  // as a fatal signal would, skipping destructors
        for (const auto& e : fs::directory_iterator(dir)) EXPECT_NE(e.path().extension(), ".part");
    }
    EXPECT_EQ(readRaw(victim), "precious");
    EXPECT_EQ(readRaw(dir / "style.spe"), "a\r\n");
    EXPECT_EQ(readRaw(dir / "temp.txt"), "log\r\n");
    EXPECT_FALSE(fs::is_symlink(dir / "temp.txt"));
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"style.spe", "temp.txt"}));
}

// A pipe at a file's name would hold the reader until something writes to
// it: it is refused at once, and said to be no plain file.
TEST(TextFile, APipeAtAFilesNameIsRefusedNeverWaitedOn) {
    const tess::testing::ScratchDir d;
    ASSERT_EQ(::mkfifo(d.file("cv.b").c_str(), 0644), 0);
    TextReader r;
    EXPECT_FALSE(r.open(d.file("cv.b")));
    EXPECT_FALSE(FileLines().open(d.file("cv.b")));
    EXPECT_FALSE(readAllLines(d.file("cv.b")));
    EXPECT_EQ(whyUnreadable(d.file("cv.b")), "it is not a plain file (a pipe or a device)");
}

TEST(TextFile, TheFirstFailedWriteStopsTheWriterAndNamesFileFolderAndReason) {
    const tess::testing::ScratchDir d;
    const auto dir = d.path();
    const auto target = (dir / "run.qui").string();
    writeRaw(target, "old");
    TextWriter w;
    ASSERT_TRUE(w.createStaged(target));
    w.writeln("new");
    InjectedWriteFailure fault(FileOp::Write, "run.qui", ENOSPC);
    try {
        w.commit();
        FAIL() << "the failed write went unnoticed";
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "run.qui could not be written in " + dir.string() + " (No space left on device).");
    }
    EXPECT_FALSE(w.good());
    w.abandon();
    EXPECT_EQ(readRaw(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);
}

TEST(TextFile, NumbersAreReadInFreeFormat) {
    EXPECT_EQ(parseNumbers("  12 34\t-5"), (std::vector<long>{12, 34, -5}));
    EXPECT_EQ(parseNumbers("7 x 9"), (std::vector<long>{7}));
    EXPECT_EQ(parseNumbers("12abc"), (std::vector<long>{}));
    EXPECT_EQ(parseNumber("   99"), 99);
    EXPECT_FALSE(parseNumber(""));
}

TEST(Random, FixedSeedsRepeatAndReseedsNeverReplay) {
    Random a(42), b(42);
    std::vector<int> da, db;
    for (int i = 0; i < 50; ++i) {
        da.push_back(a(1000));
        db.push_back(b(1000));
    }
    EXPECT_EQ(da, db);
    for (int x : da) {
        EXPECT_GE(x, 0);
        EXPECT_LT(x, 1000);
    }
    // Two re-seeds in a row must not hand out the same numbers again.
    std::set<std::vector<int>> seen;
    for (int k = 0; k < 20; ++k) {
        a.reseed();
        std::vector<int> run;
        for (int i = 0; i < 8; ++i) run.push_back(a(1000000));
        EXPECT_TRUE(seen.insert(run).second) << "re-seed " << k << " replayed";
    }
    EXPECT_EQ(a(1), 0);
    EXPECT_EQ(a(0), 0);
}

// The lazily seeded engine must hand out the library engine's numbers, also
// when re-seeded around the block edges of its lazy seeding.
TEST(Random, TheLazyEngineGivesTheLibrarysNumbers) {
    Mt64 lazy;
    std::mt19937_64 lib;
    for (std::uint64_t seed : {0ULL, 1ULL, 20261207ULL, ~0ULL})
        for (int draws : {1, 16, 17, 155, 156, 157, 311, 312, 313, 1000}) {
            lazy.seed(seed + static_cast<std::uint64_t>(draws));
            lib.seed(seed + static_cast<std::uint64_t>(draws));
            for (int i = 0; i < draws; ++i) ASSERT_EQ(lazy(), lib()) << "seed " << seed << ", number " << i;
        }
}

TEST(Random, DrawsAreTheLibrarysDistribution) {
    Mt64 lazy(7);
    std::mt19937_64 lib(7);
    for (int n : {1, 2, 3, 7, 31, 100, 1000, 65537, 1 << 30, 2147483647}) {
        std::uniform_int_distribution<int> d(0, n - 1);
        for (int i = 0; i < 2000; ++i) ASSERT_EQ(uniformBelow(lazy, n), d(lib)) << "n " << n << ", draw " << i;
    }
}

TEST(Random, TheEnvironmentSeedMakesRunsReproducible) {
    ::setenv("TESSARIN_SEED", "1234", 1);
    Random a, b;
    ::unsetenv("TESSARIN_SEED");
    EXPECT_TRUE(a.fixed());
    for (int i = 0; i < 20; ++i) EXPECT_EQ(a(97), b(97));
}

TEST(Random, ScriptedDrawsComeInOrderAndMustFit) {
    ScriptedRandom s({3, 0, 7});
    EXPECT_EQ(s(5), 3);
    EXPECT_EQ(s(2), 0);
    EXPECT_THROW(s(5), std::logic_error);  // 7 is no draw below 5
    EXPECT_THROW(s(5), std::logic_error);  // the script is used up
}

TEST(TextFile, ANulByteInALineIsKeptAndEndsNothing) {
    const tess::testing::ScratchDir d;
    const auto p = d.path() / "nul";
    writeRaw(p, std::string("a\0b\r\nc", 6));
    TextReader r(p.string());
    EXPECT_EQ(r.readLine(508), std::string("a\0b", 3));
    EXPECT_EQ(r.readLine(508), "c");
    EXPECT_FALSE(r.readLine(508));
}
