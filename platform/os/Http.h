// TIdHTTP: a blocking HTTP/1.0 client that fetches one resource with GET.
#pragma once

#include "os/Sockets.h"
#include "rtl/Component.h"

#include <QString>

#include <cstdint>

// The server answered with a status outside 2xx. The message is the status line.
class EIdHTTPProtocolException : public EIdException {
public:
    EIdHTTPProtocolException(const QString& Msg, int32_t AErrorCode, const QString& AErrorMessage)
        : EIdException(Msg), FErrorCode(AErrorCode), FErrorMessage(AErrorMessage) {}
    int32_t ErrorCode() const { return FErrorCode; }
    // The body of the answer.
    const QString& ErrorMessage() const { return FErrorMessage; }

private:
    int32_t FErrorCode;
    QString FErrorMessage;
};

// The request headers besides the request line and Host.
class TIdHTTPRequest {
public:
    const QString& Accept() const { return FAccept; }
    void SetAccept(const QString& Value) { FAccept = Value; }
    const QString& UserAgent() const { return FUserAgent; }
    void SetUserAgent(const QString& Value) { FUserAgent = Value; }

private:
    QString FAccept = QStringLiteral("text/html, */*");
    QString FUserAgent = QStringLiteral("Mozilla/3.0 (compatible; Indy Library)");
};

// Keeps no cookies and follows no redirects; each Get opens its own connection, which the server
// closes after the answer.
class TIdHTTP : public TComponent {
public:
    explicit TIdHTTP(TComponent* AOwner);

    TIdHTTPRequest* Request() { return &FRequest; }
    // Milliseconds a Get may take, the name lookup, connecting and answering together; 0 or less
    // waits for ever.
    int32_t Timeout() const { return FTimeout; }
    void SetTimeout(int32_t Value) { FTimeout = Value; }

    // Fetches AURL ("http://host[:port]/path?query"; a fragment is not sent) and returns the body
    // as text, decoded by the charset the answer names (Latin-1 when it names none it knows).
    // Raises EIdSocketError when the host has no address or the connection fails,
    // EIdConnectTimeout / EIdReadTimeout when Timeout passes, EIdHTTPProtocolException for a
    // status outside 2xx, and EIdException for a URL that is not http or a malformed answer.
    QString Get(const QString& AURL);

    // Status code and status line of the last answer; -1 and "" before the first.
    int32_t ResponseCode() const { return FResponseCode; }
    const QString& ResponseText() const { return FResponseText; }

private:
    TIdHTTPRequest FRequest;
    int32_t FTimeout = 0;
    int32_t FResponseCode = -1;
    QString FResponseText;
};
