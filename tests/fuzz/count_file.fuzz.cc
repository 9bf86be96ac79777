// The count file loader. A raw input rarely gets past the first of 2040
// lines, so most inputs are a sound file up to some line and fuzz bytes
// from there on.
#include "FuzzSupport.h"
#include "material/CountFile.h"
#include "support/Luke.h"

using namespace tess;
using namespace tess::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    const std::uint8_t mode = in.take();
    std::string text;
    if (mode & 1) {
        const int keep = (in.take() << 8 | in.take()) % ((LUKE_CHAPTERS * VMAX) + 1);
        RunState sound;
        for (int ch = 1; ch <= LUKE_CHAPTERS; ++ch)
            for (int v = 1; v <= VMAX; ++v) sound.QCOUNT(ch, v) = (ch * 7 + v) % 5;
        const auto lines = countFileLines(sound);
        for (int i = 0; i < keep; ++i) text += lines[static_cast<std::size_t>(i)] + ((mode & 2) ? "\r\n" : "\n");
    }
    text += in.rest();
    const std::string path = writeScratch("count.txt", text);

    RunState run;
    if (loadCountFile(run, path)) {
        for (int ch = 1; ch <= LUKE_CHAPTERS; ++ch)
            for (int v = 1; v <= VMAX; ++v) FUZZ_CHECK(run.QCOUNT(ch, v) == 0 && run.SCOUNT(ch, v) == 0);
    } else {
        for (int ch = 1; ch <= LUKE_CHAPTERS; ++ch)
            for (int v = 1; v <= VMAX; ++v)
                for (const Counts* t : {&run.QCOUNT, &run.FCOUNT, &run.RCOUNT, &run.OCOUNT, &run.SCOUNT})
                    FUZZ_CHECK((*t)(ch, v) >= 0 && (*t)(ch, v) <= 65535);
        // A loaded file is written back line for line.
        const auto back = countFileLines(run);
        FUZZ_CHECK(back.size() == static_cast<std::size_t>((LUKE_CHAPTERS * VMAX)));
    }
    return 0;
}
