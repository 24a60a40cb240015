#pragma once

#include <chrono>
#include <memory>
#include <string>

// A mutex shared by every process of the user that opens the same name (and by every thread):
// a process-shared, robust, recursive pthread mutex in a POSIX shared-memory object named
// "/korvath-mutex-<name>". The first opener creates and initialises it, under an advisory lock on
// the object that the kernel drops when its holder dies: an object left half-initialised by a
// creator that died is finished by the next opener. The object outlives the processes (like a
// file) until Remove. A process maps each name once (the first Open costs a few
// system calls, later ones a table look-up) and keeps the mapping until Remove. Robust: when a
// holder dies, the next locker is told (Abandoned) and holds the mutex, which is made consistent
// again. Recursive: a thread that holds it may lock it again and must unlock it as often.
struct NamedMutexBlock;

class NamedMutex {
public:
    enum class LockResult {
        Locked,     // held now
        Abandoned,  // held now; the previous holder died holding it
        TimedOut,   // not held: the time ran out
        Failed      // not held: the mutex is unusable
    };

    // Opens or creates the mutex; nullptr when the shared-memory object cannot be opened or
    // mapped, or when a creator that is alive but stopped keeps initialising it past 1000 ms.
    static std::unique_ptr<NamedMutex> Open(const std::string& name);
    // Deletes the name; objects already open keep using their mapping.
    static void Remove(const std::string& name);

    ~NamedMutex();
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

    // Waits at most the timeout for the mutex (a deadline on the monotonic clock).
    LockResult LockFor(std::chrono::milliseconds timeout);
    // Gives back one hold of the calling thread.
    void Unlock();

private:
    explicit NamedMutex(std::shared_ptr<NamedMutexBlock> block) : m_block(std::move(block)) {}
    std::shared_ptr<NamedMutexBlock> m_block;
};
