// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/posix/namedmutex.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

// The shared-memory object's content. `state` is kReady once the mutex has been initialised.
struct NamedMutexBlock {
    uint32_t state;
    pthread_mutex_t mutex;
};

namespace {

constexpr uint32_t kReady = 2;         // any other value: never (or not wholly) initialised
constexpr int kCreationWaitMs = 1000;  // how long an opener waits for a live creator to finish

static_assert(std::atomic_ref<uint32_t>::is_always_lock_free,
              "the state word is shared between processes and must be lock-free");

}  // namespace

// One name per user: the effective user id follows the prefix. Shared-memory names may hold any
// character but '/' after the leading one.
std::string NamedMutex::ObjectName(const std::string& name) {
    std::string result = "/korvath-mutex-" + std::to_string(geteuid()) + "-";
    for (char c : name) {
        if (c == '/') {
            result += "%2F";
        } else if (c == '%') {
            result += "%25";
        } else {
            result += c;
        }
    }
    return result;
}

namespace {

bool InitialiseMutex(pthread_mutex_t* mutex) {
    pthread_mutexattr_t attributes;
    if (pthread_mutexattr_init(&attributes) != 0) {
        return false;
    }
    bool ok = pthread_mutexattr_setpshared(&attributes, PTHREAD_PROCESS_SHARED) == 0 &&
              pthread_mutexattr_setrobust(&attributes, PTHREAD_MUTEX_ROBUST) == 0 &&
              pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE) == 0 &&
              pthread_mutex_init(mutex, &attributes) == 0;
    pthread_mutexattr_destroy(&attributes);
    return ok;
}

// Takes the object's creation lock: an advisory file lock, which the kernel drops when its holder
// dies. Creators hold it only while they initialise, so a free lock over an unready block means
// that its creator died half-way. A holder that is alive but stopped is waited for 1000 ms.
bool LockCreation(int fd) {
    for (int waited = 0; flock(fd, LOCK_EX | LOCK_NB) != 0; ++waited) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || waited == kCreationWaitMs) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Under the creation lock: initialises the mutex unless a creator has done so already, also when
// an earlier creator died before it had finished.
bool MakeReady(NamedMutexBlock* block) {
    std::atomic_ref<uint32_t> state(block->state);
    if (state.load(std::memory_order_acquire) == kReady) {
        return true;
    }
    if (!InitialiseMutex(&block->mutex)) {
        return false;
    }
    state.store(kReady, std::memory_order_release);
    return true;
}

// Each object is mapped once per process and kept until Remove: a query worker opens "update"
// for every server, and mapping and unmapping each time would cost system calls and TLB flushes.
std::mutex g_mappingsLock;
std::map<std::string, std::shared_ptr<NamedMutexBlock>> g_mappings;

// Another user's object (or one that others may write to) could be held by them for ever, or
// be no mutex at all: only this user's own, which nobody else can change, is used.
bool IsOwnObject(const struct stat& info) {
    return S_ISREG(info.st_mode) && info.st_uid == geteuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// Opens the object, or creates it with mode 0600 whatever the umask; -1 when neither works.
int OpenObject(const std::string& objectName) {
    int fd = shm_open(objectName.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        if (fchmod(fd, 0600) != 0) {  // the umask may have taken the owner's bits
            close(fd);
            shm_unlink(objectName.c_str());
            return -1;
        }
        return fd;
    }
    return errno == EEXIST ? shm_open(objectName.c_str(), O_RDWR | O_CLOEXEC, 0) : -1;
}

// Checks the open object and grows a fresh one: ownership and mode first, so that nobody else's
// creation lock is ever waited for; then, under that lock, an object is fresh (no size yet: it
// is grown here) or has the block's size. Growing happens once, so a racing opener cannot wipe
// an initialised mutex.
std::optional<NamedMutex::OpenFailure> CheckAndSize(int fd) {
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        return NamedMutex::OpenFailure::CannotOpen;
    }
    if (!IsOwnObject(info)) {
        return NamedMutex::OpenFailure::Refused;
    }
    if (!LockCreation(fd) || fstat(fd, &info) != 0) {
        return NamedMutex::OpenFailure::CannotOpen;
    }
    if (info.st_size == static_cast<off_t>(sizeof(NamedMutexBlock))) {
        return std::nullopt;
    }
    if (info.st_size != 0) {
        return NamedMutex::OpenFailure::Refused;
    }
    return ftruncate(fd, sizeof(NamedMutexBlock)) == 0
               ? std::nullopt
               : std::optional(NamedMutex::OpenFailure::CannotOpen);
}

