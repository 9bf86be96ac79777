// The t layout: one tab-separated row per question, for spreadsheets.
#include <string>

#include "output/Continuation.h"
#include "output/Layouts.h"
#include "output/Slot.h"

namespace tess {

using namespace bankcol;

namespace {

constexpr char TB = '\t';  // the column separator

template <class Ch>
const std::string& row(const RunState& r, PacketCursor& c, const Slot<Ch>& s) {
    // Every index below is inside the line buffer: it is checked once, as a whole.
    const Ch* const buffer = c.line<Ch>();
    auto a2 = [buffer](int i) { return buffer[i - 1]; };
    std::string& out = buildLine(c);  // the row is built in place, up to both strings
    if (s.x <= r.AB) out += numberField(r, s.x, 2);
    out += TB;

    int textStart = TEXT;
    if (s.kind == 'R' || s.kind == 'O' || s.kind == 'F') {
        // The code or type field, up to its TAB.
        textStart = FIELD_LAST + 1;
        for (int i = TEXT; i <= FIELD_LAST; ++i) {
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
        appendParts(out, "Quote ", bookName(r, s.x), " chapter ", chapterDigits(s), " verse ", verseDigits(s), '.', TB);
    else if (s.kind == 'R')
        appendParts(out, "According to ", bookName(r, s.x), " chapter ", chapterDigits(s), " verse ", verseDigits(s),
                    ", ");
    else if (s.kind == 'O')
        appendParts(out, "According to ", bookName(r, s.x), " Chapter ", s.part(CHAPTER, CHAPTER_END), ",  ");

    int blanksSeen = 0;
    bool starSeen = false;
    if (s.kind != 'S' && (s.kind != 'F' || quoteFtv)) {
        // No column falls inside this text: it is copied as it stands.
        if (end >= textStart) appendChars(out, buffer + textStart - 1, static_cast<std::size_t>(end - textStart + 1));
        end = textStart - 1;
    }
    for (int i = textStart; i <= end; ++i) {
        const Ch g = a2(i);
        if (s.kind == 'F' && !quoteFtv && g == ' ' && blanksSeen < 5) {
            // The first five words are the question; the rest of the verse
            // falls in the Answer column.
            out += "...";
            if (++blanksSeen == 5) out += TB;
        } else if (s.kind == 'S' && g == '*' && !starSeen) {
            starSeen = true;
            out += TB;
            out += '*';
        } else if (s.kind == 'S' && g == '\t') {
            out += "  ";
        } else {
            out += g;
        }
    }
    out += TB;
    appendParts(out, '(', bookLetter(r, s.x), ' ', s.part(CHAPTER, REF_END), ')');
    return out;
}

}  // namespace

void writePacketT(const RunState& r, TextWriter& f) {
    PacketCursor c(f);
    f.write("Quiz " + std::to_string(r.Q2) + TB + TB + r.NAME.str() + " Style Quizzing" + TB);
    WRITEMAT(r, f);
    f.writeln();
    f.writeln();
    f.writeln(std::string("Number") + TB + "Type" + TB + "Question" + TB + "Answer" + TB + "Verse");
    for (int x = 1; x <= slotCount(r); ++x) {
        withSlot(r, c, x, [&](const auto& s) { f.writeln(row(r, c, s)); });
    }
    f.writeln("<pb>");
}

}  // namespace tess
