#include "platform/posix/namedmutex.h"

#include "tests/support/testmutex.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

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

// Makes the object as another process would: mode, size, then `change` on the descriptor.
void MakeObject(
    const std::string& name, mode_t mode, off_t size,
    const std::function<int(int)>& change = [](int) { return 0; }) {
    const int fd = shm_open(NamedMutex::ObjectName(name).c_str(), O_RDWR | O_CREAT, mode);
    ASSERT_GE(fd, 0);
    EXPECT_EQ(fchmod(fd, mode), 0);
    EXPECT_EQ(ftruncate(fd, size), 0);
    EXPECT_EQ(change(fd), 0);
    close(fd);
}

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
    MakeObject(name.name, 0600, sizeof(Block), [](int fd) {
        const uint32_t initialising = 1;  // the state word of an unfinished creation
        return write(fd, &initialising, sizeof(initialising)) == 4 ? 0 : -1;
    });
    auto mutex = NamedMutex::Open(name.name);
    ASSERT_TRUE(mutex);
    EXPECT_EQ(mutex->LockFor(kWait), Result::Locked);
    EXPECT_EQ(TryFromOtherThread(name.name), Result::TimedOut);
    mutex->Unlock();
    EXPECT_EQ(TryFromOtherThread(name.name), Result::Locked);
}

// The object is the user's own, 0600 whatever the umask, under a name with the user id.
TEST(NamedMutexTest, ObjectIsMadePrivateToTheUser) {
    TestMutexName name;
    const mode_t umaskBefore = umask(0277);
    auto mutex = NamedMutex::Open(name.name);
    umask(umaskBefore);
    ASSERT_TRUE(mutex);
    struct stat info {};
    ASSERT_EQ(stat(("/dev/shm" + NamedMutex::ObjectName(name.name)).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(info.st_uid, geteuid());
    EXPECT_EQ(NamedMutex::ObjectName(name.name),
              "/korvath-mutex-" + std::to_string(geteuid()) + "-" + name.name);
}

// An object someone else could hold for ever, or that is no mutex, is refused at once and never
// waited on. Another owner needs root (fchown); elsewhere that row is skipped.
TEST(NamedMutexTest, ObjectThatIsNotTheUsersOwnIsRefused) {
    using Make = std::function<void(const std::string&)>;
    const std::vector<std::pair<const char*, Make>> cases = {
        {"another user's",
         [](const std::string& n) {
             MakeObject(n, 0600, sizeof(Block), [](int fd) { return fchown(fd, 65534, -1); });
         }},
        {"world-writable", [](const std::string& n) { MakeObject(n, 0666, sizeof(Block)); }},
        {"group-writable", [](const std::string& n) { MakeObject(n, 0620, sizeof(Block)); }},
        {"another size", [](const std::string& n) { MakeObject(n, 0600, 4096); }},
        {"a pipe",
         [](const std::string& n) {
             ASSERT_EQ(mkfifo(("/dev/shm" + NamedMutex::ObjectName(n)).c_str(), 0600), 0);
         }},
    };
    for (std::size_t i = geteuid() == 0 ? 0 : 1; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].first);
        TestMutexName name;
        cases[i].second(name.name);
        NamedMutex::OpenFailure failure = NamedMutex::OpenFailure::CannotOpen;
        EXPECT_FALSE(NamedMutex::Open(name.name, &failure));
        EXPECT_EQ(failure, NamedMutex::OpenFailure::Refused);
    }
}

}  // namespace
