#include "console/TerminalConsole.h"

#include "console/SignalGuard.h"  // before curses, whose macros take common names

#ifndef NCURSES_WIDECHAR
#define NCURSES_WIDECHAR 1  // the wide-character calls of ncursesw
#endif
#include <curses.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <term.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string_view>

namespace tess {

namespace {

// What a signal handler needs to put the terminal back, prepared in advance.
struct termios g_saved;
bool g_haveSaved = false;
char g_reset[512];
std::size_t g_resetLen = 0;
char g_clear[64];  // clears the screen where the terminal has no alternate one
std::size_t g_clearLen = 0;
char g_keypadOn[64];  // the terminal's "send application keys" string
std::size_t g_keypadOnLen = 0;
volatile sig_atomic_t g_active = 0;

struct sigaction g_oldStop;
bool g_stopWrapped = false;

SCREEN* g_screen = nullptr;

void append(char* buf, std::size_t size, std::size_t& len, const char* s) {
    for (; *s; ++s) {
        if (s[0] == '$' && s[1] == '<') {  // padding marks ("$<5>") are not sent
            while (*s && *s != '>') ++s;
            if (!*s) break;
            continue;
        }
        if (len + 1 < size) buf[len++] = *s;
    }
}

const char* capability(const char* name) {
    const char* s = tigetstr(const_cast<char*>(name));
    return s == nullptr || s == reinterpret_cast<char*>(-1) ? nullptr : s;
}

void appendCap(const char* name) {
    if (const char* s = capability(name)) append(g_reset, sizeof g_reset, g_resetLen, s);
}

// Ctrl-Z: ncurses' own handler gives the terminal back, stops, and after the
// resume puts the screen back, but leaves the keypad in the terminal's normal
// mode until the next key read begins. The read already waiting would then
// get the first cursor key in a form it does not know, and the key would be
// lost; so application keys are switched back on here, at once.
extern "C" void onStop(int sig, siginfo_t* info, void* context) {
    const int savedErrno = errno;
    if (g_oldStop.sa_flags & SA_SIGINFO)
        g_oldStop.sa_sigaction(sig, info, context);
    else if (g_oldStop.sa_handler != SIG_DFL && g_oldStop.sa_handler != SIG_IGN)
        g_oldStop.sa_handler(sig);
    if (g_active && g_keypadOnLen > 0) {
        ssize_t ignored = ::write(STDOUT_FILENO, g_keypadOn, g_keypadOnLen);
        (void)ignored;
    }
    errno = savedErrno;
}

// The fatal signals are the process's guard's (console/SignalGuard.h); the
// terminal only wraps ncurses' Ctrl-Z handler.
void wrapStopSignal() {
    // ncurses has put its Ctrl-Z handler in place when the shell has job control.
    struct sigaction old {};
    if (sigaction(SIGTSTP, nullptr, &old) == 0 &&
        ((old.sa_flags & SA_SIGINFO) || (old.sa_handler != SIG_DFL && old.sa_handler != SIG_IGN))) {
        g_oldStop = old;
        struct sigaction stop = old;
        stop.sa_sigaction = onStop;
        stop.sa_flags = old.sa_flags | SA_SIGINFO;
        g_stopWrapped = sigaction(SIGTSTP, &stop, nullptr) == 0;
    }
}

void releaseStopSignal() {
    if (g_stopWrapped) sigaction(SIGTSTP, &g_oldStop, nullptr);
    g_stopWrapped = false;
}

// DOS palette order (black, blue, green, cyan, red, magenta, brown, grey)
// to curses colour numbers.
constexpr short DOS_TO_CURSES[8] = {COLOR_BLACK, COLOR_BLUE,    COLOR_GREEN,  COLOR_CYAN,
                                    COLOR_RED,   COLOR_MAGENTA, COLOR_YELLOW, COLOR_WHITE};

constexpr int MAX_BLOCKING_ERRORS = 1000;  // a terminal that only answers with errors is gone

constexpr std::string_view SIZE_NOTICE = "Make the terminal at least 80x25";

// A character the locale can write and that takes one column: anything else
// (a terminal that is not UTF-8, a wide or a combining character) would
// blank or shift the row, and shows as the control mark instead.
bool canShow(char32_t ch) {
    const auto wc = static_cast<wchar_t>(ch);
    if (::wcwidth(wc) != 1) return false;
    char buf[MB_LEN_MAX];
    std::mbstate_t state{};
    return std::wcrtomb(buf, wc, &state) != static_cast<std::size_t>(-1);
}

}  // namespace

void translateKey(int ch, std::deque<int>& out) {
    switch (ch) {
        case '\n':
        case '\r':
        case KEY_ENTER:
            out.push_back(key::Return);
            return;
        case KEY_BACKSPACE:
        case 127:
        case 8:
            out.push_back(key::Backspace);
            return;
        case KEY_UP:
            out.insert(out.end(), {0, key::Up});
            return;
        case KEY_DOWN:
            out.insert(out.end(), {0, key::Down});
            return;
        case KEY_LEFT:
            out.insert(out.end(), {0, key::Left});
            return;
        case KEY_RIGHT:
            out.insert(out.end(), {0, key::Right});
            return;
        case KEY_F(1):
            out.push_back(key::F1);
            return;
        default:
            break;
    }
    // A lone 0 would make the next key look like a cursor key.
    if (ch > 0 && ch <= 255) out.push_back(ch);
}

std::optional<std::string> TerminalConsole::unusableReason() {
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO))
        return std::string("standard input and output must both be an interactive terminal.");
    struct winsize ws {};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &ws) == 0 && ws.ws_col > 0 && ws.ws_row > 0 &&
        (ws.ws_col < Cols || ws.ws_row < Rows))
        return "the terminal must be at least 80x25; this one is " + std::to_string(ws.ws_col) + "x" +
               std::to_string(ws.ws_row) + ".";
    // Looked up before anything is sent: a terminal that cannot place the
    // cursor would get the screen as one long smear of text.
    const char* term = std::getenv("TERM");
    const std::string type = std::string("\"") + (term ? term : "") + "\"";
    int err = 0;
    if (setupterm(nullptr, STDOUT_FILENO, &err) != OK) return "cannot use the terminal type " + type + ".";
    const bool placesCursor = capability("cup") != nullptr && tigetflag(const_cast<char*>("hc")) <= 0;
    del_curterm(cur_term);
    if (!placesCursor) return "cannot use the terminal type " + type + ": it cannot move the cursor.";
    return std::nullopt;
}

