#include <orvane/strings/html_encode.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

TEST(VHTML_EncodeString, ReplacesTableCharactersByTheirEntities) {
    EXPECT_EQ(VHTML_EncodeString("a<b"), V_STRING("a&ltb"));
    EXPECT_EQ(VHTML_EncodeString("Tom & Jerry"), V_STRING("Tom&nbsp;&amp;&nbsp;Jerry"));
    EXPECT_EQ(VHTML_EncodeString("\"x\" > y"), V_STRING("&quot;x&quot;&nbsp;&gt&nbsp;y"));
    EXPECT_EQ(VHTML_EncodeString("K\xE4se f\xFCr \xC4rzte"),
              V_STRING("K&auml;se&nbsp;f&uuml;r&nbsp;&Auml;rzte"));
    EXPECT_EQ(VHTML_EncodeString(nullptr), V_STRING(""));
}

TEST(VHTML_EncodeChar, CoversExactlyTheTable) {
    const std::pair<char, const char*> cases[] = {
        {' ', "&nbsp;"},     {'>', "&gt"},        {'\xC0', "&Agrave;"}, {'\xC6', "&AElig;"},
        {'\xDE', "&THORN;"}, {'\xDF', "&szlig;"}, {'\xF1', "&ntilde;"}, {'\xFC', "&uuml;"},
        {'\xFF', "&yuml;"},  {'\0', ""}};
    for (const auto& [c, entity] : cases)
        EXPECT_EQ(VHTML_EncodeChar(c), V_STRING(entity)) << static_cast<int>(c);

    // Every other byte stays as it is: Eth, eth, the multiplication and division signs, the
    // apostrophe, and everything below 192 but the five ASCII entries.
    int encoded = 0;
    for (int code = 1; code < 256; ++code) {
        const char c = static_cast<char>(code);
        const V_STRING text = VHTML_EncodeChar(c);
        if (text == V_STRING(std::string(1, c).c_str())) continue;
        ++encoded;
        EXPECT_EQ(text[0], '&') << code;
        EXPECT_LE(text.length(), 8u) << code;
        EXPECT_TRUE(code == 32 || code == 34 || code == 38 || code == 60 || code == 62 ||
                    (code >= 192 && code != 208 && code != 215 && code != 240 && code != 247))
            << code;
    }
    EXPECT_EQ(encoded, 65);
}
