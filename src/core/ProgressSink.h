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
    // Whether a status text given now would be shown: callers skip formatting them when
    // not (nowhere to show them, or the dialog took one since its last step).
    virtual bool ShowsStatus() const { return true; }
};

// A Begin and its End around a scope, the End also when the scope is left by an exception.
class ProgressRun {
  public:
    ProgressRun(ProgressSink& sink, const std::string& caption) : sink_(&sink) {
        sink_->Begin(caption);
    }
    ~ProgressRun() { sink_->End(); }
    ProgressRun(const ProgressRun&) = delete;
    ProgressRun& operator=(const ProgressRun&) = delete;

  private:
    ProgressSink* sink_;
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
