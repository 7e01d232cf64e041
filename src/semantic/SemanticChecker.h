#pragma once

#include "catalogue/KeywordCatalogue.h"
#include "core/CDbEntry.h"
#include "core/MessageTable.h"
#include "semantic/BaudRateRules.h"
#include "semantic/BlockContentRules.h"
#include "semantic/DataAreaRules.h"
#include "semantic/DiagnosisRules.h"
#include "semantic/ModuleRules.h"
#include "semantic/SemanticKeywordList.h"
#include "semantic/UserParameterRules.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kvf {

class RunContext;
class Document;

// Pass codes of CheckEntry.
inline constexpr int PASS_FIRST = 4;
inline constexpr int PASS_SECOND = 5;
inline constexpr int PASS_FINAL = 6;

class SemanticChecker;

namespace semantic {
struct PrerequisiteCall;
}

// Where a rule group plugs into the walk: at a keyword (or a run of keyword ids), in one
// stage of a pass. Hooks of one keyword and stage run in ascending Order.
enum class HookStage : std::uint8_t {
    FirstPlaced, // first pass, right after the context rule held (block counters reset)
    FirstHeld,   // first pass, after counting, the multiplicity rule and acceptance held
                 // (keywords that store repeated values get here after a report too)
    Second,      // second pass, after the revision and role rules
};

struct RuleHook {
    semantic::Kw First;
    semantic::Kw Last; // inclusive; the same as First for a single keyword
    HookStage Stage;
    int Order;
    void (SemanticChecker::*Run)(CDbEntry& entry, semantic::Kw kw);
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

// One semantic run over a document: three passes over the entry database through
// CheckEntry, the state collected on the way, and one rule operation per kind of finding.
// Rules return 1 when they hold and 0 after reporting; no rule stops the run.
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

    // ---- Reporting --------------------------------------------------------------------
    std::string MessageText;
    // The key and value of the entry being checked: views of its texts, which stay as they
    // are while the run lasts.
    std::string_view CurrentKey;
    std::string_view CurrentValue;
    int CurrentLine = 0;

    // Formats the message of an id with the arguments and reports it with CurrentLine.
    // Returns 0, so that a rule can `return Report(...)`.
    template <typename... Args> int Report(int level, int id, const Args&... args) {
        MessageText = FormatMessage(id, args...);
        Emit(level, id);
        return 0;
    }

    // ---- Collected state --------------------------------------------------------------
    std::uint32_t RevisionInForce = 0;
    int StationKind = -1; // -1 unknown, 0 slave, 1 master

    // Occurrences per keyword (top-level counters for the keywords counted twice) and the
    // module-level counters of the keywords counted separately inside a Module.
    std::array<unsigned, semantic::kKeywordCount> OccurrenceCount{};
    std::array<unsigned, semantic::kKeywordCount> ModuleOccurrenceCount{};
    unsigned Count(semantic::Kw kw) const { return OccurrenceCount[semantic::Index(kw)]; }

    // Flags and values kept from valid lines in the first pass (0 while absent): the
    // values later rules compare against, the DPV1 and isochronous flags and values, the
    // baud rate flags, ModularStation.
    std::array<std::int32_t, semantic::kKeywordCount> Kept{};
    std::int32_t KeptValue(semantic::Kw kw) const { return Kept[semantic::Index(kw)]; }
    int ModularStation() const { return KeptValue(semantic::Kw::Modular_Station); }
    bool BaudSupported(int rate) const {
        return KeptValue(semantic::RateKeyword(semantic::RateGroup::Supp, rate)) != 0;
    }
    std::int32_t SlaveFamily = 0; // the main family: the leading number of Slave_Family

    // ---- State of each rule group, kept next to its rules ----------------------------
    BlockContentState BlockContent;
    BaudRateState BaudRates;
    UserParameterState UserParameters;
    DiagnosisState Diagnosis;
    ModuleState Modules;
    DataAreaState DataArea;

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

