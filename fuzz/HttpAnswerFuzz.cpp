// Fuzz target: HTTP answers as the version check's client reads them, and the answer written
// back from what was read.
#include "os/Sockets.h"
#include "os/private/HttpAnswer.h"

#include <cstdint>
#include <cstdlib>

namespace {

// The answer again as a server would send it: the lines the reader kept, then the body.
QByteArray Written(const THttpAnswer& Answer)
{
    QByteArray Data = Answer.StatusLine + "\r\n";
    for (const QByteArray& Header : Answer.Headers) Data += Header + "\r\n";
    return Data + "\r\n" + Answer.Body;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const QByteArray Bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    THttpAnswer Answer;
    try {
        Answer = ParseHttpAnswer(Bytes);
    } catch (const EIdException&) {
        return 0;
    }
    // A three-digit status after an "HTTP/" version, and a body that is a part of what came,
    // no longer than the header announces.
    if (!Answer.StatusLine.startsWith("HTTP/") || Answer.Code < 0 || Answer.Code > 999) std::abort();
    THttpAnswer Header;
    const qsizetype BodyAt = ReadHttpHeader(Bytes, Header);
    if (BodyAt < 0 || Bytes.mid(BodyAt, Answer.Body.size()) != Answer.Body) std::abort();
    const qsizetype Announced = AnnouncedHttpLength(Answer);
    if (Announced >= 0 && Answer.Body.size() != Announced) std::abort();

    // What was read, written out again, reads the same.
    const THttpAnswer Again = ParseHttpAnswer(Written(Answer));
    if (Again.StatusLine != Answer.StatusLine || Again.Code != Answer.Code || Again.Headers != Answer.Headers ||
        Again.Body != Answer.Body)
        std::abort();
    // A body without a charset is Latin-1: one character a byte.
    const QString Text = HttpBodyText(Answer);
    if (HttpHeaderValue(Answer, "Content-Type").isEmpty() && Text.size() != Answer.Body.size()) std::abort();
    return 0;
}
