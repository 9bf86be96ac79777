#include "selection/Season.h"

#include <algorithm>
#include <ctime>
#include <unordered_set>

#include "console/TextFile.h"
#include "core/Kinds.h"
#include "core/Messages.h"
#include "material/BankFile.h"
#include "material/SectorWalk.h"
#include "selection/Availability.h"

namespace tess {

namespace {

std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    gmtime_r(&now, &t);
    char d[16];
    std::strftime(d, sizeof d, "%Y-%m-%d", &t);
    return d;
}

Season readSeasonFile(Program& p) {
    const std::string path = p.file(SEASON_FILE);
    const auto lines = readAllLines(path);
    if (!lines) failRestart(p, std::string(SEASON_FILE) + " cannot be read: " + whyUnreadable(path) + ".");
    SeasonRead read = parseSeason(*lines);
    if (read.fault) failRestart(p, read.fault->message(SEASON_FILE) + " Mend the season file or remove it.");
    return std::move(read.season);
}

}  // namespace

void holdBackSeason(Program& p) {
    SeasonRun& sr = p.season;
    sr.inUse = false;
    sr.heldBack.fill(0);
    sr.meet = Meet{};
    if (sr.off || !fileExists(p.file(SEASON_FILE))) return;
    sr.season = readSeasonFile(p);
    sr.inUse = true;
    auto& r = p.run;
    for (const Kind& k : KINDS) {
        std::unordered_set<std::uint64_t> used;
        for (const Meet& m : sr.season.meets)
            for (const SeasonQuestion& q : m.questions)
                if (q.kind == k.letter && q.bankFile == r.*k.file) used.insert(q.print);
        if (used.empty() || r.*k.quest == 0) continue;
        const RangeLines& lines = rangeLines(p, k, r.*k.total);
        for (int s = 1; s <= r.SECTORS; ++s)
            for (int n = 1; n <= (r.*k.total)[s]; ++n) {
                char& flag = flagRef(r.*k.avail, s, n);
                if (!flag || !used.count(fingerprintOf(lines.line(s, n)))) continue;
                flag = 0;
                --(r.*k.undrawn)[s];
                ++sr.heldBack[slotOf(k)];
            }
    }
    // The regular cycle ends with the smallest sector's fresh questions, as
    // it does when a run starts with all of them.
    if (sr.heldBack[slotOf(REGULAR)] > 0)
        for (int s = 1; s <= r.SECTORS; ++s) r.MINQZ = std::min(r.MINQZ, r.QPS[s]);
}

void noteSeasonQuiz(Program& p) {
    if (!p.season.inUse) return;
    auto& r = p.run;
    for (int x = 1; x <= r.SECTORS; ++x) {
        const Kind* k = kindOf(r.PAT[r.Q2].at(static_cast<std::size_t>(x)));
        if (!k) continue;
        const int s = k->specialty ? r.SECTOR[x] : r.RSECTOR[x], n = r.PNUMBER[x];
        if (s < 1 || s > r.SECTORS || n < 1 || n > (r.*k->total)[s]) continue;  // left empty
        const std::string_view line = rangeLines(p, *k, r.*k->total).line(s, n);
        std::string ref;
        if (const auto b = parseBankRef(line)) ref = std::to_string(b->chapter) + ":" + std::to_string(b->verse);
        p.season.meet.questions.push_back({k->letter, fingerprintOf(line), ref, r.*k->file});
    }
}

void writeSeasonNote(Program& p) {
    const SeasonRun& sr = p.season;
    if (!sr.inUse) return;
    std::string note = "Season of " + std::to_string(sr.season.meets.size()) + " earlier meet(s): held back";
    for (const Kind& k : KINDS)
        note += std::string(&k == &REGULAR ? " " : ", ") + std::to_string(sr.heldBack[slotOf(k)]) + " " + k.name;
    p.run.listFile.writeln(note + " questions.");
}

std::vector<std::string> seasonAfterRun(const Program& p) {
    if (!p.season.inUse) return {};
    Season s = p.season.season;
    Meet m = p.season.meet;
    m.date = today();
    m.style = p.run.NAME.str();
    m.packet = std::string(p.shared.NAME4) + ".qui";
    s.meets.push_back(std::move(m));
    return seasonLines(s);
}

}  // namespace tess
