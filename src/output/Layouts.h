#pragma once
// The three packet layouts OPUT chooses from by OUT. Each writes quiz Q2 of
// the run state to the packet file with a cursor of its own.
#include "console/TextFile.h"
#include "core/RunState.h"

namespace tess {

void writePacketC(const RunState& r, TextWriter& f);  // 18-line blocks: a cover block, one block per slot
void writePacketP(const RunState& r, TextWriter& f);  // pages of LPP lines with headings and form feeds
void writePacketT(const RunState& r, TextWriter& f);  // tab-separated rows

// Slots to write: SECTORS, kept inside the position tables.
int slotCount(const RunState& r);

// The range, "L b:v to L e:v", to the packet file, no line end.
void WRITEMAT(const RunState& r, TextWriter& f);

}  // namespace tess
