#include "platform/qt/statusbar.h"

#include "platform/qt/ctrlid.h"
#include "platform/qt/dc.h"

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
        m_panes.push_back(Pane{ids[i], text, text});
    }
    MeasurePanes();
    update();
    return TRUE;
}

void CStatusBar::MeasurePanes() {
    const QFontMetrics fm(font());
    for (Pane& pane : m_panes) {
        pane.width = fm.horizontalAdvance(pane.sizingText) + 2 * kTextMargin;
    }
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
    int right = width() - kRightBorder;
    for (int i = GetCount() - 1; i > pane; --i) {
        right -= m_panes[i].width + kGap;
    }
    const int left = pane == 0 ? 0 : right - m_panes[pane].width;
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
    m_panes[pane].text = text;
    CRect rect;
    GetItemRect(pane, &rect);
    if (bUpdate) {
        repaint(rect.ToQRect());
    } else {
        update(rect.ToQRect());
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
        const QPalette::ColorGroup group = message ? QPalette::Active : QPalette::Disabled;
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
