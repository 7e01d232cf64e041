#pragma once

#include "core/SettingsStore.h"

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kvf {

// Which findings a check run reports, by message id, as linters select their rules:
// everything unless ids are disabled, or only the ids of an enable-only list. The rows
// that frame a check run are not findings and are always reported. A finding that is not
// selected is neither shown nor counted.
class MessageSelection {
  public:
    void Disable(int id) { disabled_.insert(id); }
    void EnableOnly(const std::vector<int>& ids) { only_.emplace(ids.begin(), ids.end()); }
    bool IsSelected(int id) const {
        return !disabled_.contains(id) && (!only_ || only_->contains(id));
    }
    bool SelectsEverything() const { return disabled_.empty() && !only_; }

  private:
    std::set<int> disabled_;
    std::optional<std::set<int>> only_;
};

// The settings section of the selection and its two values, each a list of message ids
// separated by commas (blanks allowed).
inline constexpr std::string_view kChecksSection = "Checks";
inline constexpr std::string_view kDisableValue = "Disable";
inline constexpr std::string_view kEnableOnlyValue = "EnableOnly";

// The ids of a list such as "147, 136". An item that is not the id of a message of the
// string table is left out and named in `unknown`.
std::vector<int> ParseMessageIds(std::string_view list, std::vector<std::string>& unknown);

// The selection that a settings store holds; ids it does not know are named in `unknown`.
MessageSelection ReadMessageSelection(const SettingsStore& settings,
                                      std::vector<std::string>& unknown);

} // namespace kvf
