// SPDX-License-Identifier: GPL-3.0-or-later
// A master page as it arrives, against the header parser, the acknowledgement and the step that
// records the page's addresses (g_serverAddresses and "servers.txt", in a folder of its own).
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

#include "fuzz/require.h"
#include "net/masterpacket.h"
#include "net/serveraddress.h"
#include "net/serverlistwriter.h"
#include "tests/support/tempdir.h"

namespace {

// What "servers.txt" holds, read back whole.
std::string ServersFile() {
    std::string text;
    if (std::FILE* file = std::fopen("servers.txt", "r")) {
        char chunk[4096];
        for (size_t got; (got = std::fread(chunk, 1, sizeof(chunk), file)) > 0;) {
            text.append(chunk, got);
        }
        std::fclose(file);
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static kr::test::ScopedTempDir folder(true);  // "servers.txt" lands there
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) {
        return 0;  // one datagram into the 4096-byte receive buffer
    }
    // The buffer still holds bytes of an earlier, longer datagram: none of them may count.
    std::array<uint8_t, 4096> buffer;
    buffer.fill(0xA5);
    std::memcpy(buffer.data(), data, size);
    const int length = static_cast<int>(size);

    MasterPacket packet;
    const bool isPage = packet.ParsePage(buffer.data());
    Require(isPage == (buffer[0] == 2 && buffer[1] == 6), "a page is what starts with 2, 6");
    if (isPage) {
        const uint8_t* ack = packet.BuildAck();
        Require(packet.m_ackLength == 11, "the acknowledgement is 11 bytes");
        Require(ack[0] == 2 && ack[1] == 6 && ack[3] == 0 && ack[4] == buffer[4] && ack[8] == 10 &&
                    ack[9] == 0 && ack[10] == 0,
                "the acknowledgement's fixed bytes and echo byte");
        for (int i = 0; i < 3; ++i) {
            const bool textEnded = std::memchr(buffer.data() + 5, 0, i + 1) != nullptr;
            Require(ack[5 + i] == (textEnded ? 0 : buffer[5 + i]), "the echo comes back as text");
        }
    }

    g_serverAddresses.clear();
    unlink("servers.txt");
    ServerListWriter().AppendPage(buffer.data(), length);
    const size_t count = g_serverAddresses.size();
    Require(isPage || count == 0, "a datagram that is no page records nothing");
    Require(count <= packet.m_recordCount, "no more records than the page's count");
    Require(count == 0 || 15 + 6 * count <= size,
            "every address recorded lies inside the datagram");
    Require(!isPage || static_cast<int>(count) == PageRecordCount(packet, length),
            "every whole record of the count is recorded");

    const std::string lines = ServersFile();
    Require(lines.size() == 22 * count, "one 22-byte line per address");
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* record = data + 15 + 6 * i;
        const ServerAddress& address = g_serverAddresses[i];
        int ip[4] = {}, port = -1, used = 0;
        Require(std::sscanf(address.m_ip.c_str(), "%d.%d.%d.%d%n", &ip[0], &ip[1], &ip[2], &ip[3],
                            &used) == 4 &&
                    used == static_cast<int>(address.m_ip.size()),
                "the address text is four dotted numbers");
        int line[4] = {};
        Require(std::sscanf(lines.c_str() + 22 * i, "%d.%d.%d.%d:%d", &line[0], &line[1], &line[2],
                            &line[3], &port) == 5 &&
                    lines[22 * i + 21] == '\n',
                "the line is an address and a port");
        for (int b = 0; b < 4; ++b) {
            Require(ip[b] == record[b] && line[b] == record[b], "the address is the record's");
        }
        const int recordPort = record[4] * 256 + record[5];
        Require(address.m_port == static_cast<uint32_t>(recordPort) && port == recordPort,
                "the port is the record's, high byte first");
    }
    return 0;
}
