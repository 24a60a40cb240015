// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/dc.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPolygon>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <utility>

CDC::CDC(QPainter* painter, QWidget* widget) : m_painter(painter), m_widget(widget) {
    if (m_widget != nullptr) {
        m_stockFont.SetQFont(m_widget->font());
    } else if (m_painter != nullptr) {
        m_stockFont.SetQFont(m_painter->font());
    }
    if (m_painter != nullptr) {
        m_painter->save();
        m_painter->setFont(m_stockFont.GetQFont());
    }
}

CDC::~CDC() {
    if (m_painter != nullptr) {
        m_painter->restore();
    }
}

CPen* CDC::SelectObject(CPen* pen) {
    if (pen == nullptr) {
        return nullptr;
    }
    return std::exchange(m_pen, pen);
}

CBrush* CDC::SelectObject(CBrush* brush) {
    if (brush == nullptr) {
        return nullptr;
    }
    return std::exchange(m_brush, brush);
}

CFont* CDC::SelectObject(CFont* font) {
    if (font == nullptr) {
        return nullptr;
    }
    if (m_painter != nullptr) {
        m_painter->setFont(font->GetQFont());
    }
    m_metrics.reset();
    return std::exchange(m_font, font);
}

COLORREF CDC::SetBkColor(COLORREF color) {
    return std::exchange(m_bkColor, color);
}

COLORREF CDC::SetTextColor(COLORREF color) {
    return std::exchange(m_textColor, color);
}

int CDC::SetBkMode(int mode) {
    return std::exchange(m_bkMode, mode);
}

CPoint CDC::MoveTo(int x, int y) {
    return std::exchange(m_pos, CPoint(x, y));
}

BOOL CDC::LineTo(int x, int y) {
    const CPoint from = std::exchange(m_pos, CPoint(x, y));
    if (m_painter == nullptr) {
        return FALSE;
    }
    const QColor color = ToQColor(m_pen->GetColor());
    const int width = m_pen->GetWidth();
    const int half = (width - 1) / 2;
    if (from.y == y || from.x == x) {
        // Straight lines in one fill: the covered span runs from the start point towards the end
        // point and stops one pixel short of it.
        const bool horizontal = from.y == y;
        const int a = horizontal ? from.x : from.y;
        const int b = horizontal ? x : y;
        if (a == b) {
            return TRUE;
        }
        const int lo = a < b ? a : b + 1;
        const int len = std::abs(b - a);
        const QRect band =
            horizontal ? QRect(lo, y - half, len, width) : QRect(x - half, lo, width, len);
        m_painter->fillRect(band, color);
        return TRUE;
    }
    // Other lines: Bresenham's walk, end point excluded.
    const int dx = std::abs(x - from.x);
    const int dy = -std::abs(y - from.y);
    const int sx = from.x < x ? 1 : -1;
    const int sy = from.y < y ? 1 : -1;
    int err = dx + dy;
    int px = from.x;
    int py = from.y;
    while (px != x || py != y) {
        m_painter->fillRect(QRect(px - half, py - half, width, width), color);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            px += sx;
        }
        if (e2 <= dx) {
            err += dx;
            py += sy;
        }
    }
    return TRUE;
}

BOOL CDC::Rectangle(const CRect& rect) {
    if (m_painter == nullptr) {
        return FALSE;
    }
    if (rect.IsRectEmpty()) {
        return TRUE;
    }
    m_painter->fillRect(rect.ToQRect(), ToQColor(m_pen->GetColor()));
    CRect inside = rect;
    inside.DeflateRect(m_pen->GetWidth(), m_pen->GetWidth());
    if (!inside.IsRectEmpty()) {
        m_painter->fillRect(inside.ToQRect(), ToQColor(m_brush->GetColor()));
    }
    return TRUE;
}

void CDC::FillSolidRect(const CRect& rect, COLORREF color) {
    m_bkColor = color;
    if (m_painter != nullptr && !rect.IsRectEmpty()) {
        m_painter->fillRect(rect.ToQRect(), ToQColor(color));
    }
}

BOOL CDC::FillRect(const CRect& rect, const CBrush* brush) {
    if (m_painter == nullptr || brush == nullptr) {
        return FALSE;
    }
    if (!rect.IsRectEmpty()) {
        m_painter->fillRect(rect.ToQRect(), ToQColor(brush->GetColor()));
    }
    return TRUE;
}

