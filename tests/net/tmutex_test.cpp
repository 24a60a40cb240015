#include "net/tmutex.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include "net/tevent.h"
#include "tests/support/tempdir.h"

namespace {

// Collects the trace lines of the mutexes used by the test in a file that other threads may
// read while they are written (unbuffered appends).
class TraceFile {
public:
    TraceFile() : m_path(m_dir.File("trace")), m_file(std::fopen(m_path.c_str(), "a")) {
        std::setvbuf(m_file, nullptr, _IONBF, 0);
        TMutex::SetTraceOutput(m_file);
    }
    ~TraceFile() {
        TMutex::SetTraceOutput(stdout);
        std::fclose(m_file);
    }
    std::string Text() const { return kr::test::ReadWholeFile(m_path); }

private:
    kr::test::ScopedTempDir m_dir;
    std::string m_path;
    std::FILE* m_file;
};

class TMutexTest : public ::testing::Test {
protected:
    TMutexTest() {
        static std::atomic<int> counter{0};
        m_name = "kr-test-tmutex-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
    }
    ~TMutexTest() override { NamedMutex::Remove(m_name); }

    // Whether another thread finds the mutex free (it gives it back at once).
    bool FreeForOtherThread() {
        bool free = false;
        std::thread other([&] {
            auto mutex = NamedMutex::Open(m_name);
            const auto result = mutex->LockFor(std::chrono::milliseconds(50));
            free = result == NamedMutex::LockResult::Locked;
            if (free) {
                mutex->Unlock();
            }
        });
        other.join();
        return free;
    }

    std::string m_name;
    TraceFile m_trace;
};

TEST_F(TMutexTest, HoldsAreCountedAndAllGivenBackByTheDestructor) {
    {
        TMutex mutex(m_name);
        EXPECT_EQ(mutex.m_strName, m_name);
        EXPECT_EQ(mutex.m_lockCount, 0);
        EXPECT_TRUE(mutex.Wait());
        EXPECT_TRUE(mutex.Wait());
        EXPECT_EQ(mutex.m_lockCount, 2);
        EXPECT_FALSE(FreeForOtherThread());

        mutex.Release(3);  // more than held: nothing happens
        EXPECT_EQ(mutex.m_lockCount, 2);
        mutex.Release(1);
        EXPECT_EQ(mutex.m_lockCount, 1);
        EXPECT_FALSE(FreeForOtherThread());
        EXPECT_TRUE(mutex.Wait());
    }
    EXPECT_TRUE(FreeForOtherThread());
    EXPECT_EQ(m_trace.Text(), "Wait ok\nWait ok\nWait ok\n~TMutex()\n");
}

TEST_F(TMutexTest, WaitLoopsInSecondStepsWhileAnotherThreadHolds) {
    std::atomic<bool> held{false};
    TEvent letGo;
    std::thread holder([&] {
        auto mutex = NamedMutex::Open(m_name);
        mutex->LockFor(std::chrono::milliseconds(1000));
        held = true;
        letGo.Wait();
        mutex->Unlock();
    });
    while (!held) {
        std::this_thread::yield();
    }
    std::thread releaser([&] {
        // Let the waiter through once it has written its first "Wait Loop".
        while (m_trace.Text().find("Wait Loop\n") == std::string::npos) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        letGo.Set();
    });
    {
        TMutex mutex(m_name);
        EXPECT_TRUE(mutex.Wait());
        EXPECT_EQ(mutex.m_lockCount, 1);
    }
    releaser.join();
    holder.join();
    const std::string trace = m_trace.Text();
    EXPECT_EQ(trace.rfind("Wait Loop\n", 0), 0u) << trace;
    EXPECT_EQ(trace.substr(trace.size() - 18), "Wait ok\n~TMutex()\n") << trace;
}

TEST_F(TMutexTest, CancelEventEndsTheWaitWithoutAHold) {
    TEvent cancel;
    cancel.Set();
    {
        TMutex mutex(m_name);
        EXPECT_FALSE(mutex.Wait(&cancel));
        EXPECT_EQ(mutex.m_lockCount, 0);
        EXPECT_TRUE(FreeForOtherThread());
        EXPECT_TRUE(mutex.Wait(&cancel)) << "the cancel event was consumed";
    }
    EXPECT_EQ(m_trace.Text(), "Wait ok\n~TMutex()\n");
}

TEST_F(TMutexTest, CancelEventEndsAWaitForAMutexHeldElsewhere) {
    std::atomic<bool> held{false};
    TEvent letGo;
    std::thread holder([&] {
        auto mutex = NamedMutex::Open(m_name);
        mutex->LockFor(std::chrono::milliseconds(1000));
        held = true;
        letGo.Wait();
        mutex->Unlock();
    });
    while (!held) {
        std::this_thread::yield();
    }
    TEvent cancel;
    std::thread canceller([&] {
        while (m_trace.Text().find("Wait Loop\n") == std::string::npos) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        cancel.Set();
    });
    {
        TMutex mutex(m_name);
        EXPECT_FALSE(mutex.Wait(&cancel));
        EXPECT_EQ(mutex.m_lockCount, 0);
    }
    canceller.join();
    letGo.Set();
    holder.join();
    const std::string trace = m_trace.Text();
    EXPECT_EQ(trace.find("Wait ok"), std::string::npos) << trace;
    EXPECT_EQ(trace.substr(trace.size() - 20), "Wait Loop\n~TMutex()\n") << trace;
}

TEST_F(TMutexTest, WithoutAMutexWaitSucceedsAtOnce) {
    {
        TMutex mutex(std::string(300, 'n'));  // too long for a shared-memory name
        EXPECT_FALSE(mutex.m_hMutex);
        EXPECT_TRUE(mutex.Wait());
        EXPECT_EQ(mutex.m_lockCount, 0);
    }
    EXPECT_EQ(m_trace.Text(), "~TMutex()\n");
}

// Runs `child` in a forked process whose standard output comes back through a pipe; returns
// the pipe's reading end. The child ends with _exit(0) after `child` returns.
template <typename Child>
int ForkWithOutput(pid_t* pid, Child child) {
    int output[2];
    if (pipe(output) != 0) {
        return -1;
    }
    std::fflush(stdout);
    *pid = fork();
    if (*pid == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        std::setvbuf(stdout, nullptr, _IONBF, 0);  // each line reaches the parent at once
        TMutex::SetTraceOutput(stdout);
        child();
        std::fflush(stdout);
        _exit(0);
    }
    close(output[1]);
    return output[0];
}

// Reads until the text holds `until` (or the pipe ends); gives up after 30 s against hangs.
std::string ReadUntil(int fd, std::string& text, const std::string& until) {
    char chunk[256];
    while (text.find(until) == std::string::npos) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, 30000) != 1) {
            break;
        }
        const ssize_t got = read(fd, chunk, sizeof(chunk));
        if (got <= 0) {
            break;
        }
        text.append(chunk, static_cast<size_t>(got));
    }
    return text;
}

