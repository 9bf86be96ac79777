#include "material/SectorTable.h"

#include "core/Kinds.h"

namespace tess {

namespace {

void writeEntry(Console& c, const RunState& r, int s, int numberWidth) {
    const Material& m = r.MATERIAL;
    const auto from = m.place(r.BC[s]), to = m.place(r.EC[s]);
    // Each book's own chapters; the end's letter only where a sector crosses into another book.
    const auto own = [&](const std::optional<BookChapter>& at, int ch) {
        return at && !m.asStored() ? at->chapter : ch;
    };
    c.write(s, numberWidth);
    c.write(std::string{' ', from ? from->book->letter : m.first().letter, ' '});
    c.write(own(from, r.BC[s]), 2);
    c.write(":");
    c.write(r.BV[s], 2);
    if (from && to && from->book != to->book) {
        c.write(std::string(1, to->book->letter));
        c.write(own(to, r.EC[s]), 2);
    } else {
        c.write(own(to, r.EC[s]), 3);
    }
    c.write(":");
    c.write(r.EV[s], 2);
    for (const Kind& k : KINDS) c.write((r.*k.undrawn)[s], 4);
}

}  // namespace

void finishSectorTable(RunState& r) {
    if (r.SECTORS < 1 || r.SECTORS > SCMAX) return;  // no table
    r.EC[r.SECTORS] = r.ECHAP;
    r.EV[r.SECTORS] = r.EVER;
    for (const Kind& k : SPECIALTIES) {
        r.*k.quest = 0;
        for (int s = 1; s <= r.SECTORS; ++s) r.*k.quest += (r.*k.undrawn)[s];
    }
}

void drawSectorTable(Console& c, const RunState& r) {
    if (r.SECTORS < 1 || r.SECTORS > SCMAX) return;  // no table to show
    c.writeln();
    c.writeln("  Sc From    To    --Total Questions--   Sc From    To    --Total Questions--");
    c.writeln("  Nm Verse   Verse Reg FTV Ref ChO Sit   Nm Verse   Verse Reg FTV Ref ChO Sit");
    c.writeln("  -- ------- ----- --- --- --- --- ---   -- ------- ----- --- --- --- --- ---");
    const int h = (r.SECTORS + 1) / 2;
    for (int i = 1; i <= h; ++i) {
        writeEntry(c, r, i, 4);
        if (i + h <= r.SECTORS) writeEntry(c, r, i + h, 5);
        c.writeln();
    }
    c.writeln();
}

}  // namespace tess
