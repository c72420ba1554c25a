#include <gtest/gtest.h>

#include "platform/Text.h"

TEST(Text, FormatFillsPrintfFields) {
    EXPECT_EQ(Format("%d : %d", 12, 3), "12 : 3");
    EXPECT_EQ(Format("%s", std::string(500, 'a').c_str()).size(), 500u);
}

TEST(Text, CodePage1252RoundTripsThroughUtf8) {
    const std::string cp = "M\xFCller \x80 \xC9t\xE9";
    const std::string utf8 = Cp1252ToUtf8(cp);
    EXPECT_EQ(utf8, "M\xC3\xBCller \xE2\x82\xAC \xC3\x89t\xC3\xA9");
    EXPECT_EQ(Utf8ToCp1252(utf8), cp);
    EXPECT_EQ(Utf8ToCp1252("\xE6\x97\xA5"), "?");
}

TEST(Text, LowerCaseKnowsAccentedCapitals) {
    EXPECT_EQ(LowerCp1252("\xC4RGER Ab"), "\xE4rger ab");
}
