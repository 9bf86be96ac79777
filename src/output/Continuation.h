#pragma once
// The continuation printers: each writes the rest of the slot's line buffer
// A2, after MARK1, as lines cut at a blank, at most 15 lines deep (X5), and
// counts them in LINES. The caller sets MARK1 and X5 = 0 first.
#include "output/PacketCursor.h"

namespace tess {

void PRINTREST(PacketCursor& c);   // p layout R, O, regular: indent 15, window 55, up to 253
void FPRINTREST(PacketCursor& c);  // p layout SIT, FTV: indent 15, window 55, up to 508
void CPRINTREST(PacketCursor& c);  // c layout R, O, SIT, FTV: indent 8, window 37, up to 508
void RPRINTREST(PacketCursor& c);  // c layout regular: as CPRINTREST, and a "?" ends its line

// Whether text (neither blank nor TAB) stands at position `from` or after it
// in the line buffer, in either string.
bool textFrom(const PacketCursor& c, int from);

}  // namespace tess
