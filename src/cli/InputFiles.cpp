#include "cli/InputFiles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace kvf::cli {
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Every KVF file below a directory, or the reason the search failed. Directory links are
// not followed, so a link loop cannot make the search endless.
std::vector<InputFile> SearchDirectory(const std::string& directory) {
    std::vector<fs::path> found;
    std::error_code error;
    fs::recursive_directory_iterator it(directory, error), end;
    while (!error && it != end) {
        const fs::directory_entry& entry = *it;
        std::error_code typeError;
        if (entry.is_regular_file(typeError) && IsKvfFileName(entry.path().filename().string()))
            found.push_back(entry.path());
        it.increment(error);
    }
    if (error)
        return {InputFile{directory, "cannot search directory: " + error.message()}};
    if (found.empty())
        return {InputFile{directory, "no *.kv? file in this directory"}};
    std::sort(found.begin(), found.end());
    std::vector<InputFile> files;
    files.reserve(found.size());
    for (const fs::path& path : found)
        files.push_back(InputFile{path.string(), {}});
    return files;
}

} // namespace

bool IsKvfFileName(const std::string& fileName) {
    std::size_t n = fileName.size();
    return n >= 4 && fileName[n - 4] == '.' && Lower(fileName[n - 3]) == 'k' &&
           Lower(fileName[n - 2]) == 'v';
}

std::vector<InputFile> ExpandArguments(const std::vector<std::string>& arguments) {
    std::vector<InputFile> files;
    for (const std::string& argument : arguments) {
        std::error_code error;
        if (fs::is_directory(argument, error)) {
            std::vector<InputFile> below = SearchDirectory(argument);
            files.insert(files.end(), below.begin(), below.end());
        } else {
            files.push_back(InputFile{argument, {}});
        }
    }
    return files;
}

} // namespace kvf::cli
