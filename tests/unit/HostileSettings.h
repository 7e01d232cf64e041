#pragma once

// Keys and settings a user or a client may send, meant to break the settings file's structure:
// each written by any writer of the file must read back as it was, and leave every other value
// of the file as it was. Shared by the engine's tests and by the test of the file as the
// editor's settings library writes and reads it. Texts are Windows-1252 bytes.

#include <string>
#include <vector>

namespace kvf::hostile {

struct Text {
    const char* name;
    std::string bytes;
};

// Range texts of a registration (what follows its two indexes), and values of any setting.
inline std::vector<Text> RangeTexts() {
    std::string longText;
    for (int i = 0; i < 2000; ++i)
        longText += "a\"b\\c,d;e=f[g]\r\n";
    return {
        {"brackets", "[Evil]"},
        {"a section of its own", "\n[Evil]\nKEY=1"},
        {"commas", "-1, 5,7,"},
        {"quotes", "say \"hi\""},
        {"quoted whole", "\"8\""},
        {"backslashes", "C:\\TEMP\\"},
        {"equal signs", "x=1"},
        {"semicolons", "UCHAR;;"},
        {"line breaks", "a\r\nb\rc\n"},
        {"control then digit", std::string("\x01") + "a\t7" + std::string(1, '\0') + "7"},
        {"non-ASCII", "M\xfcller \x80 \x81"},
        {"blanks around", "  8  "},
        {"at", "@Variant(8)"},
        {"comment look-alike", "; 8 # 9"},
        {"empty", ""},
        {"very long", longText},
    };
}

// Settings that do not read "<data type index>;<group index>;<range text>".
inline std::vector<Text> MalformedSettings() {
    return {
        {"empty", ""},        {"no indexes", "UCHAR"},      {"one index", "1;UCHAR"},
        {"letters", "x;0;8"}, {"negative", "-1;0;8"},       {"leading at", "@1;0;8"},
        {"blank", " 1;0;8"},  {"five digits", "10000;0;8"}, {"line break", "1\n;0;8"},
    };
}

// Keys; none is a keyword of the checker, so none may be registered.
inline std::vector<Text> UnregistrableKeys() {
    return {
        {"brackets", "[General]"},
        {"comma", "A,B_Key"},
        {"quote", "X\"Y"},
        {"backslash", "A\\B"},
        {"slash", "A/B"},
        {"equal sign", "K=1"},
        {"semicolon", "K;1"},
        {"line break", "K\r\n[Evil]"},
        {"blank", "MY KEY"},
        {"non-ASCII", "M\xfcller"},
        {"empty", ""},
        {"percent", "A%20B"},
        {"very long with a comma", std::string(5000, 'A') + ","},
    };
}

// Keys the checker takes for keywords: registered, each reads back.
inline std::vector<Text> RegistrableKeys() {
    return {
        {"plain", "NEW_KEY"},        {"dots and minus", "Max-Len.2"},       {"hash", "#HASH_KEY"},
        {"lower case", "lower_key"}, {"very long", std::string(5000, 'K')},
    };
}

} // namespace kvf::hostile
