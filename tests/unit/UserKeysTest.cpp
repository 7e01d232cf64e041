#include "catalogue/UserKeys.h"
#include "core/AsciiText.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "core/RunContext.h"
#include "core/SettingsStore.h"
#include "output/OutputRows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvf {
namespace {

TEST(UserKeysTest, IndexMappingsBothWays) {
    const std::pair<int, int> types[] = {{0, TYPE_SIMPLE_STRING}, {1, TYPE_SIMPLE_UINT},
                                         {2, TYPE_SIMPLE_BOOL},   {3, TYPE_OCTET_STRING},
                                         {4, TYPE_OCTET_STRING},  {-1, TYPE_OCTET_STRING}};
    for (const auto& [index, type] : types)
        EXPECT_EQ(EntryTypeForDataTypeIndex(index), type) << index;
    const std::pair<int, int> indexes[] = {{TYPE_SIMPLE_STRING, 0},
                                           {TYPE_SIMPLE_UINT, 1},
                                           {TYPE_SIMPLE_BOOL, 2},
                                           {TYPE_OCTET_STRING, 3},
                                           {TYPE_USER_KEY, 0}};
    for (const auto& [type, index] : indexes)
        EXPECT_EQ(DataTypeIndexForEntryType(type), index) << type;

    const unsigned groups[] = {PARENT_GENERAL,
                               PARENT_SLAVE,
                               PARENT_MASTER,
                               PARENT_MODULE,
                               PARENT_PHYSICAL_INTERFACES,
                               PARENT_MODULE_ASSIGNMENT,
                               PARENT_SLAVE_EXT,
                               PARENT_SLAVE_DATA_EXCHNG,
                               PARENT_MASTER_EXT};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(TreeGroupForGroupIndex(i), groups[i]) << i;
        EXPECT_EQ(GroupIndexForTreeGroup(groups[i]), i) << i;
    }
    EXPECT_EQ(TreeGroupForGroupIndex(9), PARENT_MODULE);
    EXPECT_EQ(TreeGroupForGroupIndex(-1), PARENT_MODULE);
    EXPECT_EQ(GroupIndexForTreeGroup(0), -1);
}

TEST(UserKeysTest, RegistrationIsFoundWhateverTheCaseOfTheKey) {
    MemorySettingsStore settings;
    CDbEntry entry("my_Key", "", 0, 0);
    RegisterUserKey(settings, entry, 1, 2, "UCHAR");
    EXPECT_TRUE(IsRegisteredUserKey(settings, "MY_KEY"));
    EXPECT_TRUE(IsRegisteredUserKey(settings, "my_key"));
    EXPECT_FALSE(IsRegisteredUserKey(settings, "other"));
    settings.SetString("UserKeys", "EMPTY", "");
    EXPECT_FALSE(IsRegisteredUserKey(settings, "Empty"));
}

TEST(UserKeysTest, RegisteringStoresAppliesAndListsEachKeyOnce) {
    MemorySettingsStore settings;
    CDbEntry entry("xab", "", 0, 0);
    RegisterUserKey(settings, entry, 1, 2, "UCHAR");
    EXPECT_EQ(settings.GetString("UserKeys", "XAB", ""), "1;2;UCHAR");
    EXPECT_EQ(entry.Type, TYPE_SIMPLE_UINT);
    EXPECT_EQ(entry.TreeGroup, PARENT_MASTER);
    EXPECT_EQ(entry.RangeLen, "UCHAR");

    RegisterUserKey(settings, entry, 0, 0, "8");
    EXPECT_EQ(settings.GetString("UserKeys", "XAB", ""), "0;0;8");
    EXPECT_EQ(entry.Type, TYPE_SIMPLE_STRING);

    // a key that ends an already registered one is still added
    CDbEntry shorter("Ab", "", 0, 0);
    RegisterUserKey(settings, shorter, 3, 7, "");
    EXPECT_EQ(settings.GetString("UserKeys", "Summary", ""), "XAB,AB,");
    EXPECT_EQ(shorter.Type, TYPE_OCTET_STRING);
    EXPECT_EQ(shorter.TreeGroup, PARENT_SLAVE_DATA_EXCHNG);
}

