#pragma once

#include "serverlist/servergrid.h"

#include <QWidget>

class IRefreshHost;

// The view: the server grid as its only child, kept at (-1, -1) with the view's client size, and
// the command target of "New Full List".
class CBrowserView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kGridControlId = 256;

    explicit CBrowserView(QWidget* parent = nullptr);

    // Creates the grid window and its columns and groups. Always true: when the grid cannot be
    // made the view has no grid window, and "New Full List" does nothing.
    bool OnCreate();
    bool HasGridWindow() const { return m_bGridCreated; }
    // Runs a command meant for the view; false when the view does not handle the id.
    bool OnCommand(int id);
    // The front end the grid's refresh reports to (status bar, progress bar); not owned.
    void SetRefreshHost(IRefreshHost* host) { m_wndGrid.SetRefreshHost(host); }
    bool IsRefreshing() const { return m_bRefreshing; }

    CServerGrid& Grid() { return m_wndGrid; }

    int m_bAllowDrag = 1;  // check state of the drag toggle

signals:
    // A refresh started by "New Full List" has ended (the window may close now).
    void refreshEnded();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceGrid();

    CServerGrid m_wndGrid;
    bool m_bGridCreated = false;
    bool m_bRefreshing = false;
};
