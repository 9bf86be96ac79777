#include "core/StyleFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <type_traits>

#include "console/TextFile.h"
#include "core/Material.h"

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

// An over-long text is cut, with a note that shows the whole line.
void readText(const StyleField& f, StyleLines& in, SharedSettings& sh, std::vector<StyleNote>& told) {
    if (!in.has(f.line)) {
        (void)in.character(f.line, f.what);  // says the line is missing
        return;
    }
    const std::string text = in.line(f.line);
    auto& kept = sh.*f.text;
    const auto width = std::remove_reference_t<decltype(kept)>::max;
    if (text.size() > width)
        told.push_back({f.line, false,
                        "the " + std::string(f.what) + " \"" + text + "\" is longer than " + std::to_string(width) +
                            " characters; \"" + text.substr(0, width) + "\" is used."});
    kept = text;
}

// Reads one line into the settings copies. A number is only kept in range
// once the whole file reads, so its value as written is returned.
std::vector<long> readField(const StyleField& f, StyleLines& in, StyleSettings& t, SharedSettings& sh,
                            std::vector<StyleNote>& told) {
    if (f.addedLater && !in.has(f.line)) {
        // A file older than the line: the setting's starting value.
        const StyleSettings startT;
        const SharedSettings startSh;
        if (f.kind == FieldKind::Number) return {f.number.in(startT, startSh)};
        f.letter.in(t, sh) = f.letter.in(startT, startSh);
        return {};
    }
    switch (f.kind) {
        case FieldKind::Letter:
        case FieldKind::ListLetter:
            f.letter.in(t, sh) = in.character(f.line, f.what);
            break;
        case FieldKind::Number:
            return in.numbers(f.line, 1, f.what);
        case FieldKind::Place:
            return in.numbers(f.line, 2, f.what);
        case FieldKind::Text:
            readText(f, in, sh, told);
            break;
        case FieldKind::Pattern:  // may be missing: read once the specialty range is known
            break;
    }
    return {};
}

// Numbers and places; the other lines are left as read.
void keepNumber(const StyleField& f, const std::vector<long>& v, StyleSettings& t, SharedSettings& sh,
                std::vector<StyleNote>& told, const Material& m) {
    if (f.kind == FieldKind::Number) {
        const int lo = f.atLeast ? t.*f.atLeast : f.min;
        f.number.in(t, sh) = clampNoted(v[0], lo, f.max, f.line, f.valueName, told);
    } else if (f.kind == FieldKind::Place) {
        const std::string name = f.valueName;
        const int chapter = clampNoted(v[0], f.min, m.chapters(), f.line, name + " chapter", told);
        f.number.in(t, sh) = chapter;
        t.*f.verse =
            clampNoted(v[1], 1, m.verses(chapter), f.line, name + " verse", told,
                       " (" + m.chapterName(chapter) + " has " + std::to_string(m.verses(chapter)) + " verses)");
    }
}

std::string oneLetter(char c) { return std::string(1, c); }

// Taken in capitals; outside its range, the first letter of the range.
void keepListLetter(const StyleField& f, StyleSettings& t, SharedSettings& sh, std::vector<StyleNote>& told) {
    char& v = f.letter.in(t, sh);
    const char capital = static_cast<char>(std::toupper(static_cast<unsigned char>(v)));
    if (capital >= f.min && capital <= f.max) {
        v = capital;
        return;
    }
    const char first = static_cast<char>(f.min);
    told.push_back({f.line, false,
                    std::string(f.what) + " \"" + oneLetter(v) + "\" is not " + oneLetter(first) + "-" +
                        oneLetter(static_cast<char>(f.max)) + "; " + oneLetter(first) + " is used."});
    v = first;
}

// A letter the program has no meaning for (a hand-edited file) gets the
// form's starting value, with a note; small letters are taken as capitals.
void keepLetter(const StyleField& f, StyleSettings& t, SharedSettings& sh, std::vector<StyleNote>& told) {
    if (f.letters.empty()) return;
    char& v = f.letter.in(t, sh);
    const char capital = static_cast<char>(std::toupper(static_cast<unsigned char>(v)));
    if (capital != ' ' && f.letters.find(capital) != std::string_view::npos) {
        v = capital;
        return;
    }
    const StyleSettings startT;
    const SharedSettings startSh;
    const char start = f.letter.in(startT, startSh);
    std::string choices;
    for (char a : f.letters) choices += (choices.empty() ? "" : ", ") + oneLetter(a);
    told.push_back({f.line, false,
                    std::string(f.what) + " \"" + oneLetter(v) + "\" is not one of " + choices + "; " +
                        oneLetter(start) + " is used."});
    v = start;
}

