// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The small value types and constants of the window system that the grid and the shell are
// written against. The numeric values are fixed, so ids and flags keep their numbers everywhere.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>
#include <type_traits>

class QWidget;

using COLORREF = std::uint32_t;  // 0x00BBGGRR
using BOOL = int;
constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
using UINT = unsigned int;

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
constexpr COLORREF kNoColor = 0xFFFFFFFF;  // "none" in row and cell colours
constexpr COLORREF CLR_DEFAULT = 0xFF000000;

struct CPoint {
    int x = 0;
    int y = 0;
    CPoint() = default;
    CPoint(int px, int py) : x(px), y(py) {}
    explicit CPoint(QPoint p) : x(p.x()), y(p.y()) {}
    QPoint ToQPoint() const { return QPoint(x, y); }
    bool operator==(const CPoint&) const = default;
};

struct CSize {
    int cx = 0;
    int cy = 0;
    CSize() = default;
    CSize(int w, int h) : cx(w), cy(h) {}
    bool operator==(const CSize&) const = default;
};

// A rectangle with exclusive right and bottom edges.
// (QRect's right() and bottom() are inclusive; convert only through the helpers below.)
struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    CRect() = default;
    CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    explicit CRect(const QRect& r)
        : left(r.x()), top(r.y()), right(r.x() + r.width()), bottom(r.y() + r.height()) {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool PtInRect(CPoint p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    void OffsetRect(int dx, int dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    void DeflateRect(int dx, int dy) {
        left += dx;
        right -= dx;
        top += dy;
        bottom -= dy;
    }
    QRect ToQRect() const { return QRect(left, top, right - left, bottom - top); }
    bool operator==(const CRect&) const = default;
};

// List-view item state bits.
constexpr UINT LVIS_FOCUSED = 0x0001;
constexpr UINT LVIS_SELECTED = 0x0002;
constexpr UINT LVIS_CUT = 0x0004;
constexpr UINT LVIS_DROPHILITED = 0x0008;
constexpr UINT LVIS_STATEIMAGEMASK = 0xF000;
constexpr UINT INDEXTOSTATEIMAGEMASK(int i) {
    return static_cast<UINT>(i) << 12;
}

// List-view next-item flags.
constexpr UINT LVNI_ALL = 0x0000;
constexpr UINT LVNI_FOCUSED = 0x0001;
constexpr UINT LVNI_SELECTED = 0x0002;
constexpr UINT LVNI_CUT = 0x0004;
constexpr UINT LVNI_DROPHILITED = 0x0008;

// List-view item rectangle kinds.
constexpr int LVIR_BOUNDS = 0;
constexpr int LVIR_ICON = 1;
constexpr int LVIR_LABEL = 2;

// List-view item mask bits.
constexpr UINT LVIF_TEXT = 0x0001;
constexpr UINT LVIF_IMAGE = 0x0002;
constexpr UINT LVIF_PARAM = 0x0004;
constexpr UINT LVIF_STATE = 0x0008;
constexpr UINT LVIF_INDENT = 0x0010;

// List-view extended styles.
constexpr UINT LVS_EX_GRIDLINES = 0x0001;
constexpr UINT LVS_EX_CHECKBOXES = 0x0004;

// Image list kinds of a list view.
constexpr int LVSIL_NORMAL = 0;
constexpr int LVSIL_SMALL = 1;
constexpr int LVSIL_STATE = 2;

// Column formats.
constexpr int LVCFMT_LEFT = 0x0000;
constexpr int LVCFMT_RIGHT = 0x0001;
constexpr int LVCFMT_CENTER = 0x0002;

// Hit-test flags.
constexpr UINT LVHT_NOWHERE = 0x0001;
constexpr UINT LVHT_ONITEMICON = 0x0002;
constexpr UINT LVHT_ONITEMLABEL = 0x0004;
constexpr UINT LVHT_ONITEMSTATEICON = 0x0008;
constexpr UINT LVHT_ONITEM = LVHT_ONITEMICON | LVHT_ONITEMLABEL | LVHT_ONITEMSTATEICON;

struct LVHITTESTINFO {
    CPoint pt;
    UINT flags = 0;
    int iItem = -1;
    int iSubItem = 0;
};

// Text drawing flags.
constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_SINGLELINE = 0x0020;
constexpr UINT DT_NOCLIP = 0x0100;
constexpr UINT DT_NOPREFIX = 0x0800;

// Device-context constants: text output, background modes, pens, frame controls.
constexpr UINT ETO_OPAQUE = 0x0002;
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr int PS_SOLID = 0;
constexpr UINT DFC_SCROLL = 3;
constexpr UINT DFCS_SCROLLDOWN = 0x0001;

// System colour indexes (GetSysColor) and metric indexes (GetSystemMetrics).
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int SM_CXVSCROLL = 2;

// Device capability indexes (GetDeviceCaps).
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int LOGPIXELSX = 88;

// Text metrics of the selected font, in the device's units.
struct TEXTMETRIC {
    int tmHeight = 0;  // tmAscent + tmDescent
    int tmAscent = 0;
    int tmDescent = 0;
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
};

// Image list creation flags.
constexpr UINT ILC_MASK = 0x0001;
constexpr UINT ILC_COLOR24 = 0x0018;

// Image list drawing styles.
constexpr UINT ILD_NORMAL = 0x0000;
constexpr UINT ILD_TRANSPARENT = 0x0001;
constexpr UINT ILD_BLEND50 = 0x0004;

// Owner-draw record.
constexpr UINT ODT_LISTVIEW = 102;
constexpr UINT ODA_DRAWENTIRE = 0x0001;
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_FOCUS = 0x0010;

class CDC;
struct DRAWITEMSTRUCT {
    UINT CtlType = ODT_LISTVIEW;
    UINT itemID = 0;
    UINT itemAction = ODA_DRAWENTIRE;
    UINT itemState = 0;
    CDC* pDC = nullptr;
    CRect rcItem;
};

// Virtual-key codes used by the grid.
constexpr int VK_RETURN = 0x0D;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_MULTIPLY = 0x6A;
constexpr int VK_ADD = 0x6B;
constexpr int VK_SUBTRACT = 0x6D;

// Scroll-bar requests (WM_VSCROLL).
constexpr UINT SB_LINEUP = 0;
constexpr UINT SB_LINEDOWN = 1;

// Results of dialogs and message boxes.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Mouse key flags handed to click hooks.
constexpr UINT MK_LBUTTON = 0x0001;
constexpr UINT MK_SHIFT = 0x0004;
constexpr UINT MK_CONTROL = 0x0008;
constexpr UINT MK_RBUTTON = 0x0002;
constexpr UINT MK_MBUTTON = 0x0010;

// List-view window styles. The grid's list view always has the owner-drawn report styles.
constexpr UINT LVS_REPORT = 0x0001;
constexpr UINT LVS_SINGLESEL = 0x0004;
constexpr UINT LVS_SHOWSELALWAYS = 0x0008;
constexpr UINT LVS_SHAREIMAGELISTS = 0x0040;
constexpr UINT LVS_OWNERDRAWFIXED = 0x0400;

// A list-view row (or one cell of it): mask tells which fields count.
struct LVITEM {
    UINT mask = 0;
    int iItem = 0;
    int iSubItem = 0;
    UINT state = 0;
    UINT stateMask = 0;
    // Held by value. Empty (no text at all) is not the empty text: an in-place edit cancelled
    // with Escape reports no text; one ended on an empty box reports "".
    std::optional<QString> pszText;
    int iImage = 0;
    quintptr lParam = 0;
    int iIndent = 0;
    int cchTextMax = 0;  // length of the text in an end-of-edit report
};

// A list-view column.
constexpr UINT LVCF_FMT = 0x0001;
constexpr UINT LVCF_WIDTH = 0x0002;
constexpr UINT LVCF_TEXT = 0x0004;
struct LVCOLUMN {
    UINT mask = 0;
    int fmt = LVCFMT_LEFT;
    int cx = 0;
    QString pszText;
};

// Window styles of child windows, and those of edit and combo boxes.
constexpr UINT WS_CHILD = 0x40000000;
constexpr UINT WS_VISIBLE = 0x10000000;
constexpr UINT WS_BORDER = 0x00800000;
constexpr UINT WS_VSCROLL = 0x00200000;
constexpr UINT WS_HSCROLL = 0x00100000;
constexpr UINT WS_EX_CLIENTEDGE = 0x00000200;
constexpr UINT ES_LEFT = 0x0000;
constexpr UINT ES_CENTER = 0x0001;
constexpr UINT ES_RIGHT = 0x0002;
constexpr UINT ES_AUTOHSCROLL = 0x0080;
constexpr UINT CBS_DROPDOWNLIST = 0x0003;
constexpr UINT CBS_DISABLENOSCROLL = 0x0800;

// Notifications a control sends to its parent (WM_NOTIFY). hwndFrom is the control the
// notification is about; the parent hands it back to that control (SendNotify, notify.h).
using LRESULT = std::intptr_t;
struct NMHDR {
    QWidget* hwndFrom = nullptr;
    UINT idFrom = 0;
    int code = 0;
};
constexpr int LVN_ENDLABELEDIT = -106;
struct NMLVDISPINFO {
    NMHDR hdr;
    LVITEM item;
};
// Standard layout, so a pointer to hdr is a pointer to the whole record.
static_assert(std::is_standard_layout_v<NMLVDISPINFO>);
