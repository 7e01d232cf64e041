#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace kvf {

class CKeyDatabase;
class LineSuppressions;
class MessageSelection;
class TextLines;

// One file of a device's family of language variants, as the comparison reads it: the
// name its findings call it by (the file name), its lines, and the entry database built
// from those lines (which entries there are, which lines each spans, which block holds it).
// The comparison only reads them.
struct VariantSource {
    std::string Name;
    const TextLines* Lines = nullptr;
    const CKeyDatabase* Database = nullptr;
};

// A difference of a file from another variant of its family that is not a text: a value,
// a keyword present in one of them only, or a whole block present in one of them only.
// It lies on a line of the file compared and names the other file and its line in its text.
struct VariantFinding {
    int Id = 0;        // its message id (VariantValueDiffers ... VariantBlockExtra)
    int Level = 0;     // the level it is reported with
    int Line = 0;      // 0-based line of the file compared: the row's line
    int OtherLine = 0; // 0-based line of the other file that the text names
    std::string Text;
};

// The message ids of the findings, for the shells that list or select them.
std::span<const int> VariantFindingIds();
bool IsVariantFinding(int id);

// Every difference of `file` from `other`, in the order of file's lines. The entries of
// both are aligned in order first, so a keyword missing in one of them is found as that
// and the entries after it are still compared with their counterparts. Entries whose
// keyword and index agree but not their value give one finding; a block whose entries are
// all missing in the other file is one finding, not one per entry. Where file lacks an
// entry, the finding lies on the line of file where it would stand (the next entry after
// it), and so does the other line a finding names for an entry the other file lacks.
std::vector<VariantFinding> CompareVariant(const VariantSource& file, const VariantSource& other);

// The findings of each file of a family against the file at `reference`: entry i for
// files[i], none for the reference itself.
std::vector<std::vector<VariantFinding>> CompareFamily(std::span<const VariantSource> files,
                                                       std::size_t reference);

// Leaves out the findings the selection does not report and those a suppression comment of
// the file compared silences (which counts the comment as used). `suppressions` may be null.
void KeepSelected(std::vector<VariantFinding>& findings, const MessageSelection& selection,
                  LineSuppressions* suppressions);

} // namespace kvf
