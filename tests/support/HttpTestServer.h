// A one-connection HTTP server on 127.0.0.1 for client tests, and a loopback port that refuses connections.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <thread>

// Accepts one connection on 127.0.0.1 (an ephemeral port), reads the request, sends Answer and
// closes. With NeverAnswers it keeps the connection open until the client closes it; with
// AnswersAndStaysOpen it sends Answer and then does the same. A client that
// does not come within 5 s is given up.
class TestHttpServer {
public:
    enum TBehaviour { Answers, NeverAnswers, AnswersAndStaysOpen };

    explicit TestHttpServer(QByteArray Answer, TBehaviour Behaviour = Answers);
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    uint16_t Port() const { return FPort; }
    QString Url(const QString& PathAndQuery) const;
    // The request as it came; read it after the client is done.
    const QByteArray& Request() const { return FRequest; }

private:
    void Serve();

    QByteArray FAnswer;
    TBehaviour FBehaviour;
    int FListener = -1;
    uint16_t FPort = 0;
    QByteArray FRequest;
    std::thread FThread;
};

// A loopback port bound without listening: every connection to it is refused.
class RefusingPort {
public:
    RefusingPort();
    ~RefusingPort();
    RefusingPort(const RefusingPort&) = delete;
    RefusingPort& operator=(const RefusingPort&) = delete;

    uint16_t Port() const { return FPort; }

private:
    int FSocket = -1;
    uint16_t FPort = 0;
};
