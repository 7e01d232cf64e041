#include "editing/FileSummary.h"

#include "catalogue/NumberReader.h"
#include "core/AsciiText.h"
#include "core/CKeyDatabase.h"
#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "core/MessageTable.h"

#include <string_view>
#include <utility>

namespace kvf {
namespace {

// The first entry of a key, ignoring case; none when the file has none.
const CDbEntry* FirstOf(const CKeyDatabase& database, std::string_view key) {
    for (const CDbEntry& entry : database)
        if (EqualsNoCase(entry.Key, key))
            return &entry;
    return nullptr;
}

std::string ValueOf(const CKeyDatabase& database, std::string_view key) {
    const CDbEntry* entry = FirstOf(database, key);
    return entry ? std::string(Trim(entry->m_Ready[0])) : std::string();
}

std::string Station(const CKeyDatabase& database) {
    const std::string value = ValueOf(database, "Station_Type");
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

std::string ModulesLine(const CKeyDatabase& database) {
    int modules = 0;
    for (const CDbEntry& entry : database)
        if (entry.ModuleFlag == TYPE_MODULE_BEGIN && EqualsNoCase(entry.Key, "Module"))
            ++modules;
    const std::string maxModule = ValueOf(database, "Max_Module");
    if (maxModule.empty())
        return FormatMessage(msg::SummaryModules, modules, database.Count());
    return FormatMessage(msg::SummaryModulesOfMax, modules, maxModule, database.Count());
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
    std::string summary = FormatMessage(msg::SummaryFile, fileName, Station(database));
    const std::string revision = ValueOf(database, "KVF_Revision");
    if (!revision.empty())
        summary += FormatMessage(msg::SummaryRevision, revision);
    summary += '\n';
    const std::string vendor = ValueOf(database, "Vendor_Name");
    const std::string model = ValueOf(database, "Model_Name");
    if (!vendor.empty() || !model.empty())
        summary += FormatMessage(msg::SummaryDevice, vendor, model) + '\n';
    summary += ModulesLine(database) + '\n';
    return summary + CheckLine(lastCheck);
}

} // namespace kvf
