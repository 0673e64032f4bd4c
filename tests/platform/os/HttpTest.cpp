// The HTTP client against a one-connection server of the test's own on the loopback address.
#include "os/Http.h"
#include "os/Services.h"
#include "support/HttpTestServer.h"
#include "support/SilentResolver.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <chrono>

namespace {

const QString VersionQuery = QStringLiteral("/home/download/GetversionSW.asp?nomesw=KT20418");

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
                                     QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 50\r\n\r\nshort"),
                                     QByteArray("HTTP/1.0 -20 Odd\r\n\r\n"), QByteArray("HTTP/1.0 +20 Odd\r\n\r\n"),
                                     QByteArray("HTTP/1.0 2 0 Odd\r\n\r\n"), QByteArray("HTTP/1.0 200 OK\r\nContent-Type: text")}) {
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

TEST_F(HttpTest, TheBodyEndsWhereTheHeaderSaysOrWhereTheServerCloses)
{
    const QByteArray Large(1024 * 1024, 'v');
    const struct {
        const char* Name;
        QByteArray Answer;
        TestHttpServer::TBehaviour Behaviour;
        QByteArray Body;
    } Cases[] = {
        {"length, connection kept open", "HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\nVER. 1.006", TestHttpServer::AnswersAndStaysOpen,
         "VER. 1.006"},
        {"length in LF lines, kept open", "HTTP/1.0 200 OK\nContent-Length: 3\n\nabcdef", TestHttpServer::AnswersAndStaysOpen, "abc"},
        {"no body, kept open", "HTTP/1.0 200 OK\r\nContent-Length: 0\r\n\r\n", TestHttpServer::AnswersAndStaysOpen, ""},
        {"large body without length", "HTTP/1.0 200 OK\r\n\r\n" + Large, TestHttpServer::Answers, Large},
        {"large body with length", "HTTP/1.0 200 OK\r\nContent-Length: 1048576\r\n\r\n" + Large,
         TestHttpServer::AnswersAndStaysOpen, Large},
    };
    for (const auto& c : Cases) {
        SCOPED_TRACE(c.Name);
        TestHttpServer Server(c.Answer, c.Behaviour);
        QString Body;
        EXPECT_NO_THROW(Body = Http.Get(Server.Url(VersionQuery)));
        EXPECT_EQ(Body, QString::fromLatin1(c.Body));
    }
}

TEST_F(HttpTest, AnAnswerTooLargeToHoldIsRefused)
{
    for (const QByteArray& Answer : {QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 99999999999\r\n\r\nabc"),
                                     QByteArray("HTTP/1.0 200 OK\r\nContent-Length: 16777217\r\n\r\nabc")}) {
        TestHttpServer Server(Answer, TestHttpServer::AnswersAndStaysOpen);
        try {
            Http.Get(Server.Url(VersionQuery));
            ADD_FAILURE() << "no exception for " << Answer.constData();
        } catch (const EIdReadTimeout&) {
            ADD_FAILURE() << "waited for a body it cannot hold: " << Answer.constData();
        } catch (const EIdException& E) {
            EXPECT_EQ(E.Message(), QStringLiteral("The HTTP answer is too large."));
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

TEST_F(HttpTest, TheTimeoutCoversANameLookupThatNeverAnswers)
{
    TSilentResolver Silent;
    Http.SetTimeout(200);
    const auto Start = std::chrono::steady_clock::now();
    EXPECT_THROW(Http.Get(QStringLiteral("http://www.velmora.com/")), EIdConnectTimeout);
    const auto Took = std::chrono::steady_clock::now() - Start;
    EXPECT_GE(Took, std::chrono::milliseconds(190));
    // Well within the time a blocked lookup would hold the caller (for ever, here).
    EXPECT_LT(Took, std::chrono::seconds(3));

    // A dotted address asks no name server.
    TestHttpServer Server("HTTP/1.0 200 OK\r\n\r\nVER. 1.005");
    EXPECT_EQ(Http.Get(Server.Url(VersionQuery)), QStringLiteral("VER. 1.005"));
    EXPECT_EQ(Silent.Lookups(), 1);
}

TEST_F(HttpTest, ARefusedConnectionRaises)
{
    const RefusingPort Closed;
    const QString Url = TNetworkEndpoint{QStringLiteral("127.0.0.1"), Closed.Port()}.HttpUrl(VersionQuery);
    EXPECT_THROW(Http.Get(Url), EIdSocketError);
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
