#include "core/TextLines.h"

#include <gtest/gtest.h>

namespace kvf {
namespace {

// kvfcheck holds a file as one buffer with line views; the lines must be those the
// line-by-line split gives, line ends, a missing final break and stray CRs included.
TEST(BufferTextLines, SplitsAsTheLineVectorDoes) {
    const std::string texts[] = {
        "",
        "a",
        "a\n",
        "a\r\n",
        "\n\n",
        "\r",
        "a\rb\r\n\r\n",
        "x\n\ny",
        "\r\r\n",
        "a\r",
        std::string("n\0l\nz", 5),
    };
    for (const std::string& text : texts) {
        VectorTextLines expected = VectorTextLines::FromBytes(text);
        BufferTextLines lines(text);
        ASSERT_EQ(lines.LineCount(), expected.LineCount()) << text;
        std::string scratch;
        for (int i = 0; i < lines.LineCount(); ++i) {
            EXPECT_EQ(lines.LineView(i, scratch), expected.Line(i)) << text << " line " << i;
            EXPECT_EQ(lines.LineLength(i), expected.LineLength(i)) << text;
        }
        EXPECT_EQ(lines.Line(lines.LineCount()), "");
        EXPECT_EQ(lines.LineLength(-1), 0);
    }
}

} // namespace
} // namespace kvf
