// Makes the 135-quiz packet and list files that whole commands are timed on
// (docs/measurements.md): the benchmarks' style with 20 specialties, verse
// sectored, run whole on the in-memory screen with Return at every prompt
// and the benchmarks' seed.
//   tessarin_make_packets DIR   writes DIR/p135.qui, DIR/c135.qui, DIR/t135.qui and their .inf
#include <cstdio>
#include <exception>
#include <filesystem>

#include "SampleBank.h"

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
        tess::writeFileAtomic(w.file("temp2.txt"), {"bench"});
        tess::ScreenConsole con;
        tess::Random rnd{tess::bench::SEED};
        tess::Program p(con, rnd, w.dir());
        p.configure = tess::useStoredStyle;
        for (int i = 0; i < 3000; ++i) con.enter();
        try {
            tess::runOnce(p);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "tessarin_make_packets: the %c run stopped: %s\n", layout, e.what());
            return 1;
        }
        const std::string name = std::string(1, static_cast<char>(layout + ('a' - 'A'))) + "135";
        for (const char* ext : {".qui", ".inf"})
            fs::copy_file(w.dir() / (std::string("bench") + ext), dir / (name + ext), fs::copy_options::overwrite_existing);
    }
    return 0;
}
