#include "material/Interrogative.h"

#include <algorithm>
#include <array>

#include "material/SectorWalk.h"
#include "core/Limits.h"

namespace tess {

namespace {

constexpr std::array<std::string_view, 52> OPENINGS = {
    "Is ",       "Are ",      "Can ",      "Did ",       "Was ",      "Who ",      "Who,",      "Why ",
    "How ",      "What ",     "What,",     "Whom ",      "When ",     "Where ",    "Which ",    "Whose ",
    "In wh",     "Of wh",     "On wh",     "At wh",      "To wh",     "Off wh",    "Before wh", "By wh",
    "For wh",    "Do you",    "From wh",   "Into wh",    "Over wh",   "Unto wh",   "Upon wh",   "With wh",
    "About wh",  "Above wh",  "Along wh",  "Among wh",   "Below wh",  "Since wh",  "Under wh",  "Until wh",
    "Across wh", "Around wh", "Beside wh", "Beyond wh",  "During wh", "Toward wh", "Within wh", "Against wh",
    "Beneath wh", "Between wh", "Without wh", "Through wh"};

// Openings that look like questions but are not ("When God" has no blank on
// purpose: it also excludes "When Godly").
constexpr std::array<std::string_view, 12> NOT_QUESTIONS = {
    "What I ",  "When I ",  "When a ",   "How true ", "What God ", "When this ",
    "When he ", "When his ", "When God", "When he ",  "When we ",  "When Moses "};

bool opensWith(std::string_view text, std::string_view opening) {
    return text.size() >= opening.size() && text.substr(0, opening.size()) == opening;
}

}  // namespace

bool isInterrogative(std::string_view bankLine) {
    std::string text(bankLine.size() > 6 ? bankLine.substr(6, LMAX - 6) : std::string_view{});
    if (!text.empty() && text[0] == 'w') text[0] = 'W';
    const bool question = std::any_of(OPENINGS.begin(), OPENINGS.end(), [&](auto o) { return opensWith(text, o); });
    const bool excluded =
        std::any_of(NOT_QUESTIONS.begin(), NOT_QUESTIONS.end(), [&](auto o) { return opensWith(text, o); });
    return question && !excluded;
}

void COUNTINT(Program& p) {
    auto& r = p.run;
    p.con.gotoXY(3, 3);
    p.con.write("Creating index of interrogatives...");
    SectorWalk walk(p, r.REGFILE, r.BEFORE, "regular");
    for (int s = 1; s <= r.SECTORS; ++s) {
        auto& marks = r.INT[s];
        marks.resize(std::max<std::size_t>(marks.size(), static_cast<std::size_t>(std::max(REGXX, r.QPS[s]) + 1)), 0);
        for (int n = 1; n <= r.QPS[s]; ++n)
            marks[static_cast<std::size_t>(n)] = static_cast<char>(isInterrogative(walk.next(s)));
    }
}

}  // namespace tess
