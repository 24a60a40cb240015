#include "net/tmutex.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "net/tevent.h"
#include "tests/support/tempdir.h"
#include "tests/support/testmutex.h"

namespace {

using std::chrono::milliseconds;

// Runs `child` in a forked process, whose trace lines go to the same file; returns its exit code
// once it has ended. `meanwhile` runs in this process before the wait.
template <typename Child, typename Meanwhile>
int RunChild(Child child, Meanwhile meanwhile) {
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        _exit(child());
    }
    meanwhile();
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class TMutexTest : public ::testing::Test {
protected:
    TMutexTest() : m_tracePath(m_dir.File("trace")), m_name(m_ownName.name) {
        // Unbuffered appends, so other threads may read the lines while they are written.
        m_trace = std::fopen(m_tracePath.c_str(), "a");
        std::setvbuf(m_trace, nullptr, _IONBF, 0);
        TMutex::SetTraceOutput(m_trace);
    }
    ~TMutexTest() override {
        TMutex::SetTraceOutput(stdout);
        std::fclose(m_trace);
    }

    std::string Trace() const { return kr::test::ReadWholeFile(m_tracePath); }
    int WaitLoops() const {
        const std::string trace = Trace();
        int loops = 0;
        for (size_t at = trace.find("Wait Loop"); at != std::string::npos;
             at = trace.find("Wait Loop", at + 1)) {
            ++loops;
        }
        return loops;
    }
    // Sets the event once the trace holds `count` "Wait Loop" lines.
    std::thread SetAfterWaitLoops(TEvent& event, int count) {
        return std::thread([this, &event, count] {
            while (WaitLoops() < count) {
                std::this_thread::sleep_for(milliseconds(20));
            }
            event.Set();
        });
    }
    // Whether another thread finds the mutex free (it gives it back at once).
    bool FreeForOtherThread() {
        return kr::test::TryFromOtherThread(m_name) == NamedMutex::LockResult::Locked;
    }

    kr::test::ScopedTempDir m_dir;
    kr::test::TestMutexName m_ownName;
    std::string m_tracePath;
    std::string m_name;
    std::FILE* m_trace;
};

TEST_F(TMutexTest, HoldsAreCountedAndAllGivenBackByTheDestructor) {
    TEvent cancel;
    cancel.Set();
    {
        TMutex mutex(m_name);
        EXPECT_EQ(mutex.m_strName, m_name);
        EXPECT_FALSE(mutex.Wait(&cancel)) << "a set cancel event ends the wait at once";
        EXPECT_EQ(mutex.m_lockCount, 0);
        EXPECT_TRUE(FreeForOtherThread());

        EXPECT_TRUE(mutex.Wait(&cancel)) << "the cancel event was consumed";
        EXPECT_TRUE(mutex.Wait());
        EXPECT_EQ(mutex.m_lockCount, 2);
        mutex.Release(3);  // more than held: nothing happens
        EXPECT_EQ(mutex.m_lockCount, 2);
        mutex.Release(1);
        EXPECT_EQ(mutex.m_lockCount, 1);
        EXPECT_FALSE(FreeForOtherThread());
        EXPECT_TRUE(mutex.Wait());
    }
    EXPECT_TRUE(FreeForOtherThread()) << "the destructor gave back both holds";
    EXPECT_EQ(Trace(), "Wait ok\nWait ok\nWait ok\n~TMutex()\n");

    // Without a mutex (a name too long for shared memory) a wait succeeds at once.
    const std::string before = Trace();
    {
        TMutex none(std::string(300, 'n'));
        EXPECT_FALSE(none.m_hMutex);
        EXPECT_TRUE(none.Wait());
        EXPECT_EQ(none.m_lockCount, 0);
    }
    EXPECT_EQ(Trace(), before + "~TMutex()\n");
}

// While another thread holds it, a wait writes "Wait Loop" each second; a cancel event ends it
// at the next step, and without one it lasts until the holder lets go.
TEST_F(TMutexTest, WaitLoopsWhileAnotherThreadHolds) {
    TEvent letGo;
    TEvent held;
    std::thread holder([&] {
        auto mutex = NamedMutex::Open(m_name);
        mutex->LockFor(milliseconds(1000));
        held.Set();
        letGo.Wait();
        mutex->Unlock();
    });
    held.Wait();
    TMutex mutex(m_name);
    TEvent cancel;
    std::thread canceller = SetAfterWaitLoops(cancel, 1);
    EXPECT_FALSE(mutex.Wait(&cancel));
    EXPECT_EQ(mutex.m_lockCount, 0);
    std::thread releaser = SetAfterWaitLoops(letGo, WaitLoops() + 1);
    EXPECT_TRUE(mutex.Wait());
    EXPECT_EQ(mutex.m_lockCount, 1);
    canceller.join();
    releaser.join();
    holder.join();
    std::string expected;
    for (int loop = WaitLoops(); loop > 0; --loop) {
        expected += "Wait Loop\n";
    }
    EXPECT_EQ(Trace(), expected + "Wait ok\n");
    EXPECT_GE(WaitLoops(), 2);
}

TEST_F(TMutexTest, TwoProcessesTakeTurns) {
    TMutex mine(m_name);
    ASSERT_TRUE(mine.Wait());
    const int code = RunChild(
        [this] {
            TMutex theirs(m_name);
            return theirs.Wait() ? 0 : 1;
        },
        [&] {
            while (WaitLoops() < 1) {  // the other process waits while this one holds
                std::this_thread::sleep_for(milliseconds(20));
            }
            mine.Release(1);
        });
    EXPECT_EQ(code, 0);
    const std::string trace = Trace();
    EXPECT_EQ(trace.substr(0, 18), "Wait ok\nWait Loop\n");
    EXPECT_EQ(trace.substr(trace.find("Wait ok", 1)), "Wait ok\n~TMutex()\n") << trace;
    EXPECT_TRUE(FreeForOtherThread()) << "the other process gave it back";
}

TEST_F(TMutexTest, MutexLeftByADeadProcessIsTakenOver) {
    const int code = RunChild(
        [this] {
            TMutex theirs(m_name);
            theirs.Wait();
            _exit(3);  // dies holding it
            return 0;
        },
        [] {});
    ASSERT_EQ(code, 3);
    {
        TMutex mine(m_name);
        EXPECT_TRUE(mine.Wait());
        EXPECT_EQ(mine.m_lockCount, 1);
        EXPECT_FALSE(FreeForOtherThread());
    }
    {
        TMutex again(m_name);
        EXPECT_TRUE(again.Wait());
    }
    EXPECT_EQ(Trace(), "Wait ok\nMutex released by other process\n~TMutex()\nWait ok\n~TMutex()\n");
}

}  // namespace
