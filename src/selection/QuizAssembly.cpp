#include "selection/QuizAssembly.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Kinds.h"
#include "core/Messages.h"
#include "material/Counts.h"
#include "material/Interrogative.h"
#include "material/SectorWalk.h"
#include "selection/Availability.h"
#include "selection/QuizListing.h"
#include "selection/RegularPicker.h"
#include "selection/RepeatControl.h"
#include "selection/SpecialtyPasses.h"

namespace tess {

namespace {

using std::to_string;

// Position draws of one trade before it falls back to a direct choice.
constexpr int POSITION_DRAWS = 20000;

char letterAt(const RunState& r, int pos) { return r.TYP.at(static_cast<std::size_t>(pos)); }

// A position left empty (Esc at approval) keeps no text, sector or book
// marker of the previous quiz.
void resetQuiz(RunState& r) { r.part<QuizDraft>() = {}; }

void newRegularCycle(Program& p) {
    auto& r = p.run;
    warn(p, "  **Out of Regular Questions...Using Repeats beginning quiz " + to_string(r.Q2) + "**");
    r.MINQZ = r.MINQZ + r.MINQZ1 - 1;
    for (int s = 1; s <= SCMAX; ++s) setAll(r.REGQUESTION[s], true);
    for (int s = 1; s <= r.SECTORS; ++s) r.QPS[s] = r.TQPS[s];
    logLine(p, "Regular Question Repeats begin quiz " + to_string(r.Q2));
}

// The kind whose material is tightest is served first, the next one second:
// by the sectors holding it less the positions asking for it.
void specialtyOrder(Program& p) {
    auto& r = p.run;
    r.TYP = r.PAT[r.Q2];
    std::array<int, KIND_COUNT> spare{};
    for (const Kind& k : SPECIALTIES)
        for (int s = 1; s <= r.SECTORS; ++s) spare[slotOf(k)] += (r.*k.undrawn)[s] > 0;
    for (int x = 1; x <= r.SECTORS; ++x)
        if (const Kind* k = kindOf(letterAt(r, x)); k && k->specialty) --spare[slotOf(*k)];
    auto spareOf = [&](char letter) -> int& { return spare[slotOf(*kindOf(letter))]; };
    auto smallest = [&](std::string_view order) {
        char best = order[0];
        for (char k : order)
            if (spareOf(k) < spareOf(best)) best = k;
        return best;
    };
    r.PRIORITY1 = smallest(FIRST_TIES);
    spareOf(r.PRIORITY1) = 200;
    r.PRIORITY2 = smallest(SECOND_TIES);
}

void specialtyAttempt(Program& p) {
    auto& r = p.run;
    r.SECOND = 0;
    for (int s = 1; s <= r.SECTORS; ++s) r.FLAG[s] = 1;
    p.ask().show(p, Screen::ChoosingQuiz);
    r.TYP = r.PAT[r.Q2];
    r.LAST = NO_SECTOR;
    r.LASTO = NO_SECTOR;
    runSpecialtyPass(p, r.PRIORITY1);
    runSpecialtyPass(p, r.PRIORITY2);
    for (char k : PASS_ORDER)
        if (k != r.PRIORITY1 && k != r.PRIORITY2) runSpecialtyPass(p, k);
}

bool holdsInterrogative(const RunState& r, int pos) { return flagIs(r.INT, r.RSECTOR[pos], r.PNUMBER[pos]); }

// A regular position whose question is (or is not) an interrogative, drawn
// at random; 0 when there is none.
int drawTradePosition(Program& p, bool interrogative) {
    auto& r = p.run;
    auto fits = [&](int pos) {
        return letterAt(r, pos) == 'n' && r.PNUMBER[pos] > 0 && holdsInterrogative(r, pos) == interrogative;
    };
    for (int i = 0; i < POSITION_DRAWS; ++i) {
        const int pos = p.rnd(r.SECTORS) + 1;
        if (fits(pos)) return pos;
    }
    std::vector<int> candidates;
    for (int pos = 1; pos <= r.SECTORS; ++pos)
        if (fits(pos)) candidates.push_back(pos);
    return candidates.empty() ? 0 : candidates[static_cast<std::size_t>(p.rnd(static_cast<int>(candidates.size())))];
}

void abandonInterrogatives(Program& p, bool tooMany) {
    auto& r = p.run;
    r.ABAND3 = true;
    r.ABAND = r.Q2;
    r.OLDIPC = r.IPC;
    warn(p, tooMany ? "  **Some Sectors are out of Noninterrogative questions**"
                    : "  **Some Sectors are out of Interrogative questions**");
    const std::string what = to_string(r.IPC) + " Percent interrogatives on quiz " + to_string(r.Q2);
    warn(p, "  **Abandoning " + what + "**");
    logLine(p, "Abandoning " + what);
    r.IPC = 50;
    r.ITOT = r.INUM;
}

// Trades regular questions until the quiz holds INUM interrogatives.
void tradeInterrogatives(Program& p, bool tooMany) {
    auto& r = p.run;
    int trades = 0;
    while (r.ITOT != r.INUM) {
        if (tooMany) p.ask().show(p, Screen::TradeCount);
        if (trades == TRADE_LIMIT) {
            abandonInterrogatives(p, tooMany);
            return;
        }
        const int pos = drawTradePosition(p, tooMany);
        if (pos == 0) {
            abandonInterrogatives(p, tooMany);
            return;
        }
        const int s = r.RSECTOR[pos], n = r.PNUMBER[pos];
        if (tooMany) --r.ITOT;
        ++r.QPS[s];
        r.FLAG[s] = 1;
        flagRef(r.REGQUESTION, s, n) = 1;
        r.C1 = pos;
        CHOOSEQUE(p);
        ++trades;
    }
}

}  // namespace

// Gives the attempt's specialty questions back to their pools.
void giveBackSpecialties(Program& p) {
    auto& r = p.run;
    for (int a = 1; a <= r.SECTORS; ++a) {
        const int s = r.SECTOR[a], b = r.PNUMBER[a];
        if (s < 1 || s > SCMAX || b < 1) continue;  // nothing was placed there
        const Kind* k = kindOf(letterAt(r, a));
        if (!k || !k->specialty) continue;
        ++(r.*k->undrawn)[s];
        r.FLAG[s] = 1;
        flagRef(r.*k->avail, s, b) = 1;
    }
}

// Every regular position gets the text of its own question, also when two
// positions drew on one sector. The positions are served in the order of the
// file (sector, question, position), which leaves NUMBER and C1 as a walk
// through the file would.
void readRegularTexts(Program& p) {
    auto& r = p.run;
    std::vector<int> positions;
    for (int x = 1; x <= r.SECTORS; ++x) {
        const int s = r.RSECTOR[x], n = r.PNUMBER[x];
        if (letterAt(r, x) == 'n' && n > 0 && s >= 1 && s <= r.SECTORS && n <= r.TQPS[s]) positions.push_back(x);
    }
    if (positions.empty()) return;
    const RangeLines& lines = rangeLines(p, REGULAR, r.TQPS);
    std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) {
        return std::pair(r.RSECTOR[a], r.PNUMBER[a]) < std::pair(r.RSECTOR[b], r.PNUMBER[b]);
    });
    for (int x : positions) {
        const int s = r.RSECTOR[x], n = r.PNUMBER[x];
        r.NUMBER[s] = n;
        r.C1 = x;
        const std::string_view line = lines.line(s, n);
        CONVERT2(p, line);
        r.ALL[x] = line;
    }
}

