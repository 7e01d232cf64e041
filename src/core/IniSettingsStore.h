#pragma once

#include "core/SettingsStore.h"

#include <string>
#include <string_view>

namespace kvf {

// A settings store read from INI text, as the editor's settings library writes it and as
// users write it by hand: `[Section]` lines and `Name=Value` lines.
//
// - Values follow the writer's quoting: parts in double quotes keep their blanks, backslash
//   escapes (\n, \t, \", \\, \xHHHH, octal ...) are read inside and outside quotes, blanks
//   around an unquoted value are dropped, "@@" stands for a leading '@', "@ByteArray(...)"
//   and "@String(...)" hold text, and other "@Type(...)" values hold no text (absent).
// - Unquoted commas separate the items of a list; the items are joined with commas again,
//   without the blanks around them.
// - A ';' inside a value is text, so a hand-written `MY_KEY=1;2;UCHAR` keeps its
//   semicolons (the writer quotes such values anyway). Lines starting with ';' or '#' are
//   comments.
// - Names and sections are written with %XX, %UXXXX and '\' for '/'; they are decoded.
// - The text is UTF-8 (a byte that is not UTF-8 counts as a Windows-1252 character); the
//   store holds Windows-1252 bytes, as the engine does everywhere.
// - Sections and names ignore ASCII case: "settings" and "Settings" are one section. A
//   later line of the same name wins. Values set later stay in memory.
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
    void Remove(const std::string& section, const std::string& name) override;
    // Upper-cased, as the store keys them.
    std::vector<std::string> Names(const std::string& section) const override;

  private:
    MemorySettingsStore values_; // keyed by upper-cased section and name
};

// A section's or value's name as a line of the text spells it (between '[' and ']', or before
// the '='), decoded as the store reads it: Windows-1252 bytes, case kept.
std::string IniNameText(std::string_view written);

} // namespace kvf
