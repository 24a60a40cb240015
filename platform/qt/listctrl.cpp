// SPDX-License-Identifier: GPL-3.0-or-later
// The list view's construction, creation, columns, extended styles and image lists.

#include "platform/qt/listctrl.h"

#include "platform/qt/listctrl_accessible.h"

#include <QAccessible>
#include <QHeaderView>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimerEvent>

#include <algorithm>

namespace {

constexpr UINT kListStyles =
    LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | LVS_OWNERDRAWFIXED;
constexpr int kCheckBoxImageSide = 16;

Qt::Alignment HeaderAlignment(int nFormat) {
    switch (nFormat & 3) {
        case LVCFMT_RIGHT:
            return Qt::AlignRight | Qt::AlignVCenter;
        case LVCFMT_CENTER:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        default:
            return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

CListCtrl::CListCtrl(QWidget* parent)
    : QAbstractScrollArea(parent),
      m_header(new QHeaderView(Qt::Horizontal, this)),
      m_headerModel(new QStandardItemModel(0, 0, this)) {
    m_header->setModel(m_headerModel);
    m_header->setSectionsMovable(false);
    m_header->setSectionsClickable(false);
    m_header->setStretchLastSection(false);
    m_header->setMinimumSectionSize(0);
    m_header->setSectionResizeMode(QHeaderView::Interactive);
    m_header->setFocusPolicy(Qt::NoFocus);
    connect(m_header, &QHeaderView::sectionResized, this, [this] {
        UpdateScrollBars();
        viewport()->update();
    });
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] {
        if (!m_bWheelScrolling) {
            OnHScroll();
        }
    });
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] {
        if (!m_bWheelScrolling) {
            OnVScroll();
        }
    });
    horizontalScrollBar()->installEventFilter(this);
    verticalScrollBar()->installEventFilter(this);
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(1);
    m_nRowHeight = MeasureRowHeight();
    UpdateGeometries();
    InstallListAccessibility();
}

CListCtrl::~CListCtrl() {
    qDeleteAll(viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    // The accessible list and its cells read the rows: they go before the rows do.
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(this)));
    FreeRowTexts(0, m_rows.size());
}

BOOL CListCtrl::Create(QWidget* parent, UINT nID) {
    setParent(parent);
    m_nID = nID;
    return OnCreate() != -1;
}

UINT CListCtrl::GetStyle() const {
    return kListStyles;
}

int CListCtrl::OnCreate() {
    return 0;
}

BOOL CListCtrl::OnChildNotify(NMHDR*, LRESULT*) {
    return FALSE;
}

// ---- timers ----

void CListCtrl::SetTimer(UINT nIDEvent, UINT nElapse) {
    KillTimer(nIDEvent);
    m_timers[nIDEvent] = startTimer(static_cast<int>(nElapse));
}

void CListCtrl::KillTimer(UINT nIDEvent) {
    const auto it = m_timers.find(nIDEvent);
    if (it != m_timers.end()) {
        killTimer(it->second);
        m_timers.erase(it);
    }
}

void CListCtrl::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_frameTimer.timerId()) {
        PaintFrame();
        return;
    }
    for (const auto& [id, timer] : m_timers) {
        if (timer == event->timerId()) {
            OnTimer(id);
            return;
        }
    }
    QAbstractScrollArea::timerEvent(event);
}

void CListCtrl::OnTimer(UINT) {}

// ---- columns ----

int CListCtrl::InsertColumn(int nCol, const QString& heading, int nFormat, int nWidth) {
    if (nCol < 0) {
        return -1;
    }
    const int col = std::min(nCol, GetColumnCount());
    m_headerModel->insertColumn(col);
    m_headerModel->setHeaderData(col, Qt::Horizontal, heading);
    m_headerModel->setHeaderData(col, Qt::Horizontal, static_cast<int>(HeaderAlignment(nFormat)),
                                 Qt::TextAlignmentRole);
    m_header->resizeSection(col, std::max(0, nWidth));
    m_formats.insert(m_formats.begin() + col, nFormat);
    // Cells keep their column: texts of later columns move one place to the right.
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        Row& row = m_rows[i];
        if (row.texts != nullptr && row.texts->size() > col) {
            row.texts->insert(col, QString());
        }
        const quint32 kept = col < 32 ? row.ownTexts & ((1u << col) - 1) : row.ownTexts;
        row.ownTexts = kept | ((row.ownTexts & ~kept) << 1);
    }
    UpdateGeometries();
    viewport()->update();
    return col;
}

