#pragma once
// The working folder's material: the books a season covers and the chapters
// a material set leaves out. A folder without a book file is Luke, as the
// bank has always been.
#include <bitset>

namespace tess {

constexpr int MATERIAL_CHAPTERS_MAX = 50;  // chapters through all the books of a material

// Chapters of the material that a set (the "L" prefix) has no questions for.
struct LeftOut {
    std::bitset<MATERIAL_CHAPTERS_MAX + 1> chapters;  // indexed by chapter through the material
    bool has(int chapter) const {
        return chapter >= 1 && chapter <= MATERIAL_CHAPTERS_MAX && chapters.test(static_cast<std::size_t>(chapter));
    }
};

// Luke's "L" set: chapters 7, 9-11 and 14-16 hold none of its questions.
inline LeftOut lukeLeftOut() {
    LeftOut out;
    for (int ch : {7, 9, 10, 11, 14, 15, 16}) out.chapters.set(static_cast<std::size_t>(ch));
    return out;
}

// Luke's "L" set has always dealt chapters 3 and 5 no share of their own:
// each joins the chapter after it, which keeps the old tables of its ranges.
inline LeftOut lukeJoinedInDeal() {
    LeftOut joined;
    for (int ch : {3, 5}) joined.chapters.set(static_cast<std::size_t>(ch));
    return joined;
}

struct Material {
    LeftOut leftOutL = lukeLeftOut();             // what the "L" set leaves out (a book file's `skip L` line)
    LeftOut joinedInDealL = lukeJoinedInDeal();  // what the "L" set's first deal joins to the next chapter (Luke's only)

    // What the material set named by a style's first letter leaves out: the
    // plain set (any letter but "L") has every chapter.
    const LeftOut& leftOut(char set) const {
        static const LeftOut none;
        return set == 'L' ? leftOutL : none;
    }
};

}  // namespace tess
