#pragma once

// A server in the test's own process and what it sends, for the tests of its protocol.

#include "lsp/Server.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

namespace kvf::lsp::test {

// A wait for a message means "it hangs" once it is over: long enough for a machine that is
// busy with other work (a check runs on a thread of its own), never a measure of speed.
inline constexpr std::chrono::seconds kHangs{120};

// The server's messages as they are sent, from any thread.
class Recorded : public MessageOutput, public LogOutput {
  public:
    void Send(const std::string& json) override {
        std::lock_guard lock(mutex_);
        messages_.push_back(Json::parse(json));
        arrived_.notify_all();
    }
    void Log(const std::string&) override {}

    // Waits until a message matches; fails the test when none comes.
    template <typename Predicate> Json WaitFor(Predicate predicate) {
        std::unique_lock lock(mutex_);
        Json found;
        bool ok = arrived_.wait_for(lock, kHangs, [&] {
            for (const Json& m : messages_)
                if (predicate(m)) {
                    found = m;
                    return true;
                }
            return false;
        });
        EXPECT_TRUE(ok) << "no expected message";
        return found;
    }
    std::vector<Json> Messages() {
        std::lock_guard lock(mutex_);
        return messages_;
    }

  private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<Json> messages_;
};

inline Json Note(const std::string& method, Json params) {
    return Json{{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
}

inline Json Call(int id, const std::string& method, Json params) {
    return Json{{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", std::move(params)}};
}

inline bool IsDiagnostics(const Json& m, int version) {
    return m.value("method", "") == "textDocument/publishDiagnostics" &&
           m["params"].value("version", -1) == version;
}

inline bool IsReply(const Json& m, int id) {
    return m.contains("id") && m["id"] == id && !m.contains("method");
}

inline bool IsShownMessage(const Json& m) {
    return m.value("method", "") == "window/showMessage";
}

} // namespace kvf::lsp::test
