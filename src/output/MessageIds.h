#pragma once

// Named ids of the string table. The texts live in output/messages/ and
// catalogue/CatalogueMessages.cpp; code refers to these names, never to prose.
namespace kvf::msg {

// Dispatcher and value checks.
inline constexpr int ValueExceedsLimit = 130;         // Key "%s": Value exceeds limit (%s)!
inline constexpr int NotWithinAllowedValues = 131;    // Key "%s": Not within the allowed Values (%s)!
inline constexpr int ValueOutOfRange = 132;           // Key "%s": Value out of range (%s)!
inline constexpr int UnknownKey = 133;                // Key "%s": Unknown key! ...
inline constexpr int UnexpectedFormat = 134;          // Key "%s": %s expected or unexpected format!
inline constexpr int TooManyValues = 135;             // Key "%s": Too many values.
inline constexpr int LineTooLong = 136;               // Line length exceeds the limit of 80 characters.
inline constexpr int FileNameCharacters = 137;        // Key "%s": Unexpected character(s) in file name.
inline constexpr int KeywordCharacters = 138;         // Key "%s": Keyword contains unallowed character(s)!
inline constexpr int RangeChar = 139;                 // CHAR: -128..127 (signed 8 Bit)
inline constexpr int RangeShort = 140;                // SHORT: -32768..32767 (signed 16 Bit)
inline constexpr int RangeInt = 141;                  // INT: -2147483648..2147483647 (signed 32 Bit)
inline constexpr int RangeUChar = 142;                // UCHAR: 0..255 (unsigned 8 Bit)
inline constexpr int RangeUShort = 143;               // USHORT: 0..65535 (unsigned 16 Bit)
inline constexpr int RangeUInt = 144;                 // UINT: 0..4194967295 (unsigned 32 Bit)
inline constexpr int VisibleStringInvalid = 145;      // Keyword "%s": Unexpected character(s) found, ...
inline constexpr int UseInPlaceOfArea = 146;          // Key "%s": "%s" should be used in place of Area of width 1!
inline constexpr int UnspecifiedCharacters = 147;     // Keyword "%s": %d unspecified character(s) ...
inline constexpr int DefaultNotAllowed = 64638;       // Default_Value is not member of the Allowed_Values.
inline constexpr int EqualSign = 65134;               // No or multiple equal sign(s) in key "%s"!
inline constexpr int HashKey = 65139;                 // Key %s: Keys beginning with a '#' can cause problems ...
inline constexpr int ConfigurationInvalid = 65141;    // Key "%s": The Configuration Data are invalid.
inline constexpr int UserKeyHelp = 65089;             // This is a user-specific keyword. ...
inline constexpr int AboutText = 65001;

// Output window levels.
inline constexpr int LevelInfo = 65109;
inline constexpr int LevelWarning = 65110;
inline constexpr int LevelFatal = 65111;
inline constexpr int LevelError = 65112;

} // namespace kvf::msg
