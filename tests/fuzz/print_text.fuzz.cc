// `tessarin pdf` on any bytes: the kind of file is recognised, and a file
// taken for a packet or list file is drawn whatever follows its first lines.
// Most inputs start with the first lines of one of the kinds, so that the
// cutting into pages and the drawing see fuzz bytes, not only the refusal.
#include "FuzzSupport.h"
#include "pdf/PdfWriter.h"

using namespace tess;
using namespace tess::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const char* const HEADS[] = {
        "",
        "L 1:1 to L 24:53      x Style Quizzing      Quiz Number 1\r\n"
        "______________________________________________________________________________\r\n\f",
        "\r\n\r\n    x Style Quizzing\r\n\r\n    L 1:1 to L 24:53\r\n\r\n    Quiz Number 1\r\n"
        "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n",
        "  Que Sec Num    Verse  Type  Question                             Quiz 1\r\n",
    };
    Bytes in(data, size);
    const std::uint8_t mode = in.take();
    const std::string text = HEADS[mode % 4] + std::string(in.rest());
    pdf::PdfOptions o;
    o.paper = (mode & 4) ? pdf::Paper::A4 : pdf::Paper::Letter;
    o.cards = (mode & 8) ? pdf::CardPages::Sheet : pdf::CardPages::Single;
    const std::string out = (scratchDir() / "out.pdf").string();
    std::filesystem::remove(out);
    const pdf::PdfResult r = pdf::writePdfFromText(text, "fuzz", out, o);
    FUZZ_CHECK(r.outcome == pdf::PdfOutcome::Written || r.outcome == pdf::PdfOutcome::NotPrintable);
    if (r.outcome == pdf::PdfOutcome::Written) {
        std::ifstream f(out, std::ios::binary);
        std::string head(5, '\0');
        f.read(head.data(), 5);
        FUZZ_CHECK(head == "%PDF-");
    } else {
        // Refused by the layout limits, never by a libharu failure met while drawing.
        FUZZ_CHECK(!std::filesystem::exists(out) && !r.message.empty() && r.message.find("libharu") == std::string::npos);
    }
    return 0;
}
