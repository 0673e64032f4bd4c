// The HTTP/1.0 GET exchange: the URL, the request, the wait for the whole answer and its parsing.
#include "os/Http.h"

#include <QByteArray>
#include <QList>
#include <QStringDecoder>
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

struct TAnswer {
    QByteArray StatusLine;
    int32_t Code = 0;
    QList<QByteArray> Headers;
    QByteArray Body;
};

[[noreturn]] void Malformed(const QString& Why)
{
    throw EIdException(QStringLiteral("Malformed HTTP answer: %1").arg(Why));
}

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

// The value of header Name (compared without case), trimmed; empty when it is missing.
QByteArray HeaderValue(const TAnswer& Answer, QByteArrayView Name)
{
    for (const QByteArray& Line : Answer.Headers) {
        const qsizetype Colon = Line.indexOf(':');
        if (Colon > 0 && Line.first(Colon).trimmed().compare(Name, Qt::CaseInsensitive) == 0)
            return Line.sliced(Colon + 1).trimmed();
    }
    return QByteArray();
}

// Reads the status line and headers into Answer; the offset of the body, -1 when the header has
// not ended yet.
qsizetype ReadHeader(const QByteArray& Data, TAnswer& Answer)
{
    qsizetype Pos = 0;
    for (;;) {
        const qsizetype End = Data.indexOf('\n', Pos);
        if (End < 0) return -1;
        QByteArray Line = Data.sliced(Pos, End - Pos);
        if (Line.endsWith('\r')) Line.chop(1);
        Pos = End + 1;
        if (Line.isEmpty()) return Pos;
        if (Answer.StatusLine.isEmpty()) Answer.StatusLine = Line;
        else Answer.Headers << Line;
    }
}

// The body length the answer's header announces; -1 when it names none or a malformed one.
qsizetype AnnouncedLength(const TAnswer& Answer)
{
    bool Read = false;
    const qsizetype Length = HeaderValue(Answer, "Content-Length").toLongLong(&Read);
    return Read && Length >= 0 ? Length : -1;
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
            TAnswer Header;
            const qsizetype BodyAt = ReadHeader(Answer, Header);
            const qsizetype Length = BodyAt < 0 ? -1 : AnnouncedLength(Header);
            if (Length > LargestAnswer) throw TooLarge();
            if (Length >= 0) Expected = BodyAt + Length;
        }
        if (Expected >= 0 && Answer.size() >= Expected) return Answer;
    }
}

TAnswer ParseAnswer(const QByteArray& Data)
{
    TAnswer Answer;
    const qsizetype Pos = ReadHeader(Data, Answer);
    if (Pos < 0) Malformed(QStringLiteral("the header does not end"));

    // "HTTP/1.x 200 OK": a three-digit code after the version.
    const QList<QByteArray> Status = Answer.StatusLine.split(' ');
    bool CodeRead = false;
    if (Status.size() >= 2 && Status[0].startsWith("HTTP/") && Status[1].size() == 3
        && std::all_of(Status[1].begin(), Status[1].end(), [](char C) { return C >= '0' && C <= '9'; }))
        Answer.Code = Status[1].toInt(&CodeRead);
    if (!CodeRead) Malformed(QStringLiteral("no status line"));

    Answer.Body = Data.sliced(Pos);
    const QByteArray Length = HeaderValue(Answer, "Content-Length");
    if (!Length.isEmpty()) {
        bool LengthRead = false;
        const qsizetype Expected = Length.toLongLong(&LengthRead);
        if (!LengthRead || Expected < 0) Malformed(QStringLiteral("bad Content-Length"));
        if (Expected > Answer.Body.size()) Malformed(QStringLiteral("the connection closed before the whole body came"));
        Answer.Body.truncate(Expected);
    }
    return Answer;
}

QString BodyText(const TAnswer& Answer)
{
    const QByteArray Type = HeaderValue(Answer, "Content-Type");
    const qsizetype At = Type.toLower().indexOf("charset=");
    if (At >= 0) {
        QByteArray Charset = Type.sliced(At + 8);
        if (const qsizetype Semicolon = Charset.indexOf(';'); Semicolon >= 0) Charset.truncate(Semicolon);
        Charset = Charset.trimmed().replace('"', "");
        QStringDecoder Decoder(Charset.constData());
        if (Decoder.isValid()) return Decoder.decode(Answer.Body);
    }
    return QString::fromLatin1(Answer.Body);
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
    const TAnswer Answer = ParseAnswer(ReceiveAll(Socket.Fd(), Deadline));

    FResponseCode = Answer.Code;
    FResponseText = QString::fromLatin1(Answer.StatusLine);
    const QString Body = BodyText(Answer);
    if (Answer.Code < 200 || Answer.Code > 299) throw EIdHTTPProtocolException(FResponseText, Answer.Code, Body);
    return Body;
}
