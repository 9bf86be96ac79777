#include "material/Counts.h"

#include "material/CountFile.h"

namespace tess {

void BCOUNT(Program& p) {
    auto& r = p.run;
    r.BEFORE += r.QCOUNT(r.CH, r.V);
    r.FBEFORE += r.FCOUNT(r.CH, r.V);
    r.SBEFORE += r.SCOUNT(r.CH, r.V);
    r.RBEFORE += r.RCOUNT(r.CH, r.V);
    r.OBEFORE += r.OCOUNT(r.CH, r.V);
}

void TCOUNT(Program& p) {
    auto& r = p.run;
    r.TQUEST += r.QCOUNT(r.CH, r.V);
    r.FQUEST += r.FCOUNT(r.CH, r.V);
    r.RQUEST += r.RCOUNT(r.CH, r.V);
    r.OQUEST += r.OCOUNT(r.CH, r.V);
    r.SQUEST += r.SCOUNT(r.CH, r.V);
}

void SPECOUNT(Program& p, int X, int Y, int S) {
    auto& r = p.run;
    r.FPS[S] += r.FCOUNT(X, Y);
    r.RPS[S] += r.RCOUNT(X, Y);
    r.OPS[S] += r.OCOUNT(X, Y);
    r.SPS[S] += r.SCOUNT(X, Y);
}

void countRange(Program& p) {
    auto& r = p.run;
    r.SQUEST = r.SBEFORE = r.BEFORE = r.FBEFORE = r.RBEFORE = r.OBEFORE = 0;
    r.TQUEST = r.FQUEST = r.RQUEST = r.OQUEST = 0;
    for (r.CH = 1; r.CH < r.BCHAP; ++r.CH)
        for (r.V = 1; r.V <= VMAX; ++r.V) BCOUNT(p);
    r.CH = r.BCHAP;
    for (r.V = 1; r.V < r.BVER; ++r.V) BCOUNT(p);
    auto range = [&](int ch, int from, int to) {
        r.CH = ch;
        for (r.V = from; r.V <= to; ++r.V) TCOUNT(p);
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

void CONVERT2(Program& p) {
    p.run.RLBK[p.run.C1] = 'L';
    p.run.BKNAME[p.run.C1] = "Luke";
}

void WRITEMAT(Program& p) {
    auto& r = p.run;
    r.packetFile.write("L " + std::to_string(r.BCHAP) + ":" + std::to_string(r.BVER) + " to L " +
                       std::to_string(r.ECHAP) + ":" + std::to_string(r.EVER));
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
        if (!writeFileAtomic(written, countFileLines(r)))
            failRestart(p, "The count file " + written + " could not be written.");
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
