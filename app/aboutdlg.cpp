#include "app/aboutdlg.h"

#include "app/appicons.h"

#include "app/dialogunits.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* AddLabel(QWidget* parent, const DialogUnits& units, const QString& text, QRect dlu) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(units.ToPixels(dlu.x(), dlu.y(), dlu.width(), dlu.height()));
    return label;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About ..");
    setModal(true);
    QFont font("Tahoma");
    font.setPointSize(8);
    setFont(font);
    const DialogUnits units(font);
    setFixedSize(units.ToPixels(0, 0, 211, 90).size());

    auto* icon = new QLabel(this);
    icon->setGeometry(units.ToPixels(7, 7, 21, 20));
    icon->setPixmap(ProgramIcon().pixmap(icon->size()));

    AddLabel(this, units, "Korvath Servers Browser", QRect(36, 10, 119, 8));
    AddLabel(this, units, "(C) 2026 Korvath Servers Browser", QRect(36, 19, 119, 8));
    AddLabel(this, units, "Version 0.2.0, by the project team", QRect(36, 28, 133, 8));
    QLabel* contact = AddLabel(this, units,
                               "Questions, ideas and bug reports go to the project's issue "
                               "tracker.\nThe browser talks only to the master server it is "
                               "given and to the game servers that master lists.",
                               QRect(13, 40, 191, 40));
    contact->setWordWrap(true);
    contact->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("1");
    ok->setGeometry(units.ToPixels(172, 7, 32, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
