#pragma once

#include "core/CDbEntry.h"

#include <QStringList>

#include <array>
#include <cstddef>
#include <string>
#include <vector>

class QTextDocument;

namespace kvf {

class CKeyDatabase;

// The Applies an input view made, each with its entry's values and lines before and after
// it, so that the entry follows an undo of an Apply (or its redo): while the entry's lines
// read again as they did before (or after) an Apply, the entry holds the values it had then.
// A step names its entry by its first line and key, not by address, so it still finds the
// entry in a database built again since (by F5, or by the live check).
class AppliedSteps {
  public:
    // The physical lines of `entry` as the text holds them.
    static QStringList LinesOf(const QTextDocument& text, const CDbEntry& entry);

    // An Apply rewrote `entry`, which was `before` with the lines `linesBefore`.
    void Add(const CDbEntry& entry, const CDbEntry& before, const QStringList& linesBefore,
             const QTextDocument& text);
    // After an edit of the text: each entry of a step whose lines now read as they did before
    // or after it takes the values it had then (the newest step that matches decides).
    // Returns the entries that changed.
    std::vector<CDbEntry*> Follow(CKeyDatabase& database, const QTextDocument& text);

  private:
    // What an Apply changes of an entry: the stored value and its parts, the key a data type
    // choice sets, the last line of the rewrite, and what the check of the entry found.
    struct Values {
        explicit Values(const CDbEntry& entry);
        void WriteTo(CDbEntry& entry) const;
        bool operator==(const Values& other) const = default;

        std::string Key;
        std::string Value;
        std::array<std::string, 4> Parts;
        int Line;
        int Valid;
        int ValueCount;
    };
    struct Step {
        int LongLine;
        Values Before;
        Values After;
        QStringList LinesBefore;
        QStringList LinesAfter;
    };
    // The steps kept: an undo reaches back this far.
    static constexpr std::size_t kMaxSteps = 100;

    std::vector<Step> steps_;
};

} // namespace kvf
