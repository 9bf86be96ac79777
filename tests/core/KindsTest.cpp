#include <gtest/gtest.h>

#include "core/Kinds.h"

namespace tess {

// The count file's columns, the banks and the specialty numbers screen go by
// this order; a pattern letter no kind has is no kind (its position stays
// regular or empty).
TEST(Kinds, PatternLettersFindTheirKindInCountFileOrder) {
    std::string letters;
    for (const Kind& k : KINDS) letters += kindOf(k.letter) == &k ? k.letter : '?';
    EXPECT_EQ(letters, "nFROS");
    EXPECT_EQ(&SPECIALTIES.front(), kindOf('F'));
    EXPECT_EQ(kindOf('f'), nullptr);
    EXPECT_EQ(kindOf('A'), nullptr);
}

}  // namespace tess
