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

TEST(Windows1252, CountsWhatASaveWouldTurnIntoQuestionMarks) {
    struct Case {
        const char* text;
        std::size_t count;
        std::size_t column;
        const char* first;
    };
    const Case cases[] = {
        {"Vendor_Name = \"ACME\"", 0, 0, ""},
        {"\xE2\x82\xAC \xC3\xA4 \xC5\xA0", 0, 0, ""},  // euro, a umlaut, S caron: in the code page
        {"a ? b", 0, 0, ""},                           // a question mark is no loss
        {"a\xFF", 0, 0, ""},                           // a malformed byte is written as it is
        {"; \xCE\xA9 \xE2\x9C\x93", 2, 3, "\xCE\xA9"}, // omega, check mark
        {"\xC3\xA4\xF0\x9F\x98\x80x\xE4\xB8\xAD", 2, 2,
         "\xF0\x9F\x98\x80"}, // columns in characters
    };
    for (const Case& c : cases) {
        UnencodableCharacter first;
        EXPECT_EQ(CountUnencodable(c.text, &first), c.count) << c.text;
        EXPECT_EQ(first.Column, c.column) << c.text;
        EXPECT_EQ(first.Utf8, c.first) << c.text;
    }
}

TEST(JsonText, EscapesAndDecodes) {
    EXPECT_EQ(JsonString("a\"b\\c\n\t\x01\xA7"), "\"a\\\"b\\\\c\\n\\t\\u0001\xC2\xA7\"");
}

} // namespace
} // namespace kvf
