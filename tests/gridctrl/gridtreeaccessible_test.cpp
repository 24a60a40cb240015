// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/listctrl_accessible.h"
#include "tests/gridctrl/testgrid.h"

#include <QScopeGuard>

namespace {

using namespace kr::test;

QStringList g_events;  // "TYPE CHILD" (hexadecimal QAccessible::Event), "rows CHANGE FIRST-LAST"

void Record(QAccessibleEvent* event) {
    const auto* rows = dynamic_cast<QAccessibleTableModelChangeEvent*>(event);
    g_events << (rows == nullptr ? QString("%1 %2").arg(event->type(), 0, 16).arg(event->child())
                                 : QString("rows %1 %2-%3")
                                       .arg(rows->modelChangeType())
                                       .arg(rows->firstRow())
                                       .arg(rows->lastRow()));
}

TEST(GridAccessible, ShowsTheRowsInColumnOrderAnnouncesMovesAndExpandingAndDropsChangedRows) {
    const auto restore =
        qScopeGuard([previous = SetListEventSink(Record)] { SetListEventSink(previous); });
    EditGrid grid;  // R1 (A, B) and R2, R1 expanded; A and R2 get a collapsed child
    grid.AddTree("D:A C:R2");
    QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(&grid);
    ASSERT_TRUE(tree->role() == QAccessible::Tree && tree->childCount() == 4 + 4 * 4);
    QStringList shown;  // each cell as "heading=text", then the row's depth and expanded state
    for (int index = 4; index < 20; ++index) {
        auto* cell = dynamic_cast<CListCellAccessible*>(tree->child(index));
        shown << cell->columnHeaderCells().value(0)->text(QAccessible::Name) + "=" +
                     cell->text(QAccessible::Name);
        if (index % 4 == 3) {  // e expandable, + expanded, - collapsed
            const QAccessible::State st = cell->state();
            shown << QString::number(cell->Depth()) + (st.expandable ? "e" : "") +
                         (st.expanded ? "+" : "") + (st.collapsed ? "-" : "");
        }
    }
    EXPECT_EQ(shown.join(' '),
              "c0=R1 c1=1 c2=R1 c3=x 1e+ c0=A c1=1 c2=A c3=x 2e- c0=B c1=1 c2=B c3=x 2 "
              "c0=R2 c1=1 c2=R2 c3=x 1e-");
    grid.UpdateWindow();  // the rows made so far are announced
    QAccessibleInterface *keptR1 = tree->child(4), *keptR2 = tree->child(16);  // R2's row: E's
    g_events.clear();
    grid.Select("A");
    grid.clearFocus();
    grid.setFocus();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_Plus}) {
        QTest::keyClick(&grid, key, key == Qt::Key_Plus ? Qt::KeypadModifier : Qt::NoModifier);
    }
    grid.Add("E", "R1", TRUE);
    grid.Add("F", "R1", TRUE);
    grid.UpdateWindow();
    EXPECT_EQ(g_events.join(", "),  // 8006 selection, 8005 focus, 800a state change
              "8006 8, 8005 8, 8005 8, 8006 12, 8005 12, 8005 13, 8006 16, 8005 17, 800a 16, "
              "rows 2 4-4, rows 2 3-4");
    EXPECT_TRUE(keptR1->isValid() && !keptR2->isValid() && keptR2->state().invalid);
    EXPECT_TRUE(tree->tableInterface()->rowCount() == 7 && tree->child(4 * 6)->state().expanded);
}

// Call-back rows "rN cM" that count the texts asked of them.
class CountingList : public CListCtrl {
public:
    QString OnGetDispInfo(int row, int col) const override {
        return ++asked, QString("r%1 c%2").arg(row).arg(col);
    }
    mutable int asked = 0;
};

TEST(GridAccessible, ACellOfAHundredThousandRowsIsOneTextAndGoesInvalidWithItsRow) {
    CountingList list;
    list.InsertColumn(0, "a", LVCFMT_LEFT, 50);
    list.InsertColumn(1, "b", LVCFMT_LEFT, 50);
    list.InsertCallbackItems(0, std::vector<CListCtrl::CallbackItem>(100000));
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&list);
    QAccessibleInterface* last = table->tableInterface()->cellAt(99999, 1);
    EXPECT_EQ(last->text(QAccessible::Name), "r99999 c1");
    EXPECT_TRUE(list.asked == 1 && table->indexOfChild(last) == 2 + 2 * 99999 + 1);
    list.DeleteItems(99990, 10);
    EXPECT_TRUE(!last->isValid() && last->state().invalid && last->text(QAccessible::Name) == "");
    EXPECT_TRUE(table->role() == QAccessible::Table && !table->tableInterface()->cellAt(99999, 1));
}

}  // namespace
