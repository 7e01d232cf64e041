#pragma once

#include "catalogue/SettingsStore.h"

#include <string>
#include <string_view>

namespace kvf {

// A settings store read from INI text: `[Section]` lines and `Name=Value` lines. The value
// is everything after the first '=', so a hand-written `MY_KEY=1;2;UCHAR` keeps its
// semicolons; a value in double quotes (as QSettings writes one) loses the quotes and its
// backslash escapes are read. Lines starting with ';' or '#' are comments. Sections and
// names ignore ASCII case, as the settings store of the original platform did. Values set
// later stay in memory.
class IniSettingsStore : public SettingsStore {
  public:
    static IniSettingsStore FromText(std::string_view text);

    int GetInt(const std::string& section, const std::string& name,
               int defaultValue) const override;
    void SetInt(const std::string& section, const std::string& name, int value) override;
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) const override;
    void SetString(const std::string& section, const std::string& name,
                   const std::string& value) override;

  private:
    MemorySettingsStore values_; // keyed by upper-cased section and name
};

} // namespace kvf
