#include "platform/posix/namedmutex.h"

#include <string>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include "tests/support/testmutex.h"

namespace {

using kr::test::TestMutexName;
using kr::test::TryFromOtherThread;
using std::chrono::milliseconds;
using Result = NamedMutex::LockResult;

TEST(NamedMutexTest, ObjectsOfOneNameShareOneRecursiveMutex) {
    TestMutexName name;
    auto first = NamedMutex::Open(name.name);
    auto second = NamedMutex::Open(name.name);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->LockFor(milliseconds(1000)), Result::Locked);
    EXPECT_EQ(TryFromOtherThread(name.name), Result::TimedOut);
    // The holder may take it again through any object and must give back every hold.
    EXPECT_EQ(second->LockFor(milliseconds(1000)), Result::Locked);
    first->Unlock();
    EXPECT_EQ(TryFromOtherThread(name.name), Result::TimedOut);
    second->Unlock();
    EXPECT_EQ(TryFromOtherThread(name.name), Result::Locked);

    // A removed name gives a fresh mutex.
    ASSERT_EQ(first->LockFor(milliseconds(1000)), Result::Locked);
    NamedMutex::Remove(name.name);
    EXPECT_EQ(TryFromOtherThread(name.name), Result::Locked);
    first->Unlock();
}

// Slashes cannot appear in shared-memory names; they must not make two names collide.
TEST(NamedMutexTest, NamesStayDistinctWhateverTheirCharacters) {
    const std::string pairs[][2] = {{"a/b", "a_b"}, {"a/b", "a%2Fb"}, {"x%", "x%25"}, {"m", "M"}};
    for (const auto& pair : pairs) {
        TestMutexName stem;
        const std::string left = stem.name + pair[0];
        const std::string right = stem.name + pair[1];
        auto held = NamedMutex::Open(left);
        ASSERT_TRUE(held) << left;
        ASSERT_EQ(held->LockFor(milliseconds(1000)), Result::Locked);
        EXPECT_EQ(TryFromOtherThread(right), Result::Locked) << left << " vs " << right;
        EXPECT_EQ(TryFromOtherThread(left), Result::TimedOut) << left;
        held->Unlock();
        NamedMutex::Remove(left);
        NamedMutex::Remove(right);
    }
}

// A creator that died while initialising left the object's state word unfinished (1): the next
// opener finishes the job instead of giving up, and the mutex works between threads.
TEST(NamedMutexTest, ObjectLeftHalfInitialisedIsRecovered) {
    TestMutexName name;
    const int fd = shm_open(("/korvath-mutex-" + name.name).c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    const uint32_t initialising = 1;
    ASSERT_EQ(ftruncate(fd, 4096), 0);
    ASSERT_EQ(write(fd, &initialising, sizeof(initialising)), 4);
    close(fd);
    auto mutex = NamedMutex::Open(name.name);
    ASSERT_TRUE(mutex);
    EXPECT_EQ(mutex->LockFor(milliseconds(1000)), Result::Locked);
    EXPECT_EQ(TryFromOtherThread(name.name), Result::TimedOut);
    mutex->Unlock();
    EXPECT_EQ(TryFromOtherThread(name.name), Result::Locked);
}

}  // namespace
