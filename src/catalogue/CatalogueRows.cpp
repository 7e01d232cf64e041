// The rows of the keyword catalogue, in table order: for each row its tree group, entry
// type, block flag, input form, value rule, captions and block partner, and for each of its
// keywords the help id, glossary topic, range text, type word, number widths and maximum
// string length. The lookup in KeywordCatalogue.cpp walks these arrays once to build its
// index.

#include "catalogue/CatalogueRows.h"

#include "core/CDbEntry.h"

namespace kvf::detail {
namespace {

// Keyword builders for the common shapes. Structured values are written out in full as
// {name, help, topic, range text, type word, width, width 2, maximum length}; a width the
// keyword's rule does not read stays empty.

constexpr CatalogueKeyword Bool(std::string_view name, int help, std::string_view topic,
                                int ownCaption = 0) {
    return {name, help, topic, "", "Boolean", kBooleanDigit, {}, 0, ownCaption};
}

// A number of `width`, with its range text and the type word of the format message.
constexpr CatalogueKeyword Number(std::string_view name, int help, std::string_view topic,
                                  NumberWidth width, std::string_view range = "",
                                  std::string_view typeWord = "Number") {
    return {name, help, topic, range, typeWord, width, {}, 0};
}

// A quoted string of at most `maxLength` characters.
constexpr CatalogueKeyword Text(std::string_view name, int help, std::string_view topic,
                                int maxLength) {
    return {name, help, topic, "", "", {}, {}, maxLength};
}

// A block keyword that stands alone on its line.
constexpr CatalogueKeyword Bare(std::string_view name, int help, std::string_view topic) {
    return {name, help, topic, "", "", {}, {}, 0};
}

constexpr CatalogueKeyword kKVF_Revision[] = {
    Number("KVF_Revision", 12001, "glossary_keys_general.htm#KVF_Revision", kUnsigned8),
};

constexpr CatalogueKeyword kVendor_Name[] = {
    Text("Vendor_Name", 12002, "glossary_keys_general.htm#Vendor_Name", 32),
};

constexpr CatalogueKeyword kModel_Name[] = {
    Text("Model_Name", 12003, "glossary_keys_general.htm#Model_Name", 32),
};

constexpr CatalogueKeyword kRevision[] = {
    Text("Revision", 12004, "glossary_keys_general.htm#Revision", 32),
};

constexpr CatalogueKeyword kRevision_Number[] = {
    Number("Revision_Number", 12005, "glossary_keys_general.htm#Revision_Number", kUnsigned8,
           "Unsigned8: 0..63"),
};

constexpr CatalogueKeyword kIdent_Number[] = {
    Number("Ident_Number", 12006, "glossary_keys_general.htm#Ident_Number", kUnsigned16),
};

constexpr CatalogueKeyword kProtocol_Ident[] = {
    Number("Protocol_Ident", 12007, "glossary_keys_general.htm#Protocol_Ident", kUnsigned8,
           "Unsigned8: 0|(16..255)"),
};

constexpr CatalogueKeyword kStation_Type[] = {
    Number("Station_Type", 12008, "glossary_keys_general.htm#Station_Type", kUnsigned8,
           "Unsigned8: 0|1"),
};

constexpr CatalogueKeyword kFMS_supp[] = {
    Bool("FMS_supp", 12009, "glossary_keys_general.htm#FMS_supp"),
};

constexpr CatalogueKeyword kHardware_Release[] = {
    Text("Hardware_Release", 12010, "glossary_keys_general.htm#Hardware_Release", 32),
};

constexpr CatalogueKeyword kSoftware_Release[] = {
    Text("Software_Release", 12011, "glossary_keys_general.htm#Software_Release", 32),
};

constexpr CatalogueKeyword k9_6_supp[] = {
    Bool("9.6_supp", 12020, "glossary_keys_general.htm#9.6_supp"),
};

constexpr CatalogueKeyword k19_2_supp[] = {
    Bool("19.2_supp", 12021, "glossary_keys_general.htm#19.2_supp"),
};

constexpr CatalogueKeyword k31_25_supp[] = {
    Bool("31.25_supp", 12022, "glossary_keys_general.htm#31.25_supp"),
};

constexpr CatalogueKeyword k45_45_supp[] = {
    Bool("45.45_supp", 12023, "glossary_keys_general.htm#45.45_supp"),
};

constexpr CatalogueKeyword k93_75_supp[] = {
    Bool("93.75_supp", 12024, "glossary_keys_general.htm#93.75_supp"),
};

constexpr CatalogueKeyword k187_5_supp[] = {
    Bool("187.5_supp", 12025, "glossary_keys_general.htm#187.5_supp"),
};

constexpr CatalogueKeyword k500_supp[] = {
    Bool("500_supp", 12026, "glossary_keys_general.htm#500_supp"),
};

constexpr CatalogueKeyword k1_5M_supp[] = {
    Bool("1.5M_supp", 12027, "glossary_keys_general.htm#1.5M_supp"),
};

constexpr CatalogueKeyword k3M_supp[] = {
    Bool("3M_supp", 12028, "glossary_keys_general.htm#3M_supp"),
};

constexpr CatalogueKeyword k6M_supp[] = {
    Bool("6M_supp", 12029, "glossary_keys_general.htm#6M_supp"),
};

constexpr CatalogueKeyword k12M_supp[] = {
    Bool("12M_supp", 12030, "glossary_keys_general.htm#12M_supp"),
};

constexpr CatalogueKeyword kMaxTsdr_9_6[] = {
    Number("MaxTsdr_9.6", 12040, "glossary_keys_master.htm#MaxTsdr_9.6", kUnsigned16,
           "USHORT: 1..65535"),
    Number("MaxTsdr_19.2", 12040, "glossary_keys_master.htm#MaxTsdr_19.2", kUnsigned16,
           "USHORT: 1..65535"),
    Number("MaxTsdr_31.25", 12040, "glossary_keys_master.htm#MaxTsdr_31.25", kUnsigned16,
           "USHORT: 1..65535"),
    Number("MaxTsdr_45.45", 12040, "glossary_keys_master.htm#MaxTsdr_45.45", kUnsigned16,
           "USHORT: 1..65535"),
    Number("MaxTsdr_93.75", 12040, "glossary_keys_master.htm#MaxTsdr_93.75", kUnsigned16,
           "USHORT: 1..65535"),
    Number("MaxTsdr_187.5", 12040, "glossary_keys_master.htm#MaxTsdr_187.5", kUnsigned16,
           "USHORT: 1..65535"),
    Number("MaxTsdr_500", 12040, "glossary_keys_master.htm#MaxTsdr_500", kUnsigned16,
           "USHORT: 1..65535"),
    Number("MaxTsdr_1.5M", 12040, "glossary_keys_master.htm#MaxTsdr_1.5M", kUnsigned16,
           "USHORT: 1..65535"),
    Number("MaxTsdr_3M", 12040, "glossary_keys_master.htm#MaxTsdr_3M", kUnsigned16,
           "USHORT: 1..65535"),
    Number("MaxTsdr_6M", 12040, "glossary_keys_master.htm#MaxTsdr_6M", kUnsigned16,
           "USHORT: 1..65535"),
    Number("MaxTsdr_12M", 12040, "glossary_keys_master.htm#MaxTsdr_12M", kUnsigned16,
           "USHORT: 1..65535"),
};

constexpr CatalogueKeyword kRedundancy[] = {
    Bool("Redundancy", 12060, "glossary_keys_general.htm#Redundancy"),
};

constexpr CatalogueKeyword kRepeater_Ctrl_Sig[] = {
    Number("Repeater_Ctrl_Sig", 12061, "glossary_keys_general.htm#Repeater_Ctrl_Sig", kUnsigned8,
           "Unsigned8: 0..2"),
};

constexpr CatalogueKeyword k24V_Pins[] = {
    Number("24V_Pins", 12062, "glossary_keys_general.htm#24V_Pins", kUnsigned8, "Unsigned8: 0..2"),
};

constexpr CatalogueKeyword kImplementation_Type[] = {
    Text("Implementation_Type", 12063, "glossary_keys_general.htm#Implementation_Type", 32),
};

constexpr CatalogueKeyword kBitmap_Device[] = {
    Text("Bitmap_Device", 12064, "glossary_keys_general.htm#Bitmap_Device", 8),
};

constexpr CatalogueKeyword kBitmap_Diag[] = {
    Text("Bitmap_Diag", 12065, "glossary_keys_general.htm#Bitmap_Diag", 8),
};

constexpr CatalogueKeyword kBitmap_SF[] = {
    Text("Bitmap_SF", 12066, "glossary_keys_general.htm#Bitmap_SF", 8),
};

constexpr CatalogueKeyword kPhysical_Interface[] = {
    Number("Physical_Interface", 13001, "glossary_keys_general_pi.htm#Physical_Interface",
           kUnsigned8, "UNSIGNED8: 0..4, 128-255"),
};

constexpr CatalogueKeyword kEnd_Physical_Interface[] = {
    Bare("End_Physical_Interface", 13002, "glossary_keys_general_pi.htm#End_Physical_Interface"),
};

constexpr CatalogueKeyword kTransmission_Delay_9_6[] = {
    Number("Transmission_Delay_9.6", 13010, "glossary_keys_general_pi.htm#Transmission_Delay_9.6",
           kUnsigned16),
    Number("Transmission_Delay_19.2", 13010, "glossary_keys_general_pi.htm#Transmission_Delay_19.2",
           kUnsigned16),
    Number("Transmission_Delay_31.25", 13010,
           "glossary_keys_general_pi.htm#Transmission_Delay_31.25", kUnsigned16),
    Number("Transmission_Delay_45.45", 13010,
           "glossary_keys_general_pi.htm#Transmission_Delay_45.45", kUnsigned16),
    Number("Transmission_Delay_93.75", 13010,
           "glossary_keys_general_pi.htm#Transmission_Delay_93.75", kUnsigned16),
    Number("Transmission_Delay_187.5", 13010,
           "glossary_keys_general_pi.htm#Transmission_Delay_187.5", kUnsigned16),
    Number("Transmission_Delay_500", 13010, "glossary_keys_general_pi.htm#Transmission_Delay_500",
           kUnsigned16),
    Number("Transmission_Delay_1.5M", 13010, "glossary_keys_general_pi.htm#Transmission_Delay_1.5M",
           kUnsigned16),
    Number("Transmission_Delay_3M", 13010, "glossary_keys_general_pi.htm#Transmission_Delay_3M",
           kUnsigned16),
    Number("Transmission_Delay_6M", 13010, "glossary_keys_general_pi.htm#Transmission_Delay_6M",
           kUnsigned16),
    Number("Transmission_Delay_12M", 13010, "glossary_keys_general_pi.htm#Transmission_Delay_12M",
           kUnsigned16),
};

constexpr CatalogueKeyword kReaction_Delay_9_6[] = {
    Number("Reaction_Delay_9.6", 13020, "glossary_keys_general_pi.htm#Reaction_Delay_9.6",
           kUnsigned16),
    Number("Reaction_Delay_19.2", 13020, "glossary_keys_general_pi.htm#Reaction_Delay_19.2",
           kUnsigned16),
    Number("Reaction_Delay_31.25", 13020, "glossary_keys_general_pi.htm#Reaction_Delay_31.25",
           kUnsigned16),
    Number("Reaction_Delay_45.45", 13020, "glossary_keys_general_pi.htm#Reaction_Delay_45.45",
           kUnsigned16),
    Number("Reaction_Delay_93.75", 13020, "glossary_keys_general_pi.htm#Reaction_Delay_93.75",
           kUnsigned16),
    Number("Reaction_Delay_187.5", 13020, "glossary_keys_general_pi.htm#Reaction_Delay_187.5",
           kUnsigned16),
    Number("Reaction_Delay_500", 13020, "glossary_keys_general_pi.htm#Reaction_Delay_500",
           kUnsigned16),
    Number("Reaction_Delay_1.5M", 13020, "glossary_keys_general_pi.htm#Reaction_Delay_1.5M",
           kUnsigned16),
    Number("Reaction_Delay_3M", 13020, "glossary_keys_general_pi.htm#Reaction_Delay_3M",
           kUnsigned16),
    Number("Reaction_Delay_6M", 13020, "glossary_keys_general_pi.htm#Reaction_Delay_6M",
           kUnsigned16),
    Number("Reaction_Delay_12M", 13020, "glossary_keys_general_pi.htm#Reaction_Delay_12M",
           kUnsigned16),
};

constexpr CatalogueKeyword kFreeze_Mode_supp[] = {
    Bool("Freeze_Mode_supp", 16001, "glossary_keys_slave.htm#Freeze_Mode_supp"),
};

constexpr CatalogueKeyword kSync_Mode_supp[] = {
    Bool("Sync_Mode_supp", 16002, "glossary_keys_slave.htm#Sync_Mode_supp"),
};

constexpr CatalogueKeyword kAuto_Baud_supp[] = {
    Bool("Auto_Baud_supp", 16003, "glossary_keys_slave.htm#Auto_Baud_supp"),
};

constexpr CatalogueKeyword kSet_Slave_Add_supp[] = {
    Bool("Set_Slave_Add_supp", 16004, "glossary_keys_slave.htm#Set_Slave_Add_supp"),
};

constexpr CatalogueKeyword kUser_Prm_Data_Len[] = {
    Number("User_Prm_Data_Len", 16005, "glossary_keys_slave.htm#User_Prm_Data_Len", kUnsigned8,
           "Unsigned8: 0..237"),
};

constexpr CatalogueKeyword kUser_Prm_Data[] = {
    {"User_Prm_Data", 16006, "glossary_keys_slave.htm#User_Prm_Data", "", "", kUnsigned8, {}, 0},
};

constexpr CatalogueKeyword kMin_Slave_Intervall[] = {
    Number("Min_Slave_Intervall", 16007, "glossary_keys_slave.htm#Min_Slave_Intervall", kUnsigned16,
           "USHORT: 1..65535"),
};

constexpr CatalogueKeyword kModular_Station[] = {
    Bool("Modular_Station", 16008, "glossary_keys_slave.htm#Modular_Station"),
};

constexpr CatalogueKeyword kMax_Module[] = {
    Number("Max_Module", 16009, "glossary_keys_slave.htm#Max_Module", kUnsigned8,
           "Unsigned8: 1..244"),
};

constexpr CatalogueKeyword kMax_Input_Len[] = {
    Number("Max_Input_Len", 16010, "glossary_keys_slave.htm#Max_Input_Len", kUnsigned8,
           "Unsigned8: 0..244"),
};

constexpr CatalogueKeyword kMax_Output_Len[] = {
    Number("Max_Output_Len", 16011, "glossary_keys_slave.htm#Max_Output_Len", kUnsigned8,
           "Unsigned8: 0..244"),
};

constexpr CatalogueKeyword kMax_Data_Len[] = {
    Number("Max_Data_Len", 16012, "glossary_keys_slave.htm#Max_Data_Len", kUnsigned16,
           "USHORT: 0..488"),
};

constexpr CatalogueKeyword kUnit_Diag_Bit[] = {
    {"Unit_Diag_Bit",
     16013,
     "glossary_keys_slave.htm#Unit_Diag_Bit",
     "USHORT: 0..495",
     "Number",
     kUnsigned16,
     {},
     32},
};

constexpr CatalogueKeyword kX_Unit_Diag_Bit[] = {
    {"X_Unit_Diag_Bit",
     16013,
     "glossary_keys_slave.htm#X_Unit_Diag_Bit",
     "USHORT: 24..495",
     "Number",
     kUnsigned16,
     {},
     32},
};

constexpr CatalogueKeyword kUnit_Diag_Not_Bit[] = {
    {"Unit_Diag_Not_Bit",
     16013,
     "glossary_keys_slave.htm#Unit_Diag_Not_Bit",
     "USHORT: 0..495",
     "Number",
     kUnsigned16,
     {},
     32},
};

constexpr CatalogueKeyword kX_Unit_Diag_Not_Bit[] = {
    {"X_Unit_Diag_Not_Bit",
     16013,
     "glossary_keys_slave.htm#X_Unit_Diag_Not_Bit",
     "USHORT: 24..495",
     "Number",
     kUnsigned16,
     {},
     32},
};

constexpr CatalogueKeyword kUnit_Diag_Bit_Help[] = {
    {"Unit_Diag_Bit_Help",
     18501,
     "glossary_keys_slave.htm#Unit_Diag_Bit_Help",
     "USHORT: 0..495",
     "Number",
     kUnsigned16,
     {},
     256},
};

constexpr CatalogueKeyword kX_Unit_Diag_Bit_Help[] = {
    {"X_Unit_Diag_Bit_Help",
     18501,
     "glossary_keys_slave.htm#X_Unit_Diag_Bit_Help",
     "USHORT: 24..495",
     "Number",
     kUnsigned16,
     {},
     256},
};

constexpr CatalogueKeyword kUnit_Diag_Not_Bit_Help[] = {
    {"Unit_Diag_Not_Bit_Help",
     18501,
     "glossary_keys_slave.htm#Unit_Diag_Not_Bit_Help",
     "USHORT: 0..495",
     "Number",
     kUnsigned16,
     {},
     256},
};

constexpr CatalogueKeyword kX_Unit_Diag_Not_Bit_Help[] = {
    {"X_Unit_Diag_Not_Bit_Help",
     18501,
     "glossary_keys_slave.htm#X_Unit_Diag_Not_Bit_Help",
     "USHORT: 24..495",
     "Number",
     kUnsigned16,
     {},
     256},
};

constexpr CatalogueKeyword kUNIT_DIAG_AREA[] = {
    {"UNIT_DIAG_AREA",
     16020,
     "glossary_keys_slave.htm#Unit_Diag_Area",
     "USHORT: 0..495",
     "Number",
     kUnsigned16,
     {},
     0},
};

constexpr CatalogueKeyword kUNIT_DIAG_AREA_END[] = {
    Bare("UNIT_DIAG_AREA_END", 16021, "glossary_keys_slave.htm#Unit_Diag_Area_End"),
};

constexpr CatalogueKeyword kX_UNIT_DIAG_AREA[] = {
    {"X_UNIT_DIAG_AREA",
     16020,
     "glossary_keys_slave.htm#X_Unit_Diag_Area",
     "USHORT: 24..495",
     "Number",
     kUnsigned16,
     {},
     0},
};

constexpr CatalogueKeyword kX_UNIT_DIAG_AREA_END[] = {
    Bare("X_UNIT_DIAG_AREA_END", 16021, "glossary_keys_slave.htm#X_Unit_Diag_Area_End"),
};

constexpr CatalogueKeyword kVALUE[] = {
    {"VALUE", 16024, "glossary_keys_slave.htm#Value", "", "Number", kUnsigned16, {}, 32},
};

constexpr CatalogueKeyword kX_VALUE[] = {
    {"X_VALUE", 16024, "glossary_keys_slave.htm#X_Value", "", "Number", kUnsigned16, {}, 32},
};

constexpr CatalogueKeyword kValue_Help[] = {
    {"Value_Help", 18503, "glossary_keys_slave.htm#Value_Help", "", "Number", kUnsigned16, {}, 256},
};

constexpr CatalogueKeyword kX_Value_Help[] = {
    {"X_Value_Help",
     18503,
     "glossary_keys_slave.htm#X_Value_Help",
     "",
     "Number",
     kUnsigned16,
     {},
     256},
};

constexpr CatalogueKeyword kUnitDiagType[] = {
    Number("UnitDiagType", 16063, "glossary_keys_slave.htm#UnitDiagType", kUnsigned8),
};

constexpr CatalogueKeyword kEndUnitDiagType[] = {
    Bare("EndUnitDiagType", 18313, "glossary_keys_slave.htm#EndUnitDiagType"),
};

constexpr CatalogueKeyword kModule[] = {
    {"Module", 45, "glossary_keys_slave.htm#Module", "", "", {}, kUnsigned8, 32},
};

constexpr CatalogueKeyword kENDMODULE[] = {
    Bare("ENDMODULE", 16031, "glossary_keys_slave.htm#EndModule"),
};

constexpr CatalogueKeyword kModule_Reference[] = {
    {"Module_Reference",
     16034,
     "glossary_keys_slave.htm#Module_Reference",
     "",
     "Unsigned16",
     kUnsigned16,
     {},
     0},
};

constexpr CatalogueKeyword kEXT_MODULE_PRM_DATA_LEN[] = {
    Number("EXT_MODULE_PRM_DATA_LEN", 16035, "glossary_keys_slave.htm#Ext_Module_Prm_Data_Len",
           kUnsigned8, "UNSIGNED8: 0..244"),
};

constexpr CatalogueKeyword kX_EXT_MODULE_PRM_DATA_LEN[] = {
    Number("X_EXT_MODULE_PRM_DATA_LEN", 18321, "glossary_keys_slave.htm#X_Ext_Module_Prm_Data_Len",
           kUnsigned8, "UNSIGNED8: 0..244"),
};

constexpr CatalogueKeyword kF_EXT_MODULE_PRM_DATA_LEN[] = {
    Number("F_EXT_MODULE_PRM_DATA_LEN", 18322, "glossary_keys_slave.htm#F_Ext_Module_Prm_Data_Len",
           kUnsigned8, "UNSIGNED8: 0..237"),
};

constexpr CatalogueKeyword kChannel_Diag[] = {
    {"Channel_Diag",
     16040,
     "glossary_keys_slave.htm#Channel_Diag",
     "Unsigned8: 16..31)",
     "Number",
     kUnsigned8,
     {},
     32},
    {"Channel_Diag_Help",
     18514,
     "glossary_keys_slave.htm#Channel_Diag_Help",
     "Unsigned8: 16..31)",
     "Number",
     kUnsigned8,
     {},
     256},
};

constexpr CatalogueKeyword kData_Area_Beg[] = {
    Bare("Data_Area_Beg", 18504, "glossary_keys_slave.htm#Data_Area"),
};

constexpr CatalogueKeyword kData_Area_End[] = {
    Bare("Data_Area_End", 18505, "glossary_keys_slave.htm#Data_Area"),
};

constexpr CatalogueKeyword kArea_Name[] = {
    Text("Area_Name", 18506, "glossary_keys_slave.htm#Area_Name", 32),
};

constexpr CatalogueKeyword kRelated_CFG_Identifier[] = {
    Number("Related_CFG_Identifier", 18507, "glossary_keys_slave.htm#Related_CFG_Identifier",
           kUnsigned8, "Unsigned8: 1..244"),
    Number("Length", 18509, "glossary_keys_slave.htm#Length", kUnsigned8, "Unsigned8: 1..244"),
};

constexpr CatalogueKeyword kIO_Direction[] = {
    Bool("IO_Direction", 18508, "glossary_keys_slave.htm#IO_Direction"),
};

constexpr CatalogueKeyword kConsistency[] = {
    Bool("Consistency", 18510, "glossary_keys_slave.htm#Consistency"),
    Bool("Publisher_allowed", 18511, "glossary_keys_slave.htm#Publisher_allowed"),
    Bool("DP_Master_allowed", 18512, "glossary_keys_slave.htm#DP_Master_allowed"),
};

constexpr CatalogueKeyword kData_Type[] = {
    Number("Data_Type", 18513, "glossary_keys_slave.htm#Data_Type", kUnsigned8,
           "Unsigned8: 1..127"),
};

constexpr CatalogueKeyword kFail_Safe[] = {
    Bool("Fail_Safe", 16041, "glossary_keys_slave.htm#Fail_Safe"),
};

constexpr CatalogueKeyword kMax_Diag_Data_Len[] = {
    Number("Max_Diag_Data_Len", 16042, "glossary_keys_slave.htm#Max_Diag_Data_Len", kUnsigned8,
           "Unsigned8: 6|(8..244)"),
};

constexpr CatalogueKeyword kModul_Offset[] = {
    Number("Modul_Offset", 16043, "glossary_keys_slave.htm#Modul_Offset", kUnsigned8),
};

constexpr CatalogueKeyword kSlave_Family[] = {
    {"Slave_Family",
     16044,
     "glossary_keys_slave.htm#Slave_Family",
     "",
     "Unsigned8",
     kUnsigned8,
     {},
     0},
};

constexpr CatalogueKeyword kDiag_Update_Delay[] = {
    Number("Diag_Update_Delay", 16050, "glossary_keys_slave.htm#Diag_Update_Delay", kUnsigned8),
};

constexpr CatalogueKeyword kFail_Safe_required[] = {
    Bool("Fail_Safe_required", 16051, "glossary_keys_slave.htm#Fail_Safe_required"),
};

constexpr CatalogueKeyword kInfo_Text[] = {
    Text("Info_Text", 16052, "glossary_keys_slave.htm#Info_Text", 256),
};

constexpr CatalogueKeyword kMax_User_Prm_Data_Len[] = {
    Number("Max_User_Prm_Data_Len", 16053, "glossary_keys_slave.htm#Max_User_Prm_Data_Len",
           kUnsigned8, "Unsigned8: 0..237"),
};

constexpr CatalogueKeyword kEXT_USER_PRM_DATA_REF[] = {
    {"EXT_USER_PRM_DATA_REF", 16054, "glossary_keys_slave.htm#Ext_User_Prm_Data_Ref", "", "Number",
     kUnsigned8, kUnsigned16, 0},
};

constexpr CatalogueKeyword kEXT_USER_PRM_DATA_CONST[] = {
    {"EXT_USER_PRM_DATA_CONST",
     16055,
     "glossary_keys_slave.htm#Ext_User_Prm_Data_Const",
     "",
     "Number",
     kUnsigned8,
     {},
     0},
};

constexpr CatalogueKeyword kEXTUSERPRMDATA[] = {
    {"EXTUSERPRMDATA",
     16060,
     "glossary_keys_slave.htm#ExtUserPrmData",
     "",
     "Number",
     kUnsigned16,
     {},
     32},
};

constexpr CatalogueKeyword kENDEXTUSERPRMDATA[] = {
    Bare("ENDEXTUSERPRMDATA", 16061, "glossary_keys_slave.htm#EndExtUserPrmData"),
};

constexpr CatalogueKeyword kPRM_TEXT_REF[] = {
    Number("PRM_TEXT_REF", 65082, "glossary_keys_slave.htm#Prm_Text_Ref", kUnsigned16),
};

constexpr CatalogueKeyword kChangeable[] = {
    Bool("Changeable", 18341, "glossary_keys_slave.htm#Changeable"),
};

constexpr CatalogueKeyword kVisible[] = {
    Bool("Visible", 18342, "glossary_keys_slave.htm#Visible"),
};

constexpr CatalogueKeyword kJokerblock_supp[] = {
    Bool("Jokerblock_supp", 18515, "glossary_keys_slave.htm#Jokerblock_supp"),
    Bool("PrmCmd_supp", 18516, "glossary_keys_slave.htm#PrmCmd_supp"),
    Bool("PrmCmd_req", 18517, "glossary_keys_slave.htm#PrmCmd_req", caption::RequestsFeature),
    Bool("Ident_Maintenance_supp", 18518, "glossary_keys_slave.htm#Ident_Maintenance_supp"),
    Bool("Time_Sync_supp", 18519, "glossary_keys_slave.htm#Time_Sync_supp"),
};

constexpr CatalogueKeyword kJokerblock_Type[] = {
    Number("Jokerblock_Type", 18522, "glossary_keys_slave.htm#Jokerblock_Type", kUnsigned8,
           "Unsigned8: 32..128,129", "Unsigned8"),
};

constexpr CatalogueKeyword kEnd_Jokerblock_Type[] = {
    Bare("End_Jokerblock_Type", 18523, "glossary_keys_slave.htm#Jokerblock_Type"),
};

constexpr CatalogueKeyword kJokerblock_Slot[] = {
    Number("Jokerblock_Slot", 18524, "glossary_keys_slave.htm#Jokerblock_Slot", kUnsigned8, "",
           "Unsigned8"),
    Number("Jokerblock_Location", 18525, "glossary_keys_slave.htm#Jokerblock_Location", kUnsigned8,
           "Unsigned8: 0..2", "Unsigned8"),
};

constexpr CatalogueKeyword kSlave_Max_Switch_Over_Time[] = {
    Number("Slave_Max_Switch_Over_Time", 18520,
           "glossary_keys_slave.htm#Slave_Max_Switch_Over_Time", kUnsigned16, "", "Unsigned16"),
};

constexpr CatalogueKeyword kSlave_Redundancy_supp[] = {
    Number("Slave_Redundancy_supp", 18521, "glossary_keys_slave.htm#Slave_Redundancy_supp",
           kUnsigned8, "Unsigned8: 0,1,8,9", "Unsigned8"),
};

constexpr CatalogueKeyword kPRMTEXT[] = {
    Number("PRMTEXT", 16063, "glossary_keys_slave.htm#PrmText", kUnsigned16),
};

constexpr CatalogueKeyword kENDPRMTEXT[] = {
    Bare("ENDPRMTEXT", 16064, "glossary_keys_slave.htm#PrmText"),
};

constexpr CatalogueKeyword kSlotDefinition[] = {
    Bare("SlotDefinition", 17001, "glossary_keys_module_assignment.htm#SlotDefinition"),
};

constexpr CatalogueKeyword kEndSlotDefinition[] = {
    Bare("EndSlotDefinition", 17002, "glossary_keys_module_assignment.htm#EndSlotDefinition"),
};

constexpr CatalogueKeyword kSlot[] = {
    {"Slot", 17003, "glossary_keys_module_assignment.htm#Slot", "", "Unsigned8", kUnsigned8,
     kUnsigned16, 32},
};

constexpr CatalogueKeyword kDPV1_Slave[] = {
    Bool("DPV1_Slave", 18001, "glossary_keys_slave_dp_extension.htm#DPV1_Slave"),
};

constexpr CatalogueKeyword kC1_Read_Write_supp[] = {
    Bool("C1_Read_Write_supp", 18002, "glossary_keys_slave_dp_extension.htm#C1_Read_Write_supp"),
};

constexpr CatalogueKeyword kC2_Read_Write_supp[] = {
    Bool("C2_Read_Write_supp", 18003, "glossary_keys_slave_dp_extension.htm#C2_Read_Write_supp"),
};

constexpr CatalogueKeyword kC1_Max_Data_Len[] = {
    Number("C1_Max_Data_Len", 18004, "glossary_keys_slave_dp_extension.htm#C1_Max_Data_Len",
           kUnsigned8, "UNSIGNED8: 0..240", "Unsigned8"),
};

constexpr CatalogueKeyword kC2_Max_Data_Len[] = {
    Number("C2_Max_Data_Len", 18005, "glossary_keys_slave_dp_extension.htm#C2_Max_Data_Len",
           kUnsigned8, "UNSIGNED8: 0,48 .. 240", "Unsigned8"),
};

constexpr CatalogueKeyword kC1_Response_Timeout[] = {
    Number("C1_Response_Timeout", 18006, "glossary_keys_slave_dp_extension.htm#C1_Response_Timeout",
           kUnsigned16, "UNSIGNED16: 1..65535"),
};

constexpr CatalogueKeyword kC2_Response_Timeout[] = {
    Number("C2_Response_Timeout", 18007, "glossary_keys_slave_dp_extension.htm#C2_Response_Timeout",
           kUnsigned16, "UNSIGNED16: 1..65535"),
};

constexpr CatalogueKeyword kC1_Read_Write_required[] = {
    Bool("C1_Read_Write_required", 18008,
         "glossary_keys_slave_dp_extension.htm#C1_Read_Write_required"),
};

constexpr CatalogueKeyword kC2_Read_Write_required[] = {
    Bool("C2_Read_Write_required", 18009,
         "glossary_keys_slave_dp_extension.htm#C2_Read_Write_required"),
};

constexpr CatalogueKeyword kC2_Max_count_Channels[] = {
    Number("C2_Max_count_Channels", 18010,
           "glossary_keys_slave_dp_extension.htm#C2_Max_count_Channels", kUnsigned8,
           "UNSIGNED8: 0..49", "Unsigned8"),
};

constexpr CatalogueKeyword kMax_Initiate_PDU_Length[] = {
    Number("Max_Initiate_PDU_Length", 18011,
           "glossary_keys_slave_dp_extension.htm#Max_Initiate_PDU_Length", kUnsigned8,
           "UNSIGNED8: 0,48.. 244", "Unsigned8"),
};

constexpr CatalogueKeyword kDiagnostic_Alarm_supp[] = {
    Bool("Diagnostic_Alarm_supp", 18012,
         "glossary_keys_slave_dp_extension.htm#Diagnostic_Alarm_supp"),
};

constexpr CatalogueKeyword kProcess_Alarm_supp[] = {
    Bool("Process_Alarm_supp", 18013, "glossary_keys_slave_dp_extension.htm#Process_Alarm_supp"),
};

constexpr CatalogueKeyword kPull_Plug_Alarm_supp[] = {
    Bool("Pull_Plug_Alarm_supp", 18014,
         "glossary_keys_slave_dp_extension.htm#Pull_Plug_Alarm_supp"),
};

constexpr CatalogueKeyword kStatus_Alarm_supp[] = {
    Bool("Status_Alarm_supp", 18015, "glossary_keys_slave_dp_extension.htm#Status_Alarm_supp"),
};

constexpr CatalogueKeyword kUpdate_Alarm_supp[] = {
    Bool("Update_Alarm_supp", 18016, "glossary_keys_slave_dp_extension.htm#Update_Alarm_supp"),
};

constexpr CatalogueKeyword kManufacturer_Specific_Alarm_supp[] = {
    Bool("Manufacturer_Specific_Alarm_supp", 18017,
         "glossary_keys_slave_dp_extension.htm#Manufacturer_Specific_Alarm_supp"),
};

constexpr CatalogueKeyword kExtra_Alarm_SAP_supp[] = {
    Bool("Extra_Alarm_SAP_supp", 18018,
         "glossary_keys_slave_dp_extension.htm#Extra_Alarm_SAP_supp"),
};

constexpr CatalogueKeyword kAlarm_Sequence_Mode_Count[] = {
    Number("Alarm_Sequence_Mode_Count", 18019,
           "glossary_keys_slave_dp_extension.htm#Alarm_Sequence_Mode_Count", kUnsigned16,
           "UNSIGNED8: 0,2.. 32"),
};

constexpr CatalogueKeyword kAlarm_Type_Mode_supp[] = {
    Bool("Alarm_Type_Mode_supp", 18020,
         "glossary_keys_slave_dp_extension.htm#Alarm_Type_Mode_supp"),
};

constexpr CatalogueKeyword kDiagnostic_Alarm_required[] = {
    Bool("Diagnostic_Alarm_required", 18021,
         "glossary_keys_slave_dp_extension.htm#Diagnostic_Alarm_required"),
};

constexpr CatalogueKeyword kProcess_Alarm_required[] = {
    Bool("Process_Alarm_required", 18022,
         "glossary_keys_slave_dp_extension.htm#Process_Alarm_required"),
};

constexpr CatalogueKeyword kPull_Plug_Alarm_required[] = {
    Bool("Pull_Plug_Alarm_required", 18023,
         "glossary_keys_slave_dp_extension.htm#Pull_Plug_Alarm_required"),
};

constexpr CatalogueKeyword kStatus_Alarm_required[] = {
    Bool("Status_Alarm_required", 18024,
         "glossary_keys_slave_dp_extension.htm#Status_Alarm_required"),
};

constexpr CatalogueKeyword kUpdate_Alarm_required[] = {
    Bool("Update_Alarm_required", 18025,
         "glossary_keys_slave_dp_extension.htm#Update_Alarm_required"),
};

constexpr CatalogueKeyword kManufacturer_Specific_Alarm_required[] = {
    Bool("Manufacturer_Specific_Alarm_required", 18026,
         "glossary_keys_slave_dp_extension.htm#Manufacturer_Specific_Alarm_required"),
};

constexpr CatalogueKeyword kDPV1_Data_Types[] = {
    Bool("DPV1_Data_Types", 18027, "glossary_keys_slave_dp_extension.htm#DPV1_Data_Types"),
};

constexpr CatalogueKeyword kWD_Base_1ms_supp[] = {
    Bool("WD_Base_1ms_supp", 18028, "glossary_keys_slave_dp_extension.htm#WD_Base_1ms_supp"),
};

constexpr CatalogueKeyword kCheck_Cfg_Mode[] = {
    Bool("Check_Cfg_Mode", 18029, "glossary_keys_slave_dp_extension.htm#Check_Cfg_Mode"),
};

constexpr CatalogueKeyword kPublisher_supp[] = {
    Bool("Publisher_supp", 18201, "glossary_keys_slave_data_exchange.htm#Publisher_supp"),
};

constexpr CatalogueKeyword kSubscriber_supp[] = {
    Bool("Subscriber_supp", 18202, "glossary_keys_slave_data_exchange.htm#Subscriber_supp"),
};

constexpr CatalogueKeyword kDXB_Max_Link_Count[] = {
    Number("DXB_Max_Link_Count", 18203, "glossary_keys_slave_data_exchange.htm#DXB_Max_Link_Count",
           kUnsigned8, "UNSIGNED8: 0..125", "Unsigned8"),
};

constexpr CatalogueKeyword kDXB_Max_Data_Length[] = {
    Number("DXB_Max_Data_Length", 18204,
           "glossary_keys_slave_data_exchange.htm#DXB_Max_Data_Length", kUnsigned8,
           "UNSIGNED8: 1..244", "Unsigned8"),
};

constexpr CatalogueKeyword kDXB_Subscribertable_Block_Location[] = {
    Number("DXB_Subscribertable_Block_Location", 18205,
           "glossary_keys_slave_dxb.htm#DXB_Subscribertable_Block_Location", kUnsigned8,
           "Unsigned8: 0..3", "Unsigned8"),
};

constexpr CatalogueKeyword kIsochron_Mode_supp[] = {
    Bool("Isochron_Mode_supp", 18221, "glossary_keys_slave_isom.htm#Isochron_Mode_supp"),
};

constexpr CatalogueKeyword kIsochron_Mode_required[] = {
    Bool("Isochron_Mode_required", 18222, "glossary_keys_slave_isom.htm#Isochron_Mode_required"),
};

constexpr CatalogueKeyword kTBASE_DP[] = {
    Number("TBASE_DP", 18223, "glossary_keys_slave_isom.htm#TBASE_DP", kUnsigned32,
           "UNSIGNED32: 375, 750, 1500, 3000, 6000, 12000"),
    Number("TBASE_IO", 18227, "glossary_keys_slave_isom.htm#TBASE_IO", kUnsigned32,
           "UNSIGNED32: 375, 750, 1500, 3000, 6000, 12000"),
};

constexpr CatalogueKeyword kTDP_MIN[] = {
    Number("TDP_MIN", 18224, "glossary_keys_slave_isom.htm#TDP_MIN", kUnsigned16,
           "UNSIGNED16: 1..65535", "Unsigned16"),
    Number("TDP_MAX", 18225, "glossary_keys_slave_isom.htm#TDP_M", kUnsigned16,
           "UNSIGNED16: 1..65535", "Unsigned16"),
};

constexpr CatalogueKeyword kT_PLL_W_MAX[] = {
    Number("T_PLL_W_MAX", 18226, "glossary_keys_slave_isom.htm#T_PLL_W_MAX", kUnsigned16,
           "UNSIGNED16: 12..65535"),
};

constexpr CatalogueKeyword kTI_MIN[] = {
    Number("TI_MIN", 18228, "glossary_keys_slave_isom.htm#TI_MIN", kUnsigned16, "", "Unsigned16"),
    Number("TO_MIN", 18229, "glossary_keys_slave_isom.htm#TO_MIN", kUnsigned16, "", "Unsigned16"),
};

constexpr CatalogueKeyword kF_ParamDescCRC[] = {
    Number("F_ParamDescCRC", 18323, "glossary_keys_slave_safe.htm#F_ParamDescCRC", kUnsigned16),
};

constexpr CatalogueKeyword kF_EXT_USER_PRM_DATA_REF[] = {
    {"F_EXT_USER_PRM_DATA_REF", 16054, "glossary_keys_slave_safe.htm#F_Ext_User_Prm_Data_Ref", "",
     "Unsigned8", kUnsigned8, kUnsigned16, 0},
};

constexpr CatalogueKeyword kF_EXT_USER_PRM_DATA_CONST[] = {
    {"F_EXT_USER_PRM_DATA_CONST",
     16055,
     "glossary_keys_slave_safe.htm#F_Ext_User_Prm_Data_Const",
     "",
     "Unsigned8",
     kUnsigned8,
     {},
     0},
};

constexpr CatalogueKeyword kX_Prm_SAP_supp[] = {
    Bool("X_Prm_SAP_supp", 18331, "glossary_keys_slave_xprm.htm#X_Prm_SAP_supp"),
};

constexpr CatalogueKeyword kX_Max_User_Prm_Data_Len[] = {
    Number("X_Max_User_Prm_Data_Len", 18332, "glossary_keys_slave_xprm.htm#X_Max_User_Prm_Data_Len",
           kUnsigned8, "UNSIGNED8: 0,5..244", "Unsigned8"),
};

constexpr CatalogueKeyword kX_EXT_USER_PRM_DATA_REF[] = {
    {"X_EXT_USER_PRM_DATA_REF", 16054, "glossary_keys_slave_xprm.htm#X_Ext_User_Prm_Data_Ref", "",
     "Unsigned8", kUnsigned8, kUnsigned16, 0},
};

constexpr CatalogueKeyword kX_Ext_User_Prm_Data_Const[] = {
    {"X_Ext_User_Prm_Data_Const",
     16055,
     "glossary_keys_slave_xprm.htm#X_Ext_User_Prm_Data_Const",
     "",
     "Unsigned8",
     kUnsigned8,
     {},
     0},
};

constexpr CatalogueKeyword kX_Prm_Block_Structure_supp[] = {
    Bool("X_Prm_Block_Structure_supp", 18333,
         "glossary_keys_slave_xprm.htm#X_Prm_Block_Structure_supp"),
};

constexpr CatalogueKeyword kPrm_Block_Structure_supp[] = {
    Bool("Prm_Block_Structure_supp", 18334,
         "glossary_keys_slave_xprm.htm#Prm_Block_Structure_supp"),
};

constexpr CatalogueKeyword kPrm_Block_Structure_req[] = {
    Bool("Prm_Block_Structure_req", 18335, "glossary_keys_slave_xprm.htm#Prm_Block_Structure_req"),
};

constexpr CatalogueKeyword kSubsys_Dir_Index[] = {
    {"Subsys_Dir_Index", 16054, "glossary_keys_slave_subsys.htm#Subsys_Dir_Index", "", "Unsigned8",
     kUnsigned8, kUnsigned8, 0},
};

constexpr CatalogueKeyword kSubsys_Module_Dir_Index[] = {
    {"Subsys_Module_Dir_Index", 16054, "glossary_keys_slave_subsys.htm#Subsys_Module_Dir_Index", "",
     "Unsigned8", kUnsigned8, kUnsigned8, 0},
};

constexpr CatalogueKeyword kMaster_Freeze_Mode_supp[] = {
    Bool("Master_Freeze_Mode_supp", 14001, "glossary_keys_master.htm#Master_Freeze_Mode_supp"),
};

constexpr CatalogueKeyword kMaster_Sync_Mode_supp[] = {
    Bool("Master_Sync_Mode_supp", 14002, "glossary_keys_master.htm#Master_Sync_Mode_supp"),
};

constexpr CatalogueKeyword kMaster_Fail_Safe_supp[] = {
    Bool("Master_Fail_Safe_supp", 14003, "glossary_keys_master.htm#Master_Fail_Safe_supp"),
};

constexpr CatalogueKeyword kDOWNLOAD_SUPP[] = {
    Bool("DOWNLOAD_SUPP", 14004, "glossary_keys_master.htm#Download_supp"),
};

constexpr CatalogueKeyword kUPLOAD_SUPP[] = {
    Bool("UPLOAD_SUPP", 14005, "glossary_keys_master.htm#Upload_supp"),
};

constexpr CatalogueKeyword kACT_PARA_BRCT_SUPP[] = {
    Bool("ACT_PARA_BRCT_SUPP", 14006, "glossary_keys_master.htm#Act_Para_Brct_supp"),
};

constexpr CatalogueKeyword kACT_PARAM_SUPP[] = {
    Bool("ACT_PARAM_SUPP", 14007, "glossary_keys_master.htm#Act_Param_supp"),
};

constexpr CatalogueKeyword kMAX_MPS_LENGTH[] = {
    Number("MAX_MPS_LENGTH", 14008, "glossary_keys_master.htm#Max_MPS_Length", kUnsigned32),
};

constexpr CatalogueKeyword kMAX_LSDU_MS[] = {
    Number("MAX_LSDU_MS", 14009, "glossary_keys_master.htm#Max_Lsdu_MS", kUnsigned8,
           "Unsigned8: 0..244", "Unsigned8"),
};

constexpr CatalogueKeyword kMAX_LSDU_MM[] = {
    Number("MAX_LSDU_MM", 14010, "glossary_keys_master.htm#Max_Lsdu_MM", kUnsigned8,
           "Unsigned8: 0..244", "Unsigned8"),
};

constexpr CatalogueKeyword kMIN_POLL_TIMEOUT[] = {
    Number("MIN_POLL_TIMEOUT", 14011, "glossary_keys_master.htm#Min_Poll_Timeout", kUnsigned16,
           "USHORT: 1..65535"),
};

constexpr CatalogueKeyword kTRDY_9_6[] = {
    Number("TRDY_9.6", 14020, "glossary_keys_master.htm#Trdy_9.6", kUnsigned8, "Unsigned8: 1..255",
           "Unsigned8"),
    Number("TRDY_19.2", 14020, "glossary_keys_master.htm#Trdy_19.2", kUnsigned8,
           "Unsigned8: 1..255", "Unsigned8"),
    Number("TRDY_31.25", 14020, "glossary_keys_master.htm#Trdy_31.25", kUnsigned8,
           "Unsigned8: 1..255", "Unsigned8"),
    Number("TRDY_45.45", 14020, "glossary_keys_master.htm#Trdy_45.45", kUnsigned8,
           "Unsigned8: 1..255", "Unsigned8"),
    Number("TRDY_93.75", 14020, "glossary_keys_master.htm#Trdy_93.75", kUnsigned8,
           "Unsigned8: 1..255", "Unsigned8"),
    Number("TRDY_187.5", 14020, "glossary_keys_master.htm#Trdy_187.5", kUnsigned8,
           "Unsigned8: 1..255", "Unsigned8"),
    Number("TRDY_500", 14020, "glossary_keys_master.htm#Trdy_500", kUnsigned8, "Unsigned8: 1..255",
           "Unsigned8"),
    Number("TRDY_1.5M", 14020, "glossary_keys_master.htm#Trdy_1.5M", kUnsigned8,
           "Unsigned8: 1..255", "Unsigned8"),
    Number("TRDY_3M", 14020, "glossary_keys_master.htm#Trdy_3M", kUnsigned8, "Unsigned8: 1..255",
           "Unsigned8"),
    Number("TRDY_6M", 14020, "glossary_keys_master.htm#Trdy_6M", kUnsigned8, "Unsigned8: 1..255",
           "Unsigned8"),
    Number("TRDY_12M", 14020, "glossary_keys_master.htm#Trdy_12M", kUnsigned8, "Unsigned8: 1..255",
           "Unsigned8"),
};

constexpr CatalogueKeyword kTQUI_9_6[] = {
    Number("TQUI_9.6", 14040, "glossary_keys_master.htm#Tqui_9.6", kUnsigned8, "", "Unsigned8"),
    Number("TQUI_19.2", 14040, "glossary_keys_master.htm#Tqui_19.2", kUnsigned8, "", "Unsigned8"),
    Number("TQUI_31.25", 14040, "glossary_keys_master.htm#Tqui_31.25", kUnsigned8, "", "Unsigned8"),
    Number("TQUI_45.45", 14040, "glossary_keys_master.htm#Tqui_45.45", kUnsigned8, "", "Unsigned8"),
    Number("TQUI_93.75", 14040, "glossary_keys_master.htm#Tqui_93.75", kUnsigned8, "", "Unsigned8"),
    Number("TQUI_187.5", 14040, "glossary_keys_master.htm#Tqui_187.5", kUnsigned8, "", "Unsigned8"),
    Number("TQUI_500", 14040, "glossary_keys_master.htm#Tqui_500", kUnsigned8, "", "Unsigned8"),
    Number("TQUI_1.5M", 14040, "glossary_keys_master.htm#Tqui_1.5M", kUnsigned8, "", "Unsigned8"),
    Number("TQUI_3M", 14040, "glossary_keys_master.htm#Tqui_3M", kUnsigned8, "", "Unsigned8"),
    Number("TQUI_6M", 14040, "glossary_keys_master.htm#Tqui_6M", kUnsigned8, "", "Unsigned8"),
    Number("TQUI_12M", 14040, "glossary_keys_master.htm#Tqui_12M", kUnsigned8, "", "Unsigned8"),
};

constexpr CatalogueKeyword kTSET_9_6[] = {
    Number("TSET_9.6", 14060, "glossary_keys_master.htm#Tset_9.6", kUnsigned8, "Unsigned8: 1..255"),
    Number("TSET_19.2", 14060, "glossary_keys_master.htm#Tset_19.2", kUnsigned8,
           "Unsigned8: 1..255"),
    Number("TSET_31.25", 14060, "glossary_keys_master.htm#Tset_31.25", kUnsigned8,
           "Unsigned8: 1..255"),
    Number("TSET_45.45", 14060, "glossary_keys_master.htm#Tset_45.45", kUnsigned8,
           "Unsigned8: 1..255"),
    Number("TSET_93.75", 14060, "glossary_keys_master.htm#Tset_93.75", kUnsigned8,
           "Unsigned8: 1..255"),
    Number("TSET_187.5", 14060, "glossary_keys_master.htm#Tset_187.5", kUnsigned8,
           "Unsigned8: 1..255"),
    Number("TSET_500", 14060, "glossary_keys_master.htm#Tset_500", kUnsigned8, "Unsigned8: 1..255"),
    Number("TSET_1.5M", 14060, "glossary_keys_master.htm#Tset_1.5M", kUnsigned8,
           "Unsigned8: 1..255"),
    Number("TSET_3M", 14060, "glossary_keys_master.htm#Tset_3M", kUnsigned8, "Unsigned8: 1..255"),
    Number("TSET_6M", 14060, "glossary_keys_master.htm#Tset_6M", kUnsigned8, "Unsigned8: 1..255"),
    Number("TSET_12M", 14060, "glossary_keys_master.htm#Tset_12M", kUnsigned8, "Unsigned8: 1..255"),
};

constexpr CatalogueKeyword kLAS_LEN[] = {
    Number("LAS_LEN", 14080, "glossary_keys_master.htm#LAS_Len", kUnsigned8),
};

constexpr CatalogueKeyword kTSDI_9_6[] = {
    Number("TSDI_9.6", 14090, "glossary_keys_master.htm#Tsdi_9.6", kUnsigned16, "USHORT: 1..65535"),
    Number("TSDI_19.2", 14090, "glossary_keys_master.htm#Tsdi_19.2", kUnsigned16,
           "USHORT: 1..65535"),
    Number("TSDI_31.25", 14090, "glossary_keys_master.htm#Tsdi_31.25", kUnsigned16,
           "USHORT: 1..65535"),
    Number("TSDI_45.45", 14090, "glossary_keys_master.htm#Tsdi_45.45", kUnsigned16,
           "USHORT: 1..65535"),
    Number("TSDI_93.75", 14090, "glossary_keys_master.htm#Tsdi_93.75", kUnsigned16,
           "USHORT: 1..65535"),
    Number("TSDI_187.5", 14090, "glossary_keys_master.htm#Tsdi_187.5", kUnsigned16,
           "USHORT: 1..65535"),
    Number("TSDI_500", 14090, "glossary_keys_master.htm#Tsdi_500", kUnsigned16, "USHORT: 1..65535"),
    Number("TSDI_1.5M", 14090, "glossary_keys_master.htm#Tsdi_1.5M", kUnsigned16,
           "USHORT: 1..65535"),
    Number("TSDI_3M", 14090, "glossary_keys_master.htm#Tsdi_3M", kUnsigned16, "USHORT: 1..65535"),
    Number("TSDI_6M", 14090, "glossary_keys_master.htm#Tsdi_6M", kUnsigned16, "USHORT: 1..65535"),
    Number("TSDI_12M", 14090, "glossary_keys_master.htm#Tsdi_12M", kUnsigned16, "USHORT: 1..65535"),
};

constexpr CatalogueKeyword kMAX_SLAVES_SUPP[] = {
    Number("MAX_SLAVES_SUPP", 14110, "glossary_keys_master.htm#Max_Slaves_supp", kUnsigned8,
           "Unsigned8: 1..125"),
};

constexpr CatalogueKeyword kMAX_MASTER_INPUT_LEN[] = {
    Number("MAX_MASTER_INPUT_LEN", 14111, "glossary_keys_master.htm#Max_Master_Input_Len",
           kUnsigned8, "Unsigned8: 1..244"),
};

constexpr CatalogueKeyword kMAX_MASTER_OUTPUT_LEN[] = {
    Number("MAX_MASTER_OUTPUT_LEN", 14112, "glossary_keys_master.htm#Max_Master_Output_Len",
           kUnsigned8, "Unsigned8: 1..244"),
};

constexpr CatalogueKeyword kMAX_MASTER_DATA_LEN[] = {
    Number("MAX_MASTER_DATA_LEN", 14113, "glossary_keys_master.htm#Max_Master_Data_Len",
           kUnsigned16, "USHORT: 0..488"),
};

constexpr CatalogueKeyword kDPV1_Master[] = {
    Bool("DPV1_Master", 15001, "glossary_keys_master_dp_extension.htm#DPV1_Master"),
};

constexpr CatalogueKeyword kDPV1_Conformance_Class[] = {
    Number("DPV1_Conformance_Class", 15002,
           "glossary_keys_master_dp_extension.htm#DPV1_Conformance_Class", kUnsigned16,
           "UNSIGNED8: 1..2"),
};

constexpr CatalogueKeyword kC1_Master_Read_Write_supp[] = {
    Bool("C1_Master_Read_Write_supp", 15003,
         "glossary_keys_master_dp_extension.htm#C1_Master_Read_Write_supp"),
};

constexpr CatalogueKeyword kMaster_DPV1_Alarm_supp[] = {
    Bool("Master_DPV1_Alarm_supp", 15004,
         "glossary_keys_master_dp_extension.htm#Master_DPV1_Alarm_supp"),
};

constexpr CatalogueKeyword kMaster_Diagnostic_Alarm_supp[] = {
    Bool("Master_Diagnostic_Alarm_supp", 15005,
         "glossary_keys_master_dp_extension.htm#Master_Diagnostic_Alarm_supp"),
};

constexpr CatalogueKeyword kMaster_Process_Alarm_supp[] = {
    Bool("Master_Process_Alarm_supp", 15006,
         "glossary_keys_master_dp_extension.htm#Master_Process_Alarm_supp"),
};

constexpr CatalogueKeyword kMaster_Pull_Plug_Alarm_supp[] = {
    Bool("Master_Pull_Plug_Alarm_supp", 15007,
         "glossary_keys_master_dp_extension.htm#Master_Pull_Plug_Alarm_supp"),
};

constexpr CatalogueKeyword kMaster_Status_Alarm_supp[] = {
    Bool("Master_Status_Alarm_supp", 15008,
         "glossary_keys_master_dp_extension.htm#Master_Status_Alarm_supp"),
};

constexpr CatalogueKeyword kMaster_Update_Alarm_supp[] = {
    Bool("Master_Update_Alarm_supp", 15009,
         "glossary_keys_master_dp_extension.htm#Master_Update_Alarm_supp"),
};

constexpr CatalogueKeyword kMaster_Manufacturer_Specific_Alarm_supp[] = {
    Bool("Master_Manufacturer_Specific_Alarm_supp", 15010,
         "glossary_keys_master_dp_extension.htm#Master_Manufacturer_Specific_Alarm_supp"),
};

constexpr CatalogueKeyword kMaster_Extra_Alarm_SAP_supp[] = {
    Bool("Master_Extra_Alarm_SAP_supp", 15011,
         "glossary_keys_master_dp_extension.htm#Master_Extra_Alarm_SAP_supp"),
};

constexpr CatalogueKeyword kMaster_Alarm_Sequence_Mode[] = {
    Number("Master_Alarm_Sequence_Mode", 15012,
           "glossary_keys_master_dp_extension.htm#Master_Alarm_Sequence_Mode", kUnsigned8,
           "UNSIGNED8: 0..7"),
};

constexpr CatalogueKeyword kMaster_Alarm_Type_Mode_supp[] = {
    Bool("Master_Alarm_Type_Mode_supp", 15013,
         "glossary_keys_master_dp_extension.htm#Master_Alarm_Type_Mode_supp"),
};

constexpr CatalogueKeyword kIsochron_Mode_Synchronised[] = {
    Number("Isochron_Mode_Synchronised", 18301,
           "glossary_keys_master_dpv2.htm#Isochron_Mode_Synchronised", kUnsigned8,
           "Unsigned8: 0..3"),
};

constexpr CatalogueKeyword kDXB_Master_supp[] = {
    Bool("DXB_Master_supp", 18302, "glossary_keys_master_dpv2.htm#DXB_Master_supp"),
};

constexpr CatalogueKeyword kX_Master_Prm_SAP_supp[] = {
    Bool("X_Master_Prm_SAP_supp", 18303, "glossary_keys_master_dpv2.htm#X_Master_Prm_SAP_supp"),
};

constexpr CatalogueKeyword kTEXT[] = {
    {"TEXT", 65085, "glossary_keys_slave.htm#Text", "", "Number", kUnsigned32, {}, 32},
};

constexpr CatalogueKeyword kUNSIGNED32[] = {
    {"UNSIGNED32",
     65098,
     "glossary_keys_slave.htm#Data_Type_Name",
     "",
     "Unsigned32",
     kUnsigned32,
     {},
     32},
};

constexpr CatalogueKeyword kUNSIGNED16[] = {
    {"UNSIGNED16",
     65098,
     "glossary_keys_slave.htm#Data_Type_Name",
     "",
     "Unsigned16",
     kUnsigned16,
     {},
     32},
};

constexpr CatalogueKeyword kUNSIGNED8[] = {
    {"UNSIGNED8",
     65098,
     "glossary_keys_slave.htm#Data_Type_Name",
     "",
     "Unsigned8",
     kUnsigned8,
     {},
     32},
};

constexpr CatalogueKeyword kSIGNED32[] = {
    {"SIGNED32",
     65098,
     "glossary_keys_slave.htm#Data_Type_Name",
     "",
     "Signed32",
     kSigned32,
     {},
     32},
};

constexpr CatalogueKeyword kSIGNED16[] = {
    {"SIGNED16",
     65098,
     "glossary_keys_slave.htm#Data_Type_Name",
     "",
     "Signed16",
     kSigned16,
     {},
     32},
};

constexpr CatalogueKeyword kSIGNED8[] = {
    {"SIGNED8", 65098, "glossary_keys_slave.htm#Data_Type_Name", "", "Signed8", kSigned8, {}, 32},
};

constexpr CatalogueKeyword kBIT[] = {
    {"BIT", 65098, "glossary_keys_slave.htm#Data_Type_Name", "", "Number", kUnsigned8, {}, 32},
};

constexpr CatalogueKeyword kBITAREA[] = {
    {"BITAREA", 65098, "glossary_keys_slave.htm#Data_Type_Name", "", "Number", kUnsigned8, {}, 32},
};

// {group, MODULE inside a block / SLAVE outside, entry type, opens a block, form, value rule,
//  captions, block partner, keywords}
// clang-format off
constexpr CatalogueRow kRows[] = {
    {PARENT_GENERAL, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kKVF_Revision},
    {PARENT_GENERAL, false, TYPE_SIMPLE_STRING, false, InputForm::String, ValueRule::VisibleString,
     {}, "", kVendor_Name},
    {PARENT_GENERAL, false, TYPE_SIMPLE_STRING, false, InputForm::String, ValueRule::VisibleString,
     {}, "", kModel_Name},
    {PARENT_GENERAL, false, TYPE_SIMPLE_STRING, false, InputForm::String, ValueRule::VisibleString,
     {}, "", kRevision},
    {PARENT_GENERAL, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kRevision_Number},
    {PARENT_GENERAL, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned16,
     {}, "", kIdent_Number},
    {PARENT_GENERAL, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kProtocol_Ident},
    {PARENT_GENERAL, false, TYPE_SIMPLE_UINT, false, InputForm::TwoChoices, ValueRule::Unsigned8,
     {caption::DpSlave, caption::DpMaster}, "", kStation_Type},
    {PARENT_GENERAL, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kFMS_supp},
    {PARENT_GENERAL, false, TYPE_SIMPLE_STRING, false, InputForm::String, ValueRule::VisibleString,
     {}, "", kHardware_Release},
    {PARENT_GENERAL, false, TYPE_SIMPLE_STRING, false, InputForm::String, ValueRule::VisibleString,
     {}, "", kSoftware_Release},
    {PARENT_GENERAL, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", k9_6_supp},
    {PARENT_GENERAL, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", k19_2_supp},
    {PARENT_GENERAL, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", k31_25_supp},
    {PARENT_GENERAL, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", k45_45_supp},
    {PARENT_GENERAL, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", k93_75_supp},
    {PARENT_GENERAL, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", k187_5_supp},
    {PARENT_GENERAL, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", k500_supp},
    {PARENT_GENERAL, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", k1_5M_supp},
    {PARENT_GENERAL, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", k3M_supp},
    {PARENT_GENERAL, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", k6M_supp},
    {PARENT_GENERAL, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", k12M_supp},
    {PARENT_GENERAL, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned16,
     {}, "", kMaxTsdr_9_6},
    {PARENT_GENERAL, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kRedundancy},
    {PARENT_GENERAL, false, TYPE_SIMPLE_UINT, false, InputForm::ThreeChoices, ValueRule::Unsigned8,
     {caption::NotSupported, caption::Rs485, caption::Ttl}, "", kRepeater_Ctrl_Sig},
    {PARENT_GENERAL, false, TYPE_SIMPLE_UINT, false, InputForm::ThreeChoices, ValueRule::Unsigned8,
     {caption::NotSupported, caption::Input, caption::Output}, "", k24V_Pins},
    {PARENT_GENERAL, false, TYPE_SIMPLE_STRING, false, InputForm::String, ValueRule::VisibleString,
     {}, "", kImplementation_Type},
    {PARENT_GENERAL, false, TYPE_SIMPLE_STRING, false, InputForm::String, ValueRule::FileName,
     {}, "", kBitmap_Device},
    {PARENT_GENERAL, false, TYPE_SIMPLE_STRING, false, InputForm::String, ValueRule::FileName,
     {}, "", kBitmap_Diag},
    {PARENT_GENERAL, false, TYPE_SIMPLE_STRING, false, InputForm::String, ValueRule::FileName,
     {}, "", kBitmap_SF},
    {PARENT_PHYSICAL_INTERFACES, false, TYPE_SIMPLE_UINT, true,
     InputForm::Number, ValueRule::Unsigned8,
     {}, "", kPhysical_Interface},
    {PARENT_PHYSICAL_INTERFACES, false, TYPE_SIMPLE_STRING, false,
     InputForm::HelpOnly, ValueRule::NoValue,
     {}, "Physical_Interface", kEnd_Physical_Interface},
    {PARENT_PHYSICAL_INTERFACES, false, TYPE_SIMPLE_UINT, false,
     InputForm::Number, ValueRule::Unsigned16,
     {}, "", kTransmission_Delay_9_6},
    {PARENT_PHYSICAL_INTERFACES, false, TYPE_SIMPLE_UINT, false,
     InputForm::Number, ValueRule::Unsigned16,
     {}, "", kReaction_Delay_9_6},
    {PARENT_SLAVE, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kFreeze_Mode_supp},
    {PARENT_SLAVE, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kSync_Mode_supp},
    {PARENT_SLAVE, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kAuto_Baud_supp},
    {PARENT_SLAVE, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kSet_Slave_Add_supp},
    {PARENT_SLAVE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kUser_Prm_Data_Len},
    {PARENT_SLAVE, false, TYPE_OCTET_STRING, false, InputForm::String, ValueRule::OctetList,
     {}, "", kUser_Prm_Data},
    {PARENT_SLAVE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned16,
     {}, "", kMin_Slave_Intervall},
    {PARENT_SLAVE, false, TYPE_SIMPLE_BOOL, false, InputForm::TwoChoices, ValueRule::Boolean,
     {caption::CompactDevice, caption::ModularDevice}, "", kModular_Station},
    {PARENT_SLAVE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kMax_Module},
    {PARENT_SLAVE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kMax_Input_Len},
    {PARENT_SLAVE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kMax_Output_Len},
    {PARENT_SLAVE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned16,
     {}, "", kMax_Data_Len},
    {PARENT_SLAVE, false, TYPE_SIMPLE_STRING, false, InputForm::IndexText, ValueRule::IndexText,
     {caption::Bit}, "", kUnit_Diag_Bit},
    {PARENT_SLAVE, false, TYPE_SIMPLE_STRING, false, InputForm::IndexText, ValueRule::IndexText,
     {caption::Bit}, "", kX_Unit_Diag_Bit},
    {PARENT_SLAVE, false, TYPE_SIMPLE_STRING, false, InputForm::IndexText, ValueRule::IndexText,
     {caption::Bit}, "", kUnit_Diag_Not_Bit},
    {PARENT_SLAVE, false, TYPE_SIMPLE_STRING, false, InputForm::IndexText, ValueRule::IndexText,
     {caption::Bit}, "", kX_Unit_Diag_Not_Bit},
    {PARENT_SLAVE, false, TYPE_SIMPLE_STRING, false, InputForm::IndexText, ValueRule::IndexText,
     {caption::Bit}, "", kUnit_Diag_Bit_Help},
    {PARENT_SLAVE, false, TYPE_SIMPLE_STRING, false, InputForm::IndexText, ValueRule::IndexText,
     {caption::Bit}, "", kX_Unit_Diag_Bit_Help},
    {PARENT_SLAVE, false, TYPE_SIMPLE_STRING, false, InputForm::IndexText, ValueRule::IndexText,
     {caption::Bit}, "", kUnit_Diag_Not_Bit_Help},
    {PARENT_SLAVE, false, TYPE_SIMPLE_STRING, false, InputForm::IndexText, ValueRule::IndexText,
     {caption::Bit}, "", kX_Unit_Diag_Not_Bit_Help},
    {PARENT_SLAVE, false, TYPE_SIMPLE_STRING, true, InputForm::TwoNumbers, ValueRule::BitArea,
     {caption::FirstBit, caption::LastBit}, "", kUNIT_DIAG_AREA},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false, InputForm::HelpOnly, ValueRule::NoValue,
     {}, "UNIT_DIAG_AREA", kUNIT_DIAG_AREA_END},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, true, InputForm::TwoNumbers, ValueRule::BitArea,
     {caption::FirstBit, caption::LastBit}, "UnitDiagType", kX_UNIT_DIAG_AREA},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false, InputForm::HelpOnly, ValueRule::NoValue,
     {}, "X_UNIT_DIAG_AREA", kX_UNIT_DIAG_AREA_END},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false, InputForm::IndexText, ValueRule::IndexText,
     {caption::Value}, "", kVALUE},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false, InputForm::IndexText, ValueRule::IndexText,
     {caption::Value}, "", kX_VALUE},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false, InputForm::IndexText, ValueRule::IndexText,
     {caption::Value}, "", kValue_Help},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false, InputForm::IndexText, ValueRule::IndexText,
     {caption::Value}, "", kX_Value_Help},
    {PARENT_SLAVE, false, TYPE_SIMPLE_UINT, true, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kUnitDiagType},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false, InputForm::HelpOnly, ValueRule::NoValue,
     {}, "UnitDiagType", kEndUnitDiagType},
    {PARENT_SLAVE, false, TYPE_SIMPLE_STRING, true, InputForm::Module, ValueRule::Module,
     {}, "", kModule},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false, InputForm::HelpOnly, ValueRule::NoValue,
     {}, "Module", kENDMODULE},
    {PARENT_MODULE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::ReferenceLine,
     {}, "", kModule_Reference},
    {PARENT_MODULE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kEXT_MODULE_PRM_DATA_LEN},
    {PARENT_MODULE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kX_EXT_MODULE_PRM_DATA_LEN},
    {PARENT_MODULE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kF_EXT_MODULE_PRM_DATA_LEN},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false, InputForm::IndexText, ValueRule::IndexText,
     {caption::Error}, "", kChannel_Diag},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, true, InputForm::HelpOnly, ValueRule::NoValue,
     {}, "Module", kData_Area_Beg},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false, InputForm::HelpOnly, ValueRule::NoValue,
     {}, "Data_Area_Beg", kData_Area_End},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false, InputForm::String, ValueRule::VisibleString,
     {}, "", kArea_Name},
    {PARENT_MODULE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kRelated_CFG_Identifier},
    {PARENT_MODULE, false, TYPE_SIMPLE_BOOL, false, InputForm::TwoChoices, ValueRule::Boolean,
     {caption::Input, caption::Output}, "", kIO_Direction},
    {PARENT_MODULE, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kConsistency},
    {PARENT_MODULE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kData_Type},
    {PARENT_SLAVE, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kFail_Safe},
    {PARENT_SLAVE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kMax_Diag_Data_Len},
    {PARENT_SLAVE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kModul_Offset},
    {PARENT_SLAVE, false, TYPE_SIMPLE_STRING, false, InputForm::String, ValueRule::FamilyList,
     {}, "", kSlave_Family},
    {PARENT_SLAVE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kDiag_Update_Delay},
    {PARENT_SLAVE, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kFail_Safe_required},
    {PARENT_SLAVE, false, TYPE_SIMPLE_STRING, false, InputForm::String, ValueRule::VisibleString,
     {}, "", kInfo_Text},
    {PARENT_SLAVE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kMax_User_Prm_Data_Len},
    {PARENT_SLAVE, true, TYPE_SIMPLE_STRING, false, InputForm::TwoNumbers, ValueRule::TwoNumbers,
     {caption::ReferenceOffset, caption::ReferenceNumber}, "", kEXT_USER_PRM_DATA_REF},
    {PARENT_SLAVE, true, TYPE_OCTET_STRING, false, InputForm::IndexText, ValueRule::OffsetOctets,
     {caption::Offset}, "", kEXT_USER_PRM_DATA_CONST},
    {PARENT_SLAVE, false, TYPE_SIMPLE_STRING, true, InputForm::IndexText, ValueRule::NumberName,
     {caption::Reference}, "", kEXTUSERPRMDATA},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false, InputForm::HelpOnly, ValueRule::NoValue,
     {}, "EXTUSERPRMDATA", kENDEXTUSERPRMDATA},
    {PARENT_MODULE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned16,
     {}, "", kPRM_TEXT_REF},
    {PARENT_MODULE, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kChangeable},
    {PARENT_MODULE, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kVisible},
    {PARENT_MODULE, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kJokerblock_supp},
    {PARENT_SLAVE, false, TYPE_SIMPLE_UINT, true, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kJokerblock_Type},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false, InputForm::HelpOnly, ValueRule::NoValue,
     {}, "Jokerblock_Type", kEnd_Jokerblock_Type},
    {PARENT_MODULE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kJokerblock_Slot},
    {PARENT_MODULE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned16,
     {}, "", kSlave_Max_Switch_Over_Time},
    {PARENT_MODULE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kSlave_Redundancy_supp},
    {PARENT_SLAVE, false, TYPE_SIMPLE_UINT, true, InputForm::Number, ValueRule::Unsigned16,
     {}, "", kPRMTEXT},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false, InputForm::HelpOnly, ValueRule::NoValue,
     {}, "PRMTEXT", kENDPRMTEXT},
    {PARENT_MODULE_ASSIGNMENT, false, TYPE_SIMPLE_STRING, true,
     InputForm::HelpOnly, ValueRule::NoValue,
     {}, "", kSlotDefinition},
    {PARENT_MODULE_ASSIGNMENT, false, TYPE_SIMPLE_STRING, false,
     InputForm::HelpOnly, ValueRule::NoValue,
     {}, "SlotDefinition", kEndSlotDefinition},
    {PARENT_MODULE_ASSIGNMENT, false, TYPE_SIMPLE_STRING, false, InputForm::Slot, ValueRule::Slot,
     {caption::SlotNumber, caption::DefaultValue, caption::MinMaxOrAllowedValues,
      caption::SlotName},
     "", kSlot},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kDPV1_Slave},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kC1_Read_Write_supp},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kC2_Read_Write_supp},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kC1_Max_Data_Len},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kC2_Max_Data_Len},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned16,
     {}, "", kC1_Response_Timeout},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned16,
     {}, "", kC2_Response_Timeout},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kC1_Read_Write_required},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kC2_Read_Write_required},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kC2_Max_count_Channels},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kMax_Initiate_PDU_Length},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kDiagnostic_Alarm_supp},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kProcess_Alarm_supp},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kPull_Plug_Alarm_supp},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kStatus_Alarm_supp},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kUpdate_Alarm_supp},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kManufacturer_Specific_Alarm_supp},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kExtra_Alarm_SAP_supp},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned16,
     {}, "", kAlarm_Sequence_Mode_Count},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kAlarm_Type_Mode_supp},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kDiagnostic_Alarm_required},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kProcess_Alarm_required},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kPull_Plug_Alarm_required},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kStatus_Alarm_required},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kUpdate_Alarm_required},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kManufacturer_Specific_Alarm_required},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kDPV1_Data_Types},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kWD_Base_1ms_supp},
    {PARENT_SLAVE_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kCheck_Cfg_Mode},
    {PARENT_SLAVE_DATA_EXCHNG, false, TYPE_SIMPLE_BOOL, false,
     InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kPublisher_supp},
    {PARENT_SLAVE_DATA_EXCHNG, false, TYPE_SIMPLE_BOOL, false,
     InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kSubscriber_supp},
    {PARENT_SLAVE_DATA_EXCHNG, false, TYPE_SIMPLE_UINT, false,
     InputForm::Number, ValueRule::Unsigned8,
     {}, "", kDXB_Max_Link_Count},
    {PARENT_SLAVE_DATA_EXCHNG, false, TYPE_SIMPLE_UINT, false,
     InputForm::Number, ValueRule::Unsigned8,
     {}, "", kDXB_Max_Data_Length},
    {PARENT_MODULE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kDXB_Subscribertable_Block_Location},
    {PARENT_SLAVE_DATA_EXCHNG, false, TYPE_SIMPLE_BOOL, false,
     InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kIsochron_Mode_supp},
    {PARENT_SLAVE_DATA_EXCHNG, false, TYPE_SIMPLE_BOOL, false,
     InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kIsochron_Mode_required},
    {PARENT_SLAVE_DATA_EXCHNG, false, TYPE_SIMPLE_UINT, false,
     InputForm::Number, ValueRule::Unsigned32,
     {}, "", kTBASE_DP},
    {PARENT_SLAVE_DATA_EXCHNG, false, TYPE_SIMPLE_UINT, false,
     InputForm::Number, ValueRule::Unsigned16,
     {}, "", kTDP_MIN},
    {PARENT_SLAVE_DATA_EXCHNG, false, TYPE_SIMPLE_UINT, false,
     InputForm::Number, ValueRule::Unsigned16,
     {}, "", kT_PLL_W_MAX},
    {PARENT_SLAVE_DATA_EXCHNG, false, TYPE_SIMPLE_UINT, false,
     InputForm::Number, ValueRule::Unsigned16,
     {}, "", kTI_MIN},
    {PARENT_MODULE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned16,
     {}, "", kF_ParamDescCRC},
    {PARENT_SLAVE, true, TYPE_SIMPLE_STRING, false, InputForm::TwoNumbers, ValueRule::TwoNumbers,
     {caption::ReferenceOffset, caption::ReferenceNumber}, "", kF_EXT_USER_PRM_DATA_REF},
    {PARENT_SLAVE, true, TYPE_OCTET_STRING, false, InputForm::IndexText, ValueRule::OffsetOctets,
     {caption::Offset}, "", kF_EXT_USER_PRM_DATA_CONST},
    {PARENT_SLAVE, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kX_Prm_SAP_supp},
    {PARENT_SLAVE, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kX_Max_User_Prm_Data_Len},
    {PARENT_SLAVE, true, TYPE_SIMPLE_STRING, false, InputForm::TwoNumbers, ValueRule::TwoNumbers,
     {caption::ReferenceOffset, caption::ReferenceNumber}, "", kX_EXT_USER_PRM_DATA_REF},
    {PARENT_SLAVE, true, TYPE_OCTET_STRING, false, InputForm::IndexText, ValueRule::OffsetOctets,
     {caption::Offset}, "", kX_Ext_User_Prm_Data_Const},
    {PARENT_SLAVE, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kX_Prm_Block_Structure_supp},
    {PARENT_SLAVE, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kPrm_Block_Structure_supp},
    {PARENT_SLAVE, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kPrm_Block_Structure_req},
    {PARENT_SLAVE, false, TYPE_SIMPLE_STRING, false, InputForm::TwoNumbers, ValueRule::TwoNumbers,
     {caption::SubsystemType, caption::Index}, "", kSubsys_Dir_Index},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false, InputForm::TwoNumbers, ValueRule::TwoNumbers,
     {caption::SubsystemType, caption::Index}, "", kSubsys_Module_Dir_Index},
    {PARENT_MASTER, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kMaster_Freeze_Mode_supp},
    {PARENT_MASTER, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kMaster_Sync_Mode_supp},
    {PARENT_MASTER, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kMaster_Fail_Safe_supp},
    {PARENT_MASTER, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kDOWNLOAD_SUPP},
    {PARENT_MASTER, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kUPLOAD_SUPP},
    {PARENT_MASTER, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kACT_PARA_BRCT_SUPP},
    {PARENT_MASTER, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kACT_PARAM_SUPP},
    {PARENT_MASTER, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned32,
     {}, "", kMAX_MPS_LENGTH},
    {PARENT_MASTER, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kMAX_LSDU_MS},
    {PARENT_MASTER, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kMAX_LSDU_MM},
    {PARENT_MASTER, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned16,
     {}, "", kMIN_POLL_TIMEOUT},
    {PARENT_MASTER, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kTRDY_9_6},
    {PARENT_MASTER, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kTQUI_9_6},
    {PARENT_MASTER, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kTSET_9_6},
    {PARENT_MASTER, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kLAS_LEN},
    {PARENT_MASTER, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned16,
     {}, "", kTSDI_9_6},
    {PARENT_MASTER, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kMAX_SLAVES_SUPP},
    {PARENT_MASTER, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kMAX_MASTER_INPUT_LEN},
    {PARENT_MASTER, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kMAX_MASTER_OUTPUT_LEN},
    {PARENT_MASTER, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned16,
     {}, "", kMAX_MASTER_DATA_LEN},
    {PARENT_MASTER_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kDPV1_Master},
    {PARENT_MASTER_EXT, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned16,
     {}, "", kDPV1_Conformance_Class},
    {PARENT_MASTER_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kC1_Master_Read_Write_supp},
    {PARENT_MASTER_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kMaster_DPV1_Alarm_supp},
    {PARENT_MASTER_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kMaster_Diagnostic_Alarm_supp},
    {PARENT_MASTER_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kMaster_Process_Alarm_supp},
    {PARENT_MASTER_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kMaster_Pull_Plug_Alarm_supp},
    {PARENT_MASTER_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kMaster_Status_Alarm_supp},
    {PARENT_MASTER_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kMaster_Update_Alarm_supp},
    {PARENT_MASTER_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kMaster_Manufacturer_Specific_Alarm_supp},
    {PARENT_MASTER_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kMaster_Extra_Alarm_SAP_supp},
    {PARENT_MASTER_EXT, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kMaster_Alarm_Sequence_Mode},
    {PARENT_MASTER_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kMaster_Alarm_Type_Mode_supp},
    {PARENT_MASTER_EXT, false, TYPE_SIMPLE_UINT, false, InputForm::Number, ValueRule::Unsigned8,
     {}, "", kIsochron_Mode_Synchronised},
    {PARENT_MASTER_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kDXB_Master_supp},
    {PARENT_MASTER_EXT, false, TYPE_SIMPLE_BOOL, false, InputForm::Feature, ValueRule::Boolean,
     {caption::SupportsFeature}, "", kX_Master_Prm_SAP_supp},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false, InputForm::IndexText, ValueRule::IndexText,
     {caption::PrmDataType}, "", kTEXT},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false,
     InputForm::DataTypeLine, ValueRule::DataTypeLine,
     {caption::DefaultValue, caption::MinMaxOrAllowedValues, 0, caption::DataType},
     "", kUNSIGNED32},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false,
     InputForm::DataTypeLine, ValueRule::DataTypeLine,
     {caption::DefaultValue, caption::MinMaxOrAllowedValues, 0, caption::DataType},
     "", kUNSIGNED16},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false,
     InputForm::DataTypeLine, ValueRule::DataTypeLine,
     {caption::DefaultValue, caption::MinMaxOrAllowedValues, 0, caption::DataType}, "", kUNSIGNED8},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false,
     InputForm::DataTypeLine, ValueRule::DataTypeLine,
     {caption::DefaultValue, caption::MinMaxOrAllowedValues, 0, caption::DataType}, "", kSIGNED32},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false,
     InputForm::DataTypeLine, ValueRule::DataTypeLine,
     {caption::DefaultValue, caption::MinMaxOrAllowedValues, 0, caption::DataType}, "", kSIGNED16},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false,
     InputForm::DataTypeLine, ValueRule::DataTypeLine,
     {caption::DefaultValue, caption::MinMaxOrAllowedValues, 0, caption::DataType}, "", kSIGNED8},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false, InputForm::BitLine, ValueRule::BitLine,
     {caption::AreaOrTextReference, caption::DefaultValue, caption::MinMaxOrAllowedValues,
      caption::DataType},
     "", kBIT},
    {PARENT_MODULE, false, TYPE_SIMPLE_STRING, false, InputForm::BitLine, ValueRule::BitAreaLine,
     {caption::AreaOrTextReference, caption::DefaultValue, caption::MinMaxOrAllowedValues,
      caption::DataType},
     "", kBITAREA},
};
// clang-format on

constexpr GroupName kGroupNames[] = {
    {"ORVEL KVF-File", "glossary_keywords.htm"},
    {"General Keys", "glossary_keys_general.htm"},
    {"Physical interfaces", "glossary_keys_general_pi.htm"},
    {"Master Keys", "glossary_keys_master.htm"},
    {"Master DP-Extension", "glossary_keys_master_dp_extension.htm"},
    {"Slave Keys", "glossary_keys_slave.htm"},
    {"Module Assignment", "glossary_keys_module_assignment.htm"},
    {"Slave DP-Extension", "glossary_keys_slave_dp_extension.htm"},
    {"Slave Data Exchange", "glossary_keys_slave_data_exchange.htm"},
    {"User-defined Keys", "glossary_keywords.htm"},
    {"no database", "glossary_keywords.htm"},
};

} // namespace

std::span<const CatalogueRow> CatalogueRowTable() {
    return kRows;
}
std::span<const GroupName> CatalogueGroupNameTable() {
    return kGroupNames;
}

} // namespace kvf::detail
