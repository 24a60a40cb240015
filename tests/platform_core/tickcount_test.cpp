#include "platform/posix/tickcount.h"

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

// The counter follows the steady clock in milliseconds, and an offset moves it (modulo 2^32)
// without changing durations, including one across the wrap from 0xFFFFFFFF to 0.
TEST(TickCountTest, CountsMillisecondsAndDurationsSurviveTheWrap) {
    const uint32_t plain = GetTickCount();
    SetTickCountOffset(1000000u);
    const uint32_t moved = GetTickCount() - plain;
    EXPECT_TRUE(moved >= 1000000u && moved < 1000000u + 60000u) << moved;

    SetTickCountOffset(0);
    SetTickCountOffset(0xFFFFFFFFu - GetTickCount() - 10u);  // the wrap 10 ms ahead
    const uint32_t start = GetTickCount();
    EXPECT_GT(start, 0xFFFF0000u);
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const uint32_t end = GetTickCount();
    SetTickCountOffset(0);
    EXPECT_LT(end, start) << "the counter has wrapped";
    EXPECT_TRUE(end - start >= 30u && end - start < 60000u) << end - start;
}
