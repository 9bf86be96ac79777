#include "selection/SpecialtyPasses.h"

#include "core/Kinds.h"
#include "material/BankFile.h"
#include "selection/SpecialtyPickers.h"

namespace tess {

void FINDSET(Program& p) {
    auto& r = p.run;
    r.SECOND = 0;
    r.LAST = NO_SECTOR;
    r.LASTO = NO_SECTOR;
    r.TYP = r.PAT[r.Q2];
}

void CONVERT2(Program& p, std::string_view line) {
    auto& r = p.run;
    const Material& m = p.material;
    const auto ref = parseBankRef(line);
    const auto at = ref ? m.place(ref->chapter) : std::nullopt;
    const Book& book = at ? *at->book : m.first();
    r.RLBK[r.C1] = book.letter;
    r.BKNAME[r.C1] = book.name;
    // A one-book material's references are printed as the bank stores them.
    r.RLCH[r.C1] = at && !m.asStored() ? at->chapter : 0;
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
