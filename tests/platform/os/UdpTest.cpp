// UDP endpoints talking over the loopback address: binding, sending, waiting and the read event.
#include "os/Udp.h"

#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

const QString Loopback = QStringLiteral("127.0.0.1");

// Runs the event loop until Done() holds or five seconds pass; returns Done().
bool RunEventsUntil(const std::function<bool()>& Done)
{
    QEventLoop Loop;
    QTimer Limit;
    Limit.setSingleShot(true);
    QObject::connect(&Limit, &QTimer::timeout, &Loop, &QEventLoop::quit);
    Limit.start(5000);
    while (!Done() && Limit.isActive()) Loop.processEvents(QEventLoop::WaitForMoreEvents);
    return Done();
}

struct TReceived {
    QByteArray Data;
    TIdSocketHandle Binding;
    bool OnUserInterfaceThread = false;
};

class UdpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        A.SetActive(true);
        B.SetActive(true);
    }

    TIdUDPServer A{nullptr};
    TIdUDPServer B{nullptr};
};

}  // namespace

TEST(UdpEndpointTest, ActivationBindsTheDefaultPortAndDeactivationReleasesIt)
{
    TIdUDPServer First(nullptr);
    EXPECT_FALSE(First.Active());
    EXPECT_EQ(First.BoundPort(), 0);
    First.SetActive(true);
    ASSERT_TRUE(First.Active());
    const uint16_t Port = First.BoundPort();
    EXPECT_NE(Port, 0);

    TIdUDPServer Second(nullptr);
    Second.SetDefaultPort(Port);
    EXPECT_THROW(Second.SetActive(true), EIdCouldNotBindSocket);
    EXPECT_FALSE(Second.Active());

    First.SetActive(false);
    EXPECT_EQ(First.BoundPort(), 0);
    Second.SetActive(true);
    EXPECT_EQ(Second.BoundPort(), Port);
}

TEST(UdpEndpointTest, AnInactiveEndpointNeitherSendsNorReceives)
{
    TIdUDPServer Endpoint(nullptr);
    QByteArray Data;
    QString PeerIP;
    uint16_t PeerPort = 0;
    EXPECT_THROW(Endpoint.SendBuffer(Loopback, 9, "x"), EIdSocketError);
    EXPECT_THROW(Endpoint.ReceiveBuffer(Data, PeerIP, PeerPort, 10), EIdSocketError);
}

TEST_F(UdpTest, ADatagramArrivesWholeWithItsSender)
{
    const QByteArray Command("\xB5\x01\x00", 3);
    A.SendBuffer(Loopback, B.BoundPort(), Command);

    QByteArray Data;
    QString PeerIP;
    uint16_t PeerPort = 0;
    ASSERT_TRUE(B.ReceiveBuffer(Data, PeerIP, PeerPort, 5000));
    EXPECT_EQ(Data, Command);
    EXPECT_EQ(PeerIP, Loopback);
    EXPECT_EQ(PeerPort, A.BoundPort());
}

TEST_F(UdpTest, DatagramsKeepTheirBoundariesAndOrder)
{
    A.SendBuffer(Loopback, B.BoundPort(), QByteArray(130, '\0'));
    A.SendBuffer(Loopback, B.BoundPort(), QByteArray("\xB0", 1));

    QByteArray Data;
    QString PeerIP;
    uint16_t PeerPort = 0;
    ASSERT_TRUE(B.ReceiveBuffer(Data, PeerIP, PeerPort, 5000));
    EXPECT_EQ(Data.size(), 130);
    ASSERT_TRUE(B.ReceiveBuffer(Data, PeerIP, PeerPort, 5000));
    EXPECT_EQ(Data, QByteArray("\xB0", 1));
}

TEST_F(UdpTest, ReceivingGivesUpAfterTheTimeOut)
{
    QByteArray Data("left over");
    QString PeerIP;
    uint16_t PeerPort = 0;
    EXPECT_FALSE(B.ReceiveBuffer(Data, PeerIP, PeerPort, 20));
    EXPECT_TRUE(Data.isEmpty());
}

