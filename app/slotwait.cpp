// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/slotwait.h"

#include <QCoreApplication>

namespace {

// The status texts of the states, in the order of SlotWait::State.
const char* const kStatusTexts[] = {
    QT_TRANSLATE_NOOP("SlotWait", "Waiting for a slot on %1 (%2/%3)"),
    QT_TRANSLATE_NOOP("SlotWait", "A slot is open on %1"),
    QT_TRANSLATE_NOOP("SlotWait", "Stopped waiting for a slot on %1: still full after %2 minutes"),
    QT_TRANSLATE_NOOP("SlotWait", "Stopped waiting for a slot on %1: no answer for %2 seconds"),
    QT_TRANSLATE_NOOP("SlotWait", "Stopped waiting for a slot on %1: its address changed"),
    QT_TRANSLATE_NOOP("SlotWait", "Stopped waiting for a slot on %1"),
};

}  // namespace

SlotWait::SlotWait(const QString& address, const QString& name, int players, int maxPlayers,
                   bool bJoinWhenOpen, Clock::time_point now)
    : m_address(address),
      m_name(name),
      m_nPlayers(players),
      m_nMaxPlayers(maxPlayers),
      m_bJoinWhenOpen(bJoinWhenOpen),
      m_start(now),
      m_lastAnswer(now) {}

SlotWait::State SlotWait::TakeAnswer(ServerAvailability availability, int players, int maxPlayers,
                                     std::optional<std::uint32_t> resolved, Clock::time_point now) {
    if (m_state != State::Waiting) {
        return m_state;
    }
    if (availability != ServerAvailability::NoAnswer) {
        m_lastAnswer = now;
        m_nPlayers = players;
        m_nMaxPlayers = maxPlayers;
    }
    if (resolved && !m_firstAddress) {
        m_firstAddress = resolved;
    } else if (resolved && resolved != m_firstAddress) {
        m_state = State::Moved;  // another server now answers to that name
        return m_state;
    }
    if (availability == ServerAvailability::Open) {
        m_state = State::SlotOpen;
        return m_state;
    }
    return TakeTime(now);
}

SlotWait::State SlotWait::TakeTime(Clock::time_point now) {
    if (m_state == State::Waiting) {
        if (now - m_start >= m_limits.total) {
            m_state = State::TimeLimit;
        } else if (now - m_lastAnswer >= m_limits.silence) {
            m_state = State::Silent;
        }
    }
    return m_state;
}

void SlotWait::Cancel() {
    if (m_state == State::Waiting) {
        m_state = State::Cancelled;
    }
}

QString SlotWait::StatusText() const {
    using std::chrono::duration_cast;
    const QString text =
        QCoreApplication::translate("SlotWait", kStatusTexts[static_cast<int>(m_state)]);
    // One pass over the text, so that a name holding "%2" stays as it is.
    switch (m_state) {
        case State::Waiting:
            return text.arg(m_name, QString::number(m_nPlayers), QString::number(m_nMaxPlayers));
        case State::TimeLimit:
            return text.arg(
                m_name,
                QString::number(duration_cast<std::chrono::minutes>(m_limits.total).count()));
        case State::Silent:
            return text.arg(
                m_name,
                QString::number(duration_cast<std::chrono::seconds>(m_limits.silence).count()));
        default:
            return text.arg(m_name);
    }
}
