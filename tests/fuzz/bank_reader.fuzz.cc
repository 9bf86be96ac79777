// Bank lines: the reference parser, the skip rule, the bank reader over a
// whole file, and the interrogative test on each line.
#include "FuzzSupport.h"
#include "material/BankFile.h"
#include "material/Interrogative.h"
#include "support/Luke.h"

using namespace tess;
using namespace tess::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    RunState run;
    const std::uint8_t mode = in.take();
    run.LG = (mode & 1) ? 'L' : ' ';
    const Material material;
    const LeftOut& leftOut = material.leftOut(run.LG);
    for (int ch = 1; ch <= LUKE_CHAPTERS; ++ch) {
        // The book's table, an unset one, or odd counts from the input.
        if ((mode & 6) == 0)
            run.EVS[ch] = lukeVerses(ch);
        else if ((mode & 6) == 2)
            run.EVS[ch] = 0;
        else
            run.EVS[ch] = static_cast<signed char>(in.take());
    }
    const std::string_view text = in.rest();

    // Each line on its own.
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t e = text.find('\n', at);
        if (e == std::string_view::npos) e = text.size();
        const std::string_view line = text.substr(at, e - at);
        auto ref = parseBankRef(line);
        const bool counted = !rejectReason(line, run.EVS, LUKE_CHAPTERS, leftOut);
        if (counted) {
            FUZZ_CHECK(ref.has_value());
            FUZZ_CHECK(ref->chapter >= 1 && ref->chapter <= LUKE_CHAPTERS);
            FUZZ_CHECK(ref->verse >= 1 && ref->verse <= VMAX);
            FUZZ_CHECK(!leftOut.has(ref->chapter));
        }
        (void)isInterrogative(line);
        at = e + 1;
    }

    // The whole input as a bank file.
    const std::string path = writeScratch("bank.txt", text);
    BankReader reader(path, run, leftOut);
    FUZZ_CHECK(reader.isOpen());
    BankRef ref;
    std::size_t lines = 0, last = 0;
    while (auto line = reader.next(&ref)) {
        FUZZ_CHECK(line->size() <= BANK_LINE_MAX);
        FUZZ_CHECK(ref.chapter >= 1 && ref.chapter <= LUKE_CHAPTERS && ref.verse >= 1 && ref.verse <= VMAX);
        FUZZ_CHECK(reader.fileLine() > last);
        last = reader.fileLine();
        FUZZ_CHECK(++lines <= text.size() + 1);
        (void)isInterrogative(*line);
    }
    return 0;
}
