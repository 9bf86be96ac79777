// The batch run (tessarin run's engine) against the full-screen run: the same
// files byte for byte from the same seed, and a run that cannot go on says
// why and keeps the last run's files.
#include "run/BatchRun.h"

#include <cerrno>
#include <filesystem>
#include <map>
#include <string_view>

#include "console/TextFile.h"
#include "runs/BankRun.h"

using namespace tess;
using namespace tess::testing;
using namespace std::string_view_literals;

namespace {

struct Edit {
    std::size_t line;  // 0-based, as in line::
    std::string value;
};

// The answers of a user who presses on, with what the run told kept.
struct Told : PressOnAsk {
    std::vector<std::string> stages, warnings, stops, results;
    void told(const Event& e) override {
        using K = Event::Kind;
        (e.kind == K::Stage ? stages : e.kind == K::Warning ? warnings : e.kind == K::Stopped ? stops : results)
            .push_back(e.text);
    }
};

// Every file of the folder, by name.
std::map<std::string, std::string> files(const BankRun& b) {
    std::map<std::string, std::string> all;
    for (const auto& e : std::filesystem::directory_iterator(b.dir.path()))
        all[e.path().filename().string()] = b.dir.read(e.path().filename().string());
    return all;
}

BatchEnd runBatch(BankRun& b, const std::string& style, std::uint64_t seed, Told& told) {
    Random rnd(seed);  // no screen: the stages reach the user through the Ask alone
    Program p(rnd, b.dir.path());
    return runStoredStyle(p, told, style);
}

// A sample style (edited in place, so the menu lists it at its place) run on
// the full-screen path with the default answers, and the same style run the
// batch way; `keys` are those the run asks after the menu and form.
struct SameFiles {
    const char* what;
    std::string style;
    int menuRow;  // 0-based place in Specs.lst
    std::vector<Edit> edits;
    std::uint64_t seed;
    std::string_view keys;
};

const std::vector<SameFiles> SAME = {
    {"verse sectoring, page layout, specialties, IPC 60", "Book20", 0, {}, 1, "\n\nx\n\n"sv},
    {"chapter sectoring, column layout, IPC 50", "Ch1to8", 1, {}, 2, "\n\n\n\n\n\n"sv},
    {"question sectoring, tab layout, IPC 40", "Quest30", 2, {}, 3, "\n\n\n\n\n"sv},
    {"the L material set", "LSet", 3, {}, 4, "\n\nx\n\n"sv},
    // By chapter over the set's left-out chapters: the deal passes over them.
    {"the L set by chapter, 1:1-8:56", "LSet", 3, {{line::RANGE_END, "8 56"}, {line::SEC1, "C"}}, 4, "\n\n\nx\n\n"sv},
    {"the L set by chapter, 1:1-17:37", "LSet", 3, {{line::RANGE_END, "17 37"}, {line::SEC1, "C"}}, 4, "\n\n\nx\n\n"sv},
    {"repeats warned and the resector offer declined, column layout",
     "Book20",
     0,
     {{line::RANGE_BEGIN, "3 1"},
      {line::RANGE_END, "4 44"},
      {line::QNUM, "20"},
      {line::REPEATPCT, "30"},
      {line::OUT, "C"}},
     7,
     "\n\nxn\n\n\n\n"sv},
    {"interrogatives given up, tab layout",
     "Book20",
     0,
     {{line::RANGE_END, "1 80"},
      {line::IPC, "100"},
      {line::QNUM, "8"},
      {line::REPEATPCT, "0"},
      {line::OUT, "T"},
      {line::SPMAX, "0"},
      {line::SPMIN, "0"},
      {line::FMAX, "0"},
      {line::RMAX, "0"},
      {line::OMAX, "0"},
      {line::SMAX, "0"}},
     6,
     "\n\nx\n\n\n\n"sv},
};

class BatchSameFiles : public ::testing::TestWithParam<SameFiles> {};

void PrintTo(const SameFiles& c, std::ostream* os) { *os << c.what; }

void edit(BankRun& b, const std::string& style, const std::vector<Edit>& edits) {
    if (edits.empty()) return;
    auto lines = bankStyle(style);
    for (const auto& e : edits) lines[e.line] = e.value;
    b.dir.lines(style + ".spe", lines);
}

TEST_P(BatchSameFiles, AsTheFullScreenRunWithDefaultAnswers) {
    const SameFiles& c = GetParam();
    BankRun screen(c.seed), batch;
    edit(screen, c.style, c.edits);
    edit(batch, c.style, c.edits);

    screen.p.configure = nullptr;  // the style menu and the form
    for (int i = 0; i < c.menuRow; ++i) screen.con.down();
    screen.con.enter().esc().enter().keys(c.keys);
    runOnce(screen.p);
    EXPECT_EQ(screen.con.keysLeft(), 0u) << "the full-screen run asked fewer keys than scripted";

    Told told;
    ASSERT_EQ(runBatch(batch, c.style, c.seed, told), BatchEnd::Done) << (told.stops.empty() ? "" : told.stops[0]);
    const auto want = files(screen), got = files(batch);
    for (const auto& [name, bytes] : want) {
        auto it = got.find(name);
        ASSERT_NE(it, got.end()) << name << " not written";
        EXPECT_TRUE(it->second == bytes) << name << " differs";
    }
    EXPECT_EQ(got.size(), want.size());
    EXPECT_EQ(told.results.size(), 2u);
    EXPECT_FALSE(told.stages.empty());
}

INSTANTIATE_TEST_SUITE_P(Styles, BatchSameFiles, ::testing::ValuesIn(SAME));

// A run that cannot go on: its message, and the last run's files kept.
struct CannotGoOn {
    const char* what;
    std::vector<Edit> edits;  // to the style
    void (*spoil)(BankRun&);  // the bank or folder made unusable
    const char* message;      // part of what the report is told
    std::string style = "Book20", out = "book20";
};

const std::vector<CannotGoOn> STOPS = {
    {"too few regular questions",
     {{line::RANGE_END, "1 2"}, {line::QMAX, "30"}, {line::SPLATE, "25"}},
     nullptr,
     "not enough regular questions"},
    {"a specialty with a maximum and no questions",
     {},
     [](BankRun& b) { b.dir.raw("SIT.TXT", ""); },
     "One specialty has zero questions"},
    {"a count file out of date",
     {},
     [](BankRun& b) {
         Told t;
         runBatch(b, "Book20", 1, t);
         auto lines = b.fileLines("Luke.A");
         lines.erase(lines.begin());
         b.dir.lines("Luke.A", lines);
     },
     "does not match the regular question file Luke.A"},
    {"a missing file", {}, [](BankRun& b) { std::filesystem::remove(b.dir.file("Verses.txt")); }, "Verses.txt"},
    {"a broken style file",
     {},
     [](BankRun& b) {
         b.dir.lines("Book20.spe", {"A", "1 1"});
     },
     "Book20.spe"},
    {"a style the form refuses", {{line::SPLATE, "25"}}, nullptr, "Incompatible Specs in Book20.spe"},
    {"specialty numbers set by hand that never reach the total",
     {{line::SPMIN, "4"},
      {line::SPMAX, "4"},
      {line::FMIN, "1"},
      {line::FMAX, "1"},
      {line::RMIN, "1"},
      {line::RMAX, "1"},
      {line::OMIN, "1"},
      {line::OMAX, "1"},
      {line::SMIN, "1"},
      {line::SMAX, "1"},
      {line::SETSPC, "Y"}},
     nullptr,
     "hold 0 letters, not Total Max 4"},
    {"a sector without regular questions (the last chapter's)",
     {},
     [](BankRun& b) {
         auto lines = b.fileLines("Luke.B");
         std::erase_if(lines, [](const std::string& l) { return l.rfind(" 8:", 0) == 0; });
         b.dir.lines("Luke.B", lines);
     },
     "Your smallest sector has 0 regular questions",
     "Ch1to8",
     "ch1to8"},
};

class BatchCannotGoOn : public ::testing::TestWithParam<CannotGoOn> {};

void PrintTo(const CannotGoOn& c, std::ostream* os) { *os << c.what; }

TEST_P(BatchCannotGoOn, SaysWhyAndKeepsTheLastFiles) {
    const CannotGoOn& c = GetParam();
    BankRun b;
    edit(b, c.style, c.edits);
    if (c.spoil) c.spoil(b);
    b.dir.raw(c.out + ".qui", "last packets");
    b.dir.raw(c.out + ".inf", "last list");
    Told told;
    EXPECT_EQ(runBatch(b, c.style, 5, told), BatchEnd::CannotGoOn);
    ASSERT_EQ(told.stops.size(), 1u);
    EXPECT_NE(told.stops[0].find(c.message), std::string::npos) << told.stops[0];
    EXPECT_EQ(b.dir.read(c.out + ".qui"), "last packets");
    EXPECT_EQ(b.dir.read(c.out + ".inf"), "last list");
    for (const auto& [name, bytes] : files(b)) EXPECT_EQ(name.find(".part"), std::string::npos) << name;
}

INSTANTIATE_TEST_SUITE_P(Cases, BatchCannotGoOn, ::testing::ValuesIn(STOPS));

// A front end of its own is one Ask: this one moves a chapter share, takes
// the resector offer, approves each quiz and rejects the first combination.
struct Scripted : Told {
    int shares = 0, resectors = 0, combinations = 0;
    void chapterShares(Program& p, int chapters) override {
        ++shares;
        ++p.run.CS[p.run.BCHAP];
        --p.run.CS[p.run.ECHAP];
        PressOnAsk::chapterShares(p, chapters);
    }
    bool resector(Program&) override { return ++resectors > 0; }
    Approval approvalMode(Program&) override { return Approval::EachQuiz; }
    Combination combination(Program&) override {
        return ++combinations == 1 ? Combination::Reject : Combination::Accept;
    }
};

TEST(BatchAsk, AScriptedAskSteersAWholeRun) {
    const std::vector<Edit> repeatEarly = {{line::RANGE_END, "3 38"}, {line::QMAX, "30"}, {line::QNUM, "30"}};
    BankRun pressOn, scripted;
    edit(pressOn, "Ch1to8", repeatEarly);
    edit(scripted, "Ch1to8", repeatEarly);
    Told plain;
    Scripted ask;
    ASSERT_EQ(runBatch(pressOn, "Ch1to8", 9, plain), BatchEnd::Done);
    ASSERT_EQ(runBatch(scripted, "Ch1to8", 9, ask), BatchEnd::Done) << (ask.stops.empty() ? "" : ask.stops[0]);
    EXPECT_EQ(ask.shares, 1);
    EXPECT_EQ(ask.resectors, 1);
    EXPECT_EQ(ask.combinations, 31);  // 30 quizzes and the one rejected
    for (const char* name : {"ch1to8.qui", "ch1to8.inf"}) {
        EXPECT_FALSE(scripted.dir.read(name).empty()) << name;
        EXPECT_NE(scripted.dir.read(name), pressOn.dir.read(name)) << name;
    }
}

// A full disk while the packet is written: the file, its folder and the
// reason, a file error (tessarin run exits 5), and the last run's files.
TEST(BatchFileError, AFullDiskStopsTheRunAndKeepsTheLastFiles) {
    BankRun b;
    b.dir.raw("book20.qui", "last packets");
    b.dir.raw("book20.inf", "last list");
    b.dir.raw("temp.txt", "last log");
    Told told;
    {
        InjectedWriteFailure full(FileOp::Write, "book20.qui", ENOSPC);
        EXPECT_EQ(runBatch(b, "Book20", 5, told), BatchEnd::FileFailed);
    }
    ASSERT_EQ(told.stops.size(), 1u);
    EXPECT_EQ(told.stops[0], "book20.qui could not be written in " + b.dir.path().string() +
                                 " (No space left on device). The run stopped; the packet and list files of the last "
                                 "run are kept.");
    EXPECT_EQ(b.dir.read("book20.qui"), "last packets");
    EXPECT_EQ(b.dir.read("book20.inf"), "last list");
    EXPECT_EQ(b.dir.read("temp.txt"), "last log");
    for (const auto& [name, bytes] : files(b)) EXPECT_EQ(name.find(".part"), std::string::npos) << name;
}

}  // namespace