    // ---- Identification rules -----------------------------------------------------------
    int CheckKvfRevision(std::int32_t revision);
    int CheckIdentNumber(std::int32_t ident);
    int CheckFileNameIdent(std::int32_t ident);
    int CheckSlaveFamilyRange();
    int CheckReferenceNumber(std::int32_t number, std::uint32_t threshold);

    // ---- Final rules, in their order ----------------------------------------------------
    void RunFinalRules();
    int RequireGeneralKeywords();
    int RequireBaudrate();
    int RequireMaxTsdr();
    int RequireKvfRevision();
    int RequireMasterKeywords();
    int RequireMasterTimes();
    int RequireSlaveKeywords();
    int RequireSlaveRevisionKeywords();
    int RequireModularSlaveKeywords();
    int RequireBlocksClosed();
    int RequireDpv1ConformanceClass();

    // ---- Mandatory content of blocks, at their end keyword -------------------------------
    int RequirePrmTextContent();
    int RequireExtUserPrmDataContent();
    int RequireUnitDiagAreaValue();
    int RequireXUnitDiagAreaValue();
    int RequireModuleReference();
    int RequireInterfaceDelays();
    int RequireSlotContent();
    int RequireDataAreaContent();
    int RequireJokerblockSlot(unsigned slotCount);

    // ---- Baud rates and timing ----------------------------------------------------------
    int RequireMaxTsdrForBaudrate(int rate);
    int RequireMasterTimesForBaudrate(int rate);
    int CheckBaudrateInInterfaces(int rate);
    int RequireBaudrateForMaxTsdr(int rate);
    int RequireBaudrateForMasterTime(int rate);
    int RequireBaudrateForDelay(int rate);
    int CheckMinSlaveInterval(std::int32_t interval);

    // ---- Keyword prerequisites -----------------------------------------------------------
    // The prerequisite's value and its name as the message prints it.
    int RequirePrerequisite(std::int32_t prerequisite, std::string_view name);
    int RestrictToPrerequisite(std::int32_t prerequisite, std::string_view name);

    // ---- Modules and slots ---------------------------------------------------------------
    void DecodeModuleConfig(const CDbEntry& entry);
    int CheckModuleIoLengths(const CDbEntry& entry);
    int CheckModuleReference(std::int32_t reference);
    int CheckModulePrmLengths();
    int CheckMaxDataLen(std::int32_t value);
    int CheckModulOffset(std::int32_t value);
    int CheckSlotNumber(std::int32_t slot);
    int CheckSlotBound(std::int32_t slot);
    int CheckSlotDefault(std::int32_t reference);
    int CheckJokerblockSlot(std::int32_t slot);
    int CheckProtocolIdent(std::int32_t value);

    // ---- Data areas ----------------------------------------------------------------------
    int CheckCfgIdentifierExists();
    int AddDataType(std::int32_t value);
    int CheckDataAreaEnd();
    int CheckDataAreaCoverage();

    // ---- User parameter definitions and text tables --------------------------------------
    int DefineExtUserPrmData(std::int32_t number);
    int ResolvePrmTextRef(std::int32_t number);
    int CheckPrmTextDefault(std::int32_t textNumber, std::int32_t defaultValue);
    int DefinePrmText(std::int32_t number);
    int AddPrmTextValue(std::int32_t value);
    int ClaimConstParameter(std::int32_t offset, std::int32_t count, bool inModule, bool f, bool x);
    int ClaimRefParameter(std::int32_t offset, std::int32_t number, bool inModule, bool f, bool x);
    int CheckExtUserPrmDataUsed(std::int32_t number);
    int CheckPrmTextUsed(std::int32_t number);
    int CheckUserPrmDataInvalidated();
    int CheckUserPrmDataLength(std::int32_t count);
    int CheckUserPrmDataLenInvalidated();
    // plainLength: the module's declared plain and F_ parameter lengths together.
    int CheckModulePrmLimit(std::int32_t plainLength, std::int32_t xLength);
    // A feature switched on by the current line needs parameter data of this length.
    int CheckMinimumPrmLen(std::int32_t minimum);
    // The finished record of a number, or none.
    ExtUserPrmDataRecord* FindExtUserPrmData(std::int32_t number);
    PrmTextRecord* FindPrmText(std::int32_t number);

