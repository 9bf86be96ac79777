#pragma once
// What keeps a quiz style consistent: the book's verse table, the clamps that
// keep the range inside the book, the allowed primary-FTV percentages and the
// compatibility rules a style must pass before it can be accepted.
#include <array>
#include <string>
#include <string_view>

#include "core/Program.h"

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

// A rule a style must pass before it can be accepted. The form sends the
// cursor to `field`'s setting, the checker reports at its line, and a run with
// nobody at the keyboard quotes `text`.
struct CompatibilityRule {
    int id;                                               // the rules are checked in this order
    bool (*breaks)(const StyleSettings& s, bool byHand);  // byHand: "Set Specialty Quest nos" is Y
    const char* text;                                     // what it asks, for a message without the form
    std::string_view field;                               // the style setting that mends it
    std::string (*explain)(const StyleSettings& s);       // the checker's words, with the values
};

extern const std::array<CompatibilityRule, 9> COMPATIBILITY_RULES;

// The last rule: the range's begin after its end.
bool rangeRunsBackwards(const StyleSettings& s);
// Whether `setspc` ("Set Specialty Quest nos", as stored) sets the numbers by hand.
bool byHand(char setspc);
// The first rule the settings break, null when none.
const CompatibilityRule* firstFailingRule(const StyleSettings& s, char setspc);
const CompatibilityRule* firstFailingRule(const Program& p);

// The compatibility check: when a rule fails, says so on the title line,
// waits for Return and draws the title again. Returns the failing rule (null:
// compatible, nothing shown).
const CompatibilityRule* ERRMESS(Program& p);

}  // namespace tess
