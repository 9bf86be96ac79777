#include "output/PacketWriter.h"

#include <algorithm>

#include "output/Layouts.h"

namespace tess {

int slotCount(const Program& p) { return std::clamp(p.run.SECTORS, 0, SCMAX); }

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
