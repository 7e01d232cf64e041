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

// UTF-8 text as engine bytes, one per UTF-16 code unit; and UTF-8 bytes as well-formed text
// that reads back to the same engine bytes, stray bytes shown as the code page's characters.
TEST(Windows1252, Utf8AsCodeUnitBytesAndWellFormed) {
    struct Case {
        const char* what;
        std::string utf8;
        std::string engine;     // Utf8ToCodeUnitBytes
        std::string wellFormed; // WellFormedUtf8
    };
    const Case cases[] = {
        {"ASCII", "Key = 1", "Key = 1", "Key = 1"},
        {"umlauts and euro",
         "Gr\xC3\xBC\xC3\x9F"
         "e \xE2\x82\xAC",
         "Gr\xFC\xDF"
         "e \x80",
         "Gr\xC3\xBC\xC3\x9F"
         "e \xE2\x82\xAC"},
        {"C1 control of an undefined byte", "\xC2\x81", "\x81", "\xC2\x81"},
        {"no byte in the code page", "\xE2\x86\x92", "?", "\xE2\x86\x92"},
        {"outside the BMP",
         "a\xF0\x9F\x98\x80"
         "b",
         "a??b",
         "a\xF0\x9F\x98\x80"
         "b"},
        {"a lone byte",
         "a\xFC"
         "b",
         "a\xFC"
         "b",
         "a\xC3\xBC"
         "b"},
        {"overlong", "\xC0\x80", "\xC0\x80", "\xC3\x80\xE2\x82\xAC"},
        {"encoded surrogate", "\xED\xA0\x80", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", "\xF4\x90\x80\x80",
         "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"},
        {"cut short at the end", "x\xE2\x82", "x\xE2\x82", "x\xC3\xA2\xE2\x80\x9A"},
        {"cut short by ASCII", "\xE2\x82x", "\xE2\x82x", "\xC3\xA2\xE2\x80\x9Ax"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToCodeUnitBytes(c.utf8), c.engine) << c.what;
        EXPECT_EQ(WellFormedUtf8(c.utf8), c.wellFormed) << c.what;
        EXPECT_EQ(Utf8ToCodeUnitBytes(c.wellFormed), c.engine) << c.what;
    }
}

TEST(JsonText, EscapesAndDecodes) {
    EXPECT_EQ(JsonString("a\"b\\c\n\t\x01\xA7"), "\"a\\\"b\\\\c\\n\\t\\u0001\xC2\xA7\"");
}

} // namespace
} // namespace kvf
