#include "run/Program.h"

namespace tess {

void CLR(Program& p) {
    for (int row = 2; row <= 24; ++row) {
        p.con.gotoXY(1, row);
        p.con.clearEol();
    }
    p.con.gotoXY(1, 3);
}

void failRestart(Program& p, const std::string& message) {
    Console& c = p.con;
    const int fg = c.textColorNow(), bg = c.textBackgroundNow();
    CLR(p);
    c.gotoXY(3, 3);
    c.textColor(colour::White);
    c.textBackground(colour::Red);
    // Long messages wrap inside rows 3..21; the grid wraps at column 80.
    c.write(message);
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
