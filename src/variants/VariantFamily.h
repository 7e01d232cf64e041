#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kvf {

// A device's files in several languages: the files of one folder whose names agree up to
// the extension's last letter (dev.kvd, DEV.KVE, dev.kvf ...; names compared without
// case). Only their texts may differ. The paths are in the order of their file names
// (without case, then byte for byte); the reference, which the others are compared with,
// is the .kvd file where there is one, else the first.
struct VariantFamily {
    std::vector<std::string> Paths;
    std::size_t Reference = 0;
};

// Whether a file name is a KVF file's, as every variant family's is: "*.kv?" in any case.
bool IsVariantFileName(std::string_view fileName);

// Whether two paths name two files of one family: two *.kv? files of one folder whose names
// agree without case up to the extension's last letter. A path is no sibling of itself.
bool AreVariantSiblings(const std::string& a, const std::string& b);

// A key that is the same for two spellings of one path: its folder's full path and its name.
std::string VariantPathKey(const std::string& path);

// The family of one file: the file itself and every *.kv? file beside it of the same name.
// A folder that cannot be read gives the file alone.
VariantFamily FamilyOf(const std::string& path);

// The families among a list of files (a directory search's): files of one folder and one
// name together, in the order of their first file in the list. A family may hold one file.
std::vector<VariantFamily> GroupFamilies(const std::vector<std::string>& paths);

// Puts a family's paths in order and chooses its reference.
void OrderFamily(VariantFamily& family);

} // namespace kvf
