#include "selection/SelectionRig.h"

#include "console/TextFile.h"
#include "material/SectorWalk.h"

namespace tess::testing {

void Rig::bank(const std::vector<int>& perSector, const TextFn& text, int before, int perVerse) {
    std::vector<std::string> lines;
    int ch = 1, v = 1;
    auto advance = [&] {
        if (++v > 80) {
            ++ch;
            v = 1;
        }
    };
    for (int i = 1; i <= before; ++i, advance())
        lines.push_back(bankLine(ch, v, "Before the range " + std::to_string(i)));
    r.BEFORE = before;
    r.QMAX = r.SECTORS = static_cast<int>(perSector.size());
    for (int s = 1; s <= r.SECTORS; ++s) {
        const int count = perSector[static_cast<std::size_t>(s - 1)];
        r.BC[s] = ch;
        r.BV[s] = v;
        for (int n = 1; n <= count; ++n) {
            lines.push_back(bankLine(ch, v, text(s, n)));
            r.EC[s] = ch;
            r.EV[s] = v;
            if (n % perVerse == 0 || n == count) advance();
        }
        r.QPS[s] = count;
    }
    writeFileAtomic(p.file(r.REGFILE), lines);
    forgetRangeLines(r);
    markAllAvailable(p);
}

std::string kindText(char kind, int s, int n) {
    const std::string id = std::to_string(s) + "." + std::to_string(n);
    switch (kind) {
        case 'R':
            return "WH\tWho asked question " + id + "?\tAnswer " + id;
        case 'O':
            return "WY\tWhy was item " + id + " said?\tAnswer " + id;
        case 'S':
            return "Who said this? \"Quote " + id + "\" *Speaker " + id;
        default:
            return "FP" + std::string(1, static_cast<char>('A' + (s + n) % 7)) + "\tVerse " + id + " goes on here";
    }
}

SpecialtyRig::SpecialtyRig(const std::vector<int>& regular, std::unique_ptr<Random> random) : Rig(std::move(random)) {
    bank(regular);
    r.CVFILE = "cv.b";
    r.COFILE = "co.b";
    r.SITFILE = "SIT.TXT";
    r.FTVFILE = "FTV.00";
    r.REPEATPCT = 0;
    r.Q2 = 1;
    openOutputs();
    freeAll();
}

void SpecialtyRig::kind(char k, const std::vector<int>& counts, KindText text, int before) {
    if (!text) text = [k](int s, int n) { return kindText(k, s, n); };
    std::vector<std::string> lines;
    for (int i = 1; i <= before; ++i) lines.push_back(bankLine(1, 1, kindText(k, 0, i)));
    auto& ps = pools(k);
    for (int s = 1; s <= r.SECTORS; ++s) {
        const int span = r.EV[s] - r.BV[s] + 1;  // the rig's sectors stay inside chapter 1
        const int count = s <= static_cast<int>(counts.size()) ? counts[static_cast<std::size_t>(s - 1)] : 0;
        for (int n = 1; n <= count; ++n) {
            lines.push_back(bankLine(r.BC[s], r.BV[s] + (n - 1) % span, text(s, n)));
            expected[k][{s, n}] = lines.back();
        }
        ps[s] = count;
    }
    writeFileAtomic(p.file(fileOf(k)), lines);
    forgetRangeLines(r);
    beforeOf(k) = before;
    if (k == 'F') r.TEMPF = before;
    markAllAvailable(p);
}

void SpecialtyRig::freeAll() {
    for (int s = 1; s <= r.SECTORS; ++s) r.FLAG[s] = 1;
    r.LAST = r.LASTO = 99;
    r.SECOND = 0;
}

void SpecialtyRig::pass(char k, int q, const std::string& pat) {
    r.Q2 = q;
    r.PAT[q] = pat;
    r.TYP = pat;
    runSpecialtyPass(p, k);
}

}  // namespace tess::testing
