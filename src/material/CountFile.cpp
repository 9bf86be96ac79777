#include "material/CountFile.h"

#include <cstdlib>
#include <filesystem>

#include "core/Kinds.h"
#include "core/Messages.h"
#include "material/BankFile.h"
#include "material/Counts.h"

namespace tess {

namespace {

constexpr long COUNT_FIELD_MAX = 65535;   // far above any real verse; keeps totals in range
constexpr std::size_t SKIPPED_SHOWN = 5;  // line numbers named in a skipped-lines notice
// Messages about bad bank lines name only the first few; the checker lists them all.
constexpr const char* FULL_LIST = "Run tessarin check for the full list.";

void zeroCounts(RunState& r) {
    for (const Kind& k : KINDS) (r.*k.count).fill(0);
}

// The chapter, the verse slot and a count of each kind.
constexpr int COUNT_FIELDS = 2 + static_cast<int>(KIND_COUNT);

// COUNT_FIELDS unsigned numbers separated by blanks, nothing else on the line.
bool parseCountLine(const std::string& line, Arr<long, 1, COUNT_FIELDS>& out) {
    std::size_t i = 0;
    int n = 0;
    for (;;) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= line.size()) break;
        if (n == COUNT_FIELDS) return false;
        long v = 0;
        std::size_t digits = 0;
        while (i < line.size() && line[i] >= '0' && line[i] <= '9') {
            if (++digits > 6) return false;
            v = v * 10 + (line[i++] - '0');
        }
        if (digits == 0 || (i < line.size() && line[i] != ' ' && line[i] != '\t')) return false;
        out[++n] = v;
    }
    return n == COUNT_FIELDS;
}

bool isBlank(const std::string& s) { return s.find_first_not_of(" \t") == std::string::npos; }

std::string joinNumbers(const std::vector<std::size_t>& v, std::size_t total) {
    std::string s;
    for (std::size_t i = 0; i < v.size(); ++i) s += (i ? ", " : "") + std::to_string(v[i]);
    if (total > v.size()) s += ", ...";
    return s;
}

struct BankSource {
    const std::string& name;
    Counts& table;
    bool regular;
};

// Counts one bank file into its table; skipped lines become a notice.
void countBankFile(Program& p, const BankSource& src, std::vector<std::string>& notices) {
    const std::string path = p.file(src.name);
    BankReader in(readBankFile(p.run, path), p.run, p.leftOut());
    if (!in.isOpen()) {
        // Only a missing file counts as empty: one that is there but cannot be
        // read would count as empty and be blamed on the style.
        if (const std::string why = whyUnreadable(path); why != "it is missing")
            failRestart(p, "Cannot count the question file " + src.name + " in " + folderOf(path) + ": " + why +
                               ". The index was not built; the count file is unchanged.");
        if (src.regular)
            failRestart(p, "The question file " + src.name + " was not found in the working directory (" +
                               std::filesystem::absolute(p.dir).lexically_normal().string() +
                               "). The index was not built; the count file is unchanged.");
        notices.push_back("  " + src.name + " not found: it counts as empty.");
        return;
    }
    BankRef ref, prev;
    std::size_t lastCounted = 0, skipped = 0;
    std::vector<std::size_t> skippedAt;
    auto noteSkipped = [&](std::size_t upTo) {
        for (std::size_t k = lastCounted + 1; k < upTo; ++k) {
            ++skipped;
            if (skippedAt.size() < SKIPPED_SHOWN) skippedAt.push_back(k);
        }
    };
    while (in.nextView(&ref)) {
        const std::size_t ln = in.fileLine();
        noteSkipped(ln);
        lastCounted = ln;
        if (ref.chapter < prev.chapter || (ref.chapter == prev.chapter && ref.verse < prev.verse))
            failRestart(p, "The lines of " + src.name + " are not in chapter and verse order: line " +
                               std::to_string(ln) + " (" + std::to_string(ref.chapter) + ":" +
                               std::to_string(ref.verse) + ") follows " + std::to_string(prev.chapter) + ":" +
                               std::to_string(prev.verse) + ". The index was not built. " + FULL_LIST);
        prev = ref;
        if (++src.table(ref.chapter, ref.verse) > COUNT_FIELD_MAX)
            failRestart(p, "The question file " + src.name + " has more than " + std::to_string(COUNT_FIELD_MAX) +
                               " questions for " + std::to_string(ref.chapter) + ":" + std::to_string(ref.verse) +
                               " (line " + std::to_string(ln) + "); a verse can have at most " +
                               std::to_string(COUNT_FIELD_MAX) +
                               ". The index was not built; the count file is unchanged.");
    }
    noteSkipped(in.fileLine() + 1);
    if (skipped == 0) return;

    notices.push_back("  " + src.name + ": " + std::to_string(skipped) + (skipped == 1 ? " line" : " lines") +
                      " not counted (line " + joinNumbers(skippedAt, skipped) + ")");
    TextReader again(path);
    for (std::size_t k = 1; k <= skippedAt.front(); ++k) {
        auto line = again.readLine(BANK_LINE_MAX);
        if (!line) break;
        if (k == skippedAt.front())
            if (auto why = rejectReason(*line, p.run.EVS, p.run.MATERIAL.chapters(), p.leftOut()))
                notices.push_back("    line " + std::to_string(k) + ": " + *why);
    }
    notices.push_back(std::string("    ") + FULL_LIST);
}

}  // namespace

