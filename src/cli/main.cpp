// kvfcheck: the check run of KVF Editor on the command line.

#include "catalogue/IniSettingsStore.h"
#include "cli/QtSettingsStore.h"
#include "cli/Reports.h"
#include "document/AppState.h"
#include "document/CheckRun.h"
#include "document/Document.h"
#include "document/FileReader.h"
#include "document/TextEncoding.h"
#include "output/OutputRows.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kExitClean = 0;
constexpr int kExitFindings = 1;
constexpr int kExitTrouble = 2;

const char* const kUsage = R"(Usage: kvfcheck [OPTIONS] FILE...

Checks KVF device-description files as the editor's Check KVF (F7) does and prints the
rows of the output window, one per line: Exception, Line-Nr. and Probable Cause,
separated by tabs.

Options:
  --no-semantic        skip the semantic check (FailSafe "NoSemanticCheck" for this run)
  --suppress-warnings  add no Warning rows (Settings "Warnings" for this run)
  --settings FILE      read the settings from this INI file (groups Settings, FailSafe,
                       UserKeys) instead of the user's store of the editor
  --format FORMAT      text (default): tab-separated rows
                       gcc: FILE:LINE: error|warning|note: TEXT
                       json: one JSON document per file
  --dump-db            print the entry database that loading builds, one JSON object
                       per entry, instead of checking
  -h, --help           show this help

Several files are checked one after the other.

Exit status: 0 when no row is an Error or Fatal Error, 1 when one is, 2 for bad usage
or a file that cannot be read (the reason goes to standard error).
)";

struct Options {
    bool noSemantic = false;
    bool suppressWarnings = false;
    bool dumpDatabase = false;
    std::optional<std::string> settingsFile;
    kvf::ReportFormat format = kvf::ReportFormat::Text;
    std::vector<std::string> files;
};

int UsageError(const std::string& text) {
    std::cerr << "kvfcheck: " << text << "\nTry 'kvfcheck --help'.\n";
    return kExitTrouble;
}

// Returns an exit status when the arguments end the program (help, bad usage).
std::optional<int> ParseArguments(int argc, char** argv, Options& options) {
    bool onlyFiles = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (onlyFiles || arg.empty() || arg[0] != '-' || arg == "-") {
            options.files.push_back(arg);
        } else if (arg == "--") {
            onlyFiles = true;
        } else if (arg == "-h" || arg == "--help") {
            std::cout << kUsage;
            return kExitClean;
        } else if (arg == "--no-semantic") {
            options.noSemantic = true;
        } else if (arg == "--suppress-warnings") {
            options.suppressWarnings = true;
        } else if (arg == "--dump-db") {
            options.dumpDatabase = true;
        } else if (arg == "--settings" || arg == "--format") {
            if (i + 1 >= argc)
                return UsageError(arg + " needs a value");
            std::string value = argv[++i];
            if (arg == "--settings") {
                options.settingsFile = value;
            } else if (value == "text") {
                options.format = kvf::ReportFormat::Text;
            } else if (value == "gcc") {
                options.format = kvf::ReportFormat::Gcc;
            } else if (value == "json") {
                options.format = kvf::ReportFormat::Json;
            } else {
                return UsageError("unknown format '" + value + "' (text, gcc or json)");
            }
        } else {
            return UsageError("unknown option '" + arg + "'");
        }
    }
    if (options.files.empty())
        return UsageError("no file given");
    return std::nullopt;
}

// The whole file as bytes, or the reason it cannot be read.
std::optional<std::string> ReadFile(const std::string& path, std::string& reason) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        reason = "is a directory";
        return std::nullopt;
    }
    // One read into one buffer: the size is known up front, and a file that grows while it
    // is read is read to its end.
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        reason = std::strerror(errno);
        return std::nullopt;
    }
    std::uintmax_t size = std::filesystem::file_size(path, error);
    std::string bytes(error ? 0 : static_cast<std::size_t>(size), '\0');
    std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
    bytes.resize(got);
    char more[65536];
    while (!std::ferror(file.get()) && !std::feof(file.get())) {
        std::size_t n = std::fread(more, 1, sizeof more, file.get());
        bytes.append(more, n);
    }
    if (std::ferror(file.get())) {
        reason = "read error";
        return std::nullopt;
    }
    if (kvf::LooksLikeUtf16(bytes)) {
        reason = "the file is UTF-16 text, not Windows-1252 text as KVF files are";
        return std::nullopt;
    }
    return bytes;
}

class StderrAlerts : public kvf::AlertSink {
  public:
    void SetFile(const std::string& file) { file_ = file; }
    void Alert(const std::string& text) override {
        std::string oneLine = text;
        for (char& c : oneLine)
            if (c == '\n')
                c = ' ';
        std::cerr << "kvfcheck: " << file_ << ": " << oneLine << '\n';
    }

  private:
    std::string file_;
};

bool HasErrorRow(const std::vector<kvf::OutputRow>& rows) {
    for (const kvf::OutputRow& row : rows)
        if (row.Level == kvf::LEVEL_ERROR || row.Level == kvf::LEVEL_FATAL)
            return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (auto status = ParseArguments(argc, argv, options))
        return *status;

    // A settings file is read as INI text by our own reader, so that hand-written values
    // such as `MY_KEY=1;2;UCHAR` keep their semicolons; the user's store is QSettings'.
    std::unique_ptr<kvf::SettingsStore> store;
    if (options.settingsFile) {
        std::string reason;
        std::optional<std::string> text = ReadFile(*options.settingsFile, reason);
        if (!text) {
            std::cerr << "kvfcheck: cannot read settings file '" << *options.settingsFile
                      << "': " << reason << '\n';
            return kExitTrouble;
        }
        store = std::make_unique<kvf::IniSettingsStore>(kvf::IniSettingsStore::FromText(*text));
    } else {
        store = std::make_unique<kvf::QtSettingsStore>();
    }
    kvf::OverlaySettingsStore settings(*store);
    if (options.noSemantic)
        settings.SetInt("FailSafe", "NoSemanticCheck", 1);
    if (options.suppressWarnings)
        settings.SetInt("Settings", "Warnings", 1);

    kvf::OutputRows rows(settings);
    kvf::AppState app(settings, rows);
    StderrAlerts alerts;
    app.SetAlertSink(&alerts);

    int status = kExitClean;
    for (const std::string& path : options.files) {
        std::string reason;
        std::optional<std::string> bytes = ReadFile(path, reason);
        if (!bytes) {
            std::cerr << "kvfcheck: cannot read '" << path << "': " << reason << '\n';
            status = kExitTrouble;
            continue;
        }
        alerts.SetFile(path);
        kvf::BufferTextLines lines(std::move(*bytes));
        std::string title = std::filesystem::path(path).filename().string();
        std::error_code error;
        std::string pathName = std::filesystem::absolute(path, error).string();
        kvf::Document document(app, lines, title, error ? path : pathName);

        if (options.dumpDatabase) {
            kvf::BuildDatabase(app, document.Database, lines);
            app.CurrentEntry = nullptr;
            kvf::PrintDatabase(std::cout, document.Database);
            continue;
        }
        kvf::Check(app, document);
        kvf::PrintRows(std::cout, options.format, path, rows.Rows());
        if (HasErrorRow(rows.Rows()) && status == kExitClean)
            status = kExitFindings;
        rows.ClearMessages();
        app.CheckedDocument = nullptr;
    }
    std::cout.flush();
    return status;
}
