// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's string table: window titles, the idle text, and the prompt strings of commands.
// A prompt string holds the status-bar prompt, then "\n", then the tool tip.

// The string with the given id, in the installed translation if it has one; empty when the
// table has none.
QString LoadResourceString(int id);

// The status-bar prompt of a command (the part before "\n"); empty when it has none.
QString CommandPrompt(int id);

// The tool tip of a command (the part after "\n"); empty when it has none.
QString CommandToolTip(int id);
