#include "platform/posix/namedmutex.h"

#include "tests/support/testmutex.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

using kr::test::TestMutexName;
using kr::test::TryFromOtherThread;
using Result = NamedMutex::LockResult;
constexpr std::chrono::milliseconds kWait(1000);

TEST(NamedMutexTest, ObjectsOfOneNameShareOneRecursiveMutex) {
    TestMutexName name;
    auto first = NamedMutex::Open(name.name);
    auto second = NamedMutex::Open(name.name);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->LockFor(kWait), Result::Locked);
    EXPECT_EQ(TryFromOtherThread(name.name), Result::TimedOut);
    // The holder may take it again through any object and must give back every hold.
    EXPECT_EQ(second->LockFor(kWait), Result::Locked);
    first->Unlock();
    EXPECT_EQ(TryFromOtherThread(name.name), Result::TimedOut);
    second->Unlock();
    EXPECT_EQ(TryFromOtherThread(name.name), Result::Locked);
}

// A creator that died while initialising: the next opener finishes the job instead of giving up.
TEST(NamedMutexTest, ObjectLeftHalfInitialisedIsRecovered) {
    TestMutexName name;
    const int fd = shm_open(("/korvath-mutex-" + name.name).c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    const uint32_t initialising = 1;  // the state word of an unfinished creation
    ASSERT_EQ(ftruncate(fd, 4096), 0);
    ASSERT_EQ(write(fd, &initialising, sizeof(initialising)), 4);
    close(fd);
    auto mutex = NamedMutex::Open(name.name);
    ASSERT_TRUE(mutex);
    EXPECT_EQ(mutex->LockFor(kWait), Result::Locked);
    EXPECT_EQ(TryFromOtherThread(name.name), Result::TimedOut);
    mutex->Unlock();
    EXPECT_EQ(TryFromOtherThread(name.name), Result::Locked);
}

}  // namespace
