// SPDX-License-Identifier: GPL-3.0-or-later
// A favourite's "host:port" text, against its parser: what it accepts names a host the system's
// resolver reads as written, and a port the game can reach.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/hostcheck.h"
#include "fuzz/require.h"
#include "net/favouriteaddress.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = ParseFavouriteAddress(text);
    if (!parsed) {
        return 0;
    }
    RequireResolverReadsHostAsWritten(parsed->m_ip);
    Require(parsed->m_port >= 1 && parsed->m_port <= 65535, "a port of 1 to 65535");
    Require(text == parsed->m_ip + ":" + std::to_string(parsed->m_port),
            "the text is the host and the port as written");
    return 0;
}
