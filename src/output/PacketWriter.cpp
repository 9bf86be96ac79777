#include "output/PacketWriter.h"

namespace tess {

void OPUT(Program&) {}  // placeholder

}  // namespace tess
