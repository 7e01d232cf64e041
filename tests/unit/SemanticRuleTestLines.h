#pragma once

// Completes the value parts of test lines the way the reader and the syntax check leave
// them for the diagnosis and parameter rules: an area "first-last" is split into value
// parts 0 and 1, and the octet lists of the constant parameter lines and of User_Prm_Data
// get their ValueCount.

#include "SemanticTestDocument.h"

#include <algorithm>

namespace kvf::test {

inline void CompleteValueParts(SemanticTestDocument& doc) {
    for (CDbEntry& entry : doc.document.Database) {
        if (EqualsNoCase(entry.Key, "UNIT_DIAG_AREA") ||
            EqualsNoCase(entry.Key, "X_Unit_Diag_Area")) {
            std::string range = entry.m_Ready[0];
            std::size_t dash = range.find('-', 1);
            if (dash != std::string::npos) {
                entry.m_Ready[0] = range.substr(0, dash);
                entry.m_Ready[1] = range.substr(dash + 1);
            }
        }
        bool constant = entry.Key.find("Const") != std::string::npos ||
                        entry.Key.find("CONST") != std::string::npos;
        const std::string& octets = constant ? entry.m_Ready[1] : entry.m_Ready[0];
        if (constant || EqualsNoCase(entry.Key, "User_Prm_Data"))
            entry.ValueCount = static_cast<int>(std::count(octets.begin(), octets.end(), ',')) + 1;
    }
}

} // namespace kvf::test
