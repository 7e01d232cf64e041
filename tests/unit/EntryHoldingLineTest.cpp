// Which entry holds a line of the text: the tree selects it after typing, and the window
// finds the entry again after the check as you type rebuilt the database.
#include "core/AppServices.h"
#include "core/Document.h"
#include "core/SettingsStore.h"
#include "core/TextLines.h"
#include "document/CheckRun.h"
#include "editing/EntryCheck.h"
#include "output/OutputRows.h"

#include <gtest/gtest.h>

#include <string>

namespace kvf {
namespace {

TEST(EntryHoldingLine, EveryLineOfAContinuedEntryAndNoneBetween) {
    MemorySettingsStore settings;
    OutputRows rows(settings);
    AppServices services(settings, rows);
    VectorTextLines lines = VectorTextLines::FromBytes("#TALVERON_DP\n"                 // 0
                                                       "Module = \"In 4\" 0x13,\\\n"    // 1
                                                       "  0x23 ; more\n"                // 2
                                                       "; a comment\n"                  // 3
                                                       "Ext_Module_Prm_Data_Len = \\\n" // 4
                                                       "  1\n"                          // 5
                                                       "EndModule\n");                  // 6
    Document document(lines, "dev.kvf", "");
    Rebuild(services, document);
    const CKeyDatabase& database = document.Database;
    auto keyAt = [&](int line) {
        const long index = IndexOfEntryHolding(database, line);
        return index < 0 ? std::string("none")
                         : std::string(database.At(static_cast<std::size_t>(index)).Key);
    };
    EXPECT_EQ(keyAt(0), "none");
    EXPECT_EQ(keyAt(1), "Module");
    EXPECT_EQ(keyAt(2), "Module");
    EXPECT_EQ(keyAt(3), "none");
    EXPECT_EQ(keyAt(4), "Ext_Module_Prm_Data_Len");
    EXPECT_EQ(keyAt(5), "Ext_Module_Prm_Data_Len");
    EXPECT_EQ(keyAt(6), "EndModule");
    EXPECT_EQ(keyAt(7), "none");
}

} // namespace
} // namespace kvf
