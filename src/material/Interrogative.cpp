#include "material/Interrogative.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <cstdint>

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

// The first eight characters of a text as one number (the first in the
// lowest bits), and the mask of those it has.
constexpr std::uint64_t headOf(std::string_view t) {
    std::uint64_t h = 0;
    for (std::size_t i = 0; i < 8 && i < t.size(); ++i) h |= std::uint64_t{static_cast<unsigned char>(t[i])} << (8 * i);
    return h;
}
// headOf a line: one load where the machine keeps the first byte lowest.
std::uint64_t lineHead(std::string_view t) {
    if constexpr (std::endian::native == std::endian::little) {
        if (t.size() >= 8) {
            std::uint64_t h = 0;
            std::memcpy(&h, t.data(), sizeof h);
            return h;
        }
    }
    return headOf(t);
}
constexpr std::uint64_t maskOf(std::string_view t) {
    return t.size() >= 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * t.size())) - 1;
}

// An opening with its first eight characters as one number, so that most
// comparisons with a line are one test instead of a call to memcmp.
struct Opening {
    std::string_view text;
    std::uint64_t head = 0, mask = 0;
};

// A list of openings grouped by first letter: a line is compared only with
// the openings that begin as it does (the index reads every regular line of
// the range, and a large bank has a hundred thousand).
template <std::size_t N>
struct ByFirstLetter {
    std::array<Opening, N> openings{};
    std::array<std::size_t, 257> from{};  // the openings of letter c: from[c] up to from[c + 1]

    // `head` is the line's headOf with its first letter as read.
    bool opens(char first, std::string_view text, std::uint64_t head) const {
        const auto c = static_cast<unsigned char>(first);
        for (std::size_t k = from[c]; k < from[c + 1u]; ++k) {
            const Opening& o = openings[k];
            if ((head & o.mask) == o.head && text.size() >= o.text.size() &&
                (o.text.size() <= 8 || text.substr(8).starts_with(o.text.substr(8))))
                return true;
        }
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
            if (static_cast<unsigned char>(o[0]) == c) t.openings[k++] = {o, headOf(o), maskOf(o)};
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
    const std::uint64_t head = (lineHead(text) & ~std::uint64_t{0xFF}) | static_cast<unsigned char>(first);
    return QUESTION_OPENINGS.opens(first, text, head) && !NOT_QUESTION_OPENINGS.opens(first, text, head);
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
