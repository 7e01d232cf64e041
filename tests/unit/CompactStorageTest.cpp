// The compact containers a large file's check run keeps its data in: each is compared with
// the plain standard container it stands for.
#include "core/CDbEntry.h"
#include "core/RunContext.h"
#include "output/OutputRows.h"
#include "semantic/NumberIndex.h"
#include "semantic/UserParameterRules.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace kvf {
namespace {

using Parts = std::array<std::string, 4>;

TEST(ValueParts, EveryOrderOfWritesKeepsEveryPart) {
    const std::string longText(20000, 'z');
    struct Write {
        std::size_t Part;
        std::string Text;
    };
    struct Case {
        const char* Name;
        std::vector<Write> Writes;
        Parts Expected;
    };
    const Case cases[] = {
        {"first two only", {{0, "a"}, {1, "b"}}, {"a", "b", "", ""}},
        {"second, then fourth", {{1, "b"}, {3, "d"}}, {"", "b", "", "d"}},
        {"third before the second", {{2, "c"}, {1, "b"}}, {"", "b", "c", ""}},
        {"all, last first", {{3, "d"}, {2, "c"}, {1, "b"}, {0, "a"}}, {"a", "b", "c", "d"}},
        {"second rewritten after the block", {{1, "b"}, {2, "c"}, {1, "B"}}, {"", "B", "c", ""}},
        {"long texts", {{1, longText}, {3, longText}}, {"", longText, "", longText}},
        {"emptied again", {{1, "b"}, {3, "d"}, {1, ""}, {3, ""}}, {"", "", "", ""}},
    };
    for (const Case& c : cases) {
        ValueParts parts;
        for (const Write& w : c.Writes)
            parts[w.Part] = w.Text;
        EXPECT_EQ(parts, c.Expected) << c.Name;
        ValueParts copy = parts;
        EXPECT_EQ(copy, c.Expected) << c.Name << " (copy)";
        ValueParts moved = std::move(copy);
        EXPECT_EQ(moved, c.Expected) << c.Name << " (moved)";
        ValueParts assigned;
        assigned[2] = "old";
        assigned = moved;
        EXPECT_EQ(assigned, c.Expected) << c.Name << " (assigned)";
        assigned = ValueParts();
        EXPECT_EQ(assigned, (Parts{})) << c.Name << " (emptied)";
        const ValueParts& read = parts;
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(read[i], c.Expected[i]) << c.Name << " part " << i;
    }
}

TEST(ValueParts, AnEntryWithAllFourPartsIsCopiedAndDestroyedCleanly) {
    std::vector<CDbEntry> entries;
    for (int i = 0; i < 100; ++i) {
        CDbEntry entry("Slot", "1", i, i);
        entry.m_Ready = Parts{"1", "Head", std::to_string(i), "1-2"};
        entries.push_back(entry); // copied, then moved as the vector grows
    }
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(entries[static_cast<std::size_t>(i)].m_Ready,
                  (Parts{"1", "Head", std::to_string(i), "1-2"}));
}

TEST(NumberIndex, AnswersAsAMapThatKeepsTheFirstPosition) {
    NumberIndex index;
    std::map<std::int32_t, std::uint32_t> model;
    std::mt19937 random(7);
    std::uniform_int_distribution<std::int32_t> near(-3000, 3000);
    auto insert = [&](std::int32_t number, std::uint32_t position) {
        bool added = model.emplace(number, position).second;
        EXPECT_EQ(index.Insert(number, position), added) << number;
    };
    for (std::int32_t extreme : {INT_MIN, INT_MAX, 0, -1, 1})
        insert(extreme, 9);
    for (std::uint32_t i = 0; i < 20000; ++i)
        insert(i % 3 == 0 ? near(random) : static_cast<std::int32_t>(i) * 4096, i);
    EXPECT_EQ(index.Size(), model.size());
    for (std::int32_t probe = -4000; probe <= 4000; ++probe) {
        auto it = model.find(probe);
        const std::uint32_t* found = index.Find(probe);
        ASSERT_EQ(found != nullptr, it != model.end()) << probe;
        if (found) {
            EXPECT_EQ(*found, it->second) << probe;
        }
    }
    for (const auto& [number, position] : model)
        ASSERT_TRUE(index.Contains(number)) << number;
}

TEST(PrmTextValues, AnswersAsASetAcrossTheFirstFew) {
    const std::vector<std::vector<std::uint32_t>> cases = {
        {},
        {1},
        {0, 1, 1, 0},
        {9, 5, 0, 5, 7},          // a duplicate before the fifth value
        {1, 2, 3, 4, 5, 1, 6, 5}, // duplicates after it
        {4294967295u, 0, 4294967295u, 3, 2, 1},
    };
    for (const auto& values : cases) {
        PrmTextValues compact;
        std::set<std::uint32_t> model;
        for (std::uint32_t v : values)
            EXPECT_EQ(compact.Insert(v), model.insert(v).second) << v;
        EXPECT_EQ(compact.Size(), model.size());
        EXPECT_EQ(compact.Descending(), std::vector<std::uint32_t>(model.rbegin(), model.rend()));
        PrmTextValues copy = compact;
        for (std::uint32_t probe : {0u, 1u, 2u, 5u, 6u, 8u, 4294967295u})
            EXPECT_EQ(copy.Contains(probe), model.count(probe) != 0) << probe;
    }
}

TEST(OutputRowList, TextsStayWhereTheyAreWhenRowsAndListsMove) {
    OutputRowList rows;
    std::vector<std::string> texts;
    for (int i = 0; i < 5000; ++i)
        texts.push_back(i % 1000 == 7 ? std::string(30000, 'L') : "Row text " + std::to_string(i));
    texts.push_back("");
    for (std::size_t i = 0; i < texts.size(); ++i)
        rows.Add(LEVEL_WARNING, static_cast<int>(i), 147, texts[i], nullptr);
    OutputRowList moved = std::move(rows);
    ASSERT_EQ(moved.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(moved[i].Text, texts[i]) << i;
        EXPECT_EQ(moved[i].Line, static_cast<int>(i));
        EXPECT_EQ(moved[i].Id, 147);
    }
    moved.Clear();
    EXPECT_TRUE(moved.empty());
}

TEST(OutputRows, AWarningsSettingChangedDuringARunCountsFromTheNextRun) {
    MemorySettingsStore settings;
    OutputRows rows(settings);
    rows.RunStarts();
    settings.SetInt("Settings", "Warnings", 1);
    rows.AddMessage(LEVEL_WARNING, 1, "kept: read when the run started", nullptr);
    rows.RunEnds();
    rows.AddMessage(LEVEL_WARNING, 2, "dropped: outside a run the setting counts at once", nullptr);
    rows.RunStarts();
    rows.AddMessage(LEVEL_WARNING, 3, "dropped", nullptr);
    rows.AddMessage(LEVEL_ERROR, 4, "errors always stay", nullptr);
    rows.RunEnds();
    ASSERT_EQ(rows.Rows().size(), 2u);
    EXPECT_EQ(rows.Rows()[0].Line, 1);
    EXPECT_EQ(rows.Rows()[1].Line, 4);
}

TEST(KeyAnswers, AFileOfManyDistinctKeysIsStillAnsweredRight) {
    KeyAnswers answers;
    KeyAnswers::Run run(answers);
    int asked = 0;
    const int keys = 70000; // more than are remembered
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < keys; ++i) {
            bool answer = answers.Answer(std::to_string(i), [&] {
                ++asked;
                return i % 3 == 0;
            });
            ASSERT_EQ(answer, i % 3 == 0) << i;
        }
    EXPECT_GT(asked, keys);     // the keys past the bound are asked again
    EXPECT_LT(asked, 2 * keys); // the first ones are remembered
}

} // namespace
} // namespace kvf
