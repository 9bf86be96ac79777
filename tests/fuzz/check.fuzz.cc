// The bank checker over any bytes, as each kind of file it knows: it names
// findings only on lines it read, and writes its report.
#include <sstream>

#include "FuzzSupport.h"
#include "check/Check.h"

using namespace tess;
using namespace tess::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const char* const names[] = {"Luke.A",    "FTV.00",     "cv.b",      "co.c",     "SIT.TXT",  "LLLuke.B",
                                        "llsit.txt", "Verses.txt", "Specs.lst", "Fuzz.spe", "count.00A"};
    if (size == 0) return 0;
    const std::string name = names[data[0] % (sizeof names / sizeof names[0])];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    writeScratch(name, text);
    const check::Report r = check::checkBank(scratchDir(), {name});
    FUZZ_CHECK(r.files.size() == 1 && r.files[0].file == name);
    for (const auto& f : r.files[0].findings) FUZZ_CHECK(f.line <= r.files[0].lines && !f.words().empty());
    std::ostringstream out;
    check::writeReport(out, r, 10);
    std::filesystem::remove(scratchDir() / name);
    return 0;
}
