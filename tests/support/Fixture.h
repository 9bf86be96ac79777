#pragma once
// The one test fixture: a scratch working directory, a Program whose Ask
// draws on the in-memory screen, a fixed-seed (or scripted) Random, and the
// helpers that lay down bank files and styles. Every test builds its program here;
// the rigs of the subsystems only add the state their stages expect.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/Random.h"
#include "console/ScreenConsole.h"
#include "core/Messages.h"
#include "core/Program.h"
#include "core/StyleFields.h"
#include "run/ScreenAsk.h"
#include "support/Luke.h"
#include "support/ScratchDir.h"

namespace tess::testing {

namespace fs = std::filesystem;

// Lines each ended by CR LF, as the program writes them.
std::string crlf(const std::vector<std::string>& lines);
// The rows of a screen text (rows 1..25 at 0..24).
std::vector<std::string> screenRows(const std::string& screen);
// A bank line "cc:vv<TAB>text" with the chapter and verse right-aligned.
std::string bankLine(int ch, int v, const std::string& text = "Who spoke?");

// Whether `stage` went back to the title; its message is shown as the run's
// catcher shows it, so the screen and the keys left are what a user meets.
template <class Stage>
bool restarts(Program& p, Stage&& stage) {
    try {
        stage();
    } catch (const RestartRun& e) {
        showRestart(p, e);
        return true;
    }
    return false;
}

// The in-memory screen as the tests watch it: besides the snapshots it keeps
// the cursor at each key read, and whether a watched text was shown, even one
// replaced before any key read.
class TestConsole : public ScreenConsole {
public:
    // The screen, colours included, as it stood at one key read.
    struct Grid {
        std::string chars, colours;
        Cell at(int col, int row) const;
        std::string text(int col, int row, int len) const;
    };

    std::vector<std::pair<int, int>> cursor;  // (column, row) at each key read

    Grid grid(std::size_t n) const { return {snapshots().at(n), colourSnapshots().at(n)}; }
    Grid lastGrid() const { return grid(snapshots().size() - 1); }
    void watch(std::string text) {
        watched_ = std::move(text);
        seen_ = false;
    }
    bool seen() const { return seen_; }
    // The text at (col, row) of the screen as it stood at key read `n`.
    std::string seenAt(std::size_t n, int col, int row, std::size_t len) const;
    // Cursor keys: 'U', 'D', 'L', 'R' for Up, Down, Left, Right.
    void arrows(const std::string& moves);

protected:
    void onKeyRead() override;
    void present() override;

private:
    std::string watched_;
    bool seen_ = false;
};

// Counts what a run asks of the generator: re-seeds (the regular picker
// re-seeds once per call) and the draws of each range n.
class CountingRandom : public Random {
public:
    explicit CountingRandom(std::uint64_t seed) : Random(seed, StandIn{}) {}
    int standInDraw(int n) override {
        ++draws[n];
        return draw(n);
    }
    void standInReseed() override {
        ++reseeds;
        reseedGenerator();
    }
    long reseeds = 0;
    std::map<int, long> draws;
};

class Fixture {
public:
    // A fresh scratch directory and a generator of the fixed seed.
    explicit Fixture(std::uint64_t seed = 1) : Fixture(std::make_unique<Random>(seed)) {}
    // A scripted or counting generator.
    explicit Fixture(std::unique_ptr<Random> random);
    // A second program over the folder of another test's scratch directory.
    explicit Fixture(const ScratchDir& shared, std::uint64_t seed = 1);
    // Moves keep the screen, generator and folder the program is bound to.
    Fixture(Fixture&& o) noexcept;
    Fixture& operator=(Fixture&&) = delete;
    virtual ~Fixture() = default;

private:
    Fixture(std::shared_ptr<const ScratchDir> folder, std::unique_ptr<Random> random);

    std::shared_ptr<const ScratchDir> dir_;
    std::unique_ptr<TestConsole> con_;
    std::unique_ptr<Random> rnd_;
    std::unique_ptr<ScreenAsk> screen_;  // the run's Ask: the screens, on con

public:
    const ScratchDir& dir;
    TestConsole& con;
    Random& rnd;
    Program p;
    RunState& r;

    // The sample bank copied in; runs take the style "temp2.txt" names as
    // stored, without the form.
    void sampleBankRun();
    // Writes the style and names it in "temp2.txt".
    void style(const std::string& name, const std::vector<std::string>& lines) const;
    // Names a style in "temp2.txt".
    void useStyle(const std::string& name) const;
    std::vector<std::string> fileLines(const std::string& name) const { return dir.readLines(name); }

    // The book's verse table in the run state and the bank file names of
    // material set A, list 00, for stages called on their own.
    void bankFileNames();
    void range(int bc, int bv, int ec, int ev);

    // The list file and run log of a run, opened and read back.
    void openOutputs();
    std::vector<std::string> listLines();
    std::vector<std::string> logLines();
};

// The 29 lines of a plain style: chapter 1:1-3:38, 20 questions, 10 quizzes,
// verse sectoring, no specialties. Tests change single lines.
std::vector<std::string> plainStyle();
// The sample bank's starting style: 1:1-24:53, 20 questions, between none
// and three specialties in positions 5 to 17, each kind at most once.
std::vector<std::string> newStyle();
// The 29 lines of a style of the sample bank.
std::vector<std::string> bankStyle(const std::string& name);

// Style file lines, 0-based: the index of each setting in a style's lines,
// found in the program's own field table.
namespace line {
constexpr std::size_t at(std::string_view item) { return static_cast<std::size_t>(styleLine(item) - 1); }
constexpr std::size_t RANGE_BEGIN = at("BCHAP"), RANGE_END = at("ECHAP"), NAME4 = at("NAME4"), LPP = at("LPP"),
                      OUT = at("OUT"), QMAX = at("QMAX"), REGLST = at("REGLST"), IPC = at("IPC"), INDX = at("INDX"),
                      QNUM = at("QNUM"), SEC1 = at("SEC1"), REPEATPCT = at("REPEATPCT"), SPMAX = at("SPMAX"),
                      SPMIN = at("SPMIN"), FMAX = at("FMAX"), FMIN = at("FMIN"), RMAX = at("RMAX"), RMIN = at("RMIN"),
                      OMAX = at("OMAX"), OMIN = at("OMIN"), SMAX = at("SMAX"), SMIN = at("SMIN"),
                      SPEARLY = at("SPEARLY"), SPLATE = at("SPLATE"), SETSPC = at("SETSPC");
}  // namespace line

// No specialty of any kind: every position regular.
inline std::vector<std::string> allRegular(std::vector<std::string> s) {
    for (std::size_t i = line::SPMAX; i <= line::SMIN; ++i) s[i] = "0";
    return s;
}

}  // namespace tess::testing
