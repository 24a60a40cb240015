#include "app/stringtable.h"

#include "app/commandids.h"

#include <QHash>

namespace {

const QHash<int, QString>& Table() {
    static const QHash<int, QString> table = {
        {IDR_MAINFRAME, "Korvath Servers Browser"},
        {AFX_IDS_APP_TITLE, "Korvath Servers Browser"},
        {AFX_IDS_IDLEMESSAGE, "Ready"},
        {ID_NEW_FULL_LIST, "Display a new full list of servers\nNew Full List"},
        {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
        {ID_FILE_PRINT, "Print the active document\nPrint"},
        {ID_FILE_PRINT_PREVIEW, "Display full pages\nPrint Preview"},
        {ID_FILE_PRINT_SETUP, "Change the printer and printing options\nPrint Setup"},
        {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
        {ID_VIEW_TOOLBAR, "Show or hide the toolbar\nToggle ToolBar"},
        {ID_VIEW_STATUS_BAR, "Show or hide the status bar\nToggle StatusBar"},
        {ID_PREVIEW_CLOSE, "Close print preview mode\nCancel Preview"},
        {ID_VIEW_FILTER_BAR, "Show or hide the filter bar\nToggle Filter Bar"},
        {ID_VIEW_FIND_SERVER, "Search the servers by name, map, mod or address\nFind Server"},
        {ID_FAVOURITE_TOGGLE,
         "Add the selected server to the favourites, or remove it from them\nFavourite"},
        {ID_REFRESH_LIST, "Download the list of servers again and query them all\nRefresh List"},
        {ID_JOIN_SERVER, "Start the game on the selected server\nJoin"},
        {ID_QUERY_AGAIN, "Ask the selected server for its state again\nQuery Again"},
        {ID_EDIT_COPY, "Copy the address of the selected server\nCopy Address"},
        {ID_COPY_JOIN_LINK, "Copy a link that joins the selected server\nCopy Join Link"},
        {ID_GAME_SETTINGS, "Set the command that starts the game\nGame Settings"},
        {ID_GROUP_EXPAND_ALL, "Expand the group and everything in it\nExpand All"},
        {ID_GROUP_COLLAPSE, "Collapse the group\nCollapse"},
        {ID_DEMO_SET_IMAGE, "set new image on currently selected item"},
        {ID_INDICATOR_CAPS, "CAP"},
        {ID_INDICATOR_NUM, "NUM"},
        {ID_INDICATOR_SCRL, "SCRL"},
    };
    return table;
}

}  // namespace

QString LoadResourceString(int id) {
    return Table().value(id);
}

QString CommandPrompt(int id) {
    return LoadResourceString(id).section('\n', 0, 0);
}

QString CommandToolTip(int id) {
    return LoadResourceString(id).section('\n', 1, 1);
}
