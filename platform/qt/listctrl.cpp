#include "platform/qt/listctrl.h"

#include "platform/qt/dc.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>

namespace {

constexpr UINT kListStyles =
    LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | LVS_OWNERDRAWFIXED;
constexpr UINT kStateBits = LVIS_FOCUSED | LVIS_SELECTED | LVIS_CUT | LVIS_DROPHILITED;
constexpr int kCheckBoxImageSide = 16;

UINT MouseKeyFlags(const QMouseEvent* event) {
    UINT flags = 0;
    const Qt::MouseButtons buttons = event->buttons();
    if (buttons & Qt::LeftButton) {
        flags |= MK_LBUTTON;
    }
    if (buttons & Qt::RightButton) {
        flags |= MK_RBUTTON;
    }
    if (buttons & Qt::MiddleButton) {
        flags |= MK_MBUTTON;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        flags |= MK_SHIFT;
    }
    if (event->modifiers() & Qt::ControlModifier) {
        flags |= MK_CONTROL;
    }
    return flags;
}

// The virtual-key code of the keys the list and the grid react to; 0 for any other key.
// Plus, minus and asterisk count only on the numeric keypad.
int VirtualKey(const QKeyEvent* event) {
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return VK_RETURN;
        case Qt::Key_Space:
            return VK_SPACE;
        case Qt::Key_PageUp:
            return VK_PRIOR;
        case Qt::Key_PageDown:
            return VK_NEXT;
        case Qt::Key_End:
            return VK_END;
        case Qt::Key_Home:
            return VK_HOME;
        case Qt::Key_Left:
            return VK_LEFT;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Right:
            return VK_RIGHT;
        case Qt::Key_Down:
            return VK_DOWN;
        case Qt::Key_Asterisk:
            return keypad ? VK_MULTIPLY : 0;
        case Qt::Key_Plus:
            return keypad ? VK_ADD : 0;
        case Qt::Key_Minus:
            return keypad ? VK_SUBTRACT : 0;
        default:
            return 0;
    }
}

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
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this] { OnHScroll(); });
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] { OnVScroll(); });
    setFocusPolicy(Qt::StrongFocus);
    verticalScrollBar()->setSingleStep(1);
    m_nRowHeight = MeasureRowHeight();
    UpdateGeometries();
}

CListCtrl::~CListCtrl() = default;

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

// ---- rows ----

int CListCtrl::InsertItem(const LVITEM& item) {
    if (item.iItem < 0) {
        return -1;
    }
    const int nItem = std::min(item.iItem, GetItemCount());
    Row row;
    if (item.mask & LVIF_TEXT) {
        row.texts.append(item.pszText);
    }
    if (item.mask & LVIF_PARAM) {
        row.data = item.lParam;
    }
    if (item.mask & LVIF_INDENT) {
        row.indent = item.iIndent;
    }
    if (item.mask & LVIF_IMAGE) {
        row.image = item.iImage;
    }
    if (item.mask & LVIF_STATE) {
        row.state = item.state & item.stateMask & (kStateBits | LVIS_STATEIMAGEMASK);
    }
    if ((m_dwExStyle & LVS_EX_CHECKBOXES) && (row.state & LVIS_STATEIMAGEMASK) == 0) {
        row.state |= INDEXTOSTATEIMAGEMASK(1);
    }
    const UINT selection = row.state & (LVIS_SELECTED | LVIS_FOCUSED);
    row.state &= ~selection;
    m_rows.insert(static_cast<std::size_t>(nItem), std::move(row));
    if (selection != 0) {
        ApplyState(nItem, selection, selection);
    }
    UpdateScrollBars();
    UpdateFromRow(nItem);
    return nItem;
}

int CListCtrl::InsertItem(int nItem, const QString& text) {
    LVITEM item;
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.pszText = text;
    return InsertItem(item);
}

BOOL CListCtrl::SetItem(const LVITEM& item) {
    if (!IsRow(item.iItem) || item.iSubItem < 0) {
        return FALSE;
    }
    if (item.mask & LVIF_TEXT) {
        SetItemText(item.iItem, item.iSubItem, item.pszText);
    }
    if (item.iSubItem != 0) {
        return TRUE;
    }
    Row& row = m_rows[static_cast<std::size_t>(item.iItem)];
    if (item.mask & LVIF_PARAM) {
        row.data = item.lParam;
    }
    if (item.mask & LVIF_INDENT) {
        row.indent = item.iIndent;
    }
    if (item.mask & LVIF_IMAGE) {
        row.image = item.iImage;
    }
    if (item.mask & LVIF_STATE) {
        ApplyState(item.iItem, item.state, item.stateMask);
    }
    UpdateRow(item.iItem);
    return TRUE;
}

