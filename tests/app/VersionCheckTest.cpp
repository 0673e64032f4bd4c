// The version check against a server of the test's own on 127.0.0.1, the version-text reading and the download link.
#include "UVersionCheck.h"

#include "os/Http.h"
#include "os/Services.h"
#include "support/HttpTestServer.h"
#include "support/SilentResolver.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include <chrono>

namespace {

// Points the maker's web server at 127.0.0.1 and a port of the test's.
class TLoopbackEndpoints : public TNetworkEndpointService {
public:
    uint16_t Port = 0;
    TNetworkEndpoint MakerWebServer() override { return {QStringLiteral("127.0.0.1"), Port}; }
};

QByteArray ExpectedRequest(uint16_t Port)
{
    return "GET /home/download/GetversionSW.asp?nomesw=KT20418 HTTP/1.0\r\n"
           "Host: 127.0.0.1:" + QByteArray::number(Port) + "\r\n"
           "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
           "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n"
           "\r\n";
}

class VersionCheckTest : public ::testing::Test {
protected:
    void SetUp() override { Replaced = SetNetworkEndpointService(&Endpoints); }
    void TearDown() override { SetNetworkEndpointService(Replaced); }

    TLoopbackEndpoints Endpoints;
    TNetworkEndpointService* Replaced = nullptr;
    TIdHTTP HTTP{nullptr};
};

}  // namespace

TEST(VersionTextTest, ConvVersionReadsFourDigitsAroundThePoint)
{
    struct TCase {
        const char* Text;
        int32_t Number;
    };
    const TCase Cases[] = {
        {"VER. 1.006", 1006},
        {"VER. 1.005", 1005},
        {"VER. 0.000", 0},
        {"VER. 9.999", 9999},
        {"ver. 2.010", 2010},
        {"1.005", 1005},              // no blank: the whole text
        {"  1.007  ", 1007},          // after the leading blank, trimmed
        {"VER.   1.006  ", 1006},     // blanks around the version are trimmed
        {"VER. 1.1", -1},             // too short
        {"VER. 1.00", -1},
        {"VER.", -1},
        {"", -1},
        {"ERROR", -1},                // five characters, no digits
        {"VER. ERROR", -1},
        {"VER. 1.00A", -1},
        {"VER. $.FFF", -1},           // hexadecimal is not a version
        {"VER. -.005", -1},
        {"VER. +1.005", -1},
        {"VER. 1,006", 1006},         // the point is skipped unread
        {"VER. 1.0067", 1006},        // characters after the fifth are not read
        {"VER. 1.006 beta", 1006},    // only the first blank splits
        {"A B 1.006", -1},
        {"VER.\t1.006", -1},          // only a blank splits
    };
    for (const TCase& Case : Cases) EXPECT_EQ(Conv_Version(QString::fromLatin1(Case.Text)), Case.Number) << Case.Text;
    // Arabic-Indic digits are not decimal digits here.
    EXPECT_EQ(Conv_Version(QStringLiteral(u"VER. \u0661.\u0660\u0660\u0666")), -1);
}

TEST_F(VersionCheckTest, TheAnswerDecidesWhetherANewerVersionIsAvailable)
{
    struct TCase {
        const char* Label;
        QByteArray Answer;
        bool Newer;
    };
    const TCase Cases[] = {
        {"newer", "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\nVER. 1.006", true},
        {"newer, lower case with blanks", "HTTP/1.0 200 OK\r\n\r\n  ver. 1.006 \r\n", true},
        {"much newer", "HTTP/1.0 200 OK\r\n\r\nVER. 2.000", true},
        {"same", "HTTP/1.0 200 OK\r\n\r\nVER. 1.005", false},
        {"older", "HTTP/1.0 200 OK\r\n\r\nVER. 1.004", false},
        {"no version", "HTTP/1.0 200 OK\r\n\r\nVER. 0.000", false},
        {"no version, lower case", "HTTP/1.0 200 OK\r\n\r\n ver. 0.000\r\n", false},
        {"empty", "HTTP/1.0 200 OK\r\n\r\n", false},
        {"blanks only", "HTTP/1.0 200 OK\r\n\r\n \r\n ", false},
        {"error text", "HTTP/1.0 200 OK\r\n\r\nERROR", false},
        {"short version", "HTTP/1.0 200 OK\r\n\r\nVER. 1.1", false},
        {"not found", "HTTP/1.1 404 Not Found\r\n\r\nVER. 9.999", false},
        {"server error", "HTTP/1.0 500 Internal Server Error\r\n\r\nVER. 9.999", false},
        {"redirect", "HTTP/1.0 302 Found\r\nLocation: http://127.0.0.1:1/\r\n\r\nVER. 9.999", false},
        {"malformed answer", "VER. 9.999", false},
    };
    for (const TCase& Case : Cases) {
        TestHttpServer Server(Case.Answer);
        Endpoints.Port = Server.Port();
        EXPECT_EQ(Check_Version(HTTP), Case.Newer) << Case.Label;
        EXPECT_EQ(Server.Request(), ExpectedRequest(Server.Port())) << Case.Label;
    }
}

