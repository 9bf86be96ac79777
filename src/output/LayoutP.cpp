// The p layout: pages of LPP lines, 78 columns, the verse reference in
// columns 72 to 78 of every question's first line.
#include <string>

#include "output/Continuation.h"
#include "output/Layouts.h"
#include "output/Slot.h"

namespace tess {

namespace {

constexpr int WIDTH = 78;
constexpr int TEXTEND = 71;  // the verse column follows

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n > 0 ? n : 0), ' '); }

void heading(Program& p) {
    auto& r = p.run;
    auto& f = r.packetFile;
    WRITEMAT(p);
    // The range text is 18 characters once its one-digit numbers are padded;
    // then the name is centred and the line comes to 78 characters.
    std::string h;
    for (int n : {r.BCHAP, r.BVER, r.ECHAP, r.EVER})
        if (n < 10) h += ' ';
    const int len = static_cast<int>(charCount(r.NAME.str()));
    const int half = len / 2;
    h += blanks(13 - half) + r.NAME.str() + " Style Quizzing ";
    if (r.Q2 < 100) h += ' ';
    if (r.Q2 < 10) h += ' ';
    h += blanks(12 - half);
    if (len % 2 == 0) h += ' ';
    h += "   Quiz Number " + std::to_string(r.Q2);
    f.writeln(h);
    const std::string rule(WIDTH, '_');
    f.writeln(rule);
    f.writeln();
    f.writeln("Type      Question" + blanks(55) + "Verse");
    f.writeln(rule);
}

void pageBreak(Program& p) {
    auto& r = p.run;
    ++r.PAGE;
    r.packetFile.write("\f");
    std::string s = "Page " + std::to_string(r.PAGE);
    if (r.Q2 < 10) s += ' ';
    r.packetFile.writeln(s + blanks(65) + "Quiz " + std::to_string(r.Q2));
    r.packetFile.writeln(std::string(WIDTH, '_'));
    r.LINES = 4;
}

void continueFrom(Program& p, int mark, void (*printer)(Program&)) {
    p.run.MARK1 = mark;
    p.run.X5 = 0;
    printer(p);
}

// Writes the first line: type column, number field, text, padding, verse column.
void firstLine(Program& p, const Slot& s, const std::string& type, const std::string& text, int padding) {
    p.run.packetFile.writeln(type + numberField(p, s.x, 2) + ". " + text + blanks(padding) + verseColumn(p, s));
    ++p.run.LINES;
}

void slot(Program& p, Slot& s) {
    auto& r = p.run;
    const std::string type78 = std::string() + s.at(7) + s.at(8) + "    ";
    switch (s.kind) {
        case 'R': {
            const int k = !s.blank(1) + !s.blank(4);
            firstLine(p, s, type78, "According to Luke chapter " + chapterDigits(s) + " verse " + verseDigits(s) + ", ",
                      24 - k);
            continueFrom(p, 9, PRINTREST);
            break;
        }
        case 'O': {
            const int k = !s.blank(1);
            firstLine(p, s, type78, "According to Luke chapter " + chapterDigits(s) + ", ", 32 - k);
            continueFrom(p, 9, PRINTREST);
            break;
        }
        case 'S': {
            const int end = quotationScan(p, s, 66);
            firstLine(p, s, "SIT   ", s.text(7, end) + ",", 66 - end);
            if (moreAfterMark(p, s)) continueFrom(p, r.MARK1, FPRINTREST);
            break;
        }
        case 'F': {
            const TypeField t = typeField(s, s.at(6) == '\t' ? 7 : 6);
            const std::string type = s.text(t.start, t.start + t.length - 1) + blanks(6 - t.length);
            if (s.quotation()) {
                std::string text = "Quote Luke Chapter " + chapterDigits(s) + " verse " + verseDigits(s);
                if (s.blank(1)) text += ' ';
                if (s.blank(4)) text += ' ';
                firstLine(p, s, type, text, 31);
                r.MARK1 = 11;
            } else {
                const int end = fiveWordScan(p, s, t.textStart);
                std::string text;
                int k = 0;
                for (int i = t.textStart; i <= end; ++i) {
                    const Glyph c = s.at(i);
                    if (c == ' ') {
                        text += "...";
                    } else if (c != '.' && c != ',') {
                        text += c;
                        ++k;
                    }
                }
                firstLine(p, s, type, text + "...", 46 - k);
            }
            if (moreAfterMark(p, s)) continueFrom(p, r.MARK1, FPRINTREST);
            break;
        }
        case 'n': {
            const int end = regularScan(p, s, 66);
            firstLine(p, s, "      ", s.text(7, end), TEXTEND - 10 - (end - 6));
            if (moreAfterMark(p, s)) continueFrom(p, r.MARK1, PRINTREST);
            break;
        }
        default:
            // A slot of no known kind keeps its empty line and nothing else.
            break;
    }
}

}  // namespace

void writePacketP(Program& p) {
    auto& r = p.run;
    r.PAGE = 1;
    r.LINES = 0;
    heading(p);
    r.LINES = 7;
    const int n = slotCount(p);
    for (int x = 1; x <= n; ++x) {
        r.packetFile.writeln();
        Slot s = loadSlot(p, x);
        slot(p, s);
        ++r.LINES;  // the slot's leading empty line
        if (x == n) break;
        const char next = r.TYP.at(static_cast<std::size_t>(x + 1));
        if (r.LINES > r.LPP - 6 || (r.LINES > r.LPP - 10 && (next == 'F' || next == 'S'))) pageBreak(p);
    }
    r.packetFile.write("\f");
}

}  // namespace tess
