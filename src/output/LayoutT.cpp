// The t layout: one tab-separated row per question, for spreadsheets.
#include <string>

#include "output/Continuation.h"
#include "output/Layouts.h"
#include "output/Slot.h"

namespace tess {

namespace {

std::string row(Program& p, const Slot& s) {
    auto& r = p.run;
    const char TB = r.TB;
    auto a2 = [&](int i) { return r.A2[i]; };
    std::string out = s.x <= r.AB ? numberField(p, s.x, 2) : std::string();
    out += TB;

    int textStart = 7;
    if (s.kind == 'R' || s.kind == 'O' || s.kind == 'F') {
        textStart = 12;
        for (int i = 7; i <= 11; ++i) {
            if (a2(i) == '\t') {
                textStart = i + 1;
                break;
            }
            out += a2(i);
        }
    } else if (s.kind == 'S') {
        out += "SIT";
    }
    out += TB;

    // The text ends before the first run of three blanks.
    int end = A2LEN;
    for (int z = textStart + 1; z <= A2LEN; ++z) {
        if (a2(z) == ' ' && a2(z - 1) == ' ' && a2(z - 2) == ' ') {
            end = z - 3;
            break;
        }
    }

    const bool quoteFtv = s.kind == 'F' && s.quotation();
    if (quoteFtv)
        out += "Quote Luke chapter " + chapterDigits(s) + " verse " + verseDigits(s) + "." + TB;
    else if (s.kind == 'R')
        out += "According to Luke chapter " + chapterDigits(s) + " verse " + verseDigits(s) + ", ";
    else if (s.kind == 'O')
        out += std::string("According to Luke Chapter ") + s.at(1) + s.at(2) + ",  ";

    int blanksSeen = 0;
    bool starSeen = false;
    for (int i = textStart; i <= end; ++i) {
        const Glyph c = a2(i);
        if (s.kind == 'F' && !quoteFtv && c == ' ' && blanksSeen < 5) {
            // The first five words are the question; the rest of the verse
            // falls in the Answer column.
            out += "...";
            if (++blanksSeen == 5) out += TB;
        } else if (s.kind == 'S' && c == '*' && !starSeen) {
            starSeen = true;
            out += TB;
            out += '*';
        } else if (s.kind == 'S' && c == '\t') {
            out += "  ";
        } else {
            out += c;
        }
    }
    out += TB;
    out += "(" + std::string(1, bookLetter(p, s.x)) + " " + storedRef(s) + ")";
    return out;
}

}  // namespace

void writePacketT(Program& p) {
    auto& r = p.run;
    auto& f = r.packetFile;
    r.TB = '\t';
    f.write("Quiz " + std::to_string(r.Q2) + r.TB + r.TB + r.NAME.str() + " Style Quizzing" + r.TB);
    WRITEMAT(p);
    f.writeln();
    f.writeln();
    f.writeln(std::string("Number") + r.TB + "Type" + r.TB + "Question" + r.TB + "Answer" + r.TB + "Verse");
    for (int x = 1; x <= slotCount(p); ++x) {
        Slot s = loadSlot(p, x);
        f.writeln(row(p, s));
    }
    f.writeln("<pb>");
}

}  // namespace tess
