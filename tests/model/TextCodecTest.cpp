#include "model/TextCodec.h"

#include <gtest/gtest.h>

TEST(TextCodec, RoundTripsCyrillicThroughCodePage1251) {
    const std::string text = "Без имени: Cуглинки и глины, сii, кПа";
    const std::string bytes = fundis::utf8ToCp1251(text);
    EXPECT_EQ(bytes.size(), 37u);                           // one byte a character
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xC1);  // "Б"
    EXPECT_EQ(fundis::cp1251ToUtf8(bytes), text);
}

TEST(TextCodec, ReplacesWhatTheCodePageCannotHold) {
    EXPECT_EQ(fundis::utf8ToCp1251("a\xE2\x88\x9A"
                                   "b"),
              "a?b");  // the root sign
    EXPECT_EQ(fundis::utf8ToCp1251("\xFF"
                                   "x"),
              "?x");  // not UTF-8 at all
}
