// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/listctrl.h"
#include "platform/qt/notify.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

// What both in-place editors share. An editor lies over a cell of a list, as a child of the
// list's viewport, so its rectangle is in the coordinates of the rows. It takes the focus, and it
// ends exactly once: when it loses the focus (to a popup of its own, such as a drop-down part or
// a context menu, does not count), or when the list's rows are about to change under it. Ending
// reports through the end-of-label-edit notification, sent to the list's parent, which hands it
// back to the list; the window is then hidden at once and the object deletes itself when the
// event loop next runs. Nothing uses the object after its end.
// UI thread only.
template <class Base>
class TCellEditor : public Base {
public:
    UINT GetStyle() const { return m_dwStyle; }
    UINT GetDlgCtrlID() const { return m_nID; }

protected:
    // Window creation: a child of the grid's viewport over rect, shown when the style has
    // WS_VISIBLE, with the grid's font, then given the focus. False for a null grid or a second
    // call.
    bool Place(UINT dwStyle, const CRect& rect, CListCtrl* pGrid, UINT nID) {
        if (pGrid == nullptr || m_pGrid != nullptr) {
            return false;
        }
        m_pGrid = pGrid;
        m_dwStyle = dwStyle;
        m_nID = nID;
        this->setParent(pGrid->viewport());
        this->setGeometry(rect.ToQRect());
        this->setFont(pGrid->font());
        QObject::connect(pGrid, &CListCtrl::rowsAboutToChange, this, [this] { End(); });
        if (dwStyle & WS_VISIBLE) {
            this->show();
        }
        this->setFocus(Qt::OtherFocusReason);
        return true;
    }
    CListCtrl* Grid() const { return m_pGrid; }

    // Sends the end-of-label-edit record to the grid's parent, with the grid's id: the header
    // names the grid as source, this editor's id and LVN_ENDLABELEDIT; the item carries the
    // mask, row and column, the text unless bCancelled, the text's length in characters (also
    // when cancelled) and lParam.
    void SendEndLabelEdit(UINT mask, int nItem, int nSubItem, const QString& text, int bCancelled,
                          quintptr lParam) {
        NMLVDISPINFO info;
        info.hdr.hwndFrom = m_pGrid;
        info.hdr.idFrom = m_nID;
        info.hdr.code = LVN_ENDLABELEDIT;
        info.item.mask = mask;
        info.item.iItem = nItem;
        info.item.iSubItem = nSubItem;
        if (!bCancelled) {
            info.item.pszText = text;
        }
        info.item.cchTextMax = static_cast<int>(text.size());
        info.item.lParam = lParam;
        SendNotify(m_pGrid->parentWidget(), m_pGrid->GetDlgCtrlID(), &info.hdr);
    }
    // The editor's report, made once when it ends.
    virtual void Report() = 0;

    // Keys that go to the editor before any shortcut of the window sees them.
    virtual bool OwnsKey(const QKeyEvent& event) const { return IsEndKey(event); }
    static bool IsEndKey(const QKeyEvent& event) {
        const int key = event.key();
        return key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    // Escape (which sets bCancelled) and Return end the edit by giving the focus to the grid;
    // true when the key was one of them.
    bool HandleEndKey(const QKeyEvent& event, int& bCancelled) {
        if (!IsEndKey(event)) {
            return false;
        }
        if (event.key() == Qt::Key_Escape) {
            bCancelled = 1;
        }
        GiveFocusToGrid();
        return true;
    }
    // Ends the edit by moving the focus to the grid; at once when no focus change comes of it
    // (the window is not the active one).
    void GiveFocusToGrid() {
        if (m_pGrid != nullptr) {
            m_pGrid->setFocus(Qt::OtherFocusReason);
        }
        End();
    }
    void End() {
        if (m_bEnded || m_pGrid == nullptr) {
            return;
        }
        m_bEnded = true;
        Report();
        if (this->hasFocus()) {
            m_pGrid->setFocus(Qt::OtherFocusReason);
        }
        this->hide();
        this->deleteLater();
    }

    bool event(QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && OwnsKey(*static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        return Base::event(event);
    }
    void focusOutEvent(QFocusEvent* event) override {
        Base::focusOutEvent(event);
        if (event->reason() != Qt::PopupFocusReason && !FocusStaysWithin()) {
            End();
        }
    }

private:
    // The focus went to a popup window of the editor's own, such as its drop-down list.
    bool FocusStaysWithin() const {
        for (const QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
            if (w == this) {
                return true;
            }
        }
        return false;
    }

    CListCtrl* m_pGrid = nullptr;
    UINT m_dwStyle = 0;
    UINT m_nID = 0;
    bool m_bEnded = false;
};