std::string findCountFile(const Program& p) {
    const std::string& name = p.run.COUNTFILE;
    if (name.empty()) return {};
    const std::string here = p.file(name);
    if (fileExists(here)) return here;
    const char* list = std::getenv("Path");
    if (!list) list = std::getenv("PATH");
    if (!list) return {};
    std::string_view rest(list);
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        const std::string_view dir = rest.substr(0, colon);
        rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
        if (dir.empty()) continue;
        const std::string there = (std::filesystem::path(dir) / name).string();
        if (fileExists(there)) return there;
    }
    return {};
}

std::vector<std::string> countFileLines(const RunState& r) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(r.MATERIAL.chapters() * VMAX));
    for (int ch = 1; ch <= r.MATERIAL.chapters(); ++ch)
        for (int v = 1; v <= VMAX; ++v) {
            std::string line = std::to_string(ch) + " " + std::to_string(v);
            for (const Kind& k : KINDS) line += " " + std::to_string((r.*k.count)(ch, v));
            lines.push_back(std::move(line));
        }
    return lines;
}

std::optional<KindCounts> parseCountFileLine(const std::string& line, int i) {
    Arr<long, 1, COUNT_FIELDS> f{};
    const int ch = (i - 1) / VMAX + 1, v = (i - 1) % VMAX + 1;
    if (!parseCountLine(line, f) || f[1] != ch || f[2] != v) return std::nullopt;
    KindCounts n{};
    for (std::size_t k = 0; k < KIND_COUNT; ++k) {
        const long count = f[static_cast<int>(k) + 3];
        if (count > COUNT_FIELD_MAX) return std::nullopt;
        n[k] = static_cast<int>(count);
    }
    return n;
}

std::optional<std::string> loadCountFile(RunState& r, const std::string& path) {
    zeroCounts(r);
    TextReader in;
    if (path.empty() || !in.open(path)) return std::string("is missing");
    auto fail = [&](std::string why) {
        zeroCounts(r);
        return std::optional<std::string>(std::move(why));
    };
    const int lines = r.MATERIAL.chapters() * VMAX;
    for (int i = 1; i <= lines; ++i) {
        auto line = in.readLine(200);
        if (!line) return fail("is short (" + std::to_string(i - 1) + " of " + std::to_string(lines) + " lines)");
        const auto n = parseCountFileLine(*line, i);
        if (!n) return fail("has a bad line " + std::to_string(i));
        const int ch = (i - 1) / VMAX + 1, v = (i - 1) % VMAX + 1;
        for (const Kind& k : KINDS) (r.*k.count)(ch, v) = (*n)[slotOf(k)];
    }
    while (auto extra = in.readLine(200))
        if (!isBlank(*extra)) return fail("has more than " + std::to_string(lines) + " lines");
    return std::nullopt;
}

void buildIndex(Program& p, std::vector<std::string>& notices) {
    auto& r = p.run;
    zeroCounts(r);
    for (const Kind& k : KINDS) countBankFile(p, {r.*k.file, r.*k.count, !k.specialty}, notices);
}

}  // namespace tess