TerminalConsole::TerminalConsole() {
    if (auto why = unusableReason()) throw TerminalUnusable(*why);
    // The characters of the user's locale (a UTF-8 terminal shows accented
    // letters and curly quotes). Only the character type: numbers and
    // everything else the program formats stay as in the C locale.
    std::setlocale(LC_CTYPE, "");
    g_haveSaved = tcgetattr(STDIN_FILENO, &g_saved) == 0;
    g_screen = newterm(nullptr, stdout, stdin);
    if (g_screen == nullptr) {
        const char* term = std::getenv("TERM");
        throw TerminalUnusable(std::string("cannot use the terminal type \"") + (term ? term : "") + "\".");
    }
    set_term(g_screen);
    if (COLS < Cols || LINES < Rows) {
        const std::string size = std::to_string(COLS) + "x" + std::to_string(LINES);
        endwin();
        delscreen(g_screen);
        g_screen = nullptr;
        throw TerminalUnusable("the terminal must be at least 80x25; this one is " + size + ".");
    }

    g_resetLen = 0;
    appendCap("sgr0");
    appendCap("cnorm");
    appendCap("rmkx");
    // Without an alternate screen (vt100, the Linux console) the program's
    // last screen would stay under the shell's prompt: it is cleared, so the
    // prompt starts clean at the top.
    g_clearLen = 0;
    if (capability("rmcup") == nullptr) {
        if (const char* cl = capability("clear")) append(g_clear, sizeof g_clear, g_clearLen, cl);
        if (g_clearLen > 0)
            append(g_reset, sizeof g_reset, g_resetLen, g_clear);
        else
            append(g_reset, sizeof g_reset, g_resetLen, "\r\n");
    } else {
        appendCap("rmcup");
    }
    g_keypadOnLen = 0;
    if (const char* smkx = capability("smkx")) append(g_keypadOn, sizeof g_keypadOn, g_keypadOnLen, smkx);

    cbreak();  // Ctrl-C stays a signal, so it works during long computations too
    noecho();
    nonl();
    intrflush(stdscr, FALSE);
    keypad(stdscr, TRUE);
    set_escdelay(25);
    // NO_COLOR asks for no colour at all when it holds anything; set but
    // empty it counts as unset.
    const char* noColour = std::getenv("NO_COLOR");
    if (has_colors() && (noColour == nullptr || *noColour == '\0')) {
        start_color();
        colours_ = true;
        manyColours_ = COLORS >= 16;
    }

    guardFatalSignals();  // installed by main already; a console made elsewhere gets it too
    wrapStopSignal();
    g_active = 1;
    paint();
}

