// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/statusbar_accessible.h"

#include "platform/qt/statusbar.h"

#include <utility>

namespace {

StatusBarEventSink g_sink = nullptr;

QAccessibleInterface* StatusBarFactory(const QString&, QObject* object) {
    auto* bar = qobject_cast<CStatusBar*>(object);
    return bar != nullptr ? new CStatusBarAccessible(bar) : nullptr;
}

}  // namespace

void InstallStatusBarAccessibility() {
    static const bool installed = (QAccessible::installFactory(StatusBarFactory), true);
    Q_UNUSED(installed);
}

StatusBarEventSink SetStatusBarEventSink(StatusBarEventSink sink) {
    return std::exchange(g_sink, sink);
}

void AnnouncePaneText(CStatusBar* bar, int pane) {
    if (g_sink == nullptr && !QAccessible::isActive()) {
        return;  // nobody listens: not even the interface is made
    }
    QAccessibleEvent event(bar, QAccessible::NameChanged);
    event.setChild(pane);
    g_sink != nullptr ? g_sink(&event) : QAccessible::updateAccessibility(&event);
}

// ---- the bar ----

CStatusBarAccessible::CStatusBarAccessible(CStatusBar* bar)
    : QAccessibleWidget(bar, QAccessible::StatusBar) {}

CStatusBarAccessible::~CStatusBarAccessible() {
    for (const QAccessible::Id id : m_panes) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

CStatusBar* CStatusBarAccessible::Bar() const {
    return qobject_cast<CStatusBar*>(object());
}

int CStatusBarAccessible::PaneCount() const {
    const CStatusBar* bar = Bar();
    return bar != nullptr ? bar->GetCount() : 0;
}

int CStatusBarAccessible::childCount() const {
    return PaneCount() + QAccessibleWidget::childCount();
}

QAccessibleInterface* CStatusBarAccessible::child(int index) const {
    const int panes = PaneCount();
    if (index < 0 || index >= panes) {
        return index < 0 ? nullptr : QAccessibleWidget::child(index - panes);
    }
    if (m_panes.size() < static_cast<std::size_t>(panes)) {
        m_panes.resize(panes, 0);
    }
    if (m_panes[index] == 0) {
        m_panes[index] = QAccessible::registerAccessibleInterface(
            new CStatusPaneAccessible(const_cast<CStatusBarAccessible*>(this), index));
    }
    return QAccessible::accessibleInterface(m_panes[index]);
}

int CStatusBarAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (const auto* pane = dynamic_cast<const CStatusPaneAccessible*>(child)) {
        return pane->parent() == this && pane->isValid() ? pane->Pane() : -1;
    }
    const int index = QAccessibleWidget::indexOfChild(child);
    return index < 0 ? -1 : PaneCount() + index;
}

// ---- a pane ----

bool CStatusPaneAccessible::isValid() const {
    const CStatusBar* bar = m_bar->Bar();
    return bar != nullptr && m_pane < bar->GetCount();
}

QString CStatusPaneAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name && isValid() ? m_bar->Bar()->GetPaneText(m_pane) : QString();
}

QRect CStatusPaneAccessible::rect() const {
    CRect pane;
    if (!isValid() || !m_bar->Bar()->GetItemRect(m_pane, &pane)) {
        return QRect();
    }
    const QRect local = pane.ToQRect();
    return QRect(m_bar->Bar()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State CStatusPaneAccessible::state() const {
    QAccessible::State state;
    state.invalid = !isValid();
    state.invisible = state.invalid || rect().isEmpty() || !m_bar->Bar()->isVisible();
    state.readOnly = true;
    return state;
}
