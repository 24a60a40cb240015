#include "net/masterpacket.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Header(uint8_t type, uint8_t echoByte, uint8_t e0, uint8_t e1, uint8_t e2, uint8_t count) {
    Bytes page(4096, 0xEE);  // bytes past the header must not matter
    const uint8_t header[] = {2, 6, type, 0x55, echoByte, e0, e1, e2, 0x66, 0x77, count};
    std::copy(std::begin(header), std::end(header), page.begin());
    return page;
}

TEST(MasterPacketTest, RequestIsTheElevenFixedBytes) {
    const Bytes expected = {0x02, 0x06, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x0A, 0x00, 0x00};
    EXPECT_EQ(Bytes(kMasterRequest, kMasterRequest + kMasterRequestLength), expected);
}

// The page header fills the fields and the acknowledgement copies the echo text as text:
// everything after its first zero byte goes out as zero.
TEST(MasterPacketTest, AcknowledgementCarriesTheEchoAsText) {
    struct Case {
        uint8_t echo[3];
        uint8_t sent[3];
    } cases[] = {
        {{0x41, 0x42, 0x43}, {0x41, 0x42, 0x43}},
        {{0x41, 0x00, 0x42}, {0x41, 0x00, 0x00}},
        {{0x00, 0x41, 0x42}, {0x00, 0x00, 0x00}},
        {{0xFF, 0x80, 0x00}, {0xFF, 0x80, 0x00}},
    };
    for (const Case& c : cases) {
        MasterPacket packet;
        ASSERT_TRUE(packet.ParsePage(Header(0, 0x9C, c.echo[0], c.echo[1], c.echo[2], 17).data()));
        EXPECT_EQ(packet.m_type, 0);
        EXPECT_EQ(packet.m_echoByte, 0x9C);
        EXPECT_EQ(packet.m_recordCount, 17);
        EXPECT_EQ(packet.m_echoText[3], 0);
        EXPECT_EQ(packet.m_ackLength, 11);

        packet.m_type = kAckType;
        const uint8_t* ack = packet.BuildAck();
        const Bytes expected = {2, 6, 1, 0, 0x9C, c.sent[0], c.sent[1], c.sent[2], 10, 0, 0};
        EXPECT_EQ(Bytes(ack, ack + packet.m_ackLength), expected);
        EXPECT_EQ(Bytes(ack + 11, ack + 15), Bytes(4, 0));
    }
}

TEST(MasterPacketTest, ForeignDatagramLeavesTheFieldsAlone) {
    MasterPacket packet;
    ASSERT_TRUE(packet.ParsePage(Header(7, 3, 'a', 'b', 'c', 200).data()));
    for (const Bytes& foreign : {Bytes{2, 7}, Bytes{6, 2}, Bytes{0, 6}, Bytes{0xFF, 0xFF}}) {
        Bytes page = Header(1, 9, 'x', 'y', 'z', 1);
        page[0] = foreign[0];
        page[1] = foreign[1];
        EXPECT_FALSE(packet.ParsePage(page.data()));
        EXPECT_EQ(packet.m_type, 7);
        EXPECT_EQ(packet.m_echoByte, 3);
        EXPECT_STREQ(packet.m_echoText, "abc");
        EXPECT_EQ(packet.m_recordCount, 200);
    }
}

}  // namespace
