// `tessarin init` and the lookup of the sample it copies.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/ExitStatus.h"
#include "app/RunCommand.h"
#include "app/Workspace.h"

namespace fs = std::filesystem;
using tess::testing::runTessarin;
using tess::testing::ScratchDir;
namespace es = tess::exitstatus;

namespace {

const fs::path DATA = TESS_SOURCE_DIR "/data";
const fs::path SAMPLE = DATA / "luke";
const std::string FROM_SOURCE = "TESSARIN_DATA=" + DATA.string();

std::string slurp(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Checks that `w` holds exactly the files of `sample`, byte for byte; gives their number.
int expectCopyOf(const fs::path& sample, const fs::path& w) {
    int files = 0;
    for (const auto& e : fs::directory_iterator(sample)) {
        ++files;
        EXPECT_EQ(slurp(w / e.path().filename()), slurp(e.path())) << e.path().filename();
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(w), {}), files) << "no stray files";
    return files;
}

}  // namespace

TEST(Init, CopiesTheSampleIntoANewFolderThenKeepsWhatIsThere) {
    ScratchDir t;
    const fs::path w = t.path() / "new" / "folder";
    auto r = runTessarin("init " + w.string(), FROM_SOURCE);
    ASSERT_EQ(r.status, es::OK) << r.err;
    const int files = expectCopyOf(SAMPLE, w);  // Luke when no material is named
    EXPECT_NE(r.out.find("Copied " + std::to_string(files) + " files"), std::string::npos) << r.out;

    // The director's own list and style survive; a lost bank file comes back.
    t.raw("new/folder/Specs.lst", "Mine\r\nEnter New Specs\r\n");
    t.raw("new/folder/Book20.spe", "edited");
    fs::remove(w / "Luke.A");
    r = runTessarin("-C " + w.string() + " init", FROM_SOURCE);
    ASSERT_EQ(r.status, es::OK) << r.err;
    EXPECT_EQ(slurp(w / "Specs.lst"), "Mine\r\nEnter New Specs\r\n");
    EXPECT_EQ(slurp(w / "Book20.spe"), "edited");
    EXPECT_EQ(slurp(w / "Luke.A"), slurp(SAMPLE / "Luke.A"));
    EXPECT_NE(r.out.find("Copied 1 files:\n  Luke.A\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Kept " + std::to_string(files - 1) + " files"), std::string::npos) << r.out;
    EXPECT_EQ(std::distance(fs::directory_iterator(w), {}), files) << "no temporary file left";
}

TEST(Init, WithoutASampleSaysSoAndMakesNothing) {
    ScratchDir t;
    const auto r = runTessarin("init " + t.file("w"), "TESSARIN_DATA=" + t.path().string());
    EXPECT_EQ(r.status, es::FILE_ERROR);
    EXPECT_EQ(r.err, "tessarin: TESSARIN_DATA=" + t.path().string() + " holds no sample bank (no Specs.lst)\n");
    EXPECT_FALSE(fs::exists(t.path() / "w"));
}

TEST(Init, MaterialsAreListedAndChosenByName) {
    ScratchDir t;
    auto r = runTessarin("init --list", FROM_SOURCE);
    EXPECT_EQ(r.status, es::OK) << r.err;
    EXPECT_EQ(r.out, "james James\nluke Luke\npeter 1Peter 2Peter\n");

    r = runTessarin("init --material james " + t.file("w"), FROM_SOURCE);
    ASSERT_EQ(r.status, es::OK) << r.err;
    expectCopyOf(DATA / "james", t.path() / "w");
    EXPECT_TRUE(fs::exists(t.path() / "w" / "James.A") && fs::exists(t.path() / "w" / "Books.txt"));

    r = runTessarin("init --material Luke " + t.file("x"), FROM_SOURCE);
    EXPECT_EQ(r.status, es::USAGE);
    EXPECT_EQ(r.err, "tessarin: no sample material \"Luke\" (the samples are james, luke, peter; "
                     "tessarin init --list names their books)\n");
    EXPECT_FALSE(fs::exists(t.path() / "x"));
    EXPECT_EQ(runTessarin("init --list --material james", FROM_SOURCE).status, es::USAGE);
}

TEST(Init, SampleLookupOrder) {
    ScratchDir t;
    for (const char* d : {"env", "bare", "prefix/luke", "prefix/james", "source/luke"})
        fs::create_directories(t.path() / d);
    for (const char* d : {"env", "prefix/luke", "prefix/james", "source/luke"})
        t.raw(std::string(d) + "/Specs.lst", "x\r\n");
    const fs::path p = t.path();
    using tess::findSample;
    using C = tess::SampleCandidates;
    // TESSARIN_DATA wins, and is not passed over when it holds no sample; a
    // folder that is one sample is the default whatever its name.
    EXPECT_EQ(findSample(C{(p / "env").string(), {p / "prefix"}}), p / "env");
    EXPECT_EQ(findSample(C{(p / "env").string(), {p / "prefix"}}, "james"), std::nullopt);
    EXPECT_EQ(findSample(C{(p / "bare").string(), {p / "prefix"}}), std::nullopt);
    // Otherwise the first folder that holds a sample, and nothing after it.
    const C others{"", {p / "missing", p / "bare", p / "prefix", p / "source"}};
    EXPECT_EQ(findSample(others), p / "prefix" / "luke");
    EXPECT_EQ(findSample(others, "james"), p / "prefix" / "james");
    EXPECT_EQ(findSample(C{"", {p / "source", p / "prefix"}}, "james"), std::nullopt);
    EXPECT_EQ(findSample(C{"", {p / "bare"}}), std::nullopt);
    // This program's own order: beside the executable, the prefix, the source tree.
    const C own = tess::sampleCandidates();
    ASSERT_GE(own.others.size(), 2u);
    EXPECT_EQ(own.others.back(), DATA);
    EXPECT_EQ(own.others.front().filename(), "tessarin");
}
