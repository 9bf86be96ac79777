#include "output/Screens.h"

#include "core/Messages.h"

#include <string>

namespace tess {

void WRITEHDG(Program& p) {
    Console& c = p.con;
    c.textBackground(colour::Blue);
    c.textColor(colour::Yellow);
    for (int row = 1; row <= Console::Rows; ++row) {
        c.gotoXY(1, row);
        c.clearEol();
    }
    c.gotoXY(1, 1);
    c.textBackground(colour::White);
    c.textColor(colour::Black);
    c.clearEol();
    const std::string name = PRODUCT;
    c.textColor(colour::Red);
    c.write("  " + name.substr(0, 1));
    c.textColor(colour::Black);
    c.write(name.substr(1));
    c.textColor(colour::Red);
    c.write(std::string(VERSION) + std::string(40, ' '));
    c.textColor(colour::Black);
    c.write(std::string(13, ' ') + "Luke ");
    c.textColor(colour::Red);

    c.gotoXY(1, Console::Rows);
    c.clearEol();
    c.textColor(colour::Black);
    c.write(std::string("  ") + ORGANISATION + std::string(36, ' ') + WEB_ADDRESS);

    c.textBackground(colour::Blue);
    c.textColor(colour::Yellow);
}

void QUESTWARN(Program& p) {
    Console& c = p.con;
    p.tell(Event::Kind::Stopped,
           "There are not enough regular questions in this material. Reduce the number of questions per packet.");
    c.writeln("  There are not enough regular questions in this material.");
    c.writeln();
    c.writeln("  Reduce the number of questions per packet.");
    p.ask().pressReturn(p);
}

void SPECWARN(Program& p) {
    Console& c = p.con;
    p.tell(Event::Kind::Stopped, "One specialty has zero questions. Change the maximum for that specialty to zero.");
    c.gotoXY(3, 3);
    c.writeln("One specialty has zero questions.");
    c.writeln();
    c.writeln("  Change the maximum for that specialty to zero.");
    c.writeln();
    c.writeln("  Press return to continue.");
    // Two lines, as the screen has always taken.
    p.ask().pressReturn(p);
    p.ask().pressReturn(p);
}

void APPROVESPEC(Program& p) {
    Console& c = p.con;
    c.gotoXY(16, 4);
    c.write("Approve specialty combinations for each quiz");
    c.gotoXY(16, 3);
    c.write("Run specialty combinations automatically    ");
    c.textBackground(colour::Red);
    c.textColor(colour::White);
}

void THANK(Program& p) {
    Console& c = p.con;
    CLR(p);
    const std::string name = p.shared.NAME4;
    auto paragraph = [&](const std::string& s) {
        c.writeln("  " + s);
        c.writeln();
    };
    paragraph("Thank you for using " + std::string(PRODUCT) + VERSION);
    for (const std::string& saved : {"A list of questions and sectors used has been saved as " + name + ".inf",
                                     "Your output file has been saved in ASCII text file " + name + ".qui"}) {
        c.write("  ");
        say(p, Event::Kind::Result, saved, true);
        c.writeln();
    }
}

}  // namespace tess
