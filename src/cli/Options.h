#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kvf::cli {

enum class ReportFormat { Text, Gcc, Json, Sarif };

// Which rows make the exit status 1: Error and Fatal Error rows only, or Warning rows too.
enum class FailOn { Error, Warning };

struct Options {
    bool noSemantic = false;
    bool suppressWarnings = false;
    bool dumpDatabase = false;
    bool explainModules = false;
    bool listMessages = false;
    bool variants = false;        // compare language variants instead of checking
    bool noInlineDisable = false; // ignore the suppression comments of the files
    std::optional<std::string> settingsFile;
    ReportFormat format = ReportFormat::Text;
    FailOn failOn = FailOn::Error;
    unsigned jobs = 1;                   // files checked at once; 0 = one per processor
    std::vector<std::string> disable;    // message ids, as given
    std::vector<std::string> enableOnly; // message ids, as given
    std::vector<std::string> paths;      // files and directories, in argument order
};

// What parsing the command line ends in: options to run with, or an exit status (help was
// shown, or the usage was wrong and the reason is on standard error).
struct ParsedCommandLine {
    Options options;
    std::optional<int> exitStatus;
};

ParsedCommandLine ParseCommandLine(int argc, char** argv);

} // namespace kvf::cli
