#include "SemanticKvf.h"

#include <algorithm>
#include <string>

namespace kvf::bench {

namespace {

const char* const kHeader = R"(#TALVERON_DP
KVF_Revision = 5
Vendor_Name = "ACME"
Model_Name = "Bench Box"
Revision = "V1.0"
Ident_Number = 0x1234
Protocol_Ident = 0
Station_Type = 0
Hardware_Release = "HW1"
Software_Release = "SW1"
9.6_supp = 1
MaxTsdr_9.6 = 60
Min_Slave_Intervall = 6
Max_Diag_Data_Len = 244
Slave_Family = 3
Max_User_Prm_Data_Len = 237
)";

std::string Module(int n, const std::string& body) {
    return "Module = \"M" + std::to_string(n) + "\" 0x13\n" + std::to_string(n) + "\n" + body +
           "EndModule\n";
}

} // namespace

std::string ParameterKvf(int definitions) {
    std::string text = kHeader;
    const int tables = std::max(1, definitions / 10);
    for (int t = 1; t <= tables; ++t) {
        text += "PrmText = " + std::to_string(t) + "\n";
        for (int v = 9; v >= 0; --v)
            text += "Text(" + std::to_string(v) + ") = \"Value " + std::to_string(v) + "\"\n";
        text += "EndPrmText\n";
    }
    for (int d = 1; d <= definitions; ++d) {
        std::string id = std::to_string(d);
        text += "ExtUserPrmData = " + id + " \"Parameter " + id + "\"\n";
        switch (d % 3) {
        case 0:
            text += "Bit(" + std::to_string(d % 8) + ") 0 0-1\n";
            break;
        case 1:
            text += "Unsigned8 1 0-9\n";
            break;
        default:
            text += "Unsigned16 1 0-9\n";
            break;
        }
        text += "Prm_Text_Ref = " + std::to_string(1 + d % tables) + "\nEndExtUserPrmData\n";
    }
    for (int d = 1; d <= definitions; ++d)
        text +=
            "Ext_User_Prm_Data_Ref(" + std::to_string(d % 230) + ") = " + std::to_string(d) + "\n";
    for (int m = 1; m <= std::max(1, definitions / 50); ++m) {
        std::string body = "Ext_User_Prm_Data_Const(0) = 0x01,0x02\n";
        for (int r = 0; r < 10; ++r)
            body += "Ext_User_Prm_Data_Ref(" + std::to_string(2 + r) +
                    ") = " + std::to_string(1 + (m * 10 + r) % definitions) + "\n";
        text += Module(m, body);
    }
    return text;
}

std::string DiagnosisKvf(int bits) {
    std::string text = kHeader;
    const int unitBits = std::min(bits, 200);
    for (int b = 0; b < unitBits; ++b) {
        std::string bit = std::to_string(b);
        text += "Unit_Diag_Bit(" + bit + ") = \"Bit " + bit + "\"\n";
        text += "Unit_Diag_Bit_Help(" + bit + ") = \"Help " + bit + "\"\n";
    }
    for (int first = 200; first < 480; first += 8) {
        text +=
            "Unit_Diag_Area = " + std::to_string(first) + "-" + std::to_string(first + 7) + "\n";
        for (int v = 0; v < 4; ++v)
            text += "Value(" + std::to_string(v) + ") = \"V\"\nValue_Help(" + std::to_string(v) +
                    ") = \"H\"\n";
        text += "Unit_Diag_Area_End\n";
    }
    int extended = bits - unitBits;
    for (int block = 1; extended > 0; ++block) {
        text += "UnitDiagType = " + std::to_string(block) + "\n";
        for (int b = 24; b < 424 && extended > 0; ++b, --extended) {
            std::string bit = std::to_string(b);
            text += "X_Unit_Diag_Bit(" + bit + ") = \"X " + bit + "\"\n";
            text += "X_Unit_Diag_Bit_Help(" + bit + ") = \"H\"\n";
        }
        text += "X_Unit_Diag_Area = 430-437\nX_Value(0) = \"V\"\nX_Value_Help(0) = \"H\"\n"
                "X_Unit_Diag_Area_End\nEndUnitDiagType\n";
    }
    for (int m = 1; m <= std::max(1, bits / 100); ++m) {
        std::string body;
        for (int type = 16; type < 32; ++type)
            body += "Channel_Diag(" + std::to_string(type) + ") = \"C\"\nChannel_Diag_Help(" +
                    std::to_string(type) + ") = \"H\"\n";
        text += Module(m, body);
    }
    return text;
}

} // namespace kvf::bench
