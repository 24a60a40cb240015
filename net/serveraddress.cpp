#include "net/serveraddress.h"

std::vector<ServerAddress> g_serverAddresses;
