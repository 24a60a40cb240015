#include "gridctrl/gridcellcombo.h"

#include "tests/gridctrl/testgrid.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QPointer>
#include <QTest>

namespace {

using namespace kr::test;

// Opens a drop-down over R2's column 2 as its creator does: room for ten rows below the cell,
// the extent of the widest entry + 6, the list dropped down, the cell's entry selected.
CGridCellCombo* OpenCombo(EditGrid& grid, const QString& cellText) {
    grid.SetItemText(3, 2, cellText);
    CRect rect;
    grid.GetSubItemRect(3, 2, LVIR_BOUNDS, rect);
    rect.bottom = rect.top + 11 * grid.GetRowHeight();
    auto* combo = new CGridCellCombo(3, 2, {"alpha", "beta", "gamma"});
    EXPECT_TRUE(combo->Create(kComboStyle, rect, &grid, kComboId));
    combo->ModifyStyleEx(0, WS_EX_CLIENTEDGE);
    combo->SetHorizontalExtent(combo->fontMetrics().horizontalAdvance("gamma") + 6);
    combo->ShowDropDown(TRUE);
    combo->SelectString(-1, cellText);
    return combo;
}

TEST(GridCellCombo, ReportsTheChosenEntryNoTextOnEscapeAndNothingWithoutASelection) {
    const struct {
        const char* cell;
        Qt::Key key;  // pressed in the dropped-down list; Down is followed by Return
        const char* stored;
        std::size_t reports;
    } cases[] = {
        {"beta", Qt::Key_Down, "gamma", 1},
        {"beta", Qt::Key_Escape, "beta", 1},  // a report without a text
        {"zeta", Qt::Key_Escape, "zeta", 0},  // no entry selected: no report at all
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        EditGrid grid;
        QPointer<CGridCellCombo> combo = OpenCombo(grid, c.cell);
        ASSERT_TRUE(combo->view()->isVisible());
        EXPECT_TRUE(combo->height() == grid.GetRowHeight() && combo->maxVisibleItems() == 10);
        QTest::keyClick(combo->view(), c.key);
        if (c.key == Qt::Key_Down) {
            QTest::keyClick(combo->view(), Qt::Key_Return);
        }
        QApplication::processEvents();
        EXPECT_TRUE(grid.parentWidget()->focusWidget() == &grid && !combo->isVisible());
        EXPECT_EQ(grid.GetItemText(3, 2), c.stored);
        ASSERT_EQ(grid.reports.size(), c.reports);
        if (c.reports != 0) {
            const auto& [hdr, item] = grid.reports[0];
            EXPECT_TRUE(hdr.idFrom == kComboId && item.mask == (LVIF_TEXT | LVIF_PARAM) &&
                        item.iItem == 3 && item.iSubItem == 2 && item.lParam == 0 &&
                        item.cchTextMax == combo->currentText().size());
            EXPECT_EQ(item.pszText.has_value(), c.key != Qt::Key_Escape);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(combo);
    }
}

}  // namespace
