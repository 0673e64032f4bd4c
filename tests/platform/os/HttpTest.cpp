// The HTTP client against a one-connection server of the test's own on the loopback address.
#include "os/Http.h"
#include "os/Services.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>

namespace {

const QString VersionQuery = QStringLiteral("/home/download/GetversionSW.asp?nomesw=KT20418");

// Accepts one connection on 127.0.0.1, reads the request, sends Answer and closes. With
// NeverAnswer it keeps the connection open until the client closes it.
class TestHttpServer {
public:
    enum TBehaviour { Answers, NeverAnswers };

    explicit TestHttpServer(QByteArray Answer, TBehaviour Behaviour = Answers) : FAnswer(std::move(Answer)), FBehaviour(Behaviour)
    {
        FListener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in Address{};
        Address.sin_family = AF_INET;
        Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t Size = sizeof Address;
        EXPECT_EQ(bind(FListener, reinterpret_cast<sockaddr*>(&Address), Size), 0);
        EXPECT_EQ(listen(FListener, 1), 0);
        getsockname(FListener, reinterpret_cast<sockaddr*>(&Address), &Size);
        FPort = ntohs(Address.sin_port);
        FThread = std::thread([this] { Serve(); });
    }

    ~TestHttpServer()
    {
        FThread.join();
        close(FListener);
    }

    uint16_t Port() const { return FPort; }
    QString Url(const QString& PathAndQuery) const { return TNetworkEndpoint{QStringLiteral("127.0.0.1"), FPort}.HttpUrl(PathAndQuery); }
    // The request as it came; call after the client is done.
    const QByteArray& Request() const { return FRequest; }

private:
    void Serve()
    {
        // A client that never comes must not hang the test.
        pollfd Waiting{FListener, POLLIN, 0};
        if (poll(&Waiting, 1, 5000) != 1) return;
        const int Connection = accept(FListener, nullptr, nullptr);
        char Chunk[4096];
        ssize_t Size;
        while (!FRequest.contains("\r\n\r\n") && (Size = recv(Connection, Chunk, sizeof Chunk, 0)) > 0) FRequest.append(Chunk, Size);
        if (FBehaviour == NeverAnswers) {
            while (recv(Connection, Chunk, sizeof Chunk, 0) > 0) {
            }
        } else {
            send(Connection, FAnswer.constData(), FAnswer.size(), MSG_NOSIGNAL);
        }
        close(Connection);
    }

    QByteArray FAnswer;
    TBehaviour FBehaviour;
    int FListener = -1;
    uint16_t FPort = 0;
    QByteArray FRequest;
    std::thread FThread;
};

class HttpTest : public ::testing::Test {
protected:
    void SetUp() override { Http.SetTimeout(5000); }

    TIdHTTP Http{nullptr};
};

}  // namespace

TEST_F(HttpTest, AGetSendsTheRequestLineAndHeadersAndReturnsTheBody)
{
    TestHttpServer Server("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\nVER. 1.006\r\n");
    Http.Request()->SetAccept(QStringLiteral("text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"));

    EXPECT_EQ(Http.Get(Server.Url(VersionQuery)), QStringLiteral("VER. 1.006\r\n"));
    EXPECT_EQ(Http.ResponseCode(), 200);
    EXPECT_EQ(Http.ResponseText(), QStringLiteral("HTTP/1.1 200 OK"));
    EXPECT_EQ(Server.Request(), "GET /home/download/GetversionSW.asp?nomesw=KT20418 HTTP/1.0\r\n"
                                "Host: 127.0.0.1:" + QByteArray::number(Server.Port()) + "\r\n"
                                "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
                                "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
                                "\r\n");
}

TEST_F(HttpTest, TheBodyEndsAtContentLengthAndIsDecodedByItsCharset)
{
    TestHttpServer Server("HTTP/1.0 200 OK\r\nContent-Type: text/plain; charset=\"utf-8\"\r\nContent-Length: 7\r\n\r\n"
                          "Gr\xC3\xBC\xC3\x9F" "e and more");
    EXPECT_EQ(Http.Get(Server.Url(QStringLiteral("/"))), QStringLiteral(u"Grüße"));
}

TEST_F(HttpTest, WithoutACharsetTheBodyIsLatin1)
{
    TestHttpServer Server("HTTP/1.0 200 OK\n\nGr\xFC\xDF" "e");
    EXPECT_EQ(Http.Get(Server.Url(QStringLiteral("/"))), QStringLiteral(u"Grüße"));
}

