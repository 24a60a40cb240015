// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/serverquery.h"

#include <algorithm>
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

void PrepareQueryRecord(const std::string& host, int port, ServerRecord& record) {
    record.Reset();
    record.m_ping = 9999;
    record.m_address = host + ":" + std::to_string(port);
}

void TakeInfoReply(std::span<uint8_t, kInfoReplyBufferSize> buffer, int length, uint32_t sentAt,
                   ServerRecord& record) {
    std::fill(buffer.begin() + length, buffer.end(), uint8_t{0});
    record.m_ping = GetTickCount() - sentAt;
    record.ParseInfoReply(buffer);
}

bool SendInfoRequest(UdpQuerySocket& socket) {
    return socket.Send(kInfoRequest, kInfoRequestLength) == kInfoRequestLength;
}

void QueryServer(const std::string& host, int port, ServerRecord& record) {
    UdpQuerySocket socket;
    uint8_t buffer[kInfoReplyBufferSize];

    PrepareQueryRecord(host, port, record);
    if (socket.Connect(host, port)) {
        const uint32_t start = GetTickCount();
        if (SendInfoRequest(socket)) {
            const int length = socket.Receive(buffer, kInfoReplyBufferSize);
            if (length > 0) {
                TakeInfoReply(buffer, length, start, record);
            }
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
