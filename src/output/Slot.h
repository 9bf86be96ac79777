#pragma once
// What every packet layout needs of the slot being written: loading the line
// buffer and the working copy, the fixed fields of a bank line, and the
// scans that cut a question's first line at a blank.
#include <string>

#include "console/Array.h"
#include "core/Program.h"

namespace tess {

struct Slot {
    int x = 0;        // slot number
    char kind = ' ';  // its letter in TYP
    // Working copy of the first string, one character to a position, padded
    // with blanks; the first-line scans turn the TABs they pass into blanks here.
    Arr<Glyph, 1, LMAX> ALLTEMP{};

    Glyph at(int i) const { return i >= 1 && i <= LMAX ? ALLTEMP[i] : Glyph(' '); }
    bool blank(int i) const { return at(i) == ' '; }
    std::string text(int from, int to) const;        // ALLTEMP from..to, empty when to < from
    bool quotation() const { return at(7) == 'Q'; }  // an FTV that quotes the verse
};

// Fills A2 and the working copy for slot x.
Slot loadSlot(Program& p, int x);

// The slot number right-aligned in w when it is at most AB, else w blanks.
std::string numberField(const Program& p, int x, int w);
// "Quiz " right-aligned in w.
std::string quizRight(int w);
char bookLetter(const Program& p, int x);
std::string storedRef(const Slot& s);      // positions 1 to 5 as stored
std::string chapterDigits(const Slot& s);  // one or two digits
std::string verseDigits(const Slot& s);
std::string verseColumn(const Program& p, const Slot& s);  // "L cc:vv"

// An FTV's type field: from `start` up to the next TAB; the text follows it.
struct TypeField {
    int start = 0, length = 0, textStart = 0;
};
TypeField typeField(const Slot& s, int start);

// The first line runs from the text's start to the value returned by a scan;
// the scan leaves MARK1 on the blank after which the continuation resumes.
// A stretch without any blank is broken where the scan stopped, so no
// character is lost or printed twice.
int quotationScan(Program& p, Slot& s, int limitWithoutQuote);  // SIT, from after 7
int regularScan(Program& p, Slot& s, int limit);                // regular, from after 7; sets ST1
int ftvScanC(Program& p, Slot& s, int textStart);               // non-quotation FTV, c layout
int fiveWordScan(Program& p, Slot& s, int textStart);           // non-quotation FTV, p layout

// The continuation starts when the character after MARK1 is not a blank.
bool moreAfterMark(const Program& p, const Slot& s);

}  // namespace tess
