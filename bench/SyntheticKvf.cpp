#include "SyntheticKvf.h"

#include <string>

namespace kvf::bench {

namespace {

const char* const kHeader = R"(; synthetic device description
#TALVERON_DP
KVF_Revision = 3
Vendor_Name = "ACME"
Model_Name = "Bench Box"
Revision = "V1.0"
Ident_Number = 0x1234
Protocol_Ident = 0
Station_Type = 0
Hardware_Release = "HW1"
Software_Release = "SW1"
9.6_supp = 1
12M_supp = 1
MaxTsdr_9.6 = 60
MaxTsdr_12M = 800
Min_Slave_Intervall = 6
Modular_Station = 1
Max_Module = 244
Max_Input_Len = 244
Max_Output_Len = 244
Max_Data_Len = 488
Max_Diag_Data_Len = 244
Slave_Family = 3
User_Prm_Data_Len = 10
User_Prm_Data = 0x00,0x01,0x02,0x03,0x04,\
                0x05,0x06,0x07,0x08,0x09
)";

} // namespace

std::string SyntheticKvf(int lines) {
    std::string text = kHeader;
    int written = 26;
    for (int n = 1; written < lines; ++n) {
        std::string id = std::to_string(n);
        text += "PrmText = " + id +
                "\n"
                "Text(0) = \"Off\"\n"
                "Text(1) = \"On\"\n"
                "EndPrmText\n"
                "ExtUserPrmData = " +
                id + " \"Parameter " + id +
                "\"\n"
                "Unsigned8 1 0-255\n"
                "Prm_Text_Ref = " +
                id +
                "\n"
                "EndExtUserPrmData\n"
                "Unit_Diag_Bit(" +
                std::to_string(n % 400) + ") = \"Diagnosis text " + id +
                "\"\n"
                "Module = \"Module " +
                id + "\" 0x13,0x23 ; in and out\n" + id +
                "\n"
                "Ext_Module_Prm_Data_Len = 4\n"
                "Ext_User_Prm_Data_Const(0) = 0x01,0x02,\\\n"
                "                             0x03,0x04\n"
                "Ext_User_Prm_Data_Ref(1) = " +
                id +
                "\n"
                "Info_Text = \"A module of the synthetic device\"\n"
                "EndModule\n";
        written += 17;
    }
    return text;
}

} // namespace kvf::bench
