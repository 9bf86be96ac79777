// The ready styles of the sample bank run without repeat or refresh warnings.
// The sectors are worked out here from the bank's counts by the same rules the
// run uses (verse sectoring's layout search, chapter sectoring's first shares,
// question sectoring's base share); once the program's own sectoring can be
// driven from a test, these checks should also be made through it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>

#include "data/BankCheck.h"

using namespace bankcheck;

namespace {

const std::string DIR = TESS_SOURCE_DIR "/data/luke/";

struct Style {
    std::string name;
    char LG = ' ';
    int BCHAP = 0, BVER = 0, ECHAP = 0, EVER = 0;
    std::string NAME4;
    int LPP = 0;
    char OUT = ' ';
    int QMAX = 0;
    char REGLST = ' ';
    int AB = 0, IPC = 0;
    char INDX = ' ';
    int QNUM = 0;
    char SEC1 = ' ';
    int REPEATPCT = 0, SPMAX = 0, SPMIN = 0, FMAX = 0, FMIN = 0, RMAX = 0, RMIN = 0, OMAX = 0, OMIN = 0,
        SMAX = 0, SMIN = 0, PRIMPCT = 0, SPEARLY = 0, SPLATE = 0;
    char SETSPC = ' ';
    std::string TYP;
};

Style readStyle(const std::string& name) {
    std::vector<std::string> ends;
    const auto l = readCrLfLines(DIR + name + ".spe", &ends);
    EXPECT_TRUE(ends.empty()) << name;
    Style s;
    s.name = name;
    if (l.size() != 29) {
        ADD_FAILURE() << name << ".spe has " << l.size() << " lines";
        return s;
    }
    auto num = [&](std::size_t i) { return std::stoi(l[i]); };
    auto two = [&](std::size_t i, int& a, int& b) { std::sscanf(l[i].c_str(), "%d %d", &a, &b); };
    s.LG = l[0][0];
    two(1, s.BCHAP, s.BVER);
    two(2, s.ECHAP, s.EVER);
    s.NAME4 = l[3];
    s.LPP = num(4);
    s.OUT = l[5][0];
    s.QMAX = num(6);
    s.REGLST = l[7][0];
    s.AB = num(8);
    s.IPC = num(9);
    s.INDX = l[10][0];
    s.QNUM = num(11);
    s.SEC1 = l[12][0];
    s.REPEATPCT = num(13);
    s.SPMAX = num(14);
    s.SPMIN = num(15);
    s.FMAX = num(16);
    s.FMIN = num(17);
    s.RMAX = num(18);
    s.RMIN = num(19);
    s.OMAX = num(20);
    s.OMIN = num(21);
    s.SMAX = num(22);
    s.SMIN = num(23);
    s.PRIMPCT = num(24);
    s.SPEARLY = num(25);
    s.SPLATE = num(26);
    s.SETSPC = l[27][0];
    s.TYP = l[28];
    return s;
}

// Count tables of one style's material, [chapter][verse slot].
struct Tables {
    std::array<std::array<int, 87>, 26> q{}, f{}, r{}, o{}, s{};
};

Tables countsFor(const Style& st) {
    const std::string pre = st.LG == 'L' ? "LL" : "";
    const int p = st.PRIMPCT;
    const std::string dd = p == 100 ? "00" : std::to_string(p / 10) + std::to_string(p % 10);
    const char x = st.REGLST;
    const std::string ref = (x == 'C' || x == 'c') ? "c" : "b";
    Tables t;
    auto fill = [&](std::array<std::array<int, 87>, 26>& into, const std::string& file) {
        EXPECT_TRUE(std::filesystem::exists(DIR + file)) << st.name << " needs " << file;
        for (const auto& [cv, n] : countFile(DIR + file).n) into[static_cast<std::size_t>(cv.first)][static_cast<std::size_t>(cv.second)] = n;
    };
    fill(t.q, pre + "Luke." + std::string(1, x));
    fill(t.f, pre + "FTV." + dd);
    fill(t.r, pre + "cv." + ref);
    fill(t.o, pre + "co." + ref);
    fill(t.s, st.LG == 'L' ? "llsit.txt" : "SIT.TXT");
    return t;
}

struct Sector {
    int q = 0, f = 0, r = 0, o = 0, s = 0;
};

struct Sectoring {
    int MINQZ = -1;
    std::vector<Sector> sectors;
};

int at(const std::array<std::array<int, 87>, 26>& t, int c, int v) {
    return (c >= 1 && c <= 24 && v >= 1 && v <= 85) ? t[static_cast<std::size_t>(c)][static_cast<std::size_t>(v)] : 0;
}

void addSpec(const Tables& t, Sector& s, int c, int v) {
    s.f += at(t.f, c, v);
    s.r += at(t.r, c, v);
    s.o += at(t.o, c, v);
    s.s += at(t.s, c, v);
}

// Verse sectoring: the largest even share whose layout leaves some of the range over.
Sectoring verseSectors(const Style& st, const Tables& t, int total) {
    const int n = st.QMAX;
    struct Pos {
        int x, y;
    };
    auto step = [&](Sector& s, Pos& p) {
        s.q += at(t.q, p.x, p.y);
        addSpec(t, s, p.x, p.y);
        ++p.y;
        for (int k = 0; k < 4 && p.y < 85 && at(t.q, p.x, p.y) == 0; ++k) {
            addSpec(t, s, p.x, p.y);
            ++p.y;
        }
        if (at(t.q, p.x, p.y) == 0) {
            ++p.x;
            p.y = 1;
        }
    };
    auto inside = [&](const Pos& p) { return p.x < st.ECHAP || (p.x == st.ECHAP && p.y <= st.EVER); };
    for (int low = total / n; low >= 0; --low) {
        for (int sw = (n == 1 ? 1 : n - 1); sw >= 1; --sw) {
            std::vector<Sector> secs(static_cast<std::size_t>(n));
            Pos p{st.BCHAP, st.BVER};
            for (int s = 1; s <= n && p.x <= 24; ++s) {
                const int target = s < sw ? low + 1 : low;
                if (st.LG == 'L') {
                    if (p.x == 7) p = {8, 1};
                    if (p.x == 9) p = {12, 1};
                    if (p.x == 14) p = {17, 1};
                }
                Sector& sec = secs[static_cast<std::size_t>(s - 1)];
                do step(sec, p);
                while (p.x <= 24 && sec.q < target);
            }
            if (p.x <= 24 && inside(p)) {
                while (p.x <= 24 && inside(p)) step(secs.back(), p);
                return {low, secs};
            }
        }
    }
    return {};
}

// Chapter sectoring with the shares first offered: the pack dealt over the chapters.
Sectoring chapterSectors(const Style& st, const Tables& t) {
    const int chapters = st.ECHAP - st.BCHAP + 1;
    const int n = std::max(st.QMAX, chapters);
    std::vector<int> share(26, 0);
    for (int i = 0; i < n; ++i) ++share[static_cast<std::size_t>(st.BCHAP + i % chapters)];
    Sectoring out;
    for (int ch = st.BCHAP; ch <= st.ECHAP; ++ch) {
        const int k = share[static_cast<std::size_t>(ch)];
        const int evs = LUKE_VERSES[static_cast<std::size_t>(ch)];
        int prevEnd = 0;
        for (int j = 1; j <= k; ++j) {
            const bool first = ch == st.BCHAP, last = ch == st.ECHAP;
            int len = evs / k;
            if (first && j == 1 && st.BVER > 1) len = (evs - st.BVER) / k;
            if (last) len = st.EVER / k;
            if (j > 1) len = (evs - prevEnd) / (k - j + 1);
            if (last && j > 1) len = (st.EVER - prevEnd) / (k - j + 1);
            const int begin = (first && j == 1) ? st.BVER : (j == 1 ? 1 : prevEnd + 1);
            int end = j == k ? evs : begin + len - 1;
            if (last && j == k) end = st.EVER;
            Sector s;
            for (int v = begin; v <= end; ++v) {
                s.q += at(t.q, ch, v);
                addSpec(t, s, ch, v);
            }
            out.sectors.push_back(s);
            prevEnd = end;
        }
    }
    out.MINQZ = 200;
    for (const auto& s : out.sectors) out.MINQZ = std::min(out.MINQZ, s.q);
    return out;
}

// Question sectoring: the base share; sectors filled question by question.
Sectoring questionSectors(const Style& st, const Tables& t, int total) {
    const int n = st.QMAX;
    Sectoring out;
    out.MINQZ = total / n;
    out.sectors.resize(static_cast<std::size_t>(n));
    std::size_t s = 0;
    for (int c = st.BCHAP; c <= st.ECHAP; ++c) {
        for (int v = (c == st.BCHAP ? st.BVER : 1); v <= (c == st.ECHAP ? st.EVER : 85); ++v) {
            if (at(t.q, c, v) == 0) continue;
            addSpec(t, out.sectors[s], c, v);
            for (int k = 0; k < at(t.q, c, v); ++k) {
                if (out.sectors[s].q == out.MINQZ + 1 && s + 1 < out.sectors.size()) ++s;
                ++out.sectors[s].q;
            }
        }
    }
    return out;
}

std::vector<std::string> styleNames() {
    auto l = readCrLfLines(DIR + "Specs.lst", nullptr);
    EXPECT_FALSE(l.empty());
    if (!l.empty()) {
        EXPECT_EQ(l.back(), "Enter New Specs");
        l.pop_back();
    }
    return l;
}

void expectValid(const Style& s) {
    EXPECT_LE(s.FMIN + s.RMIN + s.OMIN + s.SMIN, s.SPMIN) << s.name;
    EXPECT_GE(s.FMAX + s.RMAX + s.OMAX + s.SMAX, s.SPMAX) << s.name;
    EXPECT_LE(s.SPLATE, s.QMAX) << s.name;
    EXPECT_GE(s.SPLATE + 1 - s.SPEARLY, s.SPMAX) << s.name;
    EXPECT_TRUE(s.BCHAP < s.ECHAP || (s.BCHAP == s.ECHAP && s.BVER <= s.EVER)) << s.name;
    EXPECT_TRUE(s.BCHAP >= 1 && s.ECHAP <= 24 && s.BVER >= 1 && s.EVER >= 1) << s.name;
    if (s.BCHAP >= 1 && s.ECHAP <= 24) {
        EXPECT_LE(s.BVER, LUKE_VERSES[static_cast<std::size_t>(s.BCHAP)]) << s.name;
        EXPECT_LE(s.EVER, LUKE_VERSES[static_cast<std::size_t>(s.ECHAP)]) << s.name;
    }
    const std::vector<int> prim = {51, 52, 53, 57, 58, 59, 60, 68, 69, 70, 78, 79, 80, 88, 89, 90, 97, 98, 99, 100};
    EXPECT_TRUE(std::count(prim.begin(), prim.end(), s.PRIMPCT)) << s.name << " PRIMPCT " << s.PRIMPCT;
    EXPECT_TRUE(s.QMAX >= 1 && s.QMAX <= 30 && s.QNUM >= 1 && s.QNUM <= 135) << s.name;
    EXPECT_TRUE(s.SPEARLY >= 1 && s.SPEARLY <= 10 && s.SPEARLY <= s.SPLATE) << s.name;
    EXPECT_TRUE(s.NAME4.size() >= 1 && s.NAME4.size() <= 10) << s.name;
    EXPECT_EQ(s.SETSPC, 'N') << s.name;
    std::string typ(30, 'n');
    for (int i = s.SPEARLY; i <= s.SPLATE; ++i) typ[static_cast<std::size_t>(i - 1)] = 'A';
    EXPECT_EQ(s.TYP, typ) << s.name;
}

}  // namespace

