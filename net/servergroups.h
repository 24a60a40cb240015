// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The fixed groups of the server grid, in grid order: five versions ("1.%1d0" of 0..4, so
// "1.00" to "1.40"), each with the game types "VLD", "TDM", "DM". A server belongs to the group
// whose version and game type texts equal its record's; a record with "1.??", "???" or no answer
// has none.
constexpr int kVersionGroupCount = 5;
constexpr int kGameTypeGroupCount = 3;

std::string VersionGroupText(int versionIndex);  // 0..4
const char* GameTypeGroupText(int typeIndex);    // 0..2

// Index of the group with the text, -1 when none has it.
int VersionGroupIndex(const std::string& version);
int GameTypeGroupIndex(const std::string& gameType);
