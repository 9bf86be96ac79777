#include "data/BankCheck.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "support/Luke.h"

namespace bankcheck {

const std::array<int, 25> LUKE_VERSES = [] {
    std::array<int, 25> v{};
    for (int c = 1; c <= 24; ++c) v[static_cast<std::size_t>(c)] = tess::lukeVerses(c);
    return v;
}();

namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }

std::string at(std::size_t lineNo, const std::string& what) { return "line " + std::to_string(lineNo) + ": " + what; }

// Fields after column 6, split at TABs.
std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::size_t start = 6;
    while (true) {
        std::size_t tab = line.find('\t', start);
        out.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return out;
}

void checkKind(const std::string& line, Kind kind, std::size_t no, std::vector<std::string>& out) {
    const auto f = fields(line);
    switch (kind) {
        case Kind::Regular: {
            if (line.size() > 254) out.push_back(at(no, "regular line over 254 characters"));
            if (f.size() != 2 || f[0].empty() || f[1].empty()) {
                out.push_back(at(no, "a regular line is question TAB answer"));
                break;
            }
            // The packet writer ends the question's first line at its first "?".
            if (f[0].back() != '?' || f[0].find('?') != f[0].size() - 1)
                out.push_back(at(no, "the question must end at its only question mark"));
            break;
        }
        case Kind::Ftv: {
            if (f.size() != 2 || f[1].empty()) {
                out.push_back(at(no, "an FTV line is type TAB verse text"));
                break;
            }
            const std::string& type = f[0];
            if (type.size() != 3 && type.size() != 4) out.push_back(at(no, "type field of " + type));
            if (type[0] == 'Q' && type.size() != 4) out.push_back(at(no, "a quotation type field has 4 characters"));
            if (type.size() >= 3 && !(type[2] >= 'A' && type[2] <= 'Z'))
                out.push_back(at(no, "no type letter in column 9"));
            if (std::count(f[1].begin(), f[1].end(), ' ') < 5)
                out.push_back(at(no, "an FTV text needs five blanks (its first five words are the question)"));
            break;
        }
        case Kind::Reference: {
            if (line.size() > 254) out.push_back(at(no, "reference line over 254 characters"));
            if (line.size() < 10 || line[6] < 'A' || line[6] > 'Z' || line[7] < 'A' || line[7] > 'Z' || line[8] != '\t')
                out.push_back(at(no, "a reference line starts with a two-letter type code and a TAB"));
            if (f.size() != 3 || f[1].empty() || f[2].empty())
                out.push_back(at(no, "a reference line is code TAB question TAB answer"));
            break;
        }
        case Kind::Situation: {
            if (f.size() != 1) out.push_back(at(no, "a situation line has no TAB after column 6"));
            const auto quote = line.find('"');
            const auto apos = line.find('\'');
            if (quote == std::string::npos || quote < 8 || line[quote - 1] != ' ')
                out.push_back(at(no, "no quotation opened by a double quote after a blank"));
            else if (apos != std::string::npos && apos < quote)
                out.push_back(at(no, "an apostrophe before the quotation would open it"));
            const auto star = line.find('*');
            if (star == std::string::npos || star < quote || star + 1 >= line.size())
                out.push_back(at(no, "no \"*\" and answer after the quotation"));
            break;
        }
    }
}

}  // namespace

std::vector<std::string> readCrLfLines(const std::string& path, std::vector<std::string>* lineEnds) {
    std::ifstream in(path, std::ios::binary);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t lf = all.find('\n', start);
        std::size_t end = lf == std::string::npos ? all.size() : lf;
        std::string line = all.substr(start, end - start);
        const bool cr = !line.empty() && line.back() == '\r';
        if (cr) line.pop_back();
        if (lineEnds && (!cr || lf == std::string::npos))
            lineEnds->push_back(at(lines.size() + 1, "line end is not CR LF"));
        if (lineEnds && line.find('\r') != std::string::npos) lineEnds->push_back(at(lines.size() + 1, "stray CR"));
        lines.push_back(line);
        if (lf == std::string::npos) break;
        start = lf + 1;
    }
    return lines;
}

