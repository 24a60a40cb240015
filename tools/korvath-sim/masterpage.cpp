// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/korvath-sim/masterpage.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

using Echo = std::array<std::uint8_t, 3>;

// Echo texts in turn: letters, a zero between letters (acknowledged as 41 00 00), empty texts
// with and without bytes after the zero, bytes above 0x7F.
const Echo kEchoTexts[] = {
    {'K', 'R', '1'},  {0x41, 0x00, 0x42}, {0x00, 0x00, 0x00}, {0xC3, 0xA9, 0x7F},
    {0x00, 'x', 'y'}, {'Z', 0x00, 0x00},  {'p', 'g', 0x00},   {0xFF, 0x01, 0x80},
};

std::uint8_t EchoByte(int pageIndex) {
    return static_cast<std::uint8_t>(0x5A + pageIndex * 0x3B);
}

const Echo& EchoText(int pageIndex) {
    return kEchoTexts[static_cast<std::size_t>(pageIndex) % std::size(kEchoTexts)];
}

void AppendRecord(std::string& page, int port) {
    page += {127, 0, 0, 1};
    page += static_cast<char>(port >> 8);
    page += static_cast<char>(port & 0xFF);
}

}  // namespace

const std::string& ListRequest() {
    static const std::string request("\x02\x06\x05\x00\x00\x00\x00\x00\x0A\x00\x00", 11);
    return request;
}

int ListPageCount(int servers, int perPage) {
    return (servers + perPage - 1) / perPage + 1;
}

std::string BuildListPage(const std::vector<int>& ports, const SimOptions& options, int pageIndex) {
    const int servers = static_cast<int>(ports.size());
    const int perPage = options.perPage;
    const bool last = !options.masterEndless && pageIndex == ListPageCount(servers, perPage) - 1;
    const long long first = last ? 0 : static_cast<long long>(pageIndex) * perPage;
    int count = last ? (servers > 0 ? options.lastPageRecords : 0)
                     : static_cast<int>(std::min<long long>(perPage, servers - first));
    if (options.masterEndless) {
        count = servers > 0 ? perPage : 0;
    }
    const Echo& echo = EchoText(pageIndex);
    std::string page = {2, 6, static_cast<char>(last ? 7 : 0), 0};
    page += static_cast<char>(EchoByte(pageIndex));
    page.append(echo.begin(), echo.end());
    page += {0, 0, static_cast<char>(options.masterOvercount ? 255 : count), 0, 0, 0, 0};
    for (int i = 0; i < count; ++i) {
        AppendRecord(page, ports[static_cast<std::size_t>((first + i) % servers)]);
    }
    return page;
}

std::string ExpectedAck(int pageIndex) {
    const Echo& echo = EchoText(pageIndex);
    std::string ack = {2, 6, 1, 0, static_cast<char>(EchoByte(pageIndex))};
    bool ended = false;
    for (const std::uint8_t byte : echo) {
        ended = ended || byte == 0;
        ack += static_cast<char>(ended ? 0 : byte);
    }
    ack += {0x0A, 0, 0};
    return ack;
}
