#pragma once
// Shared by the fuzz harnesses: the readers under test take file paths, so
// each input is written to a scratch file of this process first. A harness
// aborts on a broken invariant, so libFuzzer keeps the input as a crash.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "support/ScratchDir.h"

namespace tess::fuzz {

// One scratch folder per fuzzing process, removed when it exits.
inline const std::filesystem::path& scratchDir() {
    static const tess::testing::ScratchDir d;
    return d.path();
}

inline std::string writeScratch(const std::string& name, std::string_view bytes) {
    const std::string path = (scratchDir() / name).string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

#define FUZZ_CHECK(cond)                                                                      \
    do {                                                                                      \
        if (!(cond)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                     \
        }                                                                                     \
    } while (0)

// Takes bytes off the front of the input for the harness's own choices.
class Bytes {
public:
    Bytes(const std::uint8_t* d, std::size_t n) : d_(d), n_(n) {}
    std::uint8_t take() {
        if (n_ == 0) return 0;
        --n_;
        return *d_++;
    }
    int range(int lo, int hi) { return lo + take() % (hi - lo + 1); }
    std::string_view rest() const { return {reinterpret_cast<const char*>(d_), n_}; }

private:
    const std::uint8_t* d_;
    std::size_t n_;
};

}  // namespace tess::fuzz
