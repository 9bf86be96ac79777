#include "core/Season.h"

#include <cstdio>

#include "core/Kinds.h"

namespace tess {

namespace {

constexpr std::string_view MEET = "Meet";
// Longer than any line the program writes there; a longer one is damage.
constexpr std::size_t SEASON_LINE_MAX = 1000;

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    for (;;) {
        const auto tab = line.find('\t');
        out.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) return out;
        line.remove_prefix(tab + 1);
    }
}

bool isDate(std::string_view d) {
    if (d.size() != 10 || d[4] != '-' || d[7] != '-') return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (d[i] < '0' || d[i] > '9') return false;
    const int month = (d[5] - '0') * 10 + (d[6] - '0'), day = (d[8] - '0') * 10 + (d[9] - '0');
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

std::optional<std::uint64_t> hex64(std::string_view h) {
    if (h.size() != 16) return std::nullopt;
    std::uint64_t v = 0;
    for (char c : h) {
        int d = 0;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else
            return std::nullopt;
        v = v << 4 | static_cast<std::uint64_t>(d);
    }
    return v;
}

}  // namespace

std::uint64_t fingerprintOf(std::string_view line) {
    std::uint64_t h = 14695981039346656037ULL;
    for (unsigned char c : line) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h;
}

std::string SeasonFault::message(const std::string& file) const {
    return file + " line " + std::to_string(line) + ": " + fault + ".";
}

SeasonRead parseSeason(const std::vector<std::string>& lines) {
    SeasonRead r;
    auto fail = [&](std::size_t n, std::string why) {
        r.season = {};
        r.fault = SeasonFault{n, std::move(why)};
        return r;
    };
    for (std::size_t n = 1; n <= lines.size(); ++n) {
        const std::string_view line = lines[n - 1];
        if (line.size() > SEASON_LINE_MAX)
            return fail(n, "the line is longer than " + std::to_string(SEASON_LINE_MAX) + " characters");
        if (line.empty() || line[0] == '#') continue;
        const auto f = fields(line);
        if (f[0] == MEET) {
            if (f.size() != 4) return fail(n, "a meet's line is Meet, its date, style and packet file, by tabs");
            if (!isDate(f[1])) return fail(n, "the date '" + std::string(f[1]) + "' is not YYYY-MM-DD");
            if (f[2].empty() || f[3].empty()) return fail(n, "the meet names no style or no packet file");
            r.season.meets.push_back({std::string(f[1]), std::string(f[2]), std::string(f[3]), {}});
            continue;
        }
        if (f.size() != 4)
            return fail(n, "a question's line is its kind, fingerprint, reference and bank file, by tabs");
        if (f[0].size() != 1 || !kindOf(f[0][0]))
            return fail(n, "'" + std::string(f[0]) + "' is no kind of question (n, F, R, O or S)");
        const auto print = hex64(f[1]);
        if (!print) return fail(n, "the fingerprint '" + std::string(f[1]) + "' is not 16 hexadecimal digits");
        if (f[3].empty()) return fail(n, "the question names no bank file");
        if (r.season.meets.empty()) return fail(n, "a question comes before the first meet's line");
        r.season.meets.back().questions.push_back({f[0][0], *print, std::string(f[2]), std::string(f[3])});
    }
    return r;
}

std::vector<std::string> seasonLines(const Season& s) {
    std::vector<std::string> out{
        "# The season: each meet's questions, so later meets ask fresh ones (tessarin season list).",
        "# Meet<tab>date<tab>style<tab>packet file, then kind<tab>fingerprint<tab>reference<tab>bank file."};
    for (const Meet& m : s.meets) {
        out.push_back(std::string(MEET) + '\t' + m.date + '\t' + m.style + '\t' + m.packet);
        for (const SeasonQuestion& q : m.questions) {
            char hex[17];
            std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(q.print));
            out.push_back(std::string(1, q.kind) + '\t' + hex + '\t' + q.reference + '\t' + q.bankFile);
        }
    }
    return out;
}

}  // namespace tess
