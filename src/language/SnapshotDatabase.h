#pragma once

#include "core/CKeyDatabase.h"
#include "core/TextLines.h"
#include "language/Snapshot.h"

#include <memory>

namespace kvf::language {

// The entry database of a snapshot, as loading builds it (no check runs), with the lines it
// was built from. Hover, completion and the outline read it.
class SnapshotDatabase {
  public:
    SnapshotDatabase(const Snapshot& snapshot, const CheckSettings& settings);
    // The lines of a text whose database a check run builds: it takes the run's over with
    // TakeDatabase.
    explicit SnapshotDatabase(std::shared_ptr<const std::string> text) : lines_(std::move(text)) {}
    SnapshotDatabase(const SnapshotDatabase&) = delete;
    SnapshotDatabase& operator=(const SnapshotDatabase&) = delete;

    // Takes over a database built from these lines (the other one is left empty).
    void TakeDatabase(CKeyDatabase& built) { database_.Swap(built); }

    const BufferTextLines& Lines() const { return lines_; }
    const CKeyDatabase& Database() const { return database_; }
    // The entry whose lines hold `line`; none for a comment or empty line.
    const CDbEntry* EntryAt(int line) const;
    // The innermost block entry whose block holds `line` (its begin line excluded); none at
    // the top level.
    const CDbEntry* BlockAround(int line) const;

  private:
    BufferTextLines lines_;
    CKeyDatabase database_;
};

} // namespace kvf::language
