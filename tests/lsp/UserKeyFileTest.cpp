#include "lsp/UserKeyFile.h"
#include "core/IniSettingsStore.h"
#include "lsp/FileText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace kvf::lsp {
namespace {

namespace fs = std::filesystem;

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
                    "[UserKeys]\nmy_key=\"0;0;32\"\nSummary=\"MY_KEY,\"\n",
                    "[UserKeys]\nMY_KEY=\"1;0;INT\"\nSummary=\"MY_KEY,\"\n"},
        KeyFileCase{"CRLF lines stay CRLF", "[Settings]\r\nWarnings=1\r\n",
                    "[Settings]\r\nWarnings=1\r\n\r\n[UserKeys]\r\nMY_KEY=\"1;0;INT\"\r\nSummary="
                    "\"MY_KEY,\"\r\n"}));

TEST(UserKeyFile, NothingForAKeyThatIsNoKeyword) {
    EXPECT_EQ(WithUserKey("[Settings]\n", "A,B", "1;0;INT"), std::nullopt);
    EXPECT_EQ(WithUserKey("[Settings]\n", "MY_KEY", "INT"), std::nullopt);
}

std::string Read(const fs::path& path) {
    std::string text;
    return ReadFileText(path.string(), text) ? text : "<unreadable>";
}

// The file a link names is replaced, with its permissions; the link stays a link, and no
// temporary file is left behind.
TEST(UserKeyFile, ReplacesTheFileBehindALinkKeepingItsPermissions) {
    std::random_device random;
    const fs::path folder =
        fs::temp_directory_path() / ("kvf-key-file-" + std::to_string(random()));
    fs::create_directories(folder / "real");
    const fs::path target = folder / "real" / "KVF_Ed.conf";
    const fs::path link = folder / "KVF_Ed.conf";
    std::ofstream(target) << "[Settings]\nWarnings=1\n";
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(target, link);

    std::string reason;
    EXPECT_EQ(RegisterUserKeyInFile(link.string(), "My_Key", "1;0;INT", reason),
              RegistrationProblem::None)
        << reason;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(IniSettingsStore::FromText(Read(target)).GetString("UserKeys", "MY_KEY", ""),
              "1;0;INT");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder / "real"), fs::directory_iterator()), 1);
    fs::remove_all(folder);
}

TEST(UserKeyFile, ANewFileAndItsFolderAreMade) {
    std::random_device random;
    const fs::path folder =
        fs::temp_directory_path() / ("kvf-key-file-" + std::to_string(random()));
    const fs::path file = folder / "DORRIM" / "KVF_Ed.conf";
    std::string reason;
    EXPECT_EQ(RegisterUserKeyInFile(file.string(), "My_Key", "0;0;8", reason),
              RegistrationProblem::None)
        << reason;
    EXPECT_EQ(Read(file), "[UserKeys]\nMY_KEY=\"0;0;8\"\nSummary=\"MY_KEY,\"\n");
    fs::remove_all(folder);
}

} // namespace
} // namespace kvf::lsp
