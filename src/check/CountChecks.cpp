#include "check/CountChecks.h"

#include "console/TextFile.h"
#include "material/CountFile.h"

namespace tess::check {

namespace {

constexpr std::size_t LINE_BOUND = 200;
constexpr std::size_t VERSES_NAMED = 8;  // in the out-of-date summary; each verse has its own line too

std::string ref(int c, int v) { return std::to_string(c) + ":" + std::to_string(v); }

}  // namespace

void checkCountFile(const std::string& path, const std::array<CountSource, KIND_COUNT>& sources,
                    const std::vector<std::string>& styles, int chapters, FileReport& out) {
    const auto lines = static_cast<std::size_t>(chapters * VMAX);
    TextReader in;
    if (!in.open(path)) {
        out.error(0, unreadable(path));
        return;
    }
    out.read = true;
    std::vector<std::string> differ;
    std::size_t bad = 0;
    while (auto line = in.readLine(LINE_BOUND)) {
        const std::size_t i = in.lineNumber();
        if (i > lines) {
            if (line->find_first_not_of(" \t") != std::string::npos) {
                out.error(i, "more than " + std::to_string(lines) + " lines: a count file has one line per verse slot");
                break;
            }
            continue;
        }
        const int c = static_cast<int>(i - 1) / VMAX + 1, v = static_cast<int>(i - 1) % VMAX + 1;
        const auto n = parseCountFileLine(*line, static_cast<int>(i));
        if (!n) {
            ++bad;
            out.error(i, "not the line of verse slot " + ref(c, v) + " (\"" + shown(*line) +
                             "\"): each line holds the chapter, the verse and five counts");
            continue;
        }
        std::string what;
        for (std::size_t k = 0; k < KIND_COUNT; ++k) {
            const BankCounts* b = sources[k].counts;
            const int holds = b && b->present ? b->n(c, v) : 0;
            if (holds == (*n)[k]) continue;
            what += std::string(what.empty() ? "" : "; ") + sources[k].file + " holds " + std::to_string(holds) + " " +
                    KINDS[k].name + (holds == 1 ? " question" : " questions") + " there, the count file says " +
                    std::to_string((*n)[k]);
        }
        if (!what.empty()) {
            differ.push_back(ref(c, v));
            out.error(i, ref(c, v) + " differs from the bank: " + what);
        }
    }
    out.lines = in.lineNumber();
    if (out.lines < lines)
        out.error(0, "has " + std::to_string(out.lines) + " lines of " + std::to_string(lines) + ": it ends early");
    const std::string reindex = "set \"Reindex\" to Y in " +
                                (styles.empty() ? std::string("a style that uses it")
                                                : "the style " +
                                                      [&] {
                                                          std::string s;
                                                          for (const auto& n : styles) s += (s.empty() ? "" : ", ") + n;
                                                          return s;
                                                      }()) +
                                " and run it once to build it anew";
    if (!differ.empty()) {
        std::string verses;
        for (std::size_t k = 0; k < differ.size() && k < VERSES_NAMED; ++k) verses += (k ? ", " : "") + differ[k];
        if (differ.size() > VERSES_NAMED) verses += ", ...";
        out.error(0, "out of date: " + std::to_string(differ.size()) +
                         (differ.size() == 1 ? " verse differs" : " verses differ") + " from the bank files (" +
                         verses + "), so a run that reuses it picks the wrong questions; " + reindex);
    } else if (bad > 0 || out.lines < lines) {
        out.error(0, "damaged: the program builds it anew when it reads it; delete it or " + reindex);
    }
    out.sortByLine();
}

}  // namespace tess::check
