// The real binary in a real terminal: tmux at a fixed size, keys sent, the
// pane read back. Each test has its own tmux server (socket), so tests can
// run in parallel, and the server is always killed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>
#include <thread>

#include "support/Fixture.h"

using tess::testing::ScratchDir;

namespace {

std::string output(const std::string& cmd, int* status = nullptr) {
    std::string out;
    FILE* f = popen(cmd.c_str(), "r");
    if (!f) return out;
    std::array<char, 4096> buf;
    std::size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), f)) > 0) out.append(buf.data(), n);
    const int st = pclose(f);
    if (status) *status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return out;
}

bool haveTmux() { return std::system("command -v tmux >/dev/null 2>&1") == 0; }

std::string quoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class Tmux {
public:
    // Starts the binary in `dir` in a terminal of cols x rows. The shell
    // around it records the terminal settings before and after and the exit
    // status, then stays so the pane can be read. `launch` is the shell
    // command that runs it, with the program as "$TESS".
    Tmux(const ScratchDir& dir, int cols, int rows, const std::string& launch = "\"$TESS\"") {
        static std::atomic<int> n{0};
        socket_ = "tess-test-" + std::to_string(::getpid()) + "-" + std::to_string(n++);
        const std::string d = dir.path().string();
        const std::string script = "cd " + quoted(d) + " && trap : INT && TESS=" + quoted(TESS_BINARY) +
                                   " && stty -g > stty.before; " + launch +
                                   "; echo \"rc=$?\"; stty -g > stty.after; sleep 120";
        const std::string cmd = "tmux -L " + socket_ + " -f /dev/null new-session -d -x " + std::to_string(cols) +
                                " -y " + std::to_string(rows) + " " + quoted("sh -c " + quoted(script));
        started_ = std::system(cmd.c_str()) == 0;
    }
    ~Tmux() { std::system(("tmux -L " + socket_ + " kill-server >/dev/null 2>&1").c_str()); }
    Tmux(const Tmux&) = delete;
    Tmux& operator=(const Tmux&) = delete;

    bool started() const { return started_; }
    std::string pane(bool escapes = false) const {
        return output("tmux -L " + socket_ + " capture-pane -p " + (escapes ? "-e " : "") + "2>/dev/null");
    }
    void send(const std::string& keys) const {
        std::system(("tmux -L " + socket_ + " send-keys " + keys + " >/dev/null 2>&1").c_str());
    }
    // A pane flag or value, such as "alternate_on" (the program's own screen is up).
    std::string format(const std::string& name) const {
        return output("tmux -L " + socket_ + " display-message -p '#{" + name + "}' 2>/dev/null");
    }
    void resize(int cols, int rows) const {
        std::system(("tmux -L " + socket_ + " resize-window -x " + std::to_string(cols) + " -y " +
                     std::to_string(rows) + " >/dev/null 2>&1")
                        .c_str());
    }
    // Waits until the pane shows the text (at most ten seconds).
    bool waitFor(const std::string& text) const {
        for (int i = 0; i < 200; ++i) {
            if (pane().find(text) != std::string::npos) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    // The pane once it has stopped changing: the screen at a key read.
    std::string settled(bool escapes = true) const {
        std::string last = pane(escapes);
        for (int i = 0; i < 100; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            std::string now = pane(escapes);
            if (now == last) return now;
            last = std::move(now);
        }
        return last;
    }

private:
    std::string socket_;
    bool started_ = false;
};

// Leaves the form by its title line (Esc, then Return) and accepts the
// patterns as drawn.
bool acceptFormAndPatterns(const Tmux& t) {
    t.send("Escape");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    t.send("Enter");
    if (!t.waitFor("Press Enter to accept all patterns")) return false;
    t.send("Enter");
    return true;
}

std::vector<std::string> rowsOf(const std::string& s) {
    std::vector<std::string> rows;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= s.size(); ++i)
        if (i == s.size() || s[i] == '\n') {
            rows.push_back(s.substr(start, i - start));
            start = i + 1;
        }
    return rows;
}

// The terminal settings once the program has ended: the shell writes them
// just after the status line.
std::string sttyAfter(const ScratchDir& dir) {
    for (int i = 0; i < 100 && dir.read("stty.after").empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return dir.read("stty.after");
}

// A style list with the one style "Alpha".
void styleAlpha(const ScratchDir& dir) {
    dir.lines("Specs.lst", {"Alpha", "Enter New Specs"});
    dir.lines("Alpha.spe", tess::testing::newStyle());
}

constexpr const char* MENU = "Press Return to Choose a Quiz Style";
constexpr const char* FORM = "Name of Quiz Style  : Alpha";

#define NEED_TMUX() \
    if (!haveTmux()) GTEST_SKIP() << "tmux is not installed"

}  // namespace

TEST(Terminal, RunRewritesItsProgressLineInPlace) {
    NEED_TMUX();
    ScratchDir dir;
    dir.copySampleBank();
    Tmux t(dir, 80, 25, "\"$TESS\" run Book20 --seed 1 >out.txt");
    ASSERT_TRUE(t.started());
    ASSERT_TRUE(t.waitFor("rc=0")) << t.pane();
    const std::string pane = t.pane();
    // Each stage wrote over the one before: only the last quiz is left.
    EXPECT_NE(pane.find("tessarin: Book20: quiz 12 of 12\n"), std::string::npos) << pane;
    for (const char* gone : {"quiz 1 of 12", "quiz 11 of 12", "sectoring:"})
        EXPECT_EQ(pane.find(gone), std::string::npos) << gone << " left on the screen:\n" << pane;
    EXPECT_NE(pane.find("tessarin: Book20: The count file count.79A was not found"), std::string::npos) << pane;
    EXPECT_NE(dir.read("out.txt").find("book20.qui"), std::string::npos);
}

TEST(Terminal, TitleBandsThenCtrlCEndsWithTheTerminalRestored) {
    NEED_TMUX();
    ScratchDir dir;  // no style list: the title stays up over the style menu
    Tmux t(dir, 80, 25);
    ASSERT_TRUE(t.started());
    ASSERT_TRUE(t.waitFor("Specs.lst")) << t.pane();
    auto rows = rowsOf(t.pane());
    ASSERT_GE(rows.size(), 25u);
    EXPECT_EQ(rows[0].substr(0, 15), "  Tessarin 25.0");
    EXPECT_NE(rows[0].find("             Luke"), std::string::npos) << rows[0];
    EXPECT_EQ(rows[24].substr(0, 9), "  Orvalle");
    // White band (bright white, or white on an 8-colour terminal), blue below.
    auto coloured = rowsOf(t.pane(true));
    const bool whiteBand =
        coloured[0].find("107m") != std::string::npos || coloured[0].find("47m") != std::string::npos;
    EXPECT_TRUE(whiteBand) << coloured[0];
    EXPECT_NE(coloured[1].find("44m"), std::string::npos) << coloured[1];

    t.send("C-c");
    ASSERT_TRUE(t.waitFor("rc=130")) << t.pane();
    EXPECT_EQ(dir.read("stty.before"), sttyAfter(dir));
    EXPECT_EQ(t.pane().find("Orvalle"), std::string::npos);  // the program's screen is gone
}

TEST(Terminal, ExitEndsTheProgramWithTheTerminalRestored) {
    NEED_TMUX();
    ScratchDir dir;
    styleAlpha(dir);
    Tmux t(dir, 80, 25);
    ASSERT_TRUE(t.started());
    ASSERT_TRUE(t.waitFor("Press Return to Choose a Quiz Style")) << t.pane();
    t.send("Enter");  // Alpha on the form
    ASSERT_TRUE(t.waitFor("Name of Quiz Style  : Alpha")) << t.pane();
    t.send("Escape");                                             // the ready line
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // two Escapes apart, not one sequence
    t.send("Escape");                                             // back to the menu
    ASSERT_TRUE(t.waitFor("Press Return to Choose a Quiz Style")) << t.pane();
    t.send("Up");  // Exit
    t.send("Enter");
    ASSERT_TRUE(t.waitFor("rc=")) << t.pane();
    EXPECT_EQ(dir.read("temp2.txt"), "Exit");
    EXPECT_EQ(dir.read("Alpha.spe").substr(0, 3), "A\r\n");
    EXPECT_NE(t.pane().find("rc=0"), std::string::npos) << t.pane();
    EXPECT_EQ(t.pane().find("Tessarin"), std::string::npos);  // back on the shell's own screen
    EXPECT_FALSE(dir.read("stty.before").empty());
    EXPECT_EQ(dir.read("stty.before"), sttyAfter(dir));
}

TEST(Terminal, ALargerTerminalGetsTheScreenAtTheTopLeft) {
    NEED_TMUX();
    ScratchDir dir;
    Tmux t(dir, 100, 30);
    ASSERT_TRUE(t.started());
    ASSERT_TRUE(t.waitFor("Specs.lst")) << t.pane();
    auto rows = rowsOf(t.pane());
    ASSERT_GE(rows.size(), 30u);
    EXPECT_EQ(rows[0].substr(0, 15), "  Tessarin 25.0");
    EXPECT_EQ(rows[24].substr(0, 9), "  Orvalle");
    EXPECT_EQ(rows[29].find("Orvalle"), std::string::npos);
    t.send("C-c");
    EXPECT_TRUE(t.waitFor("rc=130")) << t.pane();
}

TEST(Terminal, RefusesATerminalNarrowerThan80Columns) {
    NEED_TMUX();
    ScratchDir dir;
    dir.raw("temp2.txt", "Exit");
    Tmux t(dir, 79, 25);
    ASSERT_TRUE(t.started());
    ASSERT_TRUE(t.waitFor("rc=")) << t.pane();
    const std::string pane = t.pane();
    EXPECT_NE(pane.find("tessarin: the terminal must be at least 80x25; this one is 79x25."), std::string::npos)
        << pane;
    EXPECT_NE(pane.find("rc=1"), std::string::npos) << pane;
}

TEST(Terminal, RefusesWhenInputIsNotATerminal) {
    ScratchDir dir;
    dir.raw("temp2.txt", "Exit");
    int status = 0;
    const std::string out =
        output("cd " + quoted(dir.path().string()) + " && " + quoted(TESS_BINARY) + " </dev/null 2>&1", &status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(out.find("tessarin: standard input and output must both be an interactive terminal."), std::string::npos)
        << out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1);
}

// Without colours every highlight must still be seen: on a vt100 and with
// NO_COLOR the highlighted menu entry and the form's values are reverse cells,
// no colour is sent, and both look exactly alike. An empty NO_COLOR is unset.
// A vt100 has no alternate screen: the program clears it as it ends, so the
// shell's next line is at the top.
TEST(Terminal, WithoutColoursHighlightsAreReverseCells) {
    NEED_TMUX();
    ScratchDir dir;
    styleAlpha(dir);
    std::string seen[3];
    const char* launch[3] = {"TERM=vt100 \"$TESS\"", "NO_COLOR=1 \"$TESS\"", "NO_COLOR= \"$TESS\""};
    // tmux writes the colour of a cell as ESC [ 30-38, 40-48, 90-97 or 100-107 (39 and 49: none).
    const std::regex colour("\x1b\\[(3[0-8]|4[0-8]|9[0-7]|10[0-7])[m;]");
    for (int i = 0; i < 3; ++i) {
        Tmux t(dir, 80, 25, launch[i]);
        ASSERT_TRUE(t.started());
        ASSERT_TRUE(t.waitFor(MENU)) << t.pane();
        const auto rows = rowsOf(t.settled());
        if (i < 2) {
            EXPECT_NE(rows[5].find("\x1b[7mAlpha"), std::string::npos) << launch[i] << "\n" << rows[5];
            EXPECT_EQ(rows[6].find("\x1b[7m"), std::string::npos) << rows[6];  // "Enter New Specs" is not highlighted
        }
        t.send("Enter");
        ASSERT_TRUE(t.waitFor(FORM)) << t.pane();
        seen[i] = t.settled();
        if (i == 0) {  // Exit from the menu on the vt100: the shell's next line is at the top
            t.send("Escape");
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            t.send("Escape");
            ASSERT_TRUE(t.waitFor(MENU)) << t.pane();
            t.send("Up");
            t.send("Enter");
            ASSERT_TRUE(t.waitFor("rc=0")) << t.pane();
            EXPECT_EQ(rowsOf(t.pane())[0], "rc=0") << t.pane();
        } else {
            t.send("C-c");
            ASSERT_TRUE(t.waitFor("rc=130")) << t.pane();
        }
        if (i == 2) {
            EXPECT_TRUE(std::regex_search(seen[i], colour)) << "an empty NO_COLOR took the colours away";
            continue;
        }
        EXPECT_NE(seen[i].find(": \x1b[7mAlpha"), std::string::npos) << seen[i];
        EXPECT_FALSE(std::regex_search(seen[i], colour)) << launch[i] << "\n" << seen[i];
    }
    EXPECT_EQ(seen[0], seen[1]);
}

TEST(Terminal, RefusesATerminalThatCannotMoveItsCursor) {
    NEED_TMUX();
    ScratchDir dir;
    dir.raw("temp2.txt", "Exit");
    Tmux t(dir, 80, 25, "TERM=dumb \"$TESS\"");
    ASSERT_TRUE(t.started());
    ASSERT_TRUE(t.waitFor("rc=")) << t.pane();
    const auto rows = rowsOf(t.pane());
    EXPECT_EQ(rows[0], "tessarin: cannot use the terminal type \"dumb\": it cannot move the cursor.");
    EXPECT_EQ(rows[1], "rc=1");
}

// Shrunk, the screen asks for room and the program waits; a key typed
// meanwhile waits too. Grown back, the form is exactly as it was, and then
// the key acts (Esc: the ready line).
TEST(Terminal, ShrunkBelow80x25TheProgramWaitsAndRedrawsWhatWasThere) {
    NEED_TMUX();
    ScratchDir dir;
    styleAlpha(dir);
    Tmux t(dir, 80, 25);
    ASSERT_TRUE(t.started());
    ASSERT_TRUE(t.waitFor(MENU)) << t.pane();
    t.send("Enter");
    ASSERT_TRUE(t.waitFor(FORM)) << t.pane();
    const std::string form = t.settled();

    t.resize(60, 20);
    ASSERT_TRUE(t.waitFor("Make the terminal at least 80x25")) << t.pane();
    EXPECT_EQ(rowsOf(t.pane())[9], std::string(14, ' ') + "Make the terminal at least 80x25");  // centred
    t.resize(80, 25);
    ASSERT_TRUE(t.waitFor(FORM)) << t.pane();
    EXPECT_EQ(t.settled(), form);

    t.resize(70, 25);
    ASSERT_TRUE(t.waitFor("Make the terminal")) << t.pane();
    t.send("Escape");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(t.pane().find("Quiz Configuration"), std::string::npos) << t.pane();
    t.resize(80, 25);
    ASSERT_TRUE(t.waitFor(FORM)) << t.pane();
    const auto rows = rowsOf(t.settled());
    EXPECT_NE(rows[2].find("42mQuiz Configuration"), std::string::npos) << rows[2];  // white on green
    t.send("C-c");
    EXPECT_TRUE(t.waitFor("rc=130")) << t.pane();
}

// A signal other than the usual four (a file-size limit, an alarm, a user
// signal) restores the terminal and ends the program with 128 + its number.
TEST(Terminal, EveryFatalSignalRestoresTheTerminalAndEndsWithItsStatus) {
    NEED_TMUX();
    for (int sig : {SIGUSR1, SIGXFSZ}) {
        ScratchDir dir;
        Tmux t(dir, 80, 25, "TERM=vt100 sh -c 'echo $$ > tess.pid; exec \"$0\"' \"$TESS\"");
        ASSERT_TRUE(t.started());
        ASSERT_TRUE(t.waitFor("Specs.lst")) << t.pane();
        const pid_t pid = static_cast<pid_t>(std::stol(dir.read("tess.pid")));
        ASSERT_GT(pid, 1);
        ASSERT_EQ(::kill(pid, sig), 0);
        ASSERT_TRUE(t.waitFor("rc=")) << t.pane();
        // The screen cleared: only the shell's word on the signal above the status.
        const auto rows = rowsOf(t.pane());
        const auto at = std::find(rows.begin(), rows.end(), "rc=" + std::to_string(128 + sig));
        EXPECT_LE(at - rows.begin(), 1) << t.pane();
        EXPECT_EQ(dir.read("stty.before"), sttyAfter(dir)) << "signal " << sig;
    }
}

// Ctrl-Z stops the program; the shell resumes it at once. The first cursor
// key after that must move the menu, like any other.
TEST(Terminal, AfterCtrlZAndFgTheFirstKeyCounts) {
    NEED_TMUX();
    ScratchDir dir;
    styleAlpha(dir);
    Tmux t(dir, 80, 25, "set -m; \"$TESS\"; touch stopped; fg");
    ASSERT_TRUE(t.started());
    ASSERT_TRUE(t.waitFor(MENU)) << t.pane();
    t.send("C-z");
    for (int i = 0; i < 100 && !std::filesystem::exists(dir.file("stopped")); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(std::filesystem::exists(dir.file("stopped")));
    // Resumed: the program's screen is back up (a key sent before that would
    // reach a terminal still in the shell's key mode).
    for (int i = 0; i < 100 && t.format("alternate_on") != "1\n"; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(t.waitFor(MENU)) << t.pane();
    t.settled();
    t.send("Down");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const auto rows = rowsOf(t.settled());
    EXPECT_NE(rows[6].find("41mEnter New Specs"), std::string::npos) << rows[5] << "\n" << rows[6];
    t.send("C-c");
    EXPECT_TRUE(t.waitFor("rc=130")) << t.pane();
}

// A file-size limit fails a write like a full disk: the run says which file,
// where and why, leaves nothing half-written, and the program goes on.
TEST(Terminal, AFileSizeLimitIsReportedAndTheProgramGoesOn) {
    NEED_TMUX();
    ScratchDir dir;
    dir.copySampleBank();
    Tmux t(dir, 80, 25, "ulimit -f 40; \"$TESS\"");  // 20 KB: less than the count file
    ASSERT_TRUE(t.started());
    ASSERT_TRUE(t.waitFor("Press Return to Choose a Quiz Style")) << t.pane();
    t.send("Enter");  // Book20 on the form
    ASSERT_TRUE(t.waitFor("Name of Quiz Style  : Book20")) << t.pane();
    ASSERT_TRUE(acceptFormAndPatterns(t)) << t.pane();
    ASSERT_TRUE(t.waitFor("(File too large)")) << t.pane();
    EXPECT_NE(t.pane().find("The count file count.79A could not be written (File too large) in"), std::string::npos)
        << t.pane();
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        EXPECT_NE(e.path().extension(), ".part") << e.path();
    t.send("Enter");
    ASSERT_TRUE(t.waitFor("Press Return to Choose a Quiz Style")) << t.pane();
    t.send("Up");
    t.send("Enter");  // Exit
    ASSERT_TRUE(t.waitFor("rc=")) << t.pane();
    EXPECT_NE(t.pane().find("rc=0"), std::string::npos) << t.pane();
}

TEST(Terminal, ASecondProgramInTheSameFolderIsRefused) {
    NEED_TMUX();
    ScratchDir dir;
    Tmux first(dir, 80, 25);
    ASSERT_TRUE(first.started());
    ASSERT_TRUE(first.waitFor("Specs.lst")) << first.pane();
    Tmux second(dir, 80, 25);
    ASSERT_TRUE(second.waitFor("rc=")) << second.pane();
    EXPECT_NE(second.pane().find("rc=1"), std::string::npos) << second.pane();
    EXPECT_NE(second.pane().find("tessarin: a run is in progress in"), std::string::npos) << second.pane();
    first.send("C-c");
    ASSERT_TRUE(first.waitFor("rc=130")) << first.pane();
    EXPECT_FALSE(std::filesystem::exists(dir.file("tessarin.lock")));  // removed on the way out
}

// A signal in the middle of a run removes the run's unfinished files and the
// folder lock; the last run's files are never touched.
TEST(Terminal, ASignalDuringARunLeavesNoUnfinishedFile) {
    NEED_TMUX();
    ScratchDir dir;
    dir.copySampleBank();
    dir.raw("book20.qui", "last run");
    Tmux t(dir, 80, 25);
    ASSERT_TRUE(t.started());
    ASSERT_TRUE(t.waitFor("Press Return to Choose a Quiz Style")) << t.pane();
    t.send("Enter");
    ASSERT_TRUE(t.waitFor("Name of Quiz Style  : Book20")) << t.pane();
    ASSERT_TRUE(acceptFormAndPatterns(t)) << t.pane();
    ASSERT_TRUE(t.waitFor("it is built anew")) << t.pane();
    t.send("Enter");
    ASSERT_TRUE(t.waitFor(" 20 L ")) << t.pane();  // the sector table, down to sector 20
    t.send("x");
    ASSERT_TRUE(t.waitFor("Run specialty combinations automatically")) << t.pane();
    int parts = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) parts += e.path().extension() == ".part";
    EXPECT_EQ(parts, 1);  // the packet file, being written
    t.send("C-c");
    ASSERT_TRUE(t.waitFor("rc=130")) << t.pane();
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        EXPECT_NE(e.path().extension(), ".part") << e.path();
    EXPECT_FALSE(std::filesystem::exists(dir.file("tessarin.lock")));
    EXPECT_EQ(dir.read("book20.qui"), "last run");
}

// F1 shows the help of the screen it is pressed on (? too where it is no
// value), and any key, a cursor key's two codes included, gives the screen
// back cell for cell with the cursor where it was: the form, with the field
// under the cursor explained, and the sector table. A style the form cannot
// accept names the rule it breaks while the cursor waits in the field.
TEST(Terminal, HelpOnTheFormAndSectorTableAndARefusalNamesItsRule) {
    NEED_TMUX();
    ScratchDir dir;
    dir.copySampleBank();
    Tmux t(dir, 80, 25);
    ASSERT_TRUE(t.started());
    auto cursor = [&] {
        std::string at = t.format("cursor_x") + "," + t.format("cursor_y");
        at.erase(std::remove(at.begin(), at.end(), '\n'), at.end());
        return at;
    };
    auto helpAndBack = [&](const std::string& key, const std::string& help) {
        const std::string screen = t.settled(), at = cursor();
        t.send(key);
        ASSERT_TRUE(t.waitFor(help)) << t.pane();
        t.send("Down");
        for (int i = 0; i < 100 && t.pane().find(help) != std::string::npos; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(t.settled(), screen) << key;
        EXPECT_EQ(cursor(), at) << key;
    };
    ASSERT_TRUE(t.waitFor(MENU)) << t.pane();
    t.send("Enter");
    ASSERT_TRUE(t.waitFor("Name of Quiz Style  : Book20")) << t.pane();
    helpAndBack("F1", " This field: begin chapter and verse");

    t.send("Down Down Down Down Down Down Down 2 5 Escape");  // the last specialty question: 25 of 20
    ASSERT_TRUE(t.waitFor("Incompatible Specs")) << t.pane();
    t.send("Enter");
    ASSERT_TRUE(t.waitFor("Specialties may appear up to question 25, but a quiz has 20 questions")) << t.pane();
    EXPECT_EQ(cursor(), "34,19");  // in its field (tmux counts from 0)
    t.send("1 8 Escape");  // mended, and the field left: the rule's words go
    EXPECT_EQ(t.settled(false).find("Specialties may appear up"), std::string::npos) << t.pane();

    t.send("Enter");
    ASSERT_TRUE(t.waitFor("Press Enter to accept all patterns")) << t.pane();
    t.send("Enter");
    ASSERT_TRUE(t.waitFor("it is built anew")) << t.pane();
    t.send("Enter");
    ASSERT_TRUE(t.waitFor(" 20 L ")) << t.pane();
    helpAndBack("F1", "Sc Nm        the sector's number");
    helpAndBack("?", "ChO Sit      chapter-verse reference");
    t.send("x");
    ASSERT_TRUE(t.waitFor("Run specialty combinations automatically")) << t.pane();
    t.send("C-c");
    EXPECT_TRUE(t.waitFor("rc=130")) << t.pane();
}

// A name beyond ASCII shows as itself in a UTF-8 terminal, and as the
// control mark where the locale cannot show it, never as a blank: each in
// its own folder, one program a folder.
TEST(Terminal, AccentedNamesShowInAUtf8LocaleAndAsAMarkInC) {
    NEED_TMUX();
    for (const auto& [locale, shown] : {std::pair{"C.UTF-8", "J\u00e9sus"}, std::pair{"C", "J?sus"}}) {
        ScratchDir dir;
        dir.lines("Specs.lst", {"J\u00e9sus", "Enter New Specs"});
        Tmux t(dir, 80, 25, std::string("LC_ALL=") + locale + " \"$TESS\"");
        ASSERT_TRUE(t.started());
        ASSERT_TRUE(t.waitFor(MENU)) << t.pane();
        const auto rows = rowsOf(t.pane());
        const auto row = std::find_if(rows.begin(), rows.end(), [&](const std::string& r) {
            return r.find(shown) != std::string::npos;
        });
        ASSERT_NE(row, rows.end()) << locale << "\n" << t.pane();
        EXPECT_EQ(row->find(shown), 32u) << *row;  // in the menu's column, one cell a character
        t.send("C-c");
        ASSERT_TRUE(t.waitFor("rc=130")) << t.pane();
    }
}

// The two-book sample in the full-screen program: the form shows and takes a
// range end as its book's letter and own chapter, the chapter shares and the
// sector table name each book, and the packet's verse column holds both.
TEST(Terminal, TwoBookMaterialShowsEachBooksOwnReferencesFromFormToPacket) {
    NEED_TMUX();
    ScratchDir dir;
    Tmux t(dir, 80, 25,
           "TESSARIN_DATA=" + quoted(TESS_SOURCE_DIR "/data") +
               " \"$TESS\" init --material peter . >/dev/null && \"$TESS\"");
    ASSERT_TRUE(t.started());
    ASSERT_TRUE(t.waitFor(MENU)) << t.pane();
    t.send("Down Down Enter");  // Peter2: 2 Peter, chapters 6-8 of the bank
    ASSERT_TRUE(t.waitFor("Name of Quiz Style  : Peter2")) << t.pane();
    auto rows = rowsOf(t.pane());
    EXPECT_EQ(rows[5], "    Begin:    2  Chapter:  1 Ver:  1     Number of Quizzes in this Run:  6");
    EXPECT_EQ(rows[7], "    End:      2  Chapter:  3 Ver: 18     Sector by Chp/Vrs/Que (c/v/q):  Q");
    // From 1 Peter 1:1, by chapters (the cursor starts on the begin chapter).
    t.send("Left 1 Right Right Right Down c");
    ASSERT_TRUE(t.waitFor("(c/v/q):  C")) << t.pane();
    EXPECT_EQ(rowsOf(t.pane())[5].substr(0, 28), "    Begin:    1  Chapter:  1");
    ASSERT_TRUE(acceptFormAndPatterns(t)) << t.pane();
    ASSERT_TRUE(t.waitFor("it is built anew")) << t.pane();
    t.send("Enter");
    ASSERT_TRUE(t.waitFor("Use zeros to group chapters")) << t.pane();
    rows = rowsOf(t.pane());
    EXPECT_EQ(rows[8] + "|" + rows[9] + "|" + rows[11], "  1Pe   5:   2|  2Pe   1:   2|  2Pe   3:   2");
    t.send("Enter");
    ASSERT_TRUE(t.waitFor("Your smallest sector")) << t.pane();
    const std::string table = t.pane();
    // Sectors begin at 1 Peter 1:1 and 2 Peter 1:1; no chapter is told through the material.
    EXPECT_NE(table.find("   1 1  1: 1 "), std::string::npos) << table;
    EXPECT_NE(table.find(" 2  1: 1 "), std::string::npos) << table;
    EXPECT_FALSE(std::regex_search(table, std::regex("[12]  [6-9]:"))) << table;
    t.send("x");
    ASSERT_TRUE(t.waitFor("Run specialty combinations automatically")) << t.pane();
    t.send("Enter");
    ASSERT_TRUE(t.waitFor("ASCII text file peter2.qui")) << t.pane();
    const std::string packet = dir.read("peter2.qui");
    EXPECT_NE(packet.find("\t1 1:1 to 2 3:18\r\n"), std::string::npos);
    EXPECT_NE(packet.find("\t(2  3:"), std::string::npos);
    EXPECT_FALSE(std::regex_search(packet, std::regex("\t\\(([^12] |1  [6-9]|2  [4-9]|[12] [1-9])[^\t]*\\)\r\n")));
    t.send("Enter");
    ASSERT_TRUE(t.waitFor(MENU)) << t.pane();
    t.send("Up Enter");  // Exit
    EXPECT_TRUE(t.waitFor("rc=0")) << t.pane();
}
