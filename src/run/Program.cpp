#include "run/Program.h"

namespace tess {

void CLR(Program& p) {
    for (int row = 2; row <= 24; ++row) {
        p.con.gotoXY(1, row);
        p.con.clearEol();
    }
    p.con.gotoXY(1, 3);
}

void writeWrapped(Console& c, int indent, std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t blank = text.find(' ', at);
        const std::size_t end = blank == std::string_view::npos ? text.size() : blank;
        const auto word = text.substr(at, end - at);
        if (c.whereX() < indent) c.gotoXY(indent, c.whereY());  // the grid wrapped the line
        const int room = Console::Cols + 1 - c.whereX();
        if (static_cast<int>(word.size()) > room && c.whereX() > indent &&
            static_cast<int>(word.size()) <= Console::Cols + 1 - indent) {
            c.writeln();
            c.gotoXY(indent, c.whereY());
        }
        c.write(word);
        if (end < text.size() && c.whereX() > 1) c.write(" ");
        at = end + 1;
    }
}

void failRestart(Program& p, const std::string& message) {
    p.report().stopped(message);
    Console& c = p.con;
    const int fg = c.textColorNow(), bg = c.textBackgroundNow();
    CLR(p);
    c.gotoXY(3, 3);
    c.textColor(colour::White);
    c.textBackground(colour::Red);
    // Long messages go on below; the message area ends at row 21.
    writeWrapped(c, 3, message);
    c.textColor(colour::Yellow);
    c.textBackground(colour::Blue);
    c.gotoXY(3, 23);
    c.write("Press Return to continue. ");
    c.readLine();
    c.textColor(fg);
    c.textBackground(bg);
    throw RestartRun{};
}

}  // namespace tess
