#include "version/BuildVersion.h"

namespace kvf {

std::string VersionText() {
    std::string text(ReleaseVersion());
    if (!BuildCommit().empty())
        text += " (commit " + std::string(BuildCommit()) + ")";
    return text;
}

} // namespace kvf
