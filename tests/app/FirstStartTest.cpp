// The offer to set up an empty folder, on the in-memory screen.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/FirstStart.h"
#include "app/Workspace.h"
#include "support/Fixture.h"

namespace fs = std::filesystem;

namespace {

const fs::path SAMPLE = TESS_SOURCE_DIR "/data/luke";

struct Offer : tess::testing::Fixture {
    std::size_t filesInFolder() const { return std::distance(fs::directory_iterator(dir.path()), {}); }
};

}  // namespace

TEST(FirstStart, YesSetsTheFolderUpNoLeavesItEmpty) {
    {
        Offer o;
        ASSERT_TRUE(tess::isEmptyWorkingFolder(o.dir.path()));
        o.con.keys("xy").enter();  // a stray key is ignored
        tess::offerFirstStart(o.p, SAMPLE);
        EXPECT_TRUE(o.con.sawMessage("This folder has no quiz styles yet (no Specs.lst and no New.spe):"));
        EXPECT_TRUE(o.con.sawText(o.dir.path().string()));
        EXPECT_TRUE(o.con.sawText("Y: set it up      N: go on with an empty menu"));
        const auto sampleFiles = static_cast<std::size_t>(std::distance(fs::directory_iterator(SAMPLE), {}));
        EXPECT_TRUE(o.con.sawText("Copied " + std::to_string(sampleFiles) + " files"));
        EXPECT_EQ(o.filesInFolder(), sampleFiles);
        EXPECT_FALSE(tess::isEmptyWorkingFolder(o.dir.path()));
        EXPECT_EQ(o.con.keysLeft(), 0u);
    }
    for (int no : {int{'n'}, int{'N'}, tess::key::Esc}) {
        Offer o;
        o.con.key(no);
        tess::offerFirstStart(o.p, SAMPLE);
        EXPECT_EQ(o.filesInFolder(), 0u) << no;
        EXPECT_EQ(o.con.keysLeft(), 0u) << no;
    }
}

TEST(FirstStart, WithoutASampleItSaysWhereOneComesFrom) {
    Offer o;
    o.con.keys("y").enter();  // Y means nothing here; only Return goes on
    tess::offerFirstStart(o.p, std::nullopt);
    EXPECT_TRUE(o.con.sawMessage("No sample bank was found to set it up from: install tessarin, or set TESSARIN_DATA"));
    EXPECT_TRUE(o.con.sawText("Press Return to go on with an empty menu."));
    EXPECT_EQ(o.filesInFolder(), 0u);
    EXPECT_EQ(o.con.keysLeft(), 0u);
}