BOOL CListCtrl::GetItem(LVITEM* pItem) const {
    if (pItem == nullptr || !IsRow(pItem->iItem)) {
        return FALSE;
    }
    const Row& row = m_rows[static_cast<std::size_t>(pItem->iItem)];
    if (pItem->mask & LVIF_TEXT) {
        pItem->pszText = GetItemText(pItem->iItem, pItem->iSubItem);
    }
    if (pItem->mask & LVIF_PARAM) {
        pItem->lParam = row.data;
    }
    if (pItem->mask & LVIF_INDENT) {
        pItem->iIndent = row.indent;
    }
    if (pItem->mask & LVIF_IMAGE) {
        pItem->iImage = row.image;
    }
    if (pItem->mask & LVIF_STATE) {
        pItem->state = row.state & pItem->stateMask;
    }
    return TRUE;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, const QString& text) {
    if (!IsRow(nItem) || nSubItem < 0) {
        return FALSE;
    }
    QStringList& texts = m_rows[static_cast<std::size_t>(nItem)].texts;
    while (texts.size() <= nSubItem) {
        texts.append(QString());
    }
    texts[nSubItem] = text;
    UpdateRow(nItem);
    return TRUE;
}

QString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    if (!IsRow(nItem) || nSubItem < 0) {
        return QString();
    }
    const QStringList& texts = m_rows[static_cast<std::size_t>(nItem)].texts;
    return nSubItem < texts.size() ? texts[nSubItem] : QString();
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
    if (nItem == -1) {
        for (int i = 0; i < GetItemCount(); ++i) {
            ApplyState(i, nState, nMask & ~(nState & (LVIS_SELECTED | LVIS_FOCUSED)));
        }
        return TRUE;
    }
    if (!IsRow(nItem)) {
        return FALSE;
    }
    ApplyState(nItem, nState, nMask);
    return TRUE;
}

// Sets the masked bits of one row. Selecting or focusing a row takes the selection or the focus
// from every other row (single selection).
void CListCtrl::ApplyState(int nItem, UINT nState, UINT nMask) {
    nMask &= kStateBits | LVIS_STATEIMAGEMASK;
    const UINT exclusive = nState & nMask & (LVIS_SELECTED | LVIS_FOCUSED);
    if (exclusive != 0) {
        for (int i = 0; i < GetItemCount(); ++i) {
            Row& other = m_rows[static_cast<std::size_t>(i)];
            if (i != nItem && (other.state & exclusive) != 0) {
                other.state &= ~exclusive;
                UpdateRow(i);
            }
        }
    }
    Row& row = m_rows[static_cast<std::size_t>(nItem)];
    const UINT state = (row.state & ~nMask) | (nState & nMask);
    if (state != row.state) {
        row.state = state;
        UpdateRow(nItem);
    }
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
    return IsRow(nItem) ? m_rows[static_cast<std::size_t>(nItem)].state & nMask : 0;
}

quintptr CListCtrl::GetItemData(int nItem) const {
    return IsRow(nItem) ? m_rows[static_cast<std::size_t>(nItem)].data : 0;
}