TEST_F(TMutexTest, TwoProcessesTakeTurns) {
    TMutex mine(m_name);
    ASSERT_TRUE(mine.Wait());

    pid_t pid = 0;
    const std::string name = m_name;
    const int output = ForkWithOutput(&pid, [&name] {
        TMutex theirs(name);
        theirs.Wait();
    });
    ASSERT_GE(output, 0);
    std::string text;
    ReadUntil(output, text, "Wait Loop\n");
    EXPECT_EQ(text, "Wait Loop\n") << "the other process must wait while this one holds";
    mine.Release(1);
    ReadUntil(output, text, "~TMutex()\n");
    ReadUntil(output, text, "\x01");  // to the pipe's end
    close(output);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(text.substr(text.find("Wait ok")), "Wait ok\n~TMutex()\n") << text;
    EXPECT_EQ(text.find("Mutex released"), std::string::npos);
    EXPECT_TRUE(FreeForOtherThread()) << "the other process gave it back";
}

TEST_F(TMutexTest, MutexLeftByADeadProcessIsTakenOver) {
    pid_t pid = 0;
    const std::string name = m_name;
    const int output = ForkWithOutput(&pid, [&name] {
        TMutex theirs(name);
        theirs.Wait();
        std::fflush(stdout);
        _exit(3);  // dies holding it
    });
    ASSERT_GE(output, 0);
    std::string childText;
    ReadUntil(output, childText, "\x01");
    close(output);
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 3);
    EXPECT_EQ(childText, "Wait ok\n");

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
    EXPECT_EQ(m_trace.Text(), "Mutex released by other process\n~TMutex()\nWait ok\n~TMutex()\n");
}

}  // namespace
