#pragma once
// The ncurses terminal: the shared grid painted at the top left of the
// terminal, keys translated to the program's conventions. Ctrl-C, a hang-up
// or a kill ends the program with the terminal restored, even in the middle
// of a long computation.
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>

#include "console/Console.h"

namespace tess {

// The terminal cannot be used; the message is one line for the user.
struct TerminalUnusable : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class TerminalConsole : public Console {
public:
    // Why this process cannot run on its terminal (stdin or stdout not a
    // terminal, or smaller than 80 x 25), or nothing when it can.
    static std::optional<std::string> unusableReason();

    TerminalConsole();  // throws TerminalUnusable
    ~TerminalConsole() override;
    TerminalConsole(const TerminalConsole&) = delete;
    TerminalConsole& operator=(const TerminalConsole&) = delete;

    bool keyPressed() override;
    void waitKey() override;

    // Puts the terminal back the way it was found, using only calls that are
    // safe in a signal handler. Used on Ctrl-C and by std::terminate.
    static void emergencyRestore();

protected:
    int fetchKey() override;
    void present() override;

private:
    void readRaw(bool block);
    int attrFor(int fg, int bg);

    std::deque<int> pending_;
    int pairs_[16][16]{};  // colour pair of each (fg, bg); 0 = not made yet
    int nextPair_ = 1;
    bool manyColours_ = false;
};

// Translates one ncurses key into the program's keys (appended to `out`):
// Return/Enter 13, Backspace 8, cursor keys 0 then 72/80/75/77; every other
// special key is dropped, so it can never act as a letter command.
void translateKey(int ch, std::deque<int>& out);

}  // namespace tess
