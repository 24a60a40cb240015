// SPDX-License-Identifier: GPL-3.0-or-later
// The drag image: one image at a time, shown over a window as a half-transparent overlay widget
// that follows the cursor and goes when the drag leaves the window.

#include "platform/qt/imagelist.h"

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace {

constexpr double kDragImageOpacity = 0.6;

// A child of the locked window, on top of its other children, that lets the mouse through.
class DragOverlay : public QWidget {
public:
    DragOverlay(QWidget* parent, const QImage& image) : QWidget(parent), m_image(image) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        resize(image.deviceIndependentSize().toSize());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setOpacity(kDragImageOpacity);
        painter.drawImage(0, 0, m_image);
    }

private:
    QImage m_image;
};

struct DragState {
    bool dragging = false;
    QImage image;  // a copy: the list it came from may be gone
    CPoint hotSpot;
    QPointer<DragOverlay> overlay;  // gone with its window, if that goes first
};

DragState& Drag() {
    static DragState state;
    return state;
}

}  // namespace

bool CImageList::BeginDrag(int nImage, CPoint ptHotSpot) const {
    if (nImage < 0 || nImage >= GetImageCount()) {
        return false;
    }
    EndDrag();
    DragState& drag = Drag();
    drag.dragging = true;
    drag.image = m_images[static_cast<std::size_t>(nImage)].toImage();
    drag.hotSpot = ptHotSpot;
    return true;
}

bool CImageList::DragEnter(QWidget* pWndLock, CPoint point) {
    DragState& drag = Drag();
    if (!drag.dragging || pWndLock == nullptr || drag.overlay) {
        return false;
    }
    drag.overlay = new DragOverlay(pWndLock, drag.image);
    drag.overlay->raise();
    drag.overlay->show();
    return DragMove(point);
}

bool CImageList::DragMove(CPoint pt) {
    DragState& drag = Drag();
    if (!drag.dragging) {
        return false;
    }
    if (drag.overlay) {
        drag.overlay->move(pt.x - drag.hotSpot.x, pt.y - drag.hotSpot.y);
    }
    return true;
}

bool CImageList::DragShowNolock(bool bShow) {
    DragState& drag = Drag();
    if (!drag.dragging) {
        return false;
    }
    if (drag.overlay) {
        drag.overlay->setVisible(bShow);
    }
    return true;
}

bool CImageList::DragLeave(QWidget*) {
    DragState& drag = Drag();
    if (!drag.dragging) {
        return false;
    }
    delete drag.overlay;
    return true;
}

void CImageList::EndDrag() {
    DragState& drag = Drag();
    delete drag.overlay;
    drag.dragging = false;
    drag.image = QImage();
}

bool CImageList::IsDragImage(const QWidget* widget) {
    return widget != nullptr && widget == Drag().overlay.data();
}
