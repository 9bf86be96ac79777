#include "material/VerseSectoring.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "console/Array.h"
#include "core/Kinds.h"
#include "material/Counts.h"

namespace tess {

namespace {

struct Pos {
    int x = 1;  // chapter
    int y = 1;  // verse slot
};

bool insideRange(const RunState& r, Pos at) { return at.x < r.ECHAP || (at.x == r.ECHAP && at.y <= r.EVER); }

// The search for a layout needs only the regular counts; the specialty
// counts are added on the one layout kept. On a large bank the search lays
// out the range thousands of times.
enum class Specialties { Skip, Count };

// Where a walk step of the search leads from each verse slot: a step takes
// the regular questions of its first verse only and goes where the counts
// alone say, so each is worked out once per sectoring. {0, 0}: not yet.
using StepTable = Arr2<Pos, 1, MATERIAL_CHAPTERS_MAX, 1, VMAX>;

// Where one walk step leads from `at`: it takes the verse at `at`, then
// absorbs up to four following verses without regular questions; a fifth
// empty verse in a row means the chapter is over, which is how chapter ends
// are found from the counts. Each slot taken or absorbed is passed to
// `visit`. `stopAtRangeEnd` keeps the absorption inside the range.
template <class Visit>
void advance(const RunState& r, Pos& at, bool stopAtRangeEnd, Visit visit) {
    visit(at.x, at.y);
    ++at.y;
    if (at.y > VMAX) {  // the chapter's last slot was taken
        ++at.x;
        at.y = 1;
        return;
    }
    for (int i = 0; i < 4 && at.y < VMAX && r.QCOUNT(at.x, at.y) == 0; ++i) {
        if (stopAtRangeEnd && !insideRange(r, at)) break;
        visit(at.x, at.y);
        ++at.y;
    }
    if (r.QCOUNT(at.x, at.y) != 0) return;
    // Five empty verses in a row end the chapter. A sparse list can still
    // hold questions after such a gap; the gap then joins this sector, since
    // every question must belong to a sector for the pickers to find it by
    // counting lines. Likewise the specialty questions of the chapter's
    // remaining verses stay with this sector rather than with none.
    int next = at.y;
    while (next <= VMAX && r.QCOUNT(at.x, next) == 0) ++next;
    const int last = next <= VMAX ? next - 1 : VMAX;
    for (; at.y <= last; ++at.y) {
        if (stopAtRangeEnd && !insideRange(r, at)) break;
        visit(at.x, at.y);
    }
    if (next > VMAX) {
        ++at.x;
        at.y = 1;
    }
}

// One walk step of sector s, its verse's regular questions and (when
// counted) the specialty questions of every slot it takes into the sector.
void walkStep(Program& p, int s, Pos& at, bool stopAtRangeEnd, Specialties sp) {
    auto& r = p.run;
    r.QPS[s] += r.QCOUNT(at.x, at.y);
    r.EC[s] = at.x;
    r.EV[s] = at.y;
    advance(r, at, stopAtRangeEnd, [&](int x, int y) {
        if (sp == Specialties::Count) countSlot(p.run, SPECIALTIES, x, y, s);
    });
}

// The search's walk from the range's start, laid out once: the slot of each
// step in order and the regular questions taken before it. Whether a layout
// fits then takes a binary search per sector instead of a walk through the
// range; on a large bank, where the search tries thousands of layouts, that
// walk was most of sectoring's time.
class StepChain {
public:
    explicit StepChain(const RunState& r) {
        index_.fill(-1);
        Pos at{r.BCHAP, r.BVER};
        long taken = 0;
        while (at.x <= r.MATERIAL.chapters()) {
            index_(at.x, at.y) = static_cast<int>(slots_.size());
            slots_.push_back(at);
            before_.push_back(taken);
            taken += r.QCOUNT(at.x, at.y);
            advance(r, at, false, [](int, int) {});
        }
        slots_.push_back(at);  // past the material: no layout goes on from here
        before_.push_back(taken);
    }

