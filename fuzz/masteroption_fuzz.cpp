// SPDX-License-Identifier: GPL-3.0-or-later
// The text of a --master option, against its parser.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/require.h"
#include "net/masterclient.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = ParseMasterOption(text);
    if (!parsed) {
        return 0;
    }
    Require(!parsed->host.empty(), "a host");
    for (const char c : parsed->host) {
        Require(c != ':' && static_cast<unsigned char>(c) > ' ' && c != 0x7F,
                "no colon, blank or control character in the host");
    }
    Require(parsed->port >= 1 && parsed->port <= 65535, "a port of 1 to 65535");
    Require(text.substr(0, parsed->host.size()) == parsed->host, "the host as written");
    const bool portGiven = text.size() > parsed->host.size();
    Require(portGiven || parsed->port == kDefaultMasterPort, "18444 unless a port is given");
    const auto again = ParseMasterOption(parsed->host + ":" + std::to_string(parsed->port));
    Require(again && again->host == parsed->host && again->port == parsed->port,
            "what was parsed parses again to the same");
    return 0;
}
