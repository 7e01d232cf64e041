#include "cli/InputFiles.h"

#include "variants/VariantFamily.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace kvf::cli {
namespace {

// Whether the search must not enter this directory entry: a link to a directory. The
// standard library does not follow directory links itself, except on Windows, where it
// takes a junction or a directory link for the directory it points to; there the entry's
// own attributes tell.
bool IsDirectoryLink(const fs::directory_entry& entry) {
#ifdef _WIN32
    DWORD attributes = GetFileAttributesW(entry.path().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
           (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
#else
    (void)entry;
    return false;
#endif
}

// Every KVF file below a directory, or the reason the search failed. Directory links are
// not followed, so a link loop cannot make the search endless. On Windows, paths are
// UTF-8 (kvfcheck.exe asks for UTF-8 as its code page); a name that cannot be converted
// ends the search with its reason instead of the program.
std::vector<InputFile> SearchDirectory(const std::string& directory) {
    auto failed = [&](const std::string& reason) {
        return std::vector<InputFile>{InputFile{directory, "cannot search directory: " + reason}};
    };
    try {
        std::vector<fs::path> found;
        std::error_code error;
        fs::recursive_directory_iterator it(directory, error), end;
        while (!error && it != end) {
            const fs::directory_entry& entry = *it;
            std::error_code typeError;
            if (entry.is_regular_file(typeError) &&
                IsVariantFileName(entry.path().filename().string()))
                found.push_back(entry.path());
            else if (IsDirectoryLink(entry))
                it.disable_recursion_pending();
            it.increment(error);
        }
        if (error)
            return failed(error.message());
        if (found.empty())
            return {InputFile{directory, "no *.kv? file in this directory"}};
        std::sort(found.begin(), found.end());
        std::vector<InputFile> files;
        files.reserve(found.size());
        for (const fs::path& path : found)
            files.push_back(InputFile{path.string(), {}});
        return files;
    } catch (const std::exception& failure) {
        return failed(failure.what());
    }
}

} // namespace

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
