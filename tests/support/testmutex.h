// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Mutex names of the test run's own, so that no test disturbs a running browser, and nothing is
// left in shared memory afterwards. Header-only.

#include "net/serverquerythread.h"
#include "platform/posix/namedmutex.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
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

// Makes the mutex's shared-memory object as another process might have left it: the mode
// (whatever the umask), the size, then `change` on its descriptor (0: done). False on a failure.
inline bool MakeMutexObject(const std::string& name, mode_t mode, off_t size,
                            int (*change)(int) = nullptr) {
    const int fd = shm_open(NamedMutex::ObjectName(name).c_str(), O_RDWR | O_CREAT, mode);
    if (fd < 0) {
        return false;
    }
    const bool made =
        fchmod(fd, mode) == 0 && ftruncate(fd, size) == 0 && (change == nullptr || change(fd) == 0);
    close(fd);
    return made;
}

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
