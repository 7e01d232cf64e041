#include "cli/VariantRun.h"

#include "cli/ExitStatus.h"
#include "cli/InputFiles.h"
#include "cli/OrderedRun.h"
#include "cli/Reports.h"
#include "cli/SarifReport.h"
#include "core/AppServices.h"
#include "core/LineSuppressions.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "output/OutputRows.h"
#include "variants/VariantComparison.h"
#include "variants/VariantFile.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <system_error>

namespace kvf::cli {
namespace {

// A family once, however many arguments name it: by its reference's full path.
std::string FamilyKey(const VariantFamily& family) {
    std::error_code error;
    const std::string& reference = family.Paths[family.Reference];
    std::filesystem::path full = std::filesystem::weakly_canonical(reference, error);
    return error ? reference : full.string();
}

// A list of one result (a list made from braces would copy it).
std::vector<FileResult> One(FileResult result) {
    std::vector<FileResult> list;
    list.push_back(std::move(result));
    return list;
}

// A variant file read from disk; null when it cannot be read, with the reason in `problem`.
std::unique_ptr<VariantFile> ReadVariantFile(const std::string& path, AppServices& services,
                                             std::string& problem) {
    std::optional<BufferTextLines> lines = ReadEngineLines(path, problem);
    if (!lines)
        return nullptr;
    return std::make_unique<VariantFile>(std::filesystem::path(path).filename().string(),
                                         std::move(*lines), services);
}

void AddFrame(FileResult& result, int id, const std::string& text) {
    result.Rows.Add(LEVEL_FRAME, -1, id, text, nullptr);
    result.Related.push_back(RelatedLine{});
}

FileResult Compared(const std::string& path, const VariantFile& file,
                    const std::string& referencePath, const VariantFile& reference,
                    const MessageSelection& selection, bool inlineDisable) {
    std::vector<VariantFinding> findings = CompareVariant(file.Source(), reference.Source());
    LineSuppressions suppressions;
    if (inlineDisable)
        suppressions = LineSuppressions::Read(file.Lines());
    KeepSelected(findings, selection, inlineDisable ? &suppressions : nullptr);

    FileResult result;
    result.Path = path;
    const std::string name = file.Source().Name;
    AddFrame(result, msg::VariantCompareStart,
             FormatMessage(msg::VariantCompareStart, name, reference.Source().Name));
    for (const VariantFinding& finding : findings) {
        result.Rows.Add(finding.Level, finding.Line, finding.Id, finding.Text, nullptr);
        result.Related.push_back(RelatedLine{referencePath, finding.OtherLine});
    }
    if (findings.empty())
        AddFrame(result, msg::VariantsAgree, FormatMessage(msg::VariantsAgree));
    AddFrame(result, msg::VariantCompareStop, FormatMessage(msg::VariantCompareStop));
    return result;
}

} // namespace

std::vector<FamilyJob> FamilyJobs(const std::vector<std::string>& arguments) {
    std::vector<FamilyJob> jobs;
    std::set<std::string> seen;
    auto add = [&](VariantFamily family, bool named) {
        if (seen.insert(FamilyKey(family)).second)
            jobs.push_back(FamilyJob{std::move(family), named, {}});
    };
    for (const std::string& argument : arguments) {
        std::error_code error;
        if (!std::filesystem::is_directory(argument, error)) {
            add(FamilyOf(argument), true);
            continue;
        }
        std::vector<std::string> paths;
        for (const InputFile& input : ExpandArguments({argument})) {
            if (!input.Problem.empty()) {
                FamilyJob failed;
                failed.Family.Paths = {input.Path};
                failed.Problem = input.Problem;
                jobs.push_back(std::move(failed));
            } else {
                paths.push_back(input.Path);
            }
        }
        for (VariantFamily& family : GroupFamilies(paths))
            if (family.Paths.size() > 1)
                add(std::move(family), false);
    }
    return jobs;
}

std::vector<FileResult> CompareFamilyFiles(const FamilyJob& job, SettingsStore& settings,
                                           const MessageSelection& selection, bool inlineDisable) {
    const std::vector<std::string>& paths = job.Family.Paths;
    if (!job.Problem.empty())
        return One(FailedResult(paths.front(), "'" + paths.front() + "': " + job.Problem));
    // Services of this family's own (families are compared on several threads at once);
    // the database builds report nothing to them.
    OutputRows unused(settings);
    AppServices services(settings, unused);

    std::vector<std::unique_ptr<VariantFile>> files;
    std::vector<std::string> problems(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i)
        files.push_back(ReadVariantFile(paths[i], services, problems[i]));

    const std::size_t reference = job.Family.Reference;
    if (!files[reference])
        return One(UnreadableResult(paths[reference], problems[reference]));
    if (paths.size() == 1) {
        FileResult alone;
        alone.Path = paths.front();
        AddFrame(alone, msg::NoLanguageVariant,
                 FormatMessage(msg::NoLanguageVariant, files.front()->Source().Name));
        return One(std::move(alone));
    }
    std::vector<FileResult> results;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (i == reference)
            continue;
        if (!files[i])
            results.push_back(UnreadableResult(paths[i], problems[i]));
        else
            results.push_back(Compared(paths[i], *files[i], paths[reference], *files[reference],
                                       selection, inlineDisable));
    }
    return results;
}

int RunVariantComparison(const Options& options, SettingsStore& settings,
                         const MessageSelection& selection, unsigned jobs, std::ostream& out,
                         std::ostream& errors) {
    const std::vector<FamilyJob> families = FamilyJobs(options.paths);
    int status = kExitClean;
    std::vector<FileResult> sarif;
    auto work = [&](std::size_t i) {
        return CompareFamilyFiles(families[i], settings, selection, !options.noInlineDisable);
    };
    auto deliver = [&](std::vector<FileResult>& results) {
        for (FileResult& result : results) {
            errors << result.Diagnostics << std::flush;
            status = ExitStatusAfter(status, result, options.failOn);
            if (options.format == ReportFormat::Sarif)
                sarif.push_back(std::move(result));
            else if (!result.Failed)
                PrintRows(out, options.format, result.Path, result.Rows, {}, result.Related);
        }
    };
    auto failed = [](const std::string& reason) { return One(AbortedResult(reason)); };
    RunInOrderOf<std::vector<FileResult>>(families.size(), jobs, work, deliver, failed);
    if (options.format == ReportFormat::Sarif)
        PrintSarif(out, sarif, SarifRules::Variants);
    return status;
}

} // namespace kvf::cli
