// SPDX-License-Identifier: GPL-3.0-or-later
// The text of a last-list file, against its reader.
#include <cstdint>
#include <string_view>

#include "fuzz/require.h"
#include "net/lastlist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const LastList list = ParseLastList(text);
    Require(list.load != LastListLoad::Missing, "a text is never missing");
    if (list.load == LastListLoad::Ignored) {
        Require(list.servers.empty() && list.skipped == 0, "nothing used from a text ignored");
        return 0;
    }
    Require(list.servers.size() <= kMaxLastListEntries, "at most the bound of entries");
    Require((list.load == LastListLoad::Partial) == (list.skipped > 0), "Partial means skipped");
    for (const ServerAddress& server : list.servers) {
        Require(server.m_port >= 1 && server.m_port <= 65535, "a port of 1 to 65535");
    }
    const LastList again = ParseLastList(FormatLastList(list.servers, list.time));
    Require(again.load == LastListLoad::Loaded && again.time == list.time &&
                again.servers.size() == list.servers.size(),
            "what was read is written and read back whole");
    for (std::size_t i = 0; i < list.servers.size(); ++i) {
        Require(again.servers[i].m_ip == list.servers[i].m_ip &&
                    again.servers[i].m_port == list.servers[i].m_port,
                "each address comes back as it was");
    }
    return 0;
}
