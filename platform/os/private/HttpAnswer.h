// Reading an HTTP answer: the header's end, the status line, the headers, the body and its text.
// Layer-internal: the HTTP client and its fuzz target use it.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <cstdint>

struct THttpAnswer {
    QByteArray StatusLine;
    int32_t Code = 0;
    QList<QByteArray> Headers;  // the lines after the status line, without their line ends
    QByteArray Body;
};

// Reads the status line and headers of Data into Answer; lines end at LF, a CR before it is
// dropped, an empty line ends the header. The offset of the body, -1 when the header has not
// ended yet.
qsizetype ReadHttpHeader(const QByteArray& Data, THttpAnswer& Answer);
// The value of header Name (compared without case), trimmed; empty when it is missing.
QByteArray HttpHeaderValue(const THttpAnswer& Answer, QByteArrayView Name);
// The body length the header announces; -1 when it names none or a malformed one.
qsizetype AnnouncedHttpLength(const THttpAnswer& Answer);
// The whole answer as the server sent it until it closed: a status line "HTTP/x 123 ...", the
// headers and the body, cut at the Content-Length. Raises EIdException "Malformed HTTP answer: ..."
// when the header does not end, there is no status line, the length is malformed or more than came.
THttpAnswer ParseHttpAnswer(const QByteArray& Data);
// The body as text, decoded by the charset the Content-Type names (Latin-1 when it names none it knows).
QString HttpBodyText(const THttpAnswer& Answer);
