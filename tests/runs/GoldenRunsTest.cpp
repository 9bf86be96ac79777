// Golden whole runs: for a fixed seed and key script, the screen (text and
// colours) at every key read and every byte of every file a run creates or
// changes must stay exactly as recorded in tests/golden/<run>/. A difference
// names the run and its first differing key read and row, or file and line.
//
// Re-record only after a change of behaviour that is meant, then review
// `git diff tests/golden` before committing it:
//   TESS_GOLDEN_RECORD=1 build/tessarin_tests --gtest_filter='GoldenRuns*'
#include <cstdlib>
#include <fstream>
#include <map>
#include <string_view>

#include "runs/BankRun.h"

using namespace tess;
using namespace tess::testing;
using namespace std::string_view_literals;
namespace fs = std::filesystem;

namespace {

struct Edit {
    std::size_t line;  // 0-based, as in line::
    std::string value;
};

// Keys: each character one key; '\n' is Return, "\33" Esc, "\0P" Down.
struct GoldenRun {
    std::string name;
    std::string style;        // a sample style (for the form: none, the keys choose it)
    std::vector<Edit> edits;  // lines of it changed for this run (stored as "Golden")
    std::uint64_t seed;
    std::string_view keys;
    bool form = false;  // through the style menu and form instead of the stored style
};

// Regular only: no specialty of any kind.
const std::vector<Edit> NO_SPECIALTIES = {{line::SPMAX, "0"}, {line::SPMIN, "0"}, {line::FMAX, "0"},
                                          {line::RMAX, "0"},  {line::OMAX, "0"},  {line::SMAX, "0"}};

std::vector<Edit> with(std::vector<Edit> a, const std::vector<Edit>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<GoldenRun> RUNS = {
    // The sample styles as they ship: each layout and sectoring, specialties, IPC 60, 50 and 40.
    {"book20", "Book20", {}, 1, "\n\nx\n\n"sv},
    {"quest30", "Quest30", {}, 3, "\n\n\n\n\n"sv},
    {"lset", "LSet", {}, 4, "\n\nx\n\n"sv},
    // Chapter shares edited (a wrong total first, then Esc at the table and back), then every
    // quiz's specialties approved, with rejections and an Esc at one quiz.
    {"ch1to8_shares_approval", "Ch1to8", {}, 2, "\n\n3\0P\n1\0P\n\33\nx\0P\nynny\33nyyyyyyy\n"sv},
    // More chapters than questions per quiz: the pack is raised to one sector a chapter.
    {"chapters_raise_pack", "Ch1to8", {{line::QMAX, "5"}, {line::OUT, "T"}}, 13, "\n\n\n\nx\n\n"sv},
    // The style menu and the form driven by keys, the run, then Exit from the menu.
    {"menu_and_form", "", {}, 5, "\0P\0P\n\33\n\n\n\n\n\n\0H\n"sv, true},
    // Interrogatives given up: all of them wanted, from the small sectors of chapter 1, without repeats.
    {"ipc_given_up", "Book20",
     with(NO_SPECIALTIES, {{line::RANGE_END, "1 80"}, {line::IPC, "100"}, {line::QNUM, "8"}, {line::REPEATPCT, "0"}}),
     6, "\n\nx\n\n\n\n"sv},
    // Regular repeats: a small range, many quizzes, REPEATPCT 30; the resector offer declined.
    {"repeat_cycles",
     "Book20",
     {{line::RANGE_BEGIN, "3 1"}, {line::RANGE_END, "4 44"}, {line::QNUM, "20"}, {line::REPEATPCT, "30"}},
     7,
     "\n\nxn\n\n\n\n"sv},
    // The same offer taken: resectored by questions.
    {"resector",
     "Book20",
     {{line::RANGE_BEGIN, "3 1"}, {line::RANGE_END, "4 44"}, {line::QNUM, "20"}},
     8,
     "\n\nxY\n\n\n\n\n"sv},
    // Quizzes approved one by one on the tab layout, with question sectoring.
    {"approve_tab_layout", "Quest30", {{line::QNUM, "5"}}, 10, "\n\n\n\0P\nnyny\33yy\n"sv},
    // The review screen's keys (reshuffles, all four arrows) over two screens of patterns; short
    // pages of the page layout.
    {"review_keys_short_pages",
     "Book20",
     {{line::QNUM, "35"}, {line::LPP, "18"}},
     11,
     "  \0P \0M \0K\0H \n\n\nx\n\n\n"sv},
    // Back to the title from the approval menu and from the verse table, then a whole run.
    {"restarts", "Book20", {{line::QNUM, "2"}, {line::OUT, "T"}}, 12, "\n\nx\33\n\33\nx\n\n"sv},
    // The heavy run: the whole book, 30 questions, 135 quizzes, verse sectoring, 5-10 specialties,
    // IPC 40, REPEATPCT 10, automatic approval.
    {"heavy",
     "Book20",
     {{line::QMAX, "30"},
      {line::QNUM, "135"},
      {line::SPMIN, "5"},
      {line::SPMAX, "10"},
      {line::FMAX, "4"},
      {line::RMAX, "3"},
      {line::OMAX, "2"},
      {line::SMAX, "2"},
      {line::SPLATE, "28"},
      {line::IPC, "40"},
      {line::REPEATPCT, "10"}},
     9,
     "\n\n\n\n\n\nx\n\n\n"sv},
};

constexpr std::size_t STORED_IN_FULL = 256 * 1024;

std::uint64_t fnv1a(std::string_view s) {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (unsigned char c : s) h = (h ^ c) * 0x100000001b3ULL;
    return h;
}

std::map<std::string, std::string> folder(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(dir)) {
        std::ifstream in(e.path(), std::ios::binary);
        files[e.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

// One row: its colours as runs (colour byte in hex * count), '|', its text
// without trailing blanks.
void addScreen(std::string& out, const std::string& head, const std::string& text, const std::string& colours) {
    out += "@ " + head + "\n";
    for (int r = 0; r < Console::Rows; ++r) {
        auto colourAt = [&](int c) { return colours[static_cast<std::size_t>(r * Console::Cols + c)]; };
        std::string row;
        for (int c = 0, n; c < Console::Cols; c += n) {
            for (n = 1; c + n < Console::Cols && colourAt(c + n) == colourAt(c);) ++n;
            char run[16];
            const auto colour = static_cast<unsigned char>(colourAt(c));
            std::snprintf(run, sizeof run, "%s%02x*%d", row.empty() ? "" : ",", colour, n);
            row += run;
        }
        std::string t = text.substr(static_cast<std::size_t>(r * (Console::Cols + 1)), Console::Cols);
        out += row + "|" + t.erase(t.find_last_not_of(' ') + 1) + "\n";
    }
}

std::vector<std::string> lines(const std::string& s) {
    std::vector<std::string> ls;
    for (std::size_t at = 0, nl; at < s.size(); at = nl + 1) {
        nl = s.find('\n', at);
        if (nl == std::string::npos) nl = s.size();
        ls.push_back(s.substr(at, nl - at));
    }
    return ls;
}

// Where the two first differ: the line, or in the screens record the key read
// and row; empty when they agree.
std::string firstDifference(const std::string& recorded, const std::string& now, bool screens = false) {
    const auto a = lines(recorded), b = lines(now);
    std::string head;
    std::size_t headAt = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string x = i < a.size() ? a[i] : "<none>", y = i < b.size() ? b[i] : "<none>";
        if (x == y) {
            if (screens && x.rfind("@ ", 0) == 0) head = x.substr(2), headAt = i;
            continue;
        }
        const std::string where =
            head.empty() ? "line " + std::to_string(i + 1) : head + ", row " + std::to_string(i - headAt);
        return where + "\n  recorded: " + x + "\n  now:      " + y;
    }
    return {};
}

std::string readFile(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const fs::path& f, const std::string& bytes) {
    fs::create_directories(f.parent_path());
    std::ofstream(f, std::ios::binary | std::ios::trunc) << bytes;
}

void PrintTo(const GoldenRun& run, std::ostream* os) { *os << run.name; }

class GoldenRuns : public ::testing::TestWithParam<GoldenRun> {};

TEST_P(GoldenRuns, ScreensAndFilesAsRecorded) {
    const GoldenRun& run = GetParam();
    BankRun b(run.seed);
    if (run.form) {
        b.p.configure = nullptr;  // the style menu and form
    } else if (run.edits.empty()) {
        b.useStyle(run.style);
    } else {
        auto style = bankStyle(run.style);
        for (const auto& e : run.edits) style[e.line] = e.value;
        b.style("Golden", style);
    }
    const auto before = folder(b.dir.path());
    b.con.keys(run.keys);
    std::string end;
    try {
        end = "the program ended with status " + std::to_string(runProgram(b.p));
    } catch (const ScriptExhausted&) {
        end = "the keys ran out";
    }

    std::string screens;
    const auto& texts = b.con.snapshots();
    for (std::size_t k = 0; k < texts.size(); ++k)
        addScreen(screens, "key read " + std::to_string(k + 1), texts[k], b.con.colourSnapshots()[k]);
    addScreen(screens, "end: " + end, b.con.screenText(), b.con.colourText());

    // The files the run made or changed: in full when small, otherwise by size and hash.
    std::string manifest;
    std::map<std::string, std::string> stored;
    const auto after = folder(b.dir.path());
    for (const auto& [name, bytes] : after) {
        if (auto was = before.find(name); was != before.end() && was->second == bytes) continue;
        char hash[17];
        std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(fnv1a(bytes)));
        manifest += name + " " + std::to_string(bytes.size()) + " " + hash + "\n";
        if (bytes.size() <= STORED_IN_FULL) stored[name] = bytes;
    }
    for (const auto& [name, bytes] : before)
        if (!after.count(name)) manifest += name + " removed\n";

    const fs::path golden = fs::path(TESS_SOURCE_DIR) / "tests/golden" / run.name;
    if (const char* rec = std::getenv("TESS_GOLDEN_RECORD"); rec && std::string(rec) == "1") {
        fs::remove_all(golden);
        writeFile(golden / "screens.txt", screens);
        writeFile(golden / "files.txt", manifest);
        for (const auto& [name, bytes] : stored) writeFile(golden / "files" / name, bytes);
        GTEST_SKIP() << "recorded " << golden;
    }
    ASSERT_TRUE(fs::exists(golden / "screens.txt"))
        << "no golden data for " << run.name << "; record it with TESS_GOLDEN_RECORD=1";
    const std::string screenDiff = firstDifference(readFile(golden / "screens.txt"), screens, true);
    EXPECT_TRUE(screenDiff.empty()) << run.name << ": the screen differs at " << screenDiff;
    for (const auto& [name, bytes] : stored) {
        if (!fs::exists(golden / "files" / name)) continue;  // the manifest names it
        const std::string d = firstDifference(readFile(golden / "files" / name), bytes);
        EXPECT_TRUE(d.empty()) << run.name << ": " << name << " differs at " << d;
    }
    const std::string fileDiff = firstDifference(readFile(golden / "files.txt"), manifest);
    EXPECT_TRUE(fileDiff.empty()) << run.name << ": the files made or changed differ (name size hash) at " << fileDiff;
}

INSTANTIATE_TEST_SUITE_P(Sample, GoldenRuns, ::testing::ValuesIn(RUNS),
                         [](const ::testing::TestParamInfo<GoldenRun>& i) { return i.param.name; });

}  // namespace
