#include "core/StyleFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "console/TextFile.h"
#include "core/Book.h"

namespace tess {

namespace {

std::string baseName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

// The first `count` lines, each cut to `bound`: what follows is never used,
// and a damaged file of endless lines must not fill memory.
std::optional<std::vector<std::string>> firstLines(const std::string& path, int count, std::size_t bound) {
    TextReader in;
    if (!in.open(path)) return std::nullopt;
    std::vector<std::string> lines;
    while (static_cast<int>(lines.size()) < count)
        if (auto l = in.readLine(bound))
            lines.push_back(std::move(*l));
        else
            break;
    return lines;
}

// Walks the lines of one style file. Every fault is kept with its line, so
// the bank checker can name them all; the run only needs the first.
class StyleLines {
public:
    StyleLines(const std::vector<std::string>& lines, std::vector<StyleNote>& found) : lines_(lines), found_(found) {}

    bool has(int n) const { return n >= 1 && n <= static_cast<int>(lines_.size()); }
    const std::string& line(int n) const { return lines_[static_cast<std::size_t>(n - 1)]; }

    char character(int n, const char* what) {
        if (!present(n, what)) return ' ';
        return line(n).empty() ? ' ' : line(n)[0];
    }

    std::vector<long> numbers(int n, std::size_t count, const char* what) {
        if (!present(n, what)) return std::vector<long>(count, 0);
        auto v = parseNumbers(line(n));
        if (v.size() < count) {
            fail(n, std::string(what) + (count > 1 ? " are not two numbers" : " is not a number"));
            return std::vector<long>(count, 0);
        }
        return v;
    }
    int number(int n, const char* what) { return static_cast<int>(numbers(n, 1, what)[0]); }

    bool damaged() const { return damaged_; }

private:
    bool present(int n, const char* what) {
        if (!has(n)) {
            fail(n, std::string(what) + " is missing");
            return false;
        }
        return true;
    }
    void fail(int n, const std::string& why) {
        damaged_ = true;
        found_.push_back({n, true, why});
    }

