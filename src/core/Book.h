#pragma once
// The book's own verse table (Luke). "Verses.txt" must agree with it, and a
// style's verse numbers are kept inside it.
#include <array>

#include "core/Limits.h"

namespace tess {

inline constexpr std::array<int, CHMAX> LUKE_VERSES = {80, 52, 38, 44, 39, 49, 50, 56, 62, 42, 54, 59,
                                                       35, 35, 32, 31, 37, 43, 48, 47, 38, 71, 56, 53};

// Verses of a chapter of the book; 0 outside 1..24.
constexpr int bookVerses(int chapter) {
    return (chapter >= 1 && chapter <= CHMAX) ? LUKE_VERSES[static_cast<std::size_t>(chapter - 1)] : 0;
}

}  // namespace tess
