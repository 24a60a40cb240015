// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/templatedlg.h"

// The About box: program name, version, copyright, licence and contact lines, laid out from its
// dialog template (211 x 90 dialog units, Tahoma 8) and shown modally by the About command.
class CAboutDlg : public CTemplateDlg {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
