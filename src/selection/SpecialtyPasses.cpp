#include "selection/SpecialtyPasses.h"

namespace tess {

namespace {
void pass(Program& p, char letter, void (*picker)(Program&)) {
    auto& r = p.run;
    for (r.C1 = 1; r.C1 <= r.SECTORS; ++r.C1) {
        if (r.TYP.at(static_cast<std::size_t>(r.C1)) != letter) continue;
        ++r.SECOND;
        picker(p);
    }
    FINDSET(p);
}
}  // namespace

void FINDSET(Program& p) {
    auto& r = p.run;
    r.SECOND = 0;
    r.LAST = 99;
    r.LASTO = 99;
    r.TYP = r.PAT[r.Q2];
}

void CONVERT2(Program& p) {
    p.run.RLBK[p.run.C1] = 'L';
    p.run.BKNAME[p.run.C1] = "Luke";
}

void FINDREFS(Program& p) { pass(p, 'R', CHOOSEREF); }
void FINDONLYS(Program& p) { pass(p, 'O', CHOOSEONLY); }
void FINDSITS(Program& p) { pass(p, 'S', CHOOSESIT); }
void FINDFTVS(Program& p) { pass(p, 'F', CHOOSEFIN); }

void runSpecialtyPass(Program& p, char kind) {
    switch (kind) {
        case 'F':
            FINDFTVS(p);
            break;
        case 'S':
            FINDSITS(p);
            break;
        case 'R':
            FINDREFS(p);
            break;
        case 'O':
            FINDONLYS(p);
            break;
        default:
            break;
    }
}

}  // namespace tess
