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

// Slashes cannot appear in shared-memory names; they must not make two names collide.
TEST(NamedMutexTest, NamesStayDistinctWhateverTheirCharacters) {
    for (const auto& [a, b] :
         {std::pair{"a/b", "a_b"}, {"a/b", "a%2Fb"}, {"x%", "x%25"}, {"m", "M"}}) {
        TestMutexName stem;
        const std::string left = stem.name + a, right = stem.name + b;
        auto held = NamedMutex::Open(left);
        ASSERT_TRUE(held) << left;
        ASSERT_EQ(held->LockFor(kWait), Result::Locked);
        EXPECT_EQ(TryFromOtherThread(right), Result::Locked) << left << " vs " << right;
        EXPECT_EQ(TryFromOtherThread(left), Result::TimedOut) << left;
        held->Unlock();
        NamedMutex::Remove(left);
        NamedMutex::Remove(right);
    }
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
