// User parameter bytes and lengths: which bytes of the parameter telegram the constant and
// referenced parameters occupy, whether two of them claim the same bits, and whether the
// lengths they reach fit User_Prm_Data_Len, Max_User_Prm_Data_Len and
// X_Max_User_Prm_Data_Len, for the unit and for each module.

#include "catalogue/NumberReader.h"
#include "core/MessageIds.h"
#include "core/MessageSink.h"
#include "core/RunContext.h"
#include "semantic/ModuleRules.h"
#include "semantic/UserParameterRules.h"

#include <algorithm>
#include <new>

namespace kvf {

using semantic::Kw;

namespace {

// The features that need a minimum parameter length and are judged here; the prerequisite
// rules judge PrmCmd_supp, Subscriber_supp and Isochron_Mode_supp among their own calls.
struct MinimumLengthRow {
    Kw Keyword;
    std::int32_t Minimum;
};

constexpr MinimumLengthRow kMinimumLengths[] = {
    {Kw::DPV1_Slave, 3},
    {Kw::WD_Base_1ms_supp, 3},
    {Kw::Check_Cfg_Mode, 3},
    {Kw::Publisher_supp, 3},
};

// The kind of a parameter line: plain, F_ (fail-safe parameters of a module) or X_ (the
// extended parameter telegram).
struct ParameterLineKind {
    bool Reference;
    bool F;
    bool X;
};

ParameterLineKind KindOf(Kw kw) {
    switch (kw) {
    case Kw::EXT_USER_PRM_DATA_REF:
        return {true, false, false};
    case Kw::F_Ext_User_Prm_Data_Ref:
        return {true, true, false};
    case Kw::X_Ext_User_Prm_Data_Ref:
        return {true, false, true};
    case Kw::F_Ext_User_Prm_Data_Const:
        return {false, true, false};
    case Kw::X_Ext_User_Prm_Data_Const:
        return {false, false, true};
    default:
        return {false, false, false};
    }
}

// The bytes first ... last as occupancy offsets; none when the range is empty or starts
// below 0 (a valid line never does).
struct ByteRange {
    bool Empty;
    std::uint32_t First;
    std::uint32_t Last;
};

ByteRange BytesOf(std::int64_t first, std::int64_t last) {
    if (first < 0 || last < first)
        return {true, 0, 0};
    return {false, static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(last)};
}

// Runs an insertion into a list; when memory runs out the user is told, the rest of the
// insertion is skipped and the run goes on.
template <typename Insertion> void InsertOrAlert(const RunContext& run, Insertion&& insert) {
    try {
        insert();
    } catch (const std::bad_alloc&) {
        run.Alert(std::string(MessageText(msg::OutOfMemoryCheck)));
    }
}

} // namespace

// ---- Hook adapters ------------------------------------------------------------------------

// Each module has its own parameter telegram.
void UserParameterRules::OnModulePrmPlaced(CDbEntry&, Kw) {
    modulePrmOccupancy_.Clear();
    fModulePrmOccupancy_.Clear();
    xModulePrmOccupancy_.Clear();
    used_ = ModulePrmLengths{};
}

void UserParameterRules::OnParameterClaimFirst(CDbEntry& entry, Kw kw) {
    if (!entry.Valid)
        return;
    ParameterLineKind kind = KindOf(kw);
    // The F_ lines stand in modules only; the others in a module when they have a parent.
    bool inModule = kind.F || entry.hParent != nullptr;
    std::int32_t offset = ValueNumber(entry.m_Ready[0]);
    if (kind.Reference)
        ClaimRefParameter(offset, ValueNumber(entry.m_Ready[1]), inModule, kind.F, kind.X);
    else
        ClaimConstParameter(offset, entry.ValueCount, inModule, kind.F, kind.X);
}

void UserParameterRules::OnUserPrmDataSecond(CDbEntry& entry, Kw) {
    CheckUserPrmDataInvalidated();
    if (entry.Accepted && entry.Valid)
        CheckUserPrmDataLength(entry.ValueCount);
}

void UserParameterRules::OnMaxUserPrmDataLenSecond(CDbEntry&, Kw) {
    CheckUserPrmDataLenInvalidated();
}

// The declared lengths of the module, as the second pass reads them again.
void UserParameterRules::OnModulePrmSecond(CDbEntry&, Kw) {
    context_.Modules().ClearDeclaredPrmLengths();
}

void UserParameterRules::OnDeclaredModulePrmLenSecond(CDbEntry& entry, Kw kw) {
    if (!entry.Accepted || !entry.Valid)
        return;
    context_.Modules().SetDeclaredPrmLength(kw, ValueNumber(entry.m_Ready[0]));
}

void UserParameterRules::OnModulePrmEndSecond(CDbEntry& entry, Kw) {
    if (!entry.Valid || !entry.Accepted)
        return;
    const DeclaredPrmLengths& declared = context_.Modules().DeclaredLengths();
    CheckModulePrmLimit(declared.Plain + declared.F, declared.X);
}

void UserParameterRules::OnMinimumPrmLenSecond(CDbEntry& entry, Kw kw) {
    if (!entry.Accepted)
        return;
    for (const MinimumLengthRow& row : kMinimumLengths)
        if (row.Keyword == kw)
            CheckMinimumPrmLen(row.Minimum);
}

// ---- Rules --------------------------------------------------------------------------------

// The bytes of the unit or module telegram that a line claims, and the used length of the
// module that grows with it.
ParameterOccupancy& UserParameterRules::ClaimedTelegram(bool inModule, bool f, bool x,
                                                        std::int64_t end) {
    auto grow = [end](std::uint32_t& used) {
        if (end + 1 > static_cast<std::int64_t>(used))
            used = static_cast<std::uint32_t>(std::min<std::int64_t>(end + 1, UINT32_MAX));
    };
    if (!inModule)
        return x ? xUnitPrmOccupancy_ : unitPrmOccupancy_;
    if (f) {
        grow(used_.F);
        return fModulePrmOccupancy_;
    }
    if (x) {
        grow(used_.X);
        return xModulePrmOccupancy_;
    }
    grow(used_.Plain);
    return modulePrmOccupancy_;
}

// Constant bytes replace whatever claimed their bytes before, with a warning.
int UserParameterRules::ClaimConstParameter(std::int32_t offset, std::int32_t count, bool inModule,
                                            bool f, bool x) {
    const std::int64_t end = static_cast<std::int64_t>(offset) + count - 1;
    const bool firstConst = Count(Kw::EXT_USER_PRM_DATA_CONST) < 2;
    int holds = 1;
    // Module constants are measured with their module-relative offset too.
    if (!f && !x) {
        if (Count(Kw::Max_User_Prm_Data_Len) != 0) {
            if (end >= KeptValue(Kw::Max_User_Prm_Data_Len))
                holds = Report(LEVEL_ERROR, msg::UnitPrmExceedsMax);
        } else if (Count(Kw::User_Prm_Data_Len) != 0) {
            if (firstConst)
                holds = Report(LEVEL_WARNING, msg::MaxUserPrmDataLenRecommended, CurrentKey());
            if (end >= KeptValue(Kw::User_Prm_Data_Len))
                holds = Report(LEVEL_ERROR, msg::UserPrmDefinitionLength, CurrentKey());
        } else if (firstConst) {
            holds = Report(LEVEL_ERROR, msg::UserPrmLengthRequired, CurrentKey());
        }
    }
    if (x && !inModule && end >= KeptValue(Kw::X_Max_User_Prm_Data_Len))
        holds = Report(LEVEL_ERROR, msg::UnitPrmExceedsMax);

    ParameterOccupancy& telegram = ClaimedTelegram(inModule, f, x, end);
    ByteRange bytes = BytesOf(offset, end);
    if (bytes.Empty)
        return holds;
    if (auto released = telegram.Release(bytes.First, bytes.Last))
        holds = Report(LEVEL_WARNING, msg::MultipleUseOfOffset, released->Offset);
    InsertOrAlert(context_.Run(), [&] {
        telegram.Claim(bytes.First, bytes.Last, OccupiedByte{0, false});
    });
    return holds;
}

// A reference occupies the bytes and bits of its definition. Two references may share a
// byte when their bits differ; a reference laid over constant bytes takes them silently.
int UserParameterRules::ClaimRefParameter(std::int32_t offset, std::int32_t number, bool inModule,
                                          bool f, bool x) {
    std::int64_t end = offset;
    std::uint8_t bits = 0;
    int holds = 1;
    if (ExtUserPrmDataRecord* definition = FindExtUserPrmData(number)) {
        end = static_cast<std::int64_t>(offset) + definition->Length - 1;
        bits = definition->BitMask;
        definition->Referenced = 1;
    } else {
        holds = Report(LEVEL_ERROR, msg::UnresolvedExtUserPrmData, number);
    }
    ParameterOccupancy& telegram = ClaimedTelegram(inModule, f, x, end);

    if (Count(Kw::Max_User_Prm_Data_Len) != 0 || x) {
        Kw limit = x ? Kw::X_Max_User_Prm_Data_Len : Kw::Max_User_Prm_Data_Len;
        if (end >= KeptValue(limit))
            holds = Report(LEVEL_ERROR, msg::UnitPrmExceedsMax);
        ByteRange bytes = BytesOf(offset, end);
        if (bytes.Empty)
            return holds;
        auto released = telegram.Release(bytes.First, bytes.Last);
        std::uint8_t sharedMask = released ? released->Byte.Mask : 0;
        if (released && released->Byte.ByReference && (sharedMask & bits) != 0)
            holds = Report(LEVEL_WARNING, msg::MultipleUseOfOffset, released->Offset);
        InsertOrAlert(context_.Run(), [&] {
            telegram.Claim(bytes.First, bytes.Last,
                           OccupiedByte{static_cast<std::uint8_t>(bits | sharedMask), true});
        });
        return holds;
    }

    // Without Max_User_Prm_Data_Len the plain telegram is measured by User_Prm_Data_Len and
    // its bytes are not tracked.
    const bool firstRef = Count(Kw::EXT_USER_PRM_DATA_REF) < 2;
    if (Count(Kw::User_Prm_Data_Len) != 0) {
        if (firstRef)
            holds = Report(LEVEL_WARNING, msg::MaxUserPrmDataLenRecommended, CurrentKey());
        if (end >= KeptValue(Kw::User_Prm_Data_Len))
            holds = Report(LEVEL_ERROR, msg::UserPrmDefinitionLength, CurrentKey());
    } else if (firstRef) {
        holds = Report(LEVEL_ERROR, msg::UserPrmLengthRequired, CurrentKey());
    }
    return holds;
}

// Second pass: every reference of the file has been seen. A block whose number was refused
// as a duplicate (or that was never finished) has no record of its own and passes silently;
// the unused number is reported once, at the block that defined it.
int UserParameterRules::CheckExtUserPrmDataUsed(std::int32_t number) {
    const ExtUserPrmDataRecord* definition = FindExtUserPrmData(number);
    if (!definition || definition->Line != CurrentLine() || definition->Referenced)
        return 1;
    return Report(LEVEL_WARNING, msg::UnreferencedExtUserPrmData, number);
}

int UserParameterRules::CheckPrmTextUsed(std::int32_t number) {
    const PrmTextRecord* text = FindPrmText(number);
    if (!text || text->Line != CurrentLine() || text->Referenced)
        return 1;
    return Report(LEVEL_WARNING, msg::UnreferencedPrmText, number);
}

// A parameter telegram built from definitions replaces the fixed User_Prm_Data.
int UserParameterRules::CheckUserPrmDataInvalidated() {
    if (Count(Kw::EXT_USER_PRM_DATA_CONST) != 0)
        return Report(LEVEL_WARNING, msg::UserPrmDataInvalidated, "Ext_User_Prm_Data_Const");
    if (Count(Kw::EXT_USER_PRM_DATA_REF) != 0)
        return Report(LEVEL_WARNING, msg::UserPrmDataInvalidated, "Ext_User_Prm_Data_Ref");
    return 1;
}

int UserParameterRules::CheckUserPrmDataLength(std::int32_t count) {
    if (Count(Kw::User_Prm_Data_Len) == 0)
        return Report(LEVEL_ERROR, msg::UserPrmLengthRequired, CurrentKey());
    if (KeptValue(Kw::User_Prm_Data_Len) == count)
        return 1;
    return Report(LEVEL_ERROR, msg::UserPrmDataLengthMismatch);
}

int UserParameterRules::CheckUserPrmDataLenInvalidated() {
    if (Count(Kw::User_Prm_Data_Len) == 0)
        return 1;
    return Report(LEVEL_WARNING, msg::UserPrmDataLenInvalidated, CurrentKey());
}

int UserParameterRules::CheckModulePrmLimit(std::int32_t plainLength, std::int32_t xLength) {
    int holds = 1;
    if (plainLength > 0) {
        if (Count(Kw::Max_User_Prm_Data_Len) != 0) {
            if (KeptValue(Kw::Max_User_Prm_Data_Len) < plainLength)
                holds = Report(LEVEL_ERROR, msg::ModulePrmExceedsMax);
        } else {
            holds = Report(LEVEL_WARNING, msg::ModulePrmLenRecommendsMax);
            if (Count(Kw::User_Prm_Data_Len) == 0)
                holds = Report(LEVEL_ERROR, msg::UserPrmLengthRequired, CurrentKey());
            else if (KeptValue(Kw::User_Prm_Data_Len) < plainLength)
                holds = Report(LEVEL_ERROR, msg::UserPrmDefinitionLength, CurrentKey());
        }
    }
    if (KeptValue(Kw::X_Max_User_Prm_Data_Len) < xLength)
        holds = Report(LEVEL_ERROR, msg::ModulePrmExceedsMax);
    return holds;
}

// A feature that the line switches off needs nothing.
int UserParameterRules::CheckMinimumPrmLen(std::int32_t minimum) {
    if (ValueNumber(CurrentValue()) == 0)
        return 1;
    Kw length =
        Count(Kw::Max_User_Prm_Data_Len) != 0 ? Kw::Max_User_Prm_Data_Len : Kw::User_Prm_Data_Len;
    if (KeptValue(length) >= minimum)
        return 1;
    return Report(LEVEL_ERROR, msg::MinimumPrmLength, minimum, CurrentKey());
}

} // namespace kvf
