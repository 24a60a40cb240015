#pragma once

// Mutex names of the test run's own, so that no test disturbs a running browser, and nothing is
// left in shared memory afterwards. Header-only.

#include "net/serverquerythread.h"
#include "platform/posix/namedmutex.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

namespace kr::test {

// A name no other test or process uses; its shared-memory object is removed on destruction.
struct TestMutexName {
    TestMutexName() {
        static std::atomic<int> counter{0};
        name = "kr-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
    }
    ~TestMutexName() { NamedMutex::Remove(name); }
    TestMutexName(const TestMutexName&) = delete;
    TestMutexName& operator=(const TestMutexName&) = delete;

    std::string name;
};

// The query workers take a mutex of this name instead of "update" until destruction.
struct TestUpdateMutex : TestMutexName {
    TestUpdateMutex() { SetUpdateMutexName(name); }
    ~TestUpdateMutex() { SetUpdateMutexName("update"); }
};

// What another thread gets when it tries the mutex for 50 ms (it gives a hold back at once).
inline NamedMutex::LockResult TryFromOtherThread(const std::string& name) {
    using Result = NamedMutex::LockResult;
    Result result = Result::Failed;
    std::thread([&] {
        auto mutex = NamedMutex::Open(name);
        result = mutex ? mutex->LockFor(std::chrono::milliseconds(50)) : Result::Failed;
        if (result == Result::Locked || result == Result::Abandoned) {
            mutex->Unlock();
        }
    }).join();
    return result;
}

}  // namespace kr::test
