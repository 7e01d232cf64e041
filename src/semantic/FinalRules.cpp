#include "semantic/FinalRules.h"

#include "core/MessageIds.h"
#include "core/MessageSink.h"

namespace kvf {

using semantic::Kw;
using semantic::RateGroup;

namespace {

struct MandatoryRow {
    Kw Keyword;
    const char* FirstName;
    const char* SecondName;
};

constexpr MandatoryRow kGeneralKeywords[] = {
    {Kw::Vendor_Name, "Vendor_Name", "Vendor_Name"},
    {Kw::Model_Name, "Model_Name", "Model_Name"},
    {Kw::Revision, "Revision", "Revision"},
    {Kw::Ident_Number, "Ident_Number", "Ident_Number"},
    {Kw::Protocol_Ident, "Protocol_Ident", "Protocol_Ident"},
    {Kw::Station_Type, "Station_Type", "StationType"},
    {Kw::Hardware_Release, "Hardware_Release", "Hardware_Release"},
    {Kw::Software_Release, "Software_Release", "Software_Release"},
};

struct NamedKeyword {
    Kw Keyword;
    const char* Name;
};

constexpr NamedKeyword kMasterKeywords[] = {
    {Kw::MAX_MPS_LENGTH, "Max_MPS_Length"},   {Kw::MAX_LSDU_MS, "Max_Lsdu_MS"},
    {Kw::MAX_LSDU_MM, "Max_Lsdu_MM"},         {Kw::MIN_POLL_TIMEOUT, "Min_Poll_Timeout"},
    {Kw::MAX_SLAVES_SUPP, "Max_Slaves_supp"},
};

struct TimeGroupRow {
    RateGroup Group;
    int Message;
};

constexpr TimeGroupRow kMasterTimes[] = {
    {RateGroup::Trdy, msg::UndefinedTrdy},
    {RateGroup::Tqui, msg::MissingTqui},
    {RateGroup::Tset, msg::MissingTset},
    {RateGroup::Tsdi, msg::MissingTsdi},
};

constexpr NamedKeyword kModularSlaveKeywords[] = {
    {Kw::Max_Module, "Max_Module"},
    {Kw::Max_Input_Len, "Max_Input_Len"},
    {Kw::Max_Output_Len, "Max_Output_Len"},
    {Kw::Max_Data_Len, "Max_Data_Len"},
};

struct BlockRow {
    Kw Begin;
    Kw End;
    const char* BeginName;
    const char* EndName;
};

// Blocks that must be closed; X_Unit_Diag_Area, UnitDiagType, Jokerblock_Type and
// Data_Area_Beg are not checked.
constexpr BlockRow kClosedBlocks[] = {
    {Kw::UNIT_DIAG_AREA, Kw::UNIT_DIAG_AREA_END, "Unit_Diag_Area", "Unit_Diag_Area_End"},
    {Kw::EXTUSERPRMDATA, Kw::ENDEXTUSERPRMDATA, "ExtUserPrmData", "EndExtUserPrmData"},
    {Kw::PRMTEXT, Kw::ENDPRMTEXT, "PrmText", "EndPrmText"},
    {Kw::Module, Kw::ENDMODULE, "Module", "EndModule"},
    {Kw::Physical_Interface, Kw::End_Physical_Interface, "Physical_Interface",
     "End_Physical_Interface"},
    {Kw::SlotDefinition, Kw::EndSlotDefinition, "SlotDefinition", "EndSlotDefinition"},
};

} // namespace

void FinalRules::Run() {
    RequireGeneralKeywords();
    RequireBaudrate();
    RequireMaxTsdr();
    RequireKvfRevision();
    RequireMasterKeywords();
    RequireMasterTimes();
    RequireSlaveKeywords();
    RequireSlaveRevisionKeywords();
    RequireModularSlaveKeywords();
    RequireBlocksClosed();
    RequireDpv1ConformanceClass();
}

int FinalRules::RequireGeneralKeywords() {
    int holds = 1;
    for (const MandatoryRow& row : kGeneralKeywords)
        if (Count(row.Keyword) == 0)
            holds =
                Report(LEVEL_ERROR, msg::MissingMandatoryKeyword, row.FirstName, row.SecondName);
    return holds;
}

// Only a rate supported with value 1 counts; rate lines with value 0 do not.
int FinalRules::RequireBaudrate() {
    for (int rate = 0; rate < semantic::kRateCount; ++rate)
        if (context_.BaudSupported(rate))
            return 1;
    return Report(LEVEL_ERROR, msg::UndefinedBaudrate);
}

int FinalRules::RequireMaxTsdr() {
    for (int rate = 0; rate < semantic::kRateCount; ++rate)
        if (Count(semantic::RateKeyword(RateGroup::MaxTsdr, rate)) != 0)
            return 1;
    return Report(LEVEL_ERROR, msg::UndefinedMaxTsdr);
}

// Only a counted KVF_Revision line sets RevisionInForce(), so this rule cannot fail today;
// it guards the revision for any future way of setting it.
int FinalRules::RequireKvfRevision() {
    if (RevisionInForce() == 0 || Count(Kw::KVF_Revision) != 0)
        return 1;
    return Report(LEVEL_ERROR, msg::MissingKvfRevision, "KVF_Revision", "KVF_Revision");
}

int FinalRules::RequireMasterKeywords() {
    if (StationKind() != 1)
        return 1;
    int holds = 1;
    for (const NamedKeyword& row : kMasterKeywords)
        if (Count(row.Keyword) == 0)
            holds = Report(LEVEL_ERROR, msg::MissingMasterKeyword, row.Name, row.Name);
    return holds;
}

int FinalRules::RequireMasterTimes() {
    if (StationKind() != 1)
        return 1;
    int holds = 1;
    for (const TimeGroupRow& row : kMasterTimes) {
        bool any = false;
        for (int rate = 0; rate < semantic::kRateCount && !any; ++rate)
            any = Count(semantic::RateKeyword(row.Group, rate)) != 0;
        if (!any)
            holds = Report(LEVEL_ERROR, row.Message);
    }
    return holds;
}

int FinalRules::RequireSlaveKeywords() {
    if (StationKind() != 0)
        return 1;
    int holds = 1;
    if (Count(Kw::Min_Slave_Intervall) == 0)
        holds = Report(LEVEL_ERROR, msg::MissingSlaveKeyword, "Min_Slave_Intervall");
    if (Count(Kw::Module) == 0)
        holds = Report(LEVEL_ERROR, msg::MissingSlaveKeyword, "Module");
    return holds;
}

int FinalRules::RequireSlaveRevisionKeywords() {
    if (StationKind() != 0)
        return 1;
    int holds = 1;
    if (RevisionInForce() != 0) {
        if (Count(Kw::Max_Diag_Data_Len) == 0)
            holds =
                Report(LEVEL_ERROR, msg::MissingSlaveKeywordForRevision, "Max_Diag_Data_Len", 1);
        if (Count(Kw::Slave_Family) == 0)
            holds = Report(LEVEL_ERROR, msg::MissingSlaveKeywordForRevision, "Slave_Family", 1);
    }
    if (RevisionInForce() >= 5 && Count(Kw::Max_User_Prm_Data_Len) == 0)
        holds =
            Report(LEVEL_ERROR, msg::MissingSlaveKeywordForRevision, "Max_User_Prm_Data_Len", 5);
    return holds;
}

int FinalRules::RequireModularSlaveKeywords() {
    if (StationKind() != 0 || context_.ModularStation() != 1)
        return 1;
    int holds = 1;
    for (const NamedKeyword& row : kModularSlaveKeywords)
        if (Count(row.Keyword) == 0)
            holds = Report(LEVEL_ERROR, msg::MissingModularSlaveKeyword, row.Name);
    return holds;
}

// One message per block kind, however many blocks of that kind are open.
int FinalRules::RequireBlocksClosed() {
    int holds = 1;
    for (const BlockRow& row : kClosedBlocks)
        if (Count(row.End) < Count(row.Begin))
            holds = Report(LEVEL_ERROR, msg::MissingEndOfBlock, row.BeginName, row.EndName);
    return holds;
}

int FinalRules::RequireDpv1ConformanceClass() {
    if (RevisionInForce() < 3 || StationKind() != 1 || KeptValue(Kw::DPV1_Master) != 1 ||
        Count(Kw::DPV1_Conformance_Class) != 0)
        return 1;
    return Report(LEVEL_ERROR, msg::MissingDpv1ConformanceClass);
}

} // namespace kvf
