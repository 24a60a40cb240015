#include "net/serverqueryloop.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include <sys/epoll.h>
#include <unistd.h>

#include "net/serveraddress.h"
#include "net/serverquery.h"
#include "net/tevent.h"
#include "net/udpquerysocket.h"
#include "platform/posix/tickcount.h"

namespace {

constexpr uint32_t kTimeOutMs = UdpQuerySocket::kReceiveTimeoutMs;

// One query in flight: its socket (kept from query to query), server and start.
struct QuerySlot {
    UdpQuerySocket socket;
    int polledSocket = -1;  // the descriptor registered with the poll set
    QueriedServer server;
    uint32_t sentAt = 0;
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

// Time until the earliest deadline of the busy slots, in milliseconds.
int WaitMs(const std::array<QuerySlot, kMaxQueriesInFlight>& slots) {
    const uint32_t now = GetTickCount();
    uint32_t wait = kTimeOutMs;
    for (const QuerySlot& slot : slots) {
        if (slot.busy) {
            const uint32_t elapsed = now - slot.sentAt;
            wait = std::min(wait, elapsed >= kTimeOutMs ? 0 : kTimeOutMs - elapsed);
        }
    }
    return static_cast<int>(wait);
}

// The epoll set over the slots' sockets; a slot's socket is registered once, and again only when
// a failed connect has made it a new one (closing the old one left the set by itself).
class PollSet {
public:
    PollSet() : m_set(epoll_create1(EPOLL_CLOEXEC)) {}
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
    void Wait(int timeoutMs, std::array<bool, kMaxQueriesInFlight>& ready) {
        ready.fill(false);
        std::array<epoll_event, kMaxQueriesInFlight> events;
        const int count = epoll_wait(m_set, events.data(), kMaxQueriesInFlight, timeoutMs);
        for (int i = 0; i < count; ++i) {
            ready[events[i].data.u64] = true;
        }
    }

private:
    int m_set;
};

}  // namespace

void RunServerQueries(std::span<const ServerAddress> servers, TEvent& stop,
                      const std::function<bool(std::vector<QueriedServer>&)>& ended) {
    std::array<QuerySlot, kMaxQueriesInFlight> slots;
    PollSet polled;  // after the slots: closed before their sockets
    std::vector<QueriedServer> done;
    done.reserve(kMaxQueriesInFlight);
    std::size_t next = 0;  // servers [0, next) have been started, in list order
    int inFlight = 0;
    uint8_t buffer[kInfoReplyBufferSize];

    // Puts the next servers into the slot until one is in flight, the list is done or a stop is
    // asked for; a query that ends at its start is done at once.
    auto refill = [&](std::size_t slotIndex) {
        QuerySlot& slot = slots[slotIndex];
        while (!slot.busy && next < servers.size() && !stop.TryWait()) {
            const std::size_t index = next++;
            if (StartQuery(slot, servers[index], index)) {
                polled.Watch(slot, slotIndex);
                slot.busy = true;
                ++inFlight;
            } else {
                done.push_back(std::move(slot.server));
            }
        }
    };

    for (std::size_t i = 0; i < slots.size(); ++i) {
        refill(i);
    }
    std::array<bool, kMaxQueriesInFlight> ready;
    while (true) {
        if (!done.empty()) {
            if (!ended(done)) {
                return;
            }
            done.clear();
        }
        if (inFlight == 0 || stop.TryWait()) {
            return;
        }
        polled.Wait(WaitMs(slots), ready);
        const uint32_t now = GetTickCount();
        for (std::size_t i = 0; i < slots.size(); ++i) {
            QuerySlot& slot = slots[i];
            if (!slot.busy) {
                continue;
            }
            // Past its time-out a query ends unanswered, whatever came too late.
            bool over = now - slot.sentAt >= kTimeOutMs;
            if (!over && ready[i]) {
                const int length = slot.socket.ReceiveWaiting(buffer, kInfoReplyBufferSize);
                if (length > 0) {
                    TakeInfoReply(buffer, length, slot.sentAt, slot.server.record);
                }
                over = length != UdpQuerySocket::kNoneWaiting;
            }
            if (over) {
                slot.busy = false;
                --inFlight;
                done.push_back(std::move(slot.server));
                refill(i);
            }
        }
    }
}
