// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/linereader.h"

CLineReader::State CLineReader::Append(std::string_view piece) {
    if (m_state != State::Reading) {
        return m_state;
    }
    const size_t room = m_limit - m_line.size();  // for the rest of the line and its end
    const size_t end = piece.find('\n');
    if (end != std::string_view::npos && end < room) {
        m_line.append(piece.substr(0, end));
        return m_state = State::Line;
    }
    if (piece.size() >= room) {
        m_line.clear();
        m_line.shrink_to_fit();
        return m_state = State::TooLong;
    }
    m_line.append(piece);
    return m_state;
}
