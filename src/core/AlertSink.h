#pragma once

#include <string>

namespace kvf {

// Message boxes with the exclamation (or information) icon: how failures of loading,
// building and saving reach the user. The editor shows a box; kvfcheck writes to stderr.
class AlertSink {
  public:
    virtual ~AlertSink() = default;
    virtual void Alert(const std::string& text) = 0;
};

} // namespace kvf
