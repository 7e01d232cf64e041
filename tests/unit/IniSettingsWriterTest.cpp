#include "core/IniSettingsWriter.h"

#include "HostileSettings.h"
#include "catalogue/UserKeys.h"
#include "core/AsciiText.h"
#include "core/IniSettingsStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace kvf {
namespace {

// A file as the editor and a user leave it: a comment, a hand-written registration with bare
// semicolons, a blank line before each section.
const std::string kFile = "; written by hand\n"
                          "[Settings]\n"
                          "Warnings=1\n"
                          "\n"
                          "[UserKeys]\n"
                          "MY_KEY=1;2;UCHAR\n"
                          "Summary=\"MY_KEY,\"\n"
                          "\n"
                          "[Checks]\n"
                          "Disable=136\n";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The lines that differ between two texts, by their longest common sequence of lines: those
// of `before` that went (marked '-') and those of `after` that came.
std::vector<std::string> ChangedLines(const std::string& before, const std::string& after) {
    const std::vector<std::string> a = Lines(before);
    const std::vector<std::string> b = Lines(after);
    std::vector<std::vector<std::size_t>> common(a.size() + 1,
                                                 std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = a.size(); i-- > 0;)
        for (std::size_t j = b.size(); j-- > 0;)
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1
                                        : std::max(common[i + 1][j], common[i][j + 1]);
    std::vector<std::string> changed;
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() || j < b.size()) {
        if (i < a.size() && j < b.size() && a[i] == b[j]) {
            ++i;
            ++j;
        } else if (j < b.size() && (i == a.size() || common[i][j + 1] >= common[i + 1][j])) {
            changed.push_back(b[j++]);
        } else {
            changed.push_back("-" + a[i++]);
        }
    }
    return changed;
}

void ExpectOtherValuesKept(const IniSettingsStore& store) {
    EXPECT_EQ(store.GetString("Settings", "Warnings", ""), "1");
    EXPECT_EQ(store.GetString("UserKeys", "MY_KEY", ""), "1;2;UCHAR");
    EXPECT_EQ(store.GetString("Checks", "Disable", ""), "136");
}

// Any value, set or set again, reads back as it was, in one line of its own; no other line
// of the file changes.
TEST(IniSettingsWriter, HostileValuesReadBackAndTouchOneLine) {
    for (const hostile::Text& value : hostile::RangeTexts()) {
        IniSettingsWriter writer(kFile);
        writer.SetString("UserKeys", "NEW_KEY", value.bytes);
        const std::string once = writer.Text();
        EXPECT_EQ(ChangedLines(kFile, once).size(), 1u) << value.name << ":\n" << once;
        IniSettingsStore read = IniSettingsStore::FromText(once);
        EXPECT_EQ(read.GetString("UserKeys", "NEW_KEY", "<absent>"), value.bytes) << value.name;
        EXPECT_EQ(read.GetString("UserKeys", "Summary", ""), "MY_KEY,") << value.name;
        ExpectOtherValuesKept(read);

        IniSettingsWriter again(once);
        again.SetString("UserKeys", "new_key", "v" + value.bytes);
        const std::string twice = again.Text();
        EXPECT_EQ(Lines(twice).size(), Lines(once).size()) << value.name << ":\n" << twice;
        EXPECT_EQ(IniSettingsStore::FromText(twice).GetString("UserKeys", "NEW_KEY", ""),
                  "v" + value.bytes)
            << value.name;
    }
}

// Names and sections of any characters are written so that they read back as themselves.
TEST(IniSettingsWriter, HostileNamesReadBack) {
    std::vector<hostile::Text> names = hostile::UnregistrableKeys();
    // The empty name aside, which the editor's library cannot hold.
    std::erase_if(names, [](const hostile::Text& name) { return name.bytes.empty(); });
    for (const hostile::Text& name : names) {
        IniSettingsWriter writer(kFile);
        writer.SetString("UserKeys", name.bytes, "0;0;8");
        writer.SetString(name.bytes, "V", "w");
        IniSettingsStore read = IniSettingsStore::FromText(writer.Text());
        EXPECT_EQ(read.GetString("UserKeys", name.bytes, ""), "0;0;8") << name.name << ":\n"
                                                                       << writer.Text();
        EXPECT_EQ(read.GetString(name.bytes, "V", ""), "w") << name.name;
        ExpectOtherValuesKept(read);
    }
}

struct LayoutCase {
    const char* name;
    std::string before;
    std::string after; // with KEY set to "1;0;INT"
};

class IniSettingsWriterLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(IniSettingsWriterLayout, NewLinesGoWhereTheEditorWouldPutThem) {
    IniSettingsWriter writer(GetParam().before);
    writer.SetString("UserKeys", "KEY", "1;0;INT");
    EXPECT_EQ(writer.Text(), GetParam().after) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Files, IniSettingsWriterLayout,
    ::testing::Values(
        LayoutCase{"no file yet", "", "[UserKeys]\nKEY=\"1;0;INT\"\n"},
        LayoutCase{"a new section after the others", "[Settings]\nWarnings=1",
                   "[Settings]\nWarnings=1\n\n[UserKeys]\nKEY=\"1;0;INT\"\n"},
        LayoutCase{"at the end of the section, before its blank line",
                   "[UserKeys]\nA=1\n\n[Checks]\nDisable=136\n",
                   "[UserKeys]\nA=1\nKEY=\"1;0;INT\"\n\n[Checks]\nDisable=136\n"},
        LayoutCase{"replaced where it stands, whatever its case", "[UserKeys]\nkey=0;0;8\nB=2\n",
                   "[UserKeys]\nKEY=\"1;0;INT\"\nB=2\n"},
        LayoutCase{"a section of another case is read alike but not by the editor's library",
                   "[userkeys]\nKEY=0;0;8\n",
                   "[userkeys]\nKEY=\"1;0;INT\"\n\n[UserKeys]\nKEY=\"1;0;INT\"\n"},
        LayoutCase{"CRLF lines stay CRLF, a mark stays", "\xEF\xBB\xBF[UserKeys]\r\nA=1\r\n",
                   "\xEF\xBB\xBF[UserKeys]\r\nA=1\r\nKEY=\"1;0;INT\"\r\n"},
        LayoutCase{"comments and odd lines stay", "[UserKeys]\n; KEY=old\nno equal sign\n",
                   "[UserKeys]\n; KEY=old\nno equal sign\nKEY=\"1;0;INT\"\n"}));

TEST(IniSettingsWriter, RemoveTakesEveryLineOfTheNameAndNothingElse) {
    IniSettingsWriter writer("[UserKeys]\nA=1\nB=2\n[userkeys]\na=3\n[Other]\nA=4\n");
    writer.Remove("UserKeys", "A");
    EXPECT_EQ(writer.Text(), "[UserKeys]\nB=2\n[userkeys]\n[Other]\nA=4\n");
    EXPECT_EQ(writer.GetString("UserKeys", "A", "<absent>"), "<absent>");
}

// The registration through the writer: refused for any key the checker takes for no keyword
// and for a setting of the wrong shape, the text then unchanged; otherwise read back as sent.
TEST(UserKeyRegistrationText, RefusedKeysAndSettingsChangeNothing) {
    for (const hostile::Text& key : hostile::UnregistrableKeys()) {
        IniSettingsWriter writer(kFile);
        EXPECT_FALSE(IsRegistrableUserKey(key.bytes)) << key.name;
        EXPECT_FALSE(RegisterUserKeySetting(writer, key.bytes, "1;0;INT")) << key.name;
        EXPECT_EQ(writer.Text(), kFile) << key.name;
    }
    for (const hostile::Text& setting : hostile::MalformedSettings()) {
        IniSettingsWriter writer(kFile);
        EXPECT_FALSE(RegisterUserKeySetting(writer, "NEW_KEY", setting.bytes)) << setting.name;
        EXPECT_EQ(writer.Text(), kFile) << setting.name;
    }
}

TEST(UserKeyRegistrationText, AcceptedKeysAndSettingsReadBack) {
    for (const hostile::Text& key : hostile::RegistrableKeys()) {
        for (const hostile::Text& range : hostile::RangeTexts()) {
            IniSettingsWriter writer(kFile);
            const std::string setting = "1;3;" + range.bytes;
            ASSERT_TRUE(RegisterUserKeySetting(writer, key.bytes, setting))
                << key.name << ", " << range.name;
            IniSettingsStore read = IniSettingsStore::FromText(writer.Text());
            const std::string upper = ToUpperAscii(key.bytes);
            EXPECT_TRUE(IsRegisteredUserKey(read, key.bytes)) << key.name << ", " << range.name;
            EXPECT_EQ(read.GetString("UserKeys", key.bytes, ""), setting)
                << key.name << ", " << range.name;
            EXPECT_EQ(read.GetString("UserKeys", "Summary", ""), "MY_KEY," + upper + ",")
                << key.name << ", " << range.name;
            ExpectOtherValuesKept(read);
            // The key's line, and the summary's line in place of the old one.
            EXPECT_EQ(ChangedLines(kFile, writer.Text()).size(), 3u)
                << key.name << ", " << range.name << ":\n"
                << writer.Text();
        }
    }
}

TEST(UserKeyRegistrationText, SettingsReadAsTheirParts) {
    UserKeySetting parts;
    ASSERT_TRUE(ReadUserKeySetting("3;12;-5-5;x", parts));
    EXPECT_EQ(parts.DataTypeIndex, 3);
    EXPECT_EQ(parts.GroupIndex, 12);
    EXPECT_EQ(parts.RangeText, "-5-5;x");
    ASSERT_TRUE(ReadUserKeySetting("0;0;", parts));
    EXPECT_EQ(parts.RangeText, "");
}

} // namespace
} // namespace kvf
