#pragma once
// The ncurses terminal: the shared grid painted at the top left of the
// terminal, keys translated to the program's conventions. Any signal that
// would end the program (Ctrl-C, a hang-up, a kill, a fault) ends it with the
// terminal restored, even in the middle of a long computation.
//
// Painting: the grid changes many times between two key reads (a counter
// during generation, a pattern letter by letter), but the user only needs the
// screen as it stands when a key is asked for. So the grid is painted before
// every key read, and during long work at most once every PAINT_INTERVAL; a
// paint sends only the cells that differ from the last one.
#include <array>
#include <chrono>
#include <cstdint>
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
    static constexpr std::chrono::milliseconds PAINT_INTERVAL{40};

    // Why this process cannot run on its terminal (stdin or stdout not a
    // terminal, smaller than 80 x 25, a terminal type that is unknown or
    // cannot move its cursor), or nothing when it can.
    static std::optional<std::string> unusableReason();

    TerminalConsole();  // throws TerminalUnusable
    ~TerminalConsole() override;
    TerminalConsole(const TerminalConsole&) = delete;
    TerminalConsole& operator=(const TerminalConsole&) = delete;

    bool keyPressed() override;
    void waitKey() override;

    // Puts the terminal back the way it was found, using only calls that are
    // safe in a signal handler. Used on fatal signals and by std::terminate.
    static void emergencyRestore();

protected:
    int fetchKey() override;
    void present() override;

private:
    void paint();              // the changed cells, now
    void paintIfDue();         // the same when the last paint is old enough
    bool readRaw(bool block);  // false: nothing came (non-blocking)
    void resized();
    unsigned long attrFor(int fg, int bg, int groundFg, int groundBg);

    std::deque<int> pending_;
    // What the terminal shows of each grid cell (character and attributes);
    // 0 matches no cell, so after a resize every cell is sent again.
    // (the character above the attributes)
    std::array<std::uint64_t, Cols * Rows> shown_{};
    bool dirty_ = true;
    bool tooSmall_ = false;  // the terminal shrank below 80 x 25: the notice is up
    std::chrono::steady_clock::time_point lastPaint_{};

    bool colours_ = false;      // the terminal has colours and NO_COLOR is not set
    bool manyColours_ = false;  // 16 colours: bright ones without bold
    // Colour attributes of each (fg, bg), made on first use: init_pair once.
    std::array<std::array<unsigned long, 16>, 16> colourAttr_{};
    std::array<std::array<bool, 16>, 16> colourMade_{};
    int nextPair_ = 1;
};

// Translates one ncurses key into the program's keys (appended to `out`):
// Return/Enter 13, Backspace 8, cursor keys 0 then 72/80/75/77; every other
// special key is dropped, so it can never act as a letter command.
void translateKey(int ch, std::deque<int>& out);

}  // namespace tess
