// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/serverlistwriter.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <string>

#include "net/masterpacket.h"
#include "net/serveraddress.h"

namespace {

// Writes `value` in decimal, right-aligned with spaces to `width` characters like printf's "%*u"
// (no padding for width 0); returns the end. Formatting by hand: a page holds up to 255 records.
char* PutDecimal(char* out, unsigned value, int width) {
    char digits[10];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (int pad = width - count; pad > 0; --pad) {
        *out++ = ' ';
    }
    while (count > 0) {
        *out++ = digits[--count];
    }
    return out;
}

// "a.b.c.d" of the record's four address bytes, each right-aligned to `width`; returns the end.
char* PutAddress(char* out, const uint8_t* record, int width) {
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            *out++ = '.';
        }
        out = PutDecimal(out, record[i], width);
    }
    return out;
}

}  // namespace

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
            char line[32];  // "%3d.%3d.%3d.%3d:%5d\n"
            char* end = PutAddress(line, record, 3);
            *end++ = ':';
            end = PutDecimal(end, port, 5);
            *end++ = '\n';
            std::fwrite(line, 1, static_cast<std::size_t>(end - line), file);
        }
        char ip[16];  // "%d.%d.%d.%d"
        g_serverAddresses.push_back(
            ServerAddress{std::string(ip, PutAddress(ip, record, 0)), port});
    }
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}
