// User parameter data: ExtUserPrmData and PrmText definitions, the references to them,
// the occupancy of parameter bytes and the parameter lengths.
//
// A block's begin line makes a new current record, its data type line, Prm_Text_Ref and
// Text lines fill it, and the block content rule at its end keyword moves it into the list
// of finished definitions or text tables (StoreFinished...).
// Definitions and text tables must stand before the lines that refer to them. The
// *_Ext_User_Prm_Data_Ref and *_Const lines claim parameter bytes of the unit or of the
// current module; the lengths they reach are judged against User_Prm_Data_Len,
// Max_User_Prm_Data_Len and X_Max_User_Prm_Data_Len. The second pass reports definitions and
// text tables that nothing refers to. The reference number range rule runs after this
// group's second-pass rules (hook_order::UserParameter + 50).

#include "semantic/UserParameterRules.h"

#include "catalogue/NumberReader.h"
#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "core/RunContext.h"

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

// Moves a finished definition into its list. When memory runs out the definition is
// dropped and the user is told.
template <typename Record>
void StoreFinished(const RunContext& run, std::unique_ptr<Record>& current,
                   BlockVector<Record>& list, NumberIndex& byNumber) {
    try {
        // The first of a number is found.
        byNumber.Insert(current->Number, static_cast<std::uint32_t>(list.size()));
        list.push_back(std::move(*current));
    } catch (const std::bad_alloc&) {
        run.Alert(std::string(kvf::MessageText(msg::OutOfMemoryCheck)));
    }
    current.reset();
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

std::span<const RuleHook<UserParameterRules>> UserParameterRules::Hooks() {
    using S = HookStage;
    constexpr int kOrder = hook_order::UserParameter;
    static const RuleHook<UserParameterRules> hooks[] = {
        {Kw::EXTUSERPRMDATA, Kw::EXTUSERPRMDATA, S::FirstHeld, kOrder,
         &UserParameterRules::OnExtUserPrmDataFirst},
        // The driver gets here only when a current definition exists and the one-data-type
        // rule held.
        {Kw::UNSIGNED32, Kw::BITAREA, S::FirstHeld, kOrder,
         &UserParameterRules::OnDataTypeLineFirst},
        {Kw::PRM_TEXT_REF, Kw::PRM_TEXT_REF, S::FirstHeld, kOrder,
         &UserParameterRules::OnPrmTextRefFirst},
        {Kw::ENDEXTUSERPRMDATA, Kw::ENDEXTUSERPRMDATA, S::FirstHeld, kBeforeBlockContent,
         &UserParameterRules::OnExtUserPrmDataEndFirst},
        {Kw::PRMTEXT, Kw::PRMTEXT, S::FirstHeld, kOrder, &UserParameterRules::OnPrmTextFirst},
        {Kw::TEXT, Kw::TEXT, S::FirstHeld, kOrder, &UserParameterRules::OnTextFirst},
        // Parameter bytes and lengths (ParameterLengthRules.cpp).
        {Kw::Module, Kw::Module, S::FirstPlaced, kOrder, &UserParameterRules::OnModulePrmPlaced},
        {Kw::EXT_USER_PRM_DATA_REF, Kw::EXT_USER_PRM_DATA_CONST, S::FirstHeld, kOrder,
         &UserParameterRules::OnParameterClaimFirst},
        {Kw::F_Ext_User_Prm_Data_Ref, Kw::X_Ext_User_Prm_Data_Const, S::FirstHeld, kOrder,
         &UserParameterRules::OnParameterClaimFirst},
        {Kw::EXTUSERPRMDATA, Kw::EXTUSERPRMDATA, S::Second, kOrder,
         &UserParameterRules::OnDefinitionUsedSecond},
        {Kw::PRMTEXT, Kw::PRMTEXT, S::Second, kOrder, &UserParameterRules::OnDefinitionUsedSecond},
        {Kw::User_Prm_Data, Kw::User_Prm_Data, S::Second, kOrder,
         &UserParameterRules::OnUserPrmDataSecond},
        {Kw::Max_User_Prm_Data_Len, Kw::Max_User_Prm_Data_Len, S::Second, kOrder,
         &UserParameterRules::OnMaxUserPrmDataLenSecond},
        {Kw::Module, Kw::Module, S::Second, kOrder, &UserParameterRules::OnModulePrmSecond},
        {Kw::EXT_MODULE_PRM_DATA_LEN, Kw::EXT_MODULE_PRM_DATA_LEN, S::Second, kOrder,
         &UserParameterRules::OnDeclaredModulePrmLenSecond},
        {Kw::X_Ext_Module_Prm_Data_Len, Kw::F_Ext_Module_Prm_Data_Len, S::Second, kOrder,
         &UserParameterRules::OnDeclaredModulePrmLenSecond},
        {Kw::ENDMODULE, Kw::ENDMODULE, S::Second, kOrder,
         &UserParameterRules::OnModulePrmEndSecond},
        {Kw::DPV1_Slave, Kw::DPV1_Slave, S::Second, kOrder,
         &UserParameterRules::OnMinimumPrmLenSecond},
        {Kw::WD_Base_1ms_supp, Kw::Publisher_supp, S::Second, kOrder,
         &UserParameterRules::OnMinimumPrmLenSecond},
    };
    return hooks;
}

// A begin line ends the life of a record that an earlier block left current (it was never
// closed with its mandatory content), also when its own value is not valid and so no
// record follows: the lines of this block must not fill the earlier one.
void UserParameterRules::OnExtUserPrmDataFirst(CDbEntry& entry, Kw) {
    currentExtUserPrmData_.reset();
    if (entry.Valid)
        DefineExtUserPrmData(ValueNumber(entry.m_Ready[0]));
}

void UserParameterRules::OnDataTypeLineFirst(CDbEntry& entry, Kw kw) {
    if (currentExtUserPrmData_)
        GiveDataType(*currentExtUserPrmData_, kw, entry);
}

void UserParameterRules::OnPrmTextRefFirst(CDbEntry& entry, Kw) {
    if (!currentExtUserPrmData_ || !entry.Valid)
        return;
    currentExtUserPrmData_->PrmTextRef = ValueNumber(entry.m_Ready[0]);
    ResolvePrmTextRef(currentExtUserPrmData_->PrmTextRef);
}

// A definition without a data type line has no default value: the block content rule
// reports the missing line, and no text is demanded for a default nobody wrote.
void UserParameterRules::OnExtUserPrmDataEndFirst(CDbEntry&, Kw) {
    if (currentExtUserPrmData_ && currentExtUserPrmData_->TypeSeen && Count(Kw::PRM_TEXT_REF) != 0)
        CheckPrmTextDefault(currentExtUserPrmData_->PrmTextRef,
                            currentExtUserPrmData_->DefaultValue);
}

void UserParameterRules::OnPrmTextFirst(CDbEntry& entry, Kw) {
    currentPrmText_.reset();
    if (entry.Valid)
        DefinePrmText(ValueNumber(entry.m_Ready[0]));
}

void UserParameterRules::OnTextFirst(CDbEntry& entry, Kw) {
    if (currentPrmText_ && entry.Valid)
        AddPrmTextValue(ValueNumber(entry.m_Ready[0]));
}

// Definitions and text tables are judged by their number, once the first pass has seen every
// reference of the file.
void UserParameterRules::OnDefinitionUsedSecond(CDbEntry& entry, Kw kw) {
    if (!entry.Accepted || !entry.Valid)
        return;
    std::int32_t number = ValueNumber(entry.m_Ready[0]);
    if (kw == Kw::EXTUSERPRMDATA)
        CheckExtUserPrmDataUsed(number);
    else
        CheckPrmTextUsed(number);
}

void UserParameterRules::StoreFinishedExtUserPrmData() {
    StoreFinished(context_.Run(), currentExtUserPrmData_, extUserPrmDataList_,
                  extUserPrmDataByNumber_);
}

void UserParameterRules::StoreFinishedPrmText() {
    StoreFinished(context_.Run(), currentPrmText_, prmTextList_, prmTextByNumber_);
}

ExtUserPrmDataRecord* UserParameterRules::FindExtUserPrmData(std::int32_t number) {
    const std::uint32_t* found = extUserPrmDataByNumber_.Find(number);
    return found ? &extUserPrmDataList_[*found] : nullptr;
}

PrmTextRecord* UserParameterRules::FindPrmText(std::int32_t number) {
    const std::uint32_t* found = prmTextByNumber_.Find(number);
    return found ? &prmTextList_[*found] : nullptr;
}

// The counters of the block's lines were set back to 0 by the driver when the begin line
// passed its context rule.
int UserParameterRules::DefineExtUserPrmData(std::int32_t number) {
    currentExtUserPrmData_.reset();
    if (FindExtUserPrmData(number)) // the lines of this block then store nothing
        return Report(LEVEL_ERROR, msg::AmbiguousExtUserPrmData, number, number);
    currentExtUserPrmData_ = NewRecord<ExtUserPrmDataRecord>(context_.Run(), number, CurrentLine());
    return 1;
}

// Holds in any case: an unresolved reference is reported, the definition stays usable.
int UserParameterRules::ResolvePrmTextRef(std::int32_t number) {
    if (PrmTextRecord* text = FindPrmText(number))
        text->Referenced = 1;
    else
        Report(LEVEL_ERROR, msg::UnresolvedPrmText, number);
    return 1;
}

int UserParameterRules::CheckPrmTextDefault(std::int32_t textNumber, std::int32_t defaultValue) {
    PrmTextRecord* text = FindPrmText(textNumber);
    if (!text) // the unresolved reference was reported at the Prm_Text_Ref line
        return 1;
    if (text->Values.Contains(static_cast<std::uint32_t>(defaultValue)))
        return 1;
    return Report(LEVEL_WARNING, msg::NoTextForDefault, textNumber, defaultValue);
}

int UserParameterRules::DefinePrmText(std::int32_t number) {
    currentPrmText_.reset();
    if (FindPrmText(number))
        return Report(LEVEL_ERROR, msg::AmbiguousPrmText, number, number);
    currentPrmText_ = NewRecord<PrmTextRecord>(context_.Run(), number, CurrentLine());
    return 1;
}

int UserParameterRules::AddPrmTextValue(std::int32_t value) {
    if (!currentPrmText_) // a refused or unreadable table keeps no values
        return 1;
    try {
        if (!currentPrmText_->Values.Insert(static_cast<std::uint32_t>(value)))
            return Report(LEVEL_WARNING, msg::RedefinitionOfValue, value, "PrmText");
    } catch (const std::bad_alloc&) {
        context_.Run().Alert(std::string(kvf::MessageText(msg::OutOfMemoryCheck)));
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
