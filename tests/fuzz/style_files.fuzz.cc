// The settings files of a run: style file, verse table, run settings and
// patterns, each read from the same fuzz bytes; and a style loaded on the
// form, saved and loaded again must come back the same.
#include "FuzzSupport.h"
#include "core/StyleFile.h"
#include "specc9/StyleLibrary.h"
#include "support/Luke.h"

using namespace tess;
using namespace tess::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    const int qz = in.range(-2, QQZ + 3);
    const std::string_view text = in.rest();
    const std::string path = writeScratch("style.sty", text);

    StyleSettings s;
    SharedSettings shared;
    std::vector<std::string> notes;
    if (readStyleFile(path, s, shared, notes)) {
        FUZZ_CHECK(s.BCHAP >= 1 && s.BCHAP <= LUKE_CHAPTERS && s.ECHAP >= 1 && s.ECHAP <= LUKE_CHAPTERS);
        FUZZ_CHECK(s.BVER >= 1 && s.BVER <= lukeVerses(s.BCHAP));
        FUZZ_CHECK(s.EVER >= 1 && s.EVER <= lukeVerses(s.ECHAP));
        FUZZ_CHECK(s.LPP >= 18 && s.LPP <= 500);
        FUZZ_CHECK(s.QMAX >= 1 && s.QMAX <= QMAX_STORED_MAX);
        FUZZ_CHECK(s.QNUM >= 1 && s.QNUM <= QQZ);
        FUZZ_CHECK(s.SPEARLY >= 1 && s.SPEARLY <= s.SPLATE && s.SPLATE <= SCMAX);
        FUZZ_CHECK(shared.REGLST >= 'A' && shared.REGLST <= 'D');
        FUZZ_CHECK(shared.PRIMPCT >= 0 && shared.PRIMPCT <= 100);
        FUZZ_CHECK(s.TYP.size() == 30);
        RunState run;
        run.LG = s.LG;
        buildBankNames(run, shared);
        for (const auto* n : {&run.REGFILE, &run.FTVFILE, &run.CVFILE, &run.COFILE, &run.SITFILE, &run.COUNTFILE})
            FUZZ_CHECK(isPlainFileName(*n));
    } else {
        FUZZ_CHECK(notes.size() == 1);
    }
    (void)isPlainFileName(text);
    (void)primDigits(static_cast<int>(qz * 7 - 20));

    Arr<int, 1, MATERIAL_CHAPTERS_MAX> evs{};
    std::string error;
    if (readVerseTable(path, Material::luke(), evs, error))
        for (int ch = 1; ch <= LUKE_CHAPTERS; ++ch) FUZZ_CHECK(evs[ch] == lukeVerses(ch));
    else
        FUZZ_CHECK(!error.empty());

    if (auto first = readRunSettings(path)) FUZZ_CHECK(first->size() <= 14);

    Arr<FixedText<30>, 1, QQZ> pat;
    readPatterns(path, pat, qz);
    for (int q = 1; q <= qz && q <= QQZ; ++q) FUZZ_CHECK(pat[q].size() == 30);

    Random rnd(1);
    Program p(rnd, scratchDir());
    writeScratch("Fz.spe", text);
    std::vector<std::string> told;
    if (READIN(p, "Fz", told)) {
        const auto saved = styleLines(p);
        FUZZ_CHECK(writeFileAtomic(p.file("Fz2.spe"), saved));
        Program again(rnd, scratchDir());
        FUZZ_CHECK(READIN(again, "Fz2", told));
        FUZZ_CHECK(styleLines(again) == saved);
    }
    return 0;
}
