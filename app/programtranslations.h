// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

// The program's translation for a locale ("korvath-browser_LANG.qm" in `folder`, the built-in
// ones by default) and Qt's own ("qtbase_LANG.qm" from Qt's translations folder), installed on the
// running application while this object lives. Without a program translation for the locale
// the English one is used, which holds the English plural forms of counted texts. A file that
// is missing or cannot be read is left out, so the texts stay the built-in ones. Loading costs
// one file read each.
class CProgramTranslations {
public:
    explicit CProgramTranslations(const QLocale& locale = QLocale(),
                                  const QString& folder = ":/i18n");

private:
    QTranslator m_program;
    QTranslator m_qt;
};
