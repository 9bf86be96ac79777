#pragma once
// Random(n): a uniform integer in 0..n-1. Seeded from the clock at start, or
// fixed by the environment variable TESSARIN_SEED for a reproducible run.
// Re-seeding mixes a high-resolution clock and a counter into the state, so
// two re-seeds in a row never replay the same numbers; under a fixed seed it
// stays deterministic. Tests can script the draws to reach rare cases.
#include <cstdint>
#include <deque>
#include <random>
#include <stdexcept>

namespace tess {

class Random {
public:
    Random();                                   // clock, or TESSARIN_SEED when set
    explicit Random(std::uint64_t fixedSeed);   // deterministic
    virtual ~Random() = default;

    virtual int operator()(int n);  // from 0 to n-1; n <= 1 gives 0
    virtual void reseed();

    bool fixed() const { return fixed_; }

private:
    void seedWith(std::uint64_t s);
    std::mt19937_64 gen_;
    std::uint64_t base_ = 0;
    std::uint64_t reseeds_ = 0;
    bool fixed_ = false;
};

// Hands out the scripted draws in order (each must be below its n); when the
// script is used up it throws, or falls back to a fixed-seed generator.
class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(std::deque<int> draws, bool fallBack = false)
        : Random(1), draws_(std::move(draws)), fallBack_(fallBack) {}
    int operator()(int n) override;
    void reseed() override {}
    void push(int d) { draws_.push_back(d); }
    std::size_t left() const { return draws_.size(); }

private:
    std::deque<int> draws_;
    bool fallBack_;
};

}  // namespace tess