BOOL CListCtrl::GetColumn(int nCol, LVCOLUMN* pColumn) const {
    if (pColumn == nullptr || nCol < 0 || nCol >= GetColumnCount()) {
        return FALSE;
    }
    pColumn->fmt = m_formats[static_cast<std::size_t>(nCol)];
    pColumn->cx = m_header->sectionSize(nCol);
    pColumn->pszText = m_headerModel->headerData(nCol, Qt::Horizontal).toString();
    return TRUE;
}

int CListCtrl::GetColumnWidth(int nCol) const {
    return nCol >= 0 && nCol < GetColumnCount() ? m_header->sectionSize(nCol) : 0;
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
    if (nCol < 0 || nCol >= GetColumnCount()) {
        return FALSE;
    }
    m_header->resizeSection(nCol, std::max(0, cx));
    return TRUE;
}

int CListCtrl::GetColumnCount() const {
    return m_header->count();
}

BOOL CListCtrl::GetColumnOrderArray(int* piArray, int iCount) const {
    if (piArray == nullptr) {
        return FALSE;
    }
    const int count = std::min(iCount, GetColumnCount());
    for (int i = 0; i < count; ++i) {
        piArray[i] = i;
    }
    return TRUE;
}

int CListCtrl::TotalColumnWidth() const {
    return ColumnLeft(GetColumnCount());
}

int CListCtrl::ColumnLeft(int nCol) const {
    int left = 0;
    for (int i = 0; i < nCol; ++i) {
        left += m_header->sectionSize(i);
    }
    return left;
}

// ---- styles and image lists ----

UINT CListCtrl::SetExtendedStyle(UINT dwExStyle) {
    const UINT previous = m_dwExStyle;
    m_dwExStyle = dwExStyle;
    const bool checkBoxes = (dwExStyle & LVS_EX_CHECKBOXES) != 0;
    if (checkBoxes && !(previous & LVS_EX_CHECKBOXES)) {
        MakeCheckBoxImages();
        m_pStateImages = &m_checkBoxImages;
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            if ((m_rows[i].state & LVIS_STATEIMAGEMASK) == 0) {
                m_rows[i].state |= INDEXTOSTATEIMAGEMASK(1);
            }
        }
    } else if (!checkBoxes && m_pStateImages == &m_checkBoxImages) {
        m_pStateImages = nullptr;
    }
    viewport()->update();
    return previous;
}

// Two state images, unchecked and checked, drawn by the application style.
void CListCtrl::MakeCheckBoxImages() {
    if (!m_checkBoxImages.IsEmpty()) {
        return;
    }
    const int w = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    const int h = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    for (const bool checked : {false, true}) {
        QPixmap image(kCheckBoxImageSide, kCheckBoxImageSide);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        QStyleOptionButton option;
        option.initFrom(this);
        option.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
        option.rect = QRect((kCheckBoxImageSide - w) / 2, (kCheckBoxImageSide - h) / 2, w, h);
        style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);
        painter.end();
        m_checkBoxImages.Add(image);
    }
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageList) {
    CImageList** slot = nImageList == LVSIL_SMALL   ? &m_pSmallImages
                        : nImageList == LVSIL_STATE ? &m_pStateImages
                                                    : nullptr;
    if (slot == nullptr) {
        return nullptr;
    }
    CImageList* previous = *slot;
    *slot = pImageList;
    viewport()->update();
    return previous;
}

CImageList* CListCtrl::GetImageList(int nImageList) const {
    return nImageList == LVSIL_SMALL   ? m_pSmallImages
           : nImageList == LVSIL_STATE ? m_pStateImages
                                       : nullptr;
}
