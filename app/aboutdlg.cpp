#include "app/aboutdlg.h"

#include "app/appicons.h"
#include "platform/qt/wintypes.h"

#include <QIcon>
#include <QLabel>

CAboutDlg::CAboutDlg(QWidget* parent)
    : CTemplateDlg("About ..", DialogFont("Tahoma", 8), 211, 90, parent) {
    auto* icon = new QLabel(this);
    PlaceControl(icon, 0, 7, 7, 21, 20);
    icon->setPixmap(ProgramIcon().pixmap(icon->size()));

    AddStatic("Korvath Servers Browser", 36, 10, 119, 8);
    AddStatic("(C) 2026 Korvath Servers Browser", 36, 19, 119, 8);
    AddButton("OK", IDOK, 172, 7, 32, 14, true);
    AddStatic("Version 0.2.0, by the project team", 36, 28, 133, 8);
    QLabel* contact = AddStatic(
        "The browser talks only to the master server it is given and to the game servers that "
        "master lists.",
        13, 40, 191, 40);
    contact->setWordWrap(true);
    contact->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}
