#include "specc9/Validation.h"

#include <string>

#include "specc9/Form.h"

namespace tess {

void SETVS(Program& p) {
    for (int ch = 1; ch <= MATERIAL_CHAPTERS_MAX; ++ch) p.cfg.EVS[ch] = p.material.verses(ch);
}

namespace {

// A verse above its chapter's last one is lowered to it and drawn again.
void keepVerseInChapter(Program& p, int chapter, int& verse, int row) {
    const int last = p.cfg.EVS[chapter];
    if (verse <= last) return;
    verse = last;
    screenOf(p).textColor(colour::LightRed);
    screenOf(p).textBackground(colour::Black);
    screenOf(p).gotoXY(35, row);
    screenOf(p).write(verse, 2);
}

}  // namespace

void SETBBK(Program& p) {
    p.cfg.BBK = " L";
    screenOf(p).write(p.cfg.BBK.str());
    keepVerseInChapter(p, p.cfg.BCHAP, p.cfg.BVER, 6);
}

void SETBBK2(Program& p) {
    if (p.cfg.BCHAP > p.material.chapters()) p.cfg.BCHAP = p.material.chapters();
}

void SETEBK(Program& p) {
    p.cfg.EBK = " L";
    screenOf(p).write(p.cfg.EBK.str());
    keepVerseInChapter(p, p.cfg.ECHAP, p.cfg.EVER, 8);
}

int primAllowed(int v) {
    if (v > 100) return 100;
    if (v >= 97) return v;
    if (v >= 91) return 99;
    if (v >= 88) return v;
    if (v >= 81) return 89;
    if (v >= 78) return v;
    if (v >= 71) return 79;
    if (v >= 68) return v;
    if (v >= 61) return 69;
    if (v >= 57) return v;
    if (v >= 54) return 59;
    if (v >= 51) return v;
    return 59;
}

void PRIM(Program& p) { p.shared.PRIMPCT = primAllowed(p.shared.PRIMPCT); }

namespace {

std::string num(int n) { return std::to_string(n); }
std::string ref(int c, int v) { return num(c) + ":" + num(v); }

// Rules 5 to 8: a kind whose question numbers are set by hand has one count.
template <int StyleSettings::*Min, int StyleSettings::*Max>
bool unequalByHand(const StyleSettings& s, bool hand) {
    return hand && s.*Min != s.*Max;
}
template <int StyleSettings::*Min, int StyleSettings::*Max>
std::string unequalWhy(const char* kind, const StyleSettings& s) {
    return "with \"Set Specialty Quest nos\" Y the " + std::string(kind) +
           " minimum and maximum must be equal (they are " + num(s.*Min) + " and " + num(s.*Max) + ")";
}

}  // namespace

bool rangeRunsBackwards(const StyleSettings& s) { return s.BCHAP > s.ECHAP || (s.BCHAP == s.ECHAP && s.BVER > s.EVER); }

const std::array<CompatibilityRule, 9> COMPATIBILITY_RULES = {{
    {1, [](const StyleSettings& s, bool) { return s.FMIN + s.RMIN + s.OMIN + s.SMIN > s.SPMIN; },
     "the specialty minimums add up to more than the total minimum", "SPMIN",
     [](const StyleSettings& s) {
         return "the minimums of the four kinds (FTV " + num(s.FMIN) + ", CV " + num(s.RMIN) + ", CO " + num(s.OMIN) +
                ", Situation " + num(s.SMIN) + ") add up to more than the total minimum " + num(s.SPMIN) +
                ": raise the total minimum or lower a kind's";
     }},
    {2, [](const StyleSettings& s, bool) { return s.FMAX + s.RMAX + s.OMAX + s.SMAX < s.SPMAX; },
     "the specialty maximums add up to less than the total maximum", "SPMAX",
     [](const StyleSettings& s) {
         return "the maximums of the four kinds add up to " + num(s.FMAX + s.RMAX + s.OMAX + s.SMAX) +
                ", less than the total maximum " + num(s.SPMAX) + ": lower the total maximum or raise a kind's";
     }},
    {3, [](const StyleSettings& s, bool) { return s.SPLATE > s.QMAX; },
     "specialties may appear up to a position beyond the questions per pack", "SPLATE",
     [](const StyleSettings& s) {
         return "specialties may appear up to question " + num(s.SPLATE) + ", but a quiz has " + num(s.QMAX) +
                " questions: lower the last specialty question";
     }},
    {4, [](const StyleSettings& s, bool) { return s.SPLATE + 1 - s.SPEARLY < s.SPMAX; },
     "the positions where specialties may appear are fewer than the total maximum", "SPLATE",
     [](const StyleSettings& s) {
         return "specialties may appear on questions " + num(s.SPEARLY) + " to " + num(s.SPLATE) +
                ", fewer than the total maximum " + num(s.SPMAX) + ": widen that range or lower the total maximum";
     }},
    {5, unequalByHand<&StyleSettings::FMIN, &StyleSettings::FMAX>,
     "with specialty question numbers set by hand, the FTV minimum must equal its maximum", "FMIN",
     [](const StyleSettings& s) { return unequalWhy<&StyleSettings::FMIN, &StyleSettings::FMAX>("FTV", s); }},
    {6, unequalByHand<&StyleSettings::RMIN, &StyleSettings::RMAX>,
     "with specialty question numbers set by hand, the CV Ref minimum must equal its maximum", "RMIN",
     [](const StyleSettings& s) { return unequalWhy<&StyleSettings::RMIN, &StyleSettings::RMAX>("CV Ref", s); }},
    {7, unequalByHand<&StyleSettings::OMIN, &StyleSettings::OMAX>,
     "with specialty question numbers set by hand, the CO Ref minimum must equal its maximum", "OMIN",
     [](const StyleSettings& s) { return unequalWhy<&StyleSettings::OMIN, &StyleSettings::OMAX>("CO Ref", s); }},
    {8, unequalByHand<&StyleSettings::SMIN, &StyleSettings::SMAX>,
     "with specialty question numbers set by hand, the Situation minimum must equal its maximum", "SMIN",
     [](const StyleSettings& s) { return unequalWhy<&StyleSettings::SMIN, &StyleSettings::SMAX>("Situation", s); }},
    {9, [](const StyleSettings& s, bool) { return rangeRunsBackwards(s); }, "the range ends before it begins", "BCHAP",
     [](const StyleSettings& s) {
         return "the range runs backwards: it begins at " + ref(s.BCHAP, s.BVER) + ", after its end " +
                ref(s.ECHAP, s.EVER);
     }},
}};

bool byHand(char setspc) { return setspc == 'Y'; }

const CompatibilityRule* firstFailingRule(const StyleSettings& s, char setspc) {
    for (const CompatibilityRule& r : COMPATIBILITY_RULES)
        if (r.breaks(s, byHand(setspc))) return &r;
    return nullptr;
}

const CompatibilityRule* firstFailingRule(const Program& p) { return firstFailingRule(p.cfg, p.shared.SETSPC); }

const CompatibilityRule* ERRMESS(Program& p) {
    const CompatibilityRule* rule = firstFailingRule(p);
    if (!rule) return nullptr;
    Console& c = screenOf(p);
    c.gotoXY(15, 3);
    c.textColor(colour::White);
    c.textBackground(colour::Red);
    c.write("Incompatible Specs -- Press Return to go to Error ");
    c.textBackground(colour::Black);
    c.textColor(colour::LightRed);
    while (c.readKey() != key::Return) {
    }
    QCON2(p);
    return rule;
}

}  // namespace tess
