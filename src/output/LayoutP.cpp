// The p layout: pages of LPP lines, 78 columns, the verse reference in
// columns 72 to 78 of every question's first line.
#include <algorithm>
#include <string>

#include "output/Continuation.h"
#include "output/Layouts.h"
#include "output/Slot.h"

namespace tess {

using namespace bankcol;

namespace {

constexpr int WIDTH = 78;
constexpr int TEXTEND = 71;  // the verse column follows

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n > 0 ? n : 0), ' '); }

void heading(const RunState& r, TextWriter& f) {
    WRITEMAT(r, f);
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

void pageBreak(const RunState& r, PacketCursor& c) {
    ++c.PAGE;
    c.out.write("\f");
    std::string s = "Page " + std::to_string(c.PAGE);
    if (r.Q2 < 10) s += ' ';
    c.out.writeln(s + blanks(65) + "Quiz " + std::to_string(r.Q2));
    c.out.writeln(std::string(WIDTH, '_'));
    c.LINES = 4;
}

// Writes the first line: type column, number field, text, padding, verse column.
template <class Ch, class... Text>
void firstLine(const RunState& r, PacketCursor& c, const Slot<Ch>& s, int padding, std::string_view type,
               const Text&... text) {
    std::string& line = buildLine(c, type, numberField(r, s.x, 2), ". ", text...);
    line.append(static_cast<std::size_t>(std::max(padding, 0)), ' ');
    line += verseColumn(r, s);
    c.out.writeln(line);
    ++c.LINES;
}

// The padding before the verse column once the book's name is in the text:
// the widths were laid out for "Luke".
template <class Ch>
int padded(const RunState& r, const Slot<Ch>& s, int forLuke) {
    return std::max(forLuke - (static_cast<int>(bookName(r, s.x).size()) - 4), 0);
}

template <class Ch>
void slot(const RunState& r, PacketCursor& c, Slot<Ch>& s) {
    // The type column of a reference question: its code.
    const auto referenceType = [&s] { return s.text(CODE, CODE_END) + "    "; };
    switch (s.kind) {
        case 'R': {
            const int k = !s.blank(CHAPTER) + !s.blank(VERSE);
            firstLine(r, c, s, padded(r, s, 24 - k), referenceType(), "According to ", bookName(r, s.x), " chapter ",
                      chapterDigits(s), " verse ", verseDigits(s), ", ");
            continueFrom(c, REF_TEXT - 1, PRINTREST);
            break;
        }
        case 'O': {
            const int k = !s.blank(CHAPTER);
            firstLine(r, c, s, padded(r, s, 32 - k), referenceType(), "According to ", bookName(r, s.x), " chapter ",
                      chapterDigits(s), ", ");
            continueFrom(c, REF_TEXT - 1, PRINTREST);
            break;
        }
        case 'S': {
            const FirstLine first = quotationScan(c, s, 66);
            firstLine(r, c, s, 66 - first.end, "SIT   ", s.part(TEXT, first.end), ',');
            if (moreAfter(c, s, first.resume)) continueFrom(c, first.resume, FPRINTREST);
            break;
        }
        case 'F': {
            const TypeField t = typeField(s, s.at(TAB) == '\t' ? TEXT : TAB);
            const std::string type = s.text(t.start, t.start + t.length - 1) + blanks(6 - t.length);
            int resume = QUOTE_TEXT - 1;
            if (s.quotation()) {
                std::string text =
                    "Quote " + bookName(r, s.x) + " Chapter " + chapterDigits(s) + " verse " + verseDigits(s);
                if (s.blank(CHAPTER)) text += ' ';
                if (s.blank(VERSE)) text += ' ';
                firstLine(r, c, s, padded(r, s, 31), type, text);
            } else {
                const FirstLine first = fiveWordScan(c, s, t.textStart);
                std::string text;
                int k = 0;
                for (int i = t.textStart; i <= first.end; ++i) {
                    const Ch g = s.at(i);
                    if (g == ' ') {
                        text += "...";
                    } else if (g != '.' && g != ',') {
                        text += g;
                        ++k;
                    }
                }
                firstLine(r, c, s, 46 - k, type, text, "...");
                resume = first.resume;
            }
            if (moreAfter(c, s, resume)) continueFrom(c, resume, FPRINTREST);
            break;
        }
        case 'n': {
            const FirstLine first = regularScan(c, s, 66);
            firstLine(r, c, s, TEXTEND - 10 - (first.end - TEXT + 1), "      ", s.part(TEXT, first.end));
            if (moreAfter(c, s, first.resume)) continueFrom(c, first.resume, PRINTREST);
            break;
        }
        default:
            // A slot of no known kind keeps its empty line and nothing else.
            break;
    }
}

}  // namespace

void writePacketP(const RunState& r, TextWriter& f) {
    PacketCursor c(f);
    c.PAGE = 1;
    heading(r, f);
    c.LINES = 7;
    const int n = slotCount(r);
    for (int x = 1; x <= n; ++x) {
        f.writeln();
        withSlot(r, c, x, [&](auto& s) { slot(r, c, s); });
        ++c.LINES;  // the slot's leading empty line
        if (x == n) break;
        const char next = r.TYP.at(static_cast<std::size_t>(x + 1));
        if (c.LINES > r.LPP - 6 || (c.LINES > r.LPP - 10 && (next == 'F' || next == 'S'))) pageBreak(r, c);
    }
    f.write("\f");
}

}  // namespace tess