    const std::vector<std::string>& lines_;
    std::vector<StyleNote>& found_;
    bool damaged_ = false;
};

// Keeps a value inside lo..hi and says so when it had to move it.
int clampNoted(long v, int lo, int hi, int line, const std::string& what, std::vector<StyleNote>& notes,
               const std::string& why = {}) {
    if (v >= lo && v <= hi) return static_cast<int>(v);
    const int kept = v < lo ? lo : hi;
    const std::string shown = v >= NUMBER_OVER    ? "over 999999999"
                              : v <= -NUMBER_OVER ? "below -999999999"
                                                  : std::to_string(v);
    notes.push_back({line, false,
                     what + " " + shown + " is outside " + std::to_string(lo) + "-" + std::to_string(hi) + why + "; " +
                         std::to_string(kept) + " is used."});
    return kept;
}

}  // namespace

bool readStyleFile(const std::string& path, StyleSettings& s, SharedSettings& shared, std::vector<std::string>& notes) {
    const std::string file = baseName(path);
    // Longer lines than any item are cut.
    auto read = firstLines(path, STYLE_LINES, 256);
    if (!read) {
        notes.push_back("Cannot read the style file " + file + ": " + whyUnreadable(path) + ".");
        return false;
    }
    std::vector<StyleNote> found;
    if (!parseStyleLines(*read, s, shared, found)) {
        for (const auto& f : found)
            if (f.damaged) {
                notes.push_back("The style file " + file + " is damaged: line " + std::to_string(f.line) + " (" +
                                f.what + ").");
                break;
            }
        return false;
    }
    for (const auto& f : found) notes.push_back(file + ": " + f.what);
    return true;
}

bool parseStyleLines(const std::vector<std::string>& lines, StyleSettings& s, SharedSettings& shared,
                     std::vector<StyleNote>& found) {
    std::vector<StyleNote> faults;
    StyleLines in(lines, faults);
    StyleSettings t = s;
    SharedSettings sh = shared;
    std::vector<StyleNote> told;
    auto clamp = [&](long v, int lo, int hi, int line, const char* what) {
        return clampNoted(v, lo, hi, line, what, told);
    };
    auto clampVerse = [&](long v, int chapter, int line, const char* what) {
        return clampNoted(
            v, 1, bookVerses(chapter), line, what, told,
            " (Luke " + std::to_string(chapter) + " has " + std::to_string(bookVerses(chapter)) + " verses)");
    };
    t.LG = in.character(1, "material set");
    auto b = in.numbers(2, 2, "begin chapter and verse");
    auto e = in.numbers(3, 2, "end chapter and verse");
    if (in.has(4)) {
        const std::string out = in.line(4);
        if (out.size() > static_cast<std::size_t>(decltype(sh.NAME4)::max))
            told.push_back({4, false,
                            "the output file name \"" + out + "\" is longer than " +
                                std::to_string(decltype(sh.NAME4)::max) + " characters; \"" +
                                out.substr(0, decltype(sh.NAME4)::max) + "\" is used."});
        sh.NAME4 = out;
    } else {
        (void)in.character(4, "output file name");
    }
    const long lpp = in.number(5, "lines per page");
    t.OUT = in.character(6, "output layout");
    const long qmax = in.number(7, "questions per pack");
    const char reglst = in.character(8, "regular list letter");
    const long ab = in.number(9, "A and B questions begin");
    const long ipc = in.number(10, "percent interrogatives");
    t.INDX = in.character(11, "reindex");
    const long qnum = in.number(12, "number of quizzes");
    sh.SEC1 = in.character(13, "sectoring");
    const long repeat = in.number(14, "percent eligible for repeats");
    long lim[10];
    const char* limName[10] = {"total maximum",     "total minimum",    "FTV maximum",    "FTV minimum",
                               "CV Ref maximum",    "CV Ref minimum",   "CO Ref maximum", "CO Ref minimum",
                               "Situation maximum", "Situation minimum"};
    for (int i = 0; i < 10; ++i) lim[i] = in.number(15 + i, limName[i]);
    const long prim = in.number(25, "percent primary FTV");
    const long early = in.number(26, "first specialty question");
    const long late = in.number(27, "last specialty question");
    sh.SETSPC = in.character(28, "set specialty numbers");

    if (in.damaged()) {
        found.insert(found.end(), faults.begin(), faults.end());
        return false;
    }

    t.BCHAP = clamp(b[0], 1, CHMAX, 2, "Begin chapter");
    t.BVER = clampVerse(b[1], t.BCHAP, 2, "Begin verse");
    t.ECHAP = clamp(e[0], 1, CHMAX, 3, "End chapter");
    t.EVER = clampVerse(e[1], t.ECHAP, 3, "End verse");
    t.LPP = clamp(lpp, 18, 500, 5, "Lines per page");
    t.QMAX = clamp(qmax, 1, QMAX_STORED_MAX, 7, "Questions per pack");
    t.AB = clamp(ab, 1, 99, 9, "A and B questions begin on");
    t.IPC = clamp(ipc, 0, 100, 10, "Percent interrogatives");
    t.QNUM = clamp(qnum, 1, QQZ, 12, "Number of quizzes");
    t.REPEATPCT = clamp(repeat, 0, 100, 14, "Percent eligible for repeats");
    t.SPMAX = clamp(lim[0], 0, 20, 15, limName[0]);
    t.SPMIN = clamp(lim[1], 0, 20, 16, limName[1]);
    int* kinds[8] = {&t.FMAX, &t.FMIN, &t.RMAX, &t.RMIN, &t.OMAX, &t.OMIN, &t.SMAX, &t.SMIN};
    for (int i = 0; i < 8; ++i) *kinds[i] = clamp(lim[i + 2], 0, 10, 17 + i, limName[i + 2]);
    sh.PRIMPCT = clamp(prim, 0, 100, 25, "Percent primary FTV");
    t.SPEARLY = clamp(early, 1, 10, 26, "First specialty question");
    t.SPLATE = clamp(late, t.SPEARLY, SCMAX, 27, "Last specialty question");

    // The list letter becomes part of file names: only A to D may.
    const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(reglst)));
    if (up >= 'A' && up <= 'D') {
        sh.REGLST = up;
    } else {
        sh.REGLST = 'A';
        told.push_back({8, false, "regular list letter \"" + std::string(1, reglst) + "\" is not A-D; A is used."});
    }

    // Letters the program has no meaning for (a hand-edited file) get the
    // form's starting value, with a note; small letters are taken as capitals.
    const StyleSettings startT;
    const SharedSettings startSh;
    auto letter = [&](char& v, std::string_view allowed, char start, int line, const char* what) {
        const char capital = static_cast<char>(std::toupper(static_cast<unsigned char>(v)));
        if (capital != ' ' && allowed.find(capital) != std::string_view::npos) {
            v = capital;
            return;
        }
        std::string choices;
        for (char a : allowed) choices += std::string(choices.empty() ? "" : ", ") + a;
        told.push_back({line, false,
                        std::string(what) + " \"" + std::string(1, v) + "\" is not one of " + choices + "; " +
                            std::string(1, start) + " is used."});
        v = start;
    };
    letter(t.OUT, "CPT", startT.OUT, 6, "output layout");
    letter(t.INDX, "YN", startT.INDX, 11, "reindex");
    letter(sh.SEC1, "CVQ", startSh.SEC1, 13, "sectoring");
    letter(sh.SETSPC, "YN", startSh.SETSPC, 28, "set specialty numbers");

    std::string typ;
    if (in.has(STYLE_LINES)) {
        typ = in.line(STYLE_LINES).substr(0, 30);
    } else {
        // What the writer stores when no number was set by hand.
        for (int i = 1; i <= 30; ++i) typ.push_back(i >= t.SPEARLY && i <= t.SPLATE ? 'A' : 'n');
        told.push_back(
            {STYLE_LINES, false, "the pattern line (line 29) is missing; one is made from the specialty range."});
    }
    typ.resize(30, 'n');
    t.TYP = typ;

    s = t;
    shared = sh;
    found.insert(found.end(), told.begin(), told.end());
    return true;
}

