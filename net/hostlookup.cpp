#include "net/hostlookup.h"

#include <string_view>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <strings.h>
#include <sys/socket.h>

namespace {

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

bool IsHostName(const std::string& text) {
    if (text.empty() || text.size() > 253) {
        return false;
    }
    size_t label = 0;
    char last = '.';
    for (char c : text) {
        if (c == '.') {
            if (label == 0 || last == '-') {
                return false;
            }
            label = 0;
        } else {
            const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                                 (c >= '0' && c <= '9') || (c == '-' && label > 0);
            if (!allowed || ++label > 63) {
                return false;
            }
        }
        last = c;
    }
    return last != '-';
}

std::optional<uint32_t> ResolveHostIPv4(const std::string& host) {
    if (const std::optional<in_addr_t> address = ParseDottedQuad(host)) {
        return address;
    }
    return LookUpHost(host);
}

std::string DottedQuadText(uint32_t address) {
    in_addr ip{};
    ip.s_addr = address;
    char text[INET_ADDRSTRLEN];
    return inet_ntop(AF_INET, &ip, text, sizeof(text)) != nullptr ? text : "";
}
