// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverlist/favouriteservers.h"

bool CFavouriteServers::IsAddress(const QString& text) {
    // The length first, so a long hostile text costs nothing to convert.
    return static_cast<std::size_t>(text.size()) <= kMaxFavouriteAddressLength &&
           ParseFavouriteAddress(text.toStdString()).has_value();
}

CFavouriteServers::LoadResult CFavouriteServers::Load(const QStringList& entries) {
    LoadResult result;
    m_texts.clear();
    m_resolved.clear();
    m_byAddress.clear();
    for (const QString& entry : entries) {
        if (!IsAddress(entry)) {
            ++result.invalid;
        } else if (m_byAddress.contains(entry)) {
            continue;
        } else if (m_texts.size() >= kMaxFavourites) {
            ++result.cut;
        } else {
            m_texts.append(entry);
            m_byAddress.insert(entry, entry);
        }
    }
    return result;
}

bool CFavouriteServers::Add(const QString& text) {
    if (Find(text) == text || m_texts.size() >= kMaxFavourites || !IsAddress(text)) {
        return false;
    }
    m_texts.append(text);
    Index();
    return true;
}

bool CFavouriteServers::Remove(const QString& address) {
    const QString text = Find(address);
    if (text.isEmpty()) {
        return false;
    }
    m_texts.removeOne(text);
    m_resolved.remove(text);
    Index();
    return true;
}

void CFavouriteServers::SetResolved(std::span<const ResolvedFavourite> resolved) {
    m_resolved.clear();
    for (const ResolvedFavourite& favourite : resolved) {
        const QString text = QString::fromStdString(favourite.text);
        if (!favourite.address.empty() && Find(text) == text) {
            m_resolved.insert(text, QString::fromStdString(favourite.address));
        }
    }
    Index();
}

void CFavouriteServers::Index() {
    m_byAddress.clear();
    for (const QString& text : m_texts) {
        m_byAddress.insert(text, text);
    }
    for (const QString& text : m_texts) {
        const QString address = m_resolved.value(text);
        if (!address.isEmpty() && !m_byAddress.contains(address)) {
            m_byAddress.insert(address, text);
        }
    }
}

QString FavouriteLoadText(const CFavouriteServers::LoadResult& result) {
    QStringList parts;
    if (result.invalid > 0) {
        parts.append(result.invalid == 1
                         ? QStringLiteral("1 favourite entry was not valid and was dropped")
                         : QStringLiteral("%1 favourite entries were not valid and were dropped")
                               .arg(result.invalid));
    }
    if (result.cut > 0) {
        parts.append(QStringLiteral("only the first %1 favourites were kept, %2 more dropped")
                         .arg(CFavouriteServers::kMaxFavourites)
                         .arg(result.cut));
    }
    QString text = parts.join(QStringLiteral("; "));
    if (!text.isEmpty()) {
        text[0] = text[0].toUpper();
    }
    return text;
}
