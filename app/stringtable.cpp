// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/stringtable.h"

#include "app/commandids.h"

#include <QCoreApplication>
#include <QHash>

namespace {

// The English texts; LoadResourceString translates them for the installed translation.
const QHash<int, const char*>& Table() {
    static const QHash<int, const char*> table = {
        {IDR_MAINFRAME, QT_TRANSLATE_NOOP("StringTable", "Korvath Servers Browser")},
        {AFX_IDS_APP_TITLE, QT_TRANSLATE_NOOP("StringTable", "Korvath Servers Browser")},
        {AFX_IDS_IDLEMESSAGE, QT_TRANSLATE_NOOP("StringTable", "Ready")},
        {ID_NEW_FULL_LIST,
         QT_TRANSLATE_NOOP("StringTable", "Display a new full list of servers\nNew Full List")},
        {ID_APP_ABOUT,
         QT_TRANSLATE_NOOP("StringTable",
                           "Display program information, version number and copyright\nAbout")},
        {ID_FILE_PRINT, QT_TRANSLATE_NOOP("StringTable", "Print the active document\nPrint")},
        {ID_FILE_PRINT_PREVIEW,
         QT_TRANSLATE_NOOP("StringTable", "Display full pages\nPrint Preview")},
        {ID_FILE_PRINT_SETUP,
         QT_TRANSLATE_NOOP("StringTable", "Change the printer and printing options\nPrint Setup")},
        {ID_APP_EXIT,
         QT_TRANSLATE_NOOP("StringTable", "Quit the application; prompts to save documents\nExit")},
        {ID_VIEW_TOOLBAR,
         QT_TRANSLATE_NOOP("StringTable", "Show or hide the toolbar\nToggle ToolBar")},
        {ID_VIEW_STATUS_BAR,
         QT_TRANSLATE_NOOP("StringTable", "Show or hide the status bar\nToggle StatusBar")},
        {ID_PREVIEW_CLOSE,
         QT_TRANSLATE_NOOP("StringTable", "Close print preview mode\nCancel Preview")},
        {ID_VIEW_FILTER_BAR,
         QT_TRANSLATE_NOOP("StringTable", "Show or hide the filter bar\nToggle Filter Bar")},
        {ID_VIEW_FIND_SERVER,
         QT_TRANSLATE_NOOP("StringTable",
                           "Search the servers by name, map, mod or address\nFind Server")},
        {ID_RESET_COLUMNS,
         QT_TRANSLATE_NOOP("StringTable",
                           "Show every column with its first width again\nReset Columns")},
        {ID_FAVOURITE_TOGGLE,
         QT_TRANSLATE_NOOP(
             "StringTable",
             "Add the selected server to the favourites, or remove it from them\nFavourite")},
        {ID_REFRESH_LIST,
         QT_TRANSLATE_NOOP("StringTable",
                           "Download the list of servers again and query them all\nRefresh List")},
        {ID_QUERY_SHOWN,
         QT_TRANSLATE_NOOP("StringTable",
                           "Ask the servers shown in the list again, without the master server"
                           "\nQuery Shown Servers")},
        {ID_JOIN_SERVER,
         QT_TRANSLATE_NOOP("StringTable", "Start the game on the selected server\nJoin")},
        {ID_QUERY_AGAIN,
         QT_TRANSLATE_NOOP("StringTable",
                           "Ask the selected server for its state again\nQuery Again")},
        {ID_EDIT_COPY,
         QT_TRANSLATE_NOOP("StringTable", "Copy the address of the selected server\nCopy Address")},
        {ID_COPY_JOIN_LINK,
         QT_TRANSLATE_NOOP("StringTable",
                           "Copy a link that joins the selected server\nCopy Join Link")},
        {ID_GAME_SETTINGS,
         QT_TRANSLATE_NOOP("StringTable", "Set the command that starts the game\nGame Settings")},
        {ID_GROUP_EXPAND_ALL,
         QT_TRANSLATE_NOOP("StringTable", "Expand the group and everything in it\nExpand All")},
        {ID_GROUP_COLLAPSE, QT_TRANSLATE_NOOP("StringTable", "Collapse the group\nCollapse")},
        // The details pane.
        {ID_VIEW_SERVER_DETAILS,
         QT_TRANSLATE_NOOP("StringTable",
                           "Show or hide everything known of the selected server\nServer Details")},
        // Quick Join.
        {ID_QUICK_JOIN,
         QT_TRANSLATE_NOOP("StringTable",
                           "Join the shown server with the most players and a low ping"
                           "\nQuick Join")},
        // Recently played servers.
        {ID_REJOIN_LAST,
         QT_TRANSLATE_NOOP("StringTable", "Join the server joined last again\nRejoin Last Server")},
        {ID_RECENT_CLEAR,
         QT_TRANSLATE_NOOP("StringTable", "Forget the recently played servers\nClear History")},
        // Passwords of private servers.
        {ID_FORGET_PASSWORD,
         QT_TRANSLATE_NOOP("StringTable",
                           "Remove the password remembered for the selected server\nForget "
                           "Password")},
        // Waiting for a free slot.
        {ID_CANCEL_SLOT_WAIT,
         QT_TRANSLATE_NOOP("StringTable",
                           "Stop waiting for a slot on a full server\nCancel Waiting")},
        {ID_DEMO_SET_IMAGE,
         QT_TRANSLATE_NOOP("StringTable", "set new image on currently selected item")},
        {ID_INDICATOR_CAPS, QT_TRANSLATE_NOOP("StringTable", "CAP")},
        {ID_INDICATOR_NUM, QT_TRANSLATE_NOOP("StringTable", "NUM")},
        {ID_INDICATOR_SCRL, QT_TRANSLATE_NOOP("StringTable", "SCRL")},
    };
    return table;
}

}  // namespace

QString LoadResourceString(int id) {
    const char* text = Table().value(id, nullptr);
    return text != nullptr ? QCoreApplication::translate("StringTable", text) : QString();
}

QString CommandPrompt(int id) {
    return LoadResourceString(id).section('\n', 0, 0);
}

QString CommandToolTip(int id) {
    return LoadResourceString(id).section('\n', 1, 1);
}
