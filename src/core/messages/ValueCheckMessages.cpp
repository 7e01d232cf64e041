#include "core/MessageParts.h"

namespace kvf::messages {
namespace {

// clang-format off
constexpr MessageDef kMessages[] = {
    // Value checks; the first %s is the key.
    {130, "Key \"%s\": Value exceeds limit (%s)!"},
    {131, "Key \"%s\": Not within the allowed Values (%s)!"},
    {132, "Key \"%s\": Value out of range (%s)!"},
    {133, "Key \"%s\": Unknown key! Use context menu to specify options for check."},
    {134, "Key \"%s\": %s expected or unexpected format!"},
    {135, "Key \"%s\": Too many values."},
    {136, "Line length exceeds the limit of 80 characters."},
    {137, "Key \"%s\": Unexpected character(s) in file name."},
    {138, "Key \"%s\": Keyword contains unallowed character(s)!"},

    // Range texts of the integer types of user-defined keys.
    {139, "CHAR: -128..127 (signed 8 Bit)"},
    {140, "SHORT: -32768..32767 (signed 16 Bit)"},
    {141, "INT: -2147483648..2147483647 (signed 32 Bit)"},
    {142, "UCHAR: 0..255 (unsigned 8 Bit)"},
    {143, "USHORT: 0..65535 (unsigned 16 Bit)"},
    {144, "UINT: 0..4194967295 (unsigned 32 Bit)"},

    {145, "Keyword \"%s\": Unexpected character(s) found, missing quotation marks or string length \"%d\" exeeded!"},
    {146, "Key \"%s\": \"%s\" should be used in place of Area of width 1!"},
    {147, "Keyword \"%s\": %d unspecified character(s) found in Visible String."},
    {64638, "Default_Value is not member of the Allowed_Values."},
    {65089, "Help:\nThis is a user-specific keyword. No predefined data type available."},
    {65134, "No or multiple equal sign(s) in key \"%s\"!"},
    {65139, "Key %s: Keys beginning with a '#' can cause problems for following KVF entries!"},
    {65141, "Key \"%s\": The Configuration Data are invalid."},

    // The settings dialog of user-defined keys.
    {65104, "Change Settings for User-defined Key..."},
    {65105, "Data Type:"},
    {65106, "Range and Length Check (See Help for valid Inputs!):"},
    {65107, "Key Group:"},
    {65151, "Registered user-defined keys:"},
    {65300, "..no keys defined.."},
    {65301, "String (\"Sample String\")"},
    {65302, "Integer (-1, 0, 1, 0x00, 0xAb)"},
    {65303, "Bool (0=FALSE, 1=TRUE)"},
    {65304, "Octet String (0x00,0x01,0x02,..)"},
    {65305, "General KVF"},
    {65306, "Slave"},
    {65307, "Master"},
    {65308, "Module"},
    {65309, "No database exists."},
};
// clang-format on

} // namespace

std::span<const MessageDef> ValueCheckMessages() {
    return kMessages;
}

} // namespace kvf::messages
