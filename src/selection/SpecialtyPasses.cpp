#include "selection/SpecialtyPasses.h"

#include "core/Kinds.h"
#include "selection/SpecialtyPickers.h"

namespace tess {

void FINDSET(Program& p) {
    auto& r = p.run;
    r.SECOND = 0;
    r.LAST = NO_SECTOR;
    r.LASTO = NO_SECTOR;
    r.TYP = r.PAT[r.Q2];
}

void CONVERT2(Program& p) {
    p.run.RLBK[p.run.C1] = 'L';
    p.run.BKNAME[p.run.C1] = "Luke";
}

void runSpecialtyPass(Program& p, char kind) {
    const Kind* k = kindOf(kind);
    if (!k || !k->specialty) return;
    auto& r = p.run;
    for (r.C1 = 1; r.C1 <= r.SECTORS; ++r.C1) {
        if (r.TYP.at(static_cast<std::size_t>(r.C1)) != k->letter) continue;
        ++r.SECOND;
        chooseSpecialty(p, *k);
    }
    FINDSET(p);
}

}  // namespace tess
