// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One game server from the master list.
struct ServerAddress {
    std::string m_ip;  // "%d.%d.%d.%d"
    uint32_t m_port;   // 0..65535
};

// The master list of the last download, in arrival order, duplicates kept. Emptied when a
// download starts, appended to by it, and left alone while the query thread reads its entries.
extern std::vector<ServerAddress> g_serverAddresses;
