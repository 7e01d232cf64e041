// The engine's large blocks: where they come from, that every one goes back to the source
// that gave it, and that what lives in them stays where it is while more is added.
#include "core/BlockSource.h"
#include "cli/HugePageBlocks.h"
#include "core/BlockAllocator.h"
#include "core/BlockArena.h"
#include "core/CKeyDatabase.h"
#include "output/OutputRows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kvf {
namespace {

// Heap blocks, counted: a block given back must be one taken, with the size asked for.
class CountingSource : public BlockSource {
  public:
    void* Take(std::size_t bytes) override {
        void* block = ::operator new(bytes);
        live_[block] = bytes;
        ++taken_;
        return block;
    }
    void Give(void* block, std::size_t bytes) noexcept override {
        auto found = live_.find(block);
        if (found == live_.end() || found->second != bytes)
            ++mismatches_;
        else
            live_.erase(found);
        ::operator delete(block);
    }
    std::size_t Live() const { return live_.size(); }
    std::size_t Taken() const { return taken_; }
    std::size_t Mismatches() const { return mismatches_; }

  private:
    std::map<void*, std::size_t> live_;
    std::size_t taken_ = 0;
    std::size_t mismatches_ = 0;
};

class BlockSourceTest : public ::testing::Test {
  protected:
    void SetUp() override { InstallBlockSource(&source_); }
    void TearDown() override {
        InstallBlockSource(nullptr);
        EXPECT_EQ(source_.Live(), 0u) << "blocks not given back";
        EXPECT_EQ(source_.Mismatches(), 0u) << "blocks given back that were not taken";
    }
    CountingSource source_;
};

// Entry counts around the chunk boundaries: the first chunk (64), the last doubled one
// (ends at 131,008) and the first two chunks of 8 MiB each.
TEST_F(BlockSourceTest, EntriesStayInPlaceAcrossEveryChunkBoundary) {
    for (std::size_t count : {1u, 64u, 65u, 131008u, 131009u, 250000u}) {
        CKeyDatabase database;
        std::vector<const CDbEntry*> addresses;
        for (std::size_t i = 0; i < count; ++i)
            addresses.push_back(&database.Emplace({}, {}, static_cast<int>(i), -1));
        ASSERT_EQ(database.Count(), count);
        for (std::size_t i = 0; i < count; ++i) {
            ASSERT_EQ(&database.At(i), addresses[i]) << count << " entries, entry " << i;
            ASSERT_EQ(database.At(i).Line, static_cast<int>(i)) << count << " entries";
        }
        std::size_t visited = 0;
        for (const CDbEntry& entry : database)
            ASSERT_EQ(&entry, addresses[visited++]);
        EXPECT_EQ(visited, count);
        database.Clear();
        EXPECT_EQ(source_.Live(), 0u) << count << " entries: Clear gives every chunk back";
        database.Emplace({}, {}, 7, 7); // a cleared database fills again from the start
        EXPECT_EQ(database.At(0).Line, 7);
    }
}

TEST_F(BlockSourceTest, ArenaRoomKeepsItsBytesAndGoesBackOnClear) {
    BlockArena arena;
    std::vector<std::pair<char*, std::string>> kept;
    // Short texts fill blocks that double; every 500th text is too long to share a block.
    for (int i = 0; i < 40000; ++i) {
        std::string text = i % 500 == 0 ? std::string(20000 + i, 'x') : std::to_string(i);
        char* room = arena.Room(text.size());
        std::memcpy(room, text.data(), text.size());
        kept.emplace_back(room, std::move(text));
    }
    for (const auto& [room, text] : kept)
        ASSERT_EQ(std::string(room, text.size()), text);
    const std::size_t blocks = source_.Live();
    EXPECT_LT(blocks, 120u) << "short texts share blocks";

    BlockArena moved = std::move(arena);
    EXPECT_EQ(arena.BlockBytes(), 0u);
    std::memcpy(arena.Room(3), "new", 3); // the arena moved from takes a block of its own
    EXPECT_EQ(source_.Live(), blocks + 1);
    for (const auto& [room, text] : kept)
        ASSERT_EQ(std::string(room, text.size()), text);
    moved.Clear();
    arena.Clear();
    EXPECT_EQ(source_.Live(), 0u);

    // A first text longer than the first block but short enough to share one.
    const std::string middle(10000, 'm');
    char* room = arena.Room(middle.size());
    std::memcpy(room, middle.data(), middle.size());
    std::memcpy(arena.Room(2), "ok", 2);
    EXPECT_EQ(std::string(room, middle.size()), middle);
    EXPECT_EQ(source_.Live(), 1u);
    arena.Clear();
}

TEST_F(BlockSourceTest, ContainersGiveBackToTheSourceTheyWereMadeUnder) {
    // Made under the counting source, freed after the heap is back: still counted.
    auto rows = std::make_unique<OutputRowList>();
    for (int i = 0; i < 100000; ++i)
        rows->Add(1, i, 0, "row " + std::to_string(i), nullptr);
    InstallBlockSource(nullptr);
    EXPECT_EQ((*rows)[99999].Text, "row 99999");
    BlockVector<int> onHeap(1000); // made under the heap: the counting source never sees it
    rows.reset();
    onHeap.clear();
    onHeap.shrink_to_fit();
    EXPECT_EQ(source_.Live(), 0u);
}

TEST(HugePageBlocks, LargeBlocksAreAlignedToHugePagesAndUsable) {
    BlockSource& source = cli::HugePageBlockSource();
    constexpr std::size_t kHugePage = std::size_t{2} << 20;
    for (std::size_t bytes : {std::size_t{16}, std::size_t{100000}, kHugePage - 1, kHugePage,
                              kHugePage + 1, 3 * kHugePage + 4096 + 7}) {
        auto* block = static_cast<unsigned char*>(source.Take(bytes));
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignof(std::max_align_t), 0u);
        if (bytes >= kHugePage) {
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % kHugePage, 0u) << bytes;
        }
        block[0] = 1;
        block[bytes - 1] = 2; // the whole block is writable
        EXPECT_EQ(block[0] + block[bytes - 1], 3);
        source.Give(block, bytes);
    }
}

} // namespace
} // namespace kvf
