#include "console/TerminalConsole.h"

#include "console/TextFile.h"  // before curses, whose macros take common names

#include <curses.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <term.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace tess {

namespace {

// What a signal handler needs to put the terminal back, prepared in advance.
struct termios g_saved;
bool g_haveSaved = false;
char g_reset[512];
std::size_t g_resetLen = 0;
volatile sig_atomic_t g_active = 0;

constexpr int CAUGHT[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
struct sigaction g_oldActions[std::size(CAUGHT)];

SCREEN* g_screen = nullptr;

// Appends a terminfo string without its padding marks ("$<5>").
void appendCap(const char* name) {
    const char* s = tigetstr(const_cast<char*>(name));
    if (s == nullptr || s == reinterpret_cast<char*>(-1)) return;
    for (; *s; ++s) {
        if (s[0] == '$' && s[1] == '<') {
            while (*s && *s != '>') ++s;
            if (!*s) break;
            continue;
        }
        if (g_resetLen + 1 < sizeof g_reset) g_reset[g_resetLen++] = *s;
    }
}

// Puts the terminal back, then dies of the same signal, so a calling shell
// sees the interrupt as such.
extern "C" void onSignal(int sig) {
    TerminalConsole::emergencyRestore();
    TempFileRegistry::removeAll();  // the run's unfinished files and the folder lock
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    sigemptyset(&dfl.sa_mask);
    sigaction(sig, &dfl, nullptr);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, sig);
    raise(sig);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    _exit(128 + sig);
}

// DOS palette order (black, blue, green, cyan, red, magenta, brown, grey)
// to curses colour numbers.
constexpr short DOS_TO_CURSES[8] = {COLOR_BLACK, COLOR_BLUE,    COLOR_GREEN,  COLOR_CYAN,
                                    COLOR_RED,   COLOR_MAGENTA, COLOR_YELLOW, COLOR_WHITE};

constexpr int MAX_BLOCKING_ERRORS = 1000;  // a terminal that only answers with errors is gone

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
        default:
            break;
    }
    // A lone 0 would make the next key look like a cursor key.
    if (ch > 0 && ch <= 255) out.push_back(ch);
}

std::optional<std::string> TerminalConsole::unusableReason() {
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO))
        return std::string("tessarin needs an interactive terminal: standard input and output must both be one.");
    struct winsize ws {};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &ws) == 0 && ws.ws_col > 0 && ws.ws_row > 0 &&
        (ws.ws_col < Cols || ws.ws_row < Rows))
        return "tessarin needs a terminal of at least 80x25; this one is " + std::to_string(ws.ws_col) + "x" +
               std::to_string(ws.ws_row) + ".";
    return std::nullopt;
}

TerminalConsole::TerminalConsole() {
    if (auto why = unusableReason()) throw TerminalUnusable(*why);
    g_haveSaved = tcgetattr(STDIN_FILENO, &g_saved) == 0;
    g_screen = newterm(nullptr, stdout, stdin);
    if (g_screen == nullptr) {
        const char* term = std::getenv("TERM");
        throw TerminalUnusable(std::string("tessarin cannot use the terminal type \"") + (term ? term : "") + "\".");
    }
    set_term(g_screen);
    if (COLS < Cols || LINES < Rows) {
        const std::string size = std::to_string(COLS) + "x" + std::to_string(LINES);
        endwin();
        delscreen(g_screen);
        g_screen = nullptr;
        throw TerminalUnusable("tessarin needs a terminal of at least 80x25; this one is " + size + ".");
    }

    g_resetLen = 0;
    appendCap("sgr0");
    appendCap("cnorm");
    appendCap("rmkx");
    const char* rmcup = tigetstr(const_cast<char*>("rmcup"));
    if (rmcup == nullptr || rmcup == reinterpret_cast<char*>(-1)) {
        const char nl[] = "\r\n";
        for (char ch : std::string_view(nl))
            if (g_resetLen + 1 < sizeof g_reset) g_reset[g_resetLen++] = ch;
    } else {
        appendCap("rmcup");
    }

    cbreak();  // Ctrl-C stays a signal, so it works during long computations too
    noecho();
    nonl();
    intrflush(stdscr, FALSE);
    keypad(stdscr, TRUE);
    set_escdelay(25);
    if (has_colors()) {
        start_color();
        manyColours_ = COLORS >= 16;
    }

    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    for (std::size_t i = 0; i < std::size(CAUGHT); ++i) sigaction(CAUGHT[i], &sa, &g_oldActions[i]);
    g_active = 1;
    present();
}

