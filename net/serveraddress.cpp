// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/serveraddress.h"

std::vector<ServerAddress> g_serverAddresses;
