// ICMP echo to the loopback address and the errors of the ping client.
#include "os/Icmp.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class IcmpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Client->SetHost(QStringLiteral("127.0.0.1"));
        Client->SetReceiveTimeout(2000);
        Client->OnReply = [this](TComponent* Sender, const TReplyStatus& Status) {
            EXPECT_EQ(Sender, Client.get());
            Replies.push_back(Status);
        };
    }

    // Pings once; skips the test when this machine allows neither kind of ICMP socket.
    void PingOrSkip()
    {
        try {
            Client->Ping();
        } catch (const EIdIcmpException& E) {
            GTEST_SKIP() << "no ICMP socket may be opened here: " << E.what();
        }
    }

    std::unique_ptr<TIdIcmpClient> Client = std::make_unique<TIdIcmpClient>(nullptr);
    std::vector<TReplyStatus> Replies;
};

}  // namespace

TEST(IcmpDefaultsTest, PropertiesStartAtTheComponentsDefaults)
{
    const TIdIcmpClient Client(nullptr);
    EXPECT_EQ(Client.Host(), QString());
    EXPECT_EQ(Client.ReceiveTimeout(), 5000);
    EXPECT_EQ(Client.PacketSize(), 32);
    EXPECT_EQ(Client.ReplyStatus().BytesReceived, 0);
}

TEST_F(IcmpTest, LoopbackAnswersWithTheWholeEchoMessage)
{
    Client->SetPacketSize(1024);
    PingOrSkip();
    if (IsSkipped()) return;

    ASSERT_EQ(Replies.size(), 1u);
    EXPECT_EQ(Replies[0].ReplyStatusType, rsEcho);
    EXPECT_EQ(Replies[0].BytesReceived, 8 + 1024);
    EXPECT_EQ(Replies[0].FromIpAddress, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(Client->ReplyStatus().BytesReceived, 8 + 1024);
}

TEST_F(IcmpTest, EachPingIsAnsweredUnderItsOwnSequenceNumber)
{
    PingOrSkip();
    if (IsSkipped()) return;
    Client->Ping();

    ASSERT_EQ(Replies.size(), 2u);
    EXPECT_EQ(Replies[0].ReplyStatusType, rsEcho);
    EXPECT_EQ(Replies[1].ReplyStatusType, rsEcho);
    EXPECT_EQ(Replies[0].BytesReceived, 8 + 32);
    EXPECT_EQ(Replies[1].SequenceId, static_cast<uint16_t>(Replies[0].SequenceId + 1));
}

TEST_F(IcmpTest, AHostNameIsLookedUp)
{
    Client->SetHost(QStringLiteral("localhost"));
    PingOrSkip();
    if (IsSkipped()) return;

    ASSERT_EQ(Replies.size(), 1u);
    EXPECT_EQ(Replies[0].ReplyStatusType, rsEcho);
    EXPECT_EQ(Replies[0].FromIpAddress, QStringLiteral("127.0.0.1"));
}

TEST_F(IcmpTest, AHostWithoutAddressRaisesAndFiresNoReply)
{
    Client->SetHost(QStringLiteral("no-such-host.invalid"));
    EXPECT_THROW(Client->Ping(), EIdSocketError);
    EXPECT_TRUE(Replies.empty());
}

TEST_F(IcmpTest, AnEmptyHostRaises)
{
    Client->SetHost(QString());
    EXPECT_THROW(Client->Ping(), EIdSocketError);
    EXPECT_TRUE(Replies.empty());
}
