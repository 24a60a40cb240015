// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gridctrl/gridtreeitem.h"

#include <QString>

// The ping order of the server grid (the roots in CServerGrid::SortTree; the Ping key of
// sortorder.h reads the same number): by the number at the start of sub-text 0, which server
// rows fill with the ping text. Group rows (" " or no sub-text) count as 0.

// The number a text starts with, read the way atoi reads it: leading blanks (space, tab, line
// feed, vertical tab, form feed, carriage return) skipped, an optional sign, then the decimal
// digits that follow; anything after them is ignored; a text without digits gives 0. Numbers
// beyond the int range are clamped to it (where atoi would be undefined).
int PingTextValue(QStringView text);

// Negative when a comes before b in ping order, positive when after, 0 when they are equal.
// A node without row data counts as 0. Only the sign is meaningful; it never overflows.
int ComparePingText(const CGridTreeItem* a, const CGridTreeItem* b);
