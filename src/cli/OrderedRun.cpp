#include "cli/OrderedRun.h"

namespace kvf::cli {

FileResult AbortedResult(const std::string& reason) {
    return FailedResult({}, "check aborted: " + reason);
}

void RunInOrder(std::size_t count, unsigned jobs,
                const std::function<FileResult(std::size_t)>& work,
                const std::function<void(FileResult&)>& deliver) {
    RunInOrderOf<FileResult>(count, jobs, work, deliver, AbortedResult);
}

} // namespace kvf::cli
