#include "output/PacketWriter.h"

#include <algorithm>

#include "output/Layouts.h"

namespace tess {

int slotCount(const RunState& r) { return std::clamp(r.SECTORS, 0, SCMAX); }

namespace {

// "L 1:1": a place of the range as its book reads it.
std::string bookPlace(const Material& m, int chapter, int verse) {
    const auto at = m.place(chapter);
    const char letter = at ? at->book->letter : m.first().letter;
    const int own = at && !m.asStored() ? at->chapter : chapter;
    return std::string{letter, ' '} + std::to_string(own) + ":" + std::to_string(verse);
}

}  // namespace

void WRITEMAT(const RunState& r, TextWriter& f) {
    f.write(bookPlace(r.MATERIAL, r.BCHAP, r.BVER) + " to " + bookPlace(r.MATERIAL, r.ECHAP, r.EVER));
}

void OPUT(Program& p) {
    const RunState& r = p.run;
    TextWriter& f = p.run.packetFile;
    switch (r.OUT) {
        case 'c':
        case 'C':
            writePacketC(r, f);
            break;
        case 'p':
        case 'P':
            writePacketP(r, f);
            break;
        default:
            writePacketT(r, f);
            break;
    }
}

}  // namespace tess
