#pragma once

#include "cli/Options.h"
#include "core/MessageSelection.h"
#include "core/SettingsStore.h"

#include <memory>
#include <ostream>

namespace kvf::cli {

// The settings of one kvfcheck run: the editor's settings file of the user (or the file
// given with --settings), with the command line's options laid over it for this run only,
// and the selection of findings they make together.
class RunSettings {
  public:
    RunSettings(std::unique_ptr<SettingsStore> file) : file_(std::move(file)), overlay_(*file_) {}

    // Only read while files are checked, so one store serves every thread.
    SettingsStore& Store() { return overlay_; }
    const MessageSelection& Selection() const { return selection_; }
    void SetSelection(MessageSelection selection) { selection_ = std::move(selection); }

  private:
    std::unique_ptr<SettingsStore> file_;
    OverlaySettingsStore overlay_;
    MessageSelection selection_;
};

// Reads the settings and applies the options. On failure (an unreadable settings file, an
// unknown message id on the command line) writes the reason and returns null.
std::unique_ptr<RunSettings> LoadRunSettings(const Options& options, std::ostream& errors);

} // namespace kvf::cli
