#pragma once
// The three packet layouts OPUT chooses from by OUT.
#include "core/Program.h"

namespace tess {

void writePacketC(Program& p);  // 18-line blocks: a cover block, one block per slot
void writePacketP(Program& p);  // pages of LPP lines with headings and form feeds
void writePacketT(Program& p);  // tab-separated rows

// Slots to write: SECTORS, kept inside the position tables.
int slotCount(const Program& p);

// The range, "L b:v to L e:v", to the packet file, no line end.
void WRITEMAT(Program& p);

}  // namespace tess
