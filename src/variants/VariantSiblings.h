#pragma once

#include "variants/VariantComparison.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kvf {

class AppServices;
class MessageSelection;

// A file of the same family as the one compared: its path and, where a shell holds it open,
// the text it holds (engine bytes), which counts instead of the file on disk.
struct VariantSibling {
    std::string Path;
    std::shared_ptr<const std::string> OpenText; // null: read from disk
};

// The texts a shell holds open, by path (engine bytes).
using OpenTexts = std::map<std::string, std::shared_ptr<const std::string>>;

// The siblings of the file at `path`: the other *.kv? files of its folder with its name (the
// file itself left out), each with its open text where `open` holds one, and the open texts
// of that folder and name that are not on disk (yet). In the order of their file names.
std::vector<VariantSibling> SiblingsOf(const std::string& path, const OpenTexts& open = {});

// The comparison of a file with one sibling: the findings on the file's lines, or why the
// sibling could not be read (then no findings).
struct SiblingComparison {
    std::string Path;
    std::string Name; // its file name, as the findings call it
    std::string Problem;
    std::vector<VariantFinding> Findings;
};

// Compares `file` with each sibling in turn and keeps the findings the selection reports and,
// with `inlineDisable`, the file's suppression comments do not silence.
std::vector<SiblingComparison>
CompareWithSiblings(const VariantSource& file, const std::vector<VariantSibling>& siblings,
                    AppServices& services, const MessageSelection& selection, bool inlineDisable);

} // namespace kvf
