// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/noticetranslation.h"

#include <QCoreApplication>

QString TranslatedNotice(const NoticeText& text) {
    const QString translated =
        QCoreApplication::translate(KR_NOTICE_CONTEXT, text.source, nullptr, text.count);
    // One pass, so an argument that holds "%2" (a name from the environment, a server's text)
    // is put in as it is and never filled in again.
    QString filled;
    filled.reserve(translated.size());
    for (qsizetype at = 0; at < translated.size(); ++at) {
        const QChar next = at + 1 < translated.size() ? translated.at(at + 1) : QChar();
        const auto index = static_cast<std::size_t>(next.unicode() - '1');
        if (translated.at(at) == '%' && next >= '1' && next <= '9' && index < text.args.size()) {
            filled += QString::fromStdString(text.args[index]);
            ++at;
        } else {
            filled += translated.at(at);
        }
    }
    return filled;
}
