#pragma once

#include "core/MessageSelection.h"
#include "core/SettingsStore.h"
#include "language/Analysis.h"
#include "language/Snapshot.h"

#include <memory>
#include <string>

namespace kvf::lsp {

// The settings every check of the server reads: the file kvfcheck and the editor read (or
// the one the client names in its initialization options), read once and then only read,
// so checks on several threads share it. Reading it again makes a new one; a check that
// runs keeps the one it started with.
class ServerSettings {
  public:
    // Reads the file; a file that does not exist gives the defaults. On a read error the
    // defaults too, and the reason in `problem`.
    static std::shared_ptr<const ServerSettings> Load(const std::string& path,
                                                      std::string& problem);

    const std::string& Path() const { return path_; }
    // The file's text as read (empty for none).
    const std::string& Text() const { return text_; }
    // The file exists but could not be read: these are the defaults instead.
    bool ReadFailed() const { return readFailed_; }
    language::CheckSettings ForCheck() const { return check_; }
    const language::CheckSettings& ForCheckRef() const { return check_; }
    // The same, kept alive by these settings for as long as an analysis uses them.
    static language::SharedCheckSettings Shared(const std::shared_ptr<const ServerSettings>& s) {
        return language::SharedCheckSettings(s, &s->check_);
    }

  private:
    std::string path_;
    std::string text_;
    std::unique_ptr<SettingsStore> store_;
    language::CheckSettings check_;
    bool readFailed_ = false;
};

} // namespace kvf::lsp
