#include "serverlist/sortorder.h"

#include "serverlist/pingsort.h"
#include "serverlist/serverrowtexts.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

struct KeyInfo {
    SortKey key;
    const char* name;
    int column;
};

constexpr KeyInfo kKeyInfo[] = {
    {SortKey::Ping, "ping", 1}, {SortKey::Server, "server", 2},
    {SortKey::Map, "map", 3},   {SortKey::Players, "players", 4},
    {SortKey::Mod, "mod", 5},   {SortKey::Address, "ipport", 8},
};

const KeyInfo& Info(SortKey key) {
    return kKeyInfo[static_cast<int>(key)];
}

// "a.b.c.d:port" as the address in the high bits and the port in the low 16; false otherwise.
// Read without a copy: it runs once per server of every sort.
bool ReadAddress(QStringView text, std::int64_t& value) {
    std::int64_t address = 0;
    std::int64_t part = -1;  // the number being read, -1 before its first digit
    int dots = 0;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            part = std::max<std::int64_t>(part, 0) * 10 + (c.unicode() - u'0');
            if (part > 65535) {
                return false;
            }
        } else if ((c == u'.' && dots < 3) || (c == u':' && dots == 3)) {
            if (part < 0 || part > 255) {
                return false;
            }
            address = address << 8 | part;
            part = -1;
            ++dots;
        } else {
            return false;
        }
    }
    value = address << 16 | part;
    return dots == 4 && part >= 0;
}

// One server's values, read once before the sort.
struct Entry {
    CGridTreeItem* node;
    std::int64_t number;  // the key's number (numeric keys), else the index of its collation key
    bool unknown;         // the key's value is missing: last in either direction
    int ping;
    std::int64_t address;
    bool noAddress;
};

int Sign(std::int64_t a, std::int64_t b) {
    return (a > b) - (a < b);
}

}  // namespace

QString SortKeyName(SortKey key) {
    return QString::fromLatin1(Info(key).name);
}

SortKey SortKeyFromName(const QString& name) {
    for (const KeyInfo& info : kKeyInfo) {
        if (name == QLatin1String(info.name)) {
            return info.key;
        }
    }
    return SortKey::Ping;
}

bool SortsDescendingFirst(SortKey key) {
    return key == SortKey::Players;
}

int SortKeyColumn(SortKey key) {
    return Info(key).column;
}

bool ColumnSortKey(int column, SortKey* key) {
    for (const KeyInfo& info : kKeyInfo) {
        if (info.column == column) {
            *key = info.key;
            return true;
        }
    }
    return false;
}

void SortServerNodes(GridNodeList& nodes, const SortOrder& order) {
    const int textColumn = order.key == SortKey::Server ? kNameSubText
                           : order.key == SortKey::Map  ? kMapSubText
                           : order.key == SortKey::Mod  ? kModSubText
                                                        : -1;
    // The C locale's collator compares code points and knows no numeric mode: English rules then.
    const QLocale locale =
        QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale();
    QCollator collator(locale);
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> collationKeys;
    if (textColumn >= 0) {
        collationKeys.reserve(nodes.size());
    }
    std::vector<Entry> entries;
    entries.reserve(nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        PrefetchAhead(nodes, i);
        const CGridItemInfo& info = *nodes[i]->m_pInfo;
        Entry entry{nodes[i], 0,    false, PingTextValue(ServerRowField(info, kPingSubText)),
                    0,        false};
        entry.noAddress = !ReadAddress(ServerRowField(info, kAddressSubText), entry.address);
        int players = 0;
        int maximum = 0;
        switch (order.key) {
            case SortKey::Ping:
                entry.number = entry.ping;
                entry.unknown = entry.ping >= kUnansweredPing;
                break;
            case SortKey::Players:
                entry.unknown =
                    !ReadServerPlayers(ServerRowField(info, kPlayersSubText), players, maximum);
                entry.number = players;
                break;
            case SortKey::Address:
                entry.number = entry.address;
                entry.unknown = entry.noAddress;
                break;
            default:
                entry.number = static_cast<std::int64_t>(collationKeys.size());
                collationKeys.push_back(
                    collator.sortKey(ServerRowField(info, textColumn).toString()));
        }
        entries.push_back(entry);
    }
    const bool byText = textColumn >= 0;
    const int direction = order.descending ? -1 : 1;
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        int c = Sign(a.unknown, b.unknown);
        if (c == 0) {
            c = direction * (byText ? collationKeys[static_cast<std::size_t>(a.number)].compare(
                                          collationKeys[static_cast<std::size_t>(b.number)])
                                    : Sign(a.number, b.number));
        }
        if (c == 0) {
            c = Sign(a.ping, b.ping);
        }
        if (c == 0) {
            c = Sign(a.noAddress, b.noAddress);
        }
        if (c == 0) {
            c = Sign(a.address, b.address);
        }
        return c < 0;
    });
    auto slot = nodes.begin();
    for (const Entry& entry : entries) {
        *slot++ = entry.node;
    }
}
