#include <gtest/gtest.h>

#include "core/Material.h"
#include "support/Fixture.h"

using namespace tess;
using tess::testing::ScratchDir;

namespace {

// The fault a book file of these lines gets, or "" when it is read.
std::string faultOf(const std::vector<std::string>& lines, Material* read = nullptr) {
    ScratchDir d;
    d.lines(BOOK_FILE, lines);
    Material m;
    std::string error;
    if (readMaterial(d.file(BOOK_FILE), m, error)) {
        if (read) *read = m;
        return "";
    }
    EXPECT_EQ(m.letters(), "L") << "a refused file leaves the material as it was";
    return error;
}

}  // namespace

TEST(Material, ReadsBooksAndRefusesEachFaultByLine) {
    Material m;
    EXPECT_EQ(faultOf({"# Romans and James", "", "R Romans 32 29 31", "  J James 27 26 18 17 20", "skip L 2 4-5"}, &m),
              "");
    EXPECT_EQ(m.letters(), "RJ");
    EXPECT_EQ(m.chapters(), 8);
    EXPECT_EQ(m.first().name, "Romans");
    EXPECT_FALSE(m.asStored());
    EXPECT_TRUE(m.leftOutL.has(2) && m.leftOutL.has(4) && m.leftOutL.has(5) && !m.leftOutL.has(3));
    // Without a skip line only Luke leaves chapters out of the L set.
    EXPECT_EQ(faultOf({"J James 27 26 18 17 20"}, &m), "");
    EXPECT_FALSE(m.leftOutL.has(7) || m.leftOutL.has(1));
    std::vector<std::string> luke = {"L Luke"};
    for (int ch = 1; ch <= 24; ++ch) luke[0] += " " + std::to_string(Material::luke().verses(ch));
    EXPECT_EQ(faultOf(luke, &m), "");
    EXPECT_EQ(m.leftOutL.chapters, lukeLeftOut().chapters);

    const std::string fifty(50, 'x');
    std::string tooMany = "A Alpha";
    for (int i = 0; i < 30; ++i) tooMany += " 10";
    const std::pair<std::vector<std::string>, std::string> bad[] = {
        {{"# only a comment"}, "Books.txt, line 1: names no book"},
        {{"James 27 26"}, "line 1: \"James\" is not a book letter"},
        {{"J James 27 86"}, "line 1: James 2: \"86\" is not a verse count 1-85"},
        {{"J James 27 0"}, "James 2: \"0\" is not a verse count"},
        {{"J James"}, "book James gives no verse counts"},
        {{"J"}, "book J has no name"},
        {{"J Jameses1 27"}, "the book name \"Jameses1\" must be 1 to 7"},
        {{"J ../x 27"}, "the book name \"../x\""},
        {{"J James 27", "", "J Jude 25"}, "line 3: the letter J names two books"},
        {{tooMany, "B Beta 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10 10"},
         "line 2: the material has 51 chapters; at most 50"},
        {{"J James 27 26", "skip L 3"}, "line 2: chapter 3 is beyond the material's 2"},
        {{"J James 27 26", "skip X 1"}, "line 2: write skip L"},
        {{"J James 27 26", "skip L 2-1"}, "\"2-1\" is not a chapter or a range"},
        {{"J James 27 26", "skip L 1", "skip L 2"}, "line 3: a second skip line"},
    };
    for (const auto& [lines, want] : bad) {
        const std::string got = faultOf(lines);
        EXPECT_NE(got.find(want), std::string::npos) << "want: " << want << "\n got: " << got;
    }
    // No book file: Luke, as the bank has always been.
    ScratchDir d;
    m = Material();
    m.books.clear();
    std::string error;
    ASSERT_TRUE(readMaterial(d.file(BOOK_FILE), m, error));
    EXPECT_EQ(m.letters(), "L");
    EXPECT_EQ(m.chapters(), 24);
    EXPECT_TRUE(m.asStored());
}

TEST(Material, MapsChaptersThroughTheMaterialToBooksAndBack) {
    Material m;
    ASSERT_EQ(faultOf({"1 1Peter 25 25 22 19 14", "2 2Peter 21 22 18"}, &m), "");
    const std::pair<int, std::string> places[] = {{1, "1Peter 1"}, {5, "1Peter 5"}, {6, "2Peter 1"}, {8, "2Peter 3"}};
    for (const auto& [through, name] : places) {
        const auto at = m.place(through);
        ASSERT_TRUE(at);
        EXPECT_EQ(m.chapterName(through), name);
        EXPECT_EQ(m.through(at->book->letter, at->chapter), through);
    }
    EXPECT_EQ(m.verses(5), 14);
    EXPECT_EQ(m.verses(6), 21);
    EXPECT_EQ(m.verses(9), 0);
    EXPECT_FALSE(m.place(0) || m.place(9));
    EXPECT_EQ(m.through('2', 4), 0);  // 2 Peter has 3 chapters
    EXPECT_EQ(m.through('3', 1), 0);
}
