#pragma once

#include "language/Snapshot.h"
#include "language/SnapshotDatabase.h"
#include "language/TextRange.h"

#include <string>
#include <vector>

namespace kvf::language {

// One entry of the outline: a block (Module with its name, SlotDefinition, ExtUserPrmData,
// PrmText, diagnosis areas, Physical_Interface ...) with its entries as children, or a
// single entry. Range covers the whole block or entry; KeyRange the keyword.
struct OutlineSymbol {
    std::string Name;   // Windows-1252
    std::string Detail; // the value, where the name does not hold it
    bool IsBlock = false;
    TextRange Range;
    TextRange KeyRange;
    std::vector<OutlineSymbol> Children;
};

struct FoldingRange {
    int StartLine = 0;
    int EndLine = 0;
};

struct Outline {
    std::vector<OutlineSymbol> Symbols; // the file's entries in order, blocks with children
    std::vector<FoldingRange> Folds;    // one per block that spans several lines
};

// The outline of a snapshot as the reader builds its entries (no check is run).
Outline BuildOutline(const Snapshot& snapshot, const CheckSettings& settings);
// The same on a version already read (its analysis): nothing is parsed again.
Outline BuildOutline(const SnapshotDatabase& read);

} // namespace kvf::language
