#pragma once

// What a rule group of the semantic check sees: the state all groups share, the entry being
// checked, the reporting, and the hooks by which a group plugs into the walk. A group
// includes this header (and the headers of the groups whose facts it reads), never the
// checker's, which includes the groups.

#include "core/CDbEntry.h"
#include "core/MessageTable.h"
#include "semantic/SemanticKeywordList.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kvf {

class Document;
class RunContext;
class ModuleRules;
class UserParameterRules;

// Where a rule group plugs into the walk: at a keyword (or a run of keyword ids), in one
// stage of a pass. Hooks of one keyword and stage run in ascending Order.
enum class HookStage : std::uint8_t {
    FirstPlaced, // first pass, right after the context rule held (block counters reset)
    FirstHeld,   // first pass, after counting, the multiplicity rule and acceptance held
                 // (keywords that store repeated values get here after a report too)
    Second,      // second pass, after the revision and role rules
};

template <typename Group> struct RuleHook {
    semantic::Kw First;
    semantic::Kw Last; // inclusive; the same as First for a single keyword
    HookStage Stage;
    int Order;
    void (Group::*Run)(CDbEntry& entry, semantic::Kw kw);
};

// The order of the rule groups at one keyword. A hook that must run between two groups
// picks a number in between.
namespace hook_order {
inline constexpr int BlockContent = 100;
inline constexpr int Identification = 200;
inline constexpr int BaudRate = 300;
inline constexpr int UserParameter = 400;
inline constexpr int Diagnosis = 500;
inline constexpr int Module = 600;
inline constexpr int DataArea = 700;
inline constexpr int Prerequisite = 800;
} // namespace hook_order

// The state of one semantic run that all rule groups share, and its reporting.
class RuleContext {
  public:
    RuleContext(RunContext& run, Document& document) : run_(run), document_(document) {}
    RuleContext(const RuleContext&) = delete;
    RuleContext& operator=(const RuleContext&) = delete;

    const RunContext& Run() const { return run_; }
    const Document& CheckedDocument() const { return document_; }

    // ---- The entry being checked ----------------------------------------------------------
    // Its key and value are views of its texts, which stay as they are while the run lasts.
    std::string_view CurrentKey() const { return currentKey_; }
    std::string_view CurrentValue() const { return currentValue_; }
    int CurrentLine() const { return currentLine_; }
    void SetCurrent(std::string_view key, std::string_view value, int line) {
        currentKey_ = key;
        currentValue_ = value;
        currentLine_ = line;
    }

    // Formats the message of an id with the arguments and reports it with CurrentLine.
    // Returns 0, so that a rule can `return Report(...)`.
    template <typename... Args> int Report(int level, int id, const Args&... args) {
        messageText_ = FormatMessage(id, args...);
        Emit(level, id);
        return 0;
    }

    // ---- What the groups share ------------------------------------------------------------
    std::uint32_t RevisionInForce() const { return revisionInForce_; }
    void SetRevisionInForce(std::uint32_t revision) { revisionInForce_ = revision; }
    int StationKind() const { return stationKind_; } // -1 unknown, 0 slave, 1 master
    void SetStationKind(int kind) { stationKind_ = kind; }
    // The main family: the leading number of Slave_Family.
    std::int32_t SlaveFamily() const { return slaveFamily_; }
    void SetSlaveFamily(std::int32_t family) { slaveFamily_ = family; }

    // Occurrences per keyword (top-level counters for the keywords counted twice) and the
    // module-level counters of the keywords counted separately inside a Module.
    unsigned Count(semantic::Kw kw) const { return counts_[semantic::Index(kw)]; }
    unsigned& Counter(semantic::Kw kw) { return counts_[semantic::Index(kw)]; }
    unsigned& ModuleCounter(semantic::Kw kw) { return moduleCounts_[semantic::Index(kw)]; }

    // Flags and values kept from valid lines in the first pass (0 while absent): the values
    // later rules compare against, the DPV1 and isochronous flags and values, the baud rate
    // flags, ModularStation.
    std::int32_t KeptValue(semantic::Kw kw) const { return kept_[semantic::Index(kw)]; }
    void SetKeptValue(semantic::Kw kw, std::int32_t value) { kept_[semantic::Index(kw)] = value; }
    int ModularStation() const { return KeptValue(semantic::Kw::Modular_Station); }
    bool BaudSupported(int rate) const {
        return KeptValue(semantic::RateKeyword(semantic::RateGroup::Supp, rate)) != 0;
    }

    // The groups whose collected facts other groups read (set by RuleGroups).
    UserParameterRules& UserParameters() const { return *userParameters_; }
    ModuleRules& Modules() const { return *modules_; }

  private:
    friend class RuleGroups;

    void Emit(int level, int id);

    RunContext& run_;
    Document& document_;
    std::string messageText_;
    std::string_view currentKey_;
    std::string_view currentValue_;
    int currentLine_ = 0;
    std::uint32_t revisionInForce_ = 0;
    int stationKind_ = -1;
    std::int32_t slaveFamily_ = 0;
    std::array<unsigned, semantic::kKeywordCount> counts_{};
    std::array<unsigned, semantic::kKeywordCount> moduleCounts_{};
    std::array<std::int32_t, semantic::kKeywordCount> kept_{};
    UserParameterRules* userParameters_ = nullptr;
    ModuleRules* modules_ = nullptr;
};

// The base of every rule group: the shared context, with shorthands for what rules read
// most.
class RuleGroup {
  public:
    RuleGroup(const RuleGroup&) = delete;
    RuleGroup& operator=(const RuleGroup&) = delete;

  protected:
    explicit RuleGroup(RuleContext& context) : context_(context) {}
    ~RuleGroup() = default;

    RuleContext& context_;

    unsigned Count(semantic::Kw kw) const { return context_.Count(kw); }
    std::int32_t KeptValue(semantic::Kw kw) const { return context_.KeptValue(kw); }
    std::string_view CurrentKey() const { return context_.CurrentKey(); }
    std::string_view CurrentValue() const { return context_.CurrentValue(); }
    int CurrentLine() const { return context_.CurrentLine(); }
    std::uint32_t RevisionInForce() const { return context_.RevisionInForce(); }
    int StationKind() const { return context_.StationKind(); }
    template <typename... Args> int Report(int level, int id, const Args&... args) {
        return context_.Report(level, id, args...);
    }
};

} // namespace kvf
