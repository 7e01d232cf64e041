#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kvf {

// The longest physical line an entry rewrite accepts.
inline constexpr std::size_t kMaxRewriteLineLength = 1024;

// The new physical lines of an entry whose value a form changed.
template <typename Text> struct RewrittenEntry {
    std::vector<Text> Lines;
    // Offset of the entry's new last line from its first line (the entry's new Line minus
    // its LongLine).
    int LastLineOffset = 0;
};

// Rewrites the physical lines of one entry with its key and new value. The value begins
// with its '=' and may hold several lines; every line of the entry but its last ends with a
// continuation backslash, so the entry stays one logical line. The blanks around the '='
// are those the old lines have around theirs. A comment of an old line is
// kept at its column on the new line of the same position (old lines beyond the new value
// keep their comments as comment lines). A Module_Reference entry writes only what follows
// the first '='. Gives nothing when an old line is longer than kMaxRewriteLineLength.
//
// `Text` is std::string for Windows-1252 bytes, or std::u16string for the editor's text, so
// that characters a code page cannot hold survive in the comments the rewrite keeps.
template <typename Text>
std::optional<RewrittenEntry<Text>> RewriteEntryLines(const std::vector<Text>& oldLines,
                                                      const Text& key, const Text& value,
                                                      bool moduleReference);

extern template std::optional<RewrittenEntry<std::string>>
RewriteEntryLines(const std::vector<std::string>&, const std::string&, const std::string&, bool);
extern template std::optional<RewrittenEntry<std::u16string>>
RewriteEntryLines(const std::vector<std::u16string>&, const std::u16string&, const std::u16string&,
                  bool);

} // namespace kvf
