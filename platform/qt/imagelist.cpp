// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/imagelist.h"

#include "platform/qt/dc.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace {

// The image with every pixel of colour mask made transparent.
QImage Masked(const QImage& image, COLORREF mask) {
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb maskRgb = qRgb(GetRValue(mask), GetGValue(mask), GetBValue(mask));
    for (int y = 0; y < masked.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(masked.scanLine(y));
        for (int x = 0; x < masked.width(); ++x) {
            if ((line[x] | 0xFF000000u) == maskRgb) {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return masked;
}

}  // namespace

bool CImageList::Create(const QString& path, int cx, int /*grow*/, COLORREF mask) {
    const QImage image(path);
    if (image.isNull() || cx <= 0 || image.width() < cx) {
        return false;
    }
    const QImage strip = Masked(image, mask);
    // The strip drawn at twice the size beside it ("name@2x.png"), when it has the height for it.
    const QFileInfo file(path);
    QImage large(file.path() + "/" + file.completeBaseName() + "@2x." + file.suffix());
    if (!large.isNull() && large.height() == 2 * strip.height()) {
        large = Masked(large, mask);
    } else {
        large = QImage();
    }
    DeleteImageList();
    const int count = strip.width() / cx;
    m_images.reserve(count);
    for (int i = 0; i < count; ++i) {
        if ((i + 1) * 2 * cx <= large.width()) {
            QPixmap image2x = QPixmap::fromImage(large.copy(i * 2 * cx, 0, 2 * cx, large.height()));
            image2x.setDevicePixelRatio(2.0);
            m_images.push_back(image2x);
        } else {
            m_images.push_back(QPixmap::fromImage(strip.copy(i * cx, 0, cx, strip.height())));
        }
    }
    m_iconSize = CSize(cx, strip.height());
    return true;
}

bool CImageList::Create(const CImageList& other) {
    if (other.IsEmpty()) {
        return false;
    }
    m_images = other.m_images;
    m_iconSize = other.m_iconSize;
    return true;
}

bool CImageList::Create(int cx, int cy, UINT /*nFlags*/, int /*nInitial*/, int /*nGrow*/) {
    if (cx <= 0 || cy <= 0) {
        return false;
    }
    DeleteImageList();
    m_iconSize = CSize(cx, cy);
    return true;
}

int CImageList::Add(const QPixmap& bitmap, COLORREF crMask) {
    return bitmap.isNull() ? -1 : Add(QPixmap::fromImage(Masked(bitmap.toImage(), crMask)));
}

int CImageList::Add(const QPixmap& image) {
    if (image.isNull()) {
        return -1;
    }
    if (m_iconSize.cx == 0) {
        m_iconSize = CSize(image.width(), image.height());
    } else if (image.width() != m_iconSize.cx || image.height() != m_iconSize.cy) {
        return -1;
    }
    m_images.push_back(image);
    return GetImageCount() - 1;
}

void CImageList::DeleteImageList() {
    m_images.clear();
    m_iconSize = CSize();
}

QPixmap CImageList::GetImage(int i) const {
    if (i < 0 || i >= GetImageCount()) {
        return QPixmap();
    }
    return m_images[i];
}

bool CImageList::Draw(CDC* dc, int i, CPoint pt, UINT style) const {
    return DrawEx(dc, i, pt, CSize(), CLR_DEFAULT, CLR_DEFAULT, style);
}

bool CImageList::DrawEx(CDC* dc, int i, CPoint pt, CSize size, COLORREF /*bg*/, COLORREF /*fg*/,
                        UINT style) const {
    if (dc == nullptr || dc->GetPainter() == nullptr || i < 0 || i >= GetImageCount()) {
        return false;
    }
    // A zero extent draws the whole image.
    const int cx = size.cx > 0 ? std::min(size.cx, m_iconSize.cx) : m_iconSize.cx;
    const int cy = size.cy > 0 ? std::min(size.cy, m_iconSize.cy) : m_iconSize.cy;
    QPainter* painter = dc->GetPainter();
    painter->save();
    if ((style & ILD_BLEND50) != 0) {
        // The image shows at half strength over what lies beneath it: a faded look on any
        // background.
        painter->setOpacity(0.5);
    }
    // The source rectangle is in the image's own pixels: twice the logical size for a 2x one.
    const QPixmap& image = m_images[i];
    const qreal ratio = image.devicePixelRatio();
    painter->drawPixmap(QRectF(pt.x, pt.y, cx, cy), image, QRectF(0, 0, cx * ratio, cy * ratio));
    painter->restore();
    return true;
}
