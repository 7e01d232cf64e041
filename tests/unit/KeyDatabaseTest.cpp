#include "core/CKeyDatabase.h"
#include "core/RunContext.h"
#include "output/OutputRows.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace kvf
