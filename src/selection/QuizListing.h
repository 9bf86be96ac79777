#pragma once
// The quiz listing: the specialty questions of an attempt on screen, and the
// quiz's block of 33 lines in the list file.
#include <string>

#include "core/Program.h"

namespace tess {

constexpr int LIST_BLOCK_LINES = 33;

// The line of question position X (letter, sector, number, reference and the
// start of the text); empty for a letter that is not listed.
std::string listLine(const RunState& r, int X);

// The 73-character header of the list-file block of quiz q.
std::string listHeader(int q);

// The screen of an attempt to approve: rows 2..24 cleared, its specialty positions listed.
void drawQuizListing(Console& c, const RunState& r);

void writeListHeader(RunState& r);  // header and one empty line
void writeListBody(RunState& r);    // every position, then empty lines up to 33

}  // namespace tess
