// User Key... as OK stores it: the registration and the entries of the same key at once.
#include "editing/UserKeyRegistration.h"
#include "catalogue/UserKeys.h"
#include "core/Document.h"
#include "core/MessageIds.h"
#include "core/MessageTable.h"
#include "core/RunContext.h"
#include "document/CheckRun.h"
#include "output/OutputRows.h"

#include <gtest/gtest.h>

namespace kvf {
namespace {

struct Registration {
    MemorySettingsStore settings;
    OutputRows rows{settings};
    AppServices services{settings, rows};
    VectorTextLines lines;
    Document document{lines, "DEV01234.kvf", "/work/DEV01234.kvf"};

    explicit Registration(std::string_view bytes) : lines(VectorTextLines::FromBytes(bytes)) {
        Rebuild(services, document);
    }
    // The texts of the check's rows that name `key`.
    std::vector<std::string> CheckRowsOf(std::string_view key) {
        Check(services, document);
        std::vector<std::string> texts;
        for (const auto& row : rows.Rows())
            if (row.Text.find(key) != std::string::npos)
                texts.emplace_back(row.Text);
        return texts;
    }
    // The entry of a line (the identification line holds none).
    CDbEntry& At(int line) {
        for (CDbEntry& entry : document.Database)
            if (entry.LongLine == line)
                return entry;
        ADD_FAILURE() << "no entry on line " << line;
        return document.Database.At(0);
    }
};

TEST(UserKeyRegistration, EntriesOfTheSameUnknownKeyFollow) {
    Registration r("#TALVERON_DP\nACME_Mode = 1\nacme_mode = 2\nOther_Key = 3\n");
    CDbEntry& first = r.At(1);
    const unsigned otherGroup = r.At(3).TreeGroup;
    ApplyUserKeyRegistration(r.services, r.document, first, 1, 2, "0-3");
    EXPECT_EQ(r.settings.GetString("UserKeys", "ACME_MODE", ""), "1;2;0-3");
    EXPECT_NE(r.At(2).TreeGroup, otherGroup);
    EXPECT_EQ(r.At(2).Type, first.Type);
    EXPECT_EQ(r.At(2).TreeGroup, first.TreeGroup);
    EXPECT_EQ(r.At(2).RangeLen, first.RangeLen);
    EXPECT_EQ(r.At(3).TreeGroup, otherGroup);
}

// A key the checker takes for no keyword (User Key... on it, or a quick fix asked for it) is
// refused: nothing stored, the entry as it was.
TEST(UserKeyRegistration, KeysThatAreNoKeywordsAreRefused) {
    for (const char* key : {"A,B_Key", "[General]", "X\"Y", "K\r\n[Evil]", "A/B", ""}) {
        Registration r("#TALVERON_DP\n");
        CDbEntry entry(key, "", 0, 0);
        const CDbEntry before = entry;
        EXPECT_FALSE(ApplyUserKeyRegistration(r.services, r.document, entry, 1, 2, "0-3")) << key;
        EXPECT_TRUE(r.settings.Names("UserKeys").empty()) << key;
        EXPECT_EQ(entry.Type, before.Type) << key;
        EXPECT_EQ(entry.TreeGroup, before.TreeGroup) << key;
    }
}

TEST(UserKeyRegistration, EntriesOfACatalogueKeyKeepTheirRow) {
    Registration r("#TALVERON_DP\nVendor_Name = \"a\"\nVendor_Name = \"b\"\n");
    const CDbEntry before = r.At(2);
    ApplyUserKeyRegistration(r.services, r.document, r.At(1), 1, 2, "0-3");
    EXPECT_EQ(r.At(2).Type, before.Type);
    EXPECT_EQ(r.At(2).TreeGroup, before.TreeGroup);
    EXPECT_EQ(r.At(2).RangeLen, before.RangeLen);
}

// A registration edited or removed counts from the next check on: nothing of the old one
// is remembered.
TEST(UserKeyRegistration, EditedAndRemovedKeysCountFromTheNextCheck) {
    const std::string text = "A text longer than eight characters";
    Registration r("#TALVERON_DP\nACME_Text = \"" + text + "\"\n");
    ApplyUserKeyRegistration(r.services, r.document, r.At(1), 0, 0, "8");
    using Rows = std::vector<std::string>;
    EXPECT_EQ(r.CheckRowsOf("ACME_Text"),
              Rows{FormatMessage(msg::VisibleStringInvalid, "ACME_Text", 8)});

    CDbEntry edited("ACME_TEXT", "", 0, 0);
    RegisterUserKey(r.settings, edited, 0, 0, ""); // a String without a length
    EXPECT_EQ(r.CheckRowsOf("ACME_Text"), Rows{});

    EXPECT_TRUE(RemoveUserKey(r.settings, "acme_text"));
    EXPECT_EQ(r.CheckRowsOf("ACME_Text"), Rows{FormatMessage(msg::UnknownKey, "ACME_Text")});
}

} // namespace
} // namespace kvf
