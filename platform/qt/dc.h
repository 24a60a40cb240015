// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/gdiobjects.h"
#include "platform/qt/wintypes.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <functional>
#include <optional>
#include <span>

class QWidget;

// A device context over a QPainter, with the drawing rules the grid is written for.
//
// Coordinates are the painter's logical coordinates; rectangles have exclusive right and bottom
// edges, and lines leave out their end point, so every caller can count pixels the same way. Texts
// are QStrings throughout the Qt layer.
//
// The painter and the widget belong to the caller and outlive the CDC. The CDC saves the painter's
// state when it is made and restores it when it goes, so selections do not leak to the caller.
// painter may be null: the CDC then only measures (text extent and metrics, with the widget's
// font), like a client context used outside painting; drawing calls do nothing and return FALSE.
//
// Defaults: a black 1-pixel pen, a white brush, the widget's font (else the
// painter's), white background, black text, background mode OPAQUE (text output fills the text's
// cell with the background colour; choose TRANSPARENT with SetBkMode to leave it).
// Selected objects are referenced, not copied: keep them alive while selected, and select a font
// again after changing it.
// Over a paged device (a printer, a PDF file) the units are the device's and the metrics are those
// of the font on that device; EndPage and StartPage move on to the next sheet. The text output and
// page calls are virtual, so that a recording context can stand in for a printer.
// UI thread only. Each call costs one or a few QPainter operations.
class CDC {
public:
    CDC(QPainter* painter, QWidget* widget);
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    QPainter* GetPainter() const { return m_painter; }
    QWidget* GetWidget() const { return m_widget; }

    // Each returns the object selected before (to select back later); null selects nothing and
    // returns null.
    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CFont* GetCurrentFont() const { return m_font; }

    // Each setter returns the previous value.
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return m_bkColor; }
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_textColor; }
    int SetBkMode(int mode);  // TRANSPARENT or OPAQUE
    int GetBkMode() const { return m_bkMode; }

    // Sets the current position; returns the previous one.
    CPoint MoveTo(int x, int y);
    // A line with the selected pen from the current position up to, not including, (x, y);
    // (x, y) becomes the current position.
    BOOL LineTo(int x, int y);

    // Frame in the selected pen (inside the rectangle), inside filled with the selected brush.
    BOOL Rectangle(const CRect& rect);
    // Fills with the colour and leaves the background colour set to it.
    void FillSolidRect(const CRect& rect, COLORREF color);
    // Fills with the brush; the background colour stays.
    BOOL FillRect(const CRect& rect, const CBrush* brush);

    // With ETO_OPAQUE and a rectangle: fills the rectangle with the background colour. Then draws
    // the text (may be empty) with its top-left corner at (x, y).
    BOOL ExtTextOut(int x, int y, UINT options, const CRect* rect, const QString& text);
    // The text with its top-left corner at (x, y).
    virtual BOOL TextOut(int x, int y, const QString& text);
    // The text with its top-left corner at (x, y), each tab moving on to the first of tabStops
    // (ascending, relative to nTabOrigin) right of the pen, and past the last of them to the next
    // default tab stop: every 8 average character widths (tmAveCharWidth) from nTabOrigin. Returns
    // the width from x to the end of the text and the font's height; (0, 0) without a painter,
    // when nothing is drawn. Cost O(length + stops).
    virtual CSize TabbedTextOut(int x, int y, const QString& text, int nTabOrigin,
                                std::span<const int> tabStops = {});
    // The extent TabbedTextOut gives for the text drawn from x = 0; a text drawn from x with the
    // origin o has the extent of the text measured with the origin o - x. Cost O(length + stops).
    CSize GetTabbedTextExtent(const QString& text, int nTabOrigin,
                              std::span<const int> tabStops = {}) const;
    // Draws the text on one line in the rectangle: DT_LEFT, DT_CENTER or DT_RIGHT; DT_VCENTER
    // centres it vertically (the callers pass DT_SINGLELINE with it); without DT_NOCLIP nothing is
    // painted outside the rectangle. "&" is shown as it is (the callers pass DT_NOPREFIX). Returns
    // the height of the text drawn, 0 without a painter.
    int DrawText(const QString& text, const CRect& rect, UINT format);

    // Width of the text and the font's height (tmHeight) with the selected font.
    CSize GetTextExtent(const QString& text) const;
    BOOL GetTextMetrics(TEXTMETRIC* metrics) const;
    // HORZRES and VERTRES: width and height of the device's drawable (printable) area, LOGPIXELSX
    // its logical dots per inch across; 0 without a painter and for other indexes.
    int GetDeviceCaps(int nIndex) const;

    // Pages of a paged device: EndPage closes the sheet in hand, StartPage begins the next one
    // (the first sheet is begun with the painter). Both return 1; 0 when the device has no pages
    // (nothing happens) or the next sheet cannot be begun.
    virtual int EndPage();
    virtual int StartPage();

    // Bounds of the painter's clip in logical coordinates, cut to the device; the whole device when
    // the painter does not clip (set the paint event's region as clip to get the repaint bounds).
    // FALSE (and an empty rectangle) when nothing can be painted.
    BOOL GetClipBox(CRect* rect) const;

    // A dotted frame on the rectangle's edge pixels, drawn by inverting every other pixel, so a
    // second call removes it.
    void DrawFocusRect(const CRect& rect);
    // DFC_SCROLL with DFCS_SCROLLDOWN: a button with a down arrow, drawn by the widget's style and
    // clipped to the rectangle. Other kinds: FALSE, nothing drawn.
    BOOL DrawFrameControl(const CRect& rect, UINT type, UINT state);

private:
    const QFontMetrics& Metrics() const;
    void DrawTextLine(int x, int y, const QString& text);
    // Lays the text's tab-separated segments out from x with the tab stops, handing each
    // non-empty segment with its left edge to segment; returns the right end.
    int LayOutTabbedText(int x, const QString& text, int nTabOrigin, std::span<const int> tabStops,
                         const std::function<void(int, const QString&)>& segment) const;

    QPainter* m_painter;
    QWidget* m_widget;
    CPen m_stockPen;
    CBrush m_stockBrush;
    CFont m_stockFont;
    CPen* m_pen = &m_stockPen;
    CBrush* m_brush = &m_stockBrush;
    CFont* m_font = &m_stockFont;
    COLORREF m_bkColor = RGB(255, 255, 255);
    COLORREF m_textColor = RGB(0, 0, 0);
    int m_bkMode = OPAQUE;
    CPoint m_pos;
    bool m_bPageEnded = false;  // EndPage ran; the next StartPage begins a new sheet
    mutable std::optional<QFontMetrics> m_metrics;  // of the selected font, made on first use
};
