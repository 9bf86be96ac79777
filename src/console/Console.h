#pragma once
// The text console the whole program talks to: 80 x 25 cells, 16 colours,
// single keys. Both backends (ncurses terminal, in-memory screen for tests)
// share one grid model, so the text semantics are exactly the same in both:
//  - writing past column 80 continues at column 1 of the next row;
//  - a line end on row 25 (or wrapping off it) scrolls the screen up one row;
//  - clearing to the end of a line uses the current background colour;
//  - readLine echoes what is typed and ends at Return.
//  - text is UTF-8 and a cell holds one character (see console/Utf8.h).
// Keys: Return 13, Esc 27, Space 32, Backspace 8; a cursor key is two reads,
// 0 then 72 'H' (Up), 80 'P' (Down), 75 'K' (Left) or 77 'M' (Right).
// F1 (and ? where the screen takes no ?) never reaches a screen: it shows
// the screen's help, and any key then gives the screen back as it was.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tess {

namespace key {
constexpr int Return = 13;
constexpr int Esc = 27;
constexpr int Space = 32;
constexpr int Backspace = 8;
constexpr int Up = 72;
constexpr int Down = 80;
constexpr int Left = 75;
constexpr int Right = 77;
constexpr int F1 = 0x13B;  // no byte: a backend gives it for the help key
}  // namespace key

namespace colour {
constexpr int Black = 0, Blue = 1, Green = 2, Cyan = 3, Red = 4, Magenta = 5, Brown = 6, LightGray = 7, DarkGray = 8,
              LightBlue = 9, LightGreen = 10, LightCyan = 11, LightRed = 12, LightMagenta = 13, Yellow = 14, White = 15;
}

struct Cell {
    char32_t ch = ' ';  // a printable character; the terminal shows what it cannot as CONTROL_MARK
    int fg = colour::LightGray;
    int bg = colour::Black;
};

class Console {
public:
    static constexpr int Cols = 80;
    static constexpr int Rows = 25;
    static constexpr char CONTROL_MARK = '?';  // a control character read from a file, as shown

    virtual ~Console() = default;

    void clearScreen();
    void clearEol();
    void gotoXY(int col, int row);
    int whereX() const { return col_; }
    int whereY() const { return row_; }
    void textColor(int c) { fg_ = c & 15; }
    void textBackground(int c) { bg_ = c & 15; }
    int textColorNow() const { return fg_; }
    int textBackgroundNow() const { return bg_; }

    void write(std::string_view s);
    void writeln(std::string_view s = {});
    void write(long n, int width = 0);  // right-aligned in width, like a numeric field

    int readKey();                  // one key, no echo; see the key conventions above
    virtual bool keyPressed() = 0;  // a key is waiting
    virtual void waitKey() = 0;     // block until a key is waiting, without taking it
    std::string readLine();         // echoed, ends at Return (not included)

    // The rows of the help for the screen as it stands; `question`: the key
    // was ?, and no rows mean ? is a key of that screen. Set by the front end.
    using HelpRows = std::function<std::vector<std::string>(bool question)>;
    void setHelp(HelpRows rows) { help_ = std::move(rows); }
    // What the screen is on, for its help (the form: the field's setting).
    void setHelpTopic(std::string topic) { helpTopic_ = std::move(topic); }
    const std::string& helpTopic() const { return helpTopic_; }

    const Cell& cell(int col, int row) const { return grid_[static_cast<size_t>((row - 1) * Cols + (col - 1))]; }
    std::string rowText(int row) const;  // the 80 characters of a row, in UTF-8
    std::string screenText() const;      // all 25 rows, each ended by '\n'

protected:
    virtual int fetchKey() = 0;  // next key from the backend, already translated
    virtual void present() {}    // the grid changed; shown by the next key read at the latest
    virtual void onKeyRead() {}  // hook: the screen as the user saw it at a read
    // A help key is answered here (true); any other key is the screen's. The
    // backends' waitKey asks too, so a key left waiting is never one.
    bool tookForHelp(int k);

private:
    void showHelp(const std::vector<std::string>& rows);

    void put(char32_t ch);
    void putText(std::string_view s);
    void newline();
    void scrollUp();
    Cell& at(int col, int row) { return grid_[static_cast<size_t>((row - 1) * Cols + (col - 1))]; }

    std::array<Cell, Cols * Rows> grid_{};
    int col_ = 1, row_ = 1;
    int fg_ = colour::LightGray, bg_ = colour::Black;
    HelpRows help_;
    std::string helpTopic_;
    bool inLine_ = false;  // readLine: a typed ? is part of the line
};

}  // namespace tess
