#pragma once

#include <string>

namespace kvf {

class CKeyDatabase;

// What the last check of a file found, by level; Checked is false before any check.
struct FindingCounts {
    bool Checked = false;
    int Errors = 0;
    int FatalErrors = 0;
    int Warnings = 0;

    // Counts one finding of a level (Info and the frame's rows count for nothing).
    void Add(int level);
};

// The file at a glance, as the input view shows it for the keyword tree's root: its name,
// kind of station, KVF_Revision, vendor and model, modules (with Max_Module), entries and
// what the last check found, in a few short lines.
std::string FileSummary(const std::string& fileName, const CKeyDatabase& database,
                        const FindingCounts& lastCheck);

} // namespace kvf
