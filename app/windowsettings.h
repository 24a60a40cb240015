// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class CMainFrame;

// The main window's place between runs, in the settings' "Main Window" section: its size,
// position and state (normal, maximised), the toolbar's place and visibility, and whether the
// status bar shows, and the width of each grid column as the player left it (a hidden column's:
// the width it comes back with) and which columns are hidden. The bars' state carries the details
// pane's place, size and visibility, under a version number: a state of another version, or one
// that does not read, leaves the pane hidden at the bottom.
void SaveWindowSettings(CMainFrame& frame);
// Puts the window back as saved; false when nothing usable was saved (a first start), which
// leaves the window as it is. The grid's columns get their saved widths whatever that returns;
// a column whose saved width is not a number from 0 to 4,000, or every column when the saved
// list does not name exactly one width per column, gets its described width. The saved hidden
// columns are hidden again: entries that are not the index of a column that may be hidden
// (Server and Ip:Port never are) are passed over.
bool RestoreWindowSettings(CMainFrame& frame);
