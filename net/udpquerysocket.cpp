#include "net/udpquerysocket.h"

#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <strings.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include "platform/posix/usernotice.h"

// There is no socket library to start or clean up on POSIX: the socket calls work from the
// first use, so no start-up step (and no start-up failure) exists here.

namespace {

constexpr int kInvalidSocket = -1;

// Four decimal numbers 0..255 of 1 to 3 digits, separated by dots, nothing else. The broadcast
// address is left to the name lookup, as the classic conversion could not tell it from an error.
std::optional<in_addr_t> ParseDottedQuad(const std::string& text) {
    uint32_t address = 0;
    size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (pos >= text.size() || text[pos] != '.') {
                return std::nullopt;
            }
            ++pos;
        }
        int value = 0;
        size_t digits = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < 4) {
            value = value * 10 + (text[pos] - '0');
            ++pos;
            ++digits;
        }
        if (digits == 0 || digits > 3 || value > 255) {
            return std::nullopt;
        }
        address = (address << 8) | static_cast<uint32_t>(value);
    }
    if (pos != text.size() || address == INADDR_NONE) {
        return std::nullopt;
    }
    return htonl(address);
}

// Letters, digits, '-' and '.' in labels of 1 to 63 characters, 253 at most in all. Anything
// else cannot name a host, so it is refused without asking a resolver.
bool IsHostName(const std::string& text) {
    if (text.empty() || text.size() > 253) {
        return false;
    }
    size_t label = 0;
    for (char c : text) {
        if (c == '.') {
            if (label == 0) {
                return false;
            }
            label = 0;
            continue;
        }
        bool allowed =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
        if (!allowed || ++label > 63) {
            return false;
        }
    }
    return true;
}

// Names under the reserved top-level name "invalid" (RFC 6761) never name a host; they are
// refused at once, so that they reach no resolver on the network.
bool IsUnderInvalid(const std::string& host) {
    std::string_view name(host);
    if (name.ends_with('.')) {
        name.remove_suffix(1);
    }
    const size_t dot = name.rfind('.');
    const std::string label(dot == std::string_view::npos ? name : name.substr(dot + 1));
    return strcasecmp(label.c_str(), "invalid") == 0;
}

std::optional<in_addr_t> LookUpHost(const std::string& host) {
    if (!IsHostName(host) || IsUnderInvalid(host)) {
        return std::nullopt;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
        return std::nullopt;
    }
    in_addr_t address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    freeaddrinfo(found);
    return address;
}

}  // namespace

const char* ConnectErrorText(int error) {
    switch (error) {
        case ENETUNREACH:
            return "Server Unreacheable";
        case ETIMEDOUT:
            return "Connect to Server TimeOut";
        case ECONNREFUSED:
            return "Connection refused by Server";
        default:
            return "UCP Connect Unknow Error";
    }
}

UdpQuerySocket::UdpQuerySocket() : m_socket(kInvalidSocket) {}

UdpQuerySocket::~UdpQuerySocket() {
    Close();
}

int UdpQuerySocket::Connect(const std::string& host, int port) {
    std::optional<in_addr_t> address = ParseDottedQuad(host);
    if (!address) {
        address = LookUpHost(host);
    }
    if (!address) {
        SetStatusText("Invalid Server ip!");
        ShowMessageBox("Invalid Server ip!", "KR Server Browser", NoticeIcon::None);
        return 0;
    }

    sockaddr_in peer{};
    peer.sin_family = AF_INET;
    peer.sin_port = htons(static_cast<uint16_t>(port));
    peer.sin_addr.s_addr = *address;

    if (m_socket == kInvalidSocket) {
        m_socket = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    }
    if (m_socket == kInvalidSocket) {
        SetStatusText("Error Creating Socket");
        return 0;
    }
    int error = EINVAL;  // a port that does not fit 16 bits would name another server
    if (port >= 0 && port <= 65535) {
        if (connect(m_socket, reinterpret_cast<const sockaddr*>(&peer), sizeof(peer)) == 0) {
            m_peerAddress = peer.sin_addr.s_addr;
            m_peerPort = peer.sin_port;
            return 1;
        }
        error = errno;
    }
    SetStatusText(ConnectErrorText(error));
    close(m_socket);
    m_socket = kInvalidSocket;
    return 0;
}

int UdpQuerySocket::Send(const void* buffer, int length) {
    return static_cast<int>(send(m_socket, buffer, static_cast<size_t>(length), 0));
}

int UdpQuerySocket::Receive(void* buffer, int capacity) {
    timeval timeout{};
    timeout.tv_sec = kReceiveTimeoutMs / 1000;
    timeout.tv_usec = (kReceiveTimeoutMs % 1000) * 1000;
    setsockopt(m_socket, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof(timeout));
    return static_cast<int>(recv(m_socket, buffer, static_cast<size_t>(capacity), 0));
}

int UdpQuerySocket::ReceiveWaiting(void* buffer, int capacity) {
    for (;;) {
        sockaddr_in from{};
        socklen_t fromLength = sizeof(from);
        const ssize_t length =
            recvfrom(m_socket, buffer, static_cast<size_t>(capacity), MSG_DONTWAIT,
                     reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (length < 0) {
            return errno == EAGAIN || errno == EWOULDBLOCK ? kNoneWaiting : -1;
        }
        // A connected socket takes datagrams from its peer only, but those queued before it was
        // connected to this peer stay.
        if (from.sin_addr.s_addr == m_peerAddress && from.sin_port == m_peerPort) {
            return static_cast<int>(length);
        }
    }
}

int UdpQuerySocket::Close() {
    if (m_socket == kInvalidSocket) {
        return -1;
    }
    int result = close(m_socket);
    m_socket = kInvalidSocket;
    return result;
}
