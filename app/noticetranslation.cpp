// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/noticetranslation.h"

#include <QCoreApplication>

QString TranslatedNotice(const NoticeText& text) {
    QString translated =
        QCoreApplication::translate(KR_NOTICE_CONTEXT, text.source, nullptr, text.count);
    for (const std::string& arg : text.args) {
        translated = translated.arg(QString::fromStdString(arg));
    }
    return translated;
}
