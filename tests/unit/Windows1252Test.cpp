#include "core/Windows1252.h"
#include "output/JsonText.h"

#include <gtest/gtest.h>

namespace kvf {
namespace {

TEST(Windows1252, ConvertsEveryByteAndBack) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    std::string utf8 = Windows1252ToUtf8(all);
    EXPECT_EQ(Utf8ToWindows1252(utf8), all);
}

TEST(Windows1252, KnownCharacters) {
    EXPECT_EQ(Windows1252ToUtf8("\xA7"), "\xC2\xA7");
    EXPECT_EQ(Windows1252ToUtf8("\x80"), "\xE2\x82\xAC"); // euro sign
    EXPECT_EQ(Windows1252ToUtf8("\xFC"), "\xC3\xBC");     // u umlaut
    EXPECT_EQ(Utf8ToWindows1252("\xE2\x82\xAC"), "\x80");
    EXPECT_EQ(Utf8ToWindows1252("\xE4\xB8\xAD"), "?"); // not in the code page
    EXPECT_EQ(Utf8ToWindows1252("a\xFF"
                                "b"),
              "a\xFF"
              "b"); // malformed stays a byte
}

TEST(JsonText, EscapesAndDecodes) {
    EXPECT_EQ(JsonString("a\"b\\c\n\t\x01\xA7"), "\"a\\\"b\\\\c\\n\\t\\u0001\xC2\xA7\"");
}

} // namespace
} // namespace kvf
