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
    for (int i = 0; i < kVersionGroupCount; ++i) {
        if (VersionGroupText(i) == version) {
            return i;
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
