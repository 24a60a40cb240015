// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/messagebox.h"

#include "platform/qt/mainwindow.h"

#include <QApplication>
#include <QMessageBox>

int AfxMessageBox(const QString& text, UINT nType) {
    QWidget* owner = QApplication::activeWindow();
    const bool okCancel = (nType & MB_OKCANCEL) != 0;
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text,
                    okCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                    owner != nullptr ? owner : AfxGetMainWnd());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? IDOK : IDCANCEL;
}
