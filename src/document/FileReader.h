#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kvf {

class RunContext;
class CKeyDatabase;
class TextLines;

// Builds an entry database from the physical lines of a KVF text: the header line,
// comments, key/value separation, continuation lines and the value marks. Each entry is
// created, made the run's CurrentEntry and classified as it is read. The caller empties the
// database first where it has to. Afterwards OpenBlockEntry is none.
void BuildDatabase(RunContext& run, CKeyDatabase& database, const TextLines& lines);
// The same, keeping in `nameCodes` what each entry's key names in the catalogue
// (KeywordCatalogue::NameCode), in database order, as the classification looked it up:
// kKeyRewritten where the classification changed the key. Where memory runs short the
// codes are dropped (left empty) and the database is built all the same.
inline constexpr std::uint16_t kKeyRewritten = 0xFFFE;
void BuildDatabase(RunContext& run, CKeyDatabase& database, const TextLines& lines,
                   std::vector<std::uint16_t>& nameCodes);
// How many databases were built so far in this process: the tests count the parses of a
// text with it.
std::uint64_t DatabaseBuilds();

// One keyword line cut into key and value as the reader stores them (no continuation).
// Exposed for tests and for the views that rewrite single entries.
struct KeyValue {
    std::string Key;
    std::string Value;
};

} // namespace kvf
