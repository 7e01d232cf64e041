#pragma once

#include "catalogue/KeywordCatalogue.h"
#include "core/CDbEntry.h"
#include "semantic/RuleContext.h"
#include "semantic/RuleGroups.h"
#include "semantic/SemanticKeywordList.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kvf {

class RunContext;
class Document;

// Pass codes of CheckEntry.
inline constexpr int PASS_FIRST = 4;
inline constexpr int PASS_SECOND = 5;
inline constexpr int PASS_FINAL = 6;

// One semantic run over a document: three passes over the entry database through
// CheckEntry. The checker applies the rules every keyword shares (context, multiplicity,
// revision, role) and keeps what the first pass collects for all groups in the shared
// context; the rule groups do the rest at their hooks. Rules return 1 when they hold and 0
// after reporting; no rule stops the run.
class SemanticChecker {
  public:
    SemanticChecker(RunContext& run, Document& document);
    SemanticChecker(const SemanticChecker&) = delete;
    SemanticChecker& operator=(const SemanticChecker&) = delete;

    void CheckEntry(CDbEntry& entry, int pass);
    // What an entry's key is to the semantic check, found once for both passes.
    struct Resolved {
        bool TreeGroupName = false;
        std::optional<semantic::Kw> Keyword;
    };
    static Resolved Resolve(std::string_view key);
    // The same from the key's catalogue entry (what KeywordCatalogue::Lookup gave for it),
    // which the syntax check has found already: a keyword of the catalogue costs no lookup.
    static Resolved Resolve(std::string_view key, const CatalogueEntry& named);
    // A resolution in two bytes, so that a whole database's cost two bytes an entry.
    static std::uint16_t Encode(const Resolved& resolved);
    static Resolved Decode(std::uint16_t code);
    void CheckEntry(CDbEntry& entry, int pass, const Resolved& resolved);

    // What all rule groups share, and the groups.
    RuleContext& Context() { return context_; }
    const RuleContext& Context() const { return context_; }
    RuleGroups& Groups() { return groups_; }
    const RuleGroups& Groups() const { return groups_; }

    // ---- Context, multiplicity, revision and role rules ---------------------------------
    int RequireTopLevel(const CDbEntry* parent);
    int RequireTopLevelOrIn(const CDbEntry* parent, std::string_view block);
    int RequireInside(const CDbEntry* parent, std::string_view block);
    // rule: the message id 64301 ... 64306 of the multiplicity rule.
    int CheckUnique(int rule, unsigned count, const CDbEntry* parent = nullptr);
    int CheckRevision(std::uint32_t minimum);
    int CheckSlaveOnly();
    int CheckMasterOnly();
    int CheckModularOnly();

  private:
    RuleContext context_;
    RuleGroups groups_;

    void FirstPass(semantic::Kw kw, CDbEntry& entry);
    void SecondPass(semantic::Kw kw, CDbEntry& entry);
    int CheckContext(const semantic::KeywordInfo& info, const CDbEntry& entry);
    void ResetBlockCounters(semantic::Kw begin);
    enum class Counted { Held, Reported, NothingFurther };
    Counted CountAndCheckMultiplicity(const semantic::KeywordInfo& info, CDbEntry& entry);
    void KeepValue(const semantic::KeywordInfo& info, const CDbEntry& entry);
};

// The semantic part of a check run: creates the checker for the document, walks the
// database with pass 4, then pass 5, then the final pass on the last entry, setting the
// run's CurrentEntry (run.Focus) to each entry it checks. An empty database gets no call.
// Running out of memory throws std::bad_alloc; the checker is then destroyed on the way
// out and the caller tells the user.
void RunSemanticCheck(RunContext& run, Document& document);
// The same with the database's keys resolved already, one code (SemanticChecker::Encode)
// per entry in database order; codes of another count are not used.
void RunSemanticCheck(RunContext& run, Document& document, std::span<const std::uint16_t> keyCodes);

// The tree group names: an entry with such a key gets no semantic handling.
bool IsTreeGroupName(std::string_view key);

} // namespace kvf
