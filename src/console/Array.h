#pragma once
// 1-based fixed tables with checked access: every index in this program is
// 1-based (chapter, verse slot, sector, position, quiz), and an index outside
// a table is a bug we want to hear about, never a silent write.
#include <array>
#include <cstddef>
#include <span>
#include <stdexcept>
#include <string>

namespace tess {

[[noreturn]] void indexError(const char* what, long i, long lo, long hi);

template <class T, int LO, int HI>
class Arr {
public:
    static_assert(HI >= LO);
    static constexpr int lo = LO;
    static constexpr int hi = HI;

    T& operator[](int i) {
        if (i < LO || i > HI) indexError("Arr", i, LO, HI);
        return v_[static_cast<std::size_t>(i - LO)];
    }
    const T& operator[](int i) const {
        if (i < LO || i > HI) indexError("Arr", i, LO, HI);
        return v_[static_cast<std::size_t>(i - LO)];
    }
    void fill(const T& x) { v_.fill(x); }
    static constexpr bool inRange(int i) { return i >= LO && i <= HI; }

    // Entries from..to (none when to < from), checked once as a whole, for
    // loops that copy or scan a stretch without checking every index.
    std::span<T> span(int from, int to) { return {v_.data() + offset(from, to), count(from, to)}; }
    std::span<const T> span(int from, int to) const { return {v_.data() + offset(from, to), count(from, to)}; }

private:
    static std::size_t offset(int from, int to) {
        if (to < from) return 0;
        if (from < LO) indexError("Arr", from, LO, HI);
        if (to > HI) indexError("Arr", to, LO, HI);
        return static_cast<std::size_t>(from - LO);
    }
    static std::size_t count(int from, int to) { return to < from ? 0 : static_cast<std::size_t>(to - from + 1); }
    std::array<T, static_cast<std::size_t>(HI - LO + 1)> v_{};
};

// Rows R1..R2 by columns C1..C2.
template <class T, int R1, int R2, int C1, int C2>
class Arr2 {
public:
    T& operator()(int r, int c) {
        check(r, c);
        return v_[idx(r, c)];
    }
    const T& operator()(int r, int c) const {
        check(r, c);
        return v_[idx(r, c)];
    }
    void fill(const T& x) { v_.fill(x); }
    static constexpr bool inRange(int r, int c) { return r >= R1 && r <= R2 && c >= C1 && c <= C2; }

private:
    static constexpr std::size_t W = static_cast<std::size_t>(C2 - C1 + 1);
    static std::size_t idx(int r, int c) {
        return static_cast<std::size_t>(r - R1) * W + static_cast<std::size_t>(c - C1);
    }
    static void check(int r, int c) {
        if (r < R1 || r > R2) indexError("Arr2 row", r, R1, R2);
        if (c < C1 || c > C2) indexError("Arr2 column", c, C1, C2);
    }
    std::array<T, static_cast<std::size_t>(R2 - R1 + 1) * W> v_{};
};

}  // namespace tess
