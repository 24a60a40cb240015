#include "platform/posix/tickcount.h"

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

// An offset moves the counter (modulo 2^32) without changing durations, also across the wrap
// from 0xFFFFFFFF to 0. Pings across a wrap: the server query tests.
TEST(TickCountTest, DurationsInMillisecondsSurviveTheWrap) {
    SetTickCountOffset(0xFFFFFFFFu - GetTickCount() - 10u);  // the wrap 10 ms ahead
    const uint32_t start = GetTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const uint32_t end = GetTickCount();
    SetTickCountOffset(0);
    EXPECT_GT(start, 0xFFFF0000u);
    EXPECT_LT(end, start) << "the counter has wrapped";
    EXPECT_TRUE(end - start >= 30u && end - start < 60000u) << end - start;
}
