#pragma once
// Random(n): a uniform integer in 0..n-1. Seeded from the clock at start, or
// fixed by the environment variable TESSARIN_SEED for a reproducible run.
// Re-seeding mixes a high-resolution clock and a counter into the state, so
// two re-seeds in a row never replay the same numbers; under a fixed seed it
// stays deterministic. Tests can script the draws to reach rare cases.
//
// A run draws well over a million numbers and re-seeds thousands of times, so
// a draw is inline (no virtual call: a stand-in is a flag tested once) and a
// re-seed computes only the state its draws reach (Mt64). The numbers are
// those of std::uniform_int_distribution over std::mt19937_64.
#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tess {

// The numbers of std::mt19937_64, seeded lazily. Seeding the library's engine
// fills all 312 words of its state and the first draw twists all of them,
// whereas a re-seed here is followed by a few dozen draws: this engine makes
// the words of the first block a few at a time as the draws reach them (word
// k needs the seeding up to word k + 156), and twists whole blocks as the
// library does after that. The words are tempered when they are made, so a
// draw is one test and one load. Tests hold it to std::mt19937_64 number for
// number.
class Mt64 {
public:
    using result_type = std::uint64_t;
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return ~result_type(0); }

    explicit Mt64(result_type s = 5489u) { seed(s); }
    void seed(result_type s) {
        x_[0] = s;
        seeded_ = 0;
        p_ = 0;
        ready_ = 0;
    }
    result_type operator()() {
        if (p_ >= ready_) [[unlikely]]
            makeWords();
        return out_[p_++];
    }

private:
    static constexpr std::size_t N = 312, M = 156;
    static constexpr result_type UPPER = ~result_type(0) << 31, LOWER = ~UPPER;
    // Words of the first block made at a time: a re-seed is followed by a
    // few dozen draws, so a few words made in vain cost less than a call per
    // draw.
    static constexpr std::size_t BATCH = 16;

    // The twist of one word. The matrix is taken by a mask, not a branch:
    // its condition is a random bit, so a branch is mispredicted half the time.
    static result_type twist(result_type word, result_type next, result_type far) {
        const result_type y = (word & UPPER) | (next & LOWER);
        return far ^ (y >> 1) ^ (-(y & 1) & 0xB5026F5AA96619E9ULL);
    }
    static result_type temper(result_type z) {
        z ^= (z >> 29) & 0x5555555555555555ULL;
        z ^= (z << 17) & 0x71D67FFFEDA60000ULL;
        z ^= (z << 37) & 0xFFF7EEE000000000ULL;
        return z ^ (z >> 43);
    }

    // Until a re-seed's first block is whole, its next words; then a twist.
    [[gnu::noinline]] void makeWords() {
        if (ready_ < N)
            makeFirstBlockWords();
        else
            twistAll();
    }
    // Words p_.. of the first block, with their seeding first. The words
    // below k + 156 are never twisted before word k reads them, so the
    // seeding can run in place, just ahead of the twist.
    void makeFirstBlockWords() {
        const std::size_t end = p_ + BATCH < N ? p_ + BATCH : N;
        const std::size_t need = end - 1 + M < N ? end - 1 + M : N - 1;
        while (seeded_ < need) {
            const result_type w = x_[seeded_];
            ++seeded_;
            x_[seeded_] = (w ^ (w >> 62)) * 6364136223846793005ULL + seeded_;
        }
        for (std::size_t k = p_; k < end; ++k) {
            x_[k] = twist(x_[k], x_[k + 1 < N ? k + 1 : 0], x_[k + M < N ? k + M : k + M - N]);
            out_[k] = temper(x_[k]);
        }
        ready_ = end;
    }
    // In three runs, as the library does, so that no word asks where its
    // neighbours wrap around (and the runs can be vectorized).
    void twistAll() {
        std::size_t k = 0;
        for (; k < N - M; ++k) x_[k] = twist(x_[k], x_[k + 1], x_[k + M]);
        for (; k < N - 1; ++k) x_[k] = twist(x_[k], x_[k + 1], x_[k + M - N]);
        x_[N - 1] = twist(x_[N - 1], x_[0], x_[M - 1]);
        for (k = 0; k < N; ++k) out_[k] = temper(x_[k]);
        p_ = 0;
        ready_ = N;
    }

    result_type x_[N];        // the state
    result_type out_[N];      // its words tempered: the numbers
    std::size_t seeded_ = 0;  // words of the seeding made so far (0..seeded_)
    std::size_t p_ = 0;       // the next number to hand out
    std::size_t ready_ = 0;   // numbers made: out_[p_..ready_ - 1]
};

