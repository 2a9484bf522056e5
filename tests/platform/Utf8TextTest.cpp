// The game's Windows-1252 text as UTF-8 for titles and boxes.
#include <gtest/gtest.h>

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
