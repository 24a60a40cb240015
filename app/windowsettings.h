#pragma once

class CMainFrame;

// The main window's place between runs, in the settings' "Main Window" section: its size,
// position and state (normal, maximised), the toolbar's place and visibility, and whether the
// status bar shows.
void SaveWindowSettings(CMainFrame& frame);
// Puts the window back as saved; false when nothing usable was saved (a first start), which
// leaves the window as it is.
bool RestoreWindowSettings(CMainFrame& frame);
