#include "selection/FtvTypes.h"

#include "material/SectorWalk.h"
#include "selection/Availability.h"
#include "selection/SpecialtyPasses.h"

namespace tess {

char ftvTypeOf(std::string_view line) {
    const char c = line.size() >= 9 ? line[8] : ' ';
    if (c == 'V' && line.size() >= 10 && line[9] == 'R') return 'R';
    return c;
}

char ftvType(const RunState& r, int s, int n) {
    const auto& row = r.FTYPE[s];
    return n >= 1 && static_cast<std::size_t>(n) < row.size() ? row[static_cast<std::size_t>(n)] : ' ';
}

void FINTYPES(Program& p) {
    auto& r = p.run;
    int total = 0;
    for (int s = 1; s <= SCMAX; ++s) {
        r.FTYPE[s].assign(flagTableSize(SPXX, r.TFPS[s]), ' ');
        if (s <= r.SECTORS) total += r.TFPS[s];
    }
    if (total == 0) return;  // no FTV in the range: the file need not exist
    const RangeLines& lines = rangeLines(p, *kindOf('F'), r.TFPS);
    for (int s = 1; s <= r.SECTORS; ++s)
        for (int n = 1; n <= r.TFPS[s]; ++n) r.FTYPE[s][static_cast<std::size_t>(n)] = ftvTypeOf(lines.line(s, n));
}

}  // namespace tess
