#pragma once

#include <string>
#include <string_view>

namespace kvf {

// The release this program was built as: the project's version ("1.0.0").
std::string_view ReleaseVersion();
// The git commit it was built from (12 hex digits, "-dirty" appended when tracked files
// were changed), or empty when it was not built from a git checkout.
std::string_view BuildCommit();
// What a person is shown: "1.0.0", or "1.0.0 (commit 0123456789ab)".
std::string VersionText();

} // namespace kvf
