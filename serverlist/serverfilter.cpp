#include "serverlist/serverfilter.h"

#include "gridctrl/griditeminfo.h"
#include "serverlist/pingsort.h"

namespace {

// Sub-texts of a server row.
constexpr int kPing = 0;
constexpr int kName = 1;
constexpr int kMap = 2;
constexpr int kPlayers = 3;
constexpr int kMod = 4;
constexpr int kAddress = 7;
constexpr int kUnansweredPing = 9999;

// Sub-text k without a copy; an empty text past the last one.
const QString& Field(const CGridItemInfo& info, int k) {
    static const QString empty;
    return k < info.m_arrSubTexts.size() ? info.m_arrSubTexts.at(k) : empty;
}

// Players and maximum from "n/m" (blanks allowed); false for "?/?" or anything else.
bool ReadPlayers(const QString& text, int& players, int& maximum) {
    const qsizetype slash = text.indexOf(u'/');
    bool ok = slash > 0;
    players = ok ? QStringView(text).left(slash).trimmed().toInt(&ok) : 0;
    bool okMax = ok;
    maximum = ok ? QStringView(text).mid(slash + 1).trimmed().toInt(&okMax) : 0;
    return ok && okMax;
}

}  // namespace

bool ServerFilter::IsActive() const {
    return !m_strSearch.trimmed().isEmpty() || m_bHideEmpty || m_bHideFull || m_nMaxPing > 0 ||
           m_bFavouritesOnly;
}

ServerRowMatcher::ServerRowMatcher(const ServerFilter& filter)
    : m_filter(filter), m_words(filter.m_strSearch.split(u' ', Qt::SkipEmptyParts)) {}

bool ServerRowMatcher::Matches(const CGridItemInfo& info, bool bFavourite) const {
    if (m_filter.m_bFavouritesOnly && !bFavourite) {
        return false;
    }
    for (const QString& word : m_words) {
        bool found = false;
        for (const int field : {kName, kMap, kMod, kAddress}) {
            found = found || Field(info, field).contains(word, Qt::CaseInsensitive);
        }
        if (!found) {
            return false;
        }
    }
    if (bFavourite) {
        return true;
    }
    const int ping = PingTextValue(Field(info, kPing));
    if (m_filter.m_nMaxPing > 0 && (ping > m_filter.m_nMaxPing || ping >= kUnansweredPing)) {
        return false;
    }
    int players = 0;
    int maximum = 0;
    if (!ReadPlayers(Field(info, kPlayers), players, maximum)) {
        return true;  // unknown: neither empty nor full
    }
    return !(m_filter.m_bHideEmpty && players == 0) &&
           !(m_filter.m_bHideFull && maximum > 0 && players >= maximum);
}