TEST_F(VersionCheckTest, TheRequestHeadersAndTheTimeOutAreSetOnTheClient)
{
    HTTP.Request()->SetAccept(QStringLiteral("text/plain"));
    HTTP.Request()->SetUserAgent(QStringLiteral("someone else"));
    TestHttpServer Server("HTTP/1.0 200 OK\r\n\r\nVER. 1.006");
    Endpoints.Port = Server.Port();
    EXPECT_TRUE(Check_Version(HTTP));
    EXPECT_EQ(Server.Request(), ExpectedRequest(Server.Port()));
    EXPECT_EQ(HTTP.Timeout(), 15000);
    EXPECT_EQ(Version_Check_Timeout, 15000);
}

TEST_F(VersionCheckTest, ARefusedConnectionIsNoNewerVersion)
{
    const RefusingPort Closed;
    Endpoints.Port = Closed.Port();
    EXPECT_FALSE(Check_Version(HTTP));
}

TEST_F(VersionCheckTest, AServerThatNeverAnswersTimesOutAsNoNewerVersion)
{
    TestHttpServer Server("", TestHttpServer::NeverAnswers);
    Endpoints.Port = Server.Port();
    EXPECT_FALSE(Check_Version(HTTP, 100));
    EXPECT_EQ(HTTP.Timeout(), 100);
    EXPECT_EQ(Server.Request(), ExpectedRequest(Server.Port()));
}

TEST_F(VersionCheckTest, AnUnknownHostIsNoNewerVersion)
{
    struct TNoHost : TNetworkEndpointService {
        TNetworkEndpoint MakerWebServer() override { return {QStringLiteral("no-such-host.invalid"), 80}; }
    } NoHost;
    SetNetworkEndpointService(&NoHost);
    EXPECT_FALSE(Check_Version(HTTP));
    SetNetworkEndpointService(&Endpoints);
}

TEST_F(VersionCheckTest, ANameServerThatNeverAnswersEndsTheCheckWithinItsDeadline)
{
    // The maker's own host name, looked up through name servers that never answer.
    SetNetworkEndpointService(nullptr);
    {
        TSilentResolver Silent;
        const auto Start = std::chrono::steady_clock::now();
        EXPECT_FALSE(Check_Version(HTTP, 300));
        EXPECT_LT(std::chrono::steady_clock::now() - Start, std::chrono::seconds(3));
    }
    SetNetworkEndpointService(&Endpoints);
}

TEST_F(VersionCheckTest, TheDownloadLinkPointsAtTheMakersDownloadPage)
{
    Endpoints.Port = 8080;
    EXPECT_EQ(Download_Page_Url(), QStringLiteral("http://127.0.0.1:8080/Home/download/download.asp#RB20418"));
    EXPECT_EQ(Download_Link_Caption(QStringLiteral("New Version Available. Click Here for more Details")),
              QStringLiteral("<a href=\"http://127.0.0.1:8080/Home/download/download.asp#RB20418\">"
                             "New Version Available. Click Here for more Details</a>"));

    SetNetworkEndpointService(nullptr);
    EXPECT_EQ(Download_Link_Caption(QStringLiteral("x")),
              QStringLiteral("<a href=\"http://www.velmora.com/Home/download/download.asp#RB20418\">x</a>"));
    SetNetworkEndpointService(&Endpoints);
}
