#pragma once
// Luke: the sample bank's material, and a folder's without a book file.
#include "core/Material.h"

namespace tess {

inline constexpr int LUKE_CHAPTERS = 24;
inline int lukeVerses(int chapter) { return Material::luke().verses(chapter); }

}  // namespace tess
