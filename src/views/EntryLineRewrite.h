#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kvf::views {

// The longest physical line an entry rewrite accepts.
inline constexpr int kMaxRewriteLineLength = 1024;

// The new physical lines of an entry whose value the input view changed.
struct RewrittenEntry {
    QStringList Lines;
    // Offset of the entry's new last line from its first line (the entry's new Line minus
    // its LongLine).
    int LastLineOffset = 0;
};

// Rewrites the physical lines of one entry with its key and new value. The value begins
// with its '=' and may hold several lines; every line of the entry but its last ends with a
// continuation backslash, so the entry stays one logical line. A comment of an old line is
// kept at its column on the new line of the same position (old lines beyond the new value
// keep their comments as comment lines). A Module_Reference entry writes only what follows
// the first '='. Gives nothing when an old line is longer than kMaxRewriteLineLength.
std::optional<RewrittenEntry> RewriteEntryLines(const QStringList& oldLines, const QString& key,
                                                const QString& value, bool moduleReference);

} // namespace kvf::views
