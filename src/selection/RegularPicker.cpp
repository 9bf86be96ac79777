#include "selection/RegularPicker.h"

#include <algorithm>
#include <cstdlib>
#include <span>
#include <string>

#include "core/Messages.h"
#include "selection/Availability.h"
#include "selection/RepeatControl.h"

namespace tess {

namespace {

constexpr int TIER_CALLS = 20;
// Rejection draws of a question before the pick falls back to a direct
// uniform choice among the available ones (only reached with a table that is
// nearly used up; keeps the draw bounded).
constexpr int QUESTION_DRAWS = 20000;

// The flags of sector s's questions, 1 to its total.
std::span<const char> questionFlags(Program& p, int s) {
    const int total = p.run.TQPS[s];
    if (total < 1) return {};
    const auto& row = p.run.REGQUESTION[s];
    if (static_cast<std::size_t>(total) >= row.size())
        indexError("question flag", total, 1, static_cast<long>(row.size()) - 1);
    return {row.data() + 1, static_cast<std::size_t>(total)};
}

int availableIn(Program& p, int s) {
    const auto flags = questionFlags(p, s);
    return static_cast<int>(std::count_if(flags.begin(), flags.end(), [](char f) { return f != 0; }));
}

// Whether any is: asked at every pick, so it stops at the first (a big
// bank's sectors hold thousands of questions).
bool anyAvailableIn(Program& p, int s) {
    const auto flags = questionFlags(p, s);
    return std::any_of(flags.begin(), flags.end(), [](char f) { return f != 0; });
}

// A sector whose questions are all taken in this cycle gives them all again;
// the draw would otherwise never end.
void refreshSector(Program& p, int s) {
    auto& r = p.run;
    setAll(r.REGQUESTION[s], true);
    r.QPS[s] = r.TQPS[s];
    warn(p, "  **Sector " + std::to_string(s) + " out of regular questions; repeating them in quiz " +
                std::to_string(r.Q2) + "**");
    logLine(p, "Regular questions of sector " + std::to_string(s) + " repeated in quiz " + std::to_string(r.Q2));
}

// Uniform over the available questions 1..TQPS[s].
int drawQuestion(Program& p, int s) {
    auto& r = p.run;
    const int total = r.TQPS[s];
    if (total < 1)
        failRestart(p, "Sector " + std::to_string(s) +
                           " has no regular questions. Please sector the material again or change the range.");
    if (!anyAvailableIn(p, s)) refreshSector(p, s);
    for (int i = 0; i < QUESTION_DRAWS; ++i) {
        const int k = p.rnd(total + 1);
        if (k > 0 && flagRef(r.REGQUESTION, s, k)) return k;
    }
    int pick = p.rnd(availableIn(p, s));
    for (int k = 1; k <= total; ++k)
        if (flagRef(r.REGQUESTION, s, k) && pick-- == 0) return k;
    return 1;  // not reached: at least one question is available
}

}  // namespace

SectorDraw CHOOSES(Program& p) {
    auto& r = p.run;
    r.SECTORS = r.QMAX;
    SectorDraw d;
    int s = 0;
    for (;;) {
        s = p.rnd(r.SECTORS) + 1;
        ++d.SV;
        if (d.SV == FORCED_REPEAT && r.SPMIN != 0) {
            r.FIX = r.Q2;
            if (r.FIX > r.FIXLAST) {
                logLine(p, "Sectors repeat Quest " + std::to_string(r.C1) + " Quiz " + std::to_string(r.Q2));
                warn(p, "  << Sectors repeat Quiz " + std::to_string(r.Q2) + " **Check this quiz** >>", true);
            }
        }
        if (r.FLAG[s] == 1 || d.SV == FORCED_REPEAT) break;
    }
    d.S = s;
    r.SECTOR[r.C1] = s;
    d.LDIF = std::abs(r.SECTOR[r.C1 - 1] - s);
    d.NDIF = std::abs(r.SECTOR[r.C1 + 1] - s);
    return d;
}

void CHOOSEQUE(Program& p) {
    auto& r = p.run;
    p.rnd.reseed();

    // Five tiers of distance 5..1. A tier that succeeds before its 20th call
    // ends the search; one that reaches its 20th call (met or not) hands on.
    SectorDraw d;
    bool found = false;
    for (int t = 5; t >= 1 && !found; --t) {
        int calls = 0;
        while (calls < TIER_CALLS) {
            d = CHOOSES(p);
            ++calls;
            if (d.LDIF > t && d.NDIF > t) break;
        }
        found = calls < TIER_CALLS;
    }
    if (!found) d = CHOOSES(p);
    const int s = d.S;

    r.QN[s] = r.C1;
    const int num = drawQuestion(p, s);
    r.FLAG[s] = 0;
    if (p.rnd(100) >= r.REPEATPCT && d.SV != FORCED_REPEAT) flagRef(r.REGQUESTION, s, num) = 0;
    if (flagIs(r.INT, s, num)) ++r.ITOT;
    r.RNUMBER[s] = num;
    r.RSECTOR[r.C1] = s;
    r.PNUMBER[r.C1] = num;
    --r.QPS[s];
}

}  // namespace tess
