#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kvf::lsp {

// Cuts the byte stream of a client into messages: header lines up to an empty line, of which
// only Content-Length is trusted, then that many bytes of body. Bytes arrive in pieces of any
// size (a header split over two reads, two messages in one). A header without a usable
// length, or a body over the limit, is a framing error: the caller answers it, the reader
// skips what it can and goes on with the next header.
class MessageReader {
  public:
    static constexpr std::size_t kMaxBody = 64u * 1024u * 1024u;
    static constexpr std::size_t kMaxHeader = 64u * 1024u;

    explicit MessageReader(std::size_t maxBody = kMaxBody) : maxBody_(maxBody) {}

    void Feed(std::string_view bytes);

    enum class Status { NeedMore, Message, FramingError };
    struct Result {
        Status Kind = Status::NeedMore;
        std::string Body;  // the message's JSON text
        std::string Error; // what was wrong with the framing
    };
    // The next message or framing error, or NeedMore until more bytes arrive.
    Result Next();

  private:
    bool ReadHeader(Result& result);

    std::size_t maxBody_;
    std::string buffer_;
    std::size_t start_ = 0;      // bytes of buffer_ already taken
    std::size_t bodyLength_ = 0; // of the message whose header was read
    bool haveHeader_ = false;
    std::size_t skipping_ = 0; // body bytes of a refused message still to drop
};

} // namespace kvf::lsp
