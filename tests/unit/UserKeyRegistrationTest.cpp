// User Key... as OK stores it: the registration and the entries of the same key at once.
#include "editing/UserKeyRegistration.h"
#include "core/Document.h"
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

TEST(UserKeyRegistration, EntriesOfACatalogueKeyKeepTheirRow) {
    Registration r("#TALVERON_DP\nVendor_Name = \"a\"\nVendor_Name = \"b\"\n");
    const CDbEntry before = r.At(2);
    ApplyUserKeyRegistration(r.services, r.document, r.At(1), 1, 2, "0-3");
    EXPECT_EQ(r.At(2).Type, before.Type);
    EXPECT_EQ(r.At(2).TreeGroup, before.TreeGroup);
    EXPECT_EQ(r.At(2).RangeLen, before.RangeLen);
}

} // namespace
} // namespace kvf
