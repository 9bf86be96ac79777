#include "output/PacketWriter.h"

#include <algorithm>

#include "output/Layouts.h"

namespace tess {

int slotCount(const RunState& r) { return std::clamp(r.SECTORS, 0, SCMAX); }

void WRITEMAT(const RunState& r, TextWriter& f) {
    f.write("L " + std::to_string(r.BCHAP) + ":" + std::to_string(r.BVER) + " to L " + std::to_string(r.ECHAP) + ":" +
            std::to_string(r.EVER));
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
