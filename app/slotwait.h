// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "serverlist/serverrowtexts.h"

#include <QString>

#include <chrono>
#include <cstdint>
#include <optional>

// Waiting for a free slot on a full server, as a state machine without windows or a clock of its
// own: the caller queries the server every Limits::interval and hands each answer in
// (TakeAnswer), and the time in between (TakeTime). The wait ends when a slot opens, or on its
// own after Limits::total, after Limits::silence without an answer, or when the server's host
// name resolves elsewhere than at the first answer; or when cancelled. Once ended it stays so:
// every call then keeps the state. O(1) a call.
class SlotWait {
public:
    using Clock = std::chrono::steady_clock;
    struct Limits {
        std::chrono::milliseconds interval{5000};         // between two queries
        std::chrono::milliseconds total{30 * 60 * 1000};  // the whole wait
        std::chrono::milliseconds silence{60 * 1000};     // without an answer
    };
    enum class State { Waiting, SlotOpen, TimeLimit, Silent, Moved, Cancelled };

    // A wait for the server at `address` ("host:port"), shown as `name`, that Join found full
    // with players of maxPlayers at `now`; bJoinWhenOpen: the game starts by itself when a slot
    // opens. That answer counts as the last one so far.
    SlotWait(const QString& address, const QString& name, int players, int maxPlayers,
             bool bJoinWhenOpen, Clock::time_point now);

    // The limits of this wait (the constants above unless set; tests shorten them).
    void SetLimits(const Limits& limits) { m_limits = limits; }
    const Limits& GetLimits() const { return m_limits; }

    // An answer of the server's query at `now` (availability as Join reads it, its counts, the
    // address its host text named for the query): Moved when that differs from the first
    // answer's, else SlotOpen when open; else the limits as TakeTime checks them.
    State TakeAnswer(ServerAvailability availability, int players, int maxPlayers,
                     std::optional<std::uint32_t> resolved, Clock::time_point now);
    // Time passed (a query may hang in its name lookup): TimeLimit or Silent when reached.
    State TakeTime(Clock::time_point now);
    void Cancel();

    State GetState() const { return m_state; }
    bool IsWaiting() const { return m_state == State::Waiting; }
    bool JoinsWhenOpen() const { return m_bJoinWhenOpen; }
    const QString& Address() const { return m_address; }
    const QString& Name() const { return m_name; }
    // The status bar's text for the state: "Waiting for a slot on NAME (n/m)" while waiting.
    QString StatusText() const;

private:
    QString m_address;
    QString m_name;
    int m_nPlayers;
    int m_nMaxPlayers;
    bool m_bJoinWhenOpen;
    Clock::time_point m_start;
    Clock::time_point m_lastAnswer;
    std::optional<std::uint32_t> m_firstAddress;  // the first answer's resolved address
    Limits m_limits;
    State m_state = State::Waiting;
};
