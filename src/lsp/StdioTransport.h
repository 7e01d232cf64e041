#pragma once

#include "lsp/Server.h"

#include <cstdio>
#include <mutex>

namespace kvf::lsp {

// Messages framed with their Content-Length onto a stream, one whole message at a time
// whichever thread sends it.
class FramedOutput : public MessageOutput {
  public:
    explicit FramedOutput(std::FILE* stream) : stream_(stream) {}
    void Send(const std::string& json) override;

  private:
    std::mutex mutex_;
    std::FILE* stream_;
};

class StderrLog : public LogOutput {
  public:
    void Log(const std::string& line) override;

  private:
    std::mutex mutex_;
};

// Reads messages from a file descriptor until the client says exit or the input ends, and
// hands them to the server. Returns the process's exit status.
int ServeStream(int inputFd, Server& server);

} // namespace kvf::lsp
