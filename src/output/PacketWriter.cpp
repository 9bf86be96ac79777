#include "output/PacketWriter.h"

#include <algorithm>

#include "output/Layouts.h"

namespace tess {

int slotCount(const Program& p) { return std::clamp(p.run.SECTORS, 0, SCMAX); }

void WRITEMAT(Program& p) {
    auto& r = p.run;
    r.packetFile.write("L " + std::to_string(r.BCHAP) + ":" + std::to_string(r.BVER) + " to L " +
                       std::to_string(r.ECHAP) + ":" + std::to_string(r.EVER));
}

void OPUT(Program& p) {
    switch (p.run.OUT) {
        case 'c':
        case 'C':
            writePacketC(p);
            break;
        case 'p':
        case 'P':
            writePacketP(p);
            break;
        default:
            writePacketT(p);
            break;
    }
}

}  // namespace tess
