// The c layout: every block is a multiple of 18 lines, so blocks can be cut
// apart at fixed places.
#include <string>

#include "output/Continuation.h"
#include "output/Layouts.h"
#include "output/Slot.h"

namespace tess {

namespace {

constexpr int BLOCK = 18;

void emptyLines(Program& p, int n) {
    for (int i = 0; i < n; ++i) {
        p.run.packetFile.writeln();
        ++p.run.LINES;
    }
}

void line(Program& p, const std::string& s) {
    p.run.packetFile.writeln(s);
    ++p.run.LINES;
}

void coverBlock(Program& p) {
    auto& r = p.run;
    auto& f = r.packetFile;
    f.writeln();
    f.writeln();
    f.writeln("    " + r.NAME.str() + " Style Quizzing");
    f.writeln();
    f.write("    ");
    WRITEMAT(p);
    f.writeln();
    f.writeln();
    f.writeln("    Quiz Number " + std::to_string(r.Q2));
    for (int i = 8; i <= BLOCK; ++i) f.writeln();
}

// The heading's left part: book letter and stored reference.
std::string headingRef(const Program& p, const Slot& s) {
    return "    " + std::string(1, bookLetter(p, s.x)) + " " + storedRef(s);
}

void continueFrom(Program& p, int mark, void (*printer)(Program&)) {
    p.run.MARK1 = mark;
    p.run.X5 = 0;
    printer(p);
}

void reference(Program& p, Slot& s) {
    auto& r = p.run;
    const bool cv = s.kind == 'R';
    emptyLines(p, 2);
    line(p, headingRef(p, s) + (cv ? "   CV" : "   CO") + quizRight(27) + std::to_string(r.Q2));
    emptyLines(p, 2);
    if (cv)
        line(p, numberField(p, s.x, 7) + ". Accd. to Luke chapter " + chapterDigits(s) + " verse " + s.at(4) + s.at(5) +
                    ", ");
    else
        line(p, numberField(p, s.x, 6) + ". According to Luke chapter " + chapterDigits(s));
    emptyLines(p, 1);
    continueFrom(p, 9, CPRINTREST);  // the text from position 10, always
}

void situation(Program& p, Slot& s) {
    auto& r = p.run;
    emptyLines(p, 3);
    line(p, "    " + std::string(1, bookLetter(p, s.x)) + " " + s.at(1) + s.at(2) + ":" + s.at(4) + s.at(5) + "  SIT" +
                quizRight(29) + std::to_string(r.Q2));
    emptyLines(p, 2);
    const int end = quotationScan(p, s, 42);
    line(p, "    " + numberField(p, s.x, 2) + ". " + s.text(7, end));
    emptyLines(p, 1);
    if (moreAfterMark(p, s)) continueFrom(p, r.MARK1, CPRINTREST);
}

void finishTheVerse(Program& p, Slot& s) {
    auto& r = p.run;
    int firstTab = 0;
    for (int i = 1; i < LMAX && firstTab == 0; ++i)
        if (s.at(i) == '\t') firstTab = i;
    const TypeField t = typeField(s, firstTab ? firstTab + 1 : 7);
    emptyLines(p, 2);
    line(p, headingRef(p, s) + "   " + s.text(t.start, t.start + t.length - 1) + quizRight(29 - t.length) +
                std::to_string(r.Q2));
    emptyLines(p, 2);
    std::string first = numberField(p, s.x, 6) + ". ";
    if (s.quotation()) {
        first += "Quote Luke Chapter " + chapterDigits(s) + " verse " + verseDigits(s);
        if (s.blank(1)) first += ' ';
        if (s.blank(4)) first += ' ';
        r.MARK1 = 11;
        line(p, first);
        emptyLines(p, 1);
    } else {
        const int end = ftvScanC(p, s, t.textStart);
        line(p, first + s.text(t.textStart, end));
    }
    if (moreAfterMark(p, s)) continueFrom(p, r.MARK1, CPRINTREST);
}

void regular(Program& p, Slot& s) {
    auto& r = p.run;
    emptyLines(p, 2);
    line(p, headingRef(p, s) + "     " + quizRight(29) + std::to_string(r.Q2));
    emptyLines(p, 2);
    const int end = regularScan(p, s, 42);
    line(p, numberField(p, s.x, 6) + ". " + s.text(7, end));
    if (r.ST1) emptyLines(p, 1);
    if (moreAfterMark(p, s)) continueFrom(p, r.MARK1, RPRINTREST);
}

}  // namespace

void writePacketC(Program& p) {
    auto& r = p.run;
    coverBlock(p);
    for (int x = 1; x <= slotCount(p); ++x) {
        r.LINES = 0;
        Slot s = loadSlot(p, x);
        switch (s.kind) {
            case 'R':
            case 'O':
                reference(p, s);
                break;
            case 'S':
                situation(p, s);
                break;
            case 'F':
                finishTheVerse(p, s);
                break;
            case 'n':
                regular(p, s);
                break;
            default:
                break;
        }
        // At least one empty line, then on to the next multiple of 18 (a
        // long answer may take a block past 36 lines).
        emptyLines(p, 1);
        while (r.LINES % BLOCK != 0) emptyLines(p, 1);
    }
}

}  // namespace tess
