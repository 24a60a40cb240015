// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/sortmenu.h"

#include "app/profilesettings.h"
#include "serverlist/servergrid.h"

#include <QActionGroup>
#include <QHeaderView>
#include <QMenu>

namespace {

const char* const kGroup = "Sort";

// The items' texts, in the order of kSortKeys.
const char* const kKeyTitles[] = {
    QT_TRANSLATE_NOOP("CSortMenu", "Ping"), QT_TRANSLATE_NOOP("CSortMenu", "Server"),
    QT_TRANSLATE_NOOP("CSortMenu", "Map"),  QT_TRANSLATE_NOOP("CSortMenu", "Players"),
    QT_TRANSLATE_NOOP("CSortMenu", "Mod"),  QT_TRANSLATE_NOOP("CSortMenu", "Ip:Port")};

}  // namespace

CSortMenu::CSortMenu(CServerGrid* grid, QMenu* view, QObject* parent)
    : QObject(parent), m_pGrid(grid), m_pKeys(new QActionGroup(this)) {
    CProfileSettings settings;
    settings.beginGroup(kGroup);
    grid->SetSortOrder({SortKeyFromName(settings.value("Key").toString()),
                        settings.value("Descending", false).toBool()});

    QMenu* menu = view->addMenu(tr("Sort &By"));
    for (SortKey key : kSortKeys) {
        QAction* action = menu->addAction(tr(kKeyTitles[static_cast<int>(key)]));
        action->setCheckable(true);
        m_pKeys->addAction(action);
        connect(action, &QAction::triggered, this, [this, key] {
            Apply({key, SortsDescendingFirst(key)});
        });
    }
    menu->addSeparator();
    m_pDescending = menu->addAction(tr("Descending"));
    m_pDescending->setCheckable(true);
    connect(m_pDescending, &QAction::triggered, this, [this](bool on) {
        Apply({m_pGrid->GetSortOrder().key, on});
    });

    m_pHeaderSorting = view->addAction(tr("Sort by Clicking Column Headers"));
    m_pHeaderSorting->setCheckable(true);
    connect(m_pHeaderSorting, &QAction::triggered, this, [this](bool on) {
        SetHeaderSorting(on);
        CProfileSettings().setValue(QString(kGroup) + "/ByHeader", on);
    });
    connect(grid->GetHeaderCtrl(), &QHeaderView::sectionClicked, this, &CSortMenu::OnHeaderClicked);
    m_pHeaderSorting->setChecked(settings.value("ByHeader", false).toBool());
    SetHeaderSorting(m_pHeaderSorting->isChecked());
}

void CSortMenu::SetHeaderSorting(bool on) {
    QHeaderView* header = m_pGrid->GetHeaderCtrl();
    header->setSectionsClickable(on);
    header->setSortIndicatorShown(on);
    ShowOrder();
}

void CSortMenu::OnHeaderClicked(int column) {
    const SortOrder order = m_pGrid->GetSortOrder();
    SortKey key = order.key;
    if (!m_pHeaderSorting->isChecked() || !ColumnSortKey(column, &key)) {
        ShowOrder();  // the header flips its indicator on any click: it shows the order again
        return;
    }
    Apply({key, key == order.key ? !order.descending : SortsDescendingFirst(key)});
}

void CSortMenu::Apply(const SortOrder& order) {
    m_pGrid->SetSortOrder(order);
    m_pGrid->Resort();
    ShowOrder();
    CProfileSettings settings;
    settings.beginGroup(kGroup);
    settings.setValue("Key", SortKeyName(order.key));
    settings.setValue("Descending", order.descending);
}

void CSortMenu::ShowOrder() {
    const SortOrder& order = m_pGrid->GetSortOrder();
    m_pKeys->actions().at(static_cast<int>(order.key))->setChecked(true);
    m_pDescending->setChecked(order.descending);
    m_pGrid->GetHeaderCtrl()->setSortIndicator(
        SortKeyColumn(order.key), order.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}
