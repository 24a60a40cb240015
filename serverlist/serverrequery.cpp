// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverlist/serverrequery.h"

#include "platform/posix/usernotice.h"
#include "serverlist/servergrid.h"

CServerRequery::CServerRequery(CServerGrid* grid, QObject* parent)
    : QObject(parent), m_pGrid(grid), m_query([this] {
          // Posted to this object: dropped by Qt if the object goes before it is handled.
          QMetaObject::invokeMethod(this, &CServerRequery::Deliver, Qt::QueuedConnection);
      }) {}

bool CServerRequery::Start(const QString& address) {
    return m_query.Start(address.toLatin1().toStdString());
}

void CServerRequery::Deliver() {
    std::optional<ServerQueryAnswer> query = m_query.Take();
    if (!query) {
        return;
    }
    for (const NoticeText& text : query->notices) {
        SetStatusText(text);
    }
    RequeryAnswer answer;
    answer.address = QString::fromLatin1(query->address.c_str());
    const std::unique_ptr<CGridItemInfo> row = MakeServerRowInfo(query->record);
    answer.name = row->GetSubText(kNameSubText);
    answer.availability = ReadServerAvailability(*row);
    if (answer.availability != ServerAvailability::NoAnswer) {
        answer.players = query->record.m_players;
        answer.maxPlayers = query->record.m_maxPlayers;
    }
    if (m_pGrid != nullptr) {
        if (CGridTreeItem* node = m_pGrid->FindServerRow(answer.address)) {
            m_pGrid->TakeQueriedAgain(node, query->record);
        }
    }
    answer.query = std::move(*query);
    emit answered(answer);
}

// ---- The grid's part. ----

CGridTreeItem* CServerGrid::FindServerRow(const QString& address) const {
    for (CGridTreeItem* node : PreOrderNodes()) {
        if (IsServerRow(node) && node->m_pInfo->GetSubText(kAddressSubText) == address) {
            return node;
        }
    }
    return nullptr;
}

void CServerGrid::TakeQueriedAgain(CGridTreeItem* node, const ServerRecord& record) {
    m_history.RecordQueriedAgain(record);
    RewriteServerRow(node, record, false);
}