TEST(ReadyStyles, ListAndNewStyleAreWellFormed) {
    const auto names = styleNames();
    EXPECT_EQ(names.size(), 4u);
    EXPECT_LE(names.size(), 13u);
    std::string sectorings;
    int lStyles = 0;
    for (const auto& n : names) {
        EXPECT_LE(n.size(), 10u) << n;
        const Style s = readStyle(n);
        expectValid(s);
        sectorings += s.SEC1;
        lStyles += s.LG == 'L';
    }
    EXPECT_EQ(lStyles, 1) << "one ready style runs on the L material set";
    for (char c : std::string("VCQ")) EXPECT_NE(sectorings.find(c), std::string::npos) << c;
    const Style fresh = readStyle("New");
    expectValid(fresh);
    EXPECT_NE(fresh.LG, 'L');
}

TEST(ReadyStyles, RunWithoutRepeatOrRefreshWarnings) {
    for (const auto& n : styleNames()) {
        const Style st = readStyle(n);
        const Tables t = countsFor(st);
        int tq = 0, tf = 0, tr = 0, to = 0, ts = 0;
        for (int c = st.BCHAP; c <= st.ECHAP; ++c)
            for (int v = (c == st.BCHAP ? st.BVER : 1); v <= (c == st.ECHAP ? st.EVER : 85); ++v) {
                tq += at(t.q, c, v);
                tf += at(t.f, c, v);
                tr += at(t.r, c, v);
                to += at(t.o, c, v);
                ts += at(t.s, c, v);
            }
        // Specialty coverage: quizzes each kind's material lasts at its maximum.
        if (st.FMAX > 0) {
            EXPECT_GE(((4 * tf) / st.FMAX) / 5, st.QNUM) << n << " FTV";
        }
        if (st.RMAX > 0) {
            EXPECT_GE(tr / st.RMAX, st.QNUM) << n << " CV references";
        }
        if (st.OMAX > 0) {
            EXPECT_GE(to / st.OMAX, st.QNUM) << n << " CO references";
        }
        if (st.SMAX > 0) {
            EXPECT_GE(ts / st.SMAX, st.QNUM) << n << " situations";
        }

        Sectoring sec;
        if (st.SEC1 == 'C') sec = chapterSectors(st, t);
        else if (st.SEC1 == 'Q') sec = questionSectors(st, t, tq);
        else sec = verseSectors(st, t, tq);
        ASSERT_FALSE(sec.sectors.empty()) << n << ": no sectoring";
        EXPECT_GE(sec.MINQZ, 12) << n;
        EXPECT_LE(st.QNUM, sec.MINQZ) << n;
        for (std::size_t i = 0; i < sec.sectors.size(); ++i) {
            const Sector& s = sec.sectors[i];
            EXPECT_LE(s.q, 200) << n << " sector " << i + 1;
            EXPECT_LE(std::max({s.f, s.r, s.o, s.s}), 50) << n << " sector " << i + 1;
        }
        if (st.SEC1 == 'Q') {
            for (int c = st.BCHAP; c <= st.ECHAP; ++c) {
                for (int v = (c == st.BCHAP ? st.BVER : 1);
                     v <= (c == st.ECHAP ? st.EVER : LUKE_VERSES[static_cast<std::size_t>(c)]); ++v) {
                    EXPECT_GT(at(t.q, c, v), 0) << n << ": no regular question at " << c << ":" << v;
                }
            }
        }
    }
}