// Without a pattern line, the one the writer stores when no number was set
// by hand.
void readPattern(const StyleField& f, const StyleLines& in, StyleSettings& t, std::vector<StyleNote>& told) {
    auto& kept = t.*f.pattern;
    const auto width = std::remove_reference_t<decltype(kept)>::max;
    std::string typ;
    if (in.has(f.line)) {
        typ = in.line(f.line).substr(0, width);
    } else {
        for (int i = 1; i <= static_cast<int>(width); ++i) typ.push_back(i >= t.SPEARLY && i <= t.SPLATE ? 'A' : 'n');
        told.push_back({f.line, false,
                        "the " + std::string(f.what) + " (line " + std::to_string(f.line) +
                            ") is missing; one is made from the specialty range."});
    }
    typ.resize(width, 'n');
    kept = typ;
}

// A setting as its line holds it.
std::string writeField(const StyleField& f, const StyleSettings& s, const SharedSettings& shared) {
    switch (f.kind) {
        case FieldKind::Letter:
        case FieldKind::ListLetter:
            return oneLetter(f.letter.in(s, shared));
        case FieldKind::Number:
            return std::to_string(f.number.in(s, shared));
        case FieldKind::Place:
            return std::to_string(f.number.in(s, shared)) + " " + std::to_string(s.*f.verse);
        case FieldKind::Text:
            return (shared.*f.text).str();
        case FieldKind::Pattern:
            return (s.*f.pattern).str();
    }
    return {};
}

}  // namespace

