#pragma once

#include "core/IniSettingsStore.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvf {

// The one writer of the settings file outside the editor: the file's text changed value by
// value, every other line kept byte for byte. A value is written as the editor's settings
// library writes it, so that library and the engine's IniSettingsStore both read back the
// very bytes that were set, whatever they hold (brackets, commas, quotes, backslashes, '=',
// ';', line breaks, characters beyond ASCII, nothing at all):
//
// - names: letters, digits, '_', '-' and '.' as they are, '/' as '\', any other character
//   as %XX (or %UXXXX beyond U+00FF);
// - values: UTF-8; '"' and '\' escaped with '\', control characters as \n, \t, \xHH ...;
//   in double quotes when they hold ';', ',' or '=' or begin or end with a blank; a leading
//   '@' doubled.
//
// A value set replaces every line of its name in every section of its name (names and
// sections ignore ASCII case, as the engine reads them); when no such line stands in a
// section spelt exactly as given (the editor's library tells sections and names apart by
// case), the line goes at the end of that section, or of a new section at the end of the
// file. A value removed takes its lines with it. Reads see the text and the changes made
// since. New lines end as the text's first line does (LF when it has none).
class IniSettingsWriter : public SettingsStore {
  public:
    explicit IniSettingsWriter(std::string text);

    int GetInt(const std::string& section, const std::string& name,
               int defaultValue) const override;
    void SetInt(const std::string& section, const std::string& name, int value) override;
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) const override;
    void SetString(const std::string& section, const std::string& name,
                   const std::string& value) override;
    void Remove(const std::string& section, const std::string& name) override;
    std::vector<std::string> Names(const std::string& section) const override;

    // The file's text with every change made so far.
    std::string Text() const;

  private:
    struct Change {
        std::string Section;
        std::string Name;
        std::optional<std::string> Value; // none: removed
    };

    std::string text_;
    IniSettingsStore values_;
    std::vector<Change> changes_; // the last change of each name
};

// One "name=value" line (without its line break) as the writer writes it; name and value are
// Windows-1252 bytes, as the engine holds them.
std::string IniValueLine(std::string_view name, std::string_view value);

} // namespace kvf
