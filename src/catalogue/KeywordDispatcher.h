#pragma once

#include <string_view>

namespace kvf {

class RunContext;
struct CatalogueEntry;
struct EntryFocus;

// The keyword character rule: a key may hold letters, digits, '.', '_', '#' and '-'; the
// check reports every other character of a key (138).
bool IsKeywordCharacter(char c);

// Action codes of Dispatch.
inline constexpr int ACTION_SHOW = 0;
inline constexpr int ACTION_CLASSIFY = 1;
inline constexpr int ACTION_STORE = 2;
inline constexpr int ACTION_CHECK = 3;
inline constexpr int ACTION_GLOSSARY = 7;

// The single place where keyword-specific behaviour lives: classify, show, store, check
// or open the glossary of focus.CurrentEntry (or of a group name). Show and store go
// between the entry and focus.InputForm; classify and check work in the run's state
// (block state, text store, CheckedDocument, MessageCounter). A window passes its own
// focus; a build or check run passes run.Focus. Actions 4, 5 and 6 and any other code do
// nothing.
void Dispatch(RunContext& run, EntryFocus& focus, std::string_view key, int action,
              std::string_view value);
// The same for a key its caller has looked up in the catalogue already (the check run, which
// hands the lookup on to the semantic check): `named` is what KeywordCatalogue::Lookup gave.
void Dispatch(RunContext& run, EntryFocus& focus, std::string_view key, int action,
              std::string_view value, const CatalogueEntry& named);

} // namespace kvf
