// The specialty pickers, one for every specialty kind, told apart only by
// its entry in KINDS: a free sector that still holds an undrawn question of
// the kind in this cycle, an available question of it, its text from the
// kind's bank file. A kind whose pool yields nothing within a pick starts a
// new cycle (its questions repeat); a second refresh within one pick gives up
// one-question-per-sector for the quiz.
#include "selection/SpecialtyPickers.h"

#include <string>
#include <utility>
#include <vector>

#include "core/Messages.h"
#include "material/SectorWalk.h"
#include "selection/Availability.h"
#include "selection/FtvTypes.h"
#include "selection/RepeatControl.h"
#include "selection/SpecialtyPasses.h"

namespace tess {

namespace {

using std::to_string;

// Rejection draws of one question number before a direct choice takes over.
constexpr int NUMBER_DRAWS = 1000;
// FTV tries before a question is taken whatever its type.
constexpr int FTV_TYPE_TRIES = 29;

struct Pick {
    int s = 0;
    int num = 0;
};

int materialOf(const RunState& r, const Kind& k) {
    int n = 0;
    for (int s = 1; s <= r.SECTORS; ++s) n += (r.*k.total)[s];
    return n;
}

// A pattern letter whose kind has no question in any sector cannot be served
// (the drawing would never end): the position stays empty and the user is told.
bool noMaterial(Program& p, const Kind& k) {
    auto& r = p.run;
    if (materialOf(r, k) > 0) return false;
    const std::string what = "No " + std::string(k.name) + " questions: quiz " + to_string(r.Q2) + " position " +
                             to_string(r.C1) + " left empty";
    warn(p, "  **" + what + "**");
    logLine(p, what);
    return true;
}

// From 1 to total, drawn as Random(total + 1) until above 0.
int drawNumber(Program& p, int total) {
    for (int i = 0; i < NUMBER_DRAWS; ++i)
        if (const int n = p.rnd(total + 1); n > 0) return n;
    return p.rnd(total) + 1;
}

// An available question of sector s, or 0 when it has none. Called for
// every specialty pick, so it only looks for one available question before
// drawing; the available ones are counted only for the fallback.
int drawAvailable(Program& p, const Kind& k, int s) {
    auto& r = p.run;
    auto& avail = r.*k.avail;
    const int total = (r.*k.total)[s];
    const auto available = [&](int n) { return flagRef(avail, s, n) != 0; };
    int n = 1;
    while (n <= total && !available(n)) ++n;
    if (n > total) return 0;
    for (int i = 0; i < NUMBER_DRAWS; ++i)
        if (const int d = drawNumber(p, total); available(d)) return d;
    int free = 0;
    for (n = 1; n <= total; ++n) free += available(n);
    int pick = p.rnd(free);
    for (n = 1; n <= total; ++n)
        if (available(n) && pick-- == 0) break;
    return n;
}

// After a second refresh every sector is free and every question available,
// so a draw can only go on missing when almost no sector holds the kind: the
// pick is then made directly among the free sectors' available questions.
Pick directChoice(Program& p, const Kind& k) {
    auto& r = p.run;
    std::vector<Pick> choices;
    for (int s = 1; s <= r.SECTORS; ++s) {
        if (r.FLAG[s] != 1 || (r.*k.undrawn)[s] <= 0) continue;
        for (int n = 1; n <= (r.*k.total)[s]; ++n)
            if (flagRef(r.*k.avail, s, n)) choices.push_back({s, n});
    }
    if (choices.empty()) {  // not reached: the kind has material and all of it is free
        for (int s = 1; s <= r.SECTORS; ++s)
            if ((r.*k.total)[s] > 0) return {s, 1};
    }
    return choices[static_cast<std::size_t>(p.rnd(static_cast<int>(choices.size())))];
}

// A new cycle of the kind: all its questions available again, counts restored.
void refresh(Program& p, const Kind& k, int& refreshes) {
    auto& r = p.run;
    if (k.endLineFirst) p.ask().show(p, Screen::LineEnd);
    p.ask().show(p, Screen::NextMessageRow);
    if (refreshes == 0 || k.warnEveryRefresh) say(p, Event::Kind::Warning, k.repeatWarning + to_string(r.Q2));
    if (refreshes == 0) logLine(p, k.repeatLog + to_string(r.Q2));
    if (++refreshes > 1) REPEATSECTOR(p);
    p.ask().show(p, Screen::ChoosingQuiz);
    for (int s = 1; s <= SCMAX; ++s) setAll((r.*k.avail)[s], true);
    for (int s = 1; s <= r.SECTORS; ++s) (r.*k.undrawn)[s] = (r.*k.total)[s];
    if (k.typed) r.FQUIZ = r.FQUIZ1 + r.Q2;
}

// Chooses and marks the question of position C1 (its text is read apart).
// `draws` is where the draw count starts: at the limit, the first draw
// refreshes the kind.
Pick pickAttempt(Program& p, const Kind& k, int draws) {
    auto& r = p.run;
    auto& undrawn = r.*k.undrawn;
    const auto& total = r.*k.total;
    auto& avail = r.*k.avail;

    int preferred = 0;
    if (k.preferred && r.SECOND == 2) {
        int pool = 0;
        for (int s = 1; s <= r.SECTORS; ++s) pool += undrawn[s];
        for (int s = 1; s <= r.SECTORS; ++s)
            if (pool / 3 < undrawn[s]) preferred = s;
        if (preferred == r.*k.last) preferred = 0;
    }

    int refreshes = 0;
    Pick pick;
    for (;;) {
        ++draws;
        pick.s = p.rnd(r.SECTORS) + 1;
        if (draws > SPECIALTY_DRAWS) {
            if (refreshes == 2) {
                pick = directChoice(p, k);
                break;
            }
            refresh(p, k, refreshes);
            draws = 0;
        }
        const int s = pick.s;
        if (r.FLAG[s] == 1 && undrawn[s] > 0 && total[s] > 0) {
            pick.num = drawNumber(p, total[s]);
            if (flagRef(avail, s, pick.num)) break;
        }
    }

    // The preferred sector can count undrawn questions yet have none
    // available (a question given back after a refresh is counted twice);
    // the sector already found then stands.
    if (preferred != 0 && r.FLAG[preferred] == 1 && undrawn[preferred] > 0) {
        if (const int n = drawAvailable(p, k, preferred); n > 0) pick = {preferred, n};
    }

    const int s = pick.s, num = pick.num;
    r.SECTOR[r.C1] = s;
    r.FLAG[s] = 0;
    if (p.rnd(100) >= r.REPEATPCT) flagRef(avail, s, num) = 0;
    r.NUMBER[s] = num;
    r.PNUMBER[r.C1] = num;
    --undrawn[s];
    r.*k.last = s;
    return pick;
}

// Reads the question's line into position C1.
void readText(Program& p, const Kind& k, const Pick& pick) {
    auto& r = p.run;
    const std::string_view line = rangeLines(p, k, r.*k.total).line(pick.s, pick.num);
    CONVERT2(p, line);
    r.ALL[r.C1] = line;
    const std::string_view second = k.twoTexts ? afterChars(line, LMAX) : std::string_view();
    r.ALL2[r.C1] = second.empty() ? std::string_view(" ") : second;
}

// The typed kind's pick (FTV): successive questions of the run should
// differ in type.
void chooseTyped(Program& p, const Kind& k) {
    auto& r = p.run;
    r.*k.before = r.TEMPF;
    // A try that repeats a recent type is undone, less strictly the more
    // tries it took.
    int tries = 0;
    Pick pick;
    for (;;) {
        const int last = r.*k.last;
        const bool forced = r.Q2 > r.FQUIZ && r.Q2 > 3;
        pick = pickAttempt(p, k, forced ? SPECIALTY_DRAWS : 0);
        r.FTCC = ftvType(r, pick.s, pick.num);
        const bool repeats = r.FTCC == r.FTC2 || (r.FTCC == r.FTC3 && tries < 14) || (r.FTCC == r.FTC4 && tries < 4);
        if (tries < FTV_TYPE_TRIES && repeats) {
            r.*k.last = last;
            ++tries;
            r.FLAG[pick.s] = 1;
            flagRef(r.*k.avail, pick.s, pick.num) = 1;
            ++(r.*k.undrawn)[pick.s];
            continue;
        }
        break;
    }
    r.FTC4 = r.FTC3;
    r.FTC3 = r.FTC2;
    r.FTC2 = r.FTCC;
    readText(p, k, pick);
}

}  // namespace

void chooseSpecialty(Program& p, const Kind& k) {
    if (noMaterial(p, k)) return;
    if (k.typed)
        chooseTyped(p, k);
    else
        readText(p, k, pickAttempt(p, k, 0));
}

}  // namespace tess
