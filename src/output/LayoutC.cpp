// The c layout: every block is a multiple of 18 lines, so blocks can be cut
// apart at fixed places.
#include <string>
#include <string_view>

#include "output/Continuation.h"
#include "output/Layouts.h"
#include "output/Slot.h"

namespace tess {

using namespace bankcol;

namespace {

constexpr int BLOCK = 18;

void emptyLines(PacketCursor& c, int n) {
    // Line ends alone, a block's worth at most in one write.
    static constexpr std::string_view ends =
        "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";
    static_assert(ends.size() == 2 * BLOCK);
    c.LINES += n;
    for (; n > BLOCK; n -= BLOCK) c.out.write(ends);
    c.out.write(ends.substr(0, static_cast<std::size_t>(2 * n)));
}

template <class... Part>
void line(PacketCursor& c, const Part&... parts) {
    c.out.writeln(buildLine(c, parts...));
    ++c.LINES;
}

void coverBlock(const RunState& r, TextWriter& f) {
    f.writeln();
    f.writeln();
    f.writeln("    " + r.NAME.str() + " Style Quizzing");
    f.writeln();
    f.write("    ");
    WRITEMAT(r, f);
    f.writeln();
    f.writeln();
    f.writeln("    Quiz Number " + std::to_string(r.Q2));
    for (int i = 8; i <= BLOCK; ++i) f.writeln();
}

template <class Ch>
void reference(const RunState& r, PacketCursor& c, const Slot<Ch>& s) {
    const bool cv = s.kind == 'R';
    emptyLines(c, 2);
    line(c, "    ", bookLetter(r, s.x), ' ', s.part(CHAPTER, REF_END), cv ? "   CV" : "   CO", quizRight(27),
         c.quizNumber);
    emptyLines(c, 2);
    if (cv)
        line(c, numberField(r, s.x, 7), ". Accd. to ", bookName(r, s.x), " chapter ", chapterDigits(s), " verse ",
             s.part(VERSE, VERSE_END), ", ");
    else
        line(c, numberField(r, s.x, 6), ". According to ", bookName(r, s.x), " chapter ", chapterDigits(s));
    emptyLines(c, 1);
    continueFrom(c, REF_TEXT - 1, CPRINTREST);  // the text, always
}

template <class Ch>
void situation(const RunState& r, PacketCursor& c, Slot<Ch>& s) {
    emptyLines(c, 3);
    line(c, "    ", bookLetter(r, s.x), ' ', s.part(CHAPTER, CHAPTER_END), ':', s.part(VERSE, VERSE_END), "  SIT",
         quizRight(29), c.quizNumber);
    emptyLines(c, 2);
    const FirstLine first = quotationScan(c, s, 42);
    line(c, "    ", numberField(r, s.x, 2), ". ", s.part(TEXT, first.end));
    emptyLines(c, 1);
    if (moreAfter(c, s, first.resume)) continueFrom(c, first.resume, CPRINTREST);
}

template <class Ch>
void finishTheVerse(const RunState& r, PacketCursor& c, Slot<Ch>& s) {
    int firstTab = 0;
    for (int i = 1; i < LMAX && firstTab == 0; ++i)
        if (s.at(i) == '\t') firstTab = i;
    const TypeField t = typeField(s, firstTab ? firstTab + 1 : TEXT);
    emptyLines(c, 2);
    line(c, "    ", bookLetter(r, s.x), ' ', s.part(CHAPTER, REF_END), "   ", s.part(t.start, t.start + t.length - 1),
         quizRight(29 - t.length), c.quizNumber);
    emptyLines(c, 2);
    std::string first = numberField(r, s.x, 6) + ". ";
    int resume = QUOTE_TEXT - 1;
    if (s.quotation()) {
        first += "Quote " + bookName(r, s.x) + " Chapter " + chapterDigits(s) + " verse " + verseDigits(s);
        if (s.blank(CHAPTER)) first += ' ';
        if (s.blank(VERSE)) first += ' ';
        line(c, first);
        emptyLines(c, 1);
    } else {
        const FirstLine f = ftvScanC(c, s, t.textStart);
        line(c, first, s.part(t.textStart, f.end));
        resume = f.resume;
    }
    if (moreAfter(c, s, resume)) continueFrom(c, resume, CPRINTREST);
}

template <class Ch>
void regular(const RunState& r, PacketCursor& c, Slot<Ch>& s) {
    emptyLines(c, 2);
    line(c, "    ", bookLetter(r, s.x), ' ', s.part(CHAPTER, REF_END), "     ", quizRight(29), c.quizNumber);
    emptyLines(c, 2);
    const FirstLine first = regularScan(c, s, 42);
    line(c, numberField(r, s.x, 6), ". ", s.part(TEXT, first.end));
    if (first.question) emptyLines(c, 1);
    if (moreAfter(c, s, first.resume)) continueFrom(c, first.resume, RPRINTREST);
}

}  // namespace

void writePacketC(const RunState& r, TextWriter& f) {
    PacketCursor c(f);
    c.quizNumber = std::to_string(r.Q2);
    coverBlock(r, f);
    for (int x = 1; x <= slotCount(r); ++x) {
        c.LINES = 0;
        withSlot(r, c, x, [&](auto& s) {
            switch (s.kind) {
                case 'R':
                case 'O':
                    reference(r, c, s);
                    break;
                case 'S':
                    situation(r, c, s);
                    break;
                case 'F':
                    finishTheVerse(r, c, s);
                    break;
                case 'n':
                    regular(r, c, s);
                    break;
                default:
                    break;
            }
        });
        // At least one empty line, then on to the next multiple of 18 (a
        // long answer may take a block past 36 lines).
        emptyLines(c, BLOCK - c.LINES % BLOCK);
    }
}

}  // namespace tess
