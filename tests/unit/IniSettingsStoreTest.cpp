#include "core/IniSettingsStore.h"
#include "catalogue/UserSettingsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace kvf {
namespace {

TEST(IniSettingsStore, ReadsHandWrittenAndQuotedValues) {
    IniSettingsStore store = IniSettingsStore::FromText("; comment\r\n"
                                                        "[Settings]\r\n"
                                                        "Warnings = 1\r\n"
                                                        "[UserKeys]\n"
                                                        "MY_KEY=1;2;UCHAR\n"
                                                        "QUOTED=\"0;0;8\"\n"
                                                        "ESCAPED=\"a\\\"b\\\\c\"\n"
                                                        "Summary=MY_KEY,QUOTED,\n"
                                                        "A%20B=x\n"
                                                        "no equal sign\n");
    EXPECT_EQ(store.GetInt("Settings", "Warnings", 0), 1);
    EXPECT_EQ(store.GetString("UserKeys", "MY_KEY", ""), "1;2;UCHAR");
    EXPECT_EQ(store.GetString("UserKeys", "QUOTED", ""), "0;0;8");
    EXPECT_EQ(store.GetString("UserKeys", "ESCAPED", ""), "a\"b\\c");
    EXPECT_EQ(store.GetString("UserKeys", "Summary", ""), "MY_KEY,QUOTED,");
    EXPECT_EQ(store.GetString("UserKeys", "A B", ""), "x");
}

// Values as the editor's settings library writes them, and what the store holds (bytes of
// Windows-1252; absent values read as "<absent>").
struct WrittenValue {
    const char* line;
    const char* value;
};

class IniWrittenValues : public ::testing::TestWithParam<WrittenValue> {};

TEST_P(IniWrittenValues, ReadAsWritten) {
    IniSettingsStore store = IniSettingsStore::FromText(std::string("[S]\n") + GetParam().line);
    EXPECT_EQ(store.GetString("S", "V", "<absent>"), GetParam().value) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Quoting, IniWrittenValues,
    ::testing::Values(
        WrittenValue{"V=plain", "plain"}, WrittenValue{"V=  padded  ", "padded"},
        WrittenValue{"V=\" keep blanks \"", " keep blanks "},
        WrittenValue{"V=\"a,b\" , \"c\"", "a,b,c"}, WrittenValue{"V=\"one\" \"two\"", "onetwo"},
        WrittenValue{"V=\"x=1;y=2\"", "x=1;y=2"}, WrittenValue{"V=tab\\there", "tab\there"},
        WrittenValue{"V=line\\nbreak\\r", "line\nbreak\r"},
        WrittenValue{"V=C:\\\\TEMP", "C:\\TEMP"}, WrittenValue{"V=\\x41\\x42 ", "AB"},
        WrittenValue{"V=\\101\\060", "A0"}, WrittenValue{"V=caf\\xe9", "caf\xe9"},
        WrittenValue{"V=caf\xc3\xa9", "caf\xe9"}, WrittenValue{"V=\\x20ac", "\x80"},
        WrittenValue{"V=M\xfcller", "M\xfcller"}, WrittenValue{"V=\\q", ""},
        WrittenValue{"V=@@at", "@at"}, WrittenValue{"V=@ByteArray(raw;text)", "raw;text"},
        WrittenValue{"V=@String(s)", "s"}, WrittenValue{"V=@Invalid()", "<absent>"},
        WrittenValue{"V=\"@Variant(\\0\\0\\0\\x7f)\"", "<absent>"}, WrittenValue{"V=", ""}));

TEST(IniSettingsStore, NamesAreDecodedAsWritten) {
    IniSettingsStore store = IniSettingsStore::FromText("\xEF\xBB\xBF[Sec%20One]\r"
                                                        "a\\b=slash\r"
                                                        "%U00E4x=umlaut\r"
                                                        "p%25=percent\r"
                                                        "bad%zz=kept\r");
    EXPECT_EQ(store.GetString("Sec One", "a/b", ""), "slash");
    EXPECT_EQ(store.GetString("Sec One", "\xe4x", ""), "umlaut");
    EXPECT_EQ(store.GetString("Sec One", "p%", ""), "percent");
    EXPECT_EQ(store.GetString("Sec One", "bad%zz", ""), "kept");
}

TEST(IniSettingsStore, NamesIgnoreCaseAndDefaultsApply) {
    IniSettingsStore store = IniSettingsStore::FromText("[failsafe]\nnosemanticcheck=1\n"
                                                        "[Settings]\nWarnings=yes\n");
    EXPECT_EQ(store.GetInt("FailSafe", "NoSemanticCheck", 0), 1);
    EXPECT_EQ(store.GetInt("Settings", "Warnings", 7), 7); // not a number
    EXPECT_EQ(store.GetInt("Settings", "Missing", 3), 3);
    store.SetInt("Settings", "Warnings", 0);
    EXPECT_EQ(store.GetInt("settings", "WARNINGS", 7), 0);
    EXPECT_EQ(IniSettingsStore::FromText("").GetString("A", "B", "d"), "d");
}

TEST(IniSettingsStore, LaterLinesWin) {
    IniSettingsStore store = IniSettingsStore::FromText("[S]\nA=first\nB=first\n[s]\na=second\n");
    EXPECT_EQ(store.GetString("S", "A", ""), "second");
    EXPECT_EQ(store.GetString("S", "B", ""), "first");
}

using Environment = std::map<std::string, std::string>;

std::function<const char*(const char*)> LookUpIn(const Environment& variables) {
    return [&variables](const char* name) -> const char* {
        auto it = variables.find(name);
        return it == variables.end() ? nullptr : it->second.c_str();
    };
}

TEST(UserSettingsFile, FollowsTheConfigurationFolder) {
    const std::vector<std::pair<Environment, std::string>> cases = {
        {{{"HOME", "/home/ann"}}, "/home/ann/.config/DORRIM/KVF_Ed.conf"},
        {{{"HOME", "/home/ann/"}, {"XDG_CONFIG_HOME", "/cfg"}}, "/cfg/DORRIM/KVF_Ed.conf"},
        {{{"HOME", "/h"}, {"XDG_CONFIG_HOME", ""}}, "/h/.config/DORRIM/KVF_Ed.conf"},
        {{{"XDG_CONFIG_HOME", "/cfg/"}}, "/cfg/DORRIM/KVF_Ed.conf"},
        {{}, "/.config/DORRIM/KVF_Ed.conf"},
    };
    for (const auto& [variables, file] : cases)
        EXPECT_EQ(UserSettingsFile(LookUpIn(variables)), file);
}

TEST(UserSettingsFile, OnWindowsInTheRoamingApplicationData) {
    const std::vector<std::pair<Environment, std::string>> cases = {
        {{{"APPDATA", "C:\\Users\\ann\\AppData\\Roaming"}, {"USERPROFILE", "C:\\Users\\bob"}},
         "C:\\Users\\ann\\AppData\\Roaming\\DORRIM\\KVF_Ed.ini"},
        {{{"APPDATA", "D:\\profile\\"}}, "D:\\profile\\DORRIM\\KVF_Ed.ini"},
        {{{"APPDATA", ""}, {"USERPROFILE", "C:\\Users\\bob"}},
         "C:\\Users\\bob\\AppData\\Roaming\\DORRIM\\KVF_Ed.ini"},
        {{}, "\\AppData\\Roaming\\DORRIM\\KVF_Ed.ini"},
    };
    for (const auto& [variables, file] : cases)
        EXPECT_EQ(WindowsUserSettingsFile(LookUpIn(variables)), file);
}

} // namespace
} // namespace kvf

