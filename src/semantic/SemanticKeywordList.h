#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kvf::semantic {

// Every keyword the semantic checker knows, one id each, declared in
// semantic/SemanticKeywords.def (which says what the order of the ids means).
enum class Kw : int {
#define KVF_SEMANTIC_KEYWORD(Id, Name, Pattern, Accept, Counted, Kept, ResetBy) Id,
#include "semantic/SemanticKeywords.def"
#undef KVF_SEMANTIC_KEYWORD
    Count_ // number of keywords; not a keyword
};

inline constexpr std::size_t kKeywordCount = static_cast<std::size_t>(Kw::Count_);

constexpr std::size_t Index(Kw kw) {
    return static_cast<std::size_t>(kw);
}

// The eleven rates, in the order of the rate table.
inline constexpr int kRateCount = 11;

// Keyword groups with one keyword per rate; the first keyword of each group.
enum class RateGroup : int {
    Supp = static_cast<int>(Kw::Supp_9_6),
    MaxTsdr = static_cast<int>(Kw::MaxTsdr_9_6),
    TransmissionDelay = static_cast<int>(Kw::Transmission_Delay_9_6),
    ReactionDelay = static_cast<int>(Kw::Reaction_Delay_9_6),
    Trdy = static_cast<int>(Kw::TRDY_9_6),
    Tqui = static_cast<int>(Kw::TQUI_9_6),
    Tset = static_cast<int>(Kw::TSET_9_6),
    Tsdi = static_cast<int>(Kw::TSDI_9_6),
};

constexpr Kw RateKeyword(RateGroup group, int rate) {
    return static_cast<Kw>(static_cast<int>(group) + rate);
}

// The rate index (0..10) of a keyword of the group, or -1.
constexpr int RateOf(RateGroup group, Kw kw) {
    int offset = static_cast<int>(kw) - static_cast<int>(group);
    return offset >= 0 && offset < kRateCount ? offset : -1;
}

// Where a keyword may stand.
enum class Context : std::uint8_t {
    Top,         // at top level only
    TopOrModule, // at top level or inside a Module
    Inside,      // inside one kind of block only
};

// The blocks the context rules name; the name is matched against the key of the entry
// that opened the enclosing block.
enum class Block : std::uint8_t {
    None,
    PhysicalInterface,
    Module,
    UnitDiagArea,
    XUnitDiagArea,
    UnitDiagType,
    ExtUserPrmData,
    PrmText,
    SlotDefinition,
    DataArea,
    Jokerblock,
};

// The block name as the context rules and their messages use it.
std::string_view BlockName(Block block);

// How often a keyword may occur; the numbers are the message ids of the rules.
enum class Multiplicity : std::uint8_t {
    None,
    OncePerFile,           // 64301
    OncePerExtUserPrmData, // 64302: checked before counting
    OneDataType,           // 64303: one data type line per definition
    OncePerModule,         // 64304
    OncePerInterface,      // 64305
    OncePerBlock,          // 64306
    OncePerModuleOrFile,   // 64304 inside a Module, 64301 at top level; two counters
};

// The station kinds a keyword belongs to.
enum class Role : std::uint8_t { None, Slave, Master, SlaveModular };

// When the first pass sets the entry's Accepted flag.
enum class Acceptance : std::uint8_t {
    AfterMultiplicity,  // the common shape: context and multiplicity rules held
    BeforeMultiplicity, // a repeated line is reported and still accepted
    Never,              // counted and checked, never accepted
};

// What the first pass keeps of a valid line for later rules.
enum class Keep : std::uint8_t {
    Nothing,
    Flag,   // 1 when the value, read as a decimal number, is 1
    Number, // ValueNumber of value part 0
};

// One keyword of the semantic keyword list with all its attributes.
struct KeywordInfo {
    Kw Id;
    std::string_view Name; // as the list writes it
    Context Where;
    Block Inside; // the block of Context::Inside
    Multiplicity Rule;
    int MinRevision; // 0: no revision rule
    Role Belongs;
    Acceptance Accept;
    bool CountOnlyValid; // counted (and accepted) only when its value is valid
    bool StoreRepeated;  // its value work runs even after its multiplicity rule reported
    Keep Kept;
    Kw ResetBy; // the block begin keyword that sets its counter back to 0, or Count_
};

const KeywordInfo& Info(Kw kw);

// The keyword of the list that equals the key, ignoring case.
std::optional<Kw> FindSemanticKeyword(std::string_view key);

// The block begin keywords and the keywords whose counters they set back to 0.
std::span<const Kw> KeywordsResetBy(Kw begin);

} // namespace kvf::semantic
