// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/templatedlg.h"

#include "platform/qt/ctrlid.h"
#include "platform/qt/wintypes.h"

#include <QLabel>
#include <QPushButton>

QFont DialogFont(const QString& family, int pointSize) {
    QFont font(family);
    font.setPointSize(pointSize);
    return font;
}

CTemplateDlg::CTemplateDlg(const QString& caption, const QFont& font, int cx, int cy,
                           QWidget* parent)
    : QDialog(parent), m_units(font) {
    setWindowTitle(caption);
    setModal(true);
    setFont(font);
    setFixedSize(m_units.ToPixels(0, 0, cx, cy).size());
}

int CTemplateDlg::DoModal() {
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

QWidget* CTemplateDlg::GetDlgItem(int id) const {
    for (QWidget* child : findChildren<QWidget*>()) {
        if (GetDlgCtrlID(child) == id) {
            return child;
        }
    }
    return nullptr;
}

void CTemplateDlg::OnOK() {
    QDialog::accept();
}

void CTemplateDlg::OnCancel() {
    QDialog::reject();
}

// Return on the default button, Escape and the window's close button all arrive here.
void CTemplateDlg::accept() {
    OnOK();
}

void CTemplateDlg::reject() {
    OnCancel();
}

void CTemplateDlg::PlaceControl(QWidget* control, int id, int x, int y, int cx, int cy) {
    SetDlgCtrlID(control, id);
    control->setGeometry(m_units.ToPixels(x, y, cx, cy));
}

QLabel* CTemplateDlg::AddStatic(const QString& text, int x, int y, int cx, int cy) {
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    PlaceControl(label, 0, x, y, cx, cy);
    return label;
}

QPushButton* CTemplateDlg::AddButton(const QString& text, int id, int x, int y, int cx, int cy,
                                     bool bDefault) {
    auto* button = new QPushButton(text, this);
    PlaceControl(button, id, x, y, cx, cy);
    button->setDefault(bDefault);
    if (id == IDOK) {
        connect(button, &QPushButton::clicked, this, &CTemplateDlg::accept);
    } else if (id == IDCANCEL) {
        connect(button, &QPushButton::clicked, this, &CTemplateDlg::reject);
    }
    return button;
}