    // ---- Diagnosis definitions ------------------------------------------------------------
    // Claims (insert) or tests the numbers first ... last against the list.
    int ClaimDiagBits(DiagNumberList& list, std::uint32_t first, std::uint32_t last, bool insert);
    int CheckDiagPosition(std::uint32_t bit);
    int AddAreaValue(DiagNumberList& list, std::uint32_t range, std::uint32_t value);
    int AddChannelDiag(DiagNumberList& list, std::uint32_t type);
    int CheckHelpHasDefinition(const DiagNumberList& definitions, std::uint32_t value);
    int CheckHelpsHaveDefinitions(const DiagNumberList& definitions, const DiagNumberList& helps);

  private:
    RunContext& run_;
    Document& document_;

    void Emit(int level, int id);

    void FirstPass(semantic::Kw kw, CDbEntry& entry);
    void SecondPass(semantic::Kw kw, CDbEntry& entry);
    int CheckContext(const semantic::KeywordInfo& info, const CDbEntry& entry);
    void ResetBlockCounters(semantic::Kw begin);
    enum class Counted { Held, Reported, NothingFurther };
    Counted CountAndCheckMultiplicity(const semantic::KeywordInfo& info, CDbEntry& entry);
    void KeepValue(const semantic::KeywordInfo& info, const CDbEntry& entry);
    void RunHooks(semantic::Kw kw, HookStage stage, CDbEntry& entry);

    // The hooks of each rule group, defined in the group's own source file.
    static std::span<const RuleHook> BlockContentHooks();
    static std::span<const RuleHook> IdentificationHooks();
    static std::span<const RuleHook> BaudRateHooks();
    static std::span<const RuleHook> UserParameterHooks();
    static std::span<const RuleHook> DiagnosisHooks();
    static std::span<const RuleHook> ModuleHooks();
    static std::span<const RuleHook> DataAreaHooks();
    static std::span<const RuleHook> PrerequisiteHooks();
    struct HookTable;
    static const HookTable& Hooks();

    // Hook adapters: read the entry, call the rules.
    void OnPrmTextEnd(CDbEntry& entry, semantic::Kw kw);
    void OnExtUserPrmDataEnd(CDbEntry& entry, semantic::Kw kw);
    void OnUnitDiagAreaEnd(CDbEntry& entry, semantic::Kw kw);
    void OnXUnitDiagAreaEnd(CDbEntry& entry, semantic::Kw kw);
    void OnModuleSecond(CDbEntry& entry, semantic::Kw kw);
    void OnModuleReferenceSecond(CDbEntry& entry, semantic::Kw kw);
    void OnModuleEndSecond(CDbEntry& entry, semantic::Kw kw);
    void OnInterfaceEnd(CDbEntry& entry, semantic::Kw kw);
    void OnSlotDefinitionEnd(CDbEntry& entry, semantic::Kw kw);
    void OnDataAreaEnd(CDbEntry& entry, semantic::Kw kw);
    void OnJokerblockEndFirst(CDbEntry& entry, semantic::Kw kw);
    void OnJokerblockEndSecond(CDbEntry& entry, semantic::Kw kw);

    void OnKvfRevisionFirst(CDbEntry& entry, semantic::Kw kw);
    void OnIdentNumberFirst(CDbEntry& entry, semantic::Kw kw);
    void OnStationTypeFirst(CDbEntry& entry, semantic::Kw kw);
    void OnSlaveFamilyFirst(CDbEntry& entry, semantic::Kw kw);
    void OnSlaveFamilySecond(CDbEntry& entry, semantic::Kw kw);
    void OnReferenceNumberSecond(CDbEntry& entry, semantic::Kw kw);

