#pragma once
// The selection stages on the fixture: a small hand-made regular bank with
// the sector table filled by hand (Rig), and specialty bank files beside it,
// written sector by sector on the sector's own verses with the count tables
// and the lines before the range set to match (SpecialtyRig).
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/Kinds.h"
#include "selection/FtvTypes.h"
#include "selection/QuizAssembly.h"
#include "selection/SpecialtyPasses.h"
#include "support/Fixture.h"

namespace tess::testing {

// Question n of sector s: interrogative or not, recognisable in the listing.
inline std::string plainText(int s, int n) {
    return "Jesus taught item " + std::to_string(s) + "." + std::to_string(n);
}
inline std::string askText(int s, int n) {
    return "Who taught item " + std::to_string(s) + "." + std::to_string(n) + "?";
}

struct Rig : Fixture {
    using TextFn = std::function<std::string(int s, int n)>;

    explicit Rig(std::unique_ptr<Random> random = nullptr)
        : Fixture(random ? std::move(random) : std::make_unique<Random>(20261207)) {
        r.REGFILE = "Luke.A";
        r.COUNTFILE = "count.00A";
        r.LG = ' ';
        for (int c = 1; c <= LUKE_CHAPTERS; ++c) r.EVS[c] = VMAX;
        r.RSET = 4;
        r.IPC = 50;
        r.approval = Approval::Automatic;
    }

    // Writes the regular file: `before` questions ahead of the range, then the
    // sectors in order, `perVerse` questions to a verse, verses 1..80 of each
    // chapter; fills the sector table and marks everything available.
    void bank(const std::vector<int>& perSector, const TextFn& text = plainText, int before = 2, int perVerse = 1);

    void pattern(const std::string& pat) {
        for (int q = 1; q <= QQZ; ++q) r.PAT[q] = pat;
    }
};

// The question part (column 7 on) of question n of sector s of a kind.
std::string kindText(char kind, int s, int n);

struct SpecialtyRig : Rig {
    using KindText = std::function<std::string(int s, int n)>;

    // `regular` regular questions a sector, one verse each, make the sectors.
    explicit SpecialtyRig(const std::vector<int>& regular, std::unique_ptr<Random> random = nullptr);

    // Writes the kind's bank file: `before` questions ahead of the range (at
    // 1:1), then counts[s] questions of each sector on its verses in turn.
    void kind(char k, const std::vector<int>& counts, KindText text = nullptr, int before = 1);

    // The bank line of question n of sector s of kind k.
    std::string line(char k, int s, int n) { return expected[k][{s, n}]; }

    BySector<int>& pools(char k) { return r.*kindOf(k)->undrawn; }
    Flags& avail(char k) { return r.*kindOf(k)->avail; }
    std::string& fileOf(char k) { return r.*kindOf(k)->file; }
    int& beforeOf(char k) { return r.*kindOf(k)->before; }

    // A new quiz's specialty attempt: every sector free, no previous sector.
    void freeAll();
    // Runs the pass of `k` for quiz q over pattern `pat`.
    void pass(char k, int q, const std::string& pat);

    std::map<char, std::map<std::pair<int, int>, std::string>> expected;  // kind -> (sector, number) -> line
};

}  // namespace tess::testing
