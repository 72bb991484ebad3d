#include <gtest/gtest.h>

#include "engine/random_draw.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace {

TEST(RandomDraw, EveryGeneratorValueStaysInsideThePool)
{
    const int sizes[] = {1, 2, 3, 12, 25, 99, 255, 32766, 32767, 32768, 65537, 1000000, INT_MAX};
    for (int size : sizes) {
        for (int r = 0; r <= kRandomValueMax; ++r) {
            int index = RandomPoolIndex(r, size);
            ASSERT_GE(index, 0) << "r " << r << " pool " << size;
            ASSERT_LT(index, size) << "r " << r << " pool " << size;
        }
        EXPECT_EQ(RandomPoolIndex(0, size), 0);
        EXPECT_EQ(RandomPoolIndex(kRandomValueMax, size), size - 1);
    }
}

TEST(RandomDraw, FormulaValuesAndOutOfRangeInputs)
{
    struct { int r, size, index; } cases[] = {
        {16383, 12, 6},     // 16383 * 13 / 32767 = 6, k = 7
        {2520, 12, 0},      // 2520 * 13 / 32767 = 0
        {2521, 12, 1},
        {30246, 12, 11},    // k = 12 exactly
        {32766, 12, 11},    // k = 13, held to the last entry
        {20000, 1, 0},
        {-1, 12, 0},        // outside the generator's range: held to it
        {40000, 12, 11},
        {INT_MAX, INT_MAX, INT_MAX - 1},
        {100, 0, -1},       // empty pool
        {100, -3, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RandomPoolIndex(c.r, c.size), c.index) << "r " << c.r << " pool " << c.size;
}

TEST(RandomDraw, EveryEntryCanComeUpAndTheLastTwiceAsOften)
{
    const int size = 12;
    std::vector<int> hits(size, 0);
    for (int r = 0; r <= kRandomValueMax; ++r)
        ++hits[size_t(RandomPoolIndex(r, size))];
    for (int i = 0; i + 1 < size; ++i) {
        EXPECT_GE(hits[size_t(i)], 2500) << "entry " << i;
        EXPECT_LE(hits[size_t(i)], 2550) << "entry " << i;
    }
    EXPECT_GE(hits[size - 1], 2 * 2500);
    EXPECT_LE(hits[size - 1], 2 * 2550);
}

TEST(RandomDraw, DrawnTrackMapsToItsFirstStep)
{
    const char *program[] = {"3", "3", "1"};
    const char *withRepeat[] = {"7", "4", "4", "9"};
    struct { const char *const *order; int length; const char *drawn; int step; } cases[] = {
        {program, 3, "3", 1},
        {program, 3, "1", 3},
        {withRepeat, 4, "4", 2},
        {withRepeat, 4, "9", 4},
        // Texts are compared whole: "03" is not "3", "1" is not "13".
        {withRepeat, 4, "07", 1},
        {program, 3, "", 1},
        {program, 0, "3", 1},
        {program, 3, nullptr, 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FirstStepWithText(c.order, c.length, c.drawn), c.step) << (c.drawn ? c.drawn : "(null)");

    const char *lettered[] = {"x1", "X2", "x2"};
    EXPECT_EQ(FirstStepWithText(lettered, 3, "x2"), 2);  // as the list box's exact search, case ignored
}

// A program [3, 3, 1] in random mode: the pool holds three entries, drawn one
// by one until it is empty; both draws of track 3 make step 1 current.
TEST(RandomDraw, ProgramThreeThreeOneDrawsToExhaustion)
{
    const char *order[] = {"3", "3", "1"};
    for (int r = 0; r <= kRandomValueMax; r += 97) {
        std::vector<std::string> pool(order, order + 3);
        std::vector<int> steps;
        while (!pool.empty()) {
            int index = RandomPoolIndex(r, int(pool.size()));
            ASSERT_GE(index, 0);
            ASSERT_LT(size_t(index), pool.size());
            steps.push_back(FirstStepWithText(order, 3, pool[size_t(index)].c_str()));
            pool.erase(pool.begin() + index);
        }
        std::sort(steps.begin(), steps.end());
        EXPECT_EQ(steps, (std::vector<int>{1, 1, 3})) << "r " << r;
    }
}

} // namespace
