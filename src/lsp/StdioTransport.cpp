#include "lsp/StdioTransport.h"

#include "lsp/MessageReader.h"

#include <cerrno>
#include <deque>
#include <vector>

#ifdef _WIN32
#include <io.h>
#define KVF_READ _read
#else
#include <unistd.h>
#define KVF_READ ::read
#endif

namespace kvf::lsp {

void FramedOutput::Send(const std::string& json) {
    std::lock_guard lock(mutex_);
    std::fprintf(stream_, "Content-Length: %zu\r\n\r\n", json.size());
    std::fwrite(json.data(), 1, json.size(), stream_);
    std::fflush(stream_);
}

void StderrLog::Log(const std::string& line) {
    std::lock_guard lock(mutex_);
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
}

int ServeStream(int inputFd, Server& server) {
    MessageReader reader;
    std::vector<char> chunk(64 * 1024);
    std::deque<std::string> bodies;
    while (!server.ExitRequested()) {
        auto got = KVF_READ(inputFd, chunk.data(), static_cast<unsigned>(chunk.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break; // the client went away without exit
        reader.Feed(std::string_view(chunk.data(), static_cast<std::size_t>(got)));
        // Every message of this read first, so that a cancel read with its request stops it.
        for (;;) {
            MessageReader::Result next = reader.Next();
            if (next.Kind == MessageReader::Status::NeedMore)
                break;
            if (next.Kind == MessageReader::Status::FramingError) {
                server.Handle(bodies);
                server.FramingError(next.Error);
            } else {
                bodies.push_back(std::move(next.Body));
            }
        }
        server.Handle(bodies);
    }
    server.CloseAll();
    return server.ExitCode();
}

} // namespace kvf::lsp
