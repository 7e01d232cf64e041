#include "variants/VariantFamily.h"

#include "core/AsciiText.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <map>
#include <system_error>

namespace fs = std::filesystem;

namespace kvf {
namespace {

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered)
        c = ToLowerAscii(c);
    return lowered;
}

std::string FileName(const std::string& path) {
    return fs::path(path).filename().string();
}

// The name the files of a family share: the file name without its extension, without case.
std::string SharedName(const std::string& fileName) {
    const std::size_t dot = fileName.rfind('.');
    return Lowered(dot == std::string::npos ? fileName : fileName.substr(0, dot));
}

bool IsReferenceName(const std::string& fileName) {
    const std::string lowered = Lowered(fileName);
    return lowered.size() >= 4 && lowered.compare(lowered.size() - 4, 4, ".kvd") == 0;
}

// The folder a path lies in, as a key that is the same for two spellings of one folder.
std::string FolderKey(const std::string& path) {
    std::error_code error;
    fs::path folder = fs::path(path).parent_path();
    fs::path absolute = fs::weakly_canonical(folder.empty() ? fs::path(".") : folder, error);
    // A folder spelt with ".." past a folder that does not exist comes back with a
    // separator at its end: the same folder as without it.
    if (!error && !absolute.has_filename() && absolute.has_relative_path())
        absolute = absolute.parent_path();
    return error ? folder.string() : absolute.string();
}

} // namespace

bool IsVariantFileName(std::string_view fileName) {
    const std::size_t n = fileName.size();
    return n >= 4 && fileName[n - 4] == '.' && ToLowerAscii(fileName[n - 3]) == 'k' &&
           ToLowerAscii(fileName[n - 2]) == 'v';
}

void OrderFamily(VariantFamily& family) {
    std::vector<std::string>& paths = family.Paths;
    std::stable_sort(paths.begin(), paths.end(), [](const std::string& a, const std::string& b) {
        const std::string x = FileName(a), y = FileName(b);
        const std::string lx = Lowered(x), ly = Lowered(y);
        return lx != ly ? lx < ly : x < y;
    });
    family.Reference = 0;
    for (std::size_t i = 0; i < paths.size(); ++i)
        if (IsReferenceName(FileName(paths[i]))) {
            family.Reference = i;
            break;
        }
}

bool AreVariantSiblings(const std::string& a, const std::string& b) {
    const std::string x = FileName(a), y = FileName(b);
    return IsVariantFileName(x) && IsVariantFileName(y) && SharedName(x) == SharedName(y) &&
           FolderKey(a) == FolderKey(b) && VariantPathKey(a) != VariantPathKey(b);
}

std::string VariantPathKey(const std::string& path) {
    return (fs::path(FolderKey(path)) / FileName(path)).string();
}

VariantFamily FamilyOf(const std::string& path) {
    VariantFamily family;
    family.Paths.push_back(path);
    const fs::path given(path);
    const std::string name = given.filename().string();
    const std::string shared = SharedName(name);
    try {
        const fs::path folder = given.parent_path();
        std::error_code error;
        for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end;
             !error && it != end; it.increment(error)) {
            const std::string sibling = it->path().filename().string();
            std::error_code typeError;
            if (sibling != name && IsVariantFileName(sibling) && SharedName(sibling) == shared &&
                it->is_regular_file(typeError))
                family.Paths.push_back((folder / sibling).string());
        }
    } catch (const std::exception&) {
        // A name that cannot be converted: the file is compared with what was found.
    }
    OrderFamily(family);
    return family;
}

std::vector<VariantFamily> GroupFamilies(const std::vector<std::string>& paths) {
    std::vector<VariantFamily> families;
    std::map<std::pair<std::string, std::string>, std::size_t> index;
    for (const std::string& path : paths) {
        auto key = std::make_pair(FolderKey(path), SharedName(FileName(path)));
        auto [it, added] = index.try_emplace(key, families.size());
        if (added)
            families.emplace_back();
        std::vector<std::string>& members = families[it->second].Paths;
        if (std::find(members.begin(), members.end(), path) == members.end())
            members.push_back(path);
    }
    for (VariantFamily& family : families)
        OrderFamily(family);
    return families;
}

} // namespace kvf
