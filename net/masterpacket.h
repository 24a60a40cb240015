// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The master list protocol's framing. Every datagram, both ways, starts with the bytes 2, 6.
//
// Request (client -> master), 11 bytes: 02 06 05 00 00 00 00 00 0A 00 00.
// Page (master -> client), at most 4096 bytes:
//   0-1 02 06 | 2 type (7: last page) | 3 unused | 4 echo byte | 5-7 echo text | 8-9 unused
//   10 record count N | 11-14 unused | 15.. N records of 6 bytes: IPv4 (4), port (2, big-endian)
// Acknowledgement (client -> master), 11 bytes:
//   02 06 | type 1 | 00 | echo byte | echo text (3, as text: zero after its first zero) | 0A 00 00
constexpr int kMasterRequestLength = 11;
extern const uint8_t kMasterRequest[kMasterRequestLength];
constexpr int kPageHeaderLength = 15;
constexpr int kAddressRecordLength = 6;
constexpr uint8_t kLastPageType = 7;
constexpr uint8_t kAckType = 1;

// Decodes a page header and builds the acknowledgement for it.
class MasterPacket {
public:
    MasterPacket();
    virtual ~MasterPacket();

    // When bytes 0 and 1 are 2 and 6: fills the fields from bytes 2..10 and returns true.
    // Otherwise returns false and leaves the fields alone. Reads 11 bytes of the buffer.
    bool ParsePage(const uint8_t* buffer);
    // Builds m_ack from the fields; its first m_ackLength bytes are to be sent.
    const uint8_t* BuildAck();

    uint8_t m_ack[15];
    uint8_t m_echoByte;
    char m_echoText[4];  // page bytes 5..7 as text, zero-padded, always zero-terminated
    uint8_t m_recordCount;
    uint8_t m_type;
    int32_t m_ackLength;
};