TerminalConsole::~TerminalConsole() {
    g_active = 0;
    releaseStopSignal();
    if (g_screen) {
        endwin();
        delscreen(g_screen);
        g_screen = nullptr;
        if (g_clearLen > 0) {
            std::fflush(stdout);
            ssize_t ignored = ::write(STDOUT_FILENO, g_clear, g_clearLen);
            (void)ignored;
        }
    }
}

void TerminalConsole::emergencyRestore() {
    if (!g_active) return;
    g_active = 0;
    if (g_resetLen > 0) {
        ssize_t ignored = ::write(STDOUT_FILENO, g_reset, g_resetLen);
        (void)ignored;
    }
    if (g_haveSaved) tcsetattr(STDIN_FILENO, TCSADRAIN, &g_saved);
}

// Without colours a highlight must still show: a cell whose background is not
// the screen's ground is reversed (the menu entry, the form's values, the
// ready line, the current pattern, the approval choice, the title bands), and
// text in another colour than the ground's text is bold (the rulers, every
// fifth pattern letter).
unsigned long TerminalConsole::attrFor(int fg, int bg, int groundFg, int groundBg) {
    fg &= 15;
    bg &= 15;
    if (!colours_) return bg != groundBg ? A_REVERSE : fg != groundFg ? A_BOLD : A_NORMAL;
    if (!colourMade_[fg][bg]) {
        colourMade_[fg][bg] = true;
        const short cf = static_cast<short>(DOS_TO_CURSES[fg & 7] + (manyColours_ && fg >= 8 ? 8 : 0));
        const short cb = static_cast<short>(DOS_TO_CURSES[bg & 7] + (manyColours_ && bg >= 8 ? 8 : 0));
        unsigned long attr = 0;  // out of pairs: default colours
        if (nextPair_ < std::min(COLOR_PAIRS, 256) && init_pair(static_cast<short>(nextPair_), cf, cb) == OK)
            attr = COLOR_PAIR(nextPair_++);
        if (!manyColours_ && fg >= 8) attr |= A_BOLD;
        colourAttr_[fg][bg] = attr;
    }
    return colourAttr_[fg][bg];
}

void TerminalConsole::present() {
    dirty_ = true;
    paintIfDue();
}

void TerminalConsole::paintIfDue() {
    if (std::chrono::steady_clock::now() - lastPaint_ >= PAINT_INTERVAL) paint();
}

