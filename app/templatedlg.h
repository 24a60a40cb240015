// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/dialogunits.h"

#include <QDialog>

class QLabel;
class QPushButton;

// A template's font: the family at the size in points.
QFont DialogFont(const QString& family, int pointSize);

// A modal dialog laid out from a dialog template: the client size and each control's rectangle
// are given in dialog units of the template's font and converted with that font's metrics
// (DialogUnits). Controls carry their template ids (SetDlgCtrlID). The buttons with IDOK and
// IDCANCEL end the dialog through OnOK and OnCancel, as Return and Escape do.
//
// Before it first shows, the dialog grows to its texts: when a one-line text (a static or a
// button's) is wider than its control in the current language and font, every rectangle and the
// client area are stretched across by the largest shortfall; then, when a wrapped static needs
// more lines than its rectangle holds, they are stretched downwards the same way. Stretching moves
// each edge by the same factor, so the controls keep their order and none comes to overlap
// another. Cost: one measure of each control, done once.
class CTemplateDlg : public QDialog {
    Q_OBJECT
public:
    // cx, cy: the client size in dialog units.
    CTemplateDlg(const QString& caption, const QFont& font, int cx, int cy, QWidget* parent);

    // Shows the dialog modally; IDOK or IDCANCEL, as it was closed.
    int DoModal();
    // The control with the template id; null when none.
    QWidget* GetDlgItem(int id) const;
    // Closes with IDOK (accepted); override to take the controls' values first.
    virtual void OnOK();
    // Closes with IDCANCEL (rejected).
    virtual void OnCancel();

    void accept() override;
    void reject() override;

protected:
    // Gives the control its id and places it at the template rectangle.
    void PlaceControl(QWidget* control, int id, int x, int y, int cx, int cy);
    // A static text without id, shown as it is (no markup, no mnemonic).
    QLabel* AddStatic(const QString& text, int x, int y, int cx, int cy);
    // A push button; the default push button when bDefault is set.
    QPushButton* AddButton(const QString& text, int id, int x, int y, int cx, int cy,
                           bool bDefault);
    const DialogUnits& Units() const { return m_units; }
    void showEvent(QShowEvent* event) override;

private:
    void GrowToTexts();
    void Stretch(double across, double down);

    const DialogUnits m_units;
    bool m_bGrown = false;
};
