// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The status bar as assistive technology sees it: role StatusBar, one child per pane (role
// StaticText, name: the pane's text as set, not a passing status tip; its rectangle; invisible
// while the pane has no width), then the bar's child windows (the progress bar) as Qt offers
// them. A new pane-0 text is announced as a name change of child 0. Texts are read live; every
// query is O(panes). The bar installs the factory once, when the first bar is made.
// Threads: the user-interface thread only.

#include <QAccessibleWidget>

#include <vector>

class CStatusBar;

// Registers the factory that gives every CStatusBar the interface below. Idempotent.
void InstallStatusBarAccessibility();

// Sends QAccessible::NameChanged for the pane: to QAccessible::updateAccessibility while
// assistive technology listens (QAccessible::isActive), or, while one is set, to the sink, which
// gets every announcement (a platform without accessibility, as in tests, delivers none).
void AnnouncePaneText(CStatusBar* bar, int pane);
// Sets the sink (nullptr: none); returns the previous one.
using StatusBarEventSink = void (*)(QAccessibleEvent* event);
StatusBarEventSink SetStatusBarEventSink(StatusBarEventSink sink);

// The bar itself. It owns the pane interfaces it hands out, one per pane asked for, and deletes
// them with itself (when the bar is torn down).
class CStatusBarAccessible : public QAccessibleWidget {
public:
    explicit CStatusBarAccessible(CStatusBar* bar);
    ~CStatusBarAccessible() override;

    // The bar; null while it is being torn down.
    CStatusBar* Bar() const;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    int PaneCount() const;

    mutable std::vector<QAccessible::Id> m_panes;  // by pane; 0: none made yet
};

// One pane. Valid while the bar has that pane.
class CStatusPaneAccessible : public QAccessibleInterface {
public:
    CStatusPaneAccessible(CStatusBarAccessible* bar, int pane) : m_bar(bar), m_pane(pane) {}

    int Pane() const { return m_pane; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_bar->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return m_bar; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;  // Name: the pane's text
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;  // global coordinates
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override;

private:
    CStatusBarAccessible* m_bar;
    int m_pane;
};
