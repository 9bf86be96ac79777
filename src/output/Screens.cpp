#include "output/Screens.h"

#include "core/Messages.h"

#include <string>

namespace tess {

namespace {

// The band's book: the material's books joined when they fit its 17
// columns, else the first; right-aligned, a blank after it.
std::string titleBook(const Material& m) {
    constexpr std::size_t WIDTH = 17;
    std::string joined;
    for (const Book& b : m.books) joined += (joined.empty() ? "" : ", ") + b.name;
    const std::string name = joined.size() <= WIDTH ? joined : m.first().name;
    return std::string(WIDTH - name.size(), ' ') + name + " ";
}

}  // namespace

void WRITEHDG(Console& c, const Material& m) {
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
    c.write(titleBook(m));
    c.textColor(colour::Red);

    c.gotoXY(1, Console::Rows);
    c.clearEol();
    c.textColor(colour::Black);
    c.write(std::string("  ") + ORGANISATION + std::string(36, ' ') + WEB_ADDRESS);

    c.textBackground(colour::Blue);
    c.textColor(colour::Yellow);
}

namespace {

// Each stop's words, a sentence a line on the screen and one line told.
const std::string TOO_FEW_REGULAR[] = {"There are not enough regular questions in this material.",
                                       "Reduce the number of questions per packet."};
const std::string NO_SPECIALTY_QUESTIONS[] = {"One specialty has zero questions.",
                                              "Change the maximum for that specialty to zero."};

template <std::size_t N>
std::string joined(const std::string (&lines)[N]) {
    std::string text;
    for (const std::string& l : lines) text += (text.empty() ? "" : " ") + l;
    return text;
}

}  // namespace

void QUESTWARN(Program& p) {
    p.tell(Event::Kind::Stopped, joined(TOO_FEW_REGULAR));
    p.ask().show(p, Screen::TooFewRegular);
    p.ask().pressReturn(p);
}

void drawTooFewRegular(Console& c) {
    c.writeln("  " + TOO_FEW_REGULAR[0]);
    c.writeln();
    c.writeln("  " + TOO_FEW_REGULAR[1]);
}

void SPECWARN(Program& p) {
    p.tell(Event::Kind::Stopped, joined(NO_SPECIALTY_QUESTIONS));
    p.ask().show(p, Screen::NoSpecialtyQuestions);
    // Two lines, as the screen has always taken.
    p.ask().pressReturn(p);
    p.ask().pressReturn(p);
}

void drawNoSpecialtyQuestions(Console& c) {
    c.gotoXY(3, 3);
    c.writeln(NO_SPECIALTY_QUESTIONS[0]);
    c.writeln();
    c.writeln("  " + NO_SPECIALTY_QUESTIONS[1]);
    c.writeln();
    c.writeln("  Press return to continue.");
}

void APPROVESPEC(Console& c) {
    c.gotoXY(16, 4);
    c.write("Approve specialty combinations for each quiz");
    c.gotoXY(16, 3);
    c.write("Run specialty combinations automatically    ");
    c.textBackground(colour::Red);
    c.textColor(colour::White);
}

void drawThanks(Console& c) {
    CLR(c);
    c.writeln("  Thank you for using " + std::string(PRODUCT) + VERSION);
    c.writeln();
}

void THANK(Program& p) {
    const std::string name = p.shared.NAME4;
    p.ask().show(p, Screen::Thanks);
    for (const std::string& saved : {"A list of questions and sectors used has been saved as " + name + ".inf",
                                     "Your output file has been saved in ASCII text file " + name + ".qui"}) {
        p.ask().show(p, Screen::Indent);
        say(p, Event::Kind::Result, saved, true);
        p.ask().show(p, Screen::LineEnd);
    }
}

}  // namespace tess
