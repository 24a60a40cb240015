// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/programtranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

CProgramTranslations::CProgramTranslations(const QLocale& locale, const QString& folder) {
    // A QTranslator takes itself out of the application when it is destroyed.
    // Without one for the locale, English: its plural forms ("1 hour ago") are in its file.
    if (m_program.load(locale, "korvath-browser", "_", folder) ||
        m_program.load("korvath-browser_en", folder)) {
        QCoreApplication::installTranslator(&m_program);
    }
    if (m_qt.load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&m_qt);
    }
}
