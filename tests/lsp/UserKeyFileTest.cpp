#include "lsp/UserKeyFile.h"
#include "core/IniSettingsStore.h"

#include <gtest/gtest.h>

namespace kvf::lsp {
namespace {

struct KeyFileCase {
    const char* name;
    const char* before;
    const char* after;
};

class UserKeyFile : public ::testing::TestWithParam<KeyFileCase> {};

TEST_P(UserKeyFile, AddsKeyAndSummaryKeepingTheRest) {
    EXPECT_EQ(WithUserKey(GetParam().before, "My_Key", "1;0;INT"), GetParam().after)
        << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Files, UserKeyFile,
    ::testing::Values(
        KeyFileCase{"no file yet", "", "[UserKeys]\nMY_KEY=\"1;0;INT\"\nSummary=\"MY_KEY,\"\n"},
        KeyFileCase{
            "other sections kept", "[Settings]\nWarnings=1\n",
            "[Settings]\nWarnings=1\n\n[UserKeys]\nMY_KEY=\"1;0;INT\"\nSummary=\"MY_KEY,\"\n"},
        KeyFileCase{"into the section, before the next",
                    "[UserKeys]\nA=\"0;0;32\"\nSummary=A,\n\n[Checks]\nDisable=136\n",
                    "[UserKeys]\nA=\"0;0;32\"\nSummary=\"A,MY_KEY,\"\nMY_KEY=\"1;0;INT\"\n\n["
                    "Checks]\nDisable=136\n"},
        KeyFileCase{"a key registered again is replaced, listed once",
                    "[userkeys]\nmy_key=\"0;0;32\"\nSummary=\"MY_KEY,\"\n",
                    "[userkeys]\nMY_KEY=\"1;0;INT\"\nSummary=\"MY_KEY,\"\n"},
        KeyFileCase{"CRLF lines stay CRLF", "[Settings]\r\nWarnings=1\r\n",
                    "[Settings]\r\nWarnings=1\r\n\r\n[UserKeys]\r\nMY_KEY=\"1;0;INT\"\r\nSummary="
                    "\"MY_KEY,\"\r\n"}));

// What the file then says, read as kvfcheck reads it.
TEST(UserKeyFile, ReadBackAsRegistered) {
    IniSettingsStore store = IniSettingsStore::FromText(WithUserKey("", "Dev_Key", "0;0;32"));
    EXPECT_EQ(store.GetString("UserKeys", "DEV_KEY", ""), "0;0;32");
    EXPECT_EQ(store.GetString("UserKeys", "Summary", ""), "DEV_KEY,");
}

} // namespace
} // namespace kvf::lsp
