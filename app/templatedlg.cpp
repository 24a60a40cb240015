// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/templatedlg.h"

#include "platform/qt/ctrlid.h"
#include "platform/qt/wintypes.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {

// The width a one-line text needs in its control; 0 for controls without one (a wrapped static
// grows downwards instead).
int NeededWidth(const QWidget& control) {
    if (auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->wordWrap() || label->text().isEmpty() ? 0 : label->minimumSizeHint().width();
    }
    if (auto* button = qobject_cast<const QPushButton*>(&control)) {
        static const QRegularExpression mnemonic("&(.)");
        const QStyle* style = button->style();
        const int frame = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                          style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        return button->fontMetrics().horizontalAdvance(
                   QString(button->text()).replace(mnemonic, "\\1")) +
               2 * frame;
    }
    return 0;
}

// The height a wrapped static needs at its width; 0 for other controls.
int NeededHeight(const QWidget& control) {
    auto* label = qobject_cast<const QLabel*>(&control);
    return label != nullptr && label->wordWrap() && !label->text().isEmpty()
               ? label->heightForWidth(label->width())
               : 0;
}

// The factor that gives every control the room it needs (one pixel more, for the rounding of the
// stretched edges); 1 when all fit.
double GrowthFactor(const QList<QWidget*>& controls, int (*needed)(const QWidget&),
                    int (QWidget::*given)() const) {
    double factor = 1;
    for (const QWidget* control : controls) {
        const int room = (control->*given)();
        if (room > 0 && needed(*control) > room) {
            factor = std::max(factor, (needed(*control) + 1.0) / room);
        }
    }
    return factor;
}

}  // namespace

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

void CTemplateDlg::showEvent(QShowEvent* event) {
    if (!m_bGrown) {
        m_bGrown = true;
        GrowToTexts();
    }
    QDialog::showEvent(event);
}

void CTemplateDlg::GrowToTexts() {
    const auto controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    Stretch(GrowthFactor(controls, NeededWidth, &QWidget::width), 1);
    Stretch(1, GrowthFactor(controls, NeededHeight, &QWidget::height));
}

void CTemplateDlg::Stretch(double across, double down) {
    if (across == 1 && down == 1) {
        return;
    }
    const auto edge = [](int at, double factor) {
        return static_cast<int>(std::ceil(at * factor));
    };
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect r = control->geometry();
        control->setGeometry(
            QRect(QPoint(edge(r.left(), across), edge(r.top(), down)),
                  QPoint(edge(r.right() + 1, across) - 1, edge(r.bottom() + 1, down) - 1)));
    }
    setFixedSize(edge(width(), across), edge(height(), down));
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
