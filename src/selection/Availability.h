#pragma once
// Access to the per-sector question flag tables (availability and the
// interrogative marks). A sector's table has a flag for every question of the
// sector (index 0 unused), sized when the run marks everything available.
#include <algorithm>
#include <vector>

#include "core/RunState.h"

namespace tess {

// Size of a sector's table for `count` questions: never below the classic
// table, so sectors of that size or fewer behave as they always have.
inline std::size_t flagTableSize(int classic, int count) {
    return static_cast<std::size_t>(std::max(classic, count) + 1);
}

// The flag of question n of sector s; a question outside the table is a bug.
inline char& flagRef(Flags& f, int s, int n) {
    auto& row = f[s];
    if (n < 1 || static_cast<std::size_t>(n) >= row.size())
        indexError("question flag", n, 1, static_cast<long>(row.size()) - 1);
    return row[static_cast<std::size_t>(n)];
}

// Reading a mark that may never have been set (the interrogative index is
// not built when the style does not ask for it): outside the table is false.
inline bool flagIs(const Flags& f, int s, int n) {
    const auto& row = f[s];
    return n >= 1 && static_cast<std::size_t>(n) < row.size() && row[static_cast<std::size_t>(n)] != 0;
}

inline void setAll(std::vector<char>& row, bool v) { std::fill(row.begin(), row.end(), static_cast<char>(v)); }

}  // namespace tess