// A uniform number in 0..n-1 (n >= 1) from a 64-bit engine, exactly as
// libstdc++'s std::uniform_int_distribution<int>(0, n - 1) makes it from
// such an engine (Lemire's nearly divisionless method), written out so that
// it inlines into the drawing loops. A test holds it to the library.
template <class Engine>
inline int uniformBelow(Engine& g, int n) {
    __extension__ typedef unsigned __int128 Wide;
    const auto range = static_cast<std::uint64_t>(n);
    Wide product = static_cast<Wide>(g()) * range;
    auto low = static_cast<std::uint64_t>(product);
    if (low < range) [[unlikely]] {
        const std::uint64_t threshold = -range % range;
        while (low < threshold) {
            product = static_cast<Wide>(g()) * range;
            low = static_cast<std::uint64_t>(product);
        }
    }
    return static_cast<int>(product >> 64);
}

// A seed as a user writes it (TESSARIN_SEED, --seed): decimal digits only,
// 0 to 2^64-1. Nothing else, not even a sign or a blank, is a seed.
std::optional<std::uint64_t> parseSeed(std::string_view text);
// What a seed is, for the messages that refuse one.
inline constexpr const char* SEED_RANGE = "a number from 0 to 18446744073709551615";
// Why TESSARIN_SEED cannot seed a run, or nothing when it is unset, empty
// or a seed; the command line refuses to start with it.
std::optional<std::string> badSeedInEnvironment();

class Random {
public:
    Random();                                  // clock, or TESSARIN_SEED when set
    explicit Random(std::uint64_t fixedSeed);  // deterministic
    virtual ~Random() = default;

    int operator()(int n) {  // a number in 0..n-1; n <= 1 gives 0
        if (standIn_) [[unlikely]]
            return standInDraw(n);
        return draw(n);
    }
    void reseed() {
        if (standIn_) [[unlikely]]
            standInReseed();
        else
            reseedGenerator();
    }

    bool fixed() const { return fixed_; }

protected:
    // A stand-in (scripted draws, a test that counts them) gets every draw
    // and re-seed through the two virtual functions; the generator's own are
    // draw() and reseedGenerator().
    struct StandIn {};
    Random(std::uint64_t fixedSeed, StandIn) : Random(fixedSeed) { standIn_ = true; }
    virtual int standInDraw(int n) { return draw(n); }
    virtual void standInReseed() { reseedGenerator(); }

    int draw(int n) { return n <= 1 ? 0 : uniformBelow(gen_, n); }
    void reseedGenerator();

private:
    void seedWith(std::uint64_t s);
    Mt64 gen_;
    std::uint64_t base_ = 0;
    std::uint64_t reseeds_ = 0;
    bool fixed_ = false;
    bool standIn_ = false;
};

// Hands out the scripted draws in order (each must be below its n); when the
// script is used up it throws, or falls back to a fixed-seed generator.
class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(std::deque<int> draws, bool fallBack = false)
        : Random(1, StandIn{}), draws_(std::move(draws)), fallBack_(fallBack) {}
    void push(int d) { draws_.push_back(d); }
    std::size_t left() const { return draws_.size(); }

protected:
    int standInDraw(int n) override;
    void standInReseed() override {}

private:
    std::deque<int> draws_;
    bool fallBack_;
};

}  // namespace tess
