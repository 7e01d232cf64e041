#pragma once

#include <string>

namespace kvf {

class AppState;
class CKeyDatabase;
class TextLines;

// Builds an entry database from the physical lines of a KVF text: the header line,
// comments, key/value separation, continuation lines and the value marks. Each entry is
// created, made the CurrentEntry and classified as it is read. The caller empties the
// database first where it has to. Afterwards OpenBlockEntry is none.
void BuildDatabase(AppState& app, CKeyDatabase& database, const TextLines& lines);

// One keyword line cut into key and value as the reader stores them (no continuation).
// Exposed for tests and for the views that rewrite single entries.
struct KeyValue {
    std::string Key;
    std::string Value;
};

} // namespace kvf
