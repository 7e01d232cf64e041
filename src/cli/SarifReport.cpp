#include "cli/SarifReport.h"

#include "cli/JsonOutput.h"
#include "cli/Reports.h"
#include "core/FindingMessages.h"
#include "core/Windows1252.h"
#include "variants/VariantComparison.h"
#include "version/BuildVersion.h"

#include <filesystem>
#include <map>

namespace kvf::cli {
namespace {

const char* const kSchema = "https://json.schemastore.org/sarif-2.1.0.json";
const char* const kSrcRoot = "SRCROOT";

const char* SarifLevel(int level) {
    switch (level) {
    case LEVEL_ERROR:
    case LEVEL_FATAL:
        return "error";
    case LEVEL_WARNING:
        return "warning";
    default:
        return "note";
    }
}

bool IsFinding(const OutputRow& row) {
    return IsErrorRow(row) || IsWarningRow(row);
}

std::string RuleId(int id) {
    return std::to_string(id);
}

Json Message(const std::string& utf8) {
    Json message;
    message["text"] = utf8;
    return message;
}

// The rules: every message of the table that such a run reports as a finding.
Json Rules(std::map<int, std::size_t>& ruleIndex, SarifRules run) {
    Json rules = Json::array();
    for (const FindingMessage& message : FindingMessages()) {
        if (IsVariantFinding(message.Id) != (run == SarifRules::Variants))
            continue;
        Json rule;
        rule["id"] = RuleId(message.Id);
        rule["shortDescription"] = Message(Windows1252ToUtf8(message.Text));
        Json configuration;
        configuration["level"] = SarifLevel(message.Level);
        rule["defaultConfiguration"] = std::move(configuration);
        ruleIndex[message.Id] = rules.size();
        rules.push_back(std::move(rule));
    }
    return rules;
}

// A location in a file, at a 0-based line where there is one (-1: the whole file).
Json FileLocation(const std::string& path, int line) {
    Json artifact;
    std::string uri = PathToUri(path);
    artifact["uri"] = uri;
    if (uri.rfind("file:", 0) != 0)
        artifact["uriBaseId"] = kSrcRoot;
    Json physical;
    physical["artifactLocation"] = std::move(artifact);
    if (line >= 0) {
        Json region;
        region["startLine"] = line + 1;
        physical["region"] = std::move(region);
    }
    Json location;
    location["physicalLocation"] = std::move(physical);
    return location;
}

Json Location(const std::string& path, const OutputRow* row) {
    const bool hasLine = row && row->Line >= 0 && LineText(row->Level, row->Line) != "---";
    return FileLocation(path, hasLine ? row->Line : -1);
}

Json Result(const std::string& path, const OutputRow& row, const RelatedLine* related,
            const std::map<int, std::size_t>& ruleIndex) {
    Json result;
    if (row.Id != 0) {
        result["ruleId"] = RuleId(row.Id);
        if (auto it = ruleIndex.find(row.Id); it != ruleIndex.end())
            result["ruleIndex"] = it->second;
    }
    result["level"] = SarifLevel(row.Level);
    result["message"] = Message(Windows1252ToUtf8(row.Text));
    result["locations"] = Json::array({Location(path, &row)});
    if (related && related->Line >= 0) {
        Json other = FileLocation(related->Path, related->Line);
        other["id"] = 0;
        result["relatedLocations"] = Json::array({std::move(other)});
    }
    return result;
}

// A suppression comment that silenced nothing: a note at the comment's line.
Json NoteResult(const std::string& path, const Suppression& unused) {
    Json result;
    result["ruleId"] = RuleId(UnusedSuppressionId());
    result["level"] = "note";
    result["message"] = Message(Windows1252ToUtf8(UnusedSuppressionText(unused)));
    Json location = Location(path, nullptr);
    Json region;
    region["startLine"] = unused.CommentLine + 1;
    location["physicalLocation"]["region"] = std::move(region);
    result["locations"] = Json::array({std::move(location)});
    return result;
}

// Relative paths are relative to the folder kvfcheck ran in.
Json SourceRoot() {
    std::error_code error;
    std::string cwd = std::filesystem::current_path(error).string();
    Json root = Json::object();
    if (!error) {
        Json location;
        location["uri"] = PathToUri(cwd.ends_with('/') ? cwd : cwd + '/');
        root[kSrcRoot] = std::move(location);
    }
    return root;
}

} // namespace

std::string PathToUri(const std::string& path) {
    static const char* const hex = "0123456789ABCDEF";
    std::string uri = !path.empty() && path[0] == '/' ? "file://" : "";
    for (unsigned char c : path) {
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                     c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
        if (plain) {
            uri += static_cast<char>(c);
        } else {
            uri += '%';
            uri += hex[c >> 4];
            uri += hex[c & 15];
        }
    }
    return uri;
}

void PrintSarif(std::ostream& out, const std::vector<FileResult>& results, SarifRules rules) {
    std::map<int, std::size_t> ruleIndex;
    Json driver;
    driver["name"] = "kvfcheck";
    driver["version"] = std::string(ReleaseVersion());
    // The commit a build came from, as the build metadata of a semantic version.
    std::string semanticVersion(ReleaseVersion());
    if (!BuildCommit().empty()) {
        semanticVersion += '+';
        semanticVersion += BuildCommit();
    }
    driver["semanticVersion"] = semanticVersion;
    driver["rules"] = Rules(ruleIndex, rules);
    Json tool;
    tool["driver"] = std::move(driver);

    Json findings = Json::array();
    Json notifications = Json::array();
    for (const FileResult& file : results) {
        if (file.Failed) {
            Json notification;
            notification["level"] = "error";
            notification["message"] = Message(file.Problem);
            notification["locations"] = Json::array({Location(file.Path, nullptr)});
            notifications.push_back(std::move(notification));
            continue;
        }
        for (std::size_t i = 0; i < file.Rows.size(); ++i)
            if (IsFinding(file.Rows[i]))
                findings.push_back(Result(file.Path, file.Rows[i],
                                          i < file.Related.size() ? &file.Related[i] : nullptr,
                                          ruleIndex));
        for (const Suppression& unused : file.UnusedSuppressions)
            findings.push_back(NoteResult(file.Path, unused));
    }

    Json invocation;
    invocation["executionSuccessful"] = notifications.empty();
    if (!notifications.empty())
        invocation["toolExecutionNotifications"] = std::move(notifications);

    Json run;
    run["tool"] = std::move(tool);
    run["invocations"] = Json::array({std::move(invocation)});
    run["originalUriBaseIds"] = SourceRoot();
    run["results"] = std::move(findings);

    Json log;
    log["$schema"] = kSchema;
    log["version"] = "2.1.0";
    log["runs"] = Json::array({std::move(run)});
    out << DumpJson(log, 2) << '\n';
}

} // namespace kvf::cli
