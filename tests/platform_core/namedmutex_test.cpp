#include "platform/posix/namedmutex.h"

#include <atomic>
#include <string>
#include <thread>

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using std::chrono::milliseconds;
using Result = NamedMutex::LockResult;

// A name no other test or process uses; removed again at the end of the test.
class UniqueName {
public:
    explicit UniqueName(const std::string& stem) {
        static std::atomic<int> counter{0};
        m_name =
            "kr-test-" + stem + "-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
    }
    ~UniqueName() { NamedMutex::Remove(m_name); }
    const std::string& operator*() const { return m_name; }

private:
    std::string m_name;
};

// What another thread gets when it tries the mutex for a short while (and gives back at once).
Result TryFromOtherThread(const std::string& name) {
    Result result = Result::Failed;
    std::thread other([&] {
        auto mutex = NamedMutex::Open(name);
        result = mutex ? mutex->LockFor(milliseconds(50)) : Result::Failed;
        if (result == Result::Locked || result == Result::Abandoned) {
            mutex->Unlock();
        }
    });
    other.join();
    return result;
}

TEST(NamedMutexTest, ObjectsOfOneNameShareOneRecursiveMutex) {
    UniqueName name("share");
    auto first = NamedMutex::Open(*name);
    auto second = NamedMutex::Open(*name);
    ASSERT_TRUE(first && second);

    EXPECT_EQ(first->LockFor(milliseconds(1000)), Result::Locked);
    EXPECT_EQ(TryFromOtherThread(*name), Result::TimedOut);
    // The holder may take it again through any object and must give back every hold.
    EXPECT_EQ(second->LockFor(milliseconds(1000)), Result::Locked);
    first->Unlock();
    EXPECT_EQ(TryFromOtherThread(*name), Result::TimedOut);
    second->Unlock();
    EXPECT_EQ(TryFromOtherThread(*name), Result::Locked);
}

TEST(NamedMutexTest, NamesStayDistinctWhateverTheirCharacters) {
    // Slashes cannot appear in shared-memory names; they must not make two names collide.
    const std::string pairs[][2] = {{"a/b", "a_b"}, {"a/b", "a%2Fb"}, {"x%", "x%25"}, {"m", "M"}};
    for (const auto& pair : pairs) {
        UniqueName stem("names");
        const std::string left = *stem + pair[0];
        const std::string right = *stem + pair[1];
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

TEST(NamedMutexTest, RemovedNameGivesAFreshMutex) {
    UniqueName name("remove");
    auto old = NamedMutex::Open(*name);
    ASSERT_TRUE(old);
    ASSERT_EQ(old->LockFor(milliseconds(1000)), Result::Locked);
    NamedMutex::Remove(*name);
    EXPECT_EQ(TryFromOtherThread(*name), Result::Locked);
    old->Unlock();
}

}  // namespace
