// Socket descriptors, deadlines, host-name lookup and the socket error texts.
#include "os/Sockets.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

namespace Sockets {

TSocket& TSocket::operator=(TSocket&& Other) noexcept
{
    if (this != &Other) {
        if (FFd >= 0) close(FFd);
        FFd = std::exchange(Other.FFd, -1);
    }
    return *this;
}

TSocket::~TSocket()
{
    if (FFd >= 0) close(FFd);
}

TDeadline TDeadline::After(int32_t Ms)
{
    if (Ms <= 0) return TDeadline();
    return TDeadline(TClock::now() + std::chrono::milliseconds(Ms));
}

int TDeadline::RemainingMs() const
{
    if (!FSet) return -1;
    const auto Left = std::chrono::ceil<std::chrono::milliseconds>(FAt - TClock::now()).count();
    return static_cast<int>(std::clamp<decltype(Left)>(Left, 0, std::numeric_limits<int>::max()));
}

void RaiseSocketError(int Error)
{
    throw EIdSocketError(QStringLiteral("Socket Error # %1\n%2").arg(Error).arg(QString::fromLocal8Bit(strerror(Error))));
}

void RaiseLastSocketError()
{
    RaiseSocketError(errno);
}

TSocket OpenSocket(int Type, int Protocol)
{
    TSocket Socket(socket(AF_INET, Type | SOCK_NONBLOCK | SOCK_CLOEXEC, Protocol));
    if (!Socket.Valid()) RaiseLastSocketError();
    return Socket;
}

sockaddr_in ResolveHost(const QString& Host, uint16_t Port)
{
    sockaddr_in Address{};
    Address.sin_family = AF_INET;
    Address.sin_port = htons(Port);
    const QByteArray Name = Host.trimmed().toUtf8();
    if (inet_pton(AF_INET, Name.constData(), &Address.sin_addr) == 1) return Address;

    // Names under ".invalid" are negative answers by definition (RFC 6761); they cost no lookup.
    const bool Invalid = Name.isEmpty() || Name.toLower().endsWith(".invalid") || Name.toLower() == "invalid";
    addrinfo Hints{};
    Hints.ai_family = AF_INET;
    addrinfo* Found = nullptr;
    if (Invalid || getaddrinfo(Name.constData(), nullptr, &Hints, &Found) != 0 || !Found)
        throw EIdSocketError(QStringLiteral("Host not found: \"%1\"").arg(Host));
    Address.sin_addr = reinterpret_cast<const sockaddr_in*>(Found->ai_addr)->sin_addr;
    freeaddrinfo(Found);
    return Address;
}

QString AddressText(const sockaddr_in& Address)
{
    char Text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &Address.sin_addr, Text, sizeof Text);
    return QString::fromLatin1(Text);
}

bool WaitFor(int Fd, short Events, const TDeadline& Deadline)
{
    pollfd Poll{Fd, Events, 0};
    for (;;) {
        const int Ready = poll(&Poll, 1, Deadline.RemainingMs());
        if (Ready > 0) return true;
        if (Ready == 0) return false;
        if (errno != EINTR) RaiseLastSocketError();
    }
}

}  // namespace Sockets
