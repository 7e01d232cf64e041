#include "semantic/SemanticKeywordList.h"

#include "core/AsciiText.h"
#include "core/KeywordTable.h"

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

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

struct Row {
    Kw Id;
    std::string_view Name;
    Pattern Shape;
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

// The semantic keyword list, grouped by pattern in the order of the list.
constexpr Row kList[] = {
    {Kw::KVF_Revision, "KVF_Revision", kTopOnceRev1},
    {Kw::Implementation_Type, "Implementation_Type", kTopOnceRev1},
    {Kw::Bitmap_Device, "Bitmap_Device", kTopOnceRev1},
    {Kw::Bitmap_Diag, "Bitmap_Diag", kTopOnceRev1},
    {Kw::Bitmap_SF, "Bitmap_SF", kTopOnceRev1},

    {Kw::Vendor_Name, "Vendor_Name", kTopOnce},
    {Kw::Model_Name, "Model_Name", kTopOnce},
    {Kw::Revision, "Revision", kTopOnce},
    {Kw::Revision_Number, "Revision_Number", kTopOnce},
    {Kw::Ident_Number, "Ident_Number", kTopOnce},
    {Kw::Protocol_Ident, "Protocol_Ident", kTopOnce},
    {Kw::Station_Type, "Station_Type", kTopOnce},
    {Kw::FMS_supp, "FMS_supp", kTopOnce},
    {Kw::Hardware_Release, "Hardware_Release", kTopOnce},
    {Kw::Software_Release, "Software_Release", kTopOnce},
    {Kw::Supp_9_6, "9.6_supp", kTopOnce},
    {Kw::Supp_19_2, "19.2_supp", kTopOnce},
    {Kw::Supp_93_75, "93.75_supp", kTopOnce},
    {Kw::Supp_187_5, "187.5_supp", kTopOnce},
    {Kw::Supp_500, "500_supp", kTopOnce},
    {Kw::Supp_1_5M, "1.5M_supp", kTopOnce},
    {Kw::Supp_3M, "3M_supp", kTopOnce},
    {Kw::Supp_6M, "6M_supp", kTopOnce},
    {Kw::Supp_12M, "12M_supp", kTopOnce},
    {Kw::MaxTsdr_9_6, "MaxTsdr_9.6", kTopOnce},
    {Kw::MaxTsdr_19_2, "MaxTsdr_19.2", kTopOnce},
    {Kw::MaxTsdr_93_75, "MaxTsdr_93.75", kTopOnce},
    {Kw::MaxTsdr_187_5, "MaxTsdr_187.5", kTopOnce},
    {Kw::MaxTsdr_500, "MaxTsdr_500", kTopOnce},
    {Kw::MaxTsdr_1_5M, "MaxTsdr_1.5M", kTopOnce},
    {Kw::MaxTsdr_3M, "MaxTsdr_3M", kTopOnce},
    {Kw::MaxTsdr_6M, "MaxTsdr_6M", kTopOnce},
    {Kw::MaxTsdr_12M, "MaxTsdr_12M", kTopOnce},
    {Kw::Redundancy, "Redundancy", kTopOnce},
    {Kw::Repeater_Ctrl_Sig, "Repeater_Ctrl_Sig", kTopOnce},
    {Kw::Pins_24V, "24V_Pins", kTopOnce},

    {Kw::Supp_31_25, "31.25_supp", kTopOnceRev2},
    {Kw::Supp_45_45, "45.45_supp", kTopOnceRev2},
    {Kw::MaxTsdr_31_25, "MaxTsdr_31.25", kTopOnceRev2},
    {Kw::MaxTsdr_45_45, "MaxTsdr_45.45", kTopOnceRev2},

    {Kw::Physical_Interface, "Physical_Interface", kInterfaceBegin},
    {Kw::End_Physical_Interface, "End_Physical_Interface", kInterfaceEnd},
    {Kw::Transmission_Delay_9_6, "Transmission_Delay_9.6", kInterfaceDelay},
    {Kw::Transmission_Delay_19_2, "Transmission_Delay_19.2", kInterfaceDelay},
    {Kw::Transmission_Delay_31_25, "Transmission_Delay_31.25", kInterfaceDelay},
    {Kw::Transmission_Delay_45_45, "Transmission_Delay_45.45", kInterfaceDelay},
    {Kw::Transmission_Delay_93_75, "Transmission_Delay_93.75", kInterfaceDelay},
    {Kw::Transmission_Delay_187_5, "Transmission_Delay_187.5", kInterfaceDelay},
    {Kw::Transmission_Delay_500, "Transmission_Delay_500", kInterfaceDelay},
    {Kw::Transmission_Delay_1_5M, "Transmission_Delay_1.5M", kInterfaceDelay},
    {Kw::Transmission_Delay_3M, "Transmission_Delay_3M", kInterfaceDelay},
    {Kw::Transmission_Delay_6M, "Transmission_Delay_6M", kInterfaceDelay},
    {Kw::Transmission_Delay_12M, "Transmission_Delay_12M", kInterfaceDelay},
    {Kw::Reaction_Delay_9_6, "Reaction_Delay_9.6", kInterfaceDelay},
    {Kw::Reaction_Delay_19_2, "Reaction_Delay_19.2", kInterfaceDelay},
    {Kw::Reaction_Delay_31_25, "Reaction_Delay_31.25", kInterfaceDelay},
    {Kw::Reaction_Delay_45_45, "Reaction_Delay_45.45", kInterfaceDelay},
    {Kw::Reaction_Delay_93_75, "Reaction_Delay_93.75", kInterfaceDelay},
    {Kw::Reaction_Delay_187_5, "Reaction_Delay_187.5", kInterfaceDelay},
    {Kw::Reaction_Delay_500, "Reaction_Delay_500", kInterfaceDelay},
    {Kw::Reaction_Delay_1_5M, "Reaction_Delay_1.5M", kInterfaceDelay},
    {Kw::Reaction_Delay_3M, "Reaction_Delay_3M", kInterfaceDelay},
    {Kw::Reaction_Delay_6M, "Reaction_Delay_6M", kInterfaceDelay},
    {Kw::Reaction_Delay_12M, "Reaction_Delay_12M", kInterfaceDelay},

    {Kw::Freeze_Mode_supp, "Freeze_Mode_supp", kSlaveTopOnce},
    {Kw::Sync_Mode_supp, "Sync_Mode_supp", kSlaveTopOnce},
    {Kw::Auto_Baud_supp, "Auto_Baud_supp", kSlaveTopOnce},
    {Kw::Set_Slave_Add_supp, "Set_Slave_Add_supp", kSlaveTopOnce},
    {Kw::User_Prm_Data_Len, "User_Prm_Data_Len", kSlaveTopOnce},
    {Kw::User_Prm_Data, "User_Prm_Data", kSlaveTopOnce},
    {Kw::Min_Slave_Intervall, "Min_Slave_Intervall", kSlaveTopOnce},
    {Kw::Modular_Station, "Modular_Station", kSlaveTopOnce},

    {Kw::Max_Module, "Max_Module", kModularTopOnce},
    {Kw::Max_Input_Len, "Max_Input_Len", kModularTopOnce},
    {Kw::Max_Output_Len, "Max_Output_Len", kModularTopOnce},
    {Kw::Max_Data_Len, "Max_Data_Len", kModularTopOnce},

    {Kw::Unit_Diag_Bit, "Unit_Diag_Bit", kSlaveTop},
    {Kw::UNIT_DIAG_AREA, "UNIT_DIAG_AREA", kSlaveTop},
    {Kw::Module, "Module", kSlaveTop},
    {Kw::UNIT_DIAG_AREA_END, "UNIT_DIAG_AREA_END", kInDiagArea},
    {Kw::VALUE, "VALUE", kInDiagArea},
    {Kw::VALUE_HELP, "VALUE_HELP", kInDiagAreaRev5},
    {Kw::ENDMODULE, "ENDMODULE", kInModule},
    {Kw::Module_Reference, "Module_Reference", kInModuleOnceRev1},
    {Kw::EXT_MODULE_PRM_DATA_LEN, "EXT_MODULE_PRM_DATA_LEN", kInModuleOnceRev1},
    {Kw::Channel_Diag, "Channel_Diag", kTopOrModule},
    {Kw::Channel_Diag_Help, "Channel_Diag_Help", kTopOrModuleRev5},

    {Kw::Data_Area_Beg, "Data_Area_Beg", kInModuleRev5},
    {Kw::Area_Name, "Area_Name", kInDataAreaOnce},
    {Kw::Related_CFG_Identifier, "Related_CFG_Identifier", kInDataAreaOnce},
    {Kw::IO_Direction, "IO_Direction", kInDataAreaOnce},
    {Kw::Length, "Length", kInDataAreaOnce},
    {Kw::Consistency, "Consistency", kInDataAreaOnce},
    {Kw::Publisher_allowed, "Publisher_allowed", kInDataAreaOnce},
    {Kw::DP_Master_allowed, "DP_Master_allowed", kInDataAreaOnce},
    {Kw::Data_Type, "Data_Type", kInDataArea},
    {Kw::Data_Area_End, "Data_Area_End", kInDataArea},

    {Kw::Fail_Safe, "Fail_Safe", kSlaveTopOnceRev1},
    {Kw::Max_Diag_Data_Len, "Max_Diag_Data_Len", kSlaveTopOnceRev1},
    {Kw::Modul_Offset, "Modul_Offset", kSlaveTopOnceRev1},
    {Kw::Slave_Family, "Slave_Family", kSlaveTopOnceRev1},
    {Kw::Max_User_Prm_Data_Len, "Max_User_Prm_Data_Len", kSlaveTopOnceRev1},

    {Kw::Diag_Update_Delay, "Diag_Update_Delay", kSlaveTopOnceRev3},
    {Kw::DPV1_Slave, "DPV1_Slave", kSlaveTopOnceRev3},
    {Kw::C1_Read_Write_supp, "C1_Read_Write_supp", kSlaveTopOnceRev3},
    {Kw::C2_Read_Write_supp, "C2_Read_Write_supp", kSlaveTopOnceRev3},
    {Kw::C1_Max_Data_Len, "C1_Max_Data_Len", kSlaveTopOnceRev3},
    {Kw::C2_Max_Data_Len, "C2_Max_Data_Len", kSlaveTopOnceRev3},
    {Kw::C1_Response_Timeout, "C1_Response_Timeout", kSlaveTopOnceRev3},
    {Kw::C2_Response_Timeout, "C2_Response_Timeout", kSlaveTopOnceRev3},
    {Kw::C2_Max_Count_Channels, "C2_Max_Count_Channels", kSlaveTopOnceRev3},
    {Kw::Max_Initiate_PDU_Length, "Max_Initiate_PDU_Length", kSlaveTopOnceRev3},
    {Kw::Diagnostic_Alarm_supp, "Diagnostic_Alarm_supp", kSlaveTopOnceRev3},
    {Kw::Process_Alarm_supp, "Process_Alarm_supp", kSlaveTopOnceRev3},
    {Kw::Pull_Plug_Alarm_supp, "Pull_Plug_Alarm_supp", kSlaveTopOnceRev3},
    {Kw::Status_Alarm_supp, "Status_Alarm_supp", kSlaveTopOnceRev3},
    {Kw::Update_Alarm_supp, "Update_Alarm_supp", kSlaveTopOnceRev3},
    {Kw::Manufacturer_Specific_Alarm_supp, "Manufacturer_Specific_Alarm_supp", kSlaveTopOnceRev3},
    {Kw::Extra_Alarm_SAP_supp, "Extra_Alarm_SAP_supp", kSlaveTopOnceRev3},
    {Kw::Alarm_Sequence_Mode_Count, "Alarm_Sequence_Mode_Count", kSlaveTopOnceRev3},
    {Kw::Alarm_Type_Mode_supp, "Alarm_Type_Mode_supp", kSlaveTopOnceRev3},
    {Kw::DPV1_Data_Types, "DPV1_Data_Types", kSlaveTopOnceRev3},
    {Kw::WD_Base_1ms_supp, "WD_Base_1ms_supp", kSlaveTopOnceRev3},
    {Kw::Check_Cfg_Mode, "Check_Cfg_Mode", kSlaveTopOnceRev3},
    {Kw::Publisher_supp, "Publisher_supp", kSlaveTopOnceRev3},

    {Kw::SlotDefinition, "SlotDefinition", kModularTopOnceRev3},
    {Kw::EndSlotDefinition, "EndSlotDefinition", kInSlotDefinition},
    {Kw::Slot, "Slot", kInSlotDefinition},

    {Kw::Fail_Safe_required, "Fail_Safe_required", kTopOrModuleOnceRev3},
    {Kw::Info_Text, "Info_Text", kTopOrModuleOnceRev3},
    {Kw::C1_Read_Write_required, "C1_Read_Write_required", kTopOrModuleOnceRev3},
    {Kw::C2_Read_Write_required, "C2_Read_Write_required", kTopOrModuleOnceRev3},
    {Kw::Diagnostic_Alarm_required, "Diagnostic_Alarm_required", kTopOrModuleOnceRev3},
    {Kw::Process_Alarm_required, "Process_Alarm_required", kTopOrModuleOnceRev3},
    {Kw::Pull_Plug_Alarm_required, "Pull_Plug_Alarm_required", kTopOrModuleOnceRev3},
    {Kw::Status_Alarm_required, "Status_Alarm_required", kTopOrModuleOnceRev3},
    {Kw::Update_Alarm_required, "Update_Alarm_required", kTopOrModuleOnceRev3},
    {Kw::Manufacturer_Specific_Alarm_required, "Manufacturer_Specific_Alarm_required",
     kTopOrModuleOnceRev3},

    {Kw::EXT_USER_PRM_DATA_REF, "EXT_USER_PRM_DATA_REF", kTopOrModuleRev1},
    {Kw::EXT_USER_PRM_DATA_CONST, "EXT_USER_PRM_DATA_CONST", kTopOrModuleRev1},
    {Kw::EXTUSERPRMDATA, "EXTUSERPRMDATA", kSlaveTopRev1},
    {Kw::PRMTEXT, "PRMTEXT", kSlaveTopRev1},
    {Kw::ENDEXTUSERPRMDATA, "ENDEXTUSERPRMDATA", kInExtPrm},
    {Kw::PRM_TEXT_REF, "PRM_TEXT_REF", kInExtPrmOnce},
    {Kw::UNSIGNED32, "UNSIGNED32", kInExtPrmDataType},
    {Kw::UNSIGNED16, "UNSIGNED16", kInExtPrmDataType},
    {Kw::UNSIGNED8, "UNSIGNED8", kInExtPrmDataType},
    {Kw::SIGNED32, "SIGNED32", kInExtPrmDataType},
    {Kw::SIGNED16, "SIGNED16", kInExtPrmDataType},
    {Kw::SIGNED8, "SIGNED8", kInExtPrmDataType},
    {Kw::BIT, "BIT", kInExtPrmDataType},
    {Kw::BITAREA, "BITAREA", kInExtPrmDataType},
    {Kw::TEXT, "TEXT", kInPrmText},
    {Kw::ENDPRMTEXT, "ENDPRMTEXT", kInPrmText},

    {Kw::Unit_Diag_Not_Bit, "Unit_Diag_Not_Bit", kSlaveTopRev4},
    {Kw::UnitDiagType, "UnitDiagType", kSlaveTopRev4},
    {Kw::X_Unit_Diag_Bit, "X_Unit_Diag_Bit", kInDiagType},
    {Kw::X_Unit_Diag_Not_Bit, "X_Unit_Diag_Not_Bit", kInDiagType},
    {Kw::X_Unit_Diag_Area, "X_Unit_Diag_Area", kInDiagType},
    {Kw::EndUnitDiagType, "EndUnitDiagType", kInDiagType},
    {Kw::Unit_Diag_Bit_Help, "Unit_Diag_Bit_Help", kSlaveTopRev5},
    {Kw::Unit_Diag_Not_Bit_Help, "Unit_Diag_Not_Bit_Help", kSlaveTopRev5},
    {Kw::Jokerblock_Type, "Jokerblock_Type", kSlaveTopRev5},
    {Kw::X_Unit_Diag_Bit_Help, "X_Unit_Diag_Bit_Help", kInDiagTypeRev5},
    {Kw::X_Unit_Diag_Not_Bit_Help, "X_Unit_Diag_Not_Bit_Help", kInDiagTypeRev5},
    {Kw::X_Value, "X_Value", kInXDiagArea},
    {Kw::X_Unit_Diag_Area_End, "X_Unit_Diag_Area_End", kInXDiagArea},
    {Kw::X_Value_Help, "X_Value_Help", kInXDiagAreaRev5},

    {Kw::X_Ext_Module_Prm_Data_Len, "X_Ext_Module_Prm_Data_Len", kInModuleOnceRev4},
    {Kw::F_Ext_Module_Prm_Data_Len, "F_Ext_Module_Prm_Data_Len", kInModuleOnceRev4},
    {Kw::F_ParamDescCRC, "F_ParamDescCRC", kInModuleOnceRev4},
    {Kw::Subsys_Module_Dir_Index, "Subsys_Module_Dir_Index", kInModuleOnceRev4},
    {Kw::F_Ext_User_Prm_Data_Ref, "F_Ext_User_Prm_Data_Ref", kInModuleRev4},
    {Kw::F_Ext_User_Prm_Data_Const, "F_Ext_User_Prm_Data_Const", kInModuleRev4},
    {Kw::X_Ext_User_Prm_Data_Ref, "X_Ext_User_Prm_Data_Ref", kTopOrModuleRev4},
    {Kw::X_Ext_User_Prm_Data_Const, "X_Ext_User_Prm_Data_Const", kTopOrModuleRev4},
    {Kw::Changeable, "Changeable", kInExtPrmOnceRev4Any},
    {Kw::Visible, "Visible", kInExtPrmOnceRev4},

    {Kw::Prm_Block_Structure_supp, "Prm_Block_Structure_supp", kSlaveTopOnceRev4},
    {Kw::Prm_Block_Structure_req, "Prm_Block_Structure_req", kSlaveTopOnceRev4},
    {Kw::Subscriber_supp, "Subscriber_supp", kSlaveTopOnceRev4},
    {Kw::DXB_Max_Link_Count, "DXB_Max_Link_Count", kSlaveTopOnceRev4},
    {Kw::DXB_Max_Data_Length, "DXB_Max_Data_Length", kSlaveTopOnceRev4},
    {Kw::Isochron_Mode_supp, "Isochron_Mode_supp", kSlaveTopOnceRev4},
    {Kw::Isochron_Mode_required, "Isochron_Mode_required", kSlaveTopOnceRev4},
    {Kw::TBASE_DP, "TBASE_DP", kSlaveTopOnceRev4},
    {Kw::TDP_MIN, "TDP_MIN", kSlaveTopOnceRev4},
    {Kw::TDP_MAX, "TDP_MAX", kSlaveTopOnceRev4},
    {Kw::T_PLL_W_MAX, "T_PLL_W_MAX", kSlaveTopOnceRev4},
    {Kw::TBASE_IO, "TBASE_IO", kSlaveTopOnceRev4},
    {Kw::TI_MIN, "TI_MIN", kSlaveTopOnceRev4},
    {Kw::TO_MIN, "TO_MIN", kSlaveTopOnceRev4},
    {Kw::X_Prm_SAP_supp, "X_Prm_SAP_supp", kSlaveTopOnceRev4},
    {Kw::X_Max_User_Prm_Data_Len, "X_Max_User_Prm_Data_Len", kSlaveTopOnceRev4},
    {Kw::X_Prm_Block_Structure_supp, "X_Prm_Block_Structure_supp", kSlaveTopOnceRev4},
    {Kw::Subsys_Dir_Index, "Subsys_Dir_Index", kSlaveTopOnceRev4},

    {Kw::Jokerblock_supp, "Jokerblock_supp", kSlaveTopOnceRev5},
    {Kw::PrmCmd_supp, "PrmCmd_supp", kSlaveTopOnceRev5},
    {Kw::PrmCmd_req, "PrmCmd_req", kSlaveTopOnceRev5},
    {Kw::Max_Switch_Over_Time, "Max_Switch_Over_Time", kSlaveTopOnceRev5},
    {Kw::Slave_Redundancy_supp, "Slave_Redundancy_supp", kSlaveTopOnceRev5},
    {Kw::Ident_Maintenance_supp, "Ident_Maintenance_supp", kSlaveTopOnceRev5},
    {Kw::Time_Sync_supp, "Time_Sync_supp", kSlaveTopOnceRev5},
    {Kw::DXB_Subscribertable_Block_Location, "DXB_Subscribertable_Block_Location",
     kSlaveTopOnceRev5},
    {Kw::Jokerblock_Slot, "Jokerblock_Slot", kInJokerblockOnce},
    {Kw::Jokerblock_Location, "Jokerblock_Location", kInJokerblockOnce},
    {Kw::End_Jokerblock_Type, "End_Jokerblock_Type", kInJokerblock},

    {Kw::DOWNLOAD_SUPP, "DOWNLOAD_SUPP", kMasterTopOnce},
    {Kw::UPLOAD_SUPP, "UPLOAD_SUPP", kMasterTopOnce},
    {Kw::ACT_PARA_BRCT_SUPP, "ACT_PARA_BRCT_SUPP", kMasterTopOnce},
    {Kw::ACT_PARAM_SUPP, "ACT_PARAM_SUPP", kMasterTopOnce},
    {Kw::MAX_MPS_LENGTH, "MAX_MPS_LENGTH", kMasterTopOnce},
    {Kw::MAX_LSDU_MS, "MAX_LSDU_MS", kMasterTopOnce},
    {Kw::MAX_LSDU_MM, "MAX_LSDU_MM", kMasterTopOnce},
    {Kw::MIN_POLL_TIMEOUT, "MIN_POLL_TIMEOUT", kMasterTopOnce},
    {Kw::LAS_LEN, "LAS_LEN", kMasterTopOnce},
    {Kw::MAX_SLAVES_SUPP, "MAX_SLAVES_SUPP", kMasterTopOnce},
    {Kw::TRDY_9_6, "TRDY_9.6", kMasterTopOnce},
    {Kw::TRDY_19_2, "TRDY_19.2", kMasterTopOnce},
    {Kw::TRDY_93_75, "TRDY_93.75", kMasterTopOnce},
    {Kw::TRDY_187_5, "TRDY_187.5", kMasterTopOnce},
    {Kw::TRDY_500, "TRDY_500", kMasterTopOnce},
    {Kw::TRDY_1_5M, "TRDY_1.5M", kMasterTopOnce},
    {Kw::TRDY_3M, "TRDY_3M", kMasterTopOnce},
    {Kw::TRDY_6M, "TRDY_6M", kMasterTopOnce},
    {Kw::TRDY_12M, "TRDY_12M", kMasterTopOnce},
    {Kw::TQUI_9_6, "TQUI_9.6", kMasterTopOnce},
    {Kw::TQUI_19_2, "TQUI_19.2", kMasterTopOnce},
    {Kw::TQUI_93_75, "TQUI_93.75", kMasterTopOnce},
    {Kw::TQUI_187_5, "TQUI_187.5", kMasterTopOnce},
    {Kw::TQUI_500, "TQUI_500", kMasterTopOnce},
    {Kw::TQUI_1_5M, "TQUI_1.5M", kMasterTopOnce},
    {Kw::TQUI_3M, "TQUI_3M", kMasterTopOnce},
    {Kw::TQUI_6M, "TQUI_6M", kMasterTopOnce},
    {Kw::TQUI_12M, "TQUI_12M", kMasterTopOnce},
    {Kw::TSET_9_6, "TSET_9.6", kMasterTopOnce},
    {Kw::TSET_19_2, "TSET_19.2", kMasterTopOnce},
    {Kw::TSET_93_75, "TSET_93.75", kMasterTopOnce},
    {Kw::TSET_187_5, "TSET_187.5", kMasterTopOnce},
    {Kw::TSET_500, "TSET_500", kMasterTopOnce},
    {Kw::TSET_1_5M, "TSET_1.5M", kMasterTopOnce},
    {Kw::TSET_3M, "TSET_3M", kMasterTopOnce},
    {Kw::TSET_6M, "TSET_6M", kMasterTopOnce},
    {Kw::TSET_12M, "TSET_12M", kMasterTopOnce},
    {Kw::TSDI_9_6, "TSDI_9.6", kMasterTopOnce},
    {Kw::TSDI_19_2, "TSDI_19.2", kMasterTopOnce},
    {Kw::TSDI_93_75, "TSDI_93.75", kMasterTopOnce},
    {Kw::TSDI_187_5, "TSDI_187.5", kMasterTopOnce},
    {Kw::TSDI_500, "TSDI_500", kMasterTopOnce},
    {Kw::TSDI_1_5M, "TSDI_1.5M", kMasterTopOnce},
    {Kw::TSDI_3M, "TSDI_3M", kMasterTopOnce},
    {Kw::TSDI_6M, "TSDI_6M", kMasterTopOnce},
    {Kw::TSDI_12M, "TSDI_12M", kMasterTopOnce},

    {Kw::TRDY_31_25, "TRDY_31.25", kMasterTopOnceRev2},
    {Kw::TRDY_45_45, "TRDY_45.45", kMasterTopOnceRev2},
    {Kw::TQUI_31_25, "TQUI_31.25", kMasterTopOnceRev2},
    {Kw::TQUI_45_45, "TQUI_45.45", kMasterTopOnceRev2},
    {Kw::TSET_31_25, "TSET_31.25", kMasterTopOnceRev2},
    {Kw::TSET_45_45, "TSET_45.45", kMasterTopOnceRev2},
    {Kw::TSDI_31_25, "TSDI_31.25", kMasterTopOnceRev2},
    {Kw::TSDI_45_45, "TSDI_45.45", kMasterTopOnceRev2},

    {Kw::MAX_MASTER_INPUT_LEN, "MAX_MASTER_INPUT_LEN", kMasterTopOnceRev1},
    {Kw::MAX_MASTER_OUTPUT_LEN, "MAX_MASTER_OUTPUT_LEN", kMasterTopOnceRev1},
    {Kw::MAX_MASTER_DATA_LEN, "MAX_MASTER_DATA_LEN", kMasterTopOnceRev1},

    {Kw::Master_Freeze_Mode_supp, "Master_Freeze_Mode_supp", kMasterTopOnceRev3},
    {Kw::Master_Sync_Mode_supp, "Master_Sync_Mode_supp", kMasterTopOnceRev3},
    {Kw::Master_Fail_Safe_supp, "Master_Fail_Safe_supp", kMasterTopOnceRev3},
    {Kw::DPV1_Master, "DPV1_Master", kMasterTopOnceRev3},
    {Kw::DPV1_Conformance_Class, "DPV1_Conformance_Class", kMasterTopOnceRev3},
    {Kw::C1_Master_Read_Write_supp, "C1_Master_Read_Write_supp", kMasterTopOnceRev3},
    {Kw::Master_DPV1_Alarm_supp, "Master_DPV1_Alarm_supp", kMasterTopOnceRev3},
    {Kw::Master_Diagnostic_Alarm_supp, "Master_Diagnostic_Alarm_supp", kMasterTopOnceRev3},
    {Kw::Master_Process_Alarm_supp, "Master_Process_Alarm_supp", kMasterTopOnceRev3},
    {Kw::Master_Pull_Plug_Alarm_supp, "Master_Pull_Plug_Alarm_supp", kMasterTopOnceRev3},
    {Kw::Master_Status_Alarm_supp, "Master_Status_Alarm_supp", kMasterTopOnceRev3},
    {Kw::Master_Update_Alarm_supp, "Master_Update_Alarm_supp", kMasterTopOnceRev3},
    {Kw::Master_Manufacturer_Specific_Alarm_supp, "Master_Manufacturer_Specific_Alarm_supp",
     kMasterTopOnceRev3},
    {Kw::Master_Extra_Alarm_SAP_supp, "Master_Extra_Alarm_SAP_supp", kMasterTopOnceRev3},
    {Kw::Master_Alarm_Sequence_Mode, "Master_Alarm_Sequence_Mode", kMasterTopOnceRev3},
    {Kw::Master_Alarm_Type_Mode_supp, "Master_Alarm_Type_Mode_supp", kMasterTopOnceRev3},

    {Kw::Isochron_Mode_Synchronised, "Isochron_Mode_Synchronised", kMasterTopOnceRev4},
    {Kw::DXB_Master_supp, "DXB_Master_supp", kMasterTopOnceRev4},
    {Kw::X_Master_Prm_SAP_supp, "X_Master_Prm_SAP_supp", kMasterTopOnceRev4},
};

static_assert(std::size(kList) == kKeywordCount, "every keyword has exactly one row");

// Accepted before their multiplicity rule: a repeated line is reported and still accepted.
constexpr Kw kAcceptedBeforeMultiplicity[] = {
    Kw::Revision_Number,
    Kw::Protocol_Ident,
    Kw::FMS_supp,
    Kw::Software_Release,
    Kw::Area_Name,
    Kw::Related_CFG_Identifier,
    Kw::IO_Direction,
    Kw::Length,
    Kw::Consistency,
    Kw::Publisher_allowed,
    Kw::DP_Master_allowed,
    Kw::Jokerblock_Slot,
    Kw::Jokerblock_Location,
};

// Counted and checked, never accepted.
constexpr Kw kNeverAccepted[] = {
    Kw::End_Physical_Interface,
    Kw::Diag_Update_Delay,
    Kw::Info_Text,
    Kw::X_Unit_Diag_Area_End,
    Kw::UnitDiagType,
    Kw::EndUnitDiagType,
    Kw::Changeable,
    Kw::Visible,
    Kw::Time_Sync_supp,
    Kw::EndSlotDefinition,
    Kw::F_ParamDescCRC,
    Kw::Subsys_Dir_Index,
    Kw::Subsys_Module_Dir_Index,
    Kw::Master_Freeze_Mode_supp,
    Kw::Master_Sync_Mode_supp,
    Kw::Master_Fail_Safe_supp,
    Kw::DPV1_Master,
    Kw::Isochron_Mode_Synchronised,
    Kw::DXB_Master_supp,
    Kw::X_Master_Prm_SAP_supp,
};

// Counted only when their value is valid; the seven data area keywords also keep their
// value when their multiplicity rule reported (a repeated line overwrites the earlier one).
constexpr Kw kCountedOnlyWhenValid[] = {
    Kw::Area_Name,           Kw::Related_CFG_Identifier, Kw::IO_Direction,      Kw::Length,
    Kw::Consistency,         Kw::Publisher_allowed,      Kw::DP_Master_allowed, Kw::Jokerblock_Slot,
    Kw::Jokerblock_Location,
};
constexpr Kw kStoredWhenRepeated[] = {
    Kw::Area_Name,   Kw::Related_CFG_Identifier, Kw::IO_Direction,      Kw::Length,
    Kw::Consistency, Kw::Publisher_allowed,      Kw::DP_Master_allowed,
};

// Flags of the collected state: 1 when the value, read as a decimal number, is 1.
constexpr Kw kKeptFlags[] = {
    Kw::Modular_Station,
    Kw::Supp_9_6,
    Kw::Supp_19_2,
    Kw::Supp_31_25,
    Kw::Supp_45_45,
    Kw::Supp_93_75,
    Kw::Supp_187_5,
    Kw::Supp_500,
    Kw::Supp_1_5M,
    Kw::Supp_3M,
    Kw::Supp_6M,
    Kw::Supp_12M,
    Kw::Fail_Safe,
    Kw::DPV1_Master,
    Kw::Master_DPV1_Alarm_supp,
    Kw::DPV1_Slave,
    Kw::C1_Read_Write_supp,
    Kw::C2_Read_Write_supp,
    Kw::Diagnostic_Alarm_supp,
    Kw::Process_Alarm_supp,
    Kw::Pull_Plug_Alarm_supp,
    Kw::Status_Alarm_supp,
    Kw::Update_Alarm_supp,
    Kw::Manufacturer_Specific_Alarm_supp,
    Kw::Alarm_Type_Mode_supp,
    Kw::Jokerblock_supp,
    Kw::PrmCmd_supp,
    Kw::Prm_Block_Structure_supp,
    Kw::X_Prm_Block_Structure_supp,
    Kw::X_Prm_SAP_supp,
    Kw::Isochron_Mode_supp,
};

// Values of the collected state: ValueNumber of value part 0.
constexpr Kw kKeptNumbers[] = {
    Kw::Max_Diag_Data_Len,
    Kw::Max_User_Prm_Data_Len,
    Kw::User_Prm_Data_Len,
    Kw::X_Max_User_Prm_Data_Len,
    Kw::Max_Input_Len,
    Kw::Max_Output_Len,
    Kw::Max_Module,
    Kw::C1_Max_Data_Len,
    Kw::C1_Response_Timeout,
    Kw::C2_Max_Data_Len,
    Kw::C2_Response_Timeout,
    Kw::C2_Max_Count_Channels,
    Kw::Max_Initiate_PDU_Length,
    Kw::DXB_Max_Link_Count,
    Kw::DXB_Max_Data_Length,
    Kw::TBASE_DP,
    Kw::TDP_MIN,
    Kw::TDP_MAX,
    Kw::T_PLL_W_MAX,
    Kw::TBASE_IO,
    Kw::TI_MIN,
    Kw::TO_MIN,
};

// The counters a block begin sets back to 0, so that each block has its own counts. For
// the keywords with two counters the Module begin resets the module counter.
constexpr Kw kInterfaceResets[] = {
    Kw::Transmission_Delay_9_6,   Kw::Transmission_Delay_19_2,  Kw::Transmission_Delay_31_25,
    Kw::Transmission_Delay_45_45, Kw::Transmission_Delay_93_75, Kw::Transmission_Delay_187_5,
    Kw::Transmission_Delay_500,   Kw::Transmission_Delay_1_5M,  Kw::Transmission_Delay_3M,
    Kw::Transmission_Delay_6M,    Kw::Transmission_Delay_12M,   Kw::Reaction_Delay_9_6,
    Kw::Reaction_Delay_19_2,      Kw::Reaction_Delay_31_25,     Kw::Reaction_Delay_45_45,
    Kw::Reaction_Delay_93_75,     Kw::Reaction_Delay_187_5,     Kw::Reaction_Delay_500,
    Kw::Reaction_Delay_1_5M,      Kw::Reaction_Delay_3M,        Kw::Reaction_Delay_6M,
    Kw::Reaction_Delay_12M,
};
constexpr Kw kModuleResets[] = {
    Kw::Module_Reference,
    Kw::EXT_MODULE_PRM_DATA_LEN,
    Kw::Channel_Diag,
    Kw::Channel_Diag_Help,
    Kw::Fail_Safe_required,
    Kw::Info_Text,
    Kw::C1_Read_Write_required,
    Kw::C2_Read_Write_required,
    Kw::Diagnostic_Alarm_required,
    Kw::Process_Alarm_required,
    Kw::Pull_Plug_Alarm_required,
    Kw::Status_Alarm_required,
    Kw::Update_Alarm_required,
    Kw::Manufacturer_Specific_Alarm_required,
    Kw::X_Ext_Module_Prm_Data_Len,
    Kw::F_Ext_Module_Prm_Data_Len,
    Kw::F_ParamDescCRC,
    Kw::Subsys_Module_Dir_Index,
};
constexpr Kw kDiagAreaResets[] = {Kw::VALUE, Kw::VALUE_HELP};
constexpr Kw kXDiagAreaResets[] = {Kw::X_Value, Kw::X_Value_Help};
constexpr Kw kSlotDefinitionResets[] = {Kw::Slot};
constexpr Kw kDataAreaResets[] = {
    Kw::Area_Name,   Kw::Related_CFG_Identifier, Kw::IO_Direction,      Kw::Length,
    Kw::Consistency, Kw::Publisher_allowed,      Kw::DP_Master_allowed, Kw::Data_Type,
};
constexpr Kw kJokerblockResets[] = {Kw::Jokerblock_Slot, Kw::Jokerblock_Location};
// The per-definition counters of the 64302 keywords start from 0 with each definition too.
constexpr Kw kExtUserPrmDataResets[] = {
    Kw::PRM_TEXT_REF, Kw::UNSIGNED32, Kw::UNSIGNED16, Kw::UNSIGNED8,  Kw::SIGNED32, Kw::SIGNED16,
    Kw::SIGNED8,      Kw::BIT,        Kw::BITAREA,    Kw::Changeable, Kw::Visible,
};
constexpr Kw kPrmTextResets[] = {Kw::TEXT};

struct BlockResets {
    Kw Begin;
    std::span<const Kw> Counters;
};

constexpr BlockResets kBlockResets[] = {
    {Kw::Physical_Interface, kInterfaceResets},
    {Kw::Module, kModuleResets},
    {Kw::UNIT_DIAG_AREA, kDiagAreaResets},
    {Kw::X_Unit_Diag_Area, kXDiagAreaResets},
    {Kw::SlotDefinition, kSlotDefinitionResets},
    {Kw::Data_Area_Beg, kDataAreaResets},
    {Kw::Jokerblock_Type, kJokerblockResets},
    {Kw::EXTUSERPRMDATA, kExtUserPrmDataResets},
    {Kw::PRMTEXT, kPrmTextResets},
};

bool Contains(std::span<const Kw> list, Kw kw) {
    for (Kw k : list)
        if (k == kw)
            return true;
    return false;
}

std::array<KeywordInfo, kKeywordCount> BuildInfos() {
    std::array<KeywordInfo, kKeywordCount> infos{};
    for (const Row& row : kList) {
        KeywordInfo info{};
        info.Id = row.Id;
        info.Name = row.Name;
        info.Where = row.Shape.Where;
        info.Inside = row.Shape.Inside;
        info.Rule = row.Shape.Rule;
        info.MinRevision = row.Shape.MinRevision;
        info.Belongs = row.Shape.Belongs;
        info.Accept = Contains(kNeverAccepted, row.Id) ? Acceptance::Never
                      : Contains(kAcceptedBeforeMultiplicity, row.Id)
                          ? Acceptance::BeforeMultiplicity
                          : Acceptance::AfterMultiplicity;
        info.CountOnlyValid = Contains(kCountedOnlyWhenValid, row.Id);
        info.StoreRepeated = Contains(kStoredWhenRepeated, row.Id);
        info.Kept = Contains(kKeptFlags, row.Id)     ? Keep::Flag
                    : Contains(kKeptNumbers, row.Id) ? Keep::Number
                                                     : Keep::Nothing;
        info.ResetBy = Kw::Count_;
        for (const BlockResets& block : kBlockResets)
            if (Contains(block.Counters, row.Id))
                info.ResetBy = block.Begin;
        infos[Index(row.Id)] = info;
    }
    return infos;
}

const std::array<KeywordInfo, kKeywordCount>& Infos() {
    static const std::array<KeywordInfo, kKeywordCount> infos = BuildInfos();
    return infos;
}

// Lookup by the upper-cased key, built once.
// Looked up as written: the map ignores case.
using NameMap = KeywordTable<Kw>;

const NameMap& ByName() {
    static const NameMap map = [] {
        NameMap m;
        for (const Row& row : kList)
            m.Insert(row.Name, row.Id);
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
    return Infos()[Index(kw)];
}

std::optional<Kw> FindSemanticKeyword(std::string_view key) {
    const Kw* found = ByName().Find(key);
    if (!found)
        return std::nullopt;
    return *found;
}

std::span<const Kw> KeywordsResetBy(Kw begin) {
    for (const BlockResets& block : kBlockResets)
        if (block.Begin == begin)
            return block.Counters;
    return {};
}

} // namespace kvf::semantic
