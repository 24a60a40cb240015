#include "net/tevent.h"

#include <atomic>
#include <thread>

#include <gtest/gtest.h>

namespace {

// Sets are latched until consumed, several count as one, and a waiter is woken by a later Set.
TEST(TEventTest, SetIsLatchedUntilOneWaitConsumesIt) {
    TEvent event;
    EXPECT_FALSE(event.TryWait());
    event.Set();
    event.Set();
    event.Wait();  // returns at once: the Sets came first
    EXPECT_FALSE(event.TryWait());

    event.Set();
    EXPECT_TRUE(event.TryWait());
    EXPECT_FALSE(event.TryWait());

    std::atomic<bool> woken{false};
    std::thread waiter([&] {
        event.Wait();
        woken = true;
    });
    event.Set();
    waiter.join();
    EXPECT_TRUE(woken);
    EXPECT_FALSE(event.TryWait());
}

TEST(TEventTest, WakeUpIsCalledForEverySetUntilRemoved) {
    TEvent event;
    int calls = 0;
    event.SetWakeUp([&] { ++calls; });
    std::thread setter([&] {
        event.Set();
        event.Set();
    });
    setter.join();
    EXPECT_EQ(calls, 2);
    event.SetWakeUp(nullptr);
    event.Set();
    EXPECT_EQ(calls, 2);
    EXPECT_TRUE(event.TryWait());
}

}  // namespace
