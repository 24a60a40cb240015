// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/hostlookup.h"

#include <algorithm>
#include <string_view>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <strings.h>
#include <sys/socket.h>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The address of a dotted quad, in host byte order; nullopt for any other text.
std::optional<uint32_t> ReadDottedQuad(const std::string& text) {
    uint32_t address = 0;
    size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (pos >= text.size() || text[pos] != '.') {
                return std::nullopt;
            }
            ++pos;
        }
        const size_t start = pos;
        uint32_t value = 0;
        while (pos < text.size() && pos - start < 3 && IsDigit(text[pos])) {
            value = value * 10 + uint32_t(text[pos] - '0');
            ++pos;
        }
        if (pos == start || value > 255 || (text[start] == '0' && pos - start > 1)) {
            return std::nullopt;
        }
        address = (address << 8) | value;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return address;
}

// The name without the closing '.' that may end it.
std::string_view WithoutClosingDot(const std::string& host) {
    std::string_view name(host);
    if (name.ends_with('.')) {
        name.remove_suffix(1);
    }
    return name;
}

std::string_view LastLabel(std::string_view name) {
    const size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? name : name.substr(dot + 1);
}

// 1 to 63 letters, digits and '-', not beginning or ending with '-'.
bool IsLabel(std::string_view label) {
    return !label.empty() && label.size() <= 63 && label.front() != '-' && label.back() != '-' &&
           std::all_of(label.begin(), label.end(), [](char c) {
               return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-';
           });
}

// A label the classic address conversion reads as a number: decimal (or octal) digits, or "0x"
// and hex digits. As the last one, it makes "127.1", "2130706433" or "0x7f.1" an address.
bool IsNumericLabel(std::string_view label) {
    if (label.size() >= 2 && label[0] == '0' && (label[1] == 'x' || label[1] == 'X')) {
        return std::all_of(label.begin() + 2, label.end(), IsHexDigit);
    }
    return std::all_of(label.begin(), label.end(), IsDigit);
}

// Names under the reserved top-level name "invalid" (RFC 6761) never name a host; they are
// refused at once, so that they reach no resolver on the network.
bool IsUnderInvalid(const std::string& host) {
    const std::string label(LastLabel(WithoutClosingDot(host)));
    return strcasecmp(label.c_str(), "invalid") == 0;
}

std::optional<in_addr_t> LookUpHost(const std::string& host) {
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

bool IsDottedQuad(const std::string& text) {
    return ReadDottedQuad(text).has_value();
}

bool IsHostName(const std::string& text) {
    const std::string_view name = WithoutClosingDot(text);
    if (name.empty() || text.size() > 253) {
        return false;
    }
    for (size_t start = 0;;) {
        const size_t end = std::min(name.find('.', start), name.size());
        const std::string_view label = name.substr(start, end - start);
        if (!IsLabel(label)) {
            return false;
        }
        if (end == name.size()) {
            return !IsNumericLabel(label);
        }
        start = end + 1;
    }
}

bool IsHostText(const std::string& text) {
    return IsDottedQuad(text) || IsHostName(text);
}

std::optional<uint32_t> ResolveHostIPv4(const std::string& host) {
    const std::optional<uint32_t> quad = ReadDottedQuad(host);
    if (quad && *quad != INADDR_NONE) {
        return htonl(*quad);
    }
    if ((!quad && !IsHostName(host)) || IsUnderInvalid(host)) {
        return std::nullopt;
    }
    return LookUpHost(host);
}

std::string DottedQuadText(uint32_t address) {
    in_addr ip{};
    ip.s_addr = address;
    char text[INET_ADDRSTRLEN];
    return inet_ntop(AF_INET, &ip, text, sizeof(text)) != nullptr ? text : "";
}
