#pragma once
#include "core/Program.h"

namespace tess {

// Sectoring by verses: SECTORS consecutive sectors whose boundaries fall
// between verses, with the largest even share of regular questions that
// still leaves part of the range over; that remainder goes to the last
// sector. Sets MINQZ to the smaller share. False (MINQZ -1) when no layout
// fits; the caller then sectors by single questions.
bool VERSESEC(Program& p);

}  // namespace tess