std::shared_ptr<NamedMutexBlock> MapObject(const std::string& objectName,
                                           NamedMutex::OpenFailure& failure) {
    failure = NamedMutex::OpenFailure::CannotOpen;
    const int fd = OpenObject(objectName);
    if (fd < 0) {
        return nullptr;
    }
    const std::optional<NamedMutex::OpenFailure> unusable = CheckAndSize(fd);
    void* mapping = unusable ? MAP_FAILED
                             : mmap(nullptr, sizeof(NamedMutexBlock), PROT_READ | PROT_WRITE,
                                    MAP_SHARED, fd, 0);
    failure = unusable.value_or(NamedMutex::OpenFailure::CannotOpen);
    std::shared_ptr<NamedMutexBlock> block;
    if (mapping != MAP_FAILED) {
        block.reset(static_cast<NamedMutexBlock*>(mapping),
                    [](NamedMutexBlock* b) { munmap(b, sizeof(*b)); });
        if (!MakeReady(block.get())) {
            block.reset();
        }
    }
    close(fd);  // also gives back the creation lock
    return block;
}

}  // namespace

std::unique_ptr<NamedMutex> NamedMutex::Open(const std::string& name, OpenFailure* failure) {
    const std::string objectName = ObjectName(name);
    std::lock_guard<std::mutex> hold(g_mappingsLock);
    std::shared_ptr<NamedMutexBlock>& block = g_mappings[objectName];
    if (!block) {
        OpenFailure why{};
        block = MapObject(objectName, why);
        if (!block && failure != nullptr) {
            *failure = why;
        }
    }
    if (!block) {
        g_mappings.erase(objectName);
        return nullptr;
    }
    return std::unique_ptr<NamedMutex>(new NamedMutex(block));
}

void NamedMutex::Remove(const std::string& name) {
    const std::string objectName = ObjectName(name);
    std::lock_guard<std::mutex> hold(g_mappingsLock);
    g_mappings.erase(objectName);
    shm_unlink(objectName.c_str());
}

NamedMutex::~NamedMutex() = default;

NamedMutex::LockResult NamedMutex::LockFor(std::chrono::milliseconds timeout) {
    // A monotonic deadline: setting the wall clock neither stretches nor cuts the wait.
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    const long long ns = deadline.tv_nsec + static_cast<long long>(timeout.count()) * 1000000LL;
    deadline.tv_sec += static_cast<time_t>(ns / 1000000000LL);
    deadline.tv_nsec = static_cast<long>(ns % 1000000000LL);

    pthread_mutex_t* mutex = &m_block->mutex;
#if defined(__SANITIZE_THREAD__)
    // The thread sanitizer does not know pthread_mutex_clocklock: it is told about the lock here.
    __tsan_mutex_pre_lock(mutex, __tsan_mutex_try_lock);
#endif
    const int result = pthread_mutex_clocklock(mutex, CLOCK_MONOTONIC, &deadline);
#if defined(__SANITIZE_THREAD__)
    const bool held = result == 0 || result == EOWNERDEAD;
    __tsan_mutex_post_lock(mutex, __tsan_mutex_try_lock | (held ? 0 : __tsan_mutex_try_lock_failed),
                           0);
#endif
    switch (result) {
        case 0:
            return LockResult::Locked;
        case EOWNERDEAD:
            pthread_mutex_consistent(mutex);
            return LockResult::Abandoned;
        case ETIMEDOUT:
            return LockResult::TimedOut;
        default:
            return LockResult::Failed;
    }
}

void NamedMutex::Unlock() {
    pthread_mutex_unlock(&m_block->mutex);
}
