#pragma once

#include "cli/FileCheck.h"

#include <cstddef>
#include <functional>

namespace kvf::cli {

// Runs work(0) ... work(count - 1) on up to `jobs` threads and hands each result to
// deliver() on the calling thread, in index order, as soon as it and every result before
// it are done: the output of a parallel run is the output of a serial one. A work item
// that throws gives a failed result instead of ending the program.
void RunInOrder(std::size_t count, unsigned jobs,
                const std::function<FileResult(std::size_t)>& work,
                const std::function<void(FileResult&)>& deliver);

} // namespace kvf::cli
