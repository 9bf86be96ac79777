#include "check/StyleChecks.h"

#include <cctype>
#include <map>
#include <memory>

#include "console/TextFile.h"
#include "core/StyleFields.h"
#include "core/StyleFile.h"
#include "specc9/StyleLibrary.h"
#include "specc9/Validation.h"

namespace tess::check {

namespace {

constexpr std::size_t LINE_BOUND = 256;  // longer than any item of these files
constexpr int VERSE_TABLE_PADDING = 4;

bool isBlank(std::string_view l) { return l.find_first_not_of(" \t") == std::string_view::npos; }
std::string num(long n) { return std::to_string(n); }
std::string ref(int c, int v) { return num(c) + ":" + num(v); }
std::size_t lineOf(std::string_view item) { return static_cast<std::size_t>(styleLine(item)); }

int inRange(const VerseCounts& n, const StyleSettings& s) {
    int total = 0;
    for (int c = s.BCHAP; c <= s.ECHAP; ++c)
        for (int v = c == s.BCHAP ? s.BVER : 1; v <= (c == s.ECHAP ? s.EVER : VMAX); ++v) total += n(c, v);
    return total;
}

}  // namespace

VerseTable checkVerses(const std::string& path, const Material& m, FileReport& out) {
    VerseTable evs;
    const int chapters = m.chapters();
    evs.chapters = chapters;
    for (int c = 1; c <= chapters; ++c) evs[c] = m.verses(c);
    const std::string each = "the verse count of each of the " + num(chapters) + " chapters";
    auto lines = readAllLines(path, LINE_BOUND);
    if (!lines) {
        out.error(0, unreadable(path) + ": a run needs " + each);
        return evs;
    }
    out.read = true;
    out.lines = lines->size();
    const int have = static_cast<int>(lines->size());
    for (int c = 1; c <= chapters && c <= have; ++c) {
        long n = 0;
        const std::string& l = (*lines)[static_cast<std::size_t>(c - 1)];
        if (auto why = verseCountProblem(m, c, l, &n))
            out.error(static_cast<std::size_t>(c), "chapter " + num(c) + ": " + *why + ": write " + num(m.verses(c)) +
                                                       ", the book's count, which the form uses");
        if (n >= 1 && n <= VMAX) evs[c] = static_cast<int>(n);
    }
    // Luke's table has always had four lines 0 after its chapters.
    const int padded = chapters + VERSE_TABLE_PADDING;
    if (have < chapters)
        out.error(0, "has " + num(have) + " lines: it needs " + each + ", one a line");
    else if (have != chapters && have != padded)
        out.warning(0, "has " + num(have) + " lines: a verse table holds the " + num(chapters) +
                           " chapters' counts, then four lines 0 (" + num(padded) + " lines), or only the " +
                           num(chapters));
    for (int i = chapters + 1; i <= have && i <= padded; ++i)
        if (!parseNumber((*lines)[static_cast<std::size_t>(i - 1)]))
            out.warning(static_cast<std::size_t>(i),
                        "not a number: lines " + num(chapters + 1) + "-" + num(padded) + " hold 0");
    return evs;
}

VerseTable readVerses(const std::string& path, const Material& m) {
    FileReport scratch;
    return checkVerses(path, m, scratch);
}

std::vector<std::string> checkStyleList(const std::string& path, const std::string& dir, FileReport& out) {
    std::vector<std::string> names;
    auto lines = readAllLines(path, LINE_BOUND);
    if (!lines) {
        out.error(0, unreadable(path) + ": the style menu lists the styles named here");
        return names;
    }
    out.read = true;
    out.lines = lines->size();
    std::map<std::string, std::size_t> seen;
    for (std::size_t i = 1; i <= lines->size(); ++i) {
        const std::string& name = (*lines)[i - 1];
        if (isBlank(name)) {
            out.warning(i, "blank line: the menu leaves it out; delete it");
            continue;
        }
        if (name == NEW_SPECS_ENTRY) {
            if (i != lines->size()) out.warning(i, std::string("\"") + NEW_SPECS_ENTRY + "\" belongs on the last line");
            continue;
        }
        names.push_back(name);
        if (names.size() == LIST_NAMES_MAX + 1)
            out.error(i, "more than " + num(LIST_NAMES_MAX) +
                             " styles: the menu shows the first 13, so this one and those after it cannot be chosen; "
                             "delete some");
        if (const auto [at, fresh] = seen.emplace(name, i); !fresh) {
            out.warning(i, "\"" + shown(name) + "\" is listed twice (also on line " +
                               num(static_cast<long>(at->second)) + "): delete one");
            continue;
        }
        if (std::string why = styleNameProblem(name); !why.empty()) {
            out.error(i, why + " Rename it on the form.");
            continue;
        }
        if (!fileExists((std::filesystem::path(dir) / (name + ".spe")).string()))
            out.error(i, "there is no style file " + name +
                             ".spe: the style cannot be opened; delete the line or "
                             "add the file");
    }
    if (lines->empty() || lines->back() != NEW_SPECS_ENTRY)
        out.warning(0, std::string("the last line should be \"") + NEW_SPECS_ENTRY + "\", as the program writes it");
    return names;
}

BankNames bankNamesFor(char lg, int primpct, char reglst, const std::string& book) {
    // The checker asks for every name a style could choose: a run state is
    // too big to make for each, and naming sets every name it reads back.
    thread_local const auto run = std::make_unique<RunState>();
    run->LG = lg;
    SharedSettings sh;
    sh.PRIMPCT = primpct;
    sh.REGLST = reglst;
    buildBankNames(*run, sh, book);
    BankNames n;
    for (const Kind& k : KINDS) n.bank[slotOf(k)] = run.get()->*k.file;
    n.count = run->COUNTFILE;
    return n;
}

CheckedStyle checkStyle(const std::string& path, const std::string& name,
                        const std::function<const BankCounts&(const std::string&)>& counts, const Material& m,
                        FileReport& out) {
    CheckedStyle cs;
    cs.name = name;
    TextReader in;
    if (!in.open(path)) {
        out.error(0, unreadable(path));
        return cs;
    }
    out.read = true;
    std::vector<std::string> lines;
    bool extra = false;
    while (auto l = in.readLine(LINE_BOUND)) {
        if (static_cast<int>(lines.size()) < STYLE_LINES)
            lines.push_back(std::move(*l));
        else if (!extra && !isBlank(*l)) {
            extra = true;
            out.warning(in.lineNumber(),
                        "a style file has " + num(STYLE_LINES) + " lines; the lines from here on are never read");
        }
    }
    out.lines = in.lineNumber();
    std::vector<StyleNote> found;
    StyleSettings& s = cs.s;
    SharedSettings& sh = cs.shared;
    const bool ok = parseStyleLines(lines, s, sh, found, m);
    bool toldShort = false;
    for (const auto& f : found) {
        const auto at = static_cast<std::size_t>(f.line);
        if (f.damaged && at > lines.size()) {
            // One finding for the missing end, named by its first setting.
            if (!toldShort)
                out.error(0, "ends at line " + num(static_cast<long>(lines.size())) + " of " + num(STYLE_LINES) +
                                 ": from line " + num(f.line) + " on the settings are missing (" + f.what +
                                 "); the run cannot read this style");
            toldShort = true;
        } else if (f.damaged) {
            out.error(at, f.what + ": the run cannot read this style until the line is mended");
        } else {
            out.warning(at > lines.size() ? 0 : at, f.what);
        }
    }
    if (!ok) {
        out.sortByLine();
        return cs;
    }
    cs.readable = true;

    // The names a run refuses before it starts (specc9/Config.cpp).
    if (std::string why = styleNameProblem(name); !why.empty() && name != NEW_STYLE)
        out.error(0, why + " The run refuses it; rename it on the form.");
    if (const std::string outName = sh.NAME4.str(); !isPlainFileName(outName))
        out.error(lineOf("NAME4"), "the output file name \"" + shown(outName) + "\" " + fileNameFault(outName) +
                                       ": the run refuses it; output is written in this folder");

    if (const int allowed = primAllowed(sh.PRIMPCT); allowed != sh.PRIMPCT)
        out.error(lineOf("PRIMPCT"), "Pct Prim FTV " + num(sh.PRIMPCT) +
                                         " is not a value the form allows, and the bank has an FTV "
                                         "file only for those: use " +
                                         num(allowed) + ", the value the form makes of it");
    const char setspc = static_cast<char>(std::toupper(static_cast<unsigned char>(sh.SETSPC)));
    for (const CompatibilityRule& rule : COMPATIBILITY_RULES)
        if (rule.breaks(s, byHand(setspc)))
            out.error(lineOf(rule.field), rule.explain(s) + " (the form refuses the style: \"Incompatible Specs\")");

    cs.files = bankNamesFor(s.LG, sh.PRIMPCT, sh.REGLST, m.first().name);
    if (!rangeRunsBackwards(s)) {
        const std::string range = ref(s.BCHAP, s.BVER) + "-" + ref(s.ECHAP, s.EVER);
        for (const Kind& k : KINDS) {
            // A quiz's most of the kind; the regular list is always needed.
            const int max = k.specialty ? s.*k.max : 1;
            if (max <= 0) continue;
            const std::string& file = cs.files.bank[slotOf(k)];
            const auto line = lineOf(k.namedBy);
            const BankCounts& c = counts(file);
            const std::string kind = k.name;
            const std::string asked = k.specialty ? " (the style asks for up to " + num(max) + " a quiz)" : "";
            if (!c.present)
                out.error(line, "the style reads its " + kind + " questions from " + file +
                                    ", which is not in the folder" + asked + ": add the file or change the style");
            else if (inRange(c.n, s) == 0)
                out.error(line, file + " holds no " + kind + " questions in the style's range " + range + asked +
                                    ": change the range or the bank");
        }
    }
    out.sortByLine();
    return cs;
}

}  // namespace tess::check
