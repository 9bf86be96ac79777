#include "console/Console.h"

#include <algorithm>
#include <cstdio>

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

void Console::put(char ch) {
    if (col_ > Cols) newline();
    // Only printable ASCII reaches the grid. Text read from files may hold
    // control characters (a stray CR, an Esc): they show as a visible mark and
    // never move the cursor, so the row stays whole. A TAB (bank lines) and
    // bytes past ASCII show as a blank.
    const auto u = static_cast<unsigned char>(ch);
    const char shown = (u >= 32 && u < 127) ? ch : (u < 32 && u != '\t') || u == 127 ? CONTROL_MARK : ' ';
    at(col_, row_) = Cell{shown, fg_, bg_};
    ++col_;
}

void Console::write(std::string_view s) {
    for (char ch : s) put(ch);
    // The cursor never rests past the last column: a full row moves on.
    if (col_ > Cols) newline();
    present();
}

void Console::writeln(std::string_view s) {
    for (char ch : s) put(ch);
    newline();  // a pending wrap of an exactly filled row is this line end
    present();
}

void Console::write(long n, int width) {
    std::string s = std::to_string(n);
    if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), ' ');
    write(s);
}

int Console::readKey() {
    present();
    onKeyRead();
    return fetchKey();
}

std::string Console::readLine() {
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
    for (int c = 1; c <= Cols; ++c) s.push_back(cell(c, row).ch);
    return s;
}

std::string Console::screenText() const {
    std::string s;
    for (int r = 1; r <= Rows; ++r) s += rowText(r) + "\n";
    return s;
}

}  // namespace tess
