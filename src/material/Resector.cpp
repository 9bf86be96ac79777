#include "material/Resector.h"

#include <algorithm>

#include "core/Kinds.h"
#include "material/Counts.h"

namespace tess {

namespace {

// The count tables are walked in memory in the count file's line order:
// line (chapter - 1) * 85 + verse slot. The tables hold exactly what
// the count file held after it was loaded, so this is the same walk.
int lineOf(int ch, int v) { return (std::clamp(ch, 1, MATERIAL_CHAPTERS_MAX) - 1) * VMAX + std::clamp(v, 1, VMAX); }
int chapterOf(int line) { return (line - 1) / VMAX + 1; }
int verseOf(int line) { return (line - 1) % VMAX + 1; }

void announce(Program& p) {
    p.ask().show(p, Screen::SectoringByQuestions);
    p.ask().pressReturn(p);
    p.ask().show(p, Screen::SectoringByQuestionsRead);
}

// The base share for sectors 1..n-1, evened out by the fraction table. The
// last sector takes the rest (counted by the walk), so the shares add up to
// the range's regular questions.
void shares(RunState& r, int n) {
    const int b = r.TQUEST / n;
    const double f = static_cast<double>(r.TQUEST % n) / n;
    for (int s = 1; s < n; ++s) r.QPS[s] = b;
    // Every k-th sector from 1 up to `upTo`.
    auto every = [&](int k, int upTo, int d) {
        for (int s = 1; s <= upTo; s += k) r.QPS[s] += d;
    };
    // The step of 7 in the first row and the bound of three quarters in the
    // quarter row are kept on purpose: they give the sectorings users know.
    if (f >= 0.875) {
        every(1, n - 1, +1);
        every(7, ((n - 1) / 8) * 8, -1);
    } else if (f >= 0.75) {
        every(1, n - 1, +1);
        every(4, ((n - 1) / 4) * 4, -1);
    } else if (f >= 0.5) {
        every(2, ((n - 1) / 2) * 2, +1);
    } else if (f >= 0.333) {
        every(3, ((n - 1) / 3) * 3, +1);
    } else if (f >= 0.25) {
        every(4, ((n - 1) / 4) * 3, +1);
    } else if (f >= 0.125) {
        every(8, ((n - 1) / 8) * 8, +1);
    }
}

void setBegin(RunState& r, int s, int line) {
    r.BC[s] = chapterOf(line);
    r.BV[s] = verseOf(line);
}

void setEnd(RunState& r, int s, int line) {
    r.EC[s] = chapterOf(line);
    r.EV[s] = verseOf(line);
}

}  // namespace

void RESECTOR(Program& p) {
    auto& r = p.run;
    const int n = std::clamp(r.SECTORS, 1, SCMAX);
    r.MINQZ = r.TQUEST / n;
    announce(p);

    for (int s = 1; s <= SCMAX; ++s)
        for (const Kind& k : KINDS) (r.*k.undrawn)[s] = 0;
    shares(r, n);

    const int first = lineOf(r.BCHAP, r.BVER);
    const int last = lineOf(r.ECHAP, r.EVER);
    int done = first - 1;  // last line whose specialty counts have a sector

    // The next line from `from` on with regular questions, 0 when the range
    // has none left. The specialty questions of every line passed over go to
    // sector s with the found line's: the pickers find a sector's specialty
    // questions by counting lines, so no line of the range may be left out.
    auto nextRegular = [&](int from, int s) {
        for (int line = from; line <= last; ++line) {
            countSlot(r, SPECIALTIES, chapterOf(line), verseOf(line), s);
            done = line;
            if (r.QCOUNT(chapterOf(line), verseOf(line)) > 0) return line;
        }
        return 0;
    };

    int s = 1;
    int verse = nextRegular(first, 1);  // the current verse's line
    int begin = verse ? verse : first;  // where sector s begins
    int fromVerse = 0;                  // questions taken from the current verse
    int inSector = 0;                   // questions in sector s
    while (s < n && verse != 0) {
        const int inVerse = r.QCOUNT(chapterOf(verse), verseOf(verse));
        const int take = std::max(0, std::min(inVerse - fromVerse, r.QPS[s] - inSector));
        fromVerse += take;
        inSector += take;
        if (inSector >= r.QPS[s]) {
            setBegin(r, s, begin);
            setEnd(r, s, verse);
            ++s;
            begin = verse;
            inSector = 0;
        }
        if (fromVerse >= inVerse) {
            const int next = nextRegular(verse + 1, s);
            if (next == 0) break;
            verse = next;
            if (inSector == 0) begin = verse;
            fromVerse = 0;
        }
    }

    const int at = verse ? verse : std::max(first, std::min(done, last));
    if (s < n) {
        // Fewer regular questions in the range than TQUEST says: the sectors
        // keep what they really hold instead of the walk running on.
        r.QPS[s] = inSector;
        setBegin(r, s, begin);
        setEnd(r, s, at);
        for (int t = s + 1; t < n; ++t) {
            r.QPS[t] = 0;
            setBegin(r, t, at);
            setEnd(r, t, at);
        }
        begin = at;
    }

    // The last sector takes the rest of the range. With TQUEST counted from
    // these tables this is exactly TQUEST less the other shares.
    int rest = 0;
    if (verse != 0) {
        rest = r.QCOUNT(chapterOf(verse), verseOf(verse)) - fromVerse;
        for (int line = verse + 1; line <= last; ++line) rest += r.QCOUNT(chapterOf(line), verseOf(line));
    }
    r.QPS[n] = rest;

    setBegin(r, n, begin);
    r.EC[n] = r.ECHAP;
    r.EV[n] = r.EVER;
    for (int line = done + 1; line <= last; ++line) countSlot(r, SPECIALTIES, chapterOf(line), verseOf(line), n);
}

}  // namespace tess
