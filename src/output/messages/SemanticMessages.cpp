#include "output/MessageParts.h"

namespace kvf::messages {
namespace {

// clang-format off
constexpr MessageDef kMessages[] = {
    // Identification and keywords demanded by revision.
    {64201, "Missing Identification of KVF file for Talveron-DP Devices \"#Talveron_DP\"."},
    {64205, "Undefined Keyword \"%s\". \"%s\" is mandatory for KVF files Revision 1 and higher."},
    {64214, "Missing Keyword. \"%s\" is mandatory for a \"%s\" in KVF files for Slaves."},

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
    {64413, "Missing \"%s\" inside a Module-Definition. \"%s\" is mandatory according to KVF Revision \"%d\"."},
    {64414, "Missing \"%s\" for \"%s\" Baudrate inside a Physical-Interface-Definition."},
    {64415, "Missing mandatory \"%s\" inside a \"%s\"."},
    {64416, "Insufficent memory to perform\nthe check!"},

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
};
// clang-format on

} // namespace

std::span<const MessageDef> SemanticMessages() {
    return kMessages;
}

} // namespace kvf::messages
