// Whole runs of the driver on a small bank made from the fuzz bytes, with a
// style and a key script also taken from them: sectoring, selection and
// output together. A run may end at the title (RestartRun) or when the keys
// run out; any other exception or a sanitizer report is a finding.
#include "FuzzSupport.h"
#include "console/ScreenConsole.h"
#include "run/Driver.h"
#include "run/ScreenAsk.h"
#include "specc9/Config.h"
#include "support/Luke.h"

using namespace tess;
using namespace tess::fuzz;

namespace {

std::string ref(int ch, int v) {
    std::string s = ch < 10 ? " " + std::to_string(ch) : std::to_string(ch);
    s += ':';
    s += v < 10 ? " " + std::to_string(v) : std::to_string(v);
    return s;
}

void writeLines(const std::filesystem::path& dir, const std::string& name, const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) s += l + "\r\n";
    std::ofstream(dir / name, std::ios::binary | std::ios::trunc) << s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    const auto dir = scratchDir() / "run";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);

    // The style.
    const bool lset = in.take() & 1;
    const int bchap = in.range(1, LUKE_CHAPTERS);
    const int echap = std::min(LUKE_CHAPTERS, bchap + in.range(0, 1));
    int bver = in.range(1, lukeVerses(bchap));
    int ever = in.range(1, lukeVerses(echap));
    if (bchap == echap && bver > ever) std::swap(bver, ever);
    const char out[] = {'C', 'P', 'T', 'c'};
    const char sec[] = {'V', 'C', 'Q', 'v'};
    std::vector<std::string> style = {
        lset ? "L" : " ",
        std::to_string(bchap) + " " + std::to_string(bver),
        std::to_string(echap) + " " + std::to_string(ever),
        "fz",
        std::to_string(in.range(10, 80)),
        std::string(1, out[in.take() % 4]),
        std::to_string(in.range(1, 32)),
        "A",
        std::to_string(in.range(1, 30)),
        std::to_string(in.range(0, 100)),
        "Y",
        std::to_string(in.range(1, 8)),
        std::string(1, sec[in.take() % 4]),
        std::to_string(in.range(0, 100)),
    };
    // Specialty limits that agree with each other (others only reach the
    // style check): the kind minimums fit the total and the positions.
    int kmax[4], kmin[4], minSum = 0, maxSum = 0;
    for (int i = 0; i < 4; ++i) {
        kmax[i] = in.range(0, 4);
        kmin[i] = std::min(kmax[i], in.take() % 4 == 0 ? 1 : 0);
        minSum += kmin[i];
        maxSum += kmax[i];
    }
    const int spmin = std::min(maxSum, minSum + in.range(0, 1));
    const int spmax = std::max(spmin, std::min(maxSum, in.range(0, 10)));
    style.push_back(std::to_string(spmax));
    style.push_back(std::to_string(spmin));
    for (int i = 0; i < 4; ++i) {
        style.push_back(std::to_string(kmax[i]));
        style.push_back(std::to_string(kmin[i]));
    }
    style.push_back(in.take() & 1 ? "100" : "0");  // FTV.00 either way
    const int early = in.range(1, 10);
    style.push_back(std::to_string(early));
    style.push_back(std::to_string(std::min(30, early + in.range(9, 20))));
    style.push_back("N");
    std::string typ;
    const char kinds[] = "nnAARSFO";
    for (int i = 0; i < 30; ++i) typ += kinds[in.take() % 8];
    style.push_back(typ);
    writeLines(dir, "fz.spe", style);
    writeLines(dir, "temp2.txt", {"fz"});
    std::vector<std::string> verses;
    for (int ch = 1; ch <= LUKE_CHAPTERS; ++ch) verses.push_back(std::to_string(lukeVerses(ch)));
    writeLines(dir, "Verses.txt", verses);

    // The bank: each verse near the range gets what one byte says.
    std::vector<std::string> reg, ftv, cv, co, sit;
    for (int ch = std::max(1, bchap - 1); ch <= std::min(LUKE_CHAPTERS, echap + 1); ++ch)
        for (int v = 1; v <= lukeVerses(ch); ++v) {
            const std::uint8_t b = in.take();
            const std::string r = ref(ch, v);
            for (int k = 0; k < (b & 3); ++k)
                reg.push_back(r + ((b & 128) ? "\tWhat did he say here, number " : "\tHe said this, number ") +
                              std::to_string(k) + "?\tThe answer is long enough to need a second line of text.");
            if (b & 4)
                ftv.push_back(
                    r +
                    ((b & 64) ? "\tQPN1\tThe words of the verse" : "\tFN\tfinish this: one two three four five six") +
                    "\tseven eight nine ten eleven twelve.");
            if (b & 8) cv.push_back(r + "\tCV\tWho spoke?\tThe angel.");
            if (b & 16) co.push_back(r + "\tCO\tWho came?\tThe shepherds.");
            if (b & 32) sit.push_back(r + "\tWho said this? \"Fear not\" *The angel to Mary");
        }
    const std::string pre = lset ? "LL" : "";
    writeLines(dir, pre + "Luke.A", reg);
    writeLines(dir, pre + "FTV.00", ftv);
    writeLines(dir, pre + "cv.b", cv);
    writeLines(dir, pre + "co.b", co);
    writeLines(dir, lset ? "llsit.txt" : "SIT.TXT", sit);

    // The keys.
    ScreenConsole con;
    const int keyChoice[] = {key::Return, key::Return, key::Return, 'y', 'n', 'Y', 'x', key::Esc};
    for (int i = 0, n = in.range(0, 60); i < n; ++i) {
        const std::uint8_t k = in.take();
        if (k >= 248)
            con.key(0).key(k & 1 ? key::Up : key::Down);
        else
            con.key(keyChoice[k % 8]);
    }
    con.key(key::Return).key(key::Return).key(key::Return).key(key::Return);

    Random rnd(in.take());
    ScreenAsk screen(con);
    Program p(rnd, dir);
    p.asker = &screen;
    p.configure = useStoredStyle;
    try {
        runOnce(p);
    } catch (const RestartRun&) {
    } catch (const ScriptExhausted&) {
    }
    // FUZZ_SHOW=1 prints every screen a key was read at, for a look at one input.
    if (std::getenv("FUZZ_SHOW"))
        for (const auto& screen : con.snapshots()) std::fprintf(stderr, "%s\n", screen.c_str());
    if (std::getenv("FUZZ_TABLE"))
        for (int s = 1; s <= p.run.SECTORS; ++s)
            std::fprintf(stderr, "%2d %2d:%2d-%2d:%2d q%d f%d tf%d r%d o%d s%d\n", s, p.run.BC[s], p.run.BV[s],
                         p.run.EC[s], p.run.EV[s], p.run.QPS[s], p.run.FPS[s], p.run.TFPS[s], p.run.RPS[s],
                         p.run.OPS[s], p.run.SPS[s]);
    // The index was built by this very run, so the bank can never be
    // reported as out of step with it.
    for (auto screen : con.snapshots()) {
        std::erase(screen, '\n');
        FUZZ_CHECK(screen.find("is out of date") == std::string::npos);
    }

    return 0;
}
