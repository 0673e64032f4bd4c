// The exceptions of the network clients and the socket plumbing they share.
#pragma once

#include "rtl/Exceptions.h"

#include <QString>

#include <chrono>
#include <cstdint>
#include <utility>

#include <netinet/in.h>

KT_DECLARE_EXCEPTION(EIdException, Exception);
// A socket call or a host-name lookup failed.
KT_DECLARE_EXCEPTION(EIdSocketError, EIdException);
// The local port is taken.
KT_DECLARE_EXCEPTION(EIdCouldNotBindSocket, EIdSocketError);
KT_DECLARE_EXCEPTION(EIdConnectTimeout, EIdException);
KT_DECLARE_EXCEPTION(EIdReadTimeout, EIdException);

// The name servers' lookup behind ResolveHost; tests install one that answers slowly or never.
// It may run on a thread of its own, and a lookup left at its deadline still runs to its end:
// an installed resolver must be safe to call from any thread and outlive its lookups.
class THostNameResolver {
public:
    virtual ~THostNameResolver() = default;
    // The IPv4 address of Name (getaddrinfo), blocking as long as the name servers take; false when
    // the name has none.
    virtual bool Lookup(const QByteArray& Name, in_addr& Address);
};
// Installs Resolver (nil: the real one) and returns the one it replaces; the caller keeps ownership.
THostNameResolver* SetHostNameResolver(THostNameResolver* Resolver);

namespace Sockets {

// A socket descriptor, closed with the object.
class TSocket {
public:
    TSocket() = default;
    explicit TSocket(int Fd) : FFd(Fd) {}
    TSocket(TSocket&& Other) noexcept : FFd(std::exchange(Other.FFd, -1)) {}
    TSocket& operator=(TSocket&& Other) noexcept;
    ~TSocket();

    int Fd() const { return FFd; }
    bool Valid() const { return FFd >= 0; }

private:
    int FFd = -1;
};

// The moment a blocking operation must be done by; a default one never comes.
class TDeadline {
public:
    TDeadline() = default;
    // Ms milliseconds from now; 0 or less never comes.
    static TDeadline After(int32_t Ms);
    // Milliseconds left for poll(): -1 for a deadline that never comes, 0 once it has passed.
    int RemainingMs() const;
    bool Comes() const { return FSet; }

private:
    using TClock = std::chrono::steady_clock;
    explicit TDeadline(TClock::time_point At) : FAt(At), FSet(true) {}

    TClock::time_point FAt;
    bool FSet = false;
};

// Raises EIdSocketError "Socket Error # <error>" with the system's text for Error (an errno value).
[[noreturn]] void RaiseSocketError(int Error);
// The same for the errno of the call that just failed.
[[noreturn]] void RaiseLastSocketError();

// A non-blocking socket closed on exec; raises EIdSocketError when the system refuses it.
TSocket OpenSocket(int Type, int Protocol);
// The IPv4 address of Host (dotted or a name) with Port. Raises EIdSocketError when the name has no
// IPv4 address; names under ".invalid" never have one and are not looked up. A name is looked up
// through the host-name resolver; with a deadline that comes, the lookup runs beside the caller,
// which raises EIdConnectTimeout when the deadline comes first (the lookup is left to end by itself).
sockaddr_in ResolveHost(const QString& Host, uint16_t Port, const TDeadline& Deadline = TDeadline());
// The dotted text of Address's IP.
QString AddressText(const sockaddr_in& Address);

// Waits until Fd is ready for Events (POLLIN, POLLOUT); false when the deadline came first.
bool WaitFor(int Fd, short Events, const TDeadline& Deadline);

}  // namespace Sockets
