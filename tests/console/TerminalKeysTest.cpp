#include <curses.h>
#include <gtest/gtest.h>

#include "console/TerminalConsole.h"

using namespace tess;

namespace {
std::deque<int> keysOf(std::initializer_list<int> raw) {
    std::deque<int> out;
    for (int ch : raw) translateKey(ch, out);
    return out;
}
}  // namespace

TEST(TerminalKeys, ReturnBackspaceAndCursorKeysFollowTheConventions) {
    EXPECT_EQ(keysOf({'\n', '\r', KEY_ENTER}), (std::deque<int>{13, 13, 13}));
    EXPECT_EQ(keysOf({KEY_BACKSPACE, 127, 8}), (std::deque<int>{8, 8, 8}));
    EXPECT_EQ(keysOf({KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT}), (std::deque<int>{0, 72, 0, 80, 0, 75, 0, 77}));
    EXPECT_EQ(keysOf({27, 'H', 'y', ' ', 191}), (std::deque<int>{27, 'H', 'y', ' ', 191}));
}

TEST(TerminalKeys, OtherSpecialKeysNeverArriveAsLetters) {
    EXPECT_EQ(keysOf({KEY_F(1)}), std::deque<int>{key::F1});  // the help key: no letter either
    EXPECT_TRUE(
        keysOf({KEY_F(12), KEY_HOME, KEY_END, KEY_DC, KEY_IC, KEY_NPAGE, KEY_PPAGE, KEY_RESIZE, KEY_MOUSE, KEY_BTAB, 0})
            .empty());
}
