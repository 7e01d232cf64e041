#include "cli/Reports.h"

#include "cli/ExitStatus.h"
#include "cli/JsonOutput.h"
#include "core/CKeyDatabase.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "core/Windows1252.h"

#include <unordered_map>

namespace kvf::cli {
namespace {

bool HasLine(const OutputRow& row) {
    return LineText(row.Level, row.Line) != "---";
}

const char* GccSeverity(const OutputRow& row) {
    if (IsErrorRow(row))
        return "error";
    return IsWarningRow(row) ? "warning" : "note";
}

void PrintText(std::ostream& out, const OutputRowList& rows) {
    // Rows are written into one buffer and that in large pieces: a large file gives a
    // hundred thousand rows.
    constexpr std::size_t kFlushAt = 64 * 1024;
    std::string buffer;
    buffer.reserve(kFlushAt + 1024);
    for (const OutputRow& row : rows) {
        buffer += LevelText(row.Level);
        buffer += '\t';
        buffer += LineText(row.Level, row.Line);
        buffer += '\t';
        AppendWindows1252AsUtf8(buffer, row.Text);
        buffer += '\n';
        if (buffer.size() >= kFlushAt) {
            out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
        }
    }
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
}

void PrintGcc(std::ostream& out, const std::string& path, const OutputRowList& rows,
              const std::vector<Suppression>& unused) {
    for (const OutputRow& row : rows) {
        out << path << ':';
        if (HasLine(row))
            out << row.Line + 1 << ':';
        out << ' ' << GccSeverity(row) << ": " << Windows1252ToUtf8(row.Text);
        if (row.Id != 0)
            out << " [" << row.Id << ']';
        out << '\n';
    }
    for (const Suppression& s : unused)
        out << path << ':' << s.CommentLine + 1
            << ": note: " << Windows1252ToUtf8(UnusedSuppressionText(s)) << " ["
            << UnusedSuppressionId() << "]\n";
}

void PrintJson(std::ostream& out, const std::string& path, const OutputRowList& rows,
               const std::vector<Suppression>& unused, const std::vector<RelatedLine>& related) {
    int errors = 0;
    int warnings = 0;
    Json list = Json::array();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const OutputRow& row = rows[i];
        errors += IsErrorRow(row);
        warnings += IsWarningRow(row);
        Json item;
        item["exception"] = Windows1252ToUtf8(LevelText(row.Level));
        item["line"] = HasLine(row) ? Json(row.Line + 1) : Json(nullptr);
        item["id"] = row.Id != 0 ? Json(row.Id) : Json(nullptr);
        item["text"] = Windows1252ToUtf8(row.Text);
        if (i < related.size() && related[i].Line >= 0) {
            Json other;
            other["file"] = related[i].Path;
            other["line"] = related[i].Line + 1;
            item["related"] = std::move(other);
        }
        list.push_back(std::move(item));
    }
    Json document;
    document["file"] = path;
    document["rows"] = std::move(list);
    document["errors"] = errors;
    document["warnings"] = warnings;
    // Only where a comment silenced nothing: a file without one gives the same document.
    if (!unused.empty()) {
        Json notes = Json::array();
        for (const Suppression& s : unused) {
            Json note;
            note["line"] = s.CommentLine + 1;
            note["id"] = UnusedSuppressionId();
            note["text"] = Windows1252ToUtf8(UnusedSuppressionText(s));
            notes.push_back(std::move(note));
        }
        document["notes"] = std::move(notes);
    }
    out << DumpJson(document) << '\n';
}

} // namespace

bool IsErrorRow(const OutputRow& row) {
    return row.Level == LEVEL_ERROR || row.Level == LEVEL_FATAL;
}

bool IsWarningRow(const OutputRow& row) {
    return row.Level == LEVEL_WARNING;
}

int ExitStatusAfter(int status, const FileResult& result, FailOn failOn) {
    if (result.Failed)
        return kExitTrouble;
    if (status != kExitClean)
        return status;
    for (const OutputRow& row : result.Rows)
        if (IsErrorRow(row) || (failOn == FailOn::Warning && IsWarningRow(row)))
            return kExitFindings;
    return status;
}

std::string UnusedSuppressionText(const Suppression& suppression) {
    return FormatMessage(msg::UnusedSuppression, suppression.Text);
}

int UnusedSuppressionId() {
    return msg::UnusedSuppression;
}

void PrintRows(std::ostream& out, ReportFormat format, const std::string& path,
               const OutputRowList& rows, const std::vector<Suppression>& unused,
               const std::vector<RelatedLine>& related) {
    switch (format) {
    case ReportFormat::Text:
        PrintText(out, rows);
        break;
    case ReportFormat::Gcc:
        PrintGcc(out, path, rows, unused);
        break;
    case ReportFormat::Json:
    case ReportFormat::Sarif: // a log over all files; the caller writes it
        PrintJson(out, path, rows, unused, related);
        break;
    }
}

void PrintDatabase(std::ostream& out, const CKeyDatabase& database) {
    std::unordered_map<const CDbEntry*, std::size_t> index;
    std::size_t n = 0;
    for (const CDbEntry& entry : database)
        index[&entry] = n++;
    for (const CDbEntry& e : database) {
        Json entry;
        entry["Valid"] = e.Valid;
        entry["Accepted"] = e.Accepted;
        entry["Type"] = e.Type;
        entry["ValueCount"] = e.ValueCount;
        entry["Line"] = e.Line;
        entry["LongLine"] = e.LongLine;
        entry["TreeGroup"] = e.TreeGroup;
        entry["ModuleFlag"] = e.ModuleFlag;
        entry["RangeLen"] = Windows1252ToUtf8(e.RangeLen);
        entry["Key"] = Windows1252ToUtf8(e.Key);
        entry["Value"] = Windows1252ToUtf8(e.Value);
        auto parent = e.hParent ? index.find(e.hParent) : index.end();
        entry["hParent"] = parent != index.end() ? Json(parent->second) : Json(nullptr);
        Json ready = Json::array();
        for (const EntryText& part : e.m_Ready)
            ready.push_back(Windows1252ToUtf8(part));
        entry["m_Ready"] = std::move(ready);
        out << DumpJson(entry) << '\n';
    }
}

} // namespace kvf::cli
