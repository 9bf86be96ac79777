// 135 packets of 30 questions, the most a run writes: the shape of the whole
// packet file in each layout (bench/ times the writer).
#include "output/PacketRig.h"

using namespace tess;
using namespace tess::testing;

namespace {

class PacketRun : public PacketTest {
protected:
    PacketRun() {
        const std::string words = "and he said unto them, Go ye into all the world and preach the gospel ";
        std::string longText;
        while (longText.size() < 480) longText += words;
        const std::string kinds = "FnnRnnOnnSnnnFnnnRnnSnnOnnnnFn";
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            const std::string ref = (i % 3 ? " " : "1") + std::to_string(i % 10) + ":" + (i % 2 ? " " : "2") +
                                    std::to_string((i + 3) % 10) + "\t";
            switch (kinds[i]) {
                case 'F':
                    slot('F', ref + (i % 2 ? "Q   \t" : "AB\t") + longText);
                    break;
                case 'R':
                    slot('R', ref + "CV\t" + longText.substr(0, 120));
                    break;
                case 'O':
                    slot('O', ref + "CO\t" + longText.substr(0, 90));
                    break;
                case 'S':
                    slot('S', ref + "Jesus said \"" + longText.substr(0, 300) + "\"");
                    break;
                default:
                    slot('n', ref + "Who said this to them? " + longText.substr(0, 20 + 7 * i));
                    break;
            }
        }
        p.run.TYP = pattern;
        p.run.AB = 25;
    }

    // Writes quizzes 1 to 135 into one packet file; returns its text.
    std::string writeRun(char layout) {
        p.run.OUT = layout;
        p.run.packetFile.create(p.file("run.qui"));
        for (p.run.Q2 = 1; p.run.Q2 <= QQZ; ++p.run.Q2) OPUT(p);
        p.run.packetFile.close();
        return dir.read("run.qui");
    }

    static std::size_t count(const std::string& text, const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
        return n;
    }
};

}  // namespace

TEST_F(PacketRun, CLayoutBlocksStayOn18LineGrid) {
    const auto l = splitLines(writeRun('c'));
    EXPECT_EQ(l.size() % 18, 0u);
    // Every block, 18 or 36 lines long, starts on the grid: its heading is
    // its third line (the fourth for a situation).
    std::size_t headings = 0, longBlocks = 0, last = 0;
    for (std::size_t i = 0; i < l.size(); ++i) {
        const bool heading = l[i].rfind("    L ", 0) == 0 && l[i].find(" to L ") == std::string::npos;
        if (!heading && l[i].find("Style Quizzing") == std::string::npos) continue;
        const std::size_t start = i - (l[i].find("SIT") != std::string::npos ? 3 : 2);
        EXPECT_EQ(start % 18, 0u) << "line " << i + 1;
        if (headings > 0 && start - last == 36) ++longBlocks;
        last = start;
        ++headings;
    }
    EXPECT_EQ(headings, 135u * 31);
    EXPECT_GT(longBlocks, 0u);
}

TEST_F(PacketRun, PLayoutOneHeadingPerPacketAndFormFeedsBetweenPages) {
    const std::string text = writeRun('p');
    EXPECT_EQ(count(text, "Style Quizzing"), 135u);
    EXPECT_EQ(count(text, "\f"), count(text, "Page ") + 135);
    for (const auto& line : splitLines(text)) {
        const std::string s = !line.empty() && line[0] == '\f' ? line.substr(1) : line;
        EXPECT_LE(s.size(), 79u);  // no line of this material runs past the verse column
    }
    EXPECT_EQ(text.back(), '\f');
}

TEST_F(PacketRun, TLayoutOneHeaderAndOneClosingLinePerPacket) {
    const std::string text = writeRun('t');
    EXPECT_EQ(count(text, "Number\tType\tQuestion\tAnswer\tVerse\r\n"), 135u);
    EXPECT_EQ(count(text, "<pb>\r\n"), 135u);
    EXPECT_EQ(splitLines(text).size(), 135u * (3 + 30 + 1));
}
