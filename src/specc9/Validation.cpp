#include "specc9/Validation.h"

#include "core/Book.h"
#include "specc9/Form.h"

namespace tess {

void SETVS(Program& p) {
    for (int ch = 1; ch <= 28; ++ch) p.cfg.EVS[ch] = bookVerses(ch);
}

namespace {

// A verse above its chapter's last one is lowered to it and drawn again.
void keepVerseInChapter(Program& p, int chapter, int& verse, int row) {
    const int last = p.cfg.EVS[chapter];
    if (verse <= last) return;
    verse = last;
    p.con.textColor(colour::LightRed);
    p.con.textBackground(colour::Black);
    p.con.gotoXY(35, row);
    p.con.write(verse, 2);
}

}  // namespace

void SETBBK(Program& p) {
    p.cfg.BBK = " L";
    p.con.write(p.cfg.BBK.str());
    keepVerseInChapter(p, p.cfg.BCHAP, p.cfg.BVER, 6);
}

void SETBBK2(Program& p) {
    if (p.cfg.BCHAP > CHMAX) p.cfg.BCHAP = CHMAX;
}

void SETEBK(Program& p) {
    p.cfg.EBK = " L";
    p.con.write(p.cfg.EBK.str());
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

bool breaksRule(const StyleSettings& c, char setspc, int rule) {
    const bool byHand = setspc == 'Y';
    switch (rule) {
        case 1:
            return c.FMIN + c.RMIN + c.OMIN + c.SMIN > c.SPMIN;
        case 2:
            return c.FMAX + c.RMAX + c.OMAX + c.SMAX < c.SPMAX;
        case 3:
            return c.SPLATE > c.QMAX;
        case 4:
            return c.SPLATE + 1 - c.SPEARLY < c.SPMAX;
        case 5:
            return byHand && c.FMIN != c.FMAX;
        case 6:
            return byHand && c.RMIN != c.RMAX;
        case 7:
            return byHand && c.OMIN != c.OMAX;
        case 8:
            return byHand && c.SMIN != c.SMAX;
        case 9:
            return c.BCHAP > c.ECHAP || (c.BCHAP == c.ECHAP && c.BVER > c.EVER);
        default:
            return false;
    }
}

int firstFailingRule(const Program& p) {
    for (int rule = 1; rule <= COMPATIBILITY_RULES; ++rule)
        if (breaksRule(p.cfg, p.shared.SETSPC, rule)) return rule;
    return 0;
}

const char* ruleText(int rule) {
    switch (rule) {
        case 1:
            return "the specialty minimums add up to more than the total minimum";
        case 2:
            return "the specialty maximums add up to less than the total maximum";
        case 3:
            return "specialties may appear up to a position beyond the questions per pack";
        case 4:
            return "the positions where specialties may appear are fewer than the total maximum";
        case 5:
            return "with specialty question numbers set by hand, the FTV minimum must equal its maximum";
        case 6:
            return "with specialty question numbers set by hand, the CV Ref minimum must equal its maximum";
        case 7:
            return "with specialty question numbers set by hand, the CO Ref minimum must equal its maximum";
        case 8:
            return "with specialty question numbers set by hand, the Situation minimum must equal its maximum";
        case 9:
            return "the range ends before it begins";
        default:
            return "";
    }
}

int ERRMESS(Program& p) {
    const int rule = firstFailingRule(p);
    if (rule == 0) return 0;
    Console& c = p.con;
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