bool readStyleFile(const std::string& path, StyleSettings& s, SharedSettings& shared, std::vector<std::string>& notes,
                   const Material& material) {
    const std::string file = baseName(path);
    // Longer lines than any item are cut.
    auto read = firstLines(path, STYLE_LINES, 256);
    if (!read) {
        notes.push_back("Cannot read the style file " + file + ": " + whyUnreadable(path) + ".");
        return false;
    }
    std::vector<StyleNote> found;
    if (!parseStyleLines(*read, s, shared, found, material)) {
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
                     std::vector<StyleNote>& found, const Material& material, std::span<const StyleField> fields) {
    std::vector<StyleNote> faults;
    StyleLines in(lines, faults);
    StyleSettings t = s;
    SharedSettings sh = shared;
    std::vector<StyleNote> told;
    std::vector<std::vector<long>> numbers(fields.size());
    for (const StyleField& f : fields) numbers[static_cast<std::size_t>(f.line - 1)] = readField(f, in, t, sh, told);
    if (in.damaged()) {
        found.insert(found.end(), faults.begin(), faults.end());
        return false;
    }

    // The notes keep the order users have always seen: the output name's
    // (read above), the numbers', the list letter's, the other letters'.
    for (const StyleField& f : fields)
        keepNumber(f, numbers[static_cast<std::size_t>(f.line - 1)], t, sh, told, material);
    for (const StyleField& f : fields)
        if (f.kind == FieldKind::ListLetter) keepListLetter(f, t, sh, told);
    for (const StyleField& f : fields)
        if (f.kind == FieldKind::Letter) keepLetter(f, t, sh, told);
    for (const StyleField& f : fields)
        if (f.kind == FieldKind::Pattern) readPattern(f, in, t, told);

    s = t;
    shared = sh;
    found.insert(found.end(), told.begin(), told.end());
    return true;
}

std::vector<std::string> styleFileLines(const StyleSettings& s, const SharedSettings& shared,
                                        std::span<const StyleField> fields) {
    std::vector<std::string> lines;
    for (const StyleField& f : fields) lines.push_back(writeField(f, s, shared));
    // Lines added later stay off the end while they hold their starting value.
    const StyleSettings startT;
    const SharedSettings startSh;
    for (auto f = fields.rbegin(); f != fields.rend() && f->addedLater; ++f)
        if (lines.back() == writeField(*f, startT, startSh))
            lines.pop_back();
        else
            break;
    return lines;
}

std::string primDigits(int primpct) {
    const int v = (primpct >= 100 || primpct < 0) ? 0 : primpct;
    return std::string{static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
}

void buildBankNames(RunState& run, const SharedSettings& shared, const std::string& book) {
    const std::string pre = run.LG == 'L' ? "LL" : "";
    const std::string dd = primDigits(shared.PRIMPCT);
    const char x = static_cast<char>(std::toupper(static_cast<unsigned char>(shared.REGLST)));
    const bool listC = x == 'C';
    run.REGFILE = pre + book + "." + x;
    run.FTVFILE = pre + "FTV." + dd;
    run.CVFILE = pre + (listC ? "cv.c" : "cv.b");
    run.COFILE = pre + (listC ? "co.c" : "co.b");
    run.SITFILE = run.LG == 'L' ? "llsit.txt" : "SIT.TXT";
    run.COUNTFILE = pre + "count." + dd + x;
}

std::optional<std::string> readRunSettings(const std::string& path) {
    TextReader in;
    if (!in.open(path)) return std::nullopt;
    auto line = in.readLine(4 * 14);  // 14 characters of up to four bytes
    return line ? std::string(firstChars(*line, 14)) : std::string();
}

namespace {

bool isControl(char c) { return static_cast<unsigned char>(c) < 32 || c == 127; }

std::string nameProblem(const char* what, std::string_view name, std::string_view where, const char* folder) {
    const std::string fault = fileNameFault(name);
    if (fault.empty()) return {};
    std::string msg = std::string("The ") + what + " \"" + shownName(name) + "\"";
    if (!where.empty()) msg += " in " + std::string(where);
    return msg + " " + fault + "; " + folder;
}

}  // namespace

std::string fileNameFault(std::string_view name) {
    if (name.empty()) return "is empty";
    if (name.find_first_not_of(' ') == std::string_view::npos) return "is blank";
    if (std::any_of(name.begin(), name.end(), isControl)) return "holds a control character (shown as ?)";
    if (name.find('/') != std::string_view::npos || name.find('\\') != std::string_view::npos)
        return "holds a path separator";
    if (name.find("..") != std::string_view::npos) return "holds \"..\"";
    return {};
}

bool isPlainFileName(std::string_view name) { return fileNameFault(name).empty(); }

std::string shownName(std::string_view name) {
    std::string s(name);
    std::replace_if(s.begin(), s.end(), isControl, '?');
    return s;
}

std::string outputNameProblem(std::string_view name, std::string_view where) {
    return nameProblem("output file name", name, where, "output is written in this folder.");
}

std::string styleFileNameProblem(std::string_view name, std::string_view where) {
    return nameProblem("style name", name, where, "styles are kept in this folder.");
}

std::optional<std::string> verseCountProblem(const Material& m, int chapter, std::string_view line, long* count) {
    auto n = parseNumber(line);
    if (!n) return std::string("the verse count is not a number");
    if (count) *count = *n;
    if (*n < 1 || *n > VMAX) return std::to_string(*n) + " verses is outside 1-85";
    if (*n != m.verses(chapter))
        return std::to_string(*n) + " verses, but " + m.chapterName(chapter) + " has " +
               std::to_string(m.verses(chapter));
    return std::nullopt;
}

bool readVerseTable(const std::string& path, const Material& m, Arr<int, 1, MATERIAL_CHAPTERS_MAX>& evs,
                    std::string& error) {
    const std::string file = baseName(path);
    const int chapters = m.chapters();
    auto lines = firstLines(path, chapters, 64);
    if (!lines) {
        error = "Cannot read the verse table " + file + ": " + whyUnreadable(path) + ".";
        return false;
    }
    if (lines->size() < static_cast<std::size_t>(chapters)) {
        error = file + " has " + std::to_string(lines->size()) + (lines->size() == 1 ? " line" : " lines") +
                "; it needs the verse count of each of the " + std::to_string(chapters) + " chapters.";
        return false;
    }
    Arr<int, 1, MATERIAL_CHAPTERS_MAX> got{};
    for (int ch = 1; ch <= chapters; ++ch) {
        long n = 0;
        if (auto why = verseCountProblem(m, ch, (*lines)[static_cast<std::size_t>(ch - 1)], &n)) {
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
