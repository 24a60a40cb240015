// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/tmutex.h"

#include <cstdio>
#include <string>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/posix/trace.h"
#include "tests/support/fakenotice.h"
#include "tests/support/tempdir.h"
#include "tests/support/testmutex.h"

namespace {

// Trace lines are switched on into a file of the test's own, unbuffered, so a forked process's
// lines land in it too.
std::FILE* g_trace = nullptr;

void TraceToFile(const char* line) {
    std::fputs(line, g_trace);
}

class TMutexTest : public ::testing::Test {
protected:
    TMutexTest() : m_path(m_dir.File("trace")), m_name(m_ownName.name) {
        g_trace = std::fopen(m_path.c_str(), "a");
        std::setvbuf(g_trace, nullptr, _IONBF, 0);
        SetTraceSink(TraceToFile);
    }
    ~TMutexTest() override {
        SetTraceSink(nullptr);
        std::fclose(g_trace);
    }

    std::string Trace() const { return kr::test::ReadWholeFile(m_path); }
    // Whether another thread finds the mutex free (it gives it back at once).
    bool FreeForOtherThread() {
        return kr::test::TryFromOtherThread(m_name) == NamedMutex::LockResult::Locked;
    }

    kr::test::ScopedTempDir m_dir;
    kr::test::TestMutexName m_ownName;
    std::string m_path;
    std::string m_name;
};

TEST_F(TMutexTest, HoldsAreCountedAndAllGivenBackByTheDestructor) {
    {
        TMutex mutex(m_name);
        EXPECT_TRUE(mutex.Wait());
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
}

// A process that dies holding the mutex leaves it to the next waiter, which takes it over; it
// works as before afterwards.
TEST_F(TMutexTest, MutexOfADeadHolderIsTakenOver) {
    {
        std::fflush(nullptr);
        const pid_t child = fork();
        if (child == 0) {
            TMutex theirs(m_name);
            _exit(theirs.Wait() ? 3 : 1);  // dies holding it
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_EQ(WEXITSTATUS(status), 3);
        TMutex mine(m_name);
        EXPECT_TRUE(mine.Wait());
        EXPECT_EQ(mine.m_lockCount, 1);
        EXPECT_FALSE(FreeForOtherThread());
    }
    EXPECT_TRUE(FreeForOtherThread());
    EXPECT_EQ(Trace(), "Wait ok\nMutex released by other process\n~TMutex()\n");
}

// A refused object (world-writable) is not used: waits succeed at once, and the status bar says so.
TEST_F(TMutexTest, RefusedMutexIsNotUsedAndSaysSo) {
    ASSERT_TRUE(kr::test::MakeMutexObject(m_name, 0666, 0));
    kr::test::FakeNotice notice;
    TMutex mutex(m_name);
    EXPECT_TRUE(mutex.Wait() && mutex.m_lockCount == 0);
    EXPECT_EQ(notice.StatusTexts(),
              std::vector<std::string>{"Mutex \"" + m_name +
                                       "\" not used: another user owns it or others can write it"});
}

}  // namespace