BOOL CDC::ExtTextOut(int x, int y, UINT options, const CRect* rect, const QString& text) {
    if (m_painter == nullptr) {
        return FALSE;
    }
    if ((options & ETO_OPAQUE) != 0 && rect != nullptr && !rect->IsRectEmpty()) {
        m_painter->fillRect(rect->ToQRect(), ToQColor(m_bkColor));
    }
    if (!text.isEmpty()) {
        DrawTextLine(x, y, text);
    }
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, const QString& text) {
    if (m_painter == nullptr) {
        return FALSE;
    }
    DrawTextLine(x, y, text);
    return TRUE;
}

CSize CDC::TabbedTextOut(int x, int y, const QString& text, int nTabOrigin,
                         std::span<const int> tabStops) {
    if (m_painter == nullptr) {
        return CSize();
    }
    const int right =
        LayOutTabbedText(x, text, nTabOrigin, tabStops,
                         [&](int left, const QString& segment) { DrawTextLine(left, y, segment); });
    return CSize(right - x, Metrics().height());
}

CSize CDC::GetTabbedTextExtent(const QString& text, int nTabOrigin,
                               std::span<const int> tabStops) const {
    return CSize(LayOutTabbedText(0, text, nTabOrigin, tabStops, [](int, const QString&) {}),
                 Metrics().height());
}

int CDC::LayOutTabbedText(int x, const QString& text, int nTabOrigin, std::span<const int> tabStops,
                          const std::function<void(int, const QString&)>& segment) const {
    const QFontMetrics& fm = Metrics();
    const int stop = std::max(1, 8 * fm.averageCharWidth());
    int left = x;
    const QStringList parts = text.split('\t');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            // The next stop strictly right of the pen: a tab always moves on.
            const int offset = left - nTabOrigin;
            const auto given = std::upper_bound(tabStops.begin(), tabStops.end(), offset);
            const int below = offset >= 0 ? offset / stop : -((stop - 1 - offset) / stop);
            left = nTabOrigin + (given != tabStops.end() ? *given : (below + 1) * stop);
        }
        if (!parts[i].isEmpty()) {
            segment(left, parts[i]);
            left += fm.horizontalAdvance(parts[i]);
        }
    }
    return left;
}

int CDC::DrawText(const QString& text, const CRect& rect, UINT format) {
    if (m_painter == nullptr) {
        return 0;
    }
    const QFontMetrics& fm = Metrics();
    const int width = fm.horizontalAdvance(text);
    int x = rect.left;
    if ((format & DT_CENTER) != 0) {
        x = rect.left + (rect.Width() - width) / 2;
    } else if ((format & DT_RIGHT) != 0) {
        x = rect.right - width;
    }
    const int y =
        (format & DT_VCENTER) != 0 ? rect.top + (rect.Height() - fm.height()) / 2 : rect.top;
    const bool clip = (format & DT_NOCLIP) == 0;
    if (clip) {
        m_painter->save();
        m_painter->setClipRect(rect.ToQRect(), Qt::IntersectClip);
    }
    DrawTextLine(x, y, text);
    if (clip) {
        m_painter->restore();
    }
    return fm.height();
}

CSize CDC::GetTextExtent(const QString& text) const {
    const QFontMetrics& fm = Metrics();
    return CSize(fm.horizontalAdvance(text), fm.height());
}

BOOL CDC::GetTextMetrics(TEXTMETRIC* metrics) const {
    if (metrics == nullptr) {
        return FALSE;
    }
    const QFontMetrics& fm = Metrics();
    metrics->tmAscent = fm.ascent();
    metrics->tmDescent = fm.descent();
    metrics->tmHeight = fm.ascent() + fm.descent();
    metrics->tmExternalLeading = std::max(0, fm.leading());
    metrics->tmAveCharWidth = fm.averageCharWidth();
    return TRUE;
}

int CDC::GetDeviceCaps(int nIndex) const {
    const QPaintDevice* device = m_painter != nullptr ? m_painter->device() : nullptr;
    if (device == nullptr) {
        return 0;
    }
    switch (nIndex) {
        case HORZRES:
            return device->width();
        case VERTRES:
            return device->height();
        case LOGPIXELSX:
            return device->logicalDpiX();
        default:
            return 0;
    }
}

int CDC::EndPage() {
    if (m_painter == nullptr || dynamic_cast<QPagedPaintDevice*>(m_painter->device()) == nullptr) {
        return 0;
    }
    m_bPageEnded = true;
    return 1;
}

