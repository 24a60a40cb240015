// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/statusbar.h"

#include "platform/qt/ctrlid.h"
#include "platform/qt/dc.h"
#include "platform/qt/statusbar_accessible.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// Layout in pixels: space above and below the panes, at the right end, between panes, and
// between a pane's edge and its text.
constexpr int kTopBorder = 2;
constexpr int kBottomBorder = 1;
constexpr int kRightBorder = 2;
constexpr int kGap = 2;
constexpr int kTextMargin = 3;

}  // namespace

CStatusBar::CStatusBar(QWidget* parent) : QStatusBar(parent), m_font(font()) {
    setSizeGripEnabled(false);
    SetDlgCtrlID(this, kControlId);
    InstallStatusBarAccessibility();
    m_panes.push_back(Pane{0, QString::fromLatin1(kIdleMessage), QString()});
    connect(this, &QStatusBar::messageChanged, this, [this] {
        CRect pane;
        if (GetItemRect(0, &pane)) {
            update(pane.ToQRect());
        }
    });
}

CStatusBar::~CStatusBar() {
    emit aboutToBeDestroyed();
}

BOOL CStatusBar::SetIndicators(const int* ids, int count, QString (*loadString)(int id)) {
    if (ids == nullptr || count <= 0) {
        return FALSE;
    }
    m_panes.clear();
    for (int i = 0; i < count; ++i) {
        QString text;
        if (i == 0) {
            text = QString::fromLatin1(kIdleMessage);
        } else if (ids[i] != 0 && loadString != nullptr) {
            text = loadString(ids[i]);
        }
        m_panes.push_back(Pane{ids[i], text, text, 0, i > 0 && ids[i] == 0});
    }
    MeasurePanes();
    update();
    return TRUE;
}

int CStatusBar::TextWidth(const QString& text) const {
    return text.isEmpty() ? 0 : QFontMetrics(font()).horizontalAdvance(text) + 2 * kTextMargin;
}

void CStatusBar::MeasurePanes() {
    for (Pane& pane : m_panes) {
        pane.width = TextWidth(pane.fitsText ? pane.text : pane.sizingText);
    }
}

std::vector<int> CStatusBar::LaidOutWidths() const {
    std::vector<int> widths(m_panes.size(), 0);
    int needed = 0;
    for (int i = 1; i < GetCount(); ++i) {
        widths[i] = m_panes[i].width;
        needed += widths[i] > 0 ? widths[i] + kGap : 0;
    }
    const int room = width() - kRightBorder;
    for (int i = GetCount() - 1; i > 0 && needed > room; --i) {
        if (!m_panes[i].fitsText && widths[i] > 0) {
            needed -= widths[i] + kGap;
            widths[i] = 0;
        }
    }
    return widths;
}

BOOL CStatusBar::GetItemRect(int pane, CRect* rect) const {
    if (rect == nullptr) {
        return FALSE;
    }
    *rect = CRect();
    if (pane < 0 || pane >= GetCount()) {
        return FALSE;
    }
    // Panes are laid out from the right end: every pane after pane 0 at its width, pane 0
    // over what is left.
    const std::vector<int> widths = LaidOutWidths();
    int right = width() - kRightBorder;
    for (int i = GetCount() - 1; i > pane; --i) {
        right -= widths[i] > 0 ? widths[i] + kGap : 0;
    }
    const int left = pane == 0 ? 0 : right - widths[pane];
    *rect = CRect(left, kTopBorder, std::max(left, right), height() - kBottomBorder);
    return TRUE;
}

BOOL CStatusBar::SetPaneText(int pane, const QString& text, BOOL bUpdate) {
    if (pane < 0 || pane >= GetCount()) {
        return FALSE;
    }
    if (m_panes[pane].text == text) {
        return TRUE;
    }
    Pane& changed = m_panes[pane];
    changed.text = text;
    CRect rect;
    GetItemRect(pane, &rect);
    if (changed.fitsText && TextWidth(text) != changed.width) {
        changed.width = TextWidth(text);
        rect = CRect(0, 0, width(), height());  // the panes on its left move
    }
    if (bUpdate) {
        repaint(rect.ToQRect());
    } else {
        update(rect.ToQRect());
    }
    if (pane == 0) {
        AnnouncePaneText(this, 0);
    }
    return TRUE;
}

QString CStatusBar::GetPaneText(int pane) const {
    if (pane < 0 || pane >= GetCount()) {
        return QString();
    }
    return m_panes[pane].text;
}

void CStatusBar::UpdateWindow() {
    repaint();
}

QSize CStatusBar::sizeHint() const {
    const int textHeight = QFontMetrics(font()).height();
    return QSize(QStatusBar::sizeHint().width(), textHeight + 4 + kTopBorder + kBottomBorder);
}

QSize CStatusBar::minimumSizeHint() const {
    return QSize(0, sizeHint().height());
}

void CStatusBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QColor dark = palette().color(QPalette::Dark);
    const QColor light = palette().color(QPalette::Light);
    CDC dc(&painter, this);
    dc.SetBkMode(TRANSPARENT);
    for (int i = 0; i < GetCount(); ++i) {
        CRect pane;
        GetItemRect(i, &pane);
        if (pane.IsRectEmpty()) {
            continue;
        }
        // A sunken frame one pixel wide, then the text inside it.
        const QRect r = pane.ToQRect();
        painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), dark);
        painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), dark);
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), light);
        painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), light);
        const bool message = i == 0;
        const QString text =
            message && !currentMessage().isEmpty() ? currentMessage() : m_panes[i].text;
        const bool indicator = !message && !m_panes[i].fitsText;
        const QPalette::ColorGroup group = indicator ? QPalette::Disabled : QPalette::Active;
        dc.SetTextColor(FromQColor(palette().color(group, QPalette::WindowText)));
        CRect textRect = pane;
        textRect.DeflateRect(kTextMargin, 1);
        dc.DrawText(text, textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void CStatusBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        m_font.SetQFont(font());
        MeasurePanes();
    }
    QStatusBar::changeEvent(event);
}
