#include "lsp/DocumentText.h"
#include "lsp/ClientText.h"
#include "lsp/Protocol.h"

#include <gtest/gtest.h>

namespace kvf::lsp {
namespace {

struct EditCase {
    const char* name;
    const char* before;
    int startLine, startColumn, endLine, endColumn;
    const char* insert;
    const char* after;
};

class Edits : public ::testing::TestWithParam<EditCase> {};

TEST_P(Edits, ApplyAtClientPositions) {
    const EditCase& c = GetParam();
    DocumentText text{std::string(c.before)};
    ASSERT_TRUE(text.Edit(c.startLine, c.startColumn, c.endLine, c.endColumn, c.insert)) << c.name;
    EXPECT_EQ(text.Bytes(), c.after) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Changes, Edits,
    ::testing::Values(EditCase{"insert", "A = 1\nB = 2\n", 1, 4, 1, 4, "3", "A = 1\nB = 32\n"},
                      EditCase{"across lines", "A = 1\nB = 2\nC = 3\n", 0, 4, 2, 0, "9\n",
                               "A = 9\nC = 3\n"},
                      EditCase{"CRLF: column past the end stops before CR", "A = 1\r\nB\r\n", 0, 99,
                               0, 99, "0", "A = 10\r\nB\r\n"},
                      EditCase{"line past the end appends", "A", 5, 0, 5, 0, "\nB", "A\nB"},
                      EditCase{"delete a line", "A\nB\nC", 1, 0, 2, 0, "", "A\nC"}));

TEST(Edits, StartAfterEndChangesNothing) {
    DocumentText text{std::string("A = 1\nB = 2")};
    EXPECT_FALSE(text.Edit(1, 0, 0, 0, "x"));
    EXPECT_EQ(text.Bytes(), "A = 1\nB = 2");
}

// One byte per UTF-16 code unit: columns of the client are columns of the engine's text.
TEST(ClientText, OneBytePerUtf16Unit) {
    EXPECT_EQ(FromClientText("Vendor = \"\xE2\x82\xAC\""), "Vendor = \"\x80\""); // euro sign
    EXPECT_EQ(FromClientText("\xC3\xA4x"), "\xE4x");                             // a-umlaut
    EXPECT_EQ(FromClientText("\xE2\x9C\x93x"), "?x");      // not in the code page
    EXPECT_EQ(FromClientText("\xF0\x9F\x98\x80x"), "??x"); // two code units
    EXPECT_EQ(ToClientText("\x80\xE4"), "\xE2\x82\xAC\xC3\xA4");
}

TEST(Uris, PathAndFileName) {
    EXPECT_EQ(UriPath("file:///tmp/a%20b.kvf"), "/tmp/a b.kvf");
    EXPECT_EQ(UriFileName("file:///tmp/dir/DEV.KVF"), "DEV.KVF");
    EXPECT_EQ(UriPath("file://host/share/x.kvf"), "/share/x.kvf");
    EXPECT_EQ(UriPath("untitled:Untitled-1"), "untitled:Untitled-1");
}

} // namespace
} // namespace kvf::lsp
