#include "specc9/Patterns.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/Messages.h"
#include "specc9/PatternReview.h"

namespace tess {

namespace {

constexpr int POSITIONS = 30;  // letters of a pattern line

// Tries of a drawing loop before it takes its fallback. Far beyond what any
// style the form accepts needs (the rarest split, a total of 0 out of four
// kinds of 0..10, comes once in 14641 tries); only hand-made values that the
// checks let through could reach it.
constexpr long DRAW_TRIES = 200000;
// Whole patterns drawn again when the final count check fails; the placement
// puts every pool entry, so with checked settings one pass always passes.
constexpr int PATTERN_TRIES = 100;

using Line = Arr<char, 1, POSITIONS>;

Line blankLine() {
    Line l;
    l.fill('n');
    return l;
}

std::string toText(const Line& l) {
    std::string s;
    for (int x = 1; x <= POSITIONS; ++x) s.push_back(l[x]);
    return s;
}

int specialtiesIn(const Line& l) {
    int n = 0;
    for (int x = 1; x <= POSITIONS; ++x)
        if (l[x] != 'n') ++n;
    return n;
}

bool randomMode(const SharedSettings& s) { return s.SETSPC == 'N' || s.SETSPC == 'n'; }

int sumMin(const Specc9& c) { return c.FMIN + c.RMIN + c.OMIN + c.SMIN; }
int sumMax(const Specc9& c) { return c.FMAX + c.RMAX + c.OMAX + c.SMAX; }
int windowSize(const Specc9& c) { return c.SPLATE - c.SPEARLY + 1; }

// The specialty counts a pattern can really have. For styles the form accepts
// this is SPMIN..SPMAX; a hand-edited style whose kind bounds or window cover
// only part of that range gets the part they cover, so no draw waits for a
// count the split or the window can never give.
struct Reach {
    int lo, hi;
};
Reach reachable(const Specc9& c) {
    return {std::max(c.SPMIN, sumMin(c)), std::min({c.SPMAX, sumMax(c), windowSize(c)})};
}

// Pool entries placed so far. Entry 0 names none, so it counts as placed and
// a draw of 0 is passed over by the same test as a placed entry.
using Placed = Arr<bool, 0, POSITIONS + 1>;

// Uniform among the free pool entries: what drawing R until it is free gives.
[[gnu::noinline]] int anyFree(Random& rnd, const Placed& FLAG, int Z) {
    std::vector<int> free;
    for (int r = 1; r <= Z; ++r)
        if (!FLAG[r]) free.push_back(r);
    if (free.empty()) return 0;
    return free[static_cast<std::size_t>(rnd(static_cast<int>(free.size())))];
}

// Draws R from 0..Z until it names a pool entry not yet placed. Inline: the
// pattern draw calls it six times a position, and a call costs as much as
// the draw's own test.
[[gnu::always_inline]] inline int drawFree(Random& rnd, const Placed& FLAG, int Z) {
    const auto placed = FLAG.span(0, Z);  // a draw is below Z + 1: checked once here, not at every draw
    for (long n = 0; n < DRAW_TRIES; ++n) {
        const int R = rnd(Z + 1);
        if (!placed[static_cast<std::size_t>(R)]) return R;
    }
    return anyFree(rnd, FLAG, Z);
}

struct Split {
    int FTVS = 0, REFS = 0, ONLYS = 0, SITS = 0;
};

Split drawSplit(Program& p, int SPECS) {
    const Specc9& c = p.cfg;
    for (long n = 0; n < DRAW_TRIES; ++n) {
        Split s;
        s.FTVS = drawKindCount(p.rnd, c.FMIN, c.FMAX, false);
        s.REFS = drawKindCount(p.rnd, c.RMIN, c.RMAX, true);
        s.ONLYS = drawKindCount(p.rnd, c.OMIN, c.OMAX, true);
        s.SITS = drawKindCount(p.rnd, c.SMIN, c.SMAX, false);
        if (s.FTVS + s.REFS + s.ONLYS + s.SITS == SPECS) return s;
    }
    // Fallback: the minima, then the rest one at a time to kinds with room.
    Split s{c.FMIN, c.RMIN, c.OMIN, c.SMIN};
    int* kind[4] = {&s.FTVS, &s.REFS, &s.ONLYS, &s.SITS};
    const int max[4] = {c.FMAX, c.RMAX, c.OMAX, c.SMAX};
    for (int left = SPECS - sumMin(c); left > 0; --left) {
        std::vector<int> room;
        for (int k = 0; k < 4; ++k)
            if (*kind[k] < max[k]) room.push_back(k);
        if (room.empty()) break;
        ++*kind[room[static_cast<std::size_t>(p.rnd(static_cast<int>(room.size())))]];
    }
    return s;
}

// The extra regular position after a placed "n": which rule's range holds
// decides its chance and limits. Ranges compare g / SPECS exactly.
bool extraRuleFires(Program& p, int SPECS, int Z, int K, bool LU) {
    const Specc9& c = p.cfg;
    const int g = c.SPLATE - c.SPEARLY;
    const int q = g / SPECS;
    const int nEntries = Z - SPECS;
    bool fires = false;
    if (q < 3 && 2 * g > 5 * SPECS)  // r > 2.5
        fires = p.rnd(7) < 4 && K < 6 && nEntries > 5;
    else if (q == 3)
        fires = p.rnd(7) < 5 && K < 8 && nEntries > 2;
    else if (g > 2 * SPECS && 2 * g < 5 * SPECS)  // a ratio above two and below two and a half
        fires = p.rnd(4) < 3 && K < 3 && nEntries > 5;
    else if (q >= 4)
        fires = K < 20 && nEntries > 0;
    return fires && !LU;
}

// How many specialties: a draw inside what the limits can reach, or one
// forced inside it when the tries run out.
int drawSpecialtyCount(const Specc9& c, Random& rnd) {
    const Reach reach = reachable(c);
    for (long n = 0; n < DRAW_TRIES; ++n) {
        const int d = rnd(c.SPMAX + 1);
        if (d >= reach.lo && d <= reach.hi) return d;
    }
    return reach.lo + rnd(reach.hi - reach.lo + 1);
}

// The pool: the kinds in blocks in one of three orders, situation always
// last, the rest regular.
Line makePool(Random& rnd, const Split& split) {
    Line DB = blankLine();
    std::vector<std::pair<char, int>> blocks;
    if (rnd(2) == 1)
        blocks = {{'F', split.FTVS}, {'R', split.REFS}, {'O', split.ONLYS}};
    else if (rnd(2) == 1)
        blocks = {{'R', split.REFS}, {'F', split.FTVS}, {'O', split.ONLYS}};
    else
        blocks = {{'O', split.ONLYS}, {'F', split.FTVS}, {'R', split.REFS}};
    blocks.push_back({'S', split.SITS});
    int at = 1;
    for (const auto& [letter, size] : blocks)
        for (int k = 0; k < size; ++k) DB[at++] = letter;
    return DB;
}

// One attempt at the window: each position takes, of six free pool entries,
// the one farthest from the last taken, so the kinds spread out; the extra
// rule may slip in a regular position after a specialty. Past the window all
// stays regular.
void placeWindow(Program& p, const Line& DB, int Z, int SPECS, Line& TYP) {
    Random& rnd = p.rnd;
    int K = 0;
    bool LU = false;
    int T = p.cfg.SPEARLY;
    Placed FLAG;
    FLAG.fill(false);
    FLAG[0] = true;
    TYP = blankLine();
    int LAST = rnd(5);
    if (rnd(2) == 1) LAST = rnd(20);
    if (rnd(3) == 1) LAST = rnd(10);
    if (rnd(3) == 1) LAST = 0;

    for (int j = 1; j <= Z; ++j) {
        int R = drawFree(rnd, FLAG, Z);
        for (int k = 0; k < 5; ++k) {
            const int cand = drawFree(rnd, FLAG, Z);
            if (std::abs(LAST - R) < std::abs(LAST - cand)) R = cand;
        }
        LAST = R;
        FLAG[R] = true;
        const char placed = DB[R];
        TYP[T++] = placed;
        if (placed != 'n') LU = false;

        if (placed != 'n' || SPECS == 0 || !extraRuleFires(p, SPECS, Z, K, LU)) continue;
        // An extra regular position, taken from the pool's free "n"
        // entries; a qualifying draw counts only within 99 draws.
        int found = 0;
        for (int d = 1; d <= 100; ++d) {
            const int cand = rnd(Z + 1);
            if (cand != 0 && DB[cand] == 'n' && !FLAG[cand]) {
                if (d <= 99) found = cand;
                break;
            }
        }
        if (found == 0) continue;
        ++j;
        LU = true;
        LAST = found;
        FLAG[found] = true;
        TYP[T++] = 'n';
        ++K;
    }
}

// Same-kind neighbours in the window; `I`, the kind last seen, runs on from
// the previous attempt.
int sameKindNeighbours(const Specc9& c, const Line& TYP, char& I) {
    int W = 0;
    for (int x = c.SPEARLY; x <= c.SPLATE; ++x) {
        const char ch = TYP[x];
        if (ch == 'n') continue;
        if (ch == I) ++W;
        I = ch;
    }
    return W;
}

// One random pattern into TYP; returns SPECS.
int drawPattern(Program& p, Line& TYP) {
    const Specc9& c = p.cfg;
    Random& rnd = p.rnd;
    const int SPECS = drawSpecialtyCount(c, rnd);
    const Line DB = makePool(rnd, drawSplit(p, SPECS));
    const int Z = windowSize(c);  // the window is the pool's size

    // Fifteen attempts; the best so far is kept in TYP2.
    Line TYP2 = blankLine();
    int WLAST = 90;
    char I = 'X';
    for (int attempt = 1; attempt <= 15; ++attempt) {
        placeWindow(p, DB, Z, SPECS, TYP);
        int W = sameKindNeighbours(c, TYP, I);

        // A worse attempt gives way to the best so far; either may be mirrored.
        if (W > WLAST) {
            TYP = TYP2;
            W = WLAST;
        }
        if (rnd(10) > 5) {
            const Line old = TYP;
            for (int x = c.SPEARLY; x <= c.SPLATE; ++x) TYP[x] = old[c.SPEARLY + c.SPLATE - x];
        }

        // The attempt kept becomes the one the next must beat.
        TYP2 = TYP;
        WLAST = W;
    }
    return SPECS;
}

void addConflict(std::string& msg, const std::string& what) {
    if (!msg.empty()) msg += " ";
    msg += what;
}

}  // namespace

int drawKindCount(Random& rnd, int min, int max, bool midpoint) {
    for (long n = 0; n < DRAW_TRIES; ++n) {
        int d = rnd(max + 1);
        // The midpoint is (max + min) / 2 exactly, so a half never matches.
        if (midpoint && 2 * d != max + min) d = rnd(max + 1);
        if (d >= min) return d;
    }
    return min + rnd(max - min + 1);
}

std::string patternConflicts(const Program& p) {
    const Specc9& c = p.cfg;
    const auto n = [](int v) { return std::to_string(v); };
    std::string msg;
    if (c.QNUM < 1 || c.QNUM > QQZ)
        addConflict(msg, "Number of Quizzes in this Run (" + n(c.QNUM) + ") must be 1 to " + n(QQZ) + ".");

    if (!randomMode(p.shared)) {
        for (int x = 1; x <= POSITIONS; ++x) {
            if (x > static_cast<int>(c.TYP.size())) break;  // a short line reads as "n" beyond its end
            const char ch = c.TYP.at(static_cast<std::size_t>(x));
            if (std::string_view("nFROS").find(ch) == std::string_view::npos) {
                addConflict(msg, "Set Specialty Quest nos is Y, but the style's specialty numbers hold \"" +
                                     std::string(1, ch) + "\" at question " + n(x) + "; set them again on the form.");
                break;
            }
        }
    } else {
        struct Named {
            const char* label;
            int v;
        };
        const Named all[] = {{"Total Min", c.SPMIN},   {"Total Max", c.SPMAX}, {"FTV Type Min", c.FMIN},
                             {"FTV Type Max", c.FMAX}, {"CV Ref Min", c.RMIN}, {"CV Ref Max", c.RMAX},
                             {"CO Ref Min", c.OMIN},   {"CO Ref Max", c.OMAX}, {"Situation Min", c.SMIN},
                             {"Situation Max", c.SMAX}};
        for (const auto& s : all)
            if (s.v < 0) addConflict(msg, std::string(s.label) + " (" + n(s.v) + ") is below 0.");
        for (int k = 0; k < 10; k += 2)
            if (all[k].v > all[k + 1].v)
                addConflict(msg, std::string(all[k].label) + " (" + n(all[k].v) + ") is above " + all[k + 1].label +
                                     " (" + n(all[k + 1].v) + ").");
        const std::string window = "Specialties may appear " + n(c.SPEARLY) + " to " + n(c.SPLATE);
        if (c.SPEARLY < 1 || c.SPLATE > POSITIONS || c.SPEARLY > c.SPLATE) {
            addConflict(msg, window + " is not a range within 1 to 30.");
        } else {
            if (windowSize(c) < c.SPMIN)
                addConflict(msg, window + " gives " + n(windowSize(c)) + " positions, fewer than Total Min (" +
                                     n(c.SPMIN) + ").");
            if (windowSize(c) < sumMin(c))
                addConflict(msg, window + " gives " + n(windowSize(c)) +
                                     " positions, fewer than the four Mins add up to (" + n(sumMin(c)) + ").");
        }
        if (sumMax(c) < c.SPMIN)
            addConflict(msg,
                        "The four Max values add up to " + n(sumMax(c)) + ", below Total Min (" + n(c.SPMIN) + ").");
        if (sumMin(c) > c.SPMAX)
            addConflict(msg,
                        "The four Min values add up to " + n(sumMin(c)) + ", above Total Max (" + n(c.SPMAX) + ").");
    }
    if (msg.empty()) return msg;
    return "The quiz style's specialty settings conflict: " + msg + " Correct the style on the form.";
}

void SPECPAT(Program& p) {
    Specc9& c = p.cfg;
    if (!randomMode(p.shared)) {
        // Every quiz uses the stored pattern. SPECS is the maxima's sum, as the
        // specialty numbers screen sets it; a stored pattern that disagrees
        // (the screen was bypassed) stands as it is, with its own count.
        Line TYP = blankLine();
        for (int x = 1; x <= POSITIONS && x <= static_cast<int>(c.TYP.size()); ++x)
            TYP[x] = c.TYP.at(static_cast<std::size_t>(x));
        c.SPECS = sumMax(c);
        const int count = specialtiesIn(TYP);
        if (count != c.SPECS) c.SPECS = count;
        c.TYP = toText(TYP);
        return;
    }
    Line TYP = blankLine();
    int SPECS = 0;
    for (int tries = 1; tries <= PATTERN_TRIES; ++tries) {
        SPECS = drawPattern(p, TYP);
        if (specialtiesIn(TYP) == SPECS) break;
    }
    c.SPECS = specialtiesIn(TYP);
    c.TYP = toText(TYP);
}

void SPEC2(Program& p) {
    Specc9& c = p.cfg;
    if (const std::string conflict = patternConflicts(p); !conflict.empty()) failRestart(p, conflict);

    p.ask().show(p, Screen::Patterns);
    c.QZ = c.QNUM;
    for (int quiz = 1; quiz <= c.QNUM; ++quiz) {
        SPECPAT(p);
        c.PAT[quiz] = c.TYP;
    }
    p.ask().patternsReviewed(p);

    // Written whole however the review was left, Esc included.
    std::vector<std::string> lines;
    for (int quiz = 1; quiz <= c.QNUM; ++quiz) lines.push_back(c.PAT[quiz].str());
    if (auto w = writeFileAtomic(p.file("pat.txt"), lines); !w)
        failRestart(p, "The pattern file pat.txt could not be written" + w.where() + "; any old one is kept.");
}

void EVSET(Program& p) {
    for (int ch = 1; ch <= p.material.chapters(); ++ch) p.cfg.EVS[ch] = p.material.verses(ch);
}

void CREATESPECS(Program&) {}

}  // namespace tess
