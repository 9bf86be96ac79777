#include "console/Console.h"

#include <algorithm>
#include <cstdio>

#include "console/Utf8.h"

namespace tess {

void Console::clearScreen() {
    for (auto& c : grid_) c = Cell{' ', fg_, bg_};
    col_ = 1;
    row_ = 1;
    present();
}

void Console::clearEol() {
    for (int c = col_; c <= Cols; ++c) at(c, row_) = Cell{' ', fg_, bg_};
    present();
}

void Console::gotoXY(int col, int row) {
    col_ = std::clamp(col, 1, Cols);
    row_ = std::clamp(row, 1, Rows);
}

void Console::scrollUp() {
    std::copy(grid_.begin() + Cols, grid_.end(), grid_.begin());
    for (int c = 1; c <= Cols; ++c) at(c, Rows) = Cell{' ', fg_, bg_};
}

void Console::newline() {
    col_ = 1;
    if (row_ == Rows)
        scrollUp();
    else
        ++row_;
}

void Console::put(char32_t ch) {
    if (col_ > Cols) newline();
    // Only printable characters reach the grid. Text read from files may hold
    // control characters (a stray CR, an Esc, their C1 forms): they show as a
    // visible mark and never move the cursor, so the row stays whole. A TAB
    // (bank lines) shows as a blank.
    const bool control = ch < 32 || (ch >= 127 && ch < 0xA0);
    const char32_t shown = ch == '\t' ? U' ' : control ? static_cast<char32_t>(CONTROL_MARK) : ch;
    at(col_, row_) = Cell{shown, fg_, bg_};
    ++col_;
}

// One cell a character; a byte that is not UTF-8 (a file name in another
// encoding) is a character of its own, shown as the mark.
void Console::putText(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = utf8SequenceAt(s, i);
        put(n == 0 ? static_cast<char32_t>(CONTROL_MARK) : decodeUtf8At(s, i, n));
        i += n == 0 ? 1 : n;
    }
}

void Console::write(std::string_view s) {
    putText(s);
    // The cursor never rests past the last column: a full row moves on.
    if (col_ > Cols) newline();
    present();
}

void Console::writeln(std::string_view s) {
    putText(s);
    newline();  // a pending wrap of an exactly filled row is this line end
    present();
}

void Console::write(long n, int width) {
    std::string s = std::to_string(n);
    if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), ' ');
    write(s);
}

int Console::readKey() {
    for (;;) {
        present();
        onKeyRead();
        if (const int k = fetchKey(); !tookForHelp(k)) return k;
    }
}

bool Console::tookForHelp(int k) {
    const bool question = k == '?' && !inLine_;
    if (k != key::F1 && !question) return false;
    const std::vector<std::string> rows = help_ ? help_(question) : std::vector<std::string>{};
    if (rows.empty()) return k == key::F1;  // F1 means nothing else
    showHelp(rows);
    return true;
}

// Over the whole screen; then the screen, cursor and colours as they were.
void Console::showHelp(const std::vector<std::string>& rows) {
    const auto grid = grid_;
    const int col = col_, row = row_, fg = fg_, bg = bg_;
    fg_ = colour::White;
    bg_ = colour::Blue;
    clearScreen();
    for (int r = 1; r <= Rows && r <= static_cast<int>(rows.size()); ++r) {
        gotoXY(1, r);
        putText(firstChars(rows[static_cast<std::size_t>(r - 1)], Cols - 1));
    }
    present();
    onKeyRead();
    if (fetchKey() == 0) fetchKey();  // a cursor key is two reads, both of them the answer
    grid_ = grid;
    col_ = col;
    row_ = row;
    fg_ = fg;
    bg_ = bg;
    present();
}

std::string Console::readLine() {
    struct InLine {
        bool& on;
        explicit InLine(bool& b) : on(b) { on = true; }
        ~InLine() { on = false; }
    } typing(inLine_);
    std::string line;
    for (;;) {
        int k = readKey();
        if (k == key::Return) break;
        if (k == 0) {  // a cursor key has no place in a typed line
            readKey();
            continue;
        }
        if (k == key::Backspace || k == 127) {
            if (!line.empty()) {
                line.pop_back();
                if (col_ > 1) {
                    --col_;
                    at(col_, row_) = Cell{' ', fg_, bg_};
                    present();
                }
            }
            continue;
        }
        if (k < 32 || k > 126) continue;
        line.push_back(static_cast<char>(k));
        write(std::string_view(&line.back(), 1));
    }
    newline();
    present();
    return line;
}

std::string Console::rowText(int row) const {
    std::string s;
    for (int c = 1; c <= Cols; ++c) appendUtf8(s, cell(c, row).ch);
    return s;
}

std::string Console::screenText() const {
    std::string s;
    for (int r = 1; r <= Rows; ++r) s += rowText(r) + "\n";
    return s;
}

}  // namespace tess
