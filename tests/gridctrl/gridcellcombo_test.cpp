// SPDX-License-Identifier: GPL-3.0-or-later
#include "gridctrl/gridcellcombo.h"

#include "tests/gridctrl/testgrid.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QPointer>
#include <QTest>

namespace {

using namespace kr::test;

// A chosen entry is stored by the server grid's drop-down test; here the two ways to end without
// one: Escape reports no text, and a list without a selected entry reports nothing at all.
TEST(GridCellCombo, EscapeReportsNoTextAndWithoutASelectionNothingIsReported) {
    for (const auto& [cell, reports] : {std::pair{"beta", 1u}, {"zeta", 0u}}) {
        SCOPED_TRACE(cell);
        EditGrid grid;
        grid.SetItemText(3, 2, cell);
        QPointer<CGridCellCombo> combo = new CGridCellCombo(3, 2, {"alpha", "beta", "gamma"});
        ASSERT_TRUE(combo->Create(kComboStyle, CRect(280, 60, 360, 200), &grid, kComboId));
        combo->ShowDropDown(TRUE);
        combo->SelectString(-1, cell);
        ASSERT_TRUE(combo->view()->isVisible());
        QTest::keyClick(combo->view(), Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_TRUE(grid.parentWidget()->focusWidget() == &grid && !combo->isVisible());
        EXPECT_EQ(grid.GetItemText(3, 2), cell);
        ASSERT_EQ(grid.reports.size(), reports);
        if (reports != 0) {
            const auto& [hdr, item] = grid.reports[0];
            EXPECT_TRUE(hdr.idFrom == kComboId && item.mask == (LVIF_TEXT | LVIF_PARAM) &&
                        item.iItem == 3 && item.iSubItem == 2 && !item.pszText.has_value());
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(combo);
    }
}

}  // namespace