std::vector<std::string> checkBankFile(const std::string& path, Kind kind, const std::vector<int>& skipped) {
    std::vector<std::string> out;
    const auto lines = readCrLfLines(path, &out);
    if (lines.empty()) out.push_back("empty file");
    int lastC = 0, lastV = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& l = lines[i];
        const std::size_t no = i + 1;
        if (l.find_first_not_of(" \t") == std::string::npos) {
            out.push_back(at(no, "blank line"));
            continue;
        }
        if (l.size() > 508) out.push_back(at(no, std::to_string(l.size()) + " characters (at most 508)"));
        if (std::any_of(l.begin(), l.end(), [](char ch) { return ch != '\t' && (ch < ' ' || ch > '~'); }))
            out.push_back(at(no, "a character that is not printable ASCII"));
        if (l.find("   ") != std::string::npos) out.push_back(at(no, "three blanks in a row end a text early"));
        if (l.size() < 7 || !(l[0] == ' ' || digit(l[0])) || !digit(l[1]) || l[2] != ':' ||
            !(l[3] == ' ' || digit(l[3])) || !digit(l[4])) {
            out.push_back(at(no, "no chapter:verse in columns 1-5"));
            continue;
        }
        if (l[5] != '\t') {
            out.push_back(at(no, "no TAB in column 6"));
            continue;
        }
        const int c = (l[1] - '0') + (l[0] == ' ' ? 0 : 10 * (l[0] - '0'));
        const int v = (l[4] - '0') + (l[3] == ' ' ? 0 : 10 * (l[3] - '0'));
        if (c < 1 || c > 24) {
            out.push_back(at(no, "chapter " + std::to_string(c) + " is not in the book"));
            continue;
        }
        if (v < 1 || v > LUKE_VERSES[static_cast<std::size_t>(c)])
            out.push_back(at(no, "verse " + std::to_string(v) + " is not in chapter " + std::to_string(c)));
        if (std::find(skipped.begin(), skipped.end(), c) != skipped.end())
            out.push_back(at(no, "chapter " + std::to_string(c) + " is left out of this set"));
        if (c < lastC || (c == lastC && v < lastV)) out.push_back(at(no, "out of order"));
        lastC = c;
        lastV = v;
        checkKind(l, kind, no, out);
    }
    return out;
}

bool isInterrogative(const std::string& question) {
    static const char* const yes[] = {
        "Is ",        "Are ",       "Can ",       "Did ",      "Was ",      "Who ",      "Who,",      "Why ",
        "How ",       "What ",      "What,",      "Whom ",     "When ",     "Where ",    "Which ",    "Whose ",
        "In wh",      "Of wh",      "On wh",      "At wh",     "To wh",     "Off wh",    "Before wh", "By wh",
        "For wh",     "Do you",     "From wh",    "Into wh",   "Over wh",   "Unto wh",   "Upon wh",   "With wh",
        "About wh",   "Above wh",   "Along wh",   "Among wh",  "Below wh",  "Since wh",  "Under wh",  "Until wh",
        "Across wh",  "Around wh",  "Beside wh",  "Beyond wh", "During wh", "Toward wh", "Within wh", "Against wh",
        "Beneath wh", "Between wh", "Without wh", "Through wh"};
    static const char* const no[] = {"What I ",  "When I ",   "When a ",  "How true ", "What God ",  "When this ",
                                     "When he ", "When his ", "When God", "When we ",  "When Moses "};
    std::string q = question;
    if (!q.empty() && q[0] == 'w') q[0] = 'W';
    auto begins = [&](const char* o) { return q.rfind(o, 0) == 0; };
    return std::any_of(std::begin(yes), std::end(yes), begins) && std::none_of(std::begin(no), std::end(no), begins);
}

VerseCounts countFile(const std::string& path) {
    VerseCounts vc;
    for (const auto& l : readCrLfLines(path, nullptr)) {
        if (l.size() < 6 || !digit(l[1]) || !digit(l[4])) continue;
        const int c = (l[1] - '0') + (l[0] == ' ' ? 0 : 10 * (l[0] - '0'));
        const int v = (l[4] - '0') + (l[3] == ' ' ? 0 : 10 * (l[3] - '0'));
        ++vc.n[{c, v}];
    }
    return vc;
}

}  // namespace bankcheck
