// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/serverqueryloop.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

#include <sys/epoll.h>
#include <unistd.h>

#include "net/querybackoff.h"
#include "net/serveraddress.h"
#include "net/serverquery.h"
#include "net/tevent.h"
#include "net/udpquerysocket.h"
#include "platform/posix/tickcount.h"

namespace {

using Clock = std::chrono::steady_clock;

// One query in flight: its socket (kept from query to query), server and start.
struct QuerySlot {
    UdpQuerySocket socket;
    int polledSocket = -1;  // the descriptor registered with the poll set
    QueriedServer server;
    uint32_t sentAt = 0;
    int asked = 0;  // queries of this server so far, this one included
    bool busy = false;
};

// Connects the slot to server `index` and sends the request. False when the query has already
// ended (connect or send failed: the record keeps its placeholders).
bool StartQuery(QuerySlot& slot, const ServerAddress& address, std::size_t index) {
    slot.server = QueriedServer{ServerRecord(), index};  // nothing of the slot's last server
    const int port = static_cast<int>(address.m_port);
    PrepareQueryRecord(address.m_ip, port, slot.server.record);
    if (!slot.socket.Connect(address.m_ip, port)) {
        slot.polledSocket = -1;  // closed, so gone from the poll set; its number may come back
        return false;
    }
    slot.sentAt = GetTickCount();
    return SendInfoRequest(slot.socket);
}

// The epoll set over the slots' sockets; a slot's socket is registered once, and again only when
// a failed connect has made it a new one (closing the old one left the set by itself).
class PollSet {
public:
    explicit PollSet(std::size_t slots) : m_set(epoll_create1(EPOLL_CLOEXEC)), m_events(slots) {}
    ~PollSet() {
        if (m_set >= 0) {
            close(m_set);
        }
    }
    PollSet(const PollSet&) = delete;
    PollSet& operator=(const PollSet&) = delete;

    void Watch(QuerySlot& slot, std::size_t index) {
        const int socket = slot.socket.Descriptor();
        if (socket == slot.polledSocket) {
            return;
        }
        epoll_event watched{};
        watched.events = EPOLLIN;
        watched.data.u64 = index;
        epoll_ctl(m_set, EPOLL_CTL_ADD, socket, &watched);
        slot.polledSocket = socket;
    }
    // Marks the slots with a datagram or an error waiting; waits at most timeoutMs for one.
    void Wait(int timeoutMs, std::vector<char>& ready) {
        std::fill(ready.begin(), ready.end(), false);
        const int count =
            epoll_wait(m_set, m_events.data(), static_cast<int>(m_events.size()), timeoutMs);
        for (int i = 0; i < count; ++i) {
            ready[m_events[i].data.u64] = true;
        }
    }

private:
    int m_set;
    std::vector<epoll_event> m_events;
};

// One run of RunServerQueries: the slots, what is still to be asked, and the back-off.
class QueryRun {
public:
    QueryRun(std::span<const ServerAddress> servers, const QuerySpeed& speed, TEvent& stop)
        : m_servers(servers),
          m_speed(ClampedSpeed(speed)),
          m_stop(stop),
          m_slots(static_cast<std::size_t>(m_speed.inFlight)),
          m_polled(m_slots.size()),
          m_backOff(m_speed) {
        m_done.reserve(m_slots.size());
    }

    void Run(const std::function<bool(std::vector<QueriedServer>&)>& ended) {
        FillFreeSlots();
        std::vector<char> ready(m_slots.size());
        uint8_t buffer[kInfoReplyBufferSize];
        while (true) {
            if (!m_done.empty()) {
                if (!ended(m_done)) {
                    return;
                }
                m_done.clear();
            }
            if ((m_inFlight == 0 && !HasWork()) || m_stop.TryWait()) {
                return;
            }
            m_polled.Wait(WaitMs(), ready);
            const uint32_t now = GetTickCount();
            for (std::size_t i = 0; i < m_slots.size(); ++i) {
                QuerySlot& slot = m_slots[i];
                if (!slot.busy) {
                    continue;
                }
                // Past its time-out a query ends unanswered, whatever came too late.
                const bool timedOut = now - slot.sentAt >= Timeout();
                int length = UdpQuerySocket::kNoneWaiting;
                if (!timedOut && ready[i]) {
                    length = slot.socket.ReceiveWaiting(buffer, kInfoReplyBufferSize);
                    if (length > 0) {
                        TakeInfoReply(buffer, length, slot.sentAt, slot.server.record);
                    }
                }
                if (timedOut || length != UdpQuerySocket::kNoneWaiting) {
                    End(slot, length > 0, timedOut);
                    Refill(i);
                }
            }
            FillFreeSlots();  // room the back-off has made, or sends the pace held back
        }
    }

private:
    uint32_t Timeout() const { return static_cast<uint32_t>(m_speed.timeoutMs); }
    bool HasWork() const { return m_next < m_servers.size() || !m_retries.empty(); }

