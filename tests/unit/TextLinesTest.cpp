#include "core/TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// Lines are found from the line read before or from every 16th line: any order of reading
// gives the same lines.
TEST(BufferTextLines, GivesTheSameLinesInAnyOrderOfReading) {
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += std::string(static_cast<std::size_t>(i % 7), 'a' + static_cast<char>(i % 26)) +
                (i % 5 == 0 ? "\r\n" : "\n");
    text += "last";
    const VectorTextLines expected = VectorTextLines::FromBytes(text);
    std::vector<std::vector<int>> orders = {{}, {}, {}};
    for (int i = 0; i < expected.LineCount(); ++i) {
        orders[0].push_back(i);                               // forward
        orders[1].push_back(expected.LineCount() - 1 - i);    // backward
        orders[2].push_back((i * 37) % expected.LineCount()); // jumping
    }
    orders.push_back({5, 5, 6, 21, 20, 37, 38, 100, 0, 99, 16, 15, 17, 33, 32});
    orders.emplace_back();
    for (int i = 0; i < expected.LineCount(); ++i)
        orders.back().insert(orders.back().end(), {i, i, i}); // each line again at once
    for (const std::vector<int>& order : orders) {
        BufferTextLines lines(text);
        ASSERT_EQ(lines.LineCount(), expected.LineCount());
        for (int i : order)
            ASSERT_EQ(lines.View(i), expected.Line(i)) << "line " << i;
    }
}

} // namespace
} // namespace kvf