int CDC::StartPage() {
    auto* device =
        m_painter != nullptr ? dynamic_cast<QPagedPaintDevice*>(m_painter->device()) : nullptr;
    if (device == nullptr) {
        return 0;
    }
    if (std::exchange(m_bPageEnded, false) && !device->newPage()) {
        return 0;
    }
    return 1;
}

namespace {

// The device's area in the painter's logical coordinates. A widget tells its size in its own
// coordinates, which only the world transform moves: the pixel ratio and offset that the backing
// store or a grab adds underneath are not the caller's. An image, a pixmap or a printer counts its
// own pixels, which the whole device transform maps back.
QRect LogicalDeviceArea(const QPainter& painter) {
    const QPaintDevice& device = *painter.device();
    const bool widget = device.devType() == QInternal::Widget;
    bool invertible = false;
    const QTransform toLogical =
        (widget ? painter.worldTransform() : painter.deviceTransform()).inverted(&invertible);
    return invertible ? toLogical.mapRect(QRect(0, 0, device.width(), device.height())) : QRect();
}

}  // namespace

BOOL CDC::GetClipBox(CRect* rect) const {
    if (rect == nullptr) {
        return FALSE;
    }
    *rect = CRect();
    if (m_painter == nullptr || m_painter->device() == nullptr) {
        return FALSE;
    }
    QRect box = LogicalDeviceArea(*m_painter);
    if (m_painter->hasClipping()) {
        box &= m_painter->clipBoundingRect().toAlignedRect();
    }
    if (box.isEmpty()) {
        return FALSE;
    }
    *rect = CRect(box);
    return TRUE;
}

void CDC::DrawFocusRect(const CRect& rect) {
    if (m_painter == nullptr || rect.IsRectEmpty()) {
        return;
    }
    // Every edge pixel once, then every other one of them inverted.
    QPolygon points;
    auto add = [&](int x, int y) {
        if (((x - rect.left) + (y - rect.top)) % 2 == 0) {
            points << QPoint(x, y);
        }
    };
    for (int x = rect.left; x < rect.right; ++x) {
        add(x, rect.top);
        if (rect.bottom - 1 > rect.top) {
            add(x, rect.bottom - 1);
        }
    }
    for (int y = rect.top + 1; y < rect.bottom - 1; ++y) {
        add(rect.left, y);
        if (rect.right - 1 > rect.left) {
            add(rect.right - 1, y);
        }
    }
    m_painter->save();
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    m_painter->setPen(QPen(Qt::black, 0));
    m_painter->setCompositionMode(QPainter::RasterOp_NotDestination);
    m_painter->drawPoints(points);
    m_painter->restore();
}

BOOL CDC::DrawFrameControl(const CRect& rect, UINT type, UINT state) {
    if (m_painter == nullptr || type != DFC_SCROLL || state != DFCS_SCROLLDOWN) {
        return FALSE;
    }
    if (rect.IsRectEmpty()) {
        return TRUE;
    }
    QStyle* style = m_widget != nullptr ? m_widget->style() : QApplication::style();
    QStyleOptionButton button;
    if (m_widget != nullptr) {
        button.initFrom(m_widget);
    } else {
        button.palette = QApplication::palette();
    }
    button.rect = rect.ToQRect();
    button.state = QStyle::State_Enabled | QStyle::State_Raised;
    QStyleOption arrow = button;
    const int margin = std::max(2, std::min(rect.Width(), rect.Height()) / 4);
    arrow.rect = button.rect.adjusted(margin, margin, -margin, -margin);

    m_painter->save();
    m_painter->setClipRect(button.rect, Qt::IntersectClip);
    style->drawPrimitive(QStyle::PE_PanelButtonCommand, &button, m_painter, m_widget);
    style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, m_painter, m_widget);
    m_painter->restore();
    return TRUE;
}

const QFontMetrics& CDC::Metrics() const {
    if (!m_metrics) {
        if (m_painter != nullptr && m_painter->device() != nullptr) {
            m_metrics.emplace(m_font->GetQFont(), m_painter->device());
        } else if (m_widget != nullptr) {
            m_metrics.emplace(m_font->GetQFont(), m_widget);
        } else {
            m_metrics.emplace(m_font->GetQFont());
        }
    }
    return *m_metrics;
}

void CDC::DrawTextLine(int x, int y, const QString& text) {
    const QFontMetrics& fm = Metrics();
    if (m_bkMode == OPAQUE) {
        m_painter->fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()),
                            ToQColor(m_bkColor));
    }
    m_painter->setPen(ToQColor(m_textColor));
    m_painter->drawText(QPoint(x, y + fm.ascent()), text);
}