    // A query has ended: the server is reported, or, silent with retries left, waits to be asked
    // again.
    void End(QuerySlot& slot, bool answered, bool timedOut) {
        slot.busy = false;
        --m_inFlight;
        const bool again = timedOut && slot.asked <= m_speed.retries;
        // Time-outs count against the network only while the list is being asked: those of
        // servers asked again are expected, and at the list's end the silent servers outlast
        // the answers and would make the last 20 look worse than they are.
        if (answered) {
            m_backOff.Answered();
        } else if (slot.asked == 1 && m_next < m_servers.size()) {
            m_backOff.Unanswered(timedOut);
        }
        if (again) {
            m_retries.push_back({slot.server.listIndex, slot.asked});
        } else {
            m_done.push_back(std::move(slot.server));
        }
    }

    // True when the pace lets a query be sent now.
    bool PaceKept() const {
        return m_speed.paceMs == 0 ||
               Clock::now() - m_lastSend >= std::chrono::milliseconds(m_speed.paceMs);
    }

    // Puts the next servers into the slot until one is in flight, or nothing more may start now
    // (the list and the retries done, the limit reached, the pace not yet kept, or a stop asked
    // for); a query that ends at its start is done at once. The list is asked first, in order,
    // then the servers waiting to be asked again.
    void Refill(std::size_t slotIndex) {
        QuerySlot& slot = m_slots[slotIndex];
        while (!slot.busy && HasWork() && m_inFlight < m_backOff.Limit() && PaceKept() &&
               !m_stop.TryWait()) {
            std::size_t index = m_next;
            slot.asked = 1;
            if (m_next < m_servers.size()) {
                ++m_next;
            } else {
                index = m_retries.front().first;
                slot.asked = m_retries.front().second + 1;
                m_retries.pop_front();
            }
            const bool started = StartQuery(slot, m_servers[index], index);
            m_lastSend = Clock::now();  // after the send, so the next is at least the pace later
            if (started) {
                m_polled.Watch(slot, slotIndex);
                slot.busy = true;
                ++m_inFlight;
            } else {
                m_done.push_back(std::move(slot.server));
            }
        }
    }

    void FillFreeSlots() {
        for (std::size_t i = 0; i < m_slots.size(); ++i) {
            Refill(i);
        }
    }

    // Time until the earliest deadline of the busy slots, or until the pace lets a query waiting
    // for it go, in milliseconds.
    int WaitMs() const {
        const uint32_t now = GetTickCount();
        uint32_t wait = Timeout();
        for (const QuerySlot& slot : m_slots) {
            if (slot.busy) {
                const uint32_t elapsed = now - slot.sentAt;
                wait = std::min(wait, elapsed >= Timeout() ? 0 : Timeout() - elapsed);
            }
        }
        if (m_speed.paceMs > 0 && HasWork() && m_inFlight < m_backOff.Limit()) {
            const auto due = m_lastSend + std::chrono::milliseconds(m_speed.paceMs) - Clock::now();
            const auto dueMs = std::chrono::ceil<std::chrono::milliseconds>(due).count();
            wait = std::min<uint32_t>(wait, static_cast<uint32_t>(std::max<int64_t>(0, dueMs)));
        }
        return static_cast<int>(wait);
    }

    const std::span<const ServerAddress> m_servers;
    const QuerySpeed m_speed;
    TEvent& m_stop;
    std::vector<QuerySlot> m_slots;
    PollSet m_polled;  // after the slots: closed before their sockets
    QueryBackOff m_backOff;
    std::vector<QueriedServer> m_done;
    std::size_t m_next = 0;  // servers [0, next) of the list have been started, in list order
    std::deque<std::pair<std::size_t, int>> m_retries;  // to ask again: list index, times asked
    int m_inFlight = 0;
    Clock::time_point m_lastSend;
};

}  // namespace

void RunServerQueries(std::span<const ServerAddress> servers, TEvent& stop,
                      const std::function<bool(std::vector<QueriedServer>&)>& ended,
                      const QuerySpeed& speed) {
    QueryRun(servers, speed, stop).Run(ended);
}
