#pragma once

#include "platform/qt/gdiobjects.h"
#include "platform/qt/wintypes.h"

#include <QStatusBar>
#include <QString>

#include <vector>

// The message pane's idle text, shown in pane 0 when the bar is set up.
inline constexpr char kIdleMessage[] = "Ready";

// A status bar with numbered panes: pane 0 stretches over the width the
// other panes leave; each other pane is as wide as the text it was given by SetIndicators (the
// keyboard indicators "CAP", "NUM", "SCRL"); later texts do not resize it. Pane rectangles are
// exact and in the bar's client coordinates, so a child window (the progress bar) can be placed
// over a pane.
//
// The lock state of the keys cannot be read portably under Qt, so the indicator panes always show
// their texts, dimmed. A status tip (QStatusBar::showMessage, e.g. a menu prompt) shows in pane 0
// over its text while it lasts; the pane text itself stays as set.
//
// Control id 59393 unless changed with SetDlgCtrlID. UI thread only.
class CStatusBar : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int kControlId = 59393;

    explicit CStatusBar(QWidget* parent = nullptr);
    ~CStatusBar() override;

    // One pane per id; pane 0 gets kIdleMessage, every other pane the text loadString gives for
    // its id (an id of 0, a separator, gets no text). FALSE (and no change) for no ids.
    BOOL SetIndicators(const int* ids, int count, QString (*loadString)(int id));
    int GetCount() const { return static_cast<int>(m_panes.size()); }

    // The pane's rectangle in client coordinates; FALSE and an empty rectangle for a bad index.
    BOOL GetItemRect(int pane, CRect* rect) const;
    // Sets the pane's text. An unchanged text does nothing; otherwise with update the pane is
    // repainted before the call returns (when the bar is shown), without bUpdate at the next paint.
    BOOL SetPaneText(int pane, const QString& text, BOOL bUpdate = TRUE);
    // The pane's text; empty for a bad index.
    QString GetPaneText(int pane) const;
    // Repaints the whole bar before returning (when it is shown).
    void UpdateWindow();
    // The bar's font, as a CDC selects it; follows font changes of the bar.
    CFont* GetFont() { return &m_font; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Sent first thing in the destructor, while the children still exist: a window that sits in
    // the bar but is owned elsewhere (the progress bar) leaves it here instead of being deleted.
    void aboutToBeDestroyed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Pane {
        int id = 0;
        QString text;
        QString sizingText;  // the text given by SetIndicators: decides the pane's width
        int width = 0;
    };

    void MeasurePanes();

    std::vector<Pane> m_panes;
    CFont m_font;
};
