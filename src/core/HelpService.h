#pragma once

#include <string>

namespace kvf {

// Opens a help topic ("page.htm" or "page.htm#Anchor"). The editor opens its help window;
// the tests record the topic.
class HelpService {
  public:
    virtual ~HelpService() = default;
    virtual void OpenTopic(const std::string& topic) = 0;
};

} // namespace kvf
