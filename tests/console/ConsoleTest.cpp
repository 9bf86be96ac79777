#include <gtest/gtest.h>

#include "console/Array.h"
#include "console/ScreenConsole.h"

using namespace tess;

TEST(ScreenConsole, WrapsPastColumn80AndScrollsAtRow25) {
    ScreenConsole c;
    c.gotoXY(78, 1);
    c.write("abcd");
    EXPECT_EQ(c.cell(80, 1).ch, 'c');
    EXPECT_EQ(c.cell(1, 2).ch, 'd');
    c.gotoXY(1, 25);
    c.textBackground(colour::Blue);
    c.writeln("last");
    EXPECT_EQ(c.rowText(24).substr(0, 4), "last");
    EXPECT_EQ(c.whereY(), 25);
    EXPECT_EQ(c.cell(1, 25).bg, colour::Blue);
}

TEST(ScreenConsole, ClearEolUsesBackgroundAndReadLineEchoes) {
    ScreenConsole c;
    c.gotoXY(10, 5);
    c.textBackground(colour::Red);
    c.clearEol();
    EXPECT_EQ(c.cell(9, 5).bg, colour::Black);
    EXPECT_EQ(c.cell(80, 5).bg, colour::Red);
    c.gotoXY(1, 7);
    c.keys("ab").key(key::Backspace).keys("c").enter();
    EXPECT_EQ(c.readLine(), "ac");
    EXPECT_EQ(c.rowText(7).substr(0, 3), "ac ");
    EXPECT_THROW(c.readKey(), ScriptExhausted);
}

TEST(ScreenConsole, ControlCharactersFromFilesShowAsAMarkAndKeepTheRowWhole) {
    ScreenConsole c;
    c.gotoXY(5, 3);
    c.write("Be\rta\n\x1b[2J\x7f\tx\x01");
    EXPECT_EQ(c.rowText(3).substr(0, 20), "    Be?ta??[2J? x?  ");
    EXPECT_EQ(c.whereY(), 3);
    EXPECT_EQ(c.rowText(4), std::string(80, ' '));
    // A UTF-8 character takes one cell; a byte that is no UTF-8 (a file name
    // in another encoding) is a mark of its own.
    c.gotoXY(1, 5);
    c.write("J\u00e9sus \u201C\xe9tudes\u201D|");
    EXPECT_EQ(c.rowText(5).substr(0, 21), "J\u00e9sus \u201C?tudes\u201D| ");
    EXPECT_EQ(c.whereX(), 16);
}

// A stretch taken whole is checked whole: it must lie inside the table, and
// one that ends before it begins is empty wherever it lies.
TEST(CheckedTable, AStretchLiesInsideItsTable) {
    Arr<char, 1, 10> a;
    a.fill('x');
    a[3] = 'y';
    const auto s = a.span(3, 5);
    ASSERT_EQ(s.size(), 3U);
    EXPECT_EQ(s[0], 'y');
    EXPECT_TRUE(a.span(11, 10).empty());
    EXPECT_THROW(a.span(0, 4), std::out_of_range);
    EXPECT_THROW(a.span(9, 11), std::out_of_range);
}