TEST_F(HttpTest, AnErrorStatusRaisesWithItsCodeAndBody)
{
    TestHttpServer Server("HTTP/1.1 404 Not Found\r\n\r\nno such page");
    try {
        Http.Get(Server.Url(VersionQuery));
        FAIL() << "no exception";
    } catch (const EIdHTTPProtocolException& E) {
        EXPECT_EQ(E.ErrorCode(), 404);
        EXPECT_EQ(E.Message(), QStringLiteral("HTTP/1.1 404 Not Found"));
        EXPECT_EQ(E.ErrorMessage(), QStringLiteral("no such page"));
    }
    EXPECT_EQ(Http.ResponseCode(), 404);
}

TEST_F(HttpTest, ARedirectIsNotFollowed)
{
    TestHttpServer Server("HTTP/1.0 302 Found\r\nLocation: http://127.0.0.1:1/\r\n\r\n");
    EXPECT_THROW(Http.Get(Server.Url(VersionQuery)), EIdHTTPProtocolException);
}

TEST_F(HttpTest, AMalformedAnswerRaises)
{
    for (const QByteArray& Answer : {QByteArray("VER. 1.006"), QByteArray("garbage\r\n\r\n"), QByteArray("HTTP/1.0 OK\r\n\r\n"),
                                     QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 50\r\n\r\nshort")}) {
        TestHttpServer Server(Answer);
        try {
            Http.Get(Server.Url(VersionQuery));
            ADD_FAILURE() << "no exception for " << Answer.constData();
        } catch (const EIdHTTPProtocolException&) {
            ADD_FAILURE() << "a protocol exception for " << Answer.constData();
        } catch (const EIdException&) {
        }
    }
}

TEST_F(HttpTest, AServerThatNeverAnswersTimesOut)
{
    TestHttpServer Server("", TestHttpServer::NeverAnswers);
    Http.SetTimeout(100);
    EXPECT_THROW(Http.Get(Server.Url(VersionQuery)), EIdReadTimeout);
    EXPECT_EQ(Http.ResponseCode(), -1);
}

TEST_F(HttpTest, ARefusedConnectionRaises)
{
    // A bound socket that does not listen refuses every connection to its port.
    const int Closed = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in Address{};
    Address.sin_family = AF_INET;
    Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t Size = sizeof Address;
    ASSERT_EQ(bind(Closed, reinterpret_cast<sockaddr*>(&Address), Size), 0);
    getsockname(Closed, reinterpret_cast<sockaddr*>(&Address), &Size);

    const QString Url = TNetworkEndpoint{QStringLiteral("127.0.0.1"), ntohs(Address.sin_port)}.HttpUrl(VersionQuery);
    EXPECT_THROW(Http.Get(Url), EIdSocketError);
    close(Closed);
}

TEST_F(HttpTest, OnlyPlainHttpUrlsAreFetched)
{
    EXPECT_THROW(Http.Get(QStringLiteral("https://127.0.0.1/")), EIdException);
    EXPECT_THROW(Http.Get(QStringLiteral("not a url")), EIdException);
    EXPECT_THROW(Http.Get(QStringLiteral("http://no-such-host.invalid/")), EIdSocketError);
}

TEST_F(HttpTest, TheVersionQueryGoesWhereTheEndpointServiceSays)
{
    TestHttpServer Server("HTTP/1.0 200 OK\r\n\r\nVER. 1.005");
    struct TTestEndpoints : TNetworkEndpointService {
        uint16_t Port = 0;
        TNetworkEndpoint MakerWebServer() override { return {QStringLiteral("127.0.0.1"), Port}; }
    } Endpoints;
    Endpoints.Port = Server.Port();
    SetNetworkEndpointService(&Endpoints);

    QString Answer;
    EXPECT_NO_THROW(Answer = Http.Get(MakerWebServer().HttpUrl(VersionQuery)));
    SetNetworkEndpointService(nullptr);
    EXPECT_EQ(Answer, QStringLiteral("VER. 1.005"));
    EXPECT_TRUE(Server.Request().startsWith("GET /home/download/GetversionSW.asp?nomesw=KT20418 HTTP/1.0\r\n"));
}
