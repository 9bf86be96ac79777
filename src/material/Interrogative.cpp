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

// The first letters of the openings: a line that starts otherwise is told
// at once, without comparing the 52 openings.
constexpr std::array<bool, 256> FIRST_LETTERS = [] {
    std::array<bool, 256> first{};
    for (const std::string_view o : OPENINGS) first[static_cast<unsigned char>(o[0])] = true;
    return first;
}();

}  // namespace

// The index is built over every regular line of the range: an opening is
// compared only when its first letter fits, and the exclusions only for a
// line that opens like a question.
bool isInterrogative(std::string_view bankLine) {
    const std::string_view text = bankLine.size() > 6 ? bankLine.substr(6, LMAX - 6) : std::string_view{};
    if (text.empty()) return false;
    const char first = text[0] == 'w' ? 'W' : text[0];  // a lower-case "w" at the start reads as "W"
    if (!FIRST_LETTERS[static_cast<unsigned char>(first)]) return false;
    const auto opens = [&](std::string_view o) { return o[0] == first && text.substr(1).starts_with(o.substr(1)); };
    return std::any_of(OPENINGS.begin(), OPENINGS.end(), opens) &&
           std::none_of(NOT_QUESTIONS.begin(), NOT_QUESTIONS.end(), opens);
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