    void OnProtocolIdentFirst(CDbEntry& entry, semantic::Kw kw);
    void OnModuleFirst(CDbEntry& entry, semantic::Kw kw);
    void OnModuleIoLengthsSecond(CDbEntry& entry, semantic::Kw kw);
    void OnModuleReferenceFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDeclaredPrmLenFirst(CDbEntry& entry, semantic::Kw kw);
    void OnModuleEndFirst(CDbEntry& entry, semantic::Kw kw);
    void OnMaxDataLenSecond(CDbEntry& entry, semantic::Kw kw);
    void OnModulOffsetSecond(CDbEntry& entry, semantic::Kw kw);
    void OnSlotDefinitionFirst(CDbEntry& entry, semantic::Kw kw);
    void OnSlotFirst(CDbEntry& entry, semantic::Kw kw);
    void OnSlotSecond(CDbEntry& entry, semantic::Kw kw);
    void OnJokerblockSlotSecond(CDbEntry& entry, semantic::Kw kw);
    std::int32_t& DeclaredLengthOf(semantic::Kw kw);

    void OnDataAreaBeginFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDataAreaValueFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDataTypeFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDataAreaEndFirst(CDbEntry& entry, semantic::Kw kw);
    void OnModuleEndCoverageFirst(CDbEntry& entry, semantic::Kw kw);

    void OnRateSupportSecond(CDbEntry& entry, semantic::Kw kw);
    void OnMaxTsdrSecond(CDbEntry& entry, semantic::Kw kw);
    void OnMasterTimeSecond(CDbEntry& entry, semantic::Kw kw);
    void OnInterfaceDelayFirst(CDbEntry& entry, semantic::Kw kw);
    void OnInterfaceDelaySecond(CDbEntry& entry, semantic::Kw kw);
    void OnMinSlaveIntervalSecond(CDbEntry& entry, semantic::Kw kw);

    void OnPrerequisiteSecond(CDbEntry& entry, semantic::Kw kw);
    std::int32_t PrerequisiteValueOf(const semantic::PrerequisiteCall& call) const;

    void OnExtUserPrmDataFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDataTypeLineFirst(CDbEntry& entry, semantic::Kw kw);
    void OnPrmTextRefFirst(CDbEntry& entry, semantic::Kw kw);
    void OnExtUserPrmDataEndFirst(CDbEntry& entry, semantic::Kw kw);
    void OnPrmTextFirst(CDbEntry& entry, semantic::Kw kw);
    void OnTextFirst(CDbEntry& entry, semantic::Kw kw);
    // The occupancy of the telegram a parameter line claims bytes of (unit or current
    // module; plain, F_ or X_); grows the module's used length to end + 1.
    ParameterOccupancy& ClaimedTelegram(bool inModule, bool f, bool x, std::int64_t end);

    void OnModulePrmPlaced(CDbEntry& entry, semantic::Kw kw);
    void OnParameterClaimFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDefinitionUsedSecond(CDbEntry& entry, semantic::Kw kw);
    void OnUserPrmDataSecond(CDbEntry& entry, semantic::Kw kw);
    void OnMaxUserPrmDataLenSecond(CDbEntry& entry, semantic::Kw kw);
    void OnModulePrmSecond(CDbEntry& entry, semantic::Kw kw);
    void OnDeclaredModulePrmLenSecond(CDbEntry& entry, semantic::Kw kw);
    void OnModulePrmEndSecond(CDbEntry& entry, semantic::Kw kw);
    void OnMinimumPrmLenSecond(CDbEntry& entry, semantic::Kw kw);

    void OnDiagBitFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDiagAreaPlaced(CDbEntry& entry, semantic::Kw kw);
    void OnUnitDiagTypePlaced(CDbEntry& entry, semantic::Kw kw);
    void OnAreaValueFirst(CDbEntry& entry, semantic::Kw kw);
    void OnModuleDiagPlaced(CDbEntry& entry, semantic::Kw kw);
    void OnChannelDiagFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDiagBlockEndFirst(CDbEntry& entry, semantic::Kw kw);
    void OnDiagPositionSecond(CDbEntry& entry, semantic::Kw kw);
    void OnDiagHelpSecond(CDbEntry& entry, semantic::Kw kw);
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
