#include "catalogue/IniSettingsStore.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace kvf
