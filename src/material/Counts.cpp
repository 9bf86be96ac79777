#include "material/Counts.h"

namespace tess {

// Placeholder until the index build lands.
void BCOUNT(Program&) {}
void TCOUNT(Program&) {}
void prepareCounts(Program&) {}

}  // namespace tess

namespace tess {
void countRange(Program&) {}            // placeholder
void SPECOUNT(Program&, int, int, int) {}  // placeholder
void CONVERT2(Program& p) {
    p.run.RLBK[p.run.C1] = 'L';
    p.run.BKNAME[p.run.C1] = "Luke";
}
void WRITEMAT(Program& p) {
    auto& r = p.run;
    r.packetFile.write("L " + std::to_string(r.BCHAP) + ":" + std::to_string(r.BVER) + " to L " +
                       std::to_string(r.ECHAP) + ":" + std::to_string(r.EVER));
}
}  // namespace tess
