#include "cli/FileCheck.h"

#include "cli/ModuleExplanation.h"
#include "cli/Reports.h"
#include "core/AlertSink.h"
#include "core/AppServices.h"
#include "core/Document.h"
#include "core/RunContext.h"
#include "document/CheckRun.h"
#include "document/CheckSetup.h"
#include "document/EngineFile.h"
#include "document/FileReader.h"

#include <filesystem>
#include <memory>
#include <sstream>

namespace kvf::cli {
namespace {

// The editor's message boxes, as lines for standard error.
class CollectedAlerts : public AlertSink {
  public:
    CollectedAlerts(std::string path, std::string& out) : path_(std::move(path)), out_(&out) {}
    void Alert(const std::string& text) override {
        std::string oneLine = text;
        for (char& c : oneLine)
            if (c == '\n')
                c = ' ';
        *out_ += "kvfcheck: " + path_ + ": " + oneLine + '\n';
    }

  private:
    std::string path_;
    std::string* out_;
};

} // namespace

FileResult FailedResult(const std::string& path, const std::string& problem) {
    FileResult failed;
    failed.Path = path;
    failed.Failed = true;
    failed.Problem = problem;
    failed.Diagnostics = "kvfcheck: " + problem + '\n';
    return failed;
}

FileResult UnreadableResult(const std::string& path, const std::string& reason) {
    return FailedResult(path, "cannot read '" + path + "': " + reason);
}

FileResult CheckFile(const std::string& path, SettingsStore& settings,
                     const MessageSelection& selection, FileAction action, ReportFormat format,
                     bool inlineDisable) {
    std::string reason;
    std::optional<BufferTextLines> read = ReadEngineLines(path, reason);
    if (!read)
        return UnreadableResult(path, reason);
    BufferTextLines& lines = *read;
    FileResult result;
    result.Path = path;

    OutputRows rows(settings);
    // Services of this file's own: files are checked on several threads at once, and
    // only the settings store is shared (it is only read).
    AppServices services(settings, rows);
    CollectedAlerts alerts(path, result.Diagnostics);
    services.SetAlertSink(&alerts);

    std::string title = std::filesystem::path(path).filename().string();
    std::error_code error;
    std::string pathName = std::filesystem::absolute(path, error).string();
    Document document(lines, title, error ? path : pathName);

    if (action == FileAction::DumpDatabase) {
        RunContext run(services);
        BuildDatabase(run, document.Database, lines);
        std::ostringstream dump;
        PrintDatabase(dump, document.Database);
        result.DatabaseDump = std::move(dump).str();
        return result;
    }
    if (action == FileAction::ExplainModules) {
        RunContext run(services);
        BuildDatabase(run, document.Database, lines);
        std::ostringstream explanation;
        PrintModuleExplanation(explanation, format, path, document.Database);
        result.ModuleExplanation = std::move(explanation).str();
        return result;
    }
    CheckReport report =
        RunConfiguredCheck(services, document, CheckOptions{selection, inlineDisable});
    result.UnusedSuppressions = std::move(report.UnusedSuppressions);
    result.Rows = rows.TakeRows();
    result.Rows.ForgetTargets(); // the document ends here
    return result;
}

} // namespace kvf::cli
