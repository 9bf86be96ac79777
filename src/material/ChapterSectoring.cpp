#include "material/ChapterSectoring.h"

#include <algorithm>
#include <vector>

#include "core/Kinds.h"
#include "core/Messages.h"
#include "material/Counts.h"
#include "material/SectorTable.h"

namespace tess {

namespace {

// A chapter the run's material set leaves out: it holds none of the set's
// questions, so it is not listed, gets no share and begins no sector.
bool passedOver(const Program& p, int ch) { return p.leftOut().has(ch); }

// The chapters of the range that are listed and take shares.
int listedChapters(const Program& p) {
    int n = 0;
    for (int ch = p.run.BCHAP; ch <= p.run.ECHAP; ++ch) n += !passedOver(p, ch);
    return n;
}

int lastChapter(const Program& p) {
    const RunState& r = p.run;
    int ch = r.ECHAP;
    while (ch > r.BCHAP && passedOver(p, ch)) --ch;
    return ch;
}

// Two columns of 17 rows hold 34 chapters; a longer material's list takes three.
constexpr int LIST_ROWS = 17;
bool threeColumns(const RunState& r) { return r.ECHAP - r.BCHAP + 1 > 2 * LIST_ROWS; }
int listRow(const RunState& r, int y) {
    if (threeColumns(r)) return (y - 1) % LIST_ROWS + 5;
    return y < 18 ? y + 4 : y - 13;
}
int listCol(const RunState& r, int y) {
    if (threeColumns(r)) return 3 + 26 * ((y - 1) / LIST_ROWS);
    return y < 18 ? 3 : 40;
}
int fieldCol(const RunState& r, int y) { return listCol(r, y) + 10; }

// The listed chapter after `ch`, wrapping from the range's last to its first.
int nextListed(const Program& p, int ch) {
    const RunState& r = p.run;
    for (int tries = r.ECHAP - r.BCHAP + 1; tries > 0; --tries) {
        ch = ch < r.ECHAP ? ch + 1 : r.BCHAP;
        if (!passedOver(p, ch)) break;
    }
    return ch;
}

// One sector to each listed chapter in turn, again from the first until all
// are dealt: the first chapters take the extra ones.
void dealShares(Program& p) {
    RunState& r = p.run;
    const LeftOut& joined = r.LG == 'L' ? p.material.joinedInDealL : LeftOut{};
    const int last = lastChapter(p);
    int ch = passedOver(p, r.BCHAP) ? nextListed(p, r.BCHAP) : r.BCHAP;
    for (int i = 1; i <= r.SECTORS; ++i) {
        ++r.CS[ch];
        const int next = nextListed(p, ch);
        // A joined chapter is dealt over on the way up, but never when it ends
        // the range: a last chapter without a share leaves the range unable to
        // complete.
        ch = (next > ch && next != last && joined.has(next)) ? nextListed(p, next) : next;
    }
}

void listChapters(Console& c, const Program& p, int n) {
    const RunState& r = p.run;
    for (int y = 1; y <= n; ++y) {
        const int ch = r.BCHAP + y - 1;
        if (passedOver(p, ch)) continue;
        c.gotoXY(listCol(r, y), listRow(r, y));
        // "Luke 12", "Jam   1": the book's short name and its own chapter.
        const auto at = r.MATERIAL.place(ch);
        std::string name = at ? at->book->shortName() : r.MATERIAL.first().shortName();
        name.resize(4, ' ');
        c.write(name + " ");
        c.write(at && !r.MATERIAL.asStored() ? at->chapter : ch, 2);
        c.write(": ");
        c.write(r.CS[ch], 3);
    }
}

// Moves the editor's row, wrapping, over the chapters the material set leaves out.
int moveRow(const Program& p, int y, int step, int n) {
    for (int tries = 0; tries < n; ++tries) {
        y += step;
        if (y < 1) y = n;
        if (y > n) y = 1;
        if (!passedOver(p, p.run.BCHAP + y - 1)) break;
    }
    return y;
}

}  // namespace

int firstShareRow(const Program& p, int n) { return passedOver(p, p.run.BCHAP) ? moveRow(p, 1, 1, n) : 1; }

int shareRowAfter(const Program& p, int y, int step, int n) { return moveRow(p, y, step, n); }

void toShareField(Console& c, const RunState& r, int y) { c.gotoXY(fieldCol(r, y), listRow(r, y)); }

int firstShareDigit(Console& c, const Program& p, int y, int digit) {
    if (p.run.BCHAP + y - 1 == lastChapter(p) && digit == 0) digit = 1;
    c.write("  ");
    toShareField(c, p.run, y);
    c.write(digit, 1);
    return digit;
}

void setShare(Console& c, RunState& r, int y, int count) {
    r.CS[r.BCHAP + y - 1] = count;
    toShareField(c, r, y);
    c.write(count, 2);
}

ShareCheck checkShares(const Program& p) {
    const RunState& r = p.run;
    ShareCheck check;
    for (int ch = r.BCHAP; ch <= r.ECHAP; ++ch)
        if (!passedOver(p, ch)) check.total += r.CS[ch];
    check.wanted = r.SECTORS;
    // Chapters with 0 join the next chapter with a share; the last has none.
    if (const int last = lastChapter(p); r.CS[last] == 0) {
        check.emptyLast = last;
        check.emptyLastName = r.MATERIAL.chapterName(last);
    }
    return check;
}

std::string ShareCheck::why() const {
    std::string text;
    if (total != wanted)
        text = "Your total is " + std::to_string(total) + " questions; total questions must equal " +
               std::to_string(wanted) + ".";
    if (emptyLast != 0) text += std::string(text.empty() ? "" : " ") + emptyLastName + " needs at least 1 question.";
    return text;
}

bool sharesAccepted(Console& c, const Program& p) {
    const ShareCheck check = checkShares(p);
    for (int row = 20; row <= 22; ++row) {
        c.gotoXY(40, row);
        c.clearEol();
    }
    if (check.total != check.wanted) {
        c.gotoXY(40, 20);
        c.write("Your total is " + std::to_string(check.total) + " questions                 ");
        c.gotoXY(40, 21);
        c.write("Total questions must equal " + std::to_string(check.wanted) + "          ");
    }
    if (check.emptyLast != 0) {
        c.gotoXY(40, 22);
        c.write(check.emptyLastName + " needs at least 1 question.");
    }
    return check.ok();
}

namespace {

struct Place {
    int ch = 0, v = 0;
};

void setSector(RunState& r, int s, Place b, Place e) {
    r.BC[s] = b.ch;
    r.BV[s] = b.v;
    r.EC[s] = e.ch;
    r.EV[s] = e.v;
}

// k sectors inside one chapter.
void sectorChapter(RunState& r, int ch, int k, int& s) {
    const int evs = r.EVS[ch];
    const bool first = ch == r.BCHAP, last = ch == r.ECHAP;
    int prevEnd = 0;
    for (int j = 1; j <= k; ++j) {
        int len = evs / k;
        if (first && j == 1 && r.BVER > 1) len = (evs - r.BVER) / k;
        if (last) len = r.EVER / k;
        if (j > 1) len = (evs - prevEnd) / (k - j + 1);
        if (last && j > 1) len = (r.EVER - prevEnd) / (k - j + 1);
        // A range inside one chapter: share out only its own verses, so no
        // sector reaches past the range's last verse.
        if (first && last && j == 1) len = (r.EVER - r.BVER + 1) / k;
        len = std::max(len, 0);
        const int begin = (first && j == 1) ? r.BVER : (j == 1 ? 1 : prevEnd + 1);
        const int end = j == k ? evs : begin + len - 1;
        setSector(r, ++s, {ch, begin}, {ch, end});
        prevEnd = end;
    }
}

// A group of chapters ending in the first one with a share: its k sectors
// cover equal numbers of the group's verses in the range, across chapter ends.
void sectorGroup(RunState& r, const std::vector<int>& group, int k, int& s) {
    struct Segment {
        int ch, from, to;
    };
    std::vector<Segment> segs;
    int total = 0;
    for (int ch : group) {
        const int from = ch == r.BCHAP ? r.BVER : 1;
        const int to = ch == r.ECHAP ? r.EVER : r.EVS[ch];
        segs.push_back({ch, from, to});
        total += std::max(to - from + 1, 0);
    }
    auto at = [&](int pos) {  // the pos-th verse of the group, from 0
        for (const auto& g : segs) {
            const int len = std::max(g.to - g.from + 1, 0);
            if (pos < len) return Place{g.ch, g.from + pos};
            pos -= len;
        }
        return Place{segs.back().ch, segs.back().to + 1};
    };
    const int len = total / k;
    int pos = 0;
    for (int j = 1; j <= k; ++j) {
        const Place begin = at(pos);
        Place end;
        if (j == k) {
            end = {segs.back().ch, segs.back().to};
        } else if (len == 0) {
            end = {begin.ch, begin.v - 1};
        } else {
            end = at(std::min(pos + len - 1, total - 1));
            pos += len;
        }
        setSector(r, ++s, begin, end);
    }
}

void walkSector(Program& p, int s) {
    const auto& r = p.run;
    for (int ch = std::max(r.BC[s], 1); ch <= std::min(r.EC[s], r.MATERIAL.chapters()); ++ch) {
        const int from = std::max(ch == r.BC[s] ? r.BV[s] : 1, 1);
        const int to = std::min(ch == r.EC[s] ? r.EV[s] : VMAX, VMAX);
        for (int v = from; v <= to; ++v) countSlot(p.run, KINDS, ch, v, s);
    }
}

}  // namespace

void buildChapterSectors(Program& p) {
    auto& r = p.run;
    int s = 0;
    int ch = r.BCHAP;
    while (ch <= r.ECHAP && s < r.SECTORS) {
        if (passedOver(p, ch)) {
            ++ch;
            continue;
        }
        if (r.CS[ch] > 0) {
            sectorChapter(r, ch, std::min(r.CS[ch], r.SECTORS - s), s);
            ++ch;
            continue;
        }
        std::vector<int> group;
        int g = ch;
        for (; g <= r.ECHAP; ++g) {
            if (passedOver(p, g)) continue;
            group.push_back(g);
            if (r.CS[g] > 0) break;
        }
        if (g > r.ECHAP) break;  // no share after the group: refused by the editor
        sectorGroup(r, group, std::min(r.CS[g], r.SECTORS - s), s);
        ch = g + 1;
    }
    r.EC[r.SECTORS] = r.ECHAP;
    r.EV[r.SECTORS] = r.EVER;
}

void countChapterSectors(Program& p) {
    auto& r = p.run;
    for (int s = 1; s <= r.SECTORS; ++s)
        for (const Kind& k : KINDS) (r.*k.undrawn)[s] = 0;
    // Each sector is read from the slot of its own first verse, so a sector
    // never depends on where the previous one stopped.
    for (int s = 1; s <= r.SECTORS; ++s) walkSector(p, s);
    for (int s = 1; s <= r.SECTORS; ++s)
        for (const Kind& k : KINDS) (r.*k.total)[s] = (r.*k.undrawn)[s];
}

namespace {
int chapterCount(const RunState& r) { return r.ECHAP - r.BCHAP + 1; }
}  // namespace

void drawSharesReset(Console& c, const Program& p) {
    c.write("  We must reset the questions per packet to sector " + std::to_string(listedChapters(p)) +
                " chapters.");
}

void drawShareEditor(Console& c, const Program& p) {
    const RunState& r = p.run;
    c.write("  Choose questions per chapter.");
    if (r.LG != 'L') c.write(" Use zeros to group chapters.");
    c.writeln();
    listChapters(c, p, chapterCount(r));
}

void drawChapterTable(Console& c, const RunState& r) {
    CLR(c);
    c.writeln();
    drawSectorTable(c, r);
    c.gotoXY(3, 3);
    c.write("Your smallest sector has " + std::to_string(r.MINQZ) +
            (r.MINQZ == 1 ? " question. " : " regular questions. "));
}

void CHAPSEC(Program& p) {
    auto& r = p.run;
    const int listed = listedChapters(p);
    if (listed == 0)
        failRestart(p, "The L material has no questions in chapter" +
                           (r.BCHAP == r.ECHAP ? " " + std::to_string(r.BCHAP)
                                               : "s " + std::to_string(r.BCHAP) + "-" + std::to_string(r.ECHAP)) +
                           ". Please choose another range.");
    r.QMAX = std::clamp(r.QMAX, 1, SCMAX);
    const int n = chapterCount(r);  // editor rows: a left-out chapter keeps its row, empty
    for (bool firstPass = true;; firstPass = false) {
        p.ask().show(p, Screen::Cleared);
        if (firstPass) r.CS.fill(0);
        r.SECTORS = r.QMAX;
        if (listed > r.SECTORS) {
            p.ask().show(p, Screen::SharesReset);
            r.QMAX = r.SECTORS = listed;
            p.ask().pressReturn(p);
            p.ask().show(p, Screen::Cleared);
        }
        if (firstPass) dealShares(p);
        p.ask().show(p, Screen::ShareEditor);
        p.ask().chapterShares(p, n);

        buildChapterSectors(p);
        countChapterSectors(p);
        r.TEMPF = r.FBEFORE;

        finishSectorTable(p.run);
        r.MINQZ = 200;
        for (int s = 1; s <= r.SECTORS; ++s) r.MINQZ = std::min(r.MINQZ, r.QPS[s]);
        p.ask().show(p, Screen::ChapterTable);
        if (p.ask().sectorTable(p, 'C')) return;
    }
}

}  // namespace tess