BOOL CListCtrl::DeleteItem(int nItem) {
    if (!IsRow(nItem)) {
        return FALSE;
    }
    m_rows.erase(static_cast<std::size_t>(nItem));
    if (m_nPressItem >= nItem) {
        m_nPressItem = -1;
    }
    UpdateScrollBars();
    UpdateFromRow(nItem);
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems() {
    m_rows.clear();
    m_nPressItem = -1;
    UpdateScrollBars();
    viewport()->update();
    return TRUE;
}

int CListCtrl::GetNextItem(int nItem, UINT nFlags) const {
    const UINT wanted = nFlags & kStateBits;
    for (int i = std::max(nItem + 1, 0); i < GetItemCount(); ++i) {
        if ((m_rows[static_cast<std::size_t>(i)].state & wanted) == wanted) {
            return i;
        }
    }
    return -1;
}

BOOL CListCtrl::GetCheck(int nItem) const {
    return GetItemState(nItem, LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
}

BOOL CListCtrl::SetCheck(int nItem, BOOL bCheck) {
    return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(bCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
}

BOOL CListCtrl::RedrawItems(int nFirst, int nLast) {
    if (nFirst > nLast || !IsRow(nFirst)) {
        return FALSE;
    }
    nLast = std::min(nLast, GetItemCount() - 1);
    CRect first;
    CRect last;
    GetItemRect(nFirst, &first, LVIR_BOUNDS);
    GetItemRect(nLast, &last, LVIR_BOUNDS);
    viewport()->update(QRect(0, first.top, viewport()->width(), last.bottom - first.top));
    return TRUE;
}

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
        QStringList& texts = m_rows[i].texts;
        if (texts.size() > col) {
            texts.insert(col, QString());
        }
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

// ---- geometry ----

int CListCtrl::MeasureRowHeight() const {
    const QFontMetrics metrics(font());
    return metrics.height() + metrics.leading() + 4;
}

BOOL CListCtrl::GetItemRect(int nItem, CRect* pRect, UINT nCode) const {
    if (pRect == nullptr || !IsRow(nItem)) {
        return FALSE;
    }
    const int left = -horizontalScrollBar()->value();
    const int top = (nItem - GetTopIndex()) * m_nRowHeight;
    const int bottom = top + m_nRowHeight;
    if (nCode == LVIR_BOUNDS) {
        *pRect = CRect(left, top, left + TotalColumnWidth(), bottom);
        return TRUE;
    }
    const int cx = m_pSmallImages != nullptr ? m_pSmallImages->GetIconSize().cx : 0;
    const int stateWidth = m_pStateImages != nullptr ? m_pStateImages->GetIconSize().cx : 0;
    const int iconLeft = left + m_rows[static_cast<std::size_t>(nItem)].indent * cx + stateWidth;
    if (nCode == LVIR_ICON) {
        *pRect = CRect(iconLeft, top, iconLeft + cx, bottom);
        return TRUE;
    }
    if (nCode == LVIR_LABEL) {
        const int column0Right = left + GetColumnWidth(0);
        *pRect = CRect(std::min(iconLeft + cx, column0Right), top, column0Right, bottom);
        return TRUE;
    }
    return FALSE;
}

BOOL CListCtrl::GetSubItemRect(int nItem, int nSubItem, int nArea, CRect& rect) const {
    if (nSubItem == 0) {
        return GetItemRect(nItem, &rect, static_cast<UINT>(nArea));
    }
    if (nSubItem < 0 || nSubItem >= GetColumnCount() || !GetItemRect(nItem, &rect, LVIR_BOUNDS)) {
        return FALSE;
    }
    rect.left += ColumnLeft(nSubItem);
    rect.right = rect.left + GetColumnWidth(nSubItem);
    return TRUE;
}

int CListCtrl::SubItemHitTest(LVHITTESTINFO* pInfo) const {
    if (pInfo == nullptr) {
        return -1;
    }
    pInfo->iItem = -1;
    pInfo->iSubItem = -1;
    pInfo->flags = LVHT_NOWHERE;
    const int x = pInfo->pt.x + horizontalScrollBar()->value();
    for (int col = 0, left = 0; col < GetColumnCount() && x >= 0; ++col) {
        const int right = left + GetColumnWidth(col);
        if (x < right) {
            pInfo->iSubItem = col;
            break;
        }
        left = right;
    }
    if (pInfo->iSubItem < 0 || pInfo->pt.y < 0) {
        return -1;
    }
    const int row = GetTopIndex() + pInfo->pt.y / m_nRowHeight;
    if (!IsRow(row)) {
        return -1;
    }
    pInfo->iItem = row;
    pInfo->flags = pInfo->iSubItem == 0 ? LVHT_ONITEM : LVHT_ONITEMLABEL;
    return row;
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK) {
    if (!IsRow(nItem)) {
        return FALSE;
    }
    const int top = GetTopIndex();
    const int height = viewport()->height();
    const int y = (nItem - top) * m_nRowHeight;
    if (nItem < top) {
        verticalScrollBar()->setValue(nItem);
    } else if (y + m_nRowHeight > height && !(bPartialOK && y < height)) {
        verticalScrollBar()->setValue(nItem - std::max(1, GetCountPerPage()) + 1);
    }
    return TRUE;
}

BOOL CListCtrl::Scroll(CSize size) {
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setValue(horizontal->value() + size.cx);
    const long rows = std::lround(static_cast<double>(size.cy) / m_nRowHeight);
    QScrollBar* vertical = verticalScrollBar();
    vertical->setValue(vertical->value() + static_cast<int>(rows));
    return TRUE;
}

int CListCtrl::GetTopIndex() const {
    return verticalScrollBar()->value();
}

int CListCtrl::GetCountPerPage() const {
    return viewport()->height() / m_nRowHeight;
}

void CListCtrl::GetClientRect(CRect* pRect) const {
    if (pRect != nullptr) {
        *pRect = CRect(0, 0, viewport()->width(), viewport()->height());
    }
}

void CListCtrl::UpdateGeometries() {
    const int headerHeight = GetColumnCount() > 0 ? m_header->sizeHint().height() : 0;
    setViewportMargins(0, headerHeight, 0, 0);
    const QRect area = viewport()->geometry();
    m_header->setGeometry(area.left(), area.top() - headerHeight, area.width(), headerHeight);
    UpdateScrollBars();
}

void CListCtrl::UpdateScrollBars() {
    const int perPage = GetCountPerPage();
    QScrollBar* vertical = verticalScrollBar();
    vertical->setRange(0, std::max(0, GetItemCount() - perPage));
    vertical->setPageStep(std::max(1, perPage));
    const int width = viewport()->width();
    QScrollBar* horizontal = horizontalScrollBar();
    horizontal->setRange(0, std::max(0, TotalColumnWidth() - width));
    horizontal->setPageStep(std::max(1, width));
    horizontal->setSingleStep(std::max(1, fontMetrics().averageCharWidth()));
    m_header->setOffset(horizontal->value());
}

// ---- painting ----

void CListCtrl::SetRedraw(BOOL bRedraw) {
    viewport()->setUpdatesEnabled(bRedraw != FALSE);
}

void CListCtrl::Invalidate(BOOL) {
    viewport()->update();
}

void CListCtrl::InvalidateRect(const CRect* pRect, BOOL) {
    if (pRect == nullptr) {
        viewport()->update();
    } else {
        viewport()->update(pRect->ToQRect());
    }
}

void CListCtrl::UpdateWindow() {
    viewport()->repaint();
}

void CListCtrl::UpdateRow(int nItem) {
    CRect rect;
    if (GetItemRect(nItem, &rect, LVIR_BOUNDS) && rect.bottom > 0 &&
        rect.top < viewport()->height()) {
        viewport()->update(QRect(0, rect.top, viewport()->width(), rect.Height()));
    }
}

void CListCtrl::UpdateFromRow(int nItem) {
    const int top = std::max(0, (nItem - GetTopIndex()) * m_nRowHeight);
    if (top < viewport()->height()) {
        viewport()->update(QRect(0, top, viewport()->width(), viewport()->height() - top));
    }
}

void CListCtrl::DrawItem(DRAWITEMSTRUCT*) {}

void CListCtrl::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setClipRegion(event->region());
    CDC dc(&painter, viewport());
    const QRect area = event->rect();
    const int top = GetTopIndex();
    const int first = top + std::max(0, area.top()) / m_nRowHeight;
    const int last = std::min(GetItemCount() - 1, top + area.bottom() / m_nRowHeight);
    const bool focused = hasFocus();
    for (int row = first; row <= last; ++row) {
        DRAWITEMSTRUCT record;
        record.CtlType = ODT_LISTVIEW;
        record.itemID = static_cast<UINT>(row);
        record.itemAction = ODA_DRAWENTIRE;
        const UINT state = m_rows[static_cast<std::size_t>(row)].state;
        record.itemState = ((state & LVIS_SELECTED) ? ODS_SELECTED : 0) |
                           ((state & LVIS_FOCUSED) && focused ? ODS_FOCUS : 0);
        record.pDC = &dc;
        GetItemRect(row, &record.rcItem, LVIR_BOUNDS);
        DrawItem(&record);
    }
    if (m_dwExStyle & LVS_EX_GRIDLINES) {
        painter.setClipRegion(event->region());
        DrawGridLines(painter);
    }
}

// Light lines along the right edge of every column and the bottom edge of every row position,
// down the whole viewport.
void CListCtrl::DrawGridLines(QPainter& painter) const {
    painter.setPen(QPen(palette().color(QPalette::Midlight), 1));
    const int height = viewport()->height();
    const int left = -horizontalScrollBar()->value();
    int right = left;
    for (int col = 0; col < GetColumnCount(); ++col) {
        right += GetColumnWidth(col);
        painter.drawLine(right - 1, 0, right - 1, height - 1);
    }
    for (int y = m_nRowHeight - 1; y < height; y += m_nRowHeight) {
        painter.drawLine(left, y, right - 1, y);
    }
}

void CListCtrl::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateGeometries();
}

void CListCtrl::scrollContentsBy(int, int) {
    m_header->setOffset(horizontalScrollBar()->value());
    viewport()->update();
}

void CListCtrl::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_nRowHeight = MeasureRowHeight();
        UpdateGeometries();
        viewport()->update();
    }
}

