// User parameter data: ExtUserPrmData and PrmText definitions, the references to them,
// the occupancy of parameter bytes and the parameter lengths.
//
// A block's begin line makes a new current record, its data type line, Prm_Text_Ref and
// Text lines fill it, and the block content rule at its end keyword moves it into
// UserParameters.ExtUserPrmDataList or UserParameters.PrmTextList (BlockContentRules.cpp).
// Definitions and text tables must stand before the lines that refer to them. The
// *_Ext_User_Prm_Data_Ref and *_Const lines claim parameter bytes of the unit or of the current
// module; the lengths they reach are judged against User_Prm_Data_Len, Max_User_Prm_Data_Len and
// X_Max_User_Prm_Data_Len. The second pass reports definitions and text tables that nothing refers
// to. The reference number range rule runs after this group's second-pass rules
// (hook_order::UserParameter
// + 50).

#include "catalogue/NumberReader.h"
#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "core/RunContext.h"
#include "semantic/SemanticChecker.h"

#include <algorithm>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <new>

namespace kvf {

using semantic::Kw;

namespace {

// The default-text rule must see the definition before the block content rule moves it
// into its list.
constexpr int kBeforeBlockContent = hook_order::BlockContent - 50;

// Bytes a parameter of each data type occupies.
std::uint32_t DataTypeLength(Kw kw) {
    switch (kw) {
    case Kw::UNSIGNED32:
    case Kw::SIGNED32:
        return 4;
    case Kw::UNSIGNED16:
    case Kw::SIGNED16:
        return 2;
    default:
        return 1; // Unsigned8, Signed8, Bit, BitArea
    }
}

// The bits of the parameter byte that the bit numbers first ... last name. Numbers outside
// 0 ... 7 name no bit of the byte, so a wild number neither claims a foreign bit nor makes
// the loop run long.
std::uint8_t BitsOfByte(std::int32_t first, std::int32_t last) {
    std::uint8_t mask = 0;
    for (std::int32_t bit = std::max(first, 0); bit <= std::min(last, 7); ++bit)
        mask = static_cast<std::uint8_t>(mask | (1u << bit));
    return mask;
}

// Fills a definition from its data type line. The classification leaves a Bit(b) line's
// bit number in value part 0 and its default in part 1, a BitArea(first-last) line's first
// bit, last bit and default in parts 0, 1 and 2, and the default of the other types in
// part 0.
void GiveDataType(ExtUserPrmDataRecord& record, Kw kw, const CDbEntry& entry) {
    record.TypeSeen = 1;
    record.Length = DataTypeLength(kw);
    switch (kw) {
    case Kw::BIT: {
        std::int32_t bit = ValueNumber(entry.m_Ready[0]);
        record.BitMask = BitsOfByte(bit, bit);
        record.DefaultValue = ValueNumber(entry.m_Ready[1]);
        break;
    }
    case Kw::BITAREA:
        record.BitMask = BitsOfByte(ValueNumber(entry.m_Ready[0]), ValueNumber(entry.m_Ready[1]));
        record.DefaultValue = ValueNumber(entry.m_Ready[2]);
        break;
    default:
        record.DefaultValue = ValueNumber(entry.m_Ready[0]);
        break;
    }
}

// A new record for a block that begins. When memory runs out the user is told and the
// block has no record: its lines then store nothing.
template <typename Record>
std::unique_ptr<Record> NewRecord(const RunContext& run, std::int32_t number, int line) {
    try {
        auto record = std::make_unique<Record>();
        record->Number = number;
        record->Line = line;
        return record;
    } catch (const std::bad_alloc&) {
        run.Alert(std::string(MessageText(msg::OutOfMemoryCheck)));
        return nullptr;
    }
}

// The hooks below name runs of neighbouring keyword ids.
constexpr bool Follow(std::initializer_list<Kw> run) {
    int next = static_cast<int>(*run.begin());
    for (Kw kw : run)
        if (static_cast<int>(kw) != next++)
            return false;
    return true;
}
static_assert(Follow({Kw::EXT_USER_PRM_DATA_REF, Kw::EXT_USER_PRM_DATA_CONST}));
static_assert(Follow({Kw::F_Ext_User_Prm_Data_Ref, Kw::F_Ext_User_Prm_Data_Const,
                      Kw::X_Ext_User_Prm_Data_Ref, Kw::X_Ext_User_Prm_Data_Const}));
static_assert(Follow({Kw::X_Ext_Module_Prm_Data_Len, Kw::F_Ext_Module_Prm_Data_Len}));
static_assert(Follow({Kw::WD_Base_1ms_supp, Kw::Check_Cfg_Mode, Kw::Publisher_supp}));

} // namespace

std::span<const RuleHook> SemanticChecker::UserParameterHooks() {
    using S = HookStage;
    constexpr int kOrder = hook_order::UserParameter;
    static const RuleHook hooks[] = {
        {Kw::EXTUSERPRMDATA, Kw::EXTUSERPRMDATA, S::FirstHeld, kOrder,
         &SemanticChecker::OnExtUserPrmDataFirst},
        // The driver gets here only when a current definition exists and the one-data-type
        // rule held.
        {Kw::UNSIGNED32, Kw::BITAREA, S::FirstHeld, kOrder, &SemanticChecker::OnDataTypeLineFirst},
        {Kw::PRM_TEXT_REF, Kw::PRM_TEXT_REF, S::FirstHeld, kOrder,
         &SemanticChecker::OnPrmTextRefFirst},
        {Kw::ENDEXTUSERPRMDATA, Kw::ENDEXTUSERPRMDATA, S::FirstHeld, kBeforeBlockContent,
         &SemanticChecker::OnExtUserPrmDataEndFirst},
        {Kw::PRMTEXT, Kw::PRMTEXT, S::FirstHeld, kOrder, &SemanticChecker::OnPrmTextFirst},
        {Kw::TEXT, Kw::TEXT, S::FirstHeld, kOrder, &SemanticChecker::OnTextFirst},
        // Parameter bytes and lengths (ParameterLengthRules.cpp).
        {Kw::Module, Kw::Module, S::FirstPlaced, kOrder, &SemanticChecker::OnModulePrmPlaced},
        {Kw::EXT_USER_PRM_DATA_REF, Kw::EXT_USER_PRM_DATA_CONST, S::FirstHeld, kOrder,
         &SemanticChecker::OnParameterClaimFirst},
        {Kw::F_Ext_User_Prm_Data_Ref, Kw::X_Ext_User_Prm_Data_Const, S::FirstHeld, kOrder,
         &SemanticChecker::OnParameterClaimFirst},
        {Kw::EXTUSERPRMDATA, Kw::EXTUSERPRMDATA, S::Second, kOrder,
         &SemanticChecker::OnDefinitionUsedSecond},
        {Kw::PRMTEXT, Kw::PRMTEXT, S::Second, kOrder, &SemanticChecker::OnDefinitionUsedSecond},
        {Kw::User_Prm_Data, Kw::User_Prm_Data, S::Second, kOrder,
         &SemanticChecker::OnUserPrmDataSecond},
        {Kw::Max_User_Prm_Data_Len, Kw::Max_User_Prm_Data_Len, S::Second, kOrder,
         &SemanticChecker::OnMaxUserPrmDataLenSecond},
        {Kw::Module, Kw::Module, S::Second, kOrder, &SemanticChecker::OnModulePrmSecond},
        {Kw::EXT_MODULE_PRM_DATA_LEN, Kw::EXT_MODULE_PRM_DATA_LEN, S::Second, kOrder,
         &SemanticChecker::OnDeclaredModulePrmLenSecond},
        {Kw::X_Ext_Module_Prm_Data_Len, Kw::F_Ext_Module_Prm_Data_Len, S::Second, kOrder,
         &SemanticChecker::OnDeclaredModulePrmLenSecond},
        {Kw::ENDMODULE, Kw::ENDMODULE, S::Second, kOrder, &SemanticChecker::OnModulePrmEndSecond},
        {Kw::DPV1_Slave, Kw::DPV1_Slave, S::Second, kOrder,
         &SemanticChecker::OnMinimumPrmLenSecond},
        {Kw::WD_Base_1ms_supp, Kw::Publisher_supp, S::Second, kOrder,
         &SemanticChecker::OnMinimumPrmLenSecond},
    };
    return hooks;
}

// A begin line ends the life of a record that an earlier block left current (it was never
// closed with its mandatory content), also when its own value is not valid and so no
// record follows: the lines of this block must not fill the earlier one.
void SemanticChecker::OnExtUserPrmDataFirst(CDbEntry& entry, Kw) {
    UserParameters.CurrentExtUserPrmData.reset();
    if (entry.Valid)
        DefineExtUserPrmData(ValueNumber(entry.m_Ready[0]));
}

void SemanticChecker::OnDataTypeLineFirst(CDbEntry& entry, Kw kw) {
    if (UserParameters.CurrentExtUserPrmData)
        GiveDataType(*UserParameters.CurrentExtUserPrmData, kw, entry);
}

void SemanticChecker::OnPrmTextRefFirst(CDbEntry& entry, Kw) {
    if (!UserParameters.CurrentExtUserPrmData || !entry.Valid)
        return;
    UserParameters.CurrentExtUserPrmData->PrmTextRef = ValueNumber(entry.m_Ready[0]);
    ResolvePrmTextRef(UserParameters.CurrentExtUserPrmData->PrmTextRef);
}

// A definition without a data type line has no default value: the block content rule
// reports the missing line, and no text is demanded for a default nobody wrote.
void SemanticChecker::OnExtUserPrmDataEndFirst(CDbEntry&, Kw) {
    if (UserParameters.CurrentExtUserPrmData && UserParameters.CurrentExtUserPrmData->TypeSeen &&
        Count(Kw::PRM_TEXT_REF) != 0)
        CheckPrmTextDefault(UserParameters.CurrentExtUserPrmData->PrmTextRef,
                            UserParameters.CurrentExtUserPrmData->DefaultValue);
}

void SemanticChecker::OnPrmTextFirst(CDbEntry& entry, Kw) {
    UserParameters.CurrentPrmText.reset();
    if (entry.Valid)
        DefinePrmText(ValueNumber(entry.m_Ready[0]));
}

void SemanticChecker::OnTextFirst(CDbEntry& entry, Kw) {
    if (UserParameters.CurrentPrmText && entry.Valid)
        AddPrmTextValue(ValueNumber(entry.m_Ready[0]));
}

// Definitions and text tables are judged by their number, once the first pass has seen every
// reference of the file.
void SemanticChecker::OnDefinitionUsedSecond(CDbEntry& entry, Kw kw) {
    if (!entry.Accepted || !entry.Valid)
        return;
    std::int32_t number = ValueNumber(entry.m_Ready[0]);
    if (kw == Kw::EXTUSERPRMDATA)
        CheckExtUserPrmDataUsed(number);
    else
        CheckPrmTextUsed(number);
}

ExtUserPrmDataRecord* SemanticChecker::FindExtUserPrmData(std::int32_t number) {
    const std::uint32_t* found = UserParameters.ExtUserPrmDataByNumber.Find(number);
    return found ? &UserParameters.ExtUserPrmDataList[*found] : nullptr;
}

PrmTextRecord* SemanticChecker::FindPrmText(std::int32_t number) {
    const std::uint32_t* found = UserParameters.PrmTextByNumber.Find(number);
    return found ? &UserParameters.PrmTextList[*found] : nullptr;
}

// The counters of the block's lines were set back to 0 by the driver when the begin line
// passed its context rule.
int SemanticChecker::DefineExtUserPrmData(std::int32_t number) {
    UserParameters.CurrentExtUserPrmData.reset();
    if (FindExtUserPrmData(number)) // the lines of this block then store nothing
        return Report(LEVEL_ERROR, msg::AmbiguousExtUserPrmData, number, number);
    UserParameters.CurrentExtUserPrmData =
        NewRecord<ExtUserPrmDataRecord>(run_, number, CurrentLine);
    return 1;
}

// Holds in any case: an unresolved reference is reported, the definition stays usable.
int SemanticChecker::ResolvePrmTextRef(std::int32_t number) {
    if (PrmTextRecord* text = FindPrmText(number))
        text->Referenced = 1;
    else
        Report(LEVEL_ERROR, msg::UnresolvedPrmText, number);
    return 1;
}

int SemanticChecker::CheckPrmTextDefault(std::int32_t textNumber, std::int32_t defaultValue) {
    PrmTextRecord* text = FindPrmText(textNumber);
    if (!text) // the unresolved reference was reported at the Prm_Text_Ref line
        return 1;
    if (text->Values.Contains(static_cast<std::uint32_t>(defaultValue)))
        return 1;
    return Report(LEVEL_WARNING, msg::NoTextForDefault, textNumber, defaultValue);
}

int SemanticChecker::DefinePrmText(std::int32_t number) {
    UserParameters.CurrentPrmText.reset();
    if (FindPrmText(number))
        return Report(LEVEL_ERROR, msg::AmbiguousPrmText, number, number);
    UserParameters.CurrentPrmText = NewRecord<PrmTextRecord>(run_, number, CurrentLine);
    return 1;
}

int SemanticChecker::AddPrmTextValue(std::int32_t value) {
    if (!UserParameters.CurrentPrmText) // a refused or unreadable table keeps no values
        return 1;
    try {
        if (!UserParameters.CurrentPrmText->Values.Insert(static_cast<std::uint32_t>(value)))
            return Report(LEVEL_WARNING, msg::RedefinitionOfValue, value, "PrmText");
    } catch (const std::bad_alloc&) {
        run_.Alert(std::string(kvf::MessageText(msg::OutOfMemoryCheck)));
    }
    return 1;
}

PrmTextValues::PrmTextValues(const PrmTextValues& other)
    : first_(other.first_), few_(other.few_),
      all_(other.all_ ? std::make_unique<std::set<std::uint32_t>>(*other.all_) : nullptr) {}

PrmTextValues& PrmTextValues::operator=(const PrmTextValues& other) {
    if (this != &other)
        *this = PrmTextValues(other);
    return *this;
}

bool PrmTextValues::Insert(std::uint32_t value) {
    if (all_)
        return all_->insert(value).second;
    if (Contains(value))
        return false;
    if (few_ < kInRecord) {
        first_[few_++] = value;
        return true;
    }
    auto all = std::make_unique<std::set<std::uint32_t>>(first_.begin(), first_.end());
    all->insert(value);
    all_ = std::move(all);
    return true;
}

bool PrmTextValues::Contains(std::uint32_t value) const {
    if (all_)
        return all_->count(value) != 0;
    return std::find(first_.begin(), first_.begin() + few_, value) != first_.begin() + few_;
}

std::vector<std::uint32_t> PrmTextValues::Descending() const {
    std::vector<std::uint32_t> values;
    if (all_)
        values.assign(all_->rbegin(), all_->rend());
    else
        values.assign(first_.begin(), first_.begin() + few_);
    std::sort(values.begin(), values.end(), std::greater<>());
    return values;
}

} // namespace kvf