std::string primDigits(int primpct) {
    const int v = (primpct >= 100 || primpct < 0) ? 0 : primpct;
    return std::string{static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
}

void buildBankNames(RunState& run, const SharedSettings& shared) {
    const std::string pre = run.LG == 'L' ? "LL" : "";
    const std::string dd = primDigits(shared.PRIMPCT);
    const char x = static_cast<char>(std::toupper(static_cast<unsigned char>(shared.REGLST)));
    const bool listC = x == 'C';
    run.REGFILE = pre + "Luke." + x;
    run.FTVFILE = pre + "FTV." + dd;
    run.CVFILE = pre + (listC ? "cv.c" : "cv.b");
    run.COFILE = pre + (listC ? "co.c" : "co.b");
    run.SITFILE = run.LG == 'L' ? "llsit.txt" : "SIT.TXT";
    run.COUNTFILE = pre + "count." + dd + x;
}

std::optional<std::string> readRunSettings(const std::string& path) {
    TextReader in;
    if (!in.open(path)) return std::nullopt;
    auto line = in.readLine(14);
    return line ? *line : std::string();
}

bool isPlainFileName(std::string_view name) {
    if (name.find_first_not_of(' ') == std::string_view::npos) return false;  // empty or blanks only
    for (char c : name)
        if (static_cast<unsigned char>(c) < 32 || c == 127) return false;
    if (name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos) return false;
    return name.find("..") == std::string_view::npos;
}

std::optional<std::string> verseCountProblem(int chapter, std::string_view line, long* count) {
    auto n = parseNumber(line);
    if (!n) return std::string("the verse count is not a number");
    if (count) *count = *n;
    if (*n < 1 || *n > VMAX) return std::to_string(*n) + " verses is outside 1-85";
    if (*n != bookVerses(chapter))
        return std::to_string(*n) + " verses, but Luke " + std::to_string(chapter) + " has " +
               std::to_string(bookVerses(chapter));
    return std::nullopt;
}

bool readVerseTable(const std::string& path, Arr<int, 1, CHMAX>& evs, std::string& error) {
    const std::string file = baseName(path);
    auto lines = firstLines(path, CHMAX, 64);
    if (!lines) {
        error = "Cannot read the verse table " + file + ": " + whyUnreadable(path) + ".";
        return false;
    }
    if (lines->size() < static_cast<std::size_t>(CHMAX)) {
        error = file + " has " + std::to_string(lines->size()) + (lines->size() == 1 ? " line" : " lines") +
                "; it needs the verse count of each of the 24 chapters.";
        return false;
    }
    Arr<int, 1, CHMAX> got{};
    for (int ch = 1; ch <= CHMAX; ++ch) {
        long n = 0;
        if (auto why = verseCountProblem(ch, (*lines)[static_cast<std::size_t>(ch - 1)], &n)) {
            error = file + ", chapter " + std::to_string(ch) + ": " + *why + ".";
            return false;
        }
        got[ch] = static_cast<int>(n);
    }
    evs = got;
    return true;
}

void readPatterns(const std::string& path, Arr<FixedText<30>, 1, QQZ>& pat, int qz) {
    TextReader in;
    in.open(path);  // a missing file reads as all regular
    for (int q = 1; q <= qz && q <= QQZ; ++q) {
        std::string line;
        if (in.isOpen())
            if (auto l = in.readLine(30)) line = *l;
        line.resize(30, 'n');
        pat[q] = line;
    }
}

}  // namespace tess