TEST(UserKeysTest, ClassificationReadsTheStoredFieldsAsFarAsTheyGo) {
    struct Case {
        std::string Stored; // empty: not registered, the default applies
        int Type;
        unsigned Group;
        std::string RangeLen;
    };
    const Case cases[] = {
        {"1;2;UCHAR", TYPE_SIMPLE_UINT, PARENT_MASTER, "UCHAR"},
        {"", TYPE_SIMPLE_STRING, PARENT_GENERAL, "32"},
        {"0;1;10 - 20", TYPE_SIMPLE_STRING, PARENT_SLAVE, "10 - 20"},
        {"3;9", TYPE_OCTET_STRING, PARENT_MODULE, "old"},
        {"7;1;", TYPE_OCTET_STRING, PARENT_SLAVE, "old"},
        {"2", TYPE_SIMPLE_BOOL, 0x1u, "old"},
        {"2,1", TYPE_SIMPLE_BOOL, 0x1u, "old"},
        {"x;1;5", TYPE_USER_KEY, 0x1u, "old"},
    };
    for (const Case& c : cases) {
        MemorySettingsStore settings;
        if (!c.Stored.empty())
            settings.SetString("UserKeys", "KEY", c.Stored);
        CDbEntry entry("Key", "", 0, 0);
        entry.TreeGroup = 0x1u;
        entry.RangeLen = "old";
        ClassifyUserKey(settings, entry);
        EXPECT_EQ(entry.Type, c.Type) << c.Stored;
        EXPECT_EQ(entry.TreeGroup, c.Group) << c.Stored;
        EXPECT_EQ(entry.RangeLen, c.RangeLen) << c.Stored;
    }
}

struct CheckCase {
    int Type;
    std::string RangeLen;
    std::string Line;
    std::string Value;
    std::string Expected; // the one message expected, empty when the value passes
    int Level = LEVEL_ERROR;
};

std::string Key() {
    return "MyKey";
}
std::string Limit(int rangeId) {
    return FormatMessage(msg::ValueExceedsLimit, Key(), MessageText(rangeId));
}
std::string Format(const char* word) {
    return FormatMessage(msg::UnexpectedFormat, Key(), word);
}
std::string NotAllowed(const char* range) {
    return FormatMessage(msg::NotWithinAllowedValues, Key(), range);
}
std::string OutOfRange(const char* range) {
    return FormatMessage(msg::ValueOutOfRange, Key(), range);
}

