// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/asyncserverquery.h"

#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include "net/hostlookup.h"
#include "net/serverquery.h"
#include "platform/posix/usernotice.h"

// Held by the owner and by the query's thread, so that either may go first.
struct AsyncServerQuery::Shared {
    std::mutex lock;
    std::function<void()> ready;  // emptied by the owner's destructor
    bool running = false;
    std::optional<ServerQueryAnswer> answer;
};

namespace {

ServerQueryAnswer AskServer(const std::string& address) {
    ScopedNoticeCapture capture;
    ServerQueryAnswer answer;
    answer.address = address;
    const auto split = SplitServerAddress(address);
    answer.resolved = ResolveHostIPv4(split->first);
    if (answer.resolved) {
        QueryServerByAddress(DottedQuadText(*answer.resolved) + ':' + std::to_string(split->second),
                             answer.record);
    } else {
        PrepareQueryRecord(split->first, split->second, answer.record);
    }
    answer.record.m_address = address;
    answer.notices = capture.Take();
    return answer;
}

}  // namespace

AsyncServerQuery::AsyncServerQuery(std::function<void()> ready)
    : m_shared(std::make_shared<Shared>()) {
    m_shared->ready = std::move(ready);
}

AsyncServerQuery::~AsyncServerQuery() {
    const std::lock_guard<std::mutex> hold(m_shared->lock);
    m_shared->ready = nullptr;
}

bool AsyncServerQuery::Start(const std::string& address) {
    if (!SplitServerAddress(address)) {
        return false;
    }
    {
        const std::lock_guard<std::mutex> hold(m_shared->lock);
        if (m_shared->running) {
            return false;
        }
        m_shared->running = true;
    }
    try {
        std::thread([shared = m_shared, address] {
            ServerQueryAnswer answer = AskServer(address);
            const std::lock_guard<std::mutex> hold(shared->lock);
            shared->answer = std::move(answer);
            if (shared->ready) {
                shared->ready();
            }
        }).detach();
    } catch (const std::system_error&) {
        const std::lock_guard<std::mutex> hold(m_shared->lock);
        m_shared->running = false;
        return false;
    }
    return true;
}

bool AsyncServerQuery::Running() const {
    const std::lock_guard<std::mutex> hold(m_shared->lock);
    return m_shared->running;
}

std::optional<ServerQueryAnswer> AsyncServerQuery::Take() {
    const std::lock_guard<std::mutex> hold(m_shared->lock);
    std::optional<ServerQueryAnswer> answer = std::exchange(m_shared->answer, std::nullopt);
    if (answer) {
        m_shared->running = false;
    }
    return answer;
}
