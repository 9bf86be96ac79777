#pragma once
// What keeps a quiz style consistent: the book's verse table, the clamps that
// keep the range inside the book, the allowed primary-FTV percentages and the
// compatibility rules a style must pass before it can be accepted.
#include "run/Program.h"

namespace tess {

// Fills the form's verse table (chapters 1..24; 25..28 stay 0).
void SETVS(Program& p);

// Book code of the begin row again (" L", written at the cursor); the begin
// verse is lowered to its chapter's last verse if larger (redrawn at 35,6).
void SETBBK(Program& p);
// The begin chapter lowered to 24 if larger.
void SETBBK2(Program& p);
// As SETBBK for the end row (verse redrawn at 35,8).
void SETEBK(Program& p);

// The allowed primary-FTV percentage for a typed value: each FTV file the
// bank has, the nearest above for the values between.
int primAllowed(int typed);
// Replaces PRIMPCT by its allowed value.
void PRIM(Program& p);

inline constexpr int COMPATIBILITY_RULES = 9;
// Whether settings `s` break compatibility rule `rule` (1..9); `setspc` is
// "Set Specialty Quest nos".
bool breaksRule(const StyleSettings& s, char setspc, int rule);
// The first compatibility rule (1..9) the settings break, 0 when none.
int firstFailingRule(const Program& p);

// What a compatibility rule (1..9) asks, for a message without the form.
const char* ruleText(int rule);

// The compatibility check: when a rule fails, says so on the title line,
// waits for Return and draws the title again. Returns the failing rule (0:
// compatible, nothing shown).
int ERRMESS(Program& p);

}  // namespace tess
