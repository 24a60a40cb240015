// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

class CGridItemInfo;

// The sub-texts of a server row, in column order after the tree column: ping, name, map,
// players "n/m", mod, two image-only columns, "Ip:Port".
constexpr int kPingSubText = 0;
constexpr int kNameSubText = 1;
constexpr int kMapSubText = 2;
constexpr int kPlayersSubText = 3;
constexpr int kModSubText = 4;
constexpr int kAddressSubText = 7;

// The ping text of a server that did not answer.
constexpr int kUnansweredPing = 9999;

// Sub-text k without a copy (good until the row's texts change); an empty text past the last
// one. O(1).
QStringView ServerRowField(const CGridItemInfo& info, int k);

// Players and maximum from "n/m" (blanks allowed); false for "?/?" or anything else.
bool ReadServerPlayers(QStringView text, int& players, int& maximum);

// Whether the row shows an image in the cell under the key (the private or the dedicated mark).
// O(marks).
bool ServerRowHasMark(const CGridItemInfo& info, int cellKey);

// What a server row's texts tell before joining it: it answered with room, it is full (players
// reach a maximum above 0), or it gave no answer (ping 9999 or more, or no players text).
enum class ServerAvailability { Open, Full, NoAnswer };
ServerAvailability ReadServerAvailability(const CGridItemInfo& info);