TerminalConsole::~TerminalConsole() {
    g_active = 0;
    for (std::size_t i = 0; i < std::size(CAUGHT); ++i) sigaction(CAUGHT[i], &g_oldActions[i], nullptr);
    if (g_screen) {
        endwin();
        delscreen(g_screen);
        g_screen = nullptr;
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

int TerminalConsole::attrFor(int fg, int bg) {
    fg &= 15;
    bg &= 15;
    if (!has_colors()) return static_cast<int>((bg != colour::Black ? A_REVERSE : 0) | (fg >= 8 ? A_BOLD : 0));
    int& pair = pairs_[fg][bg];
    if (pair == 0) {
        const short cf = static_cast<short>(DOS_TO_CURSES[fg & 7] + (manyColours_ && fg >= 8 ? 8 : 0));
        const short cb = static_cast<short>(DOS_TO_CURSES[bg & 7] + (manyColours_ && bg >= 8 ? 8 : 0));
        if (nextPair_ < std::min(COLOR_PAIRS, 256) && init_pair(static_cast<short>(nextPair_), cf, cb) == OK)
            pair = nextPair_++;
        else
            pair = -1;  // out of pairs: default colours
    }
    int attr = pair > 0 ? static_cast<int>(COLOR_PAIR(pair)) : 0;
    if (!manyColours_ && fg >= 8) attr |= static_cast<int>(A_BOLD);
    return attr;
}

void TerminalConsole::present() {
    if (!g_screen) return;
    for (int row = 1; row <= Rows; ++row)
        for (int col = 1; col <= Cols; ++col) {
            const Cell& x = cell(col, row);
            mvaddch(row - 1, col - 1, static_cast<chtype>(static_cast<unsigned char>(x.ch)) |
                                          static_cast<chtype>(attrFor(x.fg, x.bg)));
        }
    move(whereY() - 1, std::min(whereX(), static_cast<int>(Cols)) - 1);
    refresh();
}

void TerminalConsole::readRaw(bool block) {
    wtimeout(stdscr, block ? -1 : 0);
    int errors = 0;
    for (;;) {
        const int ch = wgetch(stdscr);
        if (ch == ERR) {
            if (!block) return;
            if (++errors > MAX_BLOCKING_ERRORS) throw std::runtime_error("the terminal stopped answering");
            continue;
        }
        if (ch == KEY_RESIZE) {  // repaint whatever is left visible
            clearok(curscr, TRUE);
            present();
            if (!block) return;
            continue;
        }
        translateKey(ch, pending_);
        return;
    }
}

int TerminalConsole::fetchKey() {
    while (pending_.empty()) readRaw(true);
    const int k = pending_.front();
    pending_.pop_front();
    return k;
}

bool TerminalConsole::keyPressed() {
    // A dropped special key leaves nothing waiting: look again.
    for (int tries = 0; pending_.empty() && tries < 64; ++tries) {
        wtimeout(stdscr, 0);
        const int ch = wgetch(stdscr);
        if (ch == ERR) break;
        if (ch == KEY_RESIZE) {
            clearok(curscr, TRUE);
            present();
            continue;
        }
        translateKey(ch, pending_);
    }
    return !pending_.empty();
}

void TerminalConsole::waitKey() {
    while (pending_.empty()) readRaw(true);
}

}  // namespace tess
