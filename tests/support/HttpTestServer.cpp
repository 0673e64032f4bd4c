// The loopback HTTP test server and the refusing port.
#include "support/HttpTestServer.h"

#include "os/Services.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A socket bound to 127.0.0.1 on an ephemeral port; Port receives the port.
int BoundLoopbackSocket(uint16_t& Port)
{
    const int Socket = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in Address{};
    Address.sin_family = AF_INET;
    Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t Size = sizeof Address;
    EXPECT_EQ(bind(Socket, reinterpret_cast<sockaddr*>(&Address), Size), 0);
    getsockname(Socket, reinterpret_cast<sockaddr*>(&Address), &Size);
    Port = ntohs(Address.sin_port);
    return Socket;
}

}  // namespace

TestHttpServer::TestHttpServer(QByteArray Answer, TBehaviour Behaviour) : FAnswer(std::move(Answer)), FBehaviour(Behaviour)
{
    FListener = BoundLoopbackSocket(FPort);
    EXPECT_EQ(listen(FListener, 1), 0);
    FThread = std::thread([this] { Serve(); });
}

TestHttpServer::~TestHttpServer()
{
    FThread.join();
    close(FListener);
}

QString TestHttpServer::Url(const QString& PathAndQuery) const
{
    return TNetworkEndpoint{QStringLiteral("127.0.0.1"), FPort}.HttpUrl(PathAndQuery);
}

void TestHttpServer::Serve()
{
    // A client that never comes must not hang the test.
    pollfd Waiting{FListener, POLLIN, 0};
    if (poll(&Waiting, 1, 5000) != 1) return;
    const int Connection = accept(FListener, nullptr, nullptr);
    char Chunk[4096];
    ssize_t Size;
    while (!FRequest.contains("\r\n\r\n") && (Size = recv(Connection, Chunk, sizeof Chunk, 0)) > 0) FRequest.append(Chunk, Size);
    if (FBehaviour != NeverAnswers) send(Connection, FAnswer.constData(), FAnswer.size(), MSG_NOSIGNAL);
    if (FBehaviour != Answers) {
        while (recv(Connection, Chunk, sizeof Chunk, 0) > 0) {
        }
    }
    close(Connection);
}

RefusingPort::RefusingPort()
{
    FSocket = BoundLoopbackSocket(FPort);
}

RefusingPort::~RefusingPort()
{
    close(FSocket);
}