TEST(UserKeysTest, CheckByDataTypeAndRangeText) {
    const int I = TYPE_SIMPLE_UINT;
    const CheckCase cases[] = {
        {I, "UCHAR", "", "300", Limit(msg::RangeUChar)},
        {I, "UCHAR", "", "0xFF", ""},
        {I, "uchar", "", "256", Limit(msg::RangeUChar)},
        {I, "USHORT", "", "65536", Limit(msg::RangeUShort)},
        {I, "UINT", "", "-1", Limit(msg::RangeUInt)},
        {I, "UINT", "", "4294967295", ""},
        {I, "CHAR", "", "128", Limit(msg::RangeChar)},
        {I, "CHAR", "", "-128", ""},
        {I, "SHORT", "", "32768", Limit(msg::RangeShort)},
        {I, "INT", "", "2147483648", Limit(msg::RangeInt)},
        {I, "INT", "", "-2147483648", ""},
        // a range, swapped ranges, negative minimum
        {I, "10-20", "", "15", ""},
        {I, "10-20", "", "25", OutOfRange("10-20")},
        {I, "20-10", "", "15", ""},
        {I, "20-10", "", "9", OutOfRange("20-10")},
        {I, "-5-5", "", "-3", ""},
        {I, "-5-5", "", "6", OutOfRange("-5-5")},
        {I, "-5--1", "", "-3", ""},
        {I, "-5-5", "", "x", Format("Number")},
        {I, "1-5", "", "x", Format("Allowed Value")},
        {I, "a-5", "", "3", Format("Min-Max")},
        {I, "0x10-0x20", "", "0x18", ""},
        // a single allowed value
        {I, "7", "", "7", ""},
        {I, "7", "", "8", NotAllowed("7")},
        {I, "7", "", "x", Format("Number")},
        {I, "abc", "", "7", Format("Allowed Value")},
        {I, "-5", "", "-5", ""},
        {I, "-5", "", "-4", NotAllowed("-5")},
        {I, "16", "", "0x10", ""},
        {I, "0x10", "", "0x20", NotAllowed("0x10")},
        // a list of allowed values
        {I, "1,-2,3", "", "3", ""},
        {I, "1,-2,3", "", "-2", ""},
        {I, "1,-2,3", "", "4", NotAllowed("1,-2,3")},
        {I, "1,2,3", "", "2", ""},
        {I, "1,x", "", "1", Format("Allowed Value")},
        {I, "1,2", "", "y", Format("Number")},
        // Bool and octet strings
        {TYPE_SIMPLE_BOOL, "", "", "2", Format("Boolean")},
        {TYPE_SIMPLE_BOOL, "", "", "1", ""},
        {TYPE_OCTET_STRING, "", "", "0x01,0x100", Limit(msg::RangeUChar)},
        {TYPE_OCTET_STRING, "", "", "0x01, 0x02", ""},
        {TYPE_OCTET_STRING, "", "", "300", Limit(msg::RangeUChar)},
        // strings with the maximum length from the range text
        {TYPE_SIMPLE_STRING, "8", "MyKey = \"123456789\"", "123456789",
         FormatMessage(msg::VisibleStringInvalid, Key(), 8)},
        {TYPE_SIMPLE_STRING, "8", "MyKey = \"12345678\"", "12345678", ""},
        {TYPE_SIMPLE_STRING, "8", "MyKey = \"M\xFC\"", "M\xFC",
         FormatMessage(msg::UnspecifiedCharacters, Key(), 1), LEVEL_WARNING},
        {TYPE_SIMPLE_STRING, "8", "MyKey = abc", "abc",
         FormatMessage(msg::VisibleStringInvalid, Key(), 8)},
        // an empty length sets no limit; the characters and quotes are still checked
        {TYPE_SIMPLE_STRING, "", "MyKey = \"" + std::string(300, 'x') + "\"", std::string(300, 'x'),
         ""},
        {TYPE_SIMPLE_STRING, " ", "MyKey = \"\"", "", ""},
        {TYPE_SIMPLE_STRING, "", "MyKey = abc", "abc",
         FormatMessage(msg::VisibleStringInvalid, Key(), 2147483647)},
        {TYPE_SIMPLE_STRING, "0", "MyKey = \"a\"", "a",
         FormatMessage(msg::VisibleStringInvalid, Key(), 0)},
        // the equal-sign rule comes first
        {I, "UCHAR", "MyKey 5", "5", FormatMessage(msg::EqualSign, Key())},
        // an unregistered type has no further check
        {TYPE_USER_KEY, "", "", "anything", ""},
    };
    for (const CheckCase& c : cases) {
        MemorySettingsStore settings;
        OutputRows rows(settings);
        AppServices services(settings, rows);
        RunContext run(services);
        VectorTextLines lines({c.Line.empty() ? Key() + " = " + c.Value : c.Line});
        Document document(lines, "t.kvf", "t.kvf");
        run.CheckedDocument = &document;

        CDbEntry entry(Key(), c.Value, 0, 0);
        entry.Type = c.Type;
        entry.RangeLen = c.RangeLen;
        entry.m_Ready[0] = c.Value;
        CheckUserKey(run, entry);

        std::string context = std::to_string(c.Type) + " '" + c.RangeLen + "' " + c.Value;
        EXPECT_EQ(entry.Valid, 0) << context;
        if (c.Expected.empty()) {
            EXPECT_TRUE(rows.Rows().empty()) << context << ": " << rows.Rows()[0].Text;
        } else {
            ASSERT_EQ(rows.Rows().size(), 1u) << context;
            EXPECT_EQ(rows.Rows()[0].Text, c.Expected) << context;
            EXPECT_EQ(rows.Rows()[0].Level, c.Level) << context;
        }
    }
}

