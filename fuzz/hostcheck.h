// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include "fuzz/require.h"

// What an accepted host text must be to the system's resolver: a numeric host is one that
// inet_pton, inet_aton and a numeric-only getaddrinfo all read as the same address, written as
// that address's own dotted quad; any other host is a name that none of them reads as a number
// (also without its closing '.'), made of letters, digits, '-' and '.', no label beginning or
// ending with '-', the last not all digits. Nothing is looked up (AI_NUMERICHOST).
inline void RequireResolverReadsHostAsWritten(const std::string& host) {
    const std::string bare = host.ends_with('.') ? host.substr(0, host.size() - 1) : host;
    in_addr strict{};
    in_addr classic{};
    const bool quad = inet_pton(AF_INET, host.c_str(), &strict) == 1;
    const bool classicReads = inet_aton(bare.c_str(), &classic) != 0;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_flags = AI_NUMERICHOST;
    addrinfo* found = nullptr;
    const bool numericReads = getaddrinfo(bare.c_str(), nullptr, &hints, &found) == 0;
    const in_addr_t numeric =
        numericReads ? reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr : 0;
    if (found != nullptr) {
        freeaddrinfo(found);
    }
    if (quad) {
        char text[INET_ADDRSTRLEN] = {};
        Require(inet_ntop(AF_INET, &strict, text, sizeof(text)) != nullptr && host == text,
                "a numeric host is written as its address's dotted quad");
        Require(classicReads && classic.s_addr == strict.s_addr,
                "inet_aton reads the same address");
        Require(numericReads && numeric == strict.s_addr, "getaddrinfo reads the same address");
        return;
    }
    Require(!classicReads && !numericReads, "a name is no number to the resolver");
    const size_t lastLabel = bare.rfind('.') + 1;  // 0 when there is one label
    Require(bare.find_first_not_of("0123456789", lastLabel) != std::string::npos,
            "the last label is not all digits");
    char previous = '.';
    for (const char c : host) {
        Require((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                    c == '-' || c == '.',
                "a name holds letters, digits, '-' and '.' only");
        Require(!(previous == '.' && (c == '-' || c == '.')) && !(previous == '-' && c == '.'),
                "no empty label, none that begins or ends with '-'");
        previous = c;
    }
    Require(!host.empty() && previous != '-', "no empty name, no last label ending with '-'");
}
