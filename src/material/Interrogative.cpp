#include "material/Interrogative.h"

#include <algorithm>
#include <array>

#include "core/Limits.h"
#include "material/SectorWalk.h"

namespace tess {

namespace {

constexpr std::array<std::string_view, 52> OPENINGS = {
    "Is ",        "Are ",       "Can ",       "Did ",      "Was ",      "Who ",      "Who,",      "Why ",
    "How ",       "What ",      "What,",      "Whom ",     "When ",     "Where ",    "Which ",    "Whose ",
    "In wh",      "Of wh",      "On wh",      "At wh",     "To wh",     "Off wh",    "Before wh", "By wh",
    "For wh",     "Do you",     "From wh",    "Into wh",   "Over wh",   "Unto wh",   "Upon wh",   "With wh",
    "About wh",   "Above wh",   "Along wh",   "Among wh",  "Below wh",  "Since wh",  "Under wh",  "Until wh",
    "Across wh",  "Around wh",  "Beside wh",  "Beyond wh", "During wh", "Toward wh", "Within wh", "Against wh",
    "Beneath wh", "Between wh", "Without wh", "Through wh"};

// Openings that look like questions but are not ("When God" has no blank on
// purpose: it also excludes "When Godly").
constexpr std::array<std::string_view, 12> NOT_QUESTIONS = {"What I ",   "When I ",    "When a ",  "How true ",
                                                            "What God ", "When this ", "When he ", "When his ",
                                                            "When God",  "When he ",   "When we ", "When Moses "};

// A list of openings grouped by first letter: a line is compared only with
// the openings that begin as it does (the index reads every regular line of
// the range, and a large bank has a hundred thousand).
template <std::size_t N>
struct ByFirstLetter {
    std::array<std::string_view, N> openings{};
    std::array<std::size_t, 257> from{};  // the openings of letter c: from[c] up to from[c + 1]

    bool opens(char first, std::string_view text) const {
        const auto c = static_cast<unsigned char>(first);
        for (std::size_t k = from[c]; k < from[c + 1u]; ++k)
            if (text.substr(1).starts_with(openings[k].substr(1))) return true;
        return false;
    }
};

template <std::size_t N>
constexpr ByFirstLetter<N> byFirstLetter(const std::array<std::string_view, N>& list) {
    ByFirstLetter<N> t;
    std::size_t k = 0;
    for (std::size_t c = 0; c < 256; ++c) {
        t.from[c] = k;
        for (const std::string_view o : list)
            if (static_cast<unsigned char>(o[0]) == c) t.openings[k++] = o;
    }
    t.from[256] = k;
    return t;
}

constexpr auto QUESTION_OPENINGS = byFirstLetter(OPENINGS);
constexpr auto NOT_QUESTION_OPENINGS = byFirstLetter(NOT_QUESTIONS);

}  // namespace

// The exclusions are compared only for a line that opens like a question.
bool isInterrogative(std::string_view bankLine) {
    const std::string_view text = bankLine.size() > 6 ? bankLine.substr(6, LMAX - 6) : std::string_view{};
    if (text.empty()) return false;
    const char first = text[0] == 'w' ? 'W' : text[0];  // a lower-case "w" at the start reads as "W"
    return QUESTION_OPENINGS.opens(first, text) && !NOT_QUESTION_OPENINGS.opens(first, text);
}

void COUNTINT(Program& p) {
    auto& r = p.run;
    p.ask().show(p, Screen::IndexingInterrogatives);
    const RangeLines& lines = rangeLines(p, REGULAR, r.QPS);
    for (int s = 1; s <= r.SECTORS; ++s) {
        auto& marks = r.INT[s];
        marks.resize(std::max<std::size_t>(marks.size(), static_cast<std::size_t>(std::max(REGXX, r.QPS[s]) + 1)), 0);
        for (int n = 1; n <= r.QPS[s]; ++n)
            marks[static_cast<std::size_t>(n)] = static_cast<char>(isInterrogative(lines.line(s, n)));
    }
}

}  // namespace tess
