// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <memory>
#include <string>

// A mutex shared by every process of the user that opens the same name (and by every thread):
// a process-shared, robust, recursive pthread mutex in a POSIX shared-memory object named
// "/korvath-mutex-<user id>-<name>" (ObjectName), mode 0600. The object is used only when it is
// the user's own: another user's object, one that group or others may write to, one that is no
// regular shared-memory object or has another size is refused (it could be held for ever by
// someone else, or be no mutex at all). The first opener creates and initialises it, under an
// advisory lock on the object that the kernel drops when its holder dies: an object left
// half-initialised by a creator that died is finished by the next opener. The object outlives the
// processes (like a file) until Remove; a process maps each name once and keeps the mapping until
// Remove. Robust: when a holder dies, the next locker is told (Abandoned) and holds the mutex,
// which is made consistent again. Recursive: a thread that holds it may lock it again and must
// unlock it as often.
struct NamedMutexBlock;

class NamedMutex {
public:
    enum class LockResult {
        Locked,     // held now
        Abandoned,  // held now; the previous holder died holding it
        TimedOut,   // not held: the time ran out
        Failed      // not held: the mutex is unusable
    };

    // Why Open gave nothing.
    enum class OpenFailure {
        CannotOpen,  // the object cannot be opened, made or mapped, or its creator is stuck
        Refused      // the object is not the user's own (see above)
    };

    // Opens or creates the mutex; nullptr, with the reason in `failure` when given, when the
    // shared-memory object cannot be opened or mapped, is refused, or when a creator that is
    // alive but stopped keeps initialising it past 1000 ms. The first Open of a name in a
    // process costs a few system calls, later ones a table look-up.
    static std::unique_ptr<NamedMutex> Open(const std::string& name,
                                            OpenFailure* failure = nullptr);
    // Deletes the name; objects already open keep using their mapping.
    static void Remove(const std::string& name);
    // The shared-memory object's name for the mutex name, with its leading '/'.
    static std::string ObjectName(const std::string& name);

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
