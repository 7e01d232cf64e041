#pragma once

#include "semantic/ModuleOverview.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kvf::language {

// A module's configuration identifiers decoded, as kvfcheck --explain-module shows them and
// the hover of a Module line: its name, line and references, the configuration bytes, one
// row per identifier (bytes, direction, length, unit, consistency, vendor bytes) and the
// summed lengths. Windows-1252 text, lines ending in LF.
std::string ModuleText(const ModuleOverview& module);

// The words and numbers of the rows, for other renderings (kvfcheck's JSON).
std::string Hex(std::uint8_t byte);
const char* DirectionName(CfgDirection direction);
const char* UnitName(const CfgPart& part);
bool IsConsistent(const CfgPart& part);

} // namespace kvf::language
