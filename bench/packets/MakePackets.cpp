// Makes the 135-quiz packet and list files that whole commands are timed on
// (docs/measurements.md): the benchmarks' style with 20 specialties, verse
// sectored, run whole as tessarin run runs a style (Return at every prompt)
// with the benchmarks' seed.
//   tessarin_make_packets DIR   writes DIR/p135.qui, DIR/c135.qui, DIR/t135.qui and their .inf
#include <cstdio>
#include <exception>
#include <filesystem>

#include "SampleBank.h"
#include "run/BatchRun.h"

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    if (argc != 2) {
        std::fputs("usage: tessarin_make_packets DIR\n", stderr);
        return 2;
    }
    const fs::path dir = argv[1];
    fs::create_directories(dir);
    for (const char layout : {'P', 'C', 'T'}) {
        tess::bench::Workspace w;
        auto style = tess::bench::benchStyle('V', 'Y', 20);
        style[5] = std::string(1, layout);  // OUT
        w.style("bench", style);
        tess::Random rnd{tess::bench::SEED};
        tess::Program p(rnd, w.dir());
        tess::PressOnAsk pressOn;
        if (tess::runStoredStyle(p, pressOn, "bench") != tess::BatchEnd::Done) {
            std::fprintf(stderr, "tessarin_make_packets: the %c run stopped\n", layout);
            return 1;
        }
        const std::string name = std::string(1, static_cast<char>(layout + ('a' - 'A'))) + "135";
        for (const char* ext : {".qui", ".inf"})
            fs::copy_file(w.dir() / (std::string("bench") + ext), dir / (name + ext),
                          fs::copy_options::overwrite_existing);
    }
    return 0;
}
