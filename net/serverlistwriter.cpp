#include "net/serverlistwriter.h"

#include <algorithm>
#include <cstdio>

#include "net/masterpacket.h"
#include "net/serveraddress.h"

ServerListWriter::~ServerListWriter() = default;

int PageRecordCount(const MasterPacket& header, int length) {
    const int present = std::max(0, (length - kPageHeaderLength) / kAddressRecordLength);
    return std::min<int>(header.m_recordCount, present);
}

bool ServerListWriter::AppendPage(const uint8_t* buffer, int length) {
    MasterPacket header;
    if (!header.ParsePage(buffer)) {
        return true;
    }
    const int count = PageRecordCount(header, length);

    std::FILE* file = std::fopen("servers.txt", "a+");
    for (int i = 0; i < count; ++i) {
        const uint8_t* record = buffer + kPageHeaderLength + i * kAddressRecordLength;
        const uint32_t port = record[4] * 256u + record[5];
        if (file != nullptr) {
            std::fprintf(file, "%3d.%3d.%3d.%3d:%5d\n", record[0], record[1], record[2], record[3],
                         static_cast<int>(port));
        }
        char ip[16];
        std::snprintf(ip, sizeof(ip), "%d.%d.%d.%d", record[0], record[1], record[2], record[3]);
        g_serverAddresses.push_back(ServerAddress{ip, port});
    }
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}
