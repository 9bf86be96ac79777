#include "console/Random.h"

#include <chrono>
#include <cstdlib>
#include <string>

namespace tess {

namespace {
std::uint64_t mix(std::uint64_t x) {  // splitmix64 finaliser
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}
std::uint64_t clockNow() {
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
}  // namespace

std::optional<std::uint64_t> parseSeed(std::string_view text) {
    if (text.empty() || text.size() > 20) return std::nullopt;
    std::uint64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        const auto d = static_cast<std::uint64_t>(c - '0');
        if (v > (UINT64_MAX - d) / 10) return std::nullopt;
        v = v * 10 + d;
    }
    return v;
}

std::optional<std::string> badSeedInEnvironment() {
    const char* s = std::getenv("TESSARIN_SEED");
    if (s == nullptr || *s == '\0' || parseSeed(s)) return std::nullopt;
    return std::string("TESSARIN_SEED='") + s + "' is not a seed (" + SEED_RANGE + ")";
}

Random::Random() {
    if (const char* s = std::getenv("TESSARIN_SEED"); s && *s && parseSeed(s)) {
        fixed_ = true;
        base_ = *parseSeed(s);
    } else {
        base_ = clockNow();
    }
    seedWith(base_);
}

Random::Random(std::uint64_t fixedSeed) : base_(fixedSeed), fixed_(true) { seedWith(base_); }

void Random::seedWith(std::uint64_t s) { gen_.seed(mix(s)); }

void Random::reseedGenerator() {
    ++reseeds_;
    const std::uint64_t salt = fixed_ ? 0 : clockNow();
    seedWith(mix(base_ ^ mix(reseeds_)) ^ salt);
}

int ScriptedRandom::standInDraw(int n) {
    if (draws_.empty()) {
        if (fallBack_) return draw(n);
        throw std::logic_error("scripted draws used up");
    }
    int d = draws_.front();
    draws_.pop_front();
    if (n <= 1) return 0;
    if (d < 0 || d >= n)
        throw std::logic_error("scripted draw " + std::to_string(d) + " not below " + std::to_string(n));
    return d;
}

}  // namespace tess
