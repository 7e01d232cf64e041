#include "semantic/ModuleOverview.h"

#include "catalogue/NumberReader.h"
#include "core/AsciiText.h"
#include "core/CKeyDatabase.h"

#include <unordered_map>

namespace kvf {

CfgDirection DirectionOf(const CfgIdentifier& ident) {
    bool input = ident.In.Length != 0;
    bool output = ident.Out.Length != 0;
    if (input && output)
        return CfgDirection::Both;
    if (input)
        return CfgDirection::Input;
    return output ? CfgDirection::Output : CfgDirection::Empty;
}

std::vector<ModuleOverview> DescribeModules(const CKeyDatabase& database) {
    std::vector<ModuleOverview> modules;
    std::unordered_map<const CDbEntry*, std::size_t> moduleOf; // block entry -> module
    for (const CDbEntry& entry : database) {
        if (EqualsNoCase(entry.Key, "Module")) {
            ModuleOverview& module = modules.emplace_back();
            module.Name = entry.m_Ready[0];
            module.ConfigText = entry.m_Ready[1];
            module.Line = entry.LongLine;
            module.Config = DecodeCfgIdentifiers(entry.m_Ready[1]);
            module.IoSums = SumModuleIoLengths(entry.m_Ready[1]);
            moduleOf[&entry] = modules.size() - 1;
        } else if (EqualsNoCase(entry.Key, "Module_Reference") && entry.hParent) {
            auto owner = moduleOf.find(entry.hParent);
            if (owner != moduleOf.end())
                modules[owner->second].References.push_back(ValueNumber(entry.m_Ready[0]));
        }
    }
    return modules;
}

} // namespace kvf
