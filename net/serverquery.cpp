#include "net/serverquery.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "net/udpquerysocket.h"
#include "platform/posix/tickcount.h"

namespace {
const uint8_t kInfoRequest[kInfoRequestLength] = {0, 0, 0, 0};
constexpr size_t kMaxHostLength = 15;  // a dotted IPv4 text at its longest
constexpr size_t kMaxPortLength = 7;
}  // namespace

void QueryServer(const std::string& host, int port, ServerRecord& record) {
    UdpQuerySocket socket;
    uint8_t buffer[kInfoReplyBufferSize] = {};

    record.Reset();
    record.m_ping = 9999;
    record.m_address = host + ":" + std::to_string(port);

    if (socket.Connect(host, port)) {
        const uint32_t start = GetTickCount();
        if (socket.Send(kInfoRequest, kInfoRequestLength) == kInfoRequestLength &&
            socket.Receive(buffer, kInfoReplyBufferSize) > 0) {
            record.m_ping = GetTickCount() - start;
            record.ParseInfoReply(buffer);
        }
    }
    socket.Close();
}

std::optional<std::pair<std::string, int>> SplitServerAddress(const std::string& address) {
    const size_t colon = address.find(':');
    if (colon == std::string::npos || colon > kMaxHostLength ||
        address.size() - colon - 1 > kMaxPortLength) {
        return std::nullopt;
    }
    // At most 7 characters: the value fits an int.
    const long port = std::atol(address.c_str() + colon + 1);
    return std::pair{address.substr(0, colon), static_cast<int>(port)};
}

void QueryServerByAddress(const std::string& address, ServerRecord& record) {
    if (const auto split = SplitServerAddress(address)) {
        QueryServer(split->first, split->second, record);
    }
}
