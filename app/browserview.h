// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/printinfo.h"
#include "app/slotwait.h"
#include "serverlist/servergrid.h"
#include "serverlist/serverrequery.h"

#include <QTimer>
#include <QWidget>

#include <memory>

class CDC;
class IRefreshHost;
class QAction;
class QPrinter;

// The view: the server grid as its only child, kept at (-1, -1) with the view's client size, and
// the command target of "New Full List", of the commands on the selected server (join, query
// again, copy, the favourite toggle, Forget Password) and on a group row, of "Refresh List", "Query
// Shown Servers" and "Quick Join", of printing and of the grid's demonstration commands.
class CBrowserView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kGridControlId = 256;

    // printer: the application's printer, which Print and Print Preview use and direct print
    // starts from; it outlives the view.
    explicit CBrowserView(QPrinter* printer, QWidget* parent = nullptr);

    // Creates the grid window and its columns and groups. Always true: when the grid cannot be
    // made the view has no grid window, and "New Full List" does nothing.
    bool OnCreate();
    bool HasGridWindow() const { return m_bGridCreated; }
    // Runs a command meant for the view; false when the view does not handle the id. Every
    // command has ended (dialogs closed, keys handled, printing done) when it returns.
    bool OnCommand(int id);
    // The front end the grid's refresh reports to (status bar, progress bar); not owned.
    void SetRefreshHost(IRefreshHost* host) { m_wndGrid.SetRefreshHost(host); }
    bool IsRefreshing() const { return m_bRefreshing; }
    // How the last refresh command ended (NotRun before any, and after an F5 that did nothing).
    RefreshOutcome LastRefreshOutcome() const { return m_lastOutcome; }

    CServerGrid& Grid() { return m_wndGrid; }

    // The drag toggle's update handler: its menu item is checked while m_bAllowDrag is set.
    void OnUpdateToggleDrag(QAction* item) const;

    // Printing, in the order a print job calls them (browserview_print.cpp). OnPreparePrinting
    // shows the print dialog on the application's printer (none for a preview; for direct
    // printing it makes the job's own printer, pInfo->m_pDirectPrinter, from an installed one)
    // and tells whether to go on.
    // OnPrint writes the grid's tree (CServerGrid::PrintTree), over as many pages as it needs.
    bool OnPreparePrinting(CPrintInfo* pInfo);
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);

    int m_bAllowDrag = 1;  // check state of the drag toggle

signals:
    // "New Full List", "Refresh List" or "Query Shown Servers" is about to refresh.
    void refreshStarted();
    // A refresh started by one of them has ended (the window may close now).
    void refreshEnded();
    // Quick Join joined nothing; why, for the status bar.
    void quickJoinFailed(const QString& why);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceGrid();
    // Runs the refresh unless one is running; refreshStarted and refreshEnded around it.
    void RunRefresh(RefreshOutcome (CServerGrid::*refresh)());
    // Commands on the selected server or group row (browserview_servers.cpp); false for an id
    // that is none of them.
    bool OnServerCommand(int id);
    // Copies the selected server's address, or its join link; nothing on another row.
    void CopySelectedAddress(bool bAsJoinLink);
    // Join: the server is queried again as Enter does, then, when it is full or did not answer,
    // the user is asked whether to join anyway (a full one may be waited for instead:
    // AskToJoinFullServer); a private server asks for its password (JoinPrivateServer); then the
    // game is started on its address.
    void OnJoinServer();
    // Quick Join (browserview_quickjoin.cpp): the candidates of QuickJoinCandidates, best first,
    // are queried again one by one off the user-interface thread (CServerRequery), at most 3 of
    // them; the first that still has room is joined as Join does, a private one with its
    // remembered password (JoinWithRememberedPassword). Without a candidate, or when none tried
    // had room, quickJoinFailed tells why. Nothing while a refresh or a Quick Join runs. Returns
    // at once; the tries go on as their answers come.
    void OnQuickJoin();

    // Printing commands (browserview_print.cpp).
    void OnFilePrint(bool bDirect);
    void OnFilePrintPreview();
    // Runs the job's printing operations on the printer, then puts out the pages of the
    // printer's page range (all of them without one), its copies as well when the printer
    // cannot make them: collated as whole runs, else each page repeated in place. False (after
    // telling the user) when the printer cannot be started.
    bool PrintJob(QPrinter* printer, CPrintInfo* pInfo);

    // Demonstration commands (browserview_demo.cpp); false for an id that is none of them.
    bool OnDemoCommand(int id);
    // Sends the grid a key-down and returns when it has been handled.
    void SendKeyDown(Qt::Key key, Qt::KeyboardModifiers modifiers);

    CServerGrid m_wndGrid;
    QPrinter* m_pPrinter;
    bool m_bGridCreated = false;
    bool m_bRefreshing = false;
    RefreshOutcome m_lastOutcome = RefreshOutcome::NotRun;

    // ---- Quick Join's tries (browserview_quickjoin.cpp). ----
public:
    // A Quick Join is querying its candidates.
    bool IsQuickJoining() const { return m_quickJoinQuery.IsRunning(); }

private:
    // Starts the next candidate's query; quickJoinFailed when none is left.
    void TryNextQuickJoin();
    void OnQuickJoinAnswer(const RequeryAnswer& answer);
    QStringList m_quickJoinTries;  // addresses of the candidates not yet queried
    CServerRequery m_quickJoinQuery{&m_wndGrid};

    // ---- Waiting for a free slot (browserview_slotwait.cpp). ----
public:
    // Starts waiting for a slot on the server at the "host:port" address, named `name`, that Join
    // found full with players of maxPlayers (SlotWait): it is queried again every
    // Limits::interval off the window's thread (CServerRequery, so its row and the details pane
    // follow); when a slot opens the game starts at once with bJoinWhenOpen, else the window asks
    // for attention and a question joins with Return. While a wait runs, asks first whether to
    // replace it; false when the player keeps it. Joining any server (CGameStarts), Escape in
    // the grid and CancelSlotWait end the wait. slotWaitChanged tells each step.
    bool StartSlotWait(const QString& address, const QString& name, int players, int maxPlayers,
                       bool bJoinWhenOpen);
    // Ends a running wait; false when none runs.
    bool CancelSlotWait();
    bool IsWaitingForSlot() const;
    // The limits of the waits started from now on (SlotWait::Limits; tests shorten them).
    void SetSlotWaitLimits(const SlotWait::Limits& limits);

signals:
    // The wait's status text ("Waiting for a slot on NAME (n/m)", or how it ended); bWaiting
    // while it runs.
    void slotWaitChanged(const QString& status, bool bWaiting);

protected:
    // Escape that the grid passes on (no drag) ends a running wait; otherwise as before.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Join's question for a full server, with "Join anyway", "Wait for a Slot" and "Cancel" and
    // the remembered check box "Join when a slot opens"; true for "Join anyway". "Wait for a
    // Slot" remembers the check box and starts the wait (StartSlotWait).
    bool AskToJoinFullServer(const QString& question, CGridTreeItem* node);
    // The timer's tick: the limits checked, the next query started.
    void QuerySlotServer();
    void OnSlotAnswer(const RequeryAnswer& answer);
    // Stops the timer and tells the end (slotWaitChanged).
    void ShowSlotWaitEnd();
    std::unique_ptr<SlotWait> m_pSlotWait;  // the last wait, running or ended; null before any
    SlotWait::Limits m_slotLimits;
    CServerRequery m_slotQuery{&m_wndGrid};
    QTimer m_slotTimer;
};
