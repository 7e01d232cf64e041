// kvfcheck: the check run of KVF Editor on the command line.

#include "cli/ExitStatus.h"
#include "cli/FileCheck.h"
#include "cli/HugePageBlocks.h"
#include "cli/InputFiles.h"
#include "cli/MessageList.h"
#include "cli/Options.h"
#include "cli/OrderedRun.h"
#include "cli/Reports.h"
#include "cli/SarifReport.h"
#include "cli/SettingsSource.h"
#include "cli/VariantRun.h"

#include <iostream>
#include <memory>
#include <thread>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

using namespace kvf::cli;

namespace {

unsigned WorkerCount(unsigned jobs) {
    if (jobs != 0)
        return jobs;
    unsigned processors = std::thread::hardware_concurrency();
    return processors ? processors : 1;
}

} // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Output ends its lines with LF on Windows too: rows, JSON and SARIF are the same bytes
    // on every system, and a row keeps any CR its file's text holds. The C runtime's text
    // mode would write CR LF for each LF.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    UseHugePageBlocks();
    ParsedCommandLine parsed = ParseCommandLine(argc, argv);
    if (parsed.exitStatus)
        return *parsed.exitStatus;
    const Options& options = parsed.options;
    if (options.listMessages) {
        PrintMessageList(std::cout);
        return kExitClean;
    }

    std::unique_ptr<RunSettings> settings = LoadRunSettings(options, std::cerr);
    if (!settings)
        return kExitTrouble;

    if (options.variants) {
        int status = RunVariantComparison(options, settings->Store(), settings->Selection(),
                                          WorkerCount(options.jobs), std::cout, std::cerr);
        std::cout.flush();
        return status;
    }

    std::vector<InputFile> inputs = ExpandArguments(options.paths);
    FileAction action = options.dumpDatabase     ? FileAction::DumpDatabase
                        : options.explainModules ? FileAction::ExplainModules
                                                 : FileAction::Check;
    auto work = [&](std::size_t i) {
        const InputFile& input = inputs[i];
        if (!input.Problem.empty())
            return FailedResult(input.Path, "'" + input.Path + "': " + input.Problem);
        return CheckFile(input.Path, settings->Store(), settings->Selection(), action,
                         options.format, !options.noInlineDisable);
    };

    int status = kExitClean;
    std::vector<FileResult> sarif;
    auto deliver = [&](FileResult& result) {
        std::cerr << result.Diagnostics << std::flush;
        status = ExitStatusAfter(status, result, options.failOn);
        if (action == FileAction::DumpDatabase)
            std::cout << result.DatabaseDump;
        else if (action == FileAction::ExplainModules)
            std::cout << result.ModuleExplanation;
        else if (options.format == ReportFormat::Sarif)
            sarif.push_back(std::move(result));
        else if (!result.Failed)
            PrintRows(std::cout, options.format, result.Path, result.Rows,
                      result.UnusedSuppressions);
    };
    RunInOrder(inputs.size(), WorkerCount(options.jobs), work, deliver);

    if (options.format == ReportFormat::Sarif && action == FileAction::Check)
        PrintSarif(std::cout, sarif);
    std::cout.flush();
    return status;
}
