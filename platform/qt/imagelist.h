// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/wintypes.h"

#include <QPixmap>
#include <QString>

class QWidget;

#include <vector>

class CDC;

// A list of equally sized images cut from one bitmap strip or added one by one, drawn into a CDC.
// Pixels of the mask colour are transparent. Copying is explicit (Create from another list).
//
// Dragging: one image at a time, process-wide, is shown over a window as a half-transparent
// overlay that follows the calls: BeginDrag takes a copy of an image (the list may go afterwards),
// DragEnter shows it over a window, DragMove moves it, DragShowNolock hides and shows it,
// DragLeave takes it off the window (the window repaints what lay beneath), EndDrag ends the drag.
// Points are in the locked window's coordinates; the hot spot is the image's point put there.
class CImageList {
public:
    CImageList() = default;
    virtual ~CImageList() = default;

    // Cuts images cx pixels wide (and as high as the strip) from the image at the Qt resource or
    // file path; pixels of colour mask become transparent. When "<name>@2x.<suffix>" lies beside
    // it, twice as high, each image it holds is taken from there instead, 2cx pixels wide with a
    // device pixel ratio of 2, and drawn at its logical size (crisp at a ratio of 2). grow is
    // accepted for the callers' sake and changes nothing. False when the image cannot be loaded
    // or is narrower than cx.
    bool Create(const QString& path, int cx, int grow, COLORREF mask);
    // Makes this list a copy of another one. False when the other one is empty.
    bool Create(const CImageList& other);
    // An empty list of cx x cy images. nFlags (ILC_MASK | ILC_COLOR24), nInitial and nGrow are
    // accepted for the callers' sake: every list has a mask and grows as needed. False for a size
    // that is not positive.
    bool Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // Appends one image (all images of a list share the first one's size); returns its index, or
    // -1 for a null image or one of another size.
    int Add(const QPixmap& image);
    // Appends the bitmap with its pixels of colour crMask made transparent; as Add.
    int Add(const QPixmap& bitmap, COLORREF crMask);
    void DeleteImageList();

    bool IsEmpty() const { return m_images.empty(); }
    int GetImageCount() const { return static_cast<int>(m_images.size()); }
    // Size of one image; (0, 0) when empty.
    CSize GetIconSize() const { return m_iconSize; }
    // The image at index i; a null pixmap when out of range.
    QPixmap GetImage(int i) const;

    // Draws image i with its top-left corner at pt. style: ILD_TRANSPARENT, optionally |
    // ILD_BLEND50 (drawn at half strength over the background). False for an index out of range.
    bool Draw(CDC* dc, int i, CPoint pt, UINT style) const;
    // As Draw, but only the first size.cx x size.cy pixels of the image (clipping it on the right
    // and bottom; a zero extent takes the image's). bg and fg are accepted as CLR_DEFAULT only
    // (other values are ignored). ILD_BLEND50 paints the image at half opacity.
    bool DrawEx(CDC* dc, int i, CPoint pt, CSize size, COLORREF bg, COLORREF fg, UINT style) const;

    // The drag image (see above). BeginDrag is false for an index out of range; the others are
    // false when no drag has begun (DragEnter also when a window holds the image already).
    bool BeginDrag(int nImage, CPoint ptHotSpot) const;
    static bool DragEnter(QWidget* pWndLock, CPoint point);
    static bool DragMove(CPoint pt);
    static bool DragShowNolock(bool bShow);
    static bool DragLeave(QWidget* pWndLock);
    static void EndDrag();
    // The widget is the overlay that shows the drag image: it stays where DragMove put it, so a
    // window that moves its children (scrolling) leaves it alone.
    static bool IsDragImage(const QWidget* widget);

private:
    std::vector<QPixmap> m_images;
    CSize m_iconSize;
};
