// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/namedmutex.h"

#include "tests/support/testmutex.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using kr::test::TestMutexName;
using kr::test::TryFromOtherThread;
using Result = NamedMutex::LockResult;
constexpr std::chrono::milliseconds kWait(1000);

// The object's content as every copy of the program lays it out.
struct Block {
    uint32_t state;
    pthread_mutex_t mutex;
};

// Objects of one name share one mutex, which the holder may take again through any of them and
// must give back every hold. Also when its creator died while initialising: the next opener
// finishes the job instead of giving up.
TEST(NamedMutexTest, ObjectsOfOneNameShareOneRecursiveMutex) {
    for (const bool halfInitialised : {false, true}) {
        SCOPED_TRACE(halfInitialised);
        TestMutexName name;
        ASSERT_TRUE(!halfInitialised ||
                    kr::test::MakeMutexObject(name.name, 0600, sizeof(Block), [](int fd) {
                        const uint32_t initialising = 1;  // the state word while creating
                        return write(fd, &initialising, sizeof(initialising)) == 4 ? 0 : -1;
                    }));
        auto first = NamedMutex::Open(name.name);
        auto second = NamedMutex::Open(name.name);
        ASSERT_TRUE(first && second);
        EXPECT_EQ(first->LockFor(kWait), Result::Locked);
        EXPECT_EQ(TryFromOtherThread(name.name), Result::TimedOut);
        EXPECT_EQ(second->LockFor(kWait), Result::Locked);
        first->Unlock();
        EXPECT_EQ(TryFromOtherThread(name.name), Result::TimedOut);
        second->Unlock();
        EXPECT_EQ(TryFromOtherThread(name.name), Result::Locked);
    }
}

// The object is the user's own, under a name with the user id, 0600 whatever the umask.
TEST(NamedMutexTest, ObjectIsMadePrivateToTheUser) {
    TestMutexName name;
    const mode_t umaskBefore = umask(0277);
    const bool opened = NamedMutex::Open(name.name) != nullptr;
    umask(umaskBefore);
    const std::string path =
        "/dev/shm/korvath-mutex-" + std::to_string(geteuid()) + "-" + name.name;
    struct stat info {};
    ASSERT_TRUE(opened && stat(path.c_str(), &info) == 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
}

// An object someone else could hold for ever, or that is no mutex, is refused and never waited
// on. Another owner needs root (fchown); elsewhere that row is left out.
TEST(NamedMutexTest, ObjectThatIsNotTheUsersOwnIsRefused) {
    struct Case {
        mode_t mode;
        off_t size;
        int (*change)(int) = nullptr;
    };
    std::vector<Case> cases = {{0666, sizeof(Block)}, {0620, sizeof(Block)}, {0600, 4096}};
    if (geteuid() == 0) {
        cases.push_back({0600, sizeof(Block), [](int fd) { return fchown(fd, 65534, -1); }});
    }
    cases.push_back({});  // a pipe
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        TestMutexName name;
        ASSERT_TRUE(c.mode != 0 ? kr::test::MakeMutexObject(name.name, c.mode, c.size, c.change)
                                : mkfifo(("/dev/shm" + NamedMutex::ObjectName(name.name)).c_str(),
                                         0600) == 0);
        NamedMutex::OpenFailure failure = NamedMutex::OpenFailure::CannotOpen;
        EXPECT_FALSE(NamedMutex::Open(name.name, &failure));
        EXPECT_EQ(failure, NamedMutex::OpenFailure::Refused);
    }
}

}  // namespace
