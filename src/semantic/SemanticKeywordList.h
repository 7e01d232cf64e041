#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kvf::semantic {

// Every keyword the semantic checker knows, one id each. The ids index the occurrence
// counters and the kept values. The keywords of one rate group stand together in the
// order of the rate table (9.6k ... 12M), so a rate index is an offset from the group's
// first id.
// clang-format off
enum class Kw : int {
    // Identification and general keywords.
    KVF_Revision, Implementation_Type, Bitmap_Device, Bitmap_Diag, Bitmap_SF, Vendor_Name,
    Model_Name, Revision, Revision_Number, Ident_Number, Protocol_Ident, Station_Type, FMS_supp,
    Hardware_Release, Software_Release, Redundancy, Repeater_Ctrl_Sig, Pins_24V,
    // Rate groups.
    Supp_9_6, Supp_19_2, Supp_31_25, Supp_45_45, Supp_93_75, Supp_187_5, Supp_500, Supp_1_5M,
    Supp_3M, Supp_6M, Supp_12M, MaxTsdr_9_6, MaxTsdr_19_2, MaxTsdr_31_25, MaxTsdr_45_45,
    MaxTsdr_93_75, MaxTsdr_187_5, MaxTsdr_500, MaxTsdr_1_5M, MaxTsdr_3M, MaxTsdr_6M, MaxTsdr_12M,
    // Physical interfaces.
    Physical_Interface, End_Physical_Interface, Transmission_Delay_9_6, Transmission_Delay_19_2,
    Transmission_Delay_31_25, Transmission_Delay_45_45, Transmission_Delay_93_75,
    Transmission_Delay_187_5, Transmission_Delay_500, Transmission_Delay_1_5M,
    Transmission_Delay_3M, Transmission_Delay_6M, Transmission_Delay_12M, Reaction_Delay_9_6,
    Reaction_Delay_19_2, Reaction_Delay_31_25, Reaction_Delay_45_45, Reaction_Delay_93_75,
    Reaction_Delay_187_5, Reaction_Delay_500, Reaction_Delay_1_5M, Reaction_Delay_3M,
    Reaction_Delay_6M, Reaction_Delay_12M,
    // Slave keywords.
    Freeze_Mode_supp, Sync_Mode_supp, Auto_Baud_supp, Set_Slave_Add_supp, User_Prm_Data_Len,
    User_Prm_Data, Min_Slave_Intervall, Modular_Station, Max_Module, Max_Input_Len, Max_Output_Len,
    Max_Data_Len, Unit_Diag_Bit, UNIT_DIAG_AREA, Module, UNIT_DIAG_AREA_END, VALUE, VALUE_HELP,
    ENDMODULE, Module_Reference, EXT_MODULE_PRM_DATA_LEN, Channel_Diag, Channel_Diag_Help,
    // Data areas.
    Data_Area_Beg, Area_Name, Related_CFG_Identifier, IO_Direction, Length, Consistency,
    Publisher_allowed, DP_Master_allowed, Data_Type, Data_Area_End,
    // Slave keywords from revision 1 and 3.
    Fail_Safe, Max_Diag_Data_Len, Modul_Offset, Slave_Family, Max_User_Prm_Data_Len,
    Diag_Update_Delay, DPV1_Slave, C1_Read_Write_supp, C2_Read_Write_supp, C1_Max_Data_Len,
    C2_Max_Data_Len, C1_Response_Timeout, C2_Response_Timeout, C2_Max_Count_Channels,
    Max_Initiate_PDU_Length, Diagnostic_Alarm_supp, Process_Alarm_supp, Pull_Plug_Alarm_supp,
    Status_Alarm_supp, Update_Alarm_supp, Manufacturer_Specific_Alarm_supp, Extra_Alarm_SAP_supp,
    Alarm_Sequence_Mode_Count, Alarm_Type_Mode_supp, DPV1_Data_Types, WD_Base_1ms_supp,
    Check_Cfg_Mode, Publisher_supp, SlotDefinition, EndSlotDefinition, Slot, Fail_Safe_required,
    Info_Text, C1_Read_Write_required, C2_Read_Write_required, Diagnostic_Alarm_required,
    Process_Alarm_required, Pull_Plug_Alarm_required, Status_Alarm_required, Update_Alarm_required,
    Manufacturer_Specific_Alarm_required,
    // User parameters.
    EXT_USER_PRM_DATA_REF, EXT_USER_PRM_DATA_CONST, EXTUSERPRMDATA, PRMTEXT, ENDEXTUSERPRMDATA,
    PRM_TEXT_REF, UNSIGNED32, UNSIGNED16, UNSIGNED8, SIGNED32, SIGNED16, SIGNED8, BIT, BITAREA,
    TEXT, ENDPRMTEXT,
    // Extended diagnosis.
    Unit_Diag_Not_Bit, UnitDiagType, X_Unit_Diag_Bit, X_Unit_Diag_Not_Bit, X_Unit_Diag_Area,
    EndUnitDiagType, Unit_Diag_Bit_Help, Unit_Diag_Not_Bit_Help, Jokerblock_Type,
    X_Unit_Diag_Bit_Help, X_Unit_Diag_Not_Bit_Help, X_Value, X_Unit_Diag_Area_End, X_Value_Help,
    // Revision 4 and 5 slave keywords.
    X_Ext_Module_Prm_Data_Len, F_Ext_Module_Prm_Data_Len, F_ParamDescCRC, Subsys_Module_Dir_Index,
    F_Ext_User_Prm_Data_Ref, F_Ext_User_Prm_Data_Const, X_Ext_User_Prm_Data_Ref,
    X_Ext_User_Prm_Data_Const, Changeable, Visible, Prm_Block_Structure_supp,
    Prm_Block_Structure_req, Subscriber_supp, DXB_Max_Link_Count, DXB_Max_Data_Length,
    Isochron_Mode_supp, Isochron_Mode_required, TBASE_DP, TDP_MIN, TDP_MAX, T_PLL_W_MAX, TBASE_IO,
    TI_MIN, TO_MIN, X_Prm_SAP_supp, X_Max_User_Prm_Data_Len, X_Prm_Block_Structure_supp,
    Subsys_Dir_Index, Jokerblock_supp, PrmCmd_supp, PrmCmd_req, Max_Switch_Over_Time,
    Slave_Redundancy_supp, Ident_Maintenance_supp, Time_Sync_supp,
    DXB_Subscribertable_Block_Location, Jokerblock_Slot, Jokerblock_Location, End_Jokerblock_Type,
    // Master keywords.
    DOWNLOAD_SUPP, UPLOAD_SUPP, ACT_PARA_BRCT_SUPP, ACT_PARAM_SUPP, MAX_MPS_LENGTH, MAX_LSDU_MS,
    MAX_LSDU_MM, MIN_POLL_TIMEOUT, LAS_LEN, MAX_SLAVES_SUPP, TRDY_9_6, TRDY_19_2, TRDY_31_25,
    TRDY_45_45, TRDY_93_75, TRDY_187_5, TRDY_500, TRDY_1_5M, TRDY_3M, TRDY_6M, TRDY_12M, TQUI_9_6,
    TQUI_19_2, TQUI_31_25, TQUI_45_45, TQUI_93_75, TQUI_187_5, TQUI_500, TQUI_1_5M, TQUI_3M,
    TQUI_6M, TQUI_12M, TSET_9_6, TSET_19_2, TSET_31_25, TSET_45_45, TSET_93_75, TSET_187_5,
    TSET_500, TSET_1_5M, TSET_3M, TSET_6M, TSET_12M, TSDI_9_6, TSDI_19_2, TSDI_31_25, TSDI_45_45,
    TSDI_93_75, TSDI_187_5, TSDI_500, TSDI_1_5M, TSDI_3M, TSDI_6M, TSDI_12M, MAX_MASTER_INPUT_LEN,
    MAX_MASTER_OUTPUT_LEN, MAX_MASTER_DATA_LEN, Master_Freeze_Mode_supp, Master_Sync_Mode_supp,
    Master_Fail_Safe_supp, DPV1_Master, DPV1_Conformance_Class, C1_Master_Read_Write_supp,
    Master_DPV1_Alarm_supp, Master_Diagnostic_Alarm_supp, Master_Process_Alarm_supp,
    Master_Pull_Plug_Alarm_supp, Master_Status_Alarm_supp, Master_Update_Alarm_supp,
    Master_Manufacturer_Specific_Alarm_supp, Master_Extra_Alarm_SAP_supp,
    Master_Alarm_Sequence_Mode, Master_Alarm_Type_Mode_supp, Isochron_Mode_Synchronised,
    DXB_Master_supp, X_Master_Prm_SAP_supp,

    Count_ // number of keywords; not a keyword
};
// clang-format on

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
