// Blocks made on several threads come out in block order, and a failed output stops the work.
#include "ordered_blocks.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace biteclock {
namespace {

TEST(OrderedBlocks, ComeOutInOrderAtAnyNumberOfJobs) {
    for (const int jobs : {1, 2, 3, 8, 100}) {
        for (const int blocks : {0, 1, 5, 57}) {
            std::vector<int> taken;
            const bool done = runOrderedBlocks(
                blocks, jobs,
                [](int block) {
                    // Later blocks are often ready first.
                    std::this_thread::sleep_for(std::chrono::microseconds((block * 7919) % 13 * 50));
                    return std::to_string(block);
                },
                [&taken](std::string& text) {
                    taken.push_back(std::stoi(text));
                    return true;
                });
            EXPECT_TRUE(done);
            ASSERT_EQ(taken.size(), static_cast<std::size_t>(blocks)) << jobs;
            for (int i = 0; i < blocks; ++i) {
                EXPECT_EQ(taken[static_cast<std::size_t>(i)], i) << jobs;
            }
        }
    }
}

TEST(OrderedBlocks, AFailedTakeStopsTheWorkAndIsReported) {
    for (const int jobs : {1, 4}) {
        std::atomic<int> made = 0;
        int takes = 0;
        const bool done = runOrderedBlocks(
            10000, jobs,
            [&made](int block) {
                ++made;
                return std::to_string(block);
            },
            [&takes](std::string&) { return ++takes < 3; });
        EXPECT_FALSE(done);
        EXPECT_EQ(takes, 3);
        // Only the few blocks already under way were made.
        EXPECT_LT(made.load(), 3 + 4 * jobs * 4);
    }
}

TEST(OrderedBlocks, FewBlocksAreMadeAheadOfTheOneTaken) {
    std::atomic<int> made = 0;
    int most = 0;
    int taken = 0;
    runOrderedBlocks(
        500, 2,
        [&made](int block) {
            ++made;
            return std::to_string(block);
        },
        [&](std::string&) {
            ++taken;
            most = std::max(most, made.load() - taken);
            std::this_thread::sleep_for(std::chrono::microseconds(20));
            return true;
        });
    EXPECT_EQ(taken, 500);
    EXPECT_LE(most, 2 * 3);
}

} // namespace
} // namespace biteclock
