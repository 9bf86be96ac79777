#pragma once
// Specialty bank files beside the regular bank of a selection rig: each kind's
// questions are written sector by sector on the sector's own verses, with the
// count tables and the lines before the range set to match.
#include <map>
#include <string>
#include <vector>

#include "selection/FtvTypes.h"
#include "selection/SelectionRig.h"
#include "selection/SpecialtyPasses.h"

namespace tess::testing {

// Counts a run's draws of Random(100): one per specialty pick attempt.
class HundredsCounter : public Random {
public:
    explicit HundredsCounter(std::uint64_t seed) : Random(seed, StandIn{}) {}
    int standInDraw(int n) override {
        if (n == 100) ++hundreds;
        return draw(n);
    }
    long hundreds = 0;
};

// The question part (column 7 on) of question n of sector s of a kind.
inline std::string kindText(char kind, int s, int n) {
    const std::string id = std::to_string(s) + "." + std::to_string(n);
    switch (kind) {
        case 'R': return "WH\tWho asked question " + id + "?\tAnswer " + id;
        case 'O': return "WY\tWhy was item " + id + " said?\tAnswer " + id;
        case 'S': return "Who said this? \"Quote " + id + "\" *Speaker " + id;
        default: return "FP" + std::string(1, static_cast<char>('A' + (s + n) % 7)) + "\tVerse " + id + " goes on here";
    }
}

// True when the screen showed the text, also where it went on to the next
// row (a long message runs on over several rows).

struct SpecialtyRig {
    using KindText = std::function<std::string(int s, int n)>;

    // `regular` regular questions a sector, one verse each, make the sectors.
    explicit SpecialtyRig(const std::vector<int>& regular, std::unique_ptr<Random> rnd = nullptr) : rig(std::move(rnd)) {
        rig.bank(regular);
        r.CVFILE = "cv.b";
        r.COFILE = "co.b";
        r.SITFILE = "SIT.TXT";
        r.FTVFILE = "FTV.00";
        r.REPEATPCT = 0;
        r.Q2 = 1;
        rig.openOutputs();
        freeAll();
    }

    // Writes the kind's bank file: `before` questions ahead of the range (at
    // 1:1), then counts[s] questions of each sector on its verses in turn.
    void kind(char k, const std::vector<int>& counts, KindText text = nullptr, int before = 1) {
        if (!text) text = [k](int s, int n) { return kindText(k, s, n); };
        std::vector<std::string> lines;
        for (int i = 1; i <= before; ++i) lines.push_back(bankLine(1, 1, kindText(k, 0, i)));
        auto& ps = pools(k);
        for (int s = 1; s <= r.SECTORS; ++s) {
            const int span = r.EV[s] - r.BV[s] + 1;  // the rig's sectors stay inside chapter 1
            const int count = s <= static_cast<int>(counts.size()) ? counts[static_cast<std::size_t>(s - 1)] : 0;
            for (int n = 1; n <= count; ++n) {
                lines.push_back(bankLine(r.BC[s], r.BV[s] + (n - 1) % span, text(s, n)));
                expected[k][{s, n}] = lines.back();
            }
            ps[s] = count;
        }
        writeFileAtomic(rig.p.file(fileOf(k)), lines);
        beforeOf(k) = before;
        if (k == 'F') r.TEMPF = before;
        markAllAvailable(rig.p);
    }

    // The bank line of question n of sector s of kind k.
    std::string line(char k, int s, int n) { return expected[k][{s, n}]; }

    BySector<int>& pools(char k) { return k == 'R' ? r.RPS : k == 'O' ? r.OPS : k == 'S' ? r.SPS : r.FPS; }
    BySector<int>& totals(char k) { return k == 'R' ? r.TRPS : k == 'O' ? r.TOPS : k == 'S' ? r.TSPS : r.TFPS; }
    Flags& avail(char k) { return k == 'R' ? r.REFERENCE : k == 'O' ? r.ONLY : k == 'S' ? r.SITUATION : r.FINISH; }
    std::string& fileOf(char k) { return k == 'R' ? r.CVFILE : k == 'O' ? r.COFILE : k == 'S' ? r.SITFILE : r.FTVFILE; }
    int& beforeOf(char k) { return k == 'R' ? r.RBEFORE : k == 'O' ? r.OBEFORE : k == 'S' ? r.SBEFORE : r.FBEFORE; }

    // A new quiz's specialty attempt: every sector free, no previous sector.
    void freeAll() {
        for (int s = 1; s <= r.SECTORS; ++s) r.FLAG[s] = 1;
        r.LAST = r.LASTO = 99;
        r.SECOND = 0;
    }
    // Runs the pass of `k` for quiz q over pattern `pat`.
    void pass(char k, int q, const std::string& pat) {
        r.Q2 = q;
        r.PAT[q] = pat;
        r.TYP = pat;
        switch (k) {
            case 'R': FINDREFS(rig.p); break;
            case 'O': FINDONLYS(rig.p); break;
            case 'S': FINDSITS(rig.p); break;
            default: FINDFTVS(rig.p); break;
        }
    }

    Rig rig;
    RunState& r = rig.run();
    std::map<char, std::map<std::pair<int, int>, std::string>> expected;  // kind -> (sector, number) -> line
};

}  // namespace tess::testing
