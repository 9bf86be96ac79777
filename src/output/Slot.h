#pragma once
// What every packet layout needs of the slot being written: loading the line
// buffer and the working copy, the fixed fields of a bank line, and the
// scans that cut a question's first line at a blank.
#include <string>
#include <string_view>

#include "console/Array.h"
#include "core/BankColumns.h"
#include "core/RunState.h"
#include "output/PacketCursor.h"

namespace tess {

// Ch is the character of the slot's tables: char for a slot whose strings
// are ASCII (nearly every one), laid out by byte offsets and copied as runs of
// bytes; Glyph for one with text beyond ASCII, one character to a position.
template <class Ch>
struct Slot;

// A stretch of a slot's working copy, from..to, appended to a line being
// built without a string of its own.
template <class Ch>
struct SlotPart {
    const Slot<Ch>& slot;
    int from, to;
};

template <class Ch>
struct Slot {
    int x = 0;        // slot number
    char kind = ' ';  // its letter in TYP
    // Working copy of the first string, one character to a position, padded
    // with blanks: the first half of the cursor's line buffer, read where
    // loadSlot laid it out instead of copied again. The first-line scans turn
    // the TABs they pass into blanks here; the continuation reads a TAB as a
    // blank anyway.
    Ch* ALLTEMP = nullptr;  // position i at ALLTEMP[i - 1]

    Ch at(int i) const { return i >= 1 && i <= LMAX ? ALLTEMP[i - 1] : Ch(' '); }
    bool blank(int i) const { return at(i) == ' '; }
    std::string text(int from, int to) const;                 // ALLTEMP from..to, empty when to < from
    void appendText(std::string& t, int from, int to) const;  // the same, appended to t
    SlotPart<Ch> part(int from, int to) const { return {*this, from, to}; }
    bool quotation() const { return at(bankcol::FTV_MODE) == 'Q'; }  // an FTV that quotes the verse
};

// The cursor's line buffer holding `parts` (texts, characters, SlotParts)
// one after the other: a line is built in the one buffer of the quiz.
inline void appendPart(std::string& l, std::string_view p) { l += p; }
inline void appendPart(std::string& l, char p) { l += p; }
template <class Ch>
void appendPart(std::string& l, const SlotPart<Ch>& p) {
    p.slot.appendText(l, p.from, p.to);
}
template <class... Part>
void appendParts(std::string& l, const Part&... parts) {
    (appendPart(l, parts), ...);
}
template <class... Part>
std::string& buildLine(PacketCursor& c, const Part&... parts) {
    c.lineText.clear();
    appendParts(c.lineText, parts...);
    return c.lineText;
}

// Whether slot x can be written a byte to a position: both its strings ASCII.
bool asciiSlot(const RunState& r, int x);

// Fills the cursor's line buffer and the working copy for slot x (for
// Ch = char, slot x must be asciiSlot).
template <class Ch>
Slot<Ch> loadSlot(const RunState& r, PacketCursor& c, int x);

// Loads slot x with the tables that fit it and hands it to `write`, a
// procedure for either kind of slot.
template <class Write>
void withSlot(const RunState& r, PacketCursor& c, int x, Write write) {
    if (asciiSlot(r, x)) {
        Slot<char> s = loadSlot<char>(r, c, x);
        write(s);
    } else {
        Slot<Glyph> s = loadSlot<Glyph>(r, c, x);
        write(s);
    }
}

// The slot number right-aligned in w when it is at most AB, else w blanks.
std::string numberField(const RunState& r, int x, int w);
// "Quiz " right-aligned in w.
std::string_view quizRight(int w);
char bookLetter(const RunState& r, int x);
std::string bookName(const RunState& r, int x);  // "Luke": the book of the question at x
template <class Ch>
std::string chapterDigits(const Slot<Ch>& s);  // one or two digits
template <class Ch>
std::string verseDigits(const Slot<Ch>& s);
template <class Ch>
std::string verseColumn(const RunState& r, const Slot<Ch>& s);  // "L cc:vv"

// An FTV's type field: from `start` up to the next TAB; the text follows it.
struct TypeField {
    int start = 0, length = 0, textStart = 0;
};
template <class Ch>
TypeField typeField(const Slot<Ch>& s, int start);

// Where a scan cut a question's first line. A stretch without any blank is
// broken where the scan stopped, so no character is lost or printed twice.
struct FirstLine {
    int end = 0;            // the first line runs from the text's start to here
    int resume = 0;         // the blank after which the continuation goes on
    bool question = false;  // a regular question's line ended at its "?"
};
template <class Ch>
FirstLine quotationScan(const PacketCursor& c, Slot<Ch>& s, int limitWithoutQuote);  // SIT
template <class Ch>
FirstLine regularScan(const PacketCursor& c, Slot<Ch>& s, int limit);  // regular
template <class Ch>
FirstLine ftvScanC(const PacketCursor& c, Slot<Ch>& s, int textStart);  // non-quotation FTV, c layout
template <class Ch>
FirstLine fiveWordScan(const PacketCursor& c, Slot<Ch>& s, int textStart);  // non-quotation FTV, p layout

// The continuation starts when text follows `mark`: at once, or after a run
// of blanks.
template <class Ch>
bool moreAfter(const PacketCursor& c, const Slot<Ch>& s, int mark);

// The continuation from `mark`, fresh: MARK1 set, no line of it written yet.
void continueFrom(PacketCursor& c, int mark, void (*printer)(PacketCursor&));

}  // namespace tess
