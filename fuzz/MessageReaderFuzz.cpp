// Any bytes as what a client writes to kvf-lsp: the message reader cuts them into messages
// in pieces of sizes the input chooses, and the server handles every message (any JSON, any
// shape). Neither may crash, read out of bounds or hang; every piece of bad framing or JSON
// is answered with an error.

#include "lsp/MessageReader.h"
#include "lsp/Server.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

class Discard : public kvf::lsp::MessageOutput, public kvf::lsp::LogOutput {
  public:
    void Send(const std::string&) override {}
    void Log(const std::string&) override {}
};

constexpr std::size_t kMaxInput = 1 << 20;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kvf::lsp;
    if (size < 1 || size > kMaxInput)
        return -1;
    // The first byte sets the size of the pieces the bytes arrive in (1 to 256).
    const std::size_t piece = static_cast<std::size_t>(data[0]) + 1;
    std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    MessageReader reader(64 * 1024); // a small limit, so that refused bodies are reached too
    Discard out;
    Server server(out, out, ServerOptions{"/nonexistent/kvf-fuzz.ini", false});
    std::deque<std::string> bodies;
    for (std::size_t at = 0; at < bytes.size() && !server.ExitRequested(); at += piece) {
        reader.Feed(bytes.substr(at, piece));
        for (;;) {
            MessageReader::Result next = reader.Next();
            if (next.Kind == MessageReader::Status::NeedMore)
                break;
            if (next.Kind == MessageReader::Status::FramingError)
                server.FramingError(next.Error);
            else
                bodies.push_back(std::move(next.Body));
        }
        server.Handle(bodies);
    }
    server.CloseAll();
    return 0;
}
