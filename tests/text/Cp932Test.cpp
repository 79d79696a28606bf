#include "text/Cp932.h"

#include <gtest/gtest.h>

using namespace sorvat;

TEST(Cp932, ConvertsBothWays) {
    const std::string text = "次の手が見つかりませんでした。";
    const std::string bytes = Utf8ToCp932(text);
    EXPECT_EQ(bytes.size(), 30u);
    EXPECT_EQ(Cp932ToUtf8(bytes), text);
    EXPECT_EQ(Utf8ToCp932("ﾚﾃﾞｨ"), "\xDA\xC3\xDE\xA8");  // half-width katakana are one byte each
    EXPECT_EQ(Utf8ToCp932("abc"), "abc");
}

TEST(Cp932, BadInputIsReplacedNotDropped) {
    EXPECT_EQ(Cp932ToUtf8("a\x82"), "a\xEF\xBF\xBD");  // a lead byte at the end
    EXPECT_EQ(Cp932ToUtf8("\xFF" "b"), "\xEF\xBF\xBD" "b");
    EXPECT_EQ(Utf8ToCp932("\xF0\x9F\x98\x80x"), "?x");  // no code page 932 form
}
