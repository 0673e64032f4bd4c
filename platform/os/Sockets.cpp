// Socket descriptors, deadlines, host-name lookup and the socket error texts.
#include "os/Sockets.h"

#include "rtl/ServiceSlot.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <limits>
#include <memory>
#include <mutex>
#include <thread>

namespace {

// A lookup running on a thread of its own, shared with the caller that waits for it: whichever
// of the two lets go last frees it.
struct TLookup {
    std::mutex Lock;
    std::condition_variable Ended;
    bool Done = false;
    bool Found = false;
    in_addr Address{};
};

// Looks Name up through Resolver, waiting no longer than Deadline; false when the name has no
// address, EIdConnectTimeout when the deadline comes first.
bool LookupWithin(THostNameResolver& Resolver, const QByteArray& Name, in_addr& Address, const Sockets::TDeadline& Deadline)
{
    const auto Lookup = std::make_shared<TLookup>();
    std::thread([Lookup, Name, &Resolver] {
        in_addr Found{};
        const bool Answered = Resolver.Lookup(Name, Found);
        const std::lock_guard<std::mutex> Guard(Lookup->Lock);
        Lookup->Done = true;
        Lookup->Found = Answered;
        Lookup->Address = Found;
        Lookup->Ended.notify_all();
    }).detach();
    std::unique_lock<std::mutex> Guard(Lookup->Lock);
    while (!Lookup->Done) {
        const int Left = Deadline.RemainingMs();
        if (Left == 0) throw EIdConnectTimeout(QStringLiteral("Connect timed out."));
        Lookup->Ended.wait_for(Guard, std::chrono::milliseconds(Left));
    }
    Address = Lookup->Address;
    return Lookup->Found;
}

}  // namespace

bool THostNameResolver::Lookup(const QByteArray& Name, in_addr& Address)
{
    addrinfo Hints{};
    Hints.ai_family = AF_INET;
    addrinfo* Found = nullptr;
    if (getaddrinfo(Name.constData(), nullptr, &Hints, &Found) != 0) return false;
    const bool Answered = Found != nullptr;
    if (Answered) Address = reinterpret_cast<const sockaddr_in*>(Found->ai_addr)->sin_addr;
    freeaddrinfo(Found);
    return Answered;
}

THostNameResolver* SetHostNameResolver(THostNameResolver* Resolver)
{
    return InstallService(Resolver);
}

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

sockaddr_in ResolveHost(const QString& Host, uint16_t Port, const TDeadline& Deadline)
{
    sockaddr_in Address{};
    Address.sin_family = AF_INET;
    Address.sin_port = htons(Port);
    const QByteArray Name = Host.trimmed().toUtf8();
    if (inet_pton(AF_INET, Name.constData(), &Address.sin_addr) == 1) return Address;

    // Names under ".invalid" are negative answers by definition (RFC 6761); they cost no lookup.
    const bool Invalid = Name.isEmpty() || Name.toLower().endsWith(".invalid") || Name.toLower() == "invalid";
    THostNameResolver& Resolver = *InstalledService<THostNameResolver>();
    const bool Found = !Invalid && (Deadline.Comes() ? LookupWithin(Resolver, Name, Address.sin_addr, Deadline)
                                                     : Resolver.Lookup(Name, Address.sin_addr));
    if (!Found) throw EIdSocketError(QStringLiteral("Host not found: \"%1\"").arg(Host));
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
