// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/tmutex.h"

#include <chrono>

#include "net/tevent.h"
#include "platform/posix/trace.h"
#include "platform/posix/usernotice.h"

namespace {
constexpr std::chrono::milliseconds kWaitStep{1000};
}  // namespace

TMutex::TMutex(const std::string& name) : m_strName(name), m_lockCount(0) {
    NamedMutex::OpenFailure failure = NamedMutex::OpenFailure::CannotOpen;
    m_hMutex = NamedMutex::Open(name, &failure);
    if (!m_hMutex && failure == NamedMutex::OpenFailure::Refused) {
        SetStatusText(NoticeText(
            KR_TEXT("NoticeText",
                    "Mutex \"%1\" not used: another user owns it or others can write it"),
            {name}));
    }
}

TMutex::~TMutex() {
    Trace("~TMutex()\n");
    if (m_hMutex && m_lockCount != 0) {
        Release(m_lockCount);
    }
}

bool TMutex::Wait(TEvent* cancel) {
    if (!m_hMutex) {
        return true;
    }
    for (;;) {
        if (cancel != nullptr && cancel->TryWait()) {
            return false;
        }
        switch (m_hMutex->LockFor(kWaitStep)) {
            case NamedMutex::LockResult::Locked:
                ++m_lockCount;
                Trace("Wait ok\n");
                return true;
            case NamedMutex::LockResult::Abandoned:
                ++m_lockCount;
                Trace("Mutex released by other process\n");
                return true;
            case NamedMutex::LockResult::TimedOut:
                Trace("Wait Loop\n");
                break;
            case NamedMutex::LockResult::Failed:
                // Waiting on would never end; go on unprotected, as without a mutex.
                return true;
        }
    }
}

void TMutex::Release(int count) {
    if (!m_hMutex || count < 1 || m_lockCount < count) {
        return;
    }
    m_lockCount -= count;
    for (int i = 0; i < count; ++i) {
        m_hMutex->Unlock();
    }
}
