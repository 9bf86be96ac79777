// Bank text beyond ASCII, from a bank file in UTF-8 or in Windows-1252 read
// the way every run reads one: each layout, the listing and the PDF count
// characters, so a line makes the packet an ASCII line of as many characters
// makes, only in the bank's own bytes.
#include <array>

#include "material/BankFile.h"
#include "output/PacketRig.h"
#include "pdf/PdfText.h"
#include "pdf/PdfWriter.h"
#include "selection/QuizListing.h"

using namespace tess;
using namespace tess::testing;

namespace {

// Curly quotes, an em dash and accented letters.
const std::string ACCENTED =
    " 7:44\tTo whom did J\u00e9sus say, \u201CSeest thou this woman\u2014\u00C9lisabeth, Zacch\u00e6us\u2019 "
    "kin?\u201D\tSimon the Pharisee, in whose house he sat at meat";

// The text with an ASCII letter for every character beyond ASCII.
std::string asciiTwin(std::string_view utf8) {
    std::string s;
    for (std::size_t i = 0; i < utf8.size(); i += charBytesAt(utf8, i)) s += utf8[i] & 0x80 ? 'x' : utf8[i];
    return s;
}

class TextBeyondAscii : public PacketTest {
protected:
    // `line` (UTF-8) stored in a bank file in `encoding` and read back by
    // the program's reader; the file's encoding becomes the packet's.
    std::string throughBank(const std::string& line, TextEncoding encoding) {
        dir.raw("Luke.A", (encoding == TextEncoding::Windows1252 ? utf8ToWindows1252(line) : line) + "\r\n");
        BankLineReader in(p.file("Luke.A"));
        EXPECT_EQ(in.encoding(), encoding);
        bankEncoding = runTextEncoding({in.encoding()});
        return in.next().value_or("");
    }
    // The packet of one slot in layout `out`, as the bytes written.
    std::string packet(char out, char kind, const std::string& line) {
        p.run.SECTORS = 0;
        pattern.clear();
        p.run.OUT = out;
        slot(kind, line);
        p.run.TYP = pattern;
        p.run.packetFile.create(p.file("packet.qui"));
        p.run.packetFile.setEncoding(bankEncoding);
        OPUT(p);
        p.run.packetFile.close();
        return dir.read("packet.qui");
    }
    std::string asUtf8(const std::string& bytes) const {
        return bankEncoding == TextEncoding::Windows1252 ? windows1252ToUtf8(bytes) : bytes;
    }
    TextEncoding bankEncoding = TextEncoding::Ascii;
};

const std::array<TextEncoding, 2> ENCODINGS = {TextEncoding::Utf8, TextEncoding::Windows1252};

}  // namespace

TEST_F(TextBeyondAscii, EveryLayoutTheListingAndThePdfPutTheVerseWhereAnAsciiLineDoes) {
    const std::string twin = asciiTwin(ACCENTED);
    for (const TextEncoding e : ENCODINGS) {
        SCOPED_TRACE(e == TextEncoding::Utf8 ? "UTF-8" : "Windows-1252");
        const std::string line = throughBank(ACCENTED, e);
        ASSERT_EQ(line, ACCENTED);  // the program's own UTF-8, whatever the file's encoding
        for (const char out : {'c', 'p', 't'}) {
            const std::string accented = packet(out, 'n', line);
            const std::string plain = packet(out, 'n', twin);
            EXPECT_EQ(encodingOf(accented), e) << out;  // the bank's own bytes
            EXPECT_EQ(asciiTwin(asUtf8(accented)), plain) << out;
            if (out == 'p') {
                // The first line ends in the verse column, 72 to 78, and the
                // PDF draws every line where the file has it.
                const auto l = splitLines(asUtf8(accented));
                ASSERT_GE(l.size(), 7u);
                EXPECT_EQ(charCount(l[6]), 78u) << l[6];
                EXPECT_EQ(l[6].substr(l[6].size() - 7), "L  7:44");
                dir.raw("packet.qui", accented);
                ASSERT_EQ(pdf::writePdf(p.file("packet.qui"), p.file("packet.pdf"), {}).outcome,
                          pdf::PdfOutcome::Written);
                EXPECT_EQ(textLines(output("pdftotext -layout -fixed 7.2 '" + p.file("packet.pdf") + "' -")),
                          textLines(asUtf8(accented)));
            }
        }
        // The listing: one line for the screen and the list file, its
        // columns counted the same.
        p.run.ALL[1] = line;
        const std::string listed = listLine(p.run, 1);
        p.run.ALL[1] = twin;
        EXPECT_EQ(asciiTwin(listed), listLine(p.run, 1));
    }
}

// A text longer than the program keeps is cut after its 508th character
// (254 for each string), and the continuation printers wrap it, without a
// character ever broken in two.
TEST_F(TextBeyondAscii, LongLinesAreCutAndWrappedBetweenCharacters) {
    std::string verse = " 1:12\tFSN\t";
    while (charCount(verse) < 700) verse += "Zacch\u00e6us saw \u201Chim\u201D\u2014and was troubled ";
    const std::string line = throughBank(verse, TextEncoding::Utf8);
    EXPECT_EQ(charCount(line), BANK_LINE_MAX);
    EXPECT_EQ(line, std::string(firstChars(verse, BANK_LINE_MAX)));
    for (const char out : {'c', 'p'}) {
        const std::string accented = packet(out, 'F', line);
        EXPECT_TRUE(isValidUtf8(accented)) << out;
        EXPECT_EQ(asciiTwin(accented), packet(out, 'F', asciiTwin(line))) << out;
    }
}
