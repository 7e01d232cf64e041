// The string-table texts that belong to the keyword catalogue: the help text of every
// keyword (shown in the input view) and the captions of the input forms.

#include "core/MessageIds.h"
#include "core/MessageParts.h"

namespace kvf::messages {
namespace {

constexpr MessageDef kMessages[] = {
    // Captions of the choice, check-box and field layouts.
    {caption::DpSlave, "DP-Slave"},
    {caption::DpMaster, "DP-Master"},
    {caption::SupportsFeature, "The device supports this feature."},
    {caption::RequestsFeature, "The device requests this feature."},
    {caption::NotSupported, "Not supported"},
    {caption::Rs485, "RS-485"},
    {caption::Ttl, "TTL"},
    {caption::Input, "Input"},
    {caption::Output, "Output"},
    {caption::Bit, "Bit"},
    {caption::Value, "Value"},
    {caption::Error, "Error"},
    {caption::Offset, "Offset"},
    {caption::Reference, "Reference"},
    {caption::PrmDataType, "Prm_Data_Type"},
    {caption::FirstBit, "First_Bit"},
    {caption::LastBit, "Last_Bit"},
    {caption::ReferenceOffset, "Reference_Offset"},
    {caption::ReferenceNumber, "Reference_Number"},
    {caption::SubsystemType, "Type of subsystem"},
    {caption::Index, "Index"},
    {caption::ConfigString, "Config-String:"},
    {caption::SlotNumber, "Slot Number:"},
    {caption::CompactDevice, "Compact Device"},
    {caption::ModularDevice, "Modular Device"},
    {caption::AreaOrTextReference, "Area or Text-Reference"},
    {caption::DefaultValue, "Default Value"},
    {caption::MinMaxOrAllowedValues, "Min-Max or Allowed Values"},
    {caption::DataType, "Data Type:"},
    {caption::SlotName, "Slot Name:"},

    // Help texts: "Help:", the description, the value type and, for choices, the meaning of
    // each value.
    {45, "Help:\n"
         "Here, the configuration ID or IDs of a module of a modular DP slave are given, after the "
         "name of the module.\n"
         "Type: Octet-String (17)"},
    {12001, "Help:\n"
            "Version of the KVF format that applies to this file.\n"
            "Type: Unsigned8"},
    {12002, "Help:\n"
            "Name of the manufacturer.\n"
            "Type: Visible-String (32)"},
    {12003, "Help:\n"
            "The manufacturer's designation of the DP device.\n"
            "Type: Visible-String (32)"},
    {12004, "Help:\n"
            "Revision version of the DP device.\n"
            "Type: Visible-String (32)"},
    {12005, "Help:\n"
            "Version ID of the DP device, given as a number.\n"
            "Type: Unsigned8 (1 to 63)"},
    {12006, "Help:\n"
            "Identification number of the DP device type.\n"
            "Type: Unsigned16"},
    {12007, "Help:\n"
            "Protocol ID of the DP device, assigned by the TALVERON office.\n"
            "Type: Unsigned8"},
    {12008, "Help:\n"
            "Type of the DP device.\n"
            "Type: Unsigned8\n"
            "0: DP-Slave\n"
            "1: DP-Master"},
    {12009, "Help:\n"
            "The device is a mixed FMS/DP device.\n"
            "Type: Boolean (1: True)"},
    {12010, "Help:\n"
            "Hardware release of the DP device.\n"
            "Type: Visible-String (32)"},
    {12011, "Help:\n"
            "Software release of the DP device.\n"
            "Type: Visible-String (32)"},
    {12020, "Help:\n"
            "The device supports the baud rate 9.6 kBaud.\n"
            "Type: Boolean (1: True)"},
    {12021, "Help:\n"
            "The device supports the baud rate 19.2 kBaud.\n"
            "Type: Boolean (1: True)"},
    {12022, "Help:\n"
            "The device supports the baud rate 31.25 kBaud.\n"
            "Type: Boolean (1: True)"},
    {12023, "Help:\n"
            "The device supports the baud rate 45.45 kBaud.\n"
            "Type: Boolean (1: True)"},
    {12024, "Help:\n"
            "The device supports the baud rate 93.75 kBaud.\n"
            "Type: Boolean (1: True)"},
    {12025, "Help:\n"
            "The device supports the baud rate 187.5 kBaud.\n"
            "Type: Boolean (1: True)"},
    {12026, "Help:\n"
            "The device supports the baud rate 500 kBaud.\n"
            "Type: Boolean (1: True)"},
    {12027, "Help:\n"
            "The device supports the baud rate 1.5 MBaud.\n"
            "Type: Boolean (1: True)"},
    {12028, "Help:\n"
            "The device supports the baud rate 3 MBaud.\n"
            "Type: Boolean (1: True)"},
    {12029, "Help:\n"
            "The device supports the baud rate 6 MBaud.\n"
            "Type: Boolean (1: True)"},
    {12030, "Help:\n"
            "The device supports the baud rate 12 MBaud.\n"
            "Type: Boolean (1: True)"},
    {12040, "Help:\n"
            "This value gives the maximum station delay time (maxTSDR) of the device at the baud "
            "rate named in the keyword.\n"
            "Type: Unsigned16"},
    {12060, "Help:\n"
            "This value states whether the device supports redundancy.\n"
            "Type: Boolean"},
    {12061, "Help:\n"
            "Here, the level of the connector signal CNTR-P is given.\n"
            "Type: Unsigned8\n"
            "0: Not supported\n"
            "1: RS-485\n"
            "2: TTL"},
    {12062, "Help:\n"
            "Here, the meaning of the connector signals M24V and P24V is given.\n"
            "Type: Unsigned8\n"
            "0: Not supported\n"
            "1: Input\n"
            "2: Output"},
    {12063, "Help:\n"
            "Here, a text states which standard implementation the device is built on.\n"
            "Type: Visible-String (32)"},
    {12064, "Help:\n"
            "Here, the file name (*.DIB) of the bitmap file for the device symbol (Bitmap_Device) "
            "is given, without the extension.\n"
            "Type: Visible-String (8)"},
    {12065, "Help:\n"
            "Here, the file name (*.DIB) of the bitmap file for the diagnosis symbol (Bitmap_Diag) "
            "is given, without the extension.\n"
            "Type: Visible-String (8)"},
    {12066, "Help:\n"
            "Here, the file name (*.DIB) of the bitmap file for the SF symbol (Bitmap_SF) is "
            "given, without the extension.\n"
            "Type: Visible-String (8)"},
    {13001, "Help:\n"
            "This value identifies the execution of the Physical Layer of the interface. It begins "
            "the definition of a physical interface, which End_Physical_Interface closes.\n"
            "Type: Unsigned8"},
    {13002, "Help:\n"
            "Here, the definition of the physical interface ends."},
    {13010, "Help:\n"
            "This parameter gives the transmission delay of the device at the baud rate named in "
            "the keyword.\n"
            "Type: Unsigned16"},
    {13020, "Help:\n"
            "This parameter gives the reaction delay of the device at the baud rate named in the "
            "keyword.\n"
            "Type: Unsigned16"},
    {14001, "Help:\n"
            "The DP device supports the Freeze mode.\n"
            "Type: Boolean (1:True)"},
    {14002, "Help:\n"
            "The DP device supports the Sync mode.\n"
            "Type: Boolean (1:True)"},
    {14003, "Help:\n"
            "The DP device supports the Fail Safe mode.\n"
            "Type: Boolean (1:True)"},
    {14004, "Help:\n"
            "The DP device supports the function Download together with Start_seq and the other "
            "sequence functions that belong to it.\n"
            "Type: Boolean (1: True)"},
    {14005, "Help:\n"
            "The DP device supports the function Upload together with Start_seq and the other "
            "sequence functions that belong to it.\n"
            "Type: Boolean (1: True)"},
    {14006, "Help:\n"
            "The DP device supports the function Act_Para_Brct.\n"
            "Type: Boolean (1: True)"},
    {14007, "Help:\n"
            "The DP device supports the function Act_Param.\n"
            "Type: Boolean (1: True)"},
    {14008, "Help:\n"
            "Maximum memory size, in bytes, that the DP device makes available for the master "
            "parameter set (MPS).\n"
            "Type: Unsigned32"},
    {14009, "Help:\n"
            "Here, the maximum L_sdu length for master-master communication is given.\n"
            "Type: Unsigned8"},
    {14010, "Help:\n"
            "Here, the maximum L_sdu length for all master-slave communication is given.\n"
            "Type: Unsigned8"},
    {14011, "Help:\n"
            "This value states how long a DP master (Class 1) needs at least as its poll timeout.\n"
            "Type: Unsigned16"},
    {14020, "Help:\n"
            "This value gives the Ready Time (TRDY) at the baud rate named in the keyword."},
    {14040,
     "Help:\n"
     "This value gives the modulator fading time (TQUI) at the baud rate named in the keyword.\n"
     "Type: Unsigned8"},
    {14060, "Help:\n"
            "This value gives the setup time (TSET) at the baud rate named in the keyword.\n"
            "Type: Unsigned8"},
    {14080, "Help:\n"
            "This value states how many entries the device can hold in its list of active stations "
            "(LAS).\n"
            "Type: Unsigned8"},
    {14090, "Help:\n"
            "This value gives the station delay time (Tsdi) of the device at the baud rate named "
            "in the keyword.\n"
            "Type: Unsigned16"},
    {14110, "Help:\n"
            "This value states how many DP slave stations a DP master can handle.\n"
            "Type: Unsigned8"},
    {14111, "Help:\n"
            "Here, the maximum length of the input data per DP slave is given.\n"
            "Type: Unsigned8"},
    {14112, "Help:\n"
            "Here, the maximum length of the output data per DP slave is given.\n"
            "Type: Unsigned8"},
    {14113,
     "Help:\n"
     "Here, the largest sum of the lengths of the output and input data per DP slave is given.\n"
     "Type: Unsigned16"},
    {15001, "Help:\n"
            "The DP master supports the DPV1 extensions of the DP protocol.\n"
            "Type: Boolean (1: True)"},
    {15002, "Help:\n"
            "This value gives the Conformance Class of the DP master.\n"
            "Type: Unsigned8"},
    {15003, "Help:\n"
            "The DP master (Class 1) supports the Read and Write services.\n"
            "Type: Boolean (1: True)"},
    {15004, "Help:\n"
            "The DP master (Class 1) supports alarms.\n"
            "Type: Boolean (1: True)"},
    {15005,
     "Help:\n"
     "The DP device supports Diagnostic_Alarm. A diagnostic alarm reports a diagnosis event.\n"
     "Type: Boolean (1: True)"},
    {15006,
     "Help:\n"
     "The DP device supports Process_Alarm. A process alarm signals an event of the process.\n"
     "Type: Boolean (1: True)"},
    {15007, "Help:\n"
            "The DP device supports Pull_Alarm. A pull alarm signals the removal of a module.\n"
            "Type: Boolean (1: True)"},
    {15008, "Help:\n"
            "The DP device supports Status_Alarm. A status alarm signals a change of state.\n"
            "Type: Boolean (1: True)"},
    {15009, "Help:\n"
            "The DP device supports Update_Alarm. An update alarm signals a change of parameters.\n"
            "Type: Boolean (1: True)"},
    {15010, "Help:\n"
            "The DP device supports Manufacturer_Specific_Alarm. Such an alarm signals an event "
            "that the manufacturer defines.\n"
            "Type: Boolean (1: True)"},
    {15011, "Help:\n"
            "In addition to SAP51, the alarm acknowledgement (MSAL_Alarm_Ack) can be handled on a "
            "further SAP.\n"
            "Type: Boolean (1: True)"},
    {15012,
     "Help:\n"
     "The DP master supports the Alarm Sequence Mode; the value gives the mode it supports.\n"
     "Type: Unsigned8"},
    {15013, "Help:\n"
            "The DP master supports the Alarm Type Mode of alarm handling.\n"
            "Type: Boolean (1: True)"},
    {16001, "Help:\n"
            "The DP device supports the Freeze mode.\n"
            "Type: Boolean (1: True)"},
    {16002, "Help:\n"
            "The DP device supports the Sync mode.\n"
            "Type: Boolean (1: True)"},
    {16003, "Help:\n"
            "The DP device supports automatic baud rate recognition.\n"
            "Type: Boolean (1: True)"},
    {16004, "Help:\n"
            "The DP device supports the function Set_Slave_Add.\n"
            "Type: Boolean (1: True)"},
    {16005, "Help:\n"
            "Here, the length of User_Prm_Data is given.\n"
            "Type: Unsigned8"},
    {16006,
     "Help:\n"
     "User-specific field. Gives the default value of the User_Prm_Data as a list of octets.\n"
     "Type: Octet-String"},
    {16007, "Help:\n"
            "This time gives the minimum interval between two slave list cycles.\n"
            "Type: Unsigned16"},
    {16008, "Help:\n"
            "Here it is stated whether the DP device is a modular station.\n"
            "Type: Boolean (0: compact device, 1: modular device)"},
    {16009, "Help:\n"
            "Here, the maximum number of modules of a modular station is given.\n"
            "Type: Unsigned8"},
    {16010, "Help:\n"
            "Here, the maximum length of the input data of a modular station is given.\n"
            "Type: Unsigned8"},
    {16011, "Help:\n"
            "Here, the maximum length of the output data of a modular station is given.\n"
            "Type: Unsigned8"},
    {16012, "Help:\n"
            "Here, the length of User_Prm_Data is given.\n"
            "Type: Unsigned8"},
    {16013, "Help:\n"
            "To show status and error messages of a device as text, a text is assigned here to a "
            "bit of the device-related diagnosis.\n"
            "Type: Unsigned16"},
    {16020, "Help:\n"
            "Between the keywords (X_)Unit_Diag_Area and (X_)Unit_Diag_Area_End, texts are "
            "assigned to the values of a bit field of the diagnosis. The value gives the first and "
            "the last bit of the field.\n"
            "Type: Unsigned16"},
    {16021, "Help:\n"
            "Here, the (X_) Diag Area ends."},
    {16024, "Help:\n"
            "(X_)Value in the bit field, with the text shown for it.\n"
            "Type: Unsigned16"},
    {16031, "Help:\n"
            "Here, the module definition ends."},
    {16034, "Help:\n"
            "Here, the reference of the module description is given.\n"
            "Type: Unsigned16"},
    {16035, "Help:\n"
            "Here, the length of the associated User_Prm_Data is defined.\n"
            "Type: Unsigned8 (0..244)"},
    {16040, "Help:\n"
            "With the keyword Channel_Diag, a text is assigned to an error type of the "
            "channel-related diagnosis.\n"
            "Type: Unsigned8  (16 <= Error_Type <= 31)"},
    {16041, "Help:\n"
            "Here it is stated whether the DP slave accepts a data message in fail-safe mode.\n"
            "Type: Boolean (1: True)"},
    {16042, "Help:\n"
            "Here, the maximum length of the diagnostic information is given.\n"
            "Type: Unsigned8 (6 - 244)"},
    {16043, "Help:\n"
            "Here, the slot number is given that is to appear for the first module.\n"
            "Type: Unsigned8"},
    {16044, "Help:\n"
            "Here, the DP slave is assigned to a function class. The main family can be followed "
            "by sub-families, each separated by the character @.\n"
            "Type: Unsigned8"},
    {16050, "Help:\n"
            "This parameter is a count used to delay the update of the diagnosis.\n"
            "Type: Unsigned8"},
    {16051, "Help:\n"
            "This keyword corresponds to the keyword \"Fail_Safe\"; here the device requires the "
            "fail-safe mode.\n"
            "Type: Boolean (1: True)"},
    {16052, "Help:\n"
            "Here, additional information about the device or the module can be given.\n"
            "Type: Visible String(256)"},
    {16053, "Help:\n"
            "Here, the maximum length of the User_Prm_Data is given.\n"
            "Type: Unsigned8 (0 - 237)"},
    {16054, "Help:\n"
            "Here, a reference to a User_Prm_Data description is given.\n"
            "Type: Unsigned8"},
    {16055, "Help:\n"
            "Here, a constant part of the User_Prm_Data is given: the offset in the User_Prm_Data, "
            "then the octets.\n"
            "Type: Unsigned8"},
    {16060,
     "Help:\n"
     "Between the keywords ExtUserPrmData and EndExtUserPrmData, a parameter of the User_Prm_Data "
     "is described. The value gives the reference number and the name of the parameter.\n"
     "Type: Unsigned16"},
    {16061, "Help:\n"
            "Here, the Ext User Prm Data definition ends."},
    {16063, "Help:\n"
            "Between the keywords PrmText and EndPrmText, possible values of a parameter are given "
            "texts.\n"
            "Type: Unsigned16"},
    {16064, "Help:\n"
            "Here, the definition of the Prm Text ends."},
    {17001, "Help:\n"
            "Between the keywords SlotDefinition and EndSlotDefinition, the slots of a modular "
            "device are defined."},
    {17002, "Help:\n"
            "Between the keywords SlotDefinition and EndSlotDefinition, the slots of a modular "
            "device are defined. Here, the definition ends."},
    {17003, "Help:\n"
            "This parameter gives the modules which can be used in a slot: the slot number, the "
            "slot name, the default module and the allowed modules."},
    {18001, "Help:\n"
            "True if the device uses DPV1 functionality.\n"
            "Type: Boolean (1: True)"},
    {18002, "Help:\n"
            "The DP slave with extended functionality supports the Read and Write services of a "
            "Class 1 master (C1).\n"
            "Type: Boolean (1: True)"},
    {18003, "Help:\n"
            "The DP slave with extended functionality supports the Read and Write services of a "
            "Class 2 master (C2).\n"
            "Type: Boolean (1: True)"},
    {18004,
     "Help:\n"
     "The parameter gives the maximum length of user data for the C1 Read and Write services.\n"
     "Type: Unsigned8 (0 .. 240)"},
    {18005,
     "Help:\n"
     "The parameter gives the maximum length of user data for the C2 Read and Write services.\n"
     "Type: Unsigned8 (0,48 .. 240)"},
    {18006, "Help:\n"
            "The parameter C1_Response_Timeout represents the efficiency of the device in "
            "answering C1 services.\n"
            "Type: Unsigned16 (1 .. 65535)"},
    {18007, "Help:\n"
            "The parameter C2_Response_Timeout represents the efficiency of the device in "
            "answering C2 services.\n"
            "Type: Unsigned16 (1 .. 65535)"},
    {18008, "Help:\n"
            "The DP slave or a slave module requires C1_Read_Write services to be used.\n"
            "Type: Boolean (1: True)"},
    {18009, "Help:\n"
            "The DP slave or a slave module requires C2_Read_Write services to be used.\n"
            "Type: Boolean (1: True)"},
    {18010, "Help:\n"
            "The parameter defines the maximum number of active C2 channels.\n"
            "Type: Unsigned8 (0 .. 49)"},
    {18011, "Help:\n"
            "The parameter gives the maximum length of user data of the Initiate PDU.\n"
            "Type: Unsigned8 (0,52.. 244)"},
    {18012,
     "Help:\n"
     "The DP device supports Diagnostic_Alarm. A diagnostic alarm reports a diagnosis event.\n"
     "Type: Boolean (1: True)"},
    {18013,
     "Help:\n"
     "The DP device supports Process_Alarm. A process alarm signals an event of the process.\n"
     "Type: Boolean (1: True)"},
    {18014,
     "Help:\n"
     "The DP device supports Pull_Plug_Alarm. A pull alarm signals the removal of a module.\n"
     "Type: Boolean (1: True)"},
    {18015, "Help:\n"
            "The DP device supports Status_Alarm. A status alarm signals a change of state.\n"
            "Type: Boolean (1: True)"},
    {18016, "Help:\n"
            "The DP device supports Update_Alarm. An update alarm signals a change of parameters.\n"
            "Type: Boolean (1: True)"},
    {18017, "Help:\n"
            "The DP device supports Manufacturer_Specific_Alarm. Such an alarm signals an event "
            "that the manufacturer defines.\n"
            "Type: Boolean (1: True)"},
    {18018, "Help:\n"
            "In addition to SAP51, the MSAL_Alarm_Ack can be handled on a further SAP.\n"
            "Type: Boolean (1: True)"},
    {18019, "Help:\n"
            "The DP slave supports the Alarm_Sequence_Mode for alarm handling; the value gives the "
            "mode it supports.\n"
            "Type: Unsigned8 (0, 2 .. 32)"},
    {18020, "Help:\n"
            "The DP slave supports the Type Mode for alarm handling.\n"
            "Type: Boolean (1: True)"},
    {18021,
     "Help:\n"
     "The DP slave or a slave module requires alarm handling to be enabled for Diagnostic_Alarm.\n"
     "Type: Boolean (1: True)"},
    {18022,
     "Help:\n"
     "The DP slave or a slave module requires alarm handling to be enabled for Process_Alarm.\n"
     "Type: Boolean (1: True)"},
    {18023,
     "Help:\n"
     "The DP slave or a slave module requires alarm handling to be enabled for Pull_Plug_Alarm.\n"
     "Type: Boolean (1: True)"},
    {18024,
     "Help:\n"
     "The DP slave or a slave module requires alarm handling to be enabled for Status_Alarm.\n"
     "Type: Boolean (1: True)"},
    {18025,
     "Help:\n"
     "The DP slave or a slave module requires alarm handling to be enabled for Update_Alarm.\n"
     "Type: Boolean (1: True)"},
    {18026, "Help:\n"
            "The DP slave or a slave module requires alarm handling to be enabled for "
            "Manufacturer_Specific_Alarm.\n"
            "Type: Boolean (1: True)"},
    {18027, "Help:\n"
            "The DP slave uses the vendor-specific data of the extended data types.\n"
            "Type: Boolean (1: True)"},
    {18028, "Help:\n"
            "The DP slave supports the time base of 1 millisecond for the watchdog.\n"
            "Type: Boolean (1: True)"},
    {18029, "Help:\n"
            "With this parameter the slave indicates the possibility of another mode of checking "
            "the configuration.\n"
            "Type: Boolean (1: True)"},
    {18201, "Help:\n"
            "The DP slave supports the service Publisher of Data Exchange.\n"
            "Type: Boolean (1: True)"},
    {18202, "Help:\n"
            "The DP slave supports the Subscriber functionality of Data Exchange.\n"
            "Type: Boolean (1: True)"},
    {18203, "Help:\n"
            "The maximum number of supported links to different Publishers.\n"
            "Type: Unsigned8 (0..125)"},
    {18204, "Help:\n"
            "The maximum data length (in one piece) for a supported link to a Publisher.\n"
            "Type: Unsigned8 (1..244)"},
    {18205, "Help:\n"
            "The location (SAP) which the slave supports for getting the subscriber table.\n"
            "Type: Unsigned8"},
    {18221, "Help:\n"
            "This parameter indicates whether the slave supports the isochronous mode.\n"
            "Type: Boolean (1: True)"},
    {18222, "Help:\n"
            "This parameter indicates whether the slave requires the isochronous mode.\n"
            "Type: Boolean (1: True)"},
    {18223, "Help:\n"
            "Time base of TDP (the DP cycle time), TDP_MIN and TDP_MAX.\n"
            "Type: Unsigned32 (375, 750, 1500, 3000, 6000, 12000)"},
    {18224, "Help:\n"
            "Minimum of TDP, the DP cycle time, based on TBASE_DP.\n"
            "Type: Unsigned16 (1..65535)"},
    {18225, "Help:\n"
            "The maximum DP cycle time supported by the DP device, based on TBASE_DP.\n"
            "Type: Unsigned16 (1..65535)"},
    {18226, "Help:\n"
            "The maximum value of the jitter which is acceptable at the device.\n"
            "Type: Unsigned16"},
    {18227, "Help:\n"
            "Time base of TI and TO, where TI is the point in time when the inputs are read and TO "
            "the point in time when the outputs take effect.\n"
            "Type: Unsigned32"},
    {18228,
     "Help:\n"
     "The minimum time, based on TBASE_IO, that is necessary to get and prepare the inputs.\n"
     "Type: Unsigned16"},
    {18229, "Help:\n"
            "The minimum time, based on TBASE_IO, that is necessary at the end of the cycle to put "
            "out the outputs.\n"
            "Type: Unsigned16"},
    {18301, "Help:\n"
            "This parameter indicates whether a master device can synchronise in isochronous mode, "
            "and how.\n"
            "Type: Unsigned8 (0-3)"},
    {18302, "Help:\n"
            "The DP master supports the service of Data Exchange with subscribers.\n"
            "Type: Boolean (1: True)"},
    {18303, "Help:\n"
            "Indicates whether the Prm_SAP is supported by the master.\n"
            "Type: Boolean (1: True)"},
    {18313, "Help:\n"
            "Here, the definition of the Unit Diag Type ends."},
    {18321, "Help:\n"
            "Here, the length of the associated User_Prm_Data is defined.\n"
            "Type: Unsigned8 (0..244)"},
    {18322, "Help:\n"
            "Here, the length of the associated User_Prm_Data is defined.\n"
            "Type: Unsigned8 (0..237)"},
    {18323,
     "Help:\n"
     "To read the fail-safe parameter description safely, its checksum (CRC) is given here.\n"
     "Type: Unsigned16"},
    {18331, "Help:\n"
            "Indicates whether the X_Prm_SAP is supported by the slave.\n"
            "Type: Boolean"},
    {18332, "Help:\n"
            "Here, the maximum length of the ExtUserPrmData is given.\n"
            "Type: Unsigned8 (1 - 244)"},
    {18333,
     "Help:\n"
     "Here, the slave indicates that the block structure of the parameter data is supported.\n"
     "Type: Boolean (1: True)"},
    {18334,
     "Help:\n"
     "Here, the slave indicates that the block structure of the parameter data is supported.\n"
     "Type: Boolean (1: True)"},
    {18335, "Help:\n"
            "This parameter indicates whether the slave requires the block structure of the "
            "parameter data.\n"
            "Type: Boolean"},
    {18341, "Help:\n"
            "Indicates whether this user parameter shall be changeable in the configuration.\n"
            "Type: Boolean (1:True, default = 1 if not present)"},
    {18342, "Help:\n"
            "Indicates whether this user parameter shall be visible in the configuration.\n"
            "Type: Boolean (1:True, default = 1 if not present)"},
    {18501,
     "Help:\n"
     "Here, additional information about the manufacturer-specific diagnosis bit can be given.\n"
     "Type: Unsigned16"},
    {18503, "Help:\n"
            "Here, additional information about the manufacturer-specific value can be given.\n"
            "Type: Unsigned16"},
    {18504, "Help:\n"
            "Between the keywords Data_Area_Beg and Data_Area_End, a data area of the module is "
            "described."},
    {18505, "Help:\n"
            "Here, the Data Area definition ends."},
    {18506, "Help:\n"
            "Name of the data area that is described.\n"
            "Type: Visible-String (32)"},
    {18507, "Help:\n"
            "Index of the CFG ID byte in the module, beginning with 1.\n"
            "Type: Unsigned8"},
    {18508, "Help:\n"
            "Direction of the described Data_Area, Input or Output.\n"
            "Type: Boolean\n"
            "0: Input\n"
            "1: Output"},
    {18509, "Help:\n"
            "Length of the Data_Area in bytes.\n"
            "Type: Unsigned8"},
    {18510, "Help:\n"
            "Consistency of the given Data_Type or of the whole Data_Area.\n"
            "Type: Unsigned8"},
    {18511, "Help:\n"
            "The Data_Area is valid for received Publisher data.\n"
            "Type: Boolean"},
    {18512, "Help:\n"
            "The Data_Area is valid for received Master data.\n"
            "Type: Boolean"},
    {18513, "Help:\n"
            "Gives the data type. This value follows the standard numbering of data types.\n"
            "Type: Unsigned8"},
    {18514, "Help:\n"
            "Here, additional information about the manufacturer-specific channel error type can "
            "be given.\n"
            "Type: Unsigned16"},
    {18515, "Help:\n"
            "Indicates whether the slave supports a Jokerblock.\n"
            "Type: Boolean"},
    {18516, "Help:\n"
            "This parameter indicates whether the slave supports the PrmCmd.\n"
            "Type: Boolean"},
    {18517, "Help:\n"
            "This parameter indicates whether the slave requires the master to use the PrmCmd.\n"
            "Type: Boolean"},
    {18518, "Help:\n"
            "This parameter indicates whether the slave or module supports identification and "
            "maintenance.\n"
            "Type: Boolean"},
    {18519, "Help:\n"
            "This parameter indicates whether the slave supports clock synchronisation.\n"
            "Type: Boolean"},
    {18520,
     "Help:\n"
     "Time needed within a slave from the receipt of a PrmCmd until the switch-over is complete.\n"
     "Type: Unsigned16"},
    {18521, "Help:\n"
            "The slave supports slave redundancy according to the TALVERON rules for redundancy.\n"
            "Type: Unsigned8"},
    {18522,
     "Help:\n"
     "Between the parameters Jokerblock_Type and End_Jokerblock_Type, a Jokerblock is described.\n"
     "Type: Unsigned8"},
    {18523, "Help:\n"
            "Here, the Jokerblock Type definition ends."},
    {18524, "Help:\n"
            "This parameter indicates the referenced Slot_Number of the Jokerblock.\n"
            "Type: Unsigned8"},
    {18525, "Help:\n"
            "Location (SAP) where the Jokerblock should be inserted.\n"
            "Type: Unsigned8"},
    {65082, "Help:\n"
            "This reference number has to be the same as the reference number of the PrmText block "
            "that holds the texts.\n"
            "Type: Unsigned16"},
    {65085, "Help:\n"
            "Description of the parameter value.\n"
            "Type: Visible-String (32)"},
    {65098, "Help:\n"
            "Data_Type_Name: the data type of the parameter, followed by its default value and its "
            "allowed values.\n"
            "Type: Visible-String (32)"},
};

} // namespace

std::span<const MessageDef> CatalogueMessages() {
    return kMessages;
}

} // namespace kvf::messages
