#include "lsp/MessageReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvf::lsp {
namespace {

std::string Framed(const std::string& body) {
    return "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

// What the reader gives for the pieces fed one after the other: a body or "!" for a framing
// error, in order.
std::vector<std::string> ReadAll(const std::vector<std::string>& pieces, std::size_t limit = 64) {
    MessageReader reader(limit);
    std::vector<std::string> out;
    for (const std::string& piece : pieces) {
        reader.Feed(piece);
        for (;;) {
            MessageReader::Result r = reader.Next();
            if (r.Kind == MessageReader::Status::NeedMore)
                break;
            out.push_back(r.Kind == MessageReader::Status::Message ? r.Body : "!");
        }
    }
    return out;
}

struct FramingCase {
    const char* name;
    std::vector<std::string> pieces;
    std::vector<std::string> messages;
};

class Framing : public ::testing::TestWithParam<FramingCase> {};

TEST_P(Framing, CutsMessages) {
    EXPECT_EQ(ReadAll(GetParam().pieces), GetParam().messages) << GetParam().name;
}

const std::string kA = Framed("{\"a\":1}");
const std::string kB = Framed("{\"b\":22}");

INSTANTIATE_TEST_SUITE_P(
    Streams, Framing,
    ::testing::Values(
        FramingCase{"one", {kA}, {"{\"a\":1}"}},
        FramingCase{"two in one read", {kA + kB}, {"{\"a\":1}", "{\"b\":22}"}},
        FramingCase{
            "header split", {kA.substr(0, 5), kA.substr(5, 12), kA.substr(17)}, {"{\"a\":1}"}},
        FramingCase{
            "body split", {kA.substr(0, kA.size() - 2), kA.substr(kA.size() - 2)}, {"{\"a\":1}"}},
        FramingCase{"byte by byte",
                    [] {
                        std::vector<std::string> bytes;
                        for (char c : kA)
                            bytes.emplace_back(1, c);
                        return bytes;
                    }(),
                    {"{\"a\":1}"}},
        FramingCase{"other headers", {"Content-Type: x\r\ncontent-length: 2\r\n\r\n{}"}, {"{}"}},
        FramingCase{"no length", {"Content-Type: x\r\n\r\n" + kA}, {"!", "{\"a\":1}"}},
        FramingCase{"length not a number", {"Content-Length: 1x\r\n\r\n" + kA}, {"!", "{\"a\":1}"}},
        FramingCase{
            "a body of the limit's size", {Framed(std::string(64, ' '))}, {std::string(64, ' ')}},
        FramingCase{
            "over the limit, skipped in pieces",
            {"Content-Length: 100\r\n\r\n" + std::string(40, 'x'), std::string(60, 'y') + kB},
            {"!", "{\"b\":22}"}},
        FramingCase{"short length: the rest is a broken header",
                    {"Content-Length: 3\r\n\r\n{\"a\":1}" + kB},
                    {"{\"a", "{\"b\":22}"}}));

TEST(Framing, EndlessHeaderIsRefused) {
    MessageReader reader;
    reader.Feed(std::string(MessageReader::kMaxHeader + 10, 'h'));
    EXPECT_EQ(reader.Next().Kind, MessageReader::Status::FramingError);
    reader.Feed(kA);
    MessageReader::Result next = reader.Next();
    EXPECT_EQ(next.Kind, MessageReader::Status::Message);
}

} // namespace
} // namespace kvf::lsp
