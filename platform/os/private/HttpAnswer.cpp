// Reading an HTTP answer: the header, the status line, the body and its text.
#include "os/private/HttpAnswer.h"

#include "os/Sockets.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

[[noreturn]] void Malformed(const QString& Why)
{
    throw EIdException(QStringLiteral("Malformed HTTP answer: %1").arg(Why));
}

}  // namespace

QByteArray HttpHeaderValue(const THttpAnswer& Answer, QByteArrayView Name)
{
    for (const QByteArray& Line : Answer.Headers) {
        const qsizetype Colon = Line.indexOf(':');
        if (Colon > 0 && Line.first(Colon).trimmed().compare(Name, Qt::CaseInsensitive) == 0)
            return Line.sliced(Colon + 1).trimmed();
    }
    return QByteArray();
}

qsizetype ReadHttpHeader(const QByteArray& Data, THttpAnswer& Answer)
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

qsizetype AnnouncedHttpLength(const THttpAnswer& Answer)
{
    bool Read = false;
    const qsizetype Length = HttpHeaderValue(Answer, "Content-Length").toLongLong(&Read);
    return Read && Length >= 0 ? Length : -1;
}

THttpAnswer ParseHttpAnswer(const QByteArray& Data)
{
    THttpAnswer Answer;
    const qsizetype Pos = ReadHttpHeader(Data, Answer);
    if (Pos < 0) Malformed(QStringLiteral("the header does not end"));

    // "HTTP/1.x 200 OK": a three-digit code after the version.
    const QList<QByteArray> Status = Answer.StatusLine.split(' ');
    bool CodeRead = false;
    if (Status.size() >= 2 && Status[0].startsWith("HTTP/") && Status[1].size() == 3
        && std::all_of(Status[1].begin(), Status[1].end(), [](char C) { return C >= '0' && C <= '9'; }))
        Answer.Code = Status[1].toInt(&CodeRead);
    if (!CodeRead) Malformed(QStringLiteral("no status line"));

    Answer.Body = Data.sliced(Pos);
    const QByteArray Length = HttpHeaderValue(Answer, "Content-Length");
    if (!Length.isEmpty()) {
        bool LengthRead = false;
        const qsizetype Expected = Length.toLongLong(&LengthRead);
        if (!LengthRead || Expected < 0) Malformed(QStringLiteral("bad Content-Length"));
        if (Expected > Answer.Body.size()) Malformed(QStringLiteral("the connection closed before the whole body came"));
        Answer.Body.truncate(Expected);
    }
    return Answer;
}

QString HttpBodyText(const THttpAnswer& Answer)
{
    const QByteArray Type = HttpHeaderValue(Answer, "Content-Type");
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
