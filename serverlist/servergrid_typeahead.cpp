// SPDX-License-Identifier: GPL-3.0-or-later
// Type-ahead: letters typed into the grid select the next shown server row whose name starts
// with them; a pause of a second starts a new prefix. Typing never opens an editor.

#include "platform/posix/tickcount.h"
#include "serverlist/servergrid.h"

#include <QKeyEvent>

#include <algorithm>

namespace {

constexpr uint32_t kTypeAheadResetMs = 1000;

}  // namespace

void CServerGrid::keyPressEvent(QKeyEvent* event) {
    if (RequestContextMenuByKey(*event)) {
        event->accept();
        return;
    }
    const QString text = event->text();
    // Keypad keys stay the grid's own (plus, minus and asterisk expand and collapse).
    const bool plain = (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier |
                                              Qt::MetaModifier | Qt::KeypadModifier)) == 0;
    const uint32_t now = GetTickCount();
    if (now - m_nTypedAt > kTypeAheadResetMs) {
        m_strTyped.clear();
    }
    // A blank only continues a prefix: on its own it stays the check box key.
    if (m_bDragging || !plain || text.size() != 1 || !text[0].isPrint() ||
        (text[0].isSpace() && m_strTyped.isEmpty())) {
        CGridTreeCtrl::keyPressEvent(event);
        return;
    }
    m_nTypedAt = now;
    m_strTyped += text;
    SelectTypedServer();
    event->accept();
}

void CServerGrid::SelectTypedServer() {
    const int count = GetItemCount();
    const int selected = GetSelectedRow();
    // A new prefix moves on to the next match; a longer one may stay on the current row.
    const int first = selected + (m_strTyped.size() == 1 ? 1 : 0);
    for (int i = 0; i < count; ++i) {
        const int row = (std::max(first, 0) + i) % count;
        const CGridTreeItem* node = NodeFromRow(row);
        if (IsServerRow(node) &&
            node->m_pInfo->GetSubText(kNameSubText).startsWith(m_strTyped, Qt::CaseInsensitive)) {
            SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            EnsureVisible(row, FALSE);
            return;
        }
    }
}
