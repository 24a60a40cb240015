// SPDX-License-Identifier: GPL-3.0-or-later
// Servers > Rejoin Last Server and Recently Played: the servers the user joined, joined again.

#include "app/commandids.h"
#include "app/gamelauncher.h"
#include "app/mainframe.h"
#include "app/recentservers.h"
#include "net/favouriteaddress.h"

#include <QMenu>

namespace {

constexpr int kShownEntries = ID_RECENT_LAST - ID_RECENT_FIRST + 1;
constexpr qsizetype kMaxShownNameLength = 40;

// A server's name as a menu shows it: no control, format or line-breaking characters (a name
// comes from the server, and may carry anything), at most kMaxShownNameLength characters with "…"
// at the end of a longer one, and '&' doubled so that it shows instead of marking an accelerator.
QString MenuName(const QString& name) {
    QString shown = name;
    shown.removeIf([](QChar c) {
        const QChar::Category category = c.category();
        return category == QChar::Other_Control || category == QChar::Other_Format ||
               category == QChar::Separator_Line || category == QChar::Separator_Paragraph;
    });
    if (shown.size() > kMaxShownNameLength) {
        qsizetype cut = kMaxShownNameLength - 1;
        cut -= shown[cut - 1].isHighSurrogate() ? 1 : 0;  // never half a character
        shown = shown.left(cut) + u'…';
    }
    return shown.replace('&', "&&");
}

QString TimeAgo(const QDateTime& time, const QDateTime& now) {
    const qint64 minutes = time.secsTo(now) / 60;
    if (minutes < 1) {
        return CMainFrame::tr("just now");
    }
    if (minutes < 60) {
        return CMainFrame::tr("%n minutes ago", nullptr, int(minutes));
    }
    if (minutes < 24 * 60) {
        return CMainFrame::tr("%n hours ago", nullptr, int(minutes / 60));
    }
    return CMainFrame::tr("%n days ago", nullptr, int(minutes / (24 * 60)));
}

}  // namespace

void CMainFrame::BuildRecentMenu(QMenu* servers) {
    servers->addSeparator();
    QAction* rejoin = MakeAction(ID_REJOIN_LAST, tr("Rejoin Las&t Server"));
    rejoin->setShortcut(QKeySequence("Ctrl+Shift+Return"));
    servers->addAction(rejoin);
    m_pRecentMenu = servers->addMenu(tr("Recently &Played"));
    for (int id = ID_RECENT_FIRST; id <= ID_RECENT_LAST; ++id) {
        m_pRecentMenu->addAction(MakeAction(id, QString()));
    }
    m_pRecentMenu->addSeparator();
    m_pRecentMenu->addAction(MakeAction(ID_RECENT_CLEAR, tr("Clear &History")));
    connect(m_pRecentMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateRecentMenu);
}

void CMainFrame::UpdateRecentMenu() {
    const QList<RecentServer> recent = LoadRecentServers();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int n = 0; n < kShownEntries; ++n) {
        QAction* entry = Action(ID_RECENT_FIRST + n);
        entry->setVisible(n < recent.size());
        if (n < recent.size()) {
            const RecentServer& server = recent[n];
            const QString name = MenuName(server.name);
            entry->setText((name.isEmpty() ? QString() : name + "  ") + server.address + "  (" +
                           TimeAgo(server.time, now) + ")");
            entry->setData(server.address);
        }
    }
    Action(ID_RECENT_CLEAR)->setEnabled(!recent.isEmpty());
}

bool CMainFrame::OnRecentCommand(int id) {
    QString address;
    if (id == ID_RECENT_CLEAR) {
        ClearRecentServers();
        return true;
    }
    if (id == ID_REJOIN_LAST) {
        const QList<RecentServer> recent = LoadRecentServers();
        if (recent.isEmpty()) {
            m_pStatusBar->SetPaneText(0, tr("No server has been joined yet"));
            return true;
        }
        address = recent.first().address;
    } else if (id >= ID_RECENT_FIRST && id <= ID_RECENT_LAST) {
        address = Action(id)->data().toString();  // as the submenu showed it
    } else {
        return false;
    }
    if (const auto server = ParseFavouriteAddress(address.toStdString())) {
        AskToStartGame(QString::fromStdString(server->m_ip), uint16_t(server->m_port), this);
    }
    return true;
}
