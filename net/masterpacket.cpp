// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/masterpacket.h"

#include <cstring>

const uint8_t kMasterRequest[kMasterRequestLength] = {2, 6, 5, 0, 0, 0, 0, 0, 10, 0, 0};

namespace {
// Copies up to three characters as text: everything from the first zero byte on is zero.
void CopyEchoText(char* to, const char* from) {
    bool ended = false;
    for (int i = 0; i < 3; ++i) {
        ended = ended || from[i] == 0;
        to[i] = ended ? 0 : from[i];
    }
}
}  // namespace

MasterPacket::MasterPacket()
    : m_ack{}, m_echoByte(0), m_echoText{}, m_recordCount(0), m_type(0), m_ackLength(11) {}

MasterPacket::~MasterPacket() = default;

bool MasterPacket::ParsePage(const uint8_t* buffer) {
    if (buffer[0] != 2 || buffer[1] != 6) {
        return false;
    }
    CopyEchoText(m_echoText, reinterpret_cast<const char*>(buffer + 5));
    m_echoText[3] = 0;
    m_echoByte = buffer[4];
    m_type = buffer[2];
    m_recordCount = buffer[10];
    return true;
}

const uint8_t* MasterPacket::BuildAck() {
    std::memset(m_ack, 0, sizeof(m_ack));
    m_ack[0] = 2;
    m_ack[1] = 6;
    m_ack[2] = m_type;
    m_ack[4] = m_echoByte;
    CopyEchoText(reinterpret_cast<char*>(m_ack + 5), m_echoText);
    m_ack[8] = 10;
    return m_ack;
}
