#include "material/Counts.h"

#include "core/Kinds.h"
#include "core/Messages.h"
#include "material/CountFile.h"

namespace tess {

namespace {

// Adds slot (ch, v) of every kind to the totals `into` names: before the
// range or inside it.
void addToTotals(RunState& r, int BookCounts::*Kind::*into, int ch, int v) {
    for (const Kind& k : KINDS) r.*(k.*into) += (r.*k.count)(ch, v);
}

}  // namespace

void countSlot(RunState& r, std::span<const Kind> kinds, int X, int Y, int S) {
    for (const Kind& k : kinds) (r.*k.undrawn)[S] += (r.*k.count)(X, Y);
}

void countRange(Program& p) {
    auto& r = p.run;
    for (const Kind& k : KINDS) r.*k.before = r.*k.quest = 0;
    for (int ch = 1; ch < r.BCHAP; ++ch)
        for (int v = 1; v <= VMAX; ++v) addToTotals(r, &Kind::before, ch, v);
    for (int v = 1; v < r.BVER; ++v) addToTotals(r, &Kind::before, r.BCHAP, v);
    auto range = [&](int ch, int from, int to) {
        for (int v = from; v <= to; ++v) addToTotals(r, &Kind::quest, ch, v);
    };
    if (r.BCHAP == r.ECHAP) {
        range(r.BCHAP, r.BVER, r.EVER);
    } else {
        range(r.BCHAP, r.BVER, VMAX);
        for (int ch = r.BCHAP + 1; ch < r.ECHAP; ++ch) range(ch, 1, VMAX);
        range(r.ECHAP, 1, r.EVER);
    }
}

void drawRangeSummary(Console& c, const RunState& r) {
    c.gotoXY(1, c.whereY());
    c.writeln("  A quiz will contain one question from each sector.");
    std::string kinds = "  ";
    for (const Kind& k : KINDS)
        kinds += (&k == &REGULAR ? "" : "   ") + std::string(k.label) + ": " + std::to_string(r.*k.quest);
    c.writeln(kinds);
}

void rangeSummary(Program& p) {
    auto& r = p.run;
    p.ask().show(p, Screen::RangeSummary);
    if (r.FMAX > 0) r.FQUIZ = ((4 * r.FQUEST) / r.FMAX) / 5;
    if (r.SMAX > 0) r.SQUIZ = r.SQUEST / r.SMAX;
    if (r.OMAX > 0) r.OQUIZ = r.OQUEST / r.OMAX;
    if (r.RMAX > 0) r.RQUIZ = r.RQUEST / r.RMAX;
    r.TEMPF = r.FBEFORE;
}

void prepareCounts(Program& p) {
    auto& r = p.run;
    p.ask().show(p, Screen::Counting);
    const std::string found = findCountFile(p);
    r.countFound = found;
    std::vector<std::string> notices;
    bool build = true;
    if (r.INDX == 'N') {
        // Reading a damaged count file would sector by garbage: rebuild instead.
        if (found.empty())
            notices.push_back("  The count file " + r.COUNTFILE + " was not found: it is built anew.");
        else if (auto why = loadCountFile(r, found))
            notices.push_back("  The count file " + r.COUNTFILE + " " + *why + ": it is built anew.");
        else
            build = false;
    }
    if (build) {
        p.ask().show(p, Screen::IndexingQuestions);
        buildIndex(p, notices);
        const std::string written = p.file(r.COUNTFILE);
        if (auto w = writeFileAtomic(written, countFileLines(r)); !w)
            failRestart(
                p, "The count file " + r.COUNTFILE + " could not be written" + w.where() + "; any old one is kept.");
        r.countFound = written;
    }
    if (!notices.empty()) {
        for (const auto& n : notices) say(p, Event::Kind::Warning, n, true);
        p.ask().show(p, Screen::LineEnd);
        p.ask().show(p, Screen::Indent);
        p.ask().pressReturn(p, PRESS_RETURN);
    }
    p.ask().show(p, Screen::Sectoring);
    // The run always works on the tables as the count file holds them.
    if (build)
        if (auto why = loadCountFile(r, r.countFound))
            failRestart(p, "The count file " + r.countFound + " " + *why + " after it was written.");
}

}  // namespace tess
