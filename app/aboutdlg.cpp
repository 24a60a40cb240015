// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aboutdlg.h"

#include "app/appicons.h"
#include "platform/qt/wintypes.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>

#include <utility>

CAboutDlg::CAboutDlg(QWidget* parent)
    : CTemplateDlg(tr("About .."), DialogFont("Tahoma", 8), 211, 90, parent) {
    auto* icon = new QLabel(this);
    PlaceControl(icon, 0, 7, 7, 21, 20);
    icon->setPixmap(ProgramIcon().pixmap(icon->size()));

    AddStatic(tr("Korvath Servers Browser"), 36, 10, 119, 8);
    AddStatic(tr("(C) 2026 Korvath Servers Browser"), 36, 19, 119, 8);
    AddButton(tr("OK"), IDOK, 172, 7, 32, 14, true);
    AddStatic(tr("Version %1, by the project team").arg(QCoreApplication::applicationVersion()), 36,
              28, 133, 8);
    // Two wrapped paragraphs, of two and three lines: in a language that needs more lines the
    // dialog grows downwards.
    const std::pair<QString, int> paragraphs[] = {
        {tr("Free software under the GNU General Public License, version 3 or later"), 16},
        {tr("The browser talks only to the master server it is given and to the game servers that "
            "master lists."),
         24}};
    int top = 40;
    for (const auto& [text, height] : paragraphs) {
        QLabel* paragraph = AddStatic(text, 13, top, 191, height);
        paragraph->setWordWrap(true);
        paragraph->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        top += height + 2;
    }
}
