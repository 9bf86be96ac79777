#pragma once
// The configuration unit on the fixture: a working directory seeded with a
// style list (Alpha, Beta) and the styles New, Alpha and Beta (ConfigRig),
// and a plain random style for the specialty patterns (PatternRig).
#include <memory>
#include <string>

#include "support/Fixture.h"

namespace tess::testing {

struct ConfigRig : Fixture {
    ConfigRig() : Fixture(7) {
        dir.lines("Specs.lst", {"Alpha", "Beta", "Enter New Specs"});
        dir.lines("New.spe", newStyle());
        auto alpha = newStyle();
        alpha[3] = "alpha";
        dir.lines("Alpha.spe", alpha);
        auto beta = newStyle();
        beta[3] = "beta";
        beta[1] = "3 1";
        beta[2] = "5 39";
        dir.lines("Beta.spe", beta);
    }
};

struct PatternRig : Fixture {
    explicit PatternRig(std::unique_ptr<Random> random = std::make_unique<Random>(7)) : Fixture(std::move(random)) {
        // A plain random style: 4..8 specialties anywhere in 1..20.
        Specc9& c = p.cfg;
        c.QMAX = 20;
        c.QNUM = 10;
        c.SPMIN = 4, c.SPMAX = 8;
        c.FMIN = 1, c.FMAX = 3;
        c.RMIN = 1, c.RMAX = 2;
        c.OMIN = 0, c.OMAX = 2;
        c.SMIN = 0, c.SMAX = 2;
        c.SPEARLY = 1, c.SPLATE = 20;
        c.TYP = std::string(30, 'n');
        p.shared.SETSPC = 'N';
    }
};

}  // namespace tess::testing
