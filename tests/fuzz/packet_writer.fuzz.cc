// The packet writer in each layout, the continuation printers and the
// quiz listing, on arbitrary bank lines in every slot.
#include "FuzzSupport.h"
#include "core/Program.h"
#include "output/Continuation.h"
#include "output/PacketWriter.h"
#include "output/Slot.h"
#include "selection/QuizListing.h"

using namespace tess;
using namespace tess::fuzz;

namespace {

std::string takeText(Bytes& in, std::size_t maxLen) {
    const std::size_t n = (static_cast<std::size_t>(in.take()) << 8 | in.take()) % (maxLen + 1);
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += static_cast<char>(in.take());
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    Random rnd(1);
    Program p(rnd, scratchDir());
    auto& r = p.run;
    r.SECTORS = in.range(-2, SCMAX + 3);
    r.AB = in.range(-1, 40);
    r.LPP = in.range(0, 80);
    r.Q2 = in.range(-1, 140);
    r.BCHAP = in.range(0, 30);
    r.BVER = in.range(0, 90);
    r.ECHAP = in.range(0, 30);
    r.EVER = in.range(0, 90);
    r.NAME = takeText(in, 20);
    std::string typ;
    static const char kinds[] = "nRSFOnRSFO?";
    for (int i = 0; i < 30; ++i) {
        const std::uint8_t k = in.take();
        typ += k < 240 ? kinds[k % 10] : static_cast<char>(k);
    }
    r.TYP = typ;
    for (int x = 1; x <= SCMAX; ++x) {
        r.ALL[x] = takeText(in, 300);
        r.ALL2[x] = takeText(in, 300);
        r.RLBK[x] = static_cast<char>(in.take());
    }

    for (int x = 1; x <= SCMAX; ++x) (void)listLine(r, x);

    for (char layout : {'c', 'p', 't'}) {
        r.OUT = layout;
        r.packetFile.create((scratchDir() / "packet").string());
        OPUT(p);
        r.packetFile.close();
    }

    // The printers straight on a buffer, from any mark.
    const int mark = in.range(-3, A2LEN + 3);
    std::string buffer = takeText(in, A2LEN);
    void (*printers[])(PacketCursor&) = {PRINTREST, FPRINTREST, CPRINTREST, RPRINTREST};
    for (auto* print : printers) {
        PacketCursor c(r.packetFile);
        for (int i = 1; i <= A2LEN; ++i)
            c.A2[i] = static_cast<std::size_t>(i) <= buffer.size() ? buffer[static_cast<std::size_t>(i - 1)] : ' ';
        r.packetFile.create((scratchDir() / "packet").string());
        continueFrom(c, mark, print);
        FUZZ_CHECK(c.X5 <= 15 && c.LINES <= 2 * 15);
        r.packetFile.close();
    }
    return 0;
}