void TerminalConsole::paint() {
    if (!g_screen) return;
    // ncurses takes in a new size at an update as well as at a key read, so
    // a resize during long work is acted on here, without waiting for a read.
    if ((COLS < Cols || LINES < Rows) != tooSmall_) {
        resized();
        return;
    }
    if (tooSmall_) {
        refresh();  // nothing to send; lets ncurses see the terminal grow
        return;
    }
    // The ground (the colours most of the screen is in) only matters without colours.
    int groundFg = colour::LightGray, groundBg = colour::Black;
    if (!colours_) {
        std::array<int, 16> bgs{}, fgs{};
        for (int row = 1; row <= Rows; ++row)
            for (int col = 1; col <= Cols; ++col) ++bgs[static_cast<std::size_t>(cell(col, row).bg & 15)];
        groundBg = static_cast<int>(std::max_element(bgs.begin(), bgs.end()) - bgs.begin());
        for (int row = 1; row <= Rows; ++row)
            for (int col = 1; col <= Cols; ++col) {
                const Cell& x = cell(col, row);
                if ((x.bg & 15) == groundBg && x.ch != ' ') ++fgs[static_cast<std::size_t>(x.fg & 15)];
            }
        if (*std::max_element(fgs.begin(), fgs.end()) > 0)
            groundFg = static_cast<int>(std::max_element(fgs.begin(), fgs.end()) - fgs.begin());
    }
    for (int row = 1; row <= Rows; ++row)
        for (int col = 1; col <= Cols; ++col) {
            const Cell& x = cell(col, row);
            const unsigned long attr = attrFor(x.fg, x.bg, groundFg, groundBg);
            const std::uint64_t v = (static_cast<std::uint64_t>(x.ch) << 32) | attr;
            std::uint64_t& shown = shown_[static_cast<std::size_t>((row - 1) * Cols + (col - 1))];
            if (v == shown) continue;
            if (x.ch < 0x80 || !canShow(x.ch)) {
                const chtype ch = x.ch < 0x80 ? static_cast<chtype>(x.ch) : static_cast<chtype>(CONTROL_MARK);
                mvaddch(row - 1, col - 1, ch | static_cast<chtype>(attr));
            } else {
                const wchar_t wc[2] = {static_cast<wchar_t>(x.ch), L'\0'};
                cchar_t cc{};
                setcchar(&cc, wc, static_cast<attr_t>(attr & ~A_COLOR), static_cast<short>(PAIR_NUMBER(attr)),
                         nullptr);
                mvadd_wch(row - 1, col - 1, &cc);
            }
            shown = v;
        }
    move(whereY() - 1, std::min(whereX(), static_cast<int>(Cols)) - 1);
    refresh();
    dirty_ = false;
    lastPaint_ = std::chrono::steady_clock::now();
}

// Below 80 x 25 the screen cannot be shown: a notice says so and keys wait
// until the terminal is large enough again, when the screen comes back whole.
void TerminalConsole::resized() {
    tooSmall_ = COLS < Cols || LINES < Rows;
    shown_.fill(0);
    erase();
    clearok(curscr, TRUE);
    if (!tooSmall_) {
        paint();
        return;
    }
    const int width = std::min(static_cast<int>(SIZE_NOTICE.size()), COLS);
    mvaddnstr(std::max(0, (LINES - 1) / 2), std::max(0, (COLS - width) / 2), SIZE_NOTICE.data(), width);
    refresh();
}

bool TerminalConsole::readRaw(bool block) {
    wtimeout(stdscr, block ? -1 : 0);
    int errors = 0;
    for (;;) {
        const int ch = wgetch(stdscr);
        if (ch == ERR) {
            if (!block) return false;
            if (++errors > MAX_BLOCKING_ERRORS) throw std::runtime_error("the terminal stopped answering");
            continue;
        }
        if (ch == KEY_RESIZE) {  // the callers decide whether to wait on
            resized();
            return true;
        }
        translateKey(ch, pending_);
        return true;
    }
}

int TerminalConsole::fetchKey() {
    if (dirty_) paint();
    while (pending_.empty() || tooSmall_) readRaw(true);
    const int k = pending_.front();
    pending_.pop_front();
    // What the key sets off is shown at the next read, or after the interval.
    lastPaint_ = std::chrono::steady_clock::now();
    return k;
}

bool TerminalConsole::keyPressed() {
    // A dropped special key leaves nothing waiting: look again.
    for (int tries = 0; pending_.empty() && tries < 64; ++tries)
        if (!readRaw(false)) break;
    return !pending_.empty() && !tooSmall_;
}

void TerminalConsole::waitKey() {
    for (;;) {
        if (dirty_) paint();
        while (pending_.empty() || tooSmall_) readRaw(true);
        const int k = pending_.front();
        pending_.pop_front();
        if (!tookForHelp(k)) {
            pending_.push_front(k);
            return;
        }
    }
}

}  // namespace tess