    // Whether layOut with these targets ends inside the range, or nothing
    // when a sector begins off the walk (after a chapter the material set
    // leaves out), which only layOut itself can tell.
    std::optional<bool> fits(const Program& p, int n, int low, int switchSector) const {
        const auto& r = p.run;
        Pos at{r.BCHAP, r.BVER};
        for (int s = 1; s <= n; ++s) {
            const int target = s < switchSector ? low + 1 : low;
            while (p.leftOut().has(at.x)) at = {at.x + 1, 1};
            if (at.x < 1 || at.x > r.MATERIAL.chapters() || index_(at.x, at.y) < 0) return std::nullopt;
            const auto from = static_cast<std::size_t>(index_(at.x, at.y));
            // The sector takes steps until it holds its target or the material ends (at least one step).
            auto end = std::lower_bound(before_.begin() + static_cast<std::ptrdiff_t>(from) + 1, before_.end(),
                                        before_[from] + target);
            if (end == before_.end()) --end;
            at = slots_[static_cast<std::size_t>(end - before_.begin())];
            if (at.x > r.MATERIAL.chapters()) return false;
        }
        return insideRange(r, at);
    }

private:
    std::vector<Pos> slots_;
    std::vector<long> before_;
    Arr2<int, 1, MATERIAL_CHAPTERS_MAX, 1, VMAX> index_;  // each slot's step, -1 for none
};

void clearSectors(RunState& r) {
    for (int s = 1; s <= SCMAX; ++s)
        for (const Kind& k : KINDS) (r.*k.undrawn)[s] = (r.*k.total)[s] = 0;
}

// Lays out n sectors: those before the switch sector take at least `low` + 1
// regular questions, the others at least `low`. Leaves `at` after the layout;
// true when that is still inside the range.
bool layOut(Program& p, int n, int low, int switchSector, Pos& at, Specialties sp, StepTable& steps) {
    auto& r = p.run;
    clearSectors(r);
    at = {r.BCHAP, r.BVER};
    for (int s = 1; s <= n; ++s) {
        const int target = s < switchSector ? low + 1 : low;
        // No sector begins in a chapter the material set leaves out.
        while (p.leftOut().has(at.x)) at = {at.x + 1, 1};
        r.BC[s] = at.x;
        r.BV[s] = at.y;
        do {
            Pos& next = steps(at.x, at.y);
            if (sp == Specialties::Skip && next.x != 0) {  // the step walkStep would take
                r.QPS[s] += r.QCOUNT(at.x, at.y);
                r.EC[s] = at.x;
                r.EV[s] = at.y;
                at = next;
            } else {
                walkStep(p, s, at, false, sp);
                next = at;
            }
        } while (at.x <= r.MATERIAL.chapters() && r.QPS[s] < target);
        for (const Kind& k : KINDS) (r.*k.total)[s] = (r.*k.undrawn)[s];
        if (at.x > r.MATERIAL.chapters()) return false;
    }
    return insideRange(r, at);
}

}  // namespace

bool VERSESEC(Program& p) {
    auto& r = p.run;
    const int n = r.SECTORS;
    clearSectors(r);
    r.MINQZ = -1;
    if (n < 1 || n > SCMAX || !Counts::inRange(r.BCHAP, r.BVER)) return false;

    const int q = r.TQUEST / n;
    Pos at;
    StepTable steps;
    steps.fill({0, 0});
    const StepChain chain(r);
    // The chain passes over layouts that cannot fit; when none fits, the
    // search is made again in full, so it leaves the tables as it always has.
    for (const bool quick : {true, false}) {
        for (int low = q; low >= 0; --low) {
            for (int switchSector = n > 1 ? n - 1 : 1; switchSector >= 1; --switchSector) {
                if (quick && chain.fits(p, n, low, switchSector) == false) continue;
                if (!layOut(p, n, low, switchSector, at, Specialties::Skip, steps)) continue;
                layOut(p, n, low, switchSector, at, Specialties::Count, steps);
                // What is left of the range goes to the last sector; its copies
                // keep what the layout gave it.
                while (at.x <= r.MATERIAL.chapters() && insideRange(r, at))
                    walkStep(p, n, at, true, Specialties::Count);
                r.MINQZ = low;
                return true;
            }
        }
    }
    return false;
}

}  // namespace tess
