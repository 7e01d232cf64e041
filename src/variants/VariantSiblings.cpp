#include "variants/VariantSiblings.h"

#include "document/TextEncoding.h"
#include "variants/VariantFamily.h"
#include "variants/VariantFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
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
    // Named, not bound: clang 14 (the WebAssembly build's) cannot capture a structured binding.
    for (const auto& keyed : openByKey) {
        const std::string& key = keyed.first;
        const std::string& openPath = keyed.second->first;
        if (AreVariantSiblings(path, openPath) &&
            std::none_of(family.Paths.begin(), family.Paths.end(),
                         [&](const std::string& p) { return VariantPathKey(p) == key; }))
            family.Paths.push_back(openPath);
    }
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

bool ReadVariantText(const std::string& path, std::string& bytes, std::string& reason) {
    std::error_code error;
    if (fs::is_directory(path, error)) {
        reason = "is a directory";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reason = "cannot be opened";
        return false;
    }
    std::string read((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        reason = "read error";
        return false;
    }
    if (LooksLikeUtf16(read)) {
        reason = "the file is UTF-16 text, not Windows-1252 text as KVF files are";
        return false;
    }
    if (StartsWithUtf8ByteOrderMark(read))
        read = Utf8FileAsEngineText(std::string_view(read).substr(kUtf8ByteOrderMark.size()));
    bytes = std::move(read);
    return true;
}

std::vector<SiblingComparison> CompareWithSiblings(const VariantSource& file,
                                                   const std::vector<VariantSibling>& siblings,
                                                   AppServices& services,
                                                   const MessageSelection& selection,
                                                   LineSuppressions* suppressions) {
    std::vector<SiblingComparison> comparisons;
    for (const VariantSibling& sibling : siblings) {
        SiblingComparison& compared = comparisons.emplace_back();
        compared.Path = sibling.Path;
        compared.Name = FileName(sibling.Path);
        std::string bytes;
        if (sibling.OpenText)
            bytes = *sibling.OpenText;
        else if (!ReadVariantText(sibling.Path, bytes, compared.Problem))
            continue;
        const VariantFile other(compared.Name, std::move(bytes), services);
        compared.Findings = CompareVariant(file, other.Source());
        KeepSelected(compared.Findings, selection, suppressions);
    }
    return comparisons;
}

} // namespace kvf
