#include "material/Counts.h"

#include "core/Messages.h"
#include "core/Kinds.h"
#include "material/CountFile.h"

namespace tess {

void BCOUNT(Program& p, int ch, int v) {
    auto& r = p.run;
    for (const auto* k : kinds::ALL) r.*k->before += (r.*k->count)(ch, v);
}

void TCOUNT(Program& p, int ch, int v) {
    auto& r = p.run;
    for (const auto* k : kinds::ALL) r.*k->quest += (r.*k->count)(ch, v);
}

void SPECOUNT(Program& p, int X, int Y, int S) {
    auto& r = p.run;
    for (const auto* k : kinds::SPECIALTIES) (r.*k->undrawn)[S] += (r.*k->count)(X, Y);
}

void countRange(Program& p) {
    auto& r = p.run;
    r.SQUEST = r.SBEFORE = r.BEFORE = r.FBEFORE = r.RBEFORE = r.OBEFORE = 0;
    r.TQUEST = r.FQUEST = r.RQUEST = r.OQUEST = 0;
    for (int ch = 1; ch < r.BCHAP; ++ch)
        for (int v = 1; v <= VMAX; ++v) BCOUNT(p, ch, v);
    for (int v = 1; v < r.BVER; ++v) BCOUNT(p, r.BCHAP, v);
    auto range = [&](int ch, int from, int to) {
        for (int v = from; v <= to; ++v) TCOUNT(p, ch, v);
    };
    if (r.BCHAP == r.ECHAP) {
        range(r.BCHAP, r.BVER, r.EVER);
    } else {
        range(r.BCHAP, r.BVER, VMAX);
        for (int ch = r.BCHAP + 1; ch < r.ECHAP; ++ch) range(ch, 1, VMAX);
        range(r.ECHAP, 1, r.EVER);
    }
}

void rangeSummary(Program& p) {
    auto& r = p.run;
    Console& c = p.con;
    c.gotoXY(1, c.whereY());
    c.writeln("  A quiz will contain one question from each sector.");
    c.writeln("  Regular Questions: " + std::to_string(r.TQUEST) + "   FTV: " + std::to_string(r.FQUEST) +
              "   CV Refs: " + std::to_string(r.RQUEST) + "   CO Refs: " + std::to_string(r.OQUEST) +
              "   SIT: " + std::to_string(r.SQUEST));
    if (r.FMAX > 0) r.FQUIZ = ((4 * r.FQUEST) / r.FMAX) / 5;
    if (r.SMAX > 0) r.SQUIZ = r.SQUEST / r.SMAX;
    if (r.OMAX > 0) r.OQUIZ = r.OQUEST / r.OMAX;
    if (r.RMAX > 0) r.RQUIZ = r.RQUEST / r.RMAX;
    r.TEMPF = r.FBEFORE;
}

void prepareCounts(Program& p) {
    auto& r = p.run;
    Console& c = p.con;
    c.gotoXY(3, 3);
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
        CLR(p);
        c.writeln("  Creating index of questions...");
        c.writeln();
        buildIndex(p, notices);
        const std::string written = p.file(r.COUNTFILE);
        if (auto w = writeFileAtomic(written, countFileLines(r)); !w)
            failRestart(
                p, "The count file " + r.COUNTFILE + " could not be written" + w.where() + "; any old one is kept.");
        r.countFound = written;
    }
    if (!notices.empty()) {
        for (const auto& n : notices) {
            p.report().warning(n);
            c.writeln(n);
        }
        c.writeln();
        c.write("  Press Return to continue. ");
        c.readLine();
    }
    c.gotoXY(3, 3);
    c.write("Sectoring material...");
    c.clearEol();
    // The run always works on the tables as the count file holds them.
    if (build)
        if (auto why = loadCountFile(r, r.countFound))
            failRestart(p, "The count file " + r.countFound + " " + *why + " after it was written.");
}

}  // namespace tess
