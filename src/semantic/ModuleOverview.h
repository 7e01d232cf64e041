#pragma once

// The modules of a file with their decoded configuration identifiers, as kvfcheck
// --explain-module prints them and the editor's configuration list shows them.

#include "semantic/ModuleConfig.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kvf {

class CKeyDatabase;

enum class CfgDirection : std::uint8_t { Empty, Input, Output, Both };

CfgDirection DirectionOf(const CfgIdentifier& ident);

struct ModuleOverview {
    std::string Name;                     // value part 0 of the Module line, as read
    std::string ConfigText;               // value part 1: the configuration bytes as written
    int Line = 0;                         // 0-based first line of the Module entry
    std::vector<std::int32_t> References; // the module's Module_Reference lines, in order
    DecodedModuleConfig Config;           // as the data area rules see it
    // The lengths the Max_Input_Len and Max_Output_Len rule compares; none when an item
    // of the configuration is not an 8-bit number.
    std::optional<ModuleIoSums> IoSums;
};

// Every Module line of the database in file order, whatever its place or validity, with
// the Module_Reference lines that stand in its block.
std::vector<ModuleOverview> DescribeModules(const CKeyDatabase& database);

} // namespace kvf
