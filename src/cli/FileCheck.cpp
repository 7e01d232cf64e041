#include "cli/FileCheck.h"

#include "cli/ModuleExplanation.h"
#include "cli/Reports.h"
#include "core/AlertSink.h"
#include "core/AppServices.h"
#include "core/Document.h"
#include "core/RunContext.h"
#include "document/CheckRun.h"
#include "document/CheckSetup.h"
#include "document/FileReader.h"
#include "document/TextEncoding.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
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

// A file's lines as the engine checks them: a UTF-8 file (one with the byte order mark) as
// the code page's bytes of its characters, any other file's bytes as read.
BufferTextLines EngineLines(FileBytes bytes) {
    if (StartsWithUtf8ByteOrderMark(bytes.View()))
        return BufferTextLines(
            Utf8FileAsEngineText(bytes.View().substr(kUtf8ByteOrderMark.size())));
    return BufferTextLines(std::move(bytes.Block), bytes.Size);
}

} // namespace

bool ReadWholeFile(const std::string& path, FileBytes& bytes, std::string& reason) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        reason = "is a directory";
        return false;
    }
    // One read into one block: the size is known up front. The block has a byte to spare,
    // so the read that finds the end needs no new block; a file that grows while it is read
    // is read to its end.
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        reason = std::strerror(errno);
        return false;
    }
    std::uintmax_t size = std::filesystem::file_size(path, error);
    std::size_t capacity = (error ? 0 : static_cast<std::size_t>(size)) + 1;
    FileBytes read{OwnedBlock(capacity), 0};
    for (;;) {
        if (read.Size == capacity) {
            capacity *= 2;
            OwnedBlock larger(capacity);
            std::memcpy(larger.Bytes(), read.Block.Bytes(), read.Size);
            read.Block = std::move(larger);
        }
        std::size_t got =
            std::fread(read.Block.Bytes() + read.Size, 1, capacity - read.Size, file.get());
        read.Size += got;
        if (got == 0 || std::ferror(file.get()) || std::feof(file.get()))
            break;
    }
    if (std::ferror(file.get())) {
        reason = "read error";
        return false;
    }
    bytes = std::move(read);
    return true;
}

std::optional<BufferTextLines> ReadEngineLines(const std::string& path, std::string& reason) {
    FileBytes bytes;
    if (!ReadWholeFile(path, bytes, reason))
        return std::nullopt;
    if (LooksLikeUtf16(bytes.View())) {
        reason = "the file is UTF-16 text, not Windows-1252 text as KVF files are";
        return std::nullopt;
    }
    return EngineLines(std::move(bytes));
}

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
