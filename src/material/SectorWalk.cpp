#include "material/SectorWalk.h"

#include "core/Messages.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "console/TextFile.h"

namespace tess {

namespace {

int at(int c, int v) { return c * 100 + v; }

// The first and last chapter * 100 + verse a question of sector s may have.
std::pair<int, int> sectorBounds(const RunState& r, int s) {
    // The table shows where a sector's regular questions begin and end, but
    // the sectorings also count into it the specialty questions of verses
    // without regular questions around it: question sectoring those before
    // its first verse, verse sectoring those after its last. Such a question
    // lies between the neighbouring sectors (or the ends of the range).
    const int before = s > 1 ? at(r.EC[s - 1], r.EV[s - 1]) + 1 : at(r.BCHAP, r.BVER);
    const int after = s < std::min(r.SECTORS, SCMAX) ? at(r.BC[s + 1], r.BV[s + 1]) - 1 : at(r.ECHAP, r.EVER);
    return {std::min(at(r.BC[s], r.BV[s]), before), std::max(at(r.EC[s], r.EV[s]), after)};
}

}  // namespace

SectorWalk::SectorWalk(Program& p, const std::string& file, int before, std::string kind)
    : p_(p),
      file_(file),
      kind_(std::move(kind)),
      read_(readBankFile(p.run, p.file(file))),
      in_(read_, p.run, p.leftOut()) {
    // A file gone since the index was built is no count file's fault.
    if (!in_.isOpen())
        failRestart(p, "The " + kind_ + " question file " + file + " cannot be read in " + folderOf(p.file(file)) +
                           ": " + whyUnreadable(p.file(file)) + ".");
    for (int i = 0; i < before; ++i)
        if (!in_.next()) outOfDate("it ends before the chosen range begins");
}

std::string_view SectorWalk::next(int s) {
    BankRef ref;
    auto line = in_.nextView(&ref);
    if (!line) outOfDate("it ends before the last question of sector " + std::to_string(s));
    if (s != sector_) {
        std::tie(first_, last_) = sectorBounds(p_.run, s);
        sector_ = s;
    }
    if (const int x = at(ref.chapter, ref.verse); x < first_ || x > last_)
        outOfDate("line " + std::to_string(in_.fileLine()) + " (" + std::to_string(ref.chapter) + ":" +
                  std::to_string(ref.verse) + ") falls outside sector " + std::to_string(s));
    return *line;
}

void SectorWalk::outOfDate(const std::string& why) {
    const auto& r = p_.run;
    const std::string count = r.countFound.empty() ? r.COUNTFILE : r.countFound;
    failRestart(p_, "The count file " + count + " does not match the " + kind_ + " question file " + file_ + ": " +
                        why +
                        ". The count file is out of date and must be rebuilt: answer Y to \"Reindex\" on the "
                        "style form and run again.");
}

namespace {

bool loadedFor(const RangeLines& l, const std::string& file, int before, const BySector<int>& counts, int sectors) {
    if (l.file != file || l.before != before || l.counts.size() != static_cast<std::size_t>(sectors)) return false;
    for (int s = 1; s <= sectors; ++s)
        if (l.counts[static_cast<std::size_t>(s - 1)] != counts[s]) return false;
    return true;
}

}  // namespace

const RangeLines& rangeLines(Program& p, const Kind& kind, const BySector<int>& counts) {
    const std::string& file = p.run.*kind.file;
    const int before = p.run.*kind.before;
    RangeLines& l = p.run.banks[slotOf(kind)];
    const int sectors = std::clamp(p.run.SECTORS, 0, SCMAX);
    if (loadedFor(l, file, before, counts, sectors)) return l;
    l = RangeLines{};  // unloaded until the walk has passed every check
    SectorWalk walk(p, file, before, kind.name);
    l.bytes = walk.bytes();
    l.converted = std::make_shared<std::deque<std::string>>();
    std::vector<int> kept;
    int total = 0;
    for (int s = 1; s <= sectors; ++s) total += std::max(counts[s], 0);
    l.lines.reserve(static_cast<std::size_t>(total));
    for (int s = 1; s <= sectors; ++s) {
        l.first.push_back(l.lines.size());
        kept.push_back(counts[s]);
        for (int n = 1; n <= counts[s]; ++n) {
            const std::string_view line = walk.next(s);
            l.lines.push_back(walk.lastConverted() ? l.converted->emplace_back(line) : line);
        }
    }
    l.counts = std::move(kept);
    l.before = before;
    l.file = file;
    return l;
}

void forgetRangeLines(RunState& r) {
    for (auto& l : r.banks) l = RangeLines{};
    r.bankFiles.clear();
}

}  // namespace tess