namespace kvf {
namespace {

TEST(OverlaySettingsStore, RunValuesStandInFrontAndTheStoreStaysUntouched) {
    IniSettingsStore base = IniSettingsStore::FromText("[Settings]\nWarnings=0\n[X]\nY=z\n");
    OverlaySettingsStore run(base);
    run.SetInt("Settings", "Warnings", 1);
    EXPECT_EQ(run.GetInt("Settings", "Warnings", 0), 1);
    EXPECT_EQ(run.GetString("X", "Y", ""), "z");
    EXPECT_EQ(base.GetInt("Settings", "Warnings", 7), 0);
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

// Each store lists a section's names and forgets a removed value; the overlay only for its
// run, and a value set again after its removal is back.
TEST(SettingsStores, NamesAndRemove) {
    const char* const ini = "[UserKeys]\nA_KEY=1;0;7\nB_KEY=0;0;8\n[Other]\nC=1\n";
    IniSettingsStore iniStore = IniSettingsStore::FromText(ini);
    MemorySettingsStore memory;
    memory.SetString("UserKeys", "A_KEY", "1;0;7");
    memory.SetString("UserKeys", "B_KEY", "0;0;8");
    memory.SetString("Other", "C", "1");
    IniSettingsStore behindOverlay = IniSettingsStore::FromText(ini);
    OverlaySettingsStore overlay(behindOverlay);
    overlay.SetString("UserKeys", "D_KEY", "2;0;");

    const std::vector<std::pair<SettingsStore*, std::vector<std::string>>> stores = {
        {&iniStore, {"A_KEY", "B_KEY"}},
        {&memory, {"A_KEY", "B_KEY"}},
        {&overlay, {"A_KEY", "B_KEY", "D_KEY"}},
    };
    for (const auto& [store, names] : stores) {
        EXPECT_EQ(Sorted(store->Names("UserKeys")), names);
        store->Remove("UserKeys", "A_KEY");
        store->Remove("UserKeys", "NO_SUCH_KEY");
        EXPECT_EQ(store->GetString("UserKeys", "A_KEY", "gone"), "gone");
        EXPECT_EQ(store->GetInt("UserKeys", "A_KEY", -1), -1);
        EXPECT_EQ(store->GetString("UserKeys", "B_KEY", ""), "0;0;8");
        std::vector<std::string> left(names.begin() + 1, names.end());
        EXPECT_EQ(Sorted(store->Names("UserKeys")), left);
        EXPECT_EQ(store->Names("Other"), std::vector<std::string>{"C"});
        store->SetString("UserKeys", "A_KEY", "3;0;");
        EXPECT_EQ(store->GetString("UserKeys", "A_KEY", ""), "3;0;");
    }
    // The INI store ignores case; the overlay's removal leaves the file's store as it was.
    iniStore.Remove("userkeys", "b_key");
    EXPECT_EQ(iniStore.GetString("UserKeys", "B_KEY", "gone"), "gone");
    EXPECT_EQ(behindOverlay.GetString("UserKeys", "A_KEY", ""), "1;0;7");
}

} // namespace
} // namespace kvf
