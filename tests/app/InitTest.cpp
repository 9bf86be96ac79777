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

const fs::path SAMPLE = TESS_SOURCE_DIR "/data/luke";
const std::string FROM_SOURCE = std::string("TESSARIN_DATA=") + TESS_SOURCE_DIR + "/data/luke";

std::string slurp(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(Init, CopiesTheSampleIntoANewFolderThenKeepsWhatIsThere) {
    ScratchDir t;
    const fs::path w = t.path() / "new" / "folder";
    auto r = runTessarin("init " + w.string(), FROM_SOURCE);
    ASSERT_EQ(r.status, es::OK) << r.err;
    int files = 0;
    for (const auto& e : fs::directory_iterator(SAMPLE)) {
        ++files;
        EXPECT_EQ(slurp(w / e.path().filename()), slurp(e.path())) << e.path().filename();
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(w), {}), files) << "no stray files";
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

TEST(Init, SampleLookupOrder) {
    ScratchDir t;
    for (const char* d : {"env", "exe", "prefix", "source", "bare"}) fs::create_directories(t.path() / d);
    for (const char* d : {"env", "exe", "prefix", "source"}) t.raw(std::string(d) + "/Specs.lst", "x\r\n");
    const fs::path p = t.path();
    using tess::findSample;
    using C = tess::SampleCandidates;
    // TESSARIN_DATA wins, and is not passed over when it holds no sample.
    EXPECT_EQ(findSample(C{(p / "env").string(), {p / "exe", p / "source"}}), p / "env");
    EXPECT_EQ(findSample(C{(p / "bare").string(), {p / "exe"}}), std::nullopt);
    // Otherwise the first folder that holds a style list.
    EXPECT_EQ(findSample(C{"", {p / "missing", p / "bare", p / "prefix", p / "source"}}), p / "prefix");
    EXPECT_EQ(findSample(C{"", {p / "bare"}}), std::nullopt);
    // This program's own order: beside the executable, the prefix, the source tree.
    const C own = tess::sampleCandidates();
    ASSERT_GE(own.others.size(), 2u);
    EXPECT_EQ(own.others.back(), SAMPLE);
    EXPECT_EQ(own.others.front().filename(), "luke");
}
