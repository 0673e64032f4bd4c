// The HTTP/1.0 GET exchange: the URL, the request and the wait for the whole answer.
#include "os/Http.h"

#include "os/private/HttpAnswer.h"

#include <QByteArray>
#include <QUrl>

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>

using namespace Sockets;

namespace {

constexpr qsizetype LargestAnswer = 16 * 1024 * 1024;

struct TTarget {
    QString Host;
    uint16_t Port = 80;
    // The Host header's value and the resource the request line names.
    QByteArray HostHeader;
    QByteArray Resource;
};

TTarget ParseUrl(const QString& AURL)
{
    const QUrl Url(AURL, QUrl::StrictMode);
    if (!Url.isValid() || Url.scheme() != QLatin1String("http") || Url.host().isEmpty())
        throw EIdException(QStringLiteral("Unsupported URL: %1").arg(AURL));
    TTarget Target;
    Target.Host = Url.host();
    Target.Port = static_cast<uint16_t>(Url.port(80));
    Target.HostHeader = Url.host(QUrl::FullyEncoded).toUtf8();
    if (Target.Port != 80) Target.HostHeader += ':' + QByteArray::number(Target.Port);
    Target.Resource = Url.path(QUrl::FullyEncoded).toUtf8();
    if (Target.Resource.isEmpty()) Target.Resource = "/";
    if (Url.hasQuery()) Target.Resource += '?' + Url.query(QUrl::FullyEncoded).toUtf8();
    return Target;
}

TSocket Connect(const sockaddr_in& Address, const TDeadline& Deadline)
{
    TSocket Socket = OpenSocket(SOCK_STREAM, IPPROTO_TCP);
    if (connect(Socket.Fd(), reinterpret_cast<const sockaddr*>(&Address), sizeof Address) < 0) {
        if (errno != EINPROGRESS) RaiseLastSocketError();
        if (!WaitFor(Socket.Fd(), POLLOUT, Deadline)) throw EIdConnectTimeout(QStringLiteral("Connect timed out."));
        int Error = 0;
        socklen_t ErrorSize = sizeof Error;
        if (getsockopt(Socket.Fd(), SOL_SOCKET, SO_ERROR, &Error, &ErrorSize) < 0) RaiseLastSocketError();
        if (Error != 0) RaiseSocketError(Error);
    }
    return Socket;
}

EIdException TooLarge()
{
    return EIdException(QStringLiteral("The HTTP answer is too large."));
}

[[noreturn]] void ReadTimedOut()
{
    throw EIdReadTimeout(QStringLiteral("Read timed out."));
}

void SendAll(int Fd, const QByteArray& Data, const TDeadline& Deadline)
{
    for (qsizetype Sent = 0; Sent < Data.size();) {
        if (!WaitFor(Fd, POLLOUT, Deadline)) ReadTimedOut();
        const ssize_t Size = send(Fd, Data.constData() + Sent, Data.size() - Sent, MSG_NOSIGNAL);
        if (Size >= 0) Sent += Size;
        else if (errno != EAGAIN && errno != EINTR) RaiseLastSocketError();
    }
}

// What the server sends until it closes the connection, as HTTP/1.0 has it, or until the body
// the header announces has come whole, so a server keeping the connection open is not waited for.
QByteArray ReceiveAll(int Fd, const TDeadline& Deadline)
{
    QByteArray Answer;
    bool HeaderSeen = false;
    qsizetype Expected = -1;
    char Chunk[16384];
    for (;;) {
        if (!WaitFor(Fd, POLLIN, Deadline)) ReadTimedOut();
        const ssize_t Size = recv(Fd, Chunk, sizeof Chunk, 0);
        if (Size == 0) return Answer;
        if (Size < 0) {
            if (errno != EAGAIN && errno != EINTR) RaiseLastSocketError();
            continue;
        }
        const qsizetype From = std::max<qsizetype>(0, Answer.size() - 2);
        Answer.append(Chunk, Size);
        if (Answer.size() > LargestAnswer) throw TooLarge();
        // Only the new bytes are searched for the header's end, so a header that never ends costs no more.
        if (!HeaderSeen && (Answer.indexOf("\n\n", From) >= 0 || Answer.indexOf("\n\r\n", From) >= 0)) {
            HeaderSeen = true;
            THttpAnswer Header;
            const qsizetype BodyAt = ReadHttpHeader(Answer, Header);
            const qsizetype Length = BodyAt < 0 ? -1 : AnnouncedHttpLength(Header);
            if (Length > LargestAnswer) throw TooLarge();
            if (Length >= 0) Expected = BodyAt + Length;
        }
        if (Expected >= 0 && Answer.size() >= Expected) return Answer;
    }
}

}  // namespace

TIdHTTP::TIdHTTP(TComponent* AOwner) : TComponent(AOwner)
{
}

QString TIdHTTP::Get(const QString& AURL)
{
    FResponseCode = -1;
    FResponseText.clear();
    const TTarget Target = ParseUrl(AURL);
    const TDeadline Deadline = TDeadline::After(FTimeout);
    const TSocket Socket = Connect(ResolveHost(Target.Host, Target.Port, Deadline), Deadline);

    const QByteArray Request = "GET " + Target.Resource + " HTTP/1.0\r\n"
                               "Host: " + Target.HostHeader + "\r\n"
                               "Accept: " + FRequest.Accept().toUtf8() + "\r\n"
                               "User-Agent: " + FRequest.UserAgent().toUtf8() + "\r\n"
                               "\r\n";
    SendAll(Socket.Fd(), Request, Deadline);
    const THttpAnswer Answer = ParseHttpAnswer(ReceiveAll(Socket.Fd(), Deadline));

    FResponseCode = Answer.Code;
    FResponseText = QString::fromLatin1(Answer.StatusLine);
    const QString Body = HttpBodyText(Answer);
    if (Answer.Code < 200 || Answer.Code > 299) throw EIdHTTPProtocolException(FResponseText, Answer.Code, Body);
    return Body;
}
