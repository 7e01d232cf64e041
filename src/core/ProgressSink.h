#pragma once

#include <string>

namespace kvf {

// The progress dialog of long operations (bar 0..100, a status line). The editor shows a
// dialog; kvfcheck and the tests use NullProgress.
class ProgressSink {
  public:
    virtual ~ProgressSink() = default;
    virtual void Begin(const std::string& caption) = 0;
    virtual void Step() = 0; // one percentage point
    virtual void Status(const std::string& text) = 0;
    virtual void End() = 0;
    // Whether status texts are shown at all: callers skip formatting them when not.
    virtual bool ShowsStatus() const { return true; }
};

class NullProgress : public ProgressSink {
  public:
    void Begin(const std::string&) override {}
    void Step() override {}
    void Status(const std::string&) override {}
    void End() override {}
    bool ShowsStatus() const override { return false; }
};

} // namespace kvf
