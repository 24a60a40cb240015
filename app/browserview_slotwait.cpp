// SPDX-License-Identifier: GPL-3.0-or-later
// Waiting for a free slot: Join on a full server may wait instead; the server is queried again
// off the window's thread every few seconds until a slot opens or the wait ends (SlotWait).

#include "app/browserview.h"
#include "app/gamelauncher.h"
#include "app/gamestarts.h"
#include "app/privatejoin.h"
#include "app/profilesettings.h"
#include "net/favouriteaddress.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Where the choice of "Join when a slot opens" is remembered.
constexpr char kSection[] = "SlotWait";
constexpr char kJoinWhenOpen[] = "JoinWhenOpen";

bool LoadJoinWhenOpen() {
    CProfileSettings settings;
    settings.beginGroup(kSection);
    return settings.value(kJoinWhenOpen, false).toBool();
}

void SaveJoinWhenOpen(bool bJoin) {
    CProfileSettings settings;
    settings.beginGroup(kSection);
    settings.setValue(kJoinWhenOpen, bJoin);
}

// Joins the server of the "host:port" text, a private one with its remembered password (asking
// without one); false when it names none or the game did not start.
bool JoinServerAt(const QString& address, const QString& name, bool bPrivate, QWidget* parent) {
    const std::optional<ServerAddress> server = ParseFavouriteAddress(address.toStdString());
    return server && JoinServer(*server, name, bPrivate, PasswordFrom::Remembered, parent);
}

// A question box owned by parent with the buttons, that shows the text as written: a server's name
// may look like markup.
std::unique_ptr<QMessageBox> PlainQuestion(const QString& text,
                                           QMessageBox::StandardButtons buttons, QWidget* parent) {
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::Question, JoinBoxTitle(), text, buttons, parent);
    box->setTextFormat(Qt::PlainText);
    return box;
}

}  // namespace

bool CBrowserView::AskToJoinFullServer(const QString& question, CGridTreeItem* node) {
    const CGridItemInfo& info = *m_wndGrid.GetInfo(node);
    const QString address = info.GetSubText(kAddressSubText);
    const QString name = info.GetSubText(kNameSubText);
    int players = 0;
    int maxPlayers = 0;
    ReadServerPlayers(ServerRowField(info, kPlayersSubText), players, maxPlayers);

    const std::unique_ptr<QMessageBox> box = PlainQuestion(question, QMessageBox::NoButton, this);
    QPushButton* join = box->addButton(tr("Join anyway"), QMessageBox::AcceptRole);
    QPushButton* wait = box->addButton(tr("Wait for a Slot"), QMessageBox::ActionRole);
    box->addButton(QMessageBox::Cancel);
    box->setDefaultButton(QMessageBox::Cancel);
    auto* joinWhenOpen = new QCheckBox(tr("Join when a slot opens"));
    joinWhenOpen->setChecked(LoadJoinWhenOpen());
    box->setCheckBox(joinWhenOpen);
    box->exec();
    if (box->clickedButton() == wait) {
        SaveJoinWhenOpen(joinWhenOpen->isChecked());
        StartSlotWait(address, name, players, maxPlayers, joinWhenOpen->isChecked());
    }
    return box->clickedButton() == join;
}

bool CBrowserView::StartSlotWait(const QString& address, const QString& name, int players,
                                 int maxPlayers, bool bJoinWhenOpen) {
    if (IsWaitingForSlot() &&
        PlainQuestion(tr("Stop waiting for a slot on %1 and wait on %2 instead?")
                          .arg(m_pSlotWait->Name(), name),
                      QMessageBox::Yes | QMessageBox::No, this)
                ->exec() != QMessageBox::Yes) {
        return false;
    }
    m_pSlotWait = std::make_unique<SlotWait>(address, name, players, maxPlayers, bJoinWhenOpen,
                                             SlotWait::Clock::now());
    m_pSlotWait->SetLimits(m_slotLimits);
    connect(&m_slotQuery, &CServerRequery::answered, this, &CBrowserView::OnSlotAnswer,
            Qt::UniqueConnection);
    connect(&m_slotTimer, &QTimer::timeout, this, &CBrowserView::QuerySlotServer,
            Qt::UniqueConnection);
    connect(&CGameStarts::Instance(), &CGameStarts::started, this, &CBrowserView::CancelSlotWait,
            Qt::UniqueConnection);
    m_slotTimer.start(m_slotLimits.interval);
    emit slotWaitChanged(m_pSlotWait->StatusText(), true);
    return true;
}

bool CBrowserView::IsWaitingForSlot() const {
    return m_pSlotWait != nullptr && m_pSlotWait->IsWaiting();
}

bool CBrowserView::CancelSlotWait() {
    if (!IsWaitingForSlot()) {
        return false;
    }
    m_pSlotWait->Cancel();
    ShowSlotWaitEnd();
    return true;
}

void CBrowserView::QuerySlotServer() {
    if (!IsWaitingForSlot()) {
        return;
    }
    if (m_pSlotWait->TakeTime(SlotWait::Clock::now()) != SlotWait::State::Waiting) {
        ShowSlotWaitEnd();
    } else if (!m_slotQuery.IsRunning()) {
        m_slotQuery.Start(m_pSlotWait->Address());  // an answer still out: the next tick asks
    }
}

void CBrowserView::OnSlotAnswer(const RequeryAnswer& answer) {
    if (!IsWaitingForSlot() || answer.address != m_pSlotWait->Address()) {
        return;  // the answer of a wait that ended or was replaced
    }
    const SlotWait::State state =
        m_pSlotWait->TakeAnswer(answer.availability, answer.players, answer.maxPlayers,
                                answer.query.resolved, SlotWait::Clock::now());
    if (state == SlotWait::State::Waiting) {
        emit slotWaitChanged(m_pSlotWait->StatusText(), true);
        return;
    }
    ShowSlotWaitEnd();
    if (state != SlotWait::State::SlotOpen) {
        return;
    }
    const QString address = m_pSlotWait->Address();
    const QString name = m_pSlotWait->Name();
    if (m_pSlotWait->JoinsWhenOpen()) {
        JoinServerAt(address, name, answer.query.record.m_private, this);
        return;
    }
    // The player joins with one key: Return on the question's default button.
    QApplication::alert(window());
    QApplication::beep();
    const std::unique_ptr<QMessageBox> box = PlainQuestion(
        tr("A slot is open on %1. Join it now?").arg(name), QMessageBox::Cancel, this);
    QPushButton* join = box->addButton(tr("Join"), QMessageBox::AcceptRole);
    box->setDefaultButton(join);
    box->exec();
    if (box->clickedButton() == join) {
        JoinServerAt(address, name, answer.query.record.m_private, this);
    }
}

void CBrowserView::ShowSlotWaitEnd() {
    m_slotTimer.stop();
    emit slotWaitChanged(m_pSlotWait->StatusText(), false);
}

void CBrowserView::SetSlotWaitLimits(const SlotWait::Limits& limits) {
    m_slotLimits = limits;
}

void CBrowserView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        CancelSlotWait()) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
