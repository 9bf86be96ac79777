// The season file: any bytes are read or refused by line, never crash; what
// is read is written back and read again to the same meets.
#include "FuzzSupport.h"
#include "core/Season.h"

using namespace tess;
using namespace tess::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    const std::string_view text = in.rest();
    std::vector<std::string> lines;
    for (std::size_t at = 0; at <= text.size();) {
        std::size_t e = text.find('\n', at);
        if (e == std::string_view::npos) e = text.size();
        lines.emplace_back(text.substr(at, e - at));
        at = e + 1;
    }
    const SeasonRead read = parseSeason(lines);
    if (read.fault) {
        FUZZ_CHECK(read.fault->line >= 1 && read.fault->line <= lines.size());
        FUZZ_CHECK(read.season.meets.empty());
        return 0;
    }
    const std::vector<std::string> written = seasonLines(read.season);
    const SeasonRead again = parseSeason(written);
    FUZZ_CHECK(!again.fault);
    FUZZ_CHECK(seasonLines(again.season) == written);
    return 0;
}
