#include "cli/Reports.h"

#include "document/CKeyDatabase.h"
#include "output/JsonText.h"
#include "output/Windows1252.h"

#include <unordered_map>

namespace kvf {
namespace {

bool HasLine(const OutputRow& row) {
    return LineText(row.Level, row.Line) != "---";
}

std::string GccSeverity(int level) {
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

void PrintText(std::ostream& out, const std::vector<OutputRow>& rows) {
    for (const OutputRow& row : rows)
        out << LevelText(row.Level) << '\t' << LineText(row.Level, row.Line) << '\t'
            << Windows1252ToUtf8(row.Text) << '\n';
}

void PrintGcc(std::ostream& out, const std::string& fileName, const std::vector<OutputRow>& rows) {
    for (const OutputRow& row : rows) {
        out << fileName << ':';
        if (HasLine(row))
            out << row.Line + 1 << ':';
        out << ' ' << GccSeverity(row.Level) << ": " << Windows1252ToUtf8(row.Text) << '\n';
    }
}

void PrintJson(std::ostream& out, const std::string& fileName, const std::vector<OutputRow>& rows) {
    int errors = 0;
    int warnings = 0;
    out << "{\"file\": " << JsonString(fileName) << ", \"rows\": [";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const OutputRow& row = rows[i];
        errors += row.Level == LEVEL_ERROR || row.Level == LEVEL_FATAL;
        warnings += row.Level == LEVEL_WARNING;
        out << (i ? ", " : "") << "{\"exception\": " << JsonString(LevelText(row.Level))
            << ", \"line\": ";
        if (HasLine(row))
            out << row.Line + 1;
        else
            out << "null";
        out << ", \"text\": " << JsonString(row.Text) << '}';
    }
    out << "], \"errors\": " << errors << ", \"warnings\": " << warnings << "}\n";
}

} // namespace

void PrintRows(std::ostream& out, ReportFormat format, const std::string& fileName,
               const std::vector<OutputRow>& rows) {
    switch (format) {
    case ReportFormat::Text:
        PrintText(out, rows);
        break;
    case ReportFormat::Gcc:
        PrintGcc(out, fileName, rows);
        break;
    case ReportFormat::Json:
        PrintJson(out, fileName, rows);
        break;
    }
}

void PrintDatabase(std::ostream& out, const CKeyDatabase& database) {
    std::unordered_map<const CDbEntry*, std::size_t> index;
    std::size_t n = 0;
    for (const CDbEntry& entry : database)
        index[&entry] = n++;
    for (const CDbEntry& e : database) {
        out << "{\"Valid\": " << e.Valid << ", \"Accepted\": " << e.Accepted
            << ", \"Type\": " << e.Type << ", \"ValueCount\": " << e.ValueCount
            << ", \"Line\": " << e.Line << ", \"LongLine\": " << e.LongLine
            << ", \"TreeGroup\": " << e.TreeGroup << ", \"ModuleFlag\": " << e.ModuleFlag
            << ", \"RangeLen\": " << JsonString(e.RangeLen) << ", \"Key\": " << JsonString(e.Key)
            << ", \"Value\": " << JsonString(e.Value) << ", \"hParent\": ";
        auto parent = e.hParent ? index.find(e.hParent) : index.end();
        if (parent != index.end())
            out << parent->second;
        else
            out << "null";
        out << ", \"m_Ready\": [";
        for (std::size_t i = 0; i < e.m_Ready.size(); ++i)
            out << (i ? ", " : "") << JsonString(e.m_Ready[i]);
        out << "]}\n";
    }
}

} // namespace kvf