TEST_F(UdpTest, AHostWithoutAddressRaises)
{
    EXPECT_THROW(A.SendBuffer(QStringLiteral("no-such-device.invalid"), B.BoundPort(), "x"), EIdSocketError);
}

TEST_F(UdpTest, TheEventLoopHandsEachDatagramToOnUDPReadOnTheUserInterfaceThread)
{
    std::vector<TReceived> Received;
    B.OnUDPRead = [&](TIdUDPServer* Sender, const QByteArray& Data, const TIdSocketHandle& Binding) {
        EXPECT_EQ(Sender, &B);
        Received.push_back({Data, Binding, QThread::currentThread() == QCoreApplication::instance()->thread()});
    };
    A.SendBuffer(Loopback, B.BoundPort(), QByteArray("\xB4\x01", 2));
    A.SendBuffer(Loopback, B.BoundPort(), QByteArray("\xB2", 1));

    ASSERT_TRUE(RunEventsUntil([&] { return Received.size() == 2; }));
    EXPECT_EQ(Received[0].Data, QByteArray("\xB4\x01", 2));
    EXPECT_EQ(Received[1].Data, QByteArray("\xB2", 1));
    EXPECT_EQ(Received[0].Binding.PeerIP, Loopback);
    EXPECT_EQ(Received[0].Binding.PeerPort, A.BoundPort());
    EXPECT_EQ(Received[0].Binding.Port, B.BoundPort());
    EXPECT_TRUE(Received[0].OnUserInterfaceThread);
}

TEST_F(UdpTest, AnswersComeBackToTheSendingEndpoint)
{
    // B plays the device: it answers every command to the port it came from.
    B.OnUDPRead = [](TIdUDPServer* Sender, const QByteArray& Data, const TIdSocketHandle& Binding) {
        Sender->SendBuffer(Binding.PeerIP, Binding.PeerPort, Data + "\x81");
    };
    QByteArray Answer;
    A.OnUDPRead = [&](TIdUDPServer*, const QByteArray& Data, const TIdSocketHandle&) { Answer = Data; };
    A.SendBuffer(Loopback, B.BoundPort(), QByteArray("\xB0", 1));

    ASSERT_TRUE(RunEventsUntil([&] { return !Answer.isEmpty(); }));
    EXPECT_EQ(Answer, QByteArray("\xB0\x81", 2));
}

TEST_F(UdpTest, AnExceptionInOnUDPReadGoesToTheApplication)
{
    QString Reported;
    Application->OnException = [&](TObject* Sender, const Exception& E) {
        EXPECT_EQ(Sender, &B);
        Reported = E.Message();
    };
    B.OnUDPRead = [](TIdUDPServer*, const QByteArray&, const TIdSocketHandle&) { throw EConvertError(QStringLiteral("bad reply")); };
    A.SendBuffer(Loopback, B.BoundPort(), "x");

    const bool Seen = RunEventsUntil([&] { return !Reported.isEmpty(); });
    Application->OnException = nullptr;
    ASSERT_TRUE(Seen);
    EXPECT_EQ(Reported, QStringLiteral("bad reply"));
}

TEST_F(UdpTest, DeactivatingInsideOnUDPReadStopsTheDelivery)
{
    QStringList Reported;
    Application->OnException = [&](TObject*, const Exception& E) { Reported << E.Message(); };
    int Calls = 0;
    B.OnUDPRead = [&](TIdUDPServer* Sender, const QByteArray&, const TIdSocketHandle&) {
        ++Calls;
        Sender->SetActive(false);
    };
    A.SendBuffer(Loopback, B.BoundPort(), "1");
    A.SendBuffer(Loopback, B.BoundPort(), "2");

    const bool Delivered = RunEventsUntil([&] { return Calls > 0; });
    QCoreApplication::processEvents();
    Application->OnException = nullptr;
    ASSERT_TRUE(Delivered);
    EXPECT_EQ(Calls, 1);
    EXPECT_FALSE(B.Active());
    EXPECT_TRUE(Reported.isEmpty()) << Reported.join(u'\n').toStdString();
}
