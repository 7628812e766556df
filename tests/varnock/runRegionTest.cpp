#include "varnock/runRegion.hpp"
#include "tests/testSupport.hpp"

#include <cstdint>
#include <limits>

namespace {

constexpr std::size_t huge = std::numeric_limits<std::size_t>::max();

struct AllocationCase : NamedRow<AllocationCase>
{
    std::vector<std::size_t> sizes; // asked for in turn, of a fresh 64-byte region
    std::vector<bool> fromRegion;   // false: left to the C library's allocator
};

// clang-format off
const AllocationCase allocationCases[] = {
    {{"blocksRoundedToSixteen"}, {1, 15, 16, 17}, {true, true, true, false}},
    {{"wholeRoomInOneBlock"}, {64, 1}, {true, false}},
    {{"oneByteMoreThanTheRoom"}, {65, 64}, {false, true}},
    {{"lastBlockFitsExactly"}, {48, 17, 16, 1}, {true, false, true, false}},
    {{"emptyBlockLeftToTheHeap"}, {0, 64}, {false, true}},
    {{"hugeSizesNeverWrap"}, {huge, huge - 14, 64}, {false, false, true}},
};
// clang-format on

using AllocationCases = testing::TestWithParam<AllocationCase>;

// Every block it hands out is aligned, lies wholly inside it and after the
// block before, so that no two overlap.
TEST_P(AllocationCases, handsOutAlignedBlocksApart)
{
    const AllocationCase& row = GetParam();
    RunRegion<64> region;
    std::uintptr_t previousEnd = 0;
    for (std::size_t index = 0; index < row.sizes.size(); ++index) {
        const auto* block = static_cast<const char*>(region.allocate(row.sizes[index]));
        ASSERT_EQ(block != nullptr, row.fromRegion[index]) << "block " << index;
        if (block == nullptr) {
            continue;
        }
        const auto start = reinterpret_cast<std::uintptr_t>(block);
        EXPECT_EQ(start % 16, 0u) << "block " << index;
        EXPECT_TRUE(region.holds(block + row.sizes[index] - 1)) << "block " << index;
        EXPECT_GE(start, previousEnd) << "block " << index;
        previousEnd = start + row.sizes[index];
    }
}

INSTANTIATE_TEST_SUITE_P(RunRegion, AllocationCases, testing::ValuesIn(allocationCases), rowName);

struct HoldsCase : NamedRow<HoldsCase>
{
    std::ptrdiff_t offset; // from the region's first byte
    bool held;
};

const HoldsCase holdsCases[] = {
    {{"byteBefore"}, -1, false},
    {{"firstByte"}, 0, true},
    {{"lastByte"}, 63, true},
    {{"byteAfter"}, 64, false},
};

using HoldsCases = testing::TestWithParam<HoldsCase>;

TEST_P(HoldsCases, knowsItsBlocksByAddress)
{
    RunRegion<64> region;
    const auto first = reinterpret_cast<std::uintptr_t>(region.allocate(64));
    const auto* address =
        reinterpret_cast<const void*>(first + static_cast<std::uintptr_t>(GetParam().offset));
    EXPECT_EQ(region.holds(address), GetParam().held);
    EXPECT_FALSE(region.holds(nullptr));
}

INSTANTIATE_TEST_SUITE_P(RunRegion, HoldsCases, testing::ValuesIn(holdsCases), rowName);

} // namespace
