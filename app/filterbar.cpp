// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/filterbar.h"

#include "app/profilesettings.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {

constexpr int kMaxPingLimit = 9999;

}  // namespace

CFilterBar::CFilterBar(QWidget* parent)
    : QToolBar(parent),
      m_pSearch(new QLineEdit(this)),
      m_pHideEmpty(new QCheckBox(tr("Hide &empty"), this)),
      m_pHideFull(new QCheckBox(tr("Hide f&ull"), this)),
      m_pMaxPing(new QSpinBox(this)),
      m_pFavouritesOnly(new QCheckBox(tr("Fa&vourites only"), this)) {
    setObjectName("filterbar");
    setWindowTitle(tr("Filter Bar"));
    setMovable(false);
    m_pSearch->setPlaceholderText(tr("Search name, map, mod or address"));
    m_pSearch->setClearButtonEnabled(true);
    m_pSearch->setMinimumWidth(220);
    m_pSearch->installEventFilter(this);
    m_pMaxPing->setRange(0, kMaxPingLimit);
    m_pMaxPing->setSpecialValueText(tr("off"));
    m_pMaxPing->setSuffix(" ms");
    auto* pingLabel = new QLabel(tr("Max &ping"), this);
    pingLabel->setBuddy(m_pMaxPing);
    addWidget(m_pSearch);
    addWidget(m_pHideEmpty);
    addWidget(m_pHideFull);
    addWidget(pingLabel);
    addWidget(m_pMaxPing);
    addWidget(m_pFavouritesOnly);
    connect(m_pSearch, &QLineEdit::textChanged, this, &CFilterBar::Changed);
    for (QCheckBox* box : {m_pHideEmpty, m_pHideFull, m_pFavouritesOnly}) {
        connect(box, &QCheckBox::toggled, this, &CFilterBar::Changed);
    }
    connect(m_pMaxPing, &QSpinBox::valueChanged, this, &CFilterBar::Changed);
}

ServerFilter CFilterBar::Filter() const {
    return ServerFilter{m_pSearch->text(), m_pHideEmpty->isChecked(), m_pHideFull->isChecked(),
                        m_pMaxPing->value(), m_pFavouritesOnly->isChecked()};
}

void CFilterBar::SetFilter(const ServerFilter& filter) {
    m_bSetting = true;
    m_pSearch->setText(filter.m_strSearch);
    m_pHideEmpty->setChecked(filter.m_bHideEmpty);
    m_pHideFull->setChecked(filter.m_bHideFull);
    m_pMaxPing->setValue(filter.m_nMaxPing);
    m_pFavouritesOnly->setChecked(filter.m_bFavouritesOnly);
    m_bSetting = false;
}

void CFilterBar::FocusSearch() {
    show();
    m_pSearch->setFocus(Qt::ShortcutFocusReason);
    m_pSearch->selectAll();
}

void CFilterBar::Changed() {
    if (!m_bSetting) {
        emit filterChanged(Filter());
    }
}

bool CFilterBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pSearch && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        m_pSearch->clear();
        emit leaveRequested();
        return true;
    }
    return QToolBar::eventFilter(watched, event);
}

void CFilterBar::Load() {
    CProfileSettings settings;
    settings.beginGroup("Filter");
    // A hand-edited file may hold anything: the spin box clamps the ping, the search box is cut.
    SetFilter(ServerFilter{
        settings.value("Search").toString().left(256), settings.value("HideEmpty", false).toBool(),
        settings.value("HideFull", false).toBool(), settings.value("MaxPing", 0).toInt(),
        settings.value("FavouritesOnly", false).toBool()});
    setVisible(settings.value("Shown", false).toBool());
}

void CFilterBar::Save() const {
    CProfileSettings settings;
    settings.beginGroup("Filter");
    const ServerFilter filter = Filter();
    settings.setValue("Search", filter.m_strSearch);
    settings.setValue("HideEmpty", filter.m_bHideEmpty);
    settings.setValue("HideFull", filter.m_bHideFull);
    settings.setValue("MaxPing", filter.m_nMaxPing);
    settings.setValue("FavouritesOnly", filter.m_bFavouritesOnly);
    settings.setValue("Shown", !isHidden());
}
