#pragma once
// The material stages on the fixture: small hand-made banks read through the
// bank file names of set A (MaterialProgram), or count tables filled by hand
// for the sectorings (CountsRig).
#include <numeric>
#include <vector>

#include "material/Counts.h"
#include "support/Fixture.h"
#include "support/Luke.h"

namespace tess::testing {

struct MaterialProgram : Fixture {
    MaterialProgram() { bankFileNames(); }
    // A second program over the bank another test laid down.
    explicit MaterialProgram(const ScratchDir& shared) : Fixture(shared) { bankFileNames(); }
};

struct CountsRig : Fixture {
    CountsRig(int bchap, int bver, int echap, int ever, int sectors) {
        range(bchap, bver, echap, ever);
        r.SECTORS = sectors;
    }
    // Regular questions of one verse, and optionally its specialty questions.
    CountsRig& verse(int ch, int v, int reg, int ftv = 0, int cv = 0, int co = 0, int sit = 0) {
        r.QCOUNT(ch, v) = reg;
        r.FCOUNT(ch, v) = ftv;
        r.RCOUNT(ch, v) = cv;
        r.OCOUNT(ch, v) = co;
        r.SCOUNT(ch, v) = sit;
        return *this;
    }
    // `reg` regular questions in each of verses from..to of a chapter.
    CountsRig& verses(int ch, int from, int to, int reg) {
        for (int v = from; v <= to; ++v) r.QCOUNT(ch, v) = reg;
        return *this;
    }
    CountsRig& totals() {
        countRange(p);
        return *this;
    }

    template <class A>
    std::vector<int> column(const A& a) const {
        std::vector<int> out;
        for (int s = 1; s <= r.SECTORS; ++s) out.push_back(a[s]);
        return out;
    }
    std::vector<int> qps() const { return column(r.QPS); }
    std::vector<int> fps() const { return column(r.FPS); }
    static int sum(const std::vector<int>& v) { return std::accumulate(v.begin(), v.end(), 0); }
    // Sector bounds as chapter * 100 + verse.
    std::vector<int> begins() const {
        std::vector<int> out;
        for (int s = 1; s <= r.SECTORS; ++s) out.push_back(r.BC[s] * 100 + r.BV[s]);
        return out;
    }
    std::vector<int> ends() const {
        std::vector<int> out;
        for (int s = 1; s <= r.SECTORS; ++s) out.push_back(r.EC[s] * 100 + r.EV[s]);
        return out;
    }
};

}  // namespace tess::testing