void CListCtrl::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void CListCtrl::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

// ---- input ----

void CListCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    OnLButtonDown(MouseKeyFlags(event), CPoint(event->position().toPoint()));
}

void CListCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    OnLButtonUp(MouseKeyFlags(event), CPoint(event->position().toPoint()));
}

void CListCtrl::mouseMoveEvent(QMouseEvent* event) {
    OnMouseMove(MouseKeyFlags(event), CPoint(event->position().toPoint()));
}

void CListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    OnLButtonDblClk(MouseKeyFlags(event), CPoint(event->position().toPoint()));
}

void CListCtrl::keyPressEvent(QKeyEvent* event) {
    const int vk = VirtualKey(event);
    if (vk == 0) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    OnKeyDown(vk);
    event->accept();
}

int CListCtrl::SelectFromHit(CPoint point) {
    LVHITTESTINFO hit;
    hit.pt = point;
    const int row = SubItemHitTest(&hit);
    if (row != -1) {
        SelectAndFocus(row);
    }
    return row;
}

void CListCtrl::SelectAndFocus(int nItem) {
    SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CListCtrl::OnLButtonDown(UINT, CPoint point) {
    m_nPressItem = SelectFromHit(point);
    m_ptPress = point;
}

void CListCtrl::OnLButtonUp(UINT, CPoint) {
    m_nPressItem = -1;
}

void CListCtrl::OnMouseMove(UINT nFlags, CPoint point) {
    if (m_nPressItem == -1 || !(nFlags & MK_LBUTTON)) {
        return;
    }
    const QPoint moved = point.ToQPoint() - m_ptPress.ToQPoint();
    if (moved.manhattanLength() >= QApplication::startDragDistance()) {
        const int row = m_nPressItem;
        m_nPressItem = -1;
        OnBeginDrag(row, m_ptPress);
    }
}

void CListCtrl::OnLButtonDblClk(UINT, CPoint point) {
    m_nPressItem = -1;
    SelectFromHit(point);
    OnDblClk(point);
}

void CListCtrl::OnKeyDown(int nVKey) {
    OnListKeyDown(nVKey);
    if (nVKey == VK_SPACE) {
        const int selected = GetNextItem(-1, LVNI_SELECTED);
        if ((m_dwExStyle & LVS_EX_CHECKBOXES) && selected != -1) {
            SetCheck(selected, !GetCheck(selected));
        }
        return;
    }
    const int target = NavigationTarget(nVKey);
    if (target != -1) {
        SelectAndFocus(target);
        EnsureVisible(target, FALSE);
    }
}

// The row that a navigation key moves to from the focused (else the selected) row; -1 for other
// keys or an empty list. Page Down goes to the last whole row of the page, or a page further when
// already there; Page Up likewise upwards.
int CListCtrl::NavigationTarget(int nVKey) const {
    const int last = GetItemCount() - 1;
    if (last < 0) {
        return -1;
    }
    int current = GetNextItem(-1, LVNI_FOCUSED);
    if (current == -1) {
        current = GetNextItem(-1, LVNI_SELECTED);
    }
    const int top = GetTopIndex();
    const int page = std::max(1, GetCountPerPage());
    switch (nVKey) {
        case VK_HOME:
            return 0;
        case VK_END:
            return last;
        case VK_UP:
            return std::max(0, current - 1);
        case VK_DOWN:
            return current == -1 ? 0 : std::min(last, current + 1);
        case VK_PRIOR:
            return current > top ? top : std::max(0, current - page);
        case VK_NEXT: {
            const int bottom = std::min(last, top + page - 1);
            return current < bottom ? bottom : std::min(last, current + page);
        }
        default:
            return -1;
    }
}

void CListCtrl::OnHScroll() {}

void CListCtrl::OnVScroll() {}

void CListCtrl::OnBeginDrag(int, CPoint) {}

void CListCtrl::OnDblClk(CPoint) {}

void CListCtrl::OnListKeyDown(int) {}
