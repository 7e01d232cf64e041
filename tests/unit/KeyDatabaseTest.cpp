#include "core/CKeyDatabase.h"
#include "core/EntryFocus.h"
#include "core/RunContext.h"
#include "output/OutputRows.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kvf {
namespace {

TEST(KeyDatabase, NewEntryHasItsCreationValues) {
    CDbEntry entry("Key", "Value", 12, 10);
    EXPECT_EQ(entry.Valid, 0);
    EXPECT_EQ(entry.Accepted, 0);
    EXPECT_EQ(entry.Type, TYPE_USER_KEY);
    EXPECT_EQ(entry.Line, 12);
    EXPECT_EQ(entry.LongLine, 10);
    EXPECT_EQ(entry.TreeGroup, 0u);
    EXPECT_EQ(entry.hParent, nullptr);
    EXPECT_EQ(entry.m_Ready, (std::array<std::string, 4>{}));
}

TEST(KeyDatabase, KeepsFileOrderAndForgetsSharedEntriesOnClear) {
    MemorySettingsStore settings;
    OutputRows rows(settings);
    AppServices services(settings, rows);
    RunContext run(services);
    std::vector<std::string> keys;
    {
        CKeyDatabase database(&run);
        for (const char* key : {"A", "B", "C"})
            database.Append(std::make_unique<CDbEntry>(key, "", 0, 0));
        ASSERT_EQ(database.Count(), 3u);
        for (const CDbEntry& entry : database)
            keys.push_back(entry.Key);
        EXPECT_EQ(database.IndexOf(&database.At(2)), 2);
        EXPECT_EQ(database.IndexOf(nullptr), -1);

        run.Focus.CurrentEntry = &database.At(1);
        run.OpenBlockEntry = &database.At(0);
        database.Clear();
        EXPECT_TRUE(database.Empty());
        EXPECT_EQ(run.Focus.CurrentEntry, nullptr);
        EXPECT_EQ(run.OpenBlockEntry, nullptr);

        database.Append(std::make_unique<CDbEntry>("D", "", 0, 0));
        run.Focus.CurrentEntry = database.Last();
    }
    // Destroying the database resets the run's pointers as well.
    EXPECT_EQ(run.Focus.CurrentEntry, nullptr);
    EXPECT_EQ(keys, (std::vector<std::string>{"A", "B", "C"}));
}

// A database built elsewhere is taken over whole: the entries, their texts (kept in the
// other's store) and the bytes they point into change hands without moving, and what pointed
// at the entries given away is told.
TEST(KeyDatabase, SwapTradesEntriesAndTellsTheReferencesOfTheOnesGivenAway) {
    EntryFocus focus;
    CKeyDatabase shown(&focus);
    shown.Append(std::make_unique<CDbEntry>("Old", "", 0, 0));
    focus.CurrentEntry = &shown.At(0);

    CKeyDatabase built;
    auto bytes = std::make_shared<std::string>("Vendor_Name");
    built.Texts().KeepAlive(bytes);
    CDbEntry& entry = built.Emplace(built.Texts().View(*bytes), built.Texts().Keep("ACME"), 3, 2);
    const CDbEntry* address = &entry;
    bytes.reset();

    shown.Swap(built);
    EXPECT_EQ(focus.CurrentEntry, nullptr);
    ASSERT_EQ(shown.Count(), 1u);
    EXPECT_EQ(&shown.At(0), address);
    EXPECT_EQ(shown.At(0).Key, "Vendor_Name");
    EXPECT_EQ(shown.At(0).Value, "ACME");
    ASSERT_EQ(built.Count(), 1u);
    EXPECT_EQ(built.At(0).Key, "Old");
    built.Clear();
    EXPECT_EQ(shown.At(0).Key, "Vendor_Name");
}

} // namespace
} // namespace kvf
