// SPDX-License-Identifier: GPL-3.0-or-later
// What the user does to a server or group row beyond the tree's own handling: join it by a
// double-click, ask for its context menu, read its server count or the server in a tool tip.

#include "serverlist/servergrid.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QToolTip>

namespace {

constexpr UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;

}  // namespace

CGridTreeItem* CServerGrid::SelectedServerNode() const {
    CGridTreeItem* node = NodeFromRow(GetSelectedRow());
    return IsServerRow(node) ? node : nullptr;
}

QString CServerGrid::SelectedServerAddress() const {
    const CGridTreeItem* node = SelectedServerNode();
    return node != nullptr ? GetInfo(node)->GetSubText(kAddressSubText) : QString();
}

void CServerGrid::CountServersBelow(const CGridTreeItem* node, int& shown, int& all) const {
    POSITION pos = GetFirstChildPosition(node);
    while (pos != nullptr) {
        const CGridTreeItem* child = GetNextChild(node, pos);
        if (IsServerRow(child)) {
            ++all;
            shown += !IsHidden(child);
        } else {
            CountServersBelow(child, shown, all);
        }
    }
}

void CServerGrid::OnDblClk(CPoint ptAction) {
    CGridTreeCtrl::OnDblClk(ptAction);
    LVHITTESTINFO hit;
    hit.pt = ptAction;
    if (SubItemHitTest(&hit) != -1 && hit.iItem == GetSelectedRow() &&
        SelectedServerNode() != nullptr) {
        emit joinRequested();
    }
}

void CServerGrid::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (event->reason() != QContextMenuEvent::Mouse || m_bDragging) {
        return;
    }
    LVHITTESTINFO hit;
    hit.pt = CPoint(event->pos());
    if (SubItemHitTest(&hit) == -1) {
        return;
    }
    setFocus(Qt::MouseFocusReason);
    SetItemState(hit.iItem, kSelectedAndFocused, kSelectedAndFocused);
    emit contextMenuRequested(event->globalPos());
}

bool CServerGrid::RequestContextMenuByKey(const QKeyEvent& event) {
    if (event.key() != Qt::Key_Menu &&
        (event.key() != Qt::Key_F10 || event.modifiers() != Qt::ShiftModifier)) {
        return false;
    }
    CRect label;
    const int row = GetSelectedRow();
    if (row != -1 && EnsureVisible(row, FALSE) && GetItemRect(row, &label, LVIR_LABEL)) {
        emit contextMenuRequested(viewport()->mapToGlobal(QPoint(label.left, label.bottom)));
    }
    return true;
}

bool CServerGrid::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return CGridTreeCtrl::viewportEvent(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    LVHITTESTINFO hit;
    hit.pt = CPoint(help->pos());
    const CGridTreeItem* node = NodeFromRow(SubItemHitTest(&hit));
    if (const std::optional<ServerDetails> details = DetailsOf(node)) {
        QToolTip::showText(help->globalPos(), ServerToolTip(*details), viewport());
        return true;
    }
    if (!IsVersionOrTypeRow(node)) {
        QToolTip::hideText();
        return true;
    }
    int shown = 0;
    int all = 0;
    CountServersBelow(node, shown, all);
    const QString text = shown == all ? QString("%1 server(s)").arg(all)
                                      : QString("%1 server(s), %2 shown").arg(all).arg(shown);
    QToolTip::showText(help->globalPos(), text, viewport());
    return true;
}
