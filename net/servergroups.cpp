// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/servergroups.h"

#include <cstdio>

namespace {
const char* const kGameTypes[kGameTypeGroupCount] = {"VLD", "TDM", "DM"};
}

std::string VersionGroupText(int versionIndex) {
    char text[16];
    std::snprintf(text, sizeof(text), "1.%1d0", versionIndex);
    return text;
}

const char* GameTypeGroupText(int typeIndex) {
    return kGameTypes[typeIndex];
}

int VersionGroupIndex(const std::string& version) {
    // The inverse of VersionGroupText's "1.%1d0": reading the digit spares formatting each text.
    if (version.size() == 4 && version[0] == '1' && version[1] == '.' && version[3] == '0') {
        const int index = version[2] - '0';
        if (index >= 0 && index < kVersionGroupCount) {
            return index;
        }
    }
    return -1;
}

int GameTypeGroupIndex(const std::string& gameType) {
    for (int i = 0; i < kGameTypeGroupCount; ++i) {
        if (gameType == kGameTypes[i]) {
            return i;
        }
    }
    return -1;
}
