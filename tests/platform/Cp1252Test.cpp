// The byte-to-character table of the game's single-byte text.
#include <gtest/gtest.h>

#include "platform/Cp1252.h"

namespace {

TEST(Cp1252Test, MapsPrintableBytesToTheirCharacters) {
    EXPECT_EQ(Cp1252CodePoint(' '), U' ');
    EXPECT_EQ(Cp1252CodePoint('A'), U'A');
    EXPECT_EQ(Cp1252CodePoint('~'), U'~');
    EXPECT_EQ(Cp1252CodePoint(0x80), U'\u20AC');  // euro sign
    EXPECT_EQ(Cp1252CodePoint(0x93), U'\u201C');  // left double quote
    EXPECT_EQ(Cp1252CodePoint(0x9F), U'\u0178');  // Y with diaeresis
    EXPECT_EQ(Cp1252CodePoint(0xA0), U'\u00A0');
    EXPECT_EQ(Cp1252CodePoint(0xE9), U'\u00E9');
    EXPECT_EQ(Cp1252CodePoint(0xFF), U'\u00FF');
}

TEST(Cp1252Test, Utf8PathsBecomeTheGamesTextWithQuestionMarksForTheRest) {
    EXPECT_EQ(Windows1252FromUtf8("/home/Jos\xC3\xA9/\xE2\x82\xAC"), "/home/Jos\xE9/\x80");
    // A character the code page lacks, a stray continuation byte, a cut sequence.
    EXPECT_EQ(Windows1252FromUtf8("a\xE2\x98\x83"
                                  "b\x80"
                                  "c\xC3"),
              "a?b?c?");
    EXPECT_EQ(Windows1252FromUtf8("\xF0\x9F\x98\x80\xFF"), "??");
}

}  // namespace
