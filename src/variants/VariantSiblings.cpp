#include "variants/VariantSiblings.h"

#include "core/LineSuppressions.h"
#include "document/EngineFile.h"
#include "variants/VariantFamily.h"
#include "variants/VariantFile.h"

#include <filesystem>
#include <optional>
#include <set>
#include <system_error>

namespace fs = std::filesystem;

namespace kvf {
namespace {

std::string FileName(const std::string& path) {
    return fs::path(path).filename().string();
}

} // namespace

std::vector<VariantSibling> SiblingsOf(const std::string& path, const OpenTexts& open) {
    // The open texts by the key of their path, so that two spellings of one file meet.
    std::map<std::string, const OpenTexts::value_type*> openByKey;
    for (const auto& entry : open)
        openByKey.emplace(VariantPathKey(entry.first), &entry);
    const std::string self = VariantPathKey(path);

    VariantFamily family = FamilyOf(path);
    // Each path's key once: a key asks the file system for the folder's full path.
    std::set<std::string> onDisk;
    for (const std::string& member : family.Paths)
        onDisk.insert(VariantPathKey(member));
    for (const auto& [key, entry] : openByKey)
        if (!onDisk.count(key) && AreVariantSiblings(path, entry->first))
            family.Paths.push_back(entry->first);
    OrderFamily(family);

    std::vector<VariantSibling> siblings;
    for (const std::string& member : family.Paths) {
        const std::string key = VariantPathKey(member);
        if (key == self)
            continue;
        VariantSibling sibling{member, nullptr};
        if (auto it = openByKey.find(key); it != openByKey.end())
            sibling.OpenText = it->second->second;
        siblings.push_back(std::move(sibling));
    }
    return siblings;
}

std::vector<SiblingComparison>
CompareWithSiblings(const VariantSource& file, const std::vector<VariantSibling>& siblings,
                    AppServices& services, const MessageSelection& selection, bool inlineDisable) {
    LineSuppressions suppressions;
    if (inlineDisable && file.Lines)
        suppressions = LineSuppressions::Read(*file.Lines);
    std::vector<SiblingComparison> comparisons;
    for (const VariantSibling& sibling : siblings) {
        SiblingComparison& compared = comparisons.emplace_back();
        compared.Path = sibling.Path;
        compared.Name = FileName(sibling.Path);
        std::optional<BufferTextLines> lines =
            sibling.OpenText ? BufferTextLines(sibling.OpenText)
                             : ReadEngineLines(sibling.Path, compared.Problem);
        if (!lines)
            continue;
        const VariantFile other(compared.Name, std::move(*lines), services);
        compared.Findings = CompareVariant(file, other.Source());
        KeepSelected(compared.Findings, selection, inlineDisable ? &suppressions : nullptr);
    }
    return comparisons;
}

} // namespace kvf
