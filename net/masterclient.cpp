#include "net/masterclient.h"

#include <cstdint>

#include "net/masterpacket.h"
#include "net/serveraddress.h"
#include "net/serverlistwriter.h"
#include "net/udpquerysocket.h"
#include "platform/posix/usernotice.h"

namespace {
MasterEndpoint g_master{kDefaultMasterHost, kDefaultMasterPort};
constexpr int kPageBufferSize = 4096;
}  // namespace

void SetMasterServer(const std::string& host, int port) {
    g_master = MasterEndpoint{host, port};
}

const MasterEndpoint& MasterServer() {
    return g_master;
}

std::optional<MasterEndpoint> ParseMasterOption(std::string_view text) {
    const size_t colon = text.find(':');
    const std::string_view host = text.substr(0, colon);
    if (host.empty()) {
        return std::nullopt;
    }
    for (char c : host) {
        if (static_cast<unsigned char>(c) <= ' ' || c == 0x7F) {
            return std::nullopt;
        }
    }
    int port = kDefaultMasterPort;
    if (colon != std::string_view::npos) {
        const std::string_view digits = text.substr(colon + 1);
        if (digits.empty() || digits.size() > 5) {
            return std::nullopt;
        }
        port = 0;
        for (char c : digits) {
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            port = port * 10 + (c - '0');
        }
        if (port < 1 || port > 65535) {
            return std::nullopt;
        }
    }
    return MasterEndpoint{std::string(host), port};
}

int DownloadServerList() {
    g_serverAddresses.clear();

    UdpQuerySocket socket;
    MasterPacket packet;
    ServerListWriter writer;
    uint8_t buffer[kPageBufferSize] = {};
    bool fileFailureShown = false;

    int result = 0;
    if (socket.Connect(g_master.host, g_master.port) &&
        socket.Send(kMasterRequest, kMasterRequestLength) == kMasterRequestLength) {
        for (;;) {
            const int received = socket.Receive(buffer, kPageBufferSize);
            if (received <= 0) {
                result = -1;
                break;
            }
            if (packet.ParsePage(buffer)) {
                const uint8_t pageType = packet.m_type;
                packet.m_type = kAckType;
                packet.BuildAck();
                if (socket.Send(packet.m_ack, packet.m_ackLength) < packet.m_ackLength) {
                    result = -1;
                    break;
                }
                if (pageType == kLastPageType) {
                    break;
                }
            }
            if (!writer.AppendPage(buffer, received) && !fileFailureShown) {
                SetStatusText("Cannot write servers.txt");
                fileFailureShown = true;
            }
        }
    }
    socket.Close();
    return result;
}
