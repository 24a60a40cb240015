// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Command ids of the menus, the toolbar and the accelerators. They keep fixed numbers
// so that a command can be sent by id (CMainFrame::SendCommand).

constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_SAVE = 57603;
constexpr int ID_FILE_PRINT_SETUP = 57606;
constexpr int ID_FILE_PRINT = 57607;
constexpr int ID_FILE_PRINT_DIRECT = 57608;  // prints at once on the default printer
constexpr int ID_FILE_PRINT_PREVIEW = 57609;
constexpr int ID_EDIT_COPY = 57634;  // Ctrl+C: "ip:port" of the selected server
constexpr int ID_EDIT_CUT = 57635;
constexpr int ID_EDIT_PASTE = 57637;
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_NEW_FULL_LIST = 57666;
constexpr int ID_NEXT_PANE = 57680;
constexpr int ID_PREV_PANE = 57681;
constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_VIEW_STATUS_BAR = 59393;
constexpr int ID_PREVIEW_CLOSE = 61445;
constexpr int ID_FAVOURITE_TOGGLE = 32790;  // Ctrl+D: adds or removes the selected server
constexpr int ID_VIEW_FILTER_BAR = 32791;   // shows or hides the filter bar
constexpr int ID_VIEW_FIND_SERVER = 32792;  // Ctrl+F: the filter bar's search box
constexpr int ID_REFRESH_LIST = 32793;      // Ctrl+R: a whole new refresh, at any time
constexpr int ID_JOIN_SERVER = 32794;       // Ctrl+Return, double-click: starts the game on it
constexpr int ID_QUERY_AGAIN = 32795;       // what Enter does on a server row
constexpr int ID_COPY_JOIN_LINK = 32796;    // korvath://ip:port of the selected server
constexpr int ID_GAME_SETTINGS = 32797;     // the game command's dialog
constexpr int ID_GROUP_EXPAND_ALL = 32798;  // a group row's context menu: keypad asterisk
constexpr int ID_GROUP_COLLAPSE = 32799;    // and keypad minus
constexpr int ID_RESET_COLUMNS = 32810;     // the grid header's menu: the described layout
// The grid header's menu: ID_SHOW_COLUMN_FIRST + n shows or hides column n (0 to 8).
constexpr int ID_SHOW_COLUMN_FIRST = 32811;
constexpr int ID_SHOW_COLUMN_LAST = 32819;
constexpr int ID_VIEW_SERVER_DETAILS = 32820;  // F9: shows or hides the selected server's details
constexpr int ID_QUERY_SHOWN = 32821;          // F6: the shown server rows asked again, no master
// Quick Join.
constexpr int ID_QUICK_JOIN = 32825;  // Ctrl+J: joins the best shown server
// Servers > Recently Played: empties the history; Ctrl+Shift+Return asks to join the last server
// joined; ID_RECENT_FIRST + n asks to join entry n of the submenu (0 to 9).
constexpr int ID_RECENT_CLEAR = 32830;
constexpr int ID_REJOIN_LAST = 32831;
constexpr int ID_RECENT_FIRST = 32840;
constexpr int ID_RECENT_LAST = 32849;
// Passwords of private servers: removes the selected server's remembered password.
constexpr int ID_FORGET_PASSWORD = 32850;
// Waiting for a free slot: Servers > Cancel Waiting and the status bar's Cancel button.
constexpr int ID_CANCEL_SLOT_WAIT = 32855;

// The grid's demonstration commands. Only the --demo menu sends them.
constexpr int ID_DEMO_INSERT_ITEMS = 131;      // node name prompt, then the sample subtree
constexpr int ID_DEMO_GRID_DIALOG = 32773;     // the grid demonstration dialog
constexpr int ID_DEMO_KEY_DELETE = 32774;      // key-downs sent to the grid: Delete,
constexpr int ID_DEMO_KEY_EXPAND = 32775;      // keypad plus,
constexpr int ID_DEMO_KEY_COLLAPSE = 32776;    // keypad minus,
constexpr int ID_DEMO_KEY_EXPAND_ALL = 32777;  // keypad asterisk
constexpr int ID_DEMO_FIND = 32779;            // the find demonstration
constexpr int ID_DEMO_IDLE_32780 = 32780;      // enabled, does nothing
constexpr int ID_DEMO_TOGGLE_DRAG = 32782;     // allows or forbids dragging rows
constexpr int ID_DEMO_IDLE_32783 = 32783;      // enabled, does nothing
constexpr int ID_DEMO_IDLE_32784 = 32784;      // enabled, does nothing
constexpr int ID_DEMO_SET_IMAGE = 32785;       // enabled, does nothing

// Status-bar indicator panes.
constexpr int ID_SEPARATOR = 0;
constexpr int ID_INDICATOR_CAPS = 59137;
constexpr int ID_INDICATOR_NUM = 59138;
constexpr int ID_INDICATOR_SCRL = 59139;

// Window ids of the frame's bars.
constexpr int AFX_IDW_TOOLBAR = 59392;
constexpr int AFX_IDW_STATUS_BAR = 59393;

// Resource ids.
constexpr int IDR_MAINFRAME = 128;
constexpr int IDD_ABOUTBOX = 100;
constexpr int IDD_GRID_DEMO = 130;
constexpr int IDD_NODE_NAME = 131;

// Controls of the dialogs.
constexpr int IDC_NODE_NAME = 1000;   // the node name prompt's edit box
constexpr int IDC_INSERT = 1003;      // the grid demonstration's "&Insert" button
constexpr int IDC_GRID_FRAME = 1008;  // the hidden placeholder of the demonstration grid
constexpr int IDC_DEMO_GRID = 4097;   // the demonstration grid
constexpr int AFX_IDS_APP_TITLE = 57344;
constexpr int AFX_IDS_IDLEMESSAGE = 57345;