TEST(UserKeysTest, StringLengthIsANumberOrEmpty) {
    const std::pair<const char*, bool> cases[] = {
        {"", true},
        {"  ", true},
        {"8", true},
        {" 32 ", true},
        {"0", true},
        {"-1", false},
        {"+8", false},
        {"8a", false},
        {"UCHAR", false},
        {"1-5", false},
        {"0x10", false},
        {"1,2", false},
        {"99999999999", false},
    };
    for (const auto& [text, valid] : cases)
        EXPECT_EQ(IsStringLengthText(text), valid) << '"' << text << '"';
}

TEST(UserKeysTest, RegisteredKeysAreListedAsTheCheckerReadsThem) {
    MemorySettingsStore settings;
    settings.SetString("UserKeys", "Summary", "MY_KEY,LOWER,A_KEY,");
    settings.SetString("UserKeys", "MY_KEY", "1;2;UCHAR");
    settings.SetString("UserKeys", "A_KEY", "0;0;");
    settings.SetString("UserKeys", "lower", "1;1;5");    // never found: the checker upper-cases
    settings.SetString("UserKeys", "EMPTY", "");         // registers nothing
    settings.SetString("UserKeys", "HAND_WRITTEN", "3"); // not in "Summary", still registered
    settings.SetString("Settings", "NOT_A_KEY", "1;1;1");

    const std::vector<CDbEntry> keys = RegisteredUserKeys(settings);
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0].Key, "A_KEY");
    EXPECT_EQ(keys[0].Type, TYPE_SIMPLE_STRING);
    EXPECT_EQ(keys[0].TreeGroup, PARENT_GENERAL);
    EXPECT_EQ(keys[0].RangeLen, "");
    EXPECT_EQ(keys[1].Key, "HAND_WRITTEN");
    EXPECT_EQ(keys[1].Type, TYPE_OCTET_STRING);
    EXPECT_EQ(keys[2].Key, "MY_KEY");
    EXPECT_EQ(keys[2].Type, TYPE_SIMPLE_UINT);
    EXPECT_EQ(keys[2].TreeGroup, PARENT_MASTER);
    EXPECT_EQ(keys[2].RangeLen, "UCHAR");
}

TEST(UserKeysTest, RemovingTakesTheValueAndTheSummaryItem) {
    MemorySettingsStore settings;
    for (const char* key : {"A_KEY", "XAB", "AB"}) {
        CDbEntry entry(key, "", 0, 0);
        RegisterUserKey(settings, entry, 1, 0, "7");
    }
    struct Step {
        const char* Key;
        bool WasRegistered;
        const char* Summary; // after the removal; "<absent>" once no key is left
    };
    const Step steps[] = {
        {"ab", true, "A_KEY,XAB,"}, // whole items: XAB, which ends in AB, stays
        {"AB", false, "A_KEY,XAB,"},
        {"a_key", true, "XAB,"},
        {"XAB", true, "<absent>"},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(RemoveUserKey(settings, step.Key), step.WasRegistered) << step.Key;
        EXPECT_FALSE(IsRegisteredUserKey(settings, step.Key)) << step.Key;
        EXPECT_FALSE(settings.Contains("UserKeys", ToUpperAscii(step.Key))) << step.Key;
        EXPECT_EQ(settings.GetString("UserKeys", "Summary", "<absent>"), step.Summary) << step.Key;
    }
    EXPECT_TRUE(RegisteredUserKeys(settings).empty());

    // A summary written by hand, with blanks, loses only the removed key.
    settings.SetString("UserKeys", "B", "2;0;");
    settings.SetString("UserKeys", "Summary", "A , B,C");
    EXPECT_TRUE(RemoveUserKey(settings, "b"));
    EXPECT_EQ(settings.GetString("UserKeys", "Summary", ""), "A,C,");
}

} // namespace
} // namespace kvf
