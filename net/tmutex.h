// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/posix/namedmutex.h"

class TEvent;

// A named mutex shared by every thread and process that uses the same name, with a count of the
// holds taken through this object. Waits in steps of 1000 ms with no overall limit and traces
// (platform/posix/trace.h, off unless a sink is installed) a line for each outcome: "Wait ok\n",
// "Wait Loop\n" (1000 ms passed), "Mutex released by other process\n" (the holder died; the
// mutex is held and consistent again), and "~TMutex()\n" from the destructor. A hold belongs to
// the thread that took it: Wait, Release and the destructor run on one thread.
class TMutex {
public:
    // Opens or creates the mutex; without it (the shared object cannot be opened, or is refused
    // as not the user's own: NamedMutex) Wait always succeeds at once. A refused one is told
    // with the status text "Mutex "NAME" not used: another user owns it or others can write it"
    // (SetStatusText, from the calling thread).
    explicit TMutex(const std::string& name);
    // Gives back every hold still taken through this object.
    virtual ~TMutex();
    TMutex(const TMutex&) = delete;
    TMutex& operator=(const TMutex&) = delete;

    // True when the mutex is held (or the object has none, or the mutex has become unusable);
    // false when the cancel event was found set before a 1000 ms step (an auto-reset event is
    // consumed by that).
    bool Wait(TEvent* cancel = nullptr);
    // When at least `count` (>= 1) holds are taken: gives back that many. Otherwise nothing.
    void Release(int count);

    std::string m_strName;
    int32_t m_lockCount;
    std::unique_ptr<NamedMutex> m_hMutex;
};
