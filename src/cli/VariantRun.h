#pragma once

#include "cli/FileCheck.h"
#include "cli/Options.h"
#include "variants/VariantFamily.h"

#include <ostream>
#include <string>
#include <vector>

namespace kvf {
class MessageSelection;
class SettingsStore;
} // namespace kvf

namespace kvf::cli {

// One family to compare, or the reason an argument gives none.
struct FamilyJob {
    VariantFamily Family;
    bool Named = false;  // a file argument brought it in: a family of one file says so
    std::string Problem; // an argument that yields nothing (a directory without KVF files)
};

// The families the arguments name, in their order, each once: a file argument brings in
// its siblings, a directory every family below it that holds two files or more.
std::vector<FamilyJob> FamilyJobs(const std::vector<std::string>& arguments);

// The comparison of one family: for each file but the reference, the rows of its comparison
// with the reference (framed as a check run's rows are) and beside each finding the
// reference's line; a failed result for a file that cannot be read.
std::vector<FileResult> CompareFamilyFiles(const FamilyJob& job, SettingsStore& settings,
                                           const MessageSelection& selection, bool inlineDisable);

// kvfcheck --variants: compares the families of the arguments on `jobs` threads and prints
// the rows in the format of the options; returns the exit status.
int RunVariantComparison(const Options& options, SettingsStore& settings,
                         const MessageSelection& selection, unsigned jobs, std::ostream& out,
                         std::ostream& errors);

} // namespace kvf::cli
