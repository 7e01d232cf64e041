#include "core/MessageParts.h"

namespace kvf::messages {
namespace {

// Templates of the semantic rules, then the fixed phrases the rules fill into them (block
// descriptions, rate labels, list names, direction words). Keyword names that rules pass as
// arguments stay with the rule tables.
// clang-format off
constexpr MessageDef kMessages[] = {
    // Identification and keywords demanded by revision.
    {64201, "Missing Identification of KVF file for Talveron-DP Devices \"#Talveron_DP\"."},
    {64205, "Undefined Keyword \"%s\". \"%s\" is mandatory for KVF files Revision 1 and higher."},
    {64214, "Missing Keyword. \"%s\" is mandatory for a \"%s\" in KVF files for Slaves."},
    {64223, "%s should be %s for IO_Direction %s in the Data_Area."},

    // Multiplicity rules.
    {64301, "Mulitple Definition of Keyword \"%s\" inside the Unit-Definition-List of the KVF file."},
    {64302, "Mulitple Definition of Keyword \"%s\" inside a Ext-User-Prm-Data-Definition of the KVF file."},
    {64303, "Mulitple Definition of the Data_Type_Name inside a Ext-User-Prm-Data-Definition of the KVF file."},
    {64304, "Mulitple Definition of Keyword \"%s\" inside a Module-Definition of the KVF file."},
    {64305, "Mulitple Definition of Keyword \"%s\" inside a Physical-Interface-Definition of the KVF file."},
    {64306, "Mulitple Definition of Keyword \"%s\" inside a \"%s\" of the KVF file."},

    // Final rules and mandatory keywords inside blocks.
    {64400, "Undefined Keyword\"%s\".\"%s\" is mandatory for all KVF files."},
    {64401, "Undefined Baudrate. The Keywords for Baudrate Support are grouped, at least one Keyword must be defined."},
    {64402, "Undefined MaxTsdr. The Keywords for MaxTsdr are grouped, at least one Keyword must be defined."},
    {64403, "Undefined Keyword \"%s\". \"%s\" is mandatory for KVF files for a Master Device."},
    {64404, "Undefined Trdy. The Keywords for Trdy are grouped, at least one Keyword must be defined for a Master Device."},
    {64405, "Missing Tqui. The Keywords for Tqui are grouped, at least one Keyword must be defined for a Master Device."},
    {64406, "Missing Tset. The Keywords for Tset are grouped, at least one Keyword must be defined for a Master Device."},
    {64407, "Missing Tsdi. The Keywords for Tsdi are grouped, at least one Keyword must be defined for a Master Device."},
    {64408, "Missing Keyword. \"%s\" is mandatory for KVF of a Slave Device."},
    {64409, "Missing Keyword. \"%s\" is mandatory for KVF Revision %d and higher of a Slave Device."},
    {64410, "Missing Keyword. \"%s\" is mandatory for KVF of a modular Slave Device."},
    {64411, "Missing End of Block. Block \"%s\" must be finished by \"%s\" before the end of KVF file."},
    {64412, "Missing DPV1_Conformance_Class for DPV1_Master."},
    {64413, "Prm-Text-Definition"},
    {64414, "Ext-User-Prm-Data-Definition"},
    {64415, "Unit-Diag-Area-Definition"},
    {64416, "X-Unit-Diag-Area-Definition"},
    {64417, "Missing \"%s\" inside a Module-Definition. \"%s\" is mandatory according to KVF Revision \"%d\"."},
    {64418, "Missing \"%s\" for \"%s\" Baudrate inside a Physical-Interface-Definition."},
    {64419, "Missing mandatory \"%s\" inside a \"%s\"."},
    {64420, "Slot-Definition"},
    {64421, "any"},
    {64422, "Insufficent memory to perform\nthe check!"},
    // Rate labels of the delay rule (the block above is full).
    {64700, "9.6 k"},
    {64701, "19.2 k"},
    {64702, "31.25 k"},
    {64703, "45.45 k"},
    {64704, "93.75 k"},
    {64705, "187.5 k"},
    {64706, "500 k"},
    {64707, "1.5 M"},
    {64708, "3 M"},
    {64709, "6 M"},
    {64710, "12 M"},

    // Context, revision, role and identification rules.
    {64430, "Keyword \"%s\" is specfied inside a \"%s\". \"%s\" could be supposed as userspecific here."},
    {64431, "Keyword \"%s\" is specfied outside a \"%s\". \"%s\" could be supposed as userspecific here."},
    {64432, "Keyword \"%s\" is KVF Revision \"%d\" specfic, but the file is based on KVF Revision \"%d\". \"%s\" could be supposed as userspecific."},
    {64433, "Slavespecific Keyword \"%s\" is defined in a KVF file for a Master Device."},
    {64434, "Masterspecific Keyword \"%s\" is defined in a KVF file for a Slave Device."},
    {64435, "Modular Slave-specific Keyword \"%s\" is defined in a KVF file for a Compact Slave Device."},
    {64436, "KVF_Revision \"%d\" not supported. KVF is checked according to KVF_Revision 5."},
    {64437, "Invalid Ident_Number \"0x%04X\". Please type in the Ident_Number assigned to your device by TALVERON Organization."},
    {64438, "KVF file name does not comply with Ident_Number \"%04x\"."},
    {64439, "Slave_Family \"%d\" exceeds range specified for KVF_Revision \"%d\"."},
    {64440, "Reference_Number \"%d\" exceeds range specified for KVF_Revision \"%d\"."},

    // Baud rates and timing.
    {64460, "There is no MaxTsdr specified for the supported Baudrate."},
    {64461, "There is no Trdy specified for the supported Baudrate of a Master Device."},
    {64462, "There is no Tqui specified for the supported Baudrate of a Master Device."},
    {64463, "There is no Tset specified for the supported Baudrate of a Master Device."},
    {64464, "There is no Tsdi specified for the supported Baudrate of a Master Device."},
    {64465, "The Keyword \"%s\" will be invalid since the Baudrate is not specified inside a Physical-Interface-Definition."},
    {64466, "There is no Baudrate Support specified for the MaxTsdr."},
    {64467, "There is no Baudrate Support specified for the Time Parameter of a Master Device."},
    {64468, "There is no Baudrate Support specified for \"%s\"."},
    {64469, "The Min_Slave_Interval of \"%d\" exceeds range of \"%d\" specified for the baudrate \"%s\"."},
    {64470, "12 Mbit/s"},
    {64471, "6 Mbit/s"},
    {64472, "3 Mbit/s"},
    {64473, "1,5 Mbit/s"},
    {64474, "500 kbit/s"},
    {64475, "for a PA-Slave"},
    {64476, "up to 187,5 kbit/s"},

    // User parameter data, diagnosis, modules, slots and data areas.
    {64608, "Invalid Definition. \"%s\" unequal 0 is required to define \"%s\"."},
    {64609, "The Length of User_Prm_Data exceeds Range. The Length must be equal to the Definition of User_Prm_Data_Len."},
    {64610, "The Definition of Max_Diag_Data_Len is recommended to define \"%s\"."},
    {64611, "The Position of \"%s\" exceeds Range defined by Max_Diag_Data_Len."},
    {64612, "Data_Type Value \"%d\" is %s in IEC 61158:Ed3 Part 6. Length calculation of the Data_Area could be faulty."},
    {64613, "The Value \"%d\" exceeds Range. Value must be in the Range 0..%d of the (X_)Unit_Diag_Area."},
    {64614, "Redefinition of Value \"%d\" in a %s."},
    {64615, "Unexpected End of Configuration Data. Missing I/O-Byte of an Extended Ident Format."},
    {64616, "Unexpected End of Configuration Data. Missing Vendorspecific Data-Byte of an Extended Ident Format."},
    {64617, "Too many Configuration Data for this Module. Maximum Configuration String Length is 244 Characters."},
    {64618, "Ambiguous Module_Reference \"%d\" for this Module. \"%d\" is already used by an other Module."},
    {64619, "The Definition of Max_User_Prm_Data_Len is recommended to define Ext_Module_Prm_Data_Len."},
    {64620, "The Length of (X-)Parameter of the Module exceeds the Range defined by (X-)Max_User_Prm_Data_Len."},
    {64621, "Redefinition of Entry \"%d\" in the %s."},
    {64622, "The Definition of User_Prm_Data_Len will be invalid by use of the Keyword \"%s\"."},
    {64623, "The Definition of User_Prm_Data will be invalid by use of the Keyword \"%s\"."},
    {64624, "The Definition of Max_User_Prm_Data_Len is recommended to define \"%s\"."},
    {64625, "The Length of (X-)Parameter of the Unit exceeds the Range defined by (X-)Max_User_Prm_Data_Len."},
    {64626, "In the referenced PrmText \"%d\" there is no Text defined for Default Value \"%d\"."},
    {64627, "Possibly multiple Use of Offset \"%d\" in the User-Parameter-Definition."},
    {64628, "Unresolved Reference to ExtUserPrmData. No ExtUserPrmData \"%d\" defined."},
    {64629, "Ambiguous ExtUserPrmData \"%d\". \"%d\" is already used by an other ExtUserPrmData."},
    {64630, "No Reference to ExtUserPrmData \"%d\" found."},
    // Texts about definition values; the value checks report those findings themselves.
    {64631, "The Value \"%s\" exceeds Range. The Default_Value must be in the Range defined by the Data_Type_Name."},
    {64632, "The Value \"%s\" exceeds Range. The Min_Value must be in the Range defined by the Data_Type_Name."},
    {64633, "The Value \"%s\" exceeds Range. The Max_Value must be in the Range defined by the Data_Type_Name."},
    {64634, "The Value \"%s\" exceeds Range. The Allowed_Value must be in the Range defined by the Data_Type_Name."},
    {64635, "Invalid Range Definition. Max_Value not less than Min_Value expected."},
    {64636, "Invalid Default_Value. Default_Value not less than Min_Value expected."},
    {64637, "Invalid Default_Value. Default_Value not greater than Max_Value expected."},
    {64639, "Unresolved Reference to PrmText. No PrmText \"%d\" defined."},
    {64640, "Ambiguous PrmText \"%d\". \"%d\" is already used by an other PrmText."},
    {64641, "No Reference to PrmText \"%d\"  found."},
    {64642, "Definition of \"%s(%d)\" is recommended for using the Help Text."},
    {64643, "The \"%s\" specifies not a DP-Device."},
    {64644, "Invalid Length of \"%s\" of this Module. The Length must be equal to \"%s\"."},
    {64645, "Invalid Length of User-Parameter-Definition. The \"%s\" must be in the Range defined by User_Prm_Data_Len."},
    {64646, "Invalid Definition. The Definition of a User-Parameter-Length is required to define \"%s\"."},
    {64649, "The Definition of \"%s\" is possible for \"%s\" only."},
    {64650, "Invalid Definition. User-Parameter-Length of \"%d\" or more is required to define \"%s\"."},
    {64651, "\"%s\" shall be set to 1 when Slot-Definition is used."},
    {64652, "Invalid Definition, Slot_Number %d expected. Slots must start with 1 and arise without gaps."},
    {64653, "Only \"%d\" Byte in the Data_Area defined with length \"%d\" are described by Data_Type(s)."},
    {64654, "Unresolved Reference to Module. Default_Value \"%d\" for Slot is no valid Module_Reference."},
    {64655, "The \"%s\" of \"%d\" exceeds range of \"%d\" specified by %s."},
    {64657, "Missing F_ParamDescCRC for definition of F-Parameter of this module."},
    {64658, "Data_Type Value \"%d\" is reserved in IEC 61158:Ed3 Part 6."},
    {64659, "CFG-Identifier \"%d\" does not exist. Only\"%d\" CFG-Identifier defined in the module."},
    {64660, "The sum \"%d\" of Length of Data_Type definitions exceeds the defined Length of \"%d\" in the Data_Area."},
    {64661, "%s Length \"%d\" of the Data_Area exceeds the length of \"%d\" defined by CFG-Identifier %d in the module."},
    {64662, "Consistence of %s Data in the Data_Area not possible for consistence specified by CFG-Identifier \"%d\"."},
    {64663, "Only \"%d\" %s Data defined with length \"%d\" by CFG-Identifier \"%d\" are described by Data_Area(s)."},
    {64664, "Sum of %s Length \"%d\" of all Data_Areas defined for CFG-Identifier \"%d\" exceeds the length of \"%d\"."},
    {64665, "Data_Type definitions in the Data_Area not possible for consistence or length format of %s data specified by CFG-Identifier \"%d\"."},

    // Names of the diagnosis lists and definitions.
    {64540, "Diagnosis Bits"},
    {64541, "Help Texts for Diagnosis Bits"},
    {64542, "Diagnosis Area"},
    {64543, "Diagnosis Bits in UnitDiagType"},
    {64544, "Help Texts for Diagnosis Bits in UnitDiagType"},
    {64545, "Diagnosis Area in UnitDiagType"},
    {64546, "(X_)Unit_Diag_Area"},
    {64547, "unit's Channel_Diag"},
    {64548, "module's Channel_Diag"},
    {64549, "<Unknown>"},

    // Phrases of the module and slot rules.
    {64570, "Input Length"},
    {64571, "Output Length"},
    {64572, "Parameter"},
    {64573, "F-Parameter"},
    {64574, "X-Parameter"},
    {64575, "Sum of \"Max_Input_Len\" and \"Max_Output_Len\""},
    {64576, "\"Max_Module\" or \"Modular_Station\" not set"},
    {64577, "nonmodular station"},

    // Phrases of the data area rules.
    {64590, "with variable length"},
    {64591, "user specific"},
    {64592, "Input"},
    {64593, "Output"},
    {64594, "Publisher_allowed or DP_Master_Allowed"},
    {64595, "TRUE"},
    {64596, "OUTPUT"},

    // Phrases of the prerequisite rules.
    {64670, "C1_Read_Write_supp or C2_Read_Write_supp"},
};
// clang-format on

} // namespace

std::span<const MessageDef> SemanticMessages() {
    return kMessages;
}

} // namespace kvf::messages
