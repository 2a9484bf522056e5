// The game's Windows-1252 text as UTF-8 for titles and boxes, and box lines wrapped.
#include <gtest/gtest.h>

#include "platform/sdl/LineWrap.h"
#include "platform/sdl/Utf8Text.h"

TEST(Utf8TextTest, AsciiLineBreaksAndTabsStay) {
    EXPECT_EQ(Utf8FromWindows1252("Pebblor   by Zorvane\n\tGood Luck!"),
              "Pebblor   by Zorvane\n\tGood Luck!");
    EXPECT_EQ(Utf8FromWindows1252(""), "");
}

TEST(Utf8TextTest, HighBytesBecomeTheirCharacters) {
    EXPECT_EQ(Utf8FromWindows1252("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(Utf8FromWindows1252("\x80"), "\xE2\x82\xAC");  // the euro sign
    EXPECT_EQ(Utf8FromWindows1252("\xA9"), "\xC2\xA9");
}

TEST(Utf8TextTest, BytesThatAreNoCharacterAreLeftOut) {
    EXPECT_EQ(Utf8FromWindows1252("a\x81"
                                  "b"),
              "ab");
    EXPECT_EQ(Utf8FromWindows1252(std::string("a\0b\x07\x7F", 5)), "ab");
}

TEST(LineWrapTest, LongLinesBreakAtTheirLastSpaceWithinTheColumns) {
    EXPECT_EQ(WrapLines("one two three four", 9), "one two\nthree\nfour");
    EXPECT_EQ(WrapLines("one two\n\nthree four", 9), "one two\n\nthree\nfour");
    EXPECT_EQ(WrapLines("exactly nine", 12), "exactly nine");
    // A word too long for a line stands alone, whole.
    EXPECT_EQ(WrapLines("a unbreakableword b", 6), "a\nunbreakableword\nb");
    EXPECT_EQ(WrapLines("", 6), "");
    EXPECT_EQ(WrapLines("ends\n", 6), "ends\n");
}