void markAllAvailable(Program& p) {
    auto& r = p.run;
    for (int s = 1; s <= SCMAX; ++s) {
        for (const Kind& k : KINDS) {
            (r.*k.total)[s] = (r.*k.undrawn)[s];
            (r.*k.avail)[s].assign(flagTableSize(k.tableSize, (r.*k.total)[s]), 1);
        }
        // The interrogative marks keep what COUNTINT set; they grow with the table.
        const auto regSize = flagTableSize(REGXX, r.TQPS[s]);
        if (r.INT[s].size() < regSize) r.INT[s].resize(regSize, 0);
    }
}

void CHOOSESPEC(Program& p) {
    auto& r = p.run;
    resetQuiz(r);
    if (r.Q2 > r.MINQZ) newRegularCycle(p);
    specialtyOrder(p);

    bool headerWritten = false;
    for (;;) {
        specialtyAttempt(p);
        if (r.approval == Approval::EachQuiz) p.ask().show(p, Screen::QuizListing);
        if (!headerWritten) {
            writeListHeader(p.run);
            headerWritten = true;
        }
        if (r.approval != Approval::EachQuiz) break;
        const Combination a = p.ask().combination(p);
        if (a == Combination::Accept) break;
        if (a == Combination::Abandon) return;
        giveBackSpecialties(p);
    }

    int regular = 0;
    for (int x = 1; x <= r.SECTORS; ++x) regular += letterAt(r, x) == 'n';
    r.INUM = (regular * r.IPC) / 100;
    if (r.approval == Approval::EachQuiz) p.ask().show(p, Screen::ChoosingRegular);

    r.ITOT = 0;
    r.FIXLAST = r.FIX;
    for (int x = 1; x <= r.SECTORS; ++x) {
        if (letterAt(r, x) != 'n') continue;
        r.C1 = x;
        CHOOSEQUE(p);
    }

    if (r.IPC != 50 && r.ITOT > r.INUM) tradeInterrogatives(p, true);
    if (r.IPC != 50 && r.ITOT < r.INUM) tradeInterrogatives(p, false);

    readRegularTexts(p);
    writeListBody(p.run);
}

}  // namespace tess
