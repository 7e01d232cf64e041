#include "semantic/SemanticKeywordList.h"

#include "core/AsciiText.h"
#include "core/KeywordTable.h"

#include <array>

namespace kvf::semantic {
namespace {

// The pattern a group of keywords shares: context, multiplicity, revision and role.
struct Pattern {
    Context Where;
    Block Inside;
    Multiplicity Rule;
    int MinRevision;
    Role Belongs;
};

using C = Context;
using B = Block;
using M = Multiplicity;
using R = Role;

constexpr Pattern kTopOnce{C::Top, B::None, M::OncePerFile, 0, R::None};
constexpr Pattern kTopOnceRev1{C::Top, B::None, M::OncePerFile, 1, R::None};
constexpr Pattern kTopOnceRev2{C::Top, B::None, M::OncePerFile, 2, R::None};
constexpr Pattern kInterfaceBegin{C::Top, B::None, M::None, 3, R::None};
constexpr Pattern kInterfaceEnd{C::Inside, B::PhysicalInterface, M::None, 3, R::None};
constexpr Pattern kInterfaceDelay{C::Inside, B::PhysicalInterface, M::OncePerInterface, 3, R::None};
constexpr Pattern kSlaveTopOnce{C::Top, B::None, M::OncePerFile, 0, R::Slave};
constexpr Pattern kModularTopOnce{C::Top, B::None, M::OncePerFile, 0, R::SlaveModular};
constexpr Pattern kSlaveTop{C::Top, B::None, M::None, 0, R::Slave};
constexpr Pattern kInDiagArea{C::Inside, B::UnitDiagArea, M::None, 0, R::Slave};
constexpr Pattern kInDiagAreaRev5{C::Inside, B::UnitDiagArea, M::None, 5, R::Slave};
constexpr Pattern kInModule{C::Inside, B::Module, M::None, 0, R::Slave};
constexpr Pattern kInModuleOnceRev1{C::Inside, B::Module, M::OncePerModule, 1, R::Slave};
constexpr Pattern kTopOrModule{C::TopOrModule, B::None, M::None, 0, R::Slave};
constexpr Pattern kTopOrModuleRev5{C::TopOrModule, B::None, M::None, 5, R::Slave};
constexpr Pattern kInModuleRev5{C::Inside, B::Module, M::None, 5, R::Slave};
constexpr Pattern kInDataAreaOnce{C::Inside, B::DataArea, M::OncePerBlock, 5, R::Slave};
constexpr Pattern kInDataArea{C::Inside, B::DataArea, M::None, 5, R::Slave};
constexpr Pattern kSlaveTopOnceRev1{C::Top, B::None, M::OncePerFile, 1, R::Slave};
constexpr Pattern kSlaveTopOnceRev3{C::Top, B::None, M::OncePerFile, 3, R::Slave};
constexpr Pattern kModularTopOnceRev3{C::Top, B::None, M::OncePerFile, 3, R::SlaveModular};
constexpr Pattern kInSlotDefinition{C::Inside, B::SlotDefinition, M::None, 3, R::Slave};
constexpr Pattern kTopOrModuleOnceRev3{C::TopOrModule, B::None, M::OncePerModuleOrFile, 3,
                                       R::Slave};
constexpr Pattern kTopOrModuleRev1{C::TopOrModule, B::None, M::None, 1, R::Slave};
constexpr Pattern kSlaveTopRev1{C::Top, B::None, M::None, 1, R::Slave};
constexpr Pattern kInExtPrm{C::Inside, B::ExtUserPrmData, M::None, 1, R::Slave};
constexpr Pattern kInExtPrmOnce{C::Inside, B::ExtUserPrmData, M::OncePerExtUserPrmData, 1,
                                R::Slave};
constexpr Pattern kInExtPrmDataType{C::Inside, B::ExtUserPrmData, M::OneDataType, 1, R::Slave};
constexpr Pattern kInPrmText{C::Inside, B::PrmText, M::None, 1, R::Slave};
constexpr Pattern kSlaveTopRev4{C::Top, B::None, M::None, 4, R::Slave};
constexpr Pattern kInDiagType{C::Inside, B::UnitDiagType, M::None, 4, R::Slave};
constexpr Pattern kSlaveTopRev5{C::Top, B::None, M::None, 5, R::Slave};
constexpr Pattern kInDiagTypeRev5{C::Inside, B::UnitDiagType, M::None, 5, R::Slave};
constexpr Pattern kInXDiagArea{C::Inside, B::XUnitDiagArea, M::None, 4, R::Slave};
constexpr Pattern kInXDiagAreaRev5{C::Inside, B::XUnitDiagArea, M::None, 5, R::Slave};
constexpr Pattern kInModuleOnceRev4{C::Inside, B::Module, M::OncePerModule, 4, R::Slave};
constexpr Pattern kInModuleRev4{C::Inside, B::Module, M::None, 4, R::Slave};
constexpr Pattern kTopOrModuleRev4{C::TopOrModule, B::None, M::None, 4, R::Slave};
constexpr Pattern kInExtPrmOnceRev4Any{C::Inside, B::ExtUserPrmData, M::OncePerExtUserPrmData, 4,
                                       R::None};
constexpr Pattern kInExtPrmOnceRev4{C::Inside, B::ExtUserPrmData, M::OncePerExtUserPrmData, 4,
                                    R::Slave};
constexpr Pattern kSlaveTopOnceRev4{C::Top, B::None, M::OncePerFile, 4, R::Slave};
constexpr Pattern kSlaveTopOnceRev5{C::Top, B::None, M::OncePerFile, 5, R::Slave};
constexpr Pattern kInJokerblockOnce{C::Inside, B::Jokerblock, M::OncePerBlock, 5, R::Slave};
constexpr Pattern kInJokerblock{C::Inside, B::Jokerblock, M::None, 5, R::Slave};
constexpr Pattern kMasterTopOnce{C::Top, B::None, M::OncePerFile, 0, R::Master};
constexpr Pattern kMasterTopOnceRev1{C::Top, B::None, M::OncePerFile, 1, R::Master};
constexpr Pattern kMasterTopOnceRev2{C::Top, B::None, M::OncePerFile, 2, R::Master};
constexpr Pattern kMasterTopOnceRev3{C::Top, B::None, M::OncePerFile, 3, R::Master};
constexpr Pattern kMasterTopOnceRev4{C::Top, B::None, M::OncePerFile, 4, R::Master};

// The names the columns of the keyword table use.
namespace accept {
constexpr Acceptance After = Acceptance::AfterMultiplicity;
constexpr Acceptance Before = Acceptance::BeforeMultiplicity;
constexpr Acceptance Never = Acceptance::Never;
} // namespace accept

enum class Counting : std::uint8_t { Always, IfValid, IfValidStoreRepeat };
namespace counted {
constexpr Counting Always = Counting::Always;
constexpr Counting IfValid = Counting::IfValid;
constexpr Counting IfValidStoreRepeat = Counting::IfValidStoreRepeat;
} // namespace counted

namespace kept {
constexpr Keep Nothing = Keep::Nothing;
constexpr Keep Flag = Keep::Flag;
constexpr Keep Number = Keep::Number;
} // namespace kept

namespace reset {
using enum Kw;
constexpr Kw NoBlock = Kw::Count_;
} // namespace reset

constexpr KeywordInfo MakeInfo(Kw id, std::string_view name, Pattern shape, Acceptance accept,
                               Counting counted, Keep kept, Kw resetBy) {
    return KeywordInfo{id,
                       name,
                       shape.Where,
                       shape.Inside,
                       shape.Rule,
                       shape.MinRevision,
                       shape.Belongs,
                       accept,
                       counted != Counting::Always,
                       counted == Counting::IfValidStoreRepeat,
                       kept,
                       resetBy};
}

// The semantic keyword list, in id order.
constexpr std::array<KeywordInfo, kKeywordCount> kInfos = {{
#define KVF_SEMANTIC_KEYWORD(Id, Name, Pattern, Accept, Counted, Kept, ResetBy)                    \
    MakeInfo(Kw::Id, Name, k##Pattern, accept::Accept, counted::Counted, kept::Kept,               \
             reset::ResetBy),
#include "semantic/SemanticKeywords.def"
#undef KVF_SEMANTIC_KEYWORD
}};

constexpr bool InIdOrder() {
    for (std::size_t i = 0; i < kKeywordCount; ++i)
        if (Index(kInfos[i].Id) != i)
            return false;
    return true;
}
static_assert(InIdOrder(), "every keyword has exactly one row, at its id");

// The keywords each block begin resets, as runs of one array: the counters of begin b are
// Counters[Start[b]] ... Counters[Start[b + 1] - 1], in id order.
struct ResetIndex {
    std::array<Kw, kKeywordCount> Counters{};
    std::array<std::size_t, kKeywordCount + 1> Start{};
};

constexpr ResetIndex BuildResetIndex() {
    ResetIndex index;
    std::size_t next = 0;
    for (std::size_t begin = 0; begin < kKeywordCount; ++begin) {
        index.Start[begin] = next;
        for (const KeywordInfo& info : kInfos)
            if (info.ResetBy == static_cast<Kw>(begin))
                index.Counters[next++] = info.Id;
    }
    index.Start[kKeywordCount] = next;
    return index;
}

constexpr ResetIndex kResets = BuildResetIndex();

// Lookup by the upper-cased key, built once.
// Looked up as written: the map ignores case.
using NameMap = KeywordTable<Kw>;

const NameMap& ByName() {
    static const NameMap map = [] {
        NameMap m;
        for (const KeywordInfo& info : kInfos)
            m.Insert(info.Name, info.Id);
        return m;
    }();
    return map;
}

} // namespace

std::string_view BlockName(Block block) {
    switch (block) {
    case Block::PhysicalInterface:
        return "Physical_Interface";
    case Block::Module:
        return "Module";
    case Block::UnitDiagArea:
        return "Unit_Diag_Area";
    case Block::XUnitDiagArea:
        return "X_Unit_Diag_Area";
    case Block::UnitDiagType:
        return "UnitDiagType";
    case Block::ExtUserPrmData:
        return "ExtUserPrmData";
    case Block::PrmText:
        return "PrmText";
    case Block::SlotDefinition:
        return "SlotDefinition";
    case Block::DataArea:
        return "Data_Area_Beg";
    case Block::Jokerblock:
        return "Jokerblock_Type";
    case Block::None:
        break;
    }
    return {};
}

const KeywordInfo& Info(Kw kw) {
    return kInfos[Index(kw)];
}

std::optional<Kw> FindSemanticKeyword(std::string_view key) {
    const Kw* found = ByName().Find(key);
    if (!found)
        return std::nullopt;
    return *found;
}

std::span<const Kw> KeywordsResetBy(Kw begin) {
    if (begin == Kw::Count_)
        return {};
    const std::size_t b = Index(begin);
    return std::span<const Kw>(kResets.Counters)
        .subspan(kResets.Start[b], kResets.Start[b + 1] - kResets.Start[b]);
}

} // namespace kvf::semantic
