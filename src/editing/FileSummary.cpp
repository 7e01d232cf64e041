#include "editing/FileSummary.h"

#include "catalogue/NumberReader.h"
#include "core/AsciiText.h"
#include "core/CKeyDatabase.h"
#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "core/MessageTable.h"

#include <iterator>
#include <string_view>
#include <utility>

namespace kvf {
namespace {

// What the summary names of a file, gathered in one pass over its entries: the first value
// of each key it shows (empty where the file has none) and the modules.
struct FileFacts {
    std::string StationType, Revision, Vendor, Model, MaxModule;
    int Modules = 0;
};

FileFacts Gather(const CKeyDatabase& database) {
    FileFacts facts;
    const std::pair<std::string_view, std::string*> shown[] = {{"Station_Type", &facts.StationType},
                                                               {"KVF_Revision", &facts.Revision},
                                                               {"Vendor_Name", &facts.Vendor},
                                                               {"Model_Name", &facts.Model},
                                                               {"Max_Module", &facts.MaxModule}};
    bool found[std::size(shown)] = {};
    for (const CDbEntry& entry : database) {
        if (entry.ModuleFlag == TYPE_MODULE_BEGIN && EqualsNoCase(entry.Key, "Module"))
            ++facts.Modules;
        for (std::size_t i = 0; i < std::size(shown); ++i) {
            if (!found[i] && EqualsNoCase(entry.Key, shown[i].first)) {
                found[i] = true;
                *shown[i].second = std::string(Trim(entry.m_Ready[0]));
            }
        }
    }
    return facts;
}

std::string Station(const std::string& value) {
    if (value.empty())
        return std::string(MessageText(msg::SummaryNoStationType));
    switch (ValueNumber(value)) {
    case 0:
        return std::string(MessageText(caption::DpSlave));
    case 1:
        return std::string(MessageText(caption::DpMaster));
    default:
        return FormatMessage(msg::SummaryStationValue, value);
    }
}

std::string ModulesLine(const FileFacts& facts, std::size_t entries) {
    if (facts.MaxModule.empty())
        return FormatMessage(msg::SummaryModules, facts.Modules, entries);
    return FormatMessage(msg::SummaryModulesOfMax, facts.Modules, facts.MaxModule, entries);
}

std::string CheckLine(const FindingCounts& last) {
    if (!last.Checked)
        return std::string(MessageText(msg::SummaryNotChecked));
    if (last.Errors + last.FatalErrors + last.Warnings == 0)
        return std::string(MessageText(msg::SummaryNoFindings));
    // Only the levels found, worst first.
    std::string found;
    for (auto [count, id] : {std::pair{last.FatalErrors, msg::SummaryFatalErrors},
                             std::pair{last.Errors, msg::SummaryErrors},
                             std::pair{last.Warnings, msg::SummaryWarnings}}) {
        if (count == 0)
            continue;
        found += (found.empty() ? "" : ", ") + FormatMessage(id, count);
    }
    return FormatMessage(msg::SummaryFindings, found);
}

} // namespace

void FindingCounts::Add(int level) {
    switch (level) {
    case LEVEL_ERROR:
        ++Errors;
        break;
    case LEVEL_FATAL:
        ++FatalErrors;
        break;
    case LEVEL_WARNING:
        ++Warnings;
        break;
    default:
        break;
    }
}

std::string FileSummary(const std::string& fileName, const CKeyDatabase& database,
                        const FindingCounts& lastCheck) {
    if (database.Empty())
        return FormatMessage(msg::SummaryNoEntries, fileName) + '\n' + CheckLine(lastCheck);
    const FileFacts facts = Gather(database);
    std::string summary = FormatMessage(msg::SummaryFile, fileName, Station(facts.StationType));
    if (!facts.Revision.empty())
        summary += FormatMessage(msg::SummaryRevision, facts.Revision);
    summary += '\n';
    if (!facts.Vendor.empty() || !facts.Model.empty())
        summary += FormatMessage(msg::SummaryDevice, facts.Vendor, facts.Model) + '\n';
    summary += ModulesLine(facts, database.Count()) + '\n';
    return summary + CheckLine(lastCheck);
}

} // namespace kvf
