#pragma once

#include <string>
#include <vector>

namespace kvf::cli {

// One thing to check: a file path, or the reason an argument yields nothing to check (a
// directory that cannot be searched or holds no KVF file). The reason is reported in the
// file's place, so that output keeps the order of the arguments.
struct InputFile {
    std::string Path;
    std::string Problem; // empty when Path is to be checked
};

// The files a command line names: a file argument as it stands (whatever its name), a
// directory argument as every file below it whose name ends in ".kv" and one more
// character (any case), sorted by path element by element.
std::vector<InputFile> ExpandArguments(const std::vector<std::string>& arguments);

} // namespace kvf::cli
