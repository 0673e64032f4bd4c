// Binding, sending and receiving of the UDP endpoint.
#include "os/Udp.h"

#include "rtl/EventExceptions.h"

#include <QSocketNotifier>

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>

#include <cerrno>

using namespace Sockets;

namespace {
constexpr qsizetype LargestDatagram = 65536;
}  // namespace

TIdUDPServer::TIdUDPServer(TComponent* AOwner) : TComponent(AOwner)
{
}

TIdUDPServer::~TIdUDPServer()
{
    SetActive(false);
}

void TIdUDPServer::SetActive(bool Value)
{
    if (Value == Active()) return;
    if (!Value) {
        // The notifier may be the one whose event is running (OnUDPRead deactivating), so it goes
        // later; disabled now, it no longer watches the descriptor closed below.
        FNotifier->setEnabled(false);
        FNotifier.release()->deleteLater();
        FSocket = TSocket();
        FBoundPort = 0;
        return;
    }

    TSocket Socket = OpenSocket(SOCK_DGRAM, IPPROTO_UDP);
    sockaddr_in Local{};
    Local.sin_family = AF_INET;
    Local.sin_port = htons(FDefaultPort);
    Local.sin_addr.s_addr = htonl(INADDR_ANY);
    if (bind(Socket.Fd(), reinterpret_cast<const sockaddr*>(&Local), sizeof Local) < 0) {
        if (errno == EADDRINUSE)
            throw EIdCouldNotBindSocket(QStringLiteral("Could not bind socket. Address and port are already in use."));
        RaiseLastSocketError();
    }
    socklen_t LocalSize = sizeof Local;
    if (getsockname(Socket.Fd(), reinterpret_cast<sockaddr*>(&Local), &LocalSize) < 0) RaiseLastSocketError();

    FSocket = std::move(Socket);
    FBoundPort = ntohs(Local.sin_port);
    FNotifier = std::make_unique<QSocketNotifier>(FSocket.Fd(), QSocketNotifier::Read);
    QObject::connect(FNotifier.get(), &QSocketNotifier::activated, FNotifier.get(), [this] { ReadPending(); });
}

void TIdUDPServer::SendBuffer(const QString& AHost, uint16_t APort, const QByteArray& ABuffer)
{
    CheckActive();
    const sockaddr_in Target = ResolveHost(AHost, APort);
    if (sendto(FSocket.Fd(), ABuffer.constData(), ABuffer.size(), 0, reinterpret_cast<const sockaddr*>(&Target), sizeof Target) < 0)
        RaiseLastSocketError();
}

bool TIdUDPServer::ReceiveBuffer(QByteArray& ABuffer, QString& VPeerIP, uint16_t& VPeerPort, int32_t ATimeout)
{
    CheckActive();
    const TDeadline Deadline = TDeadline::After(ATimeout);
    TIdSocketHandle Binding;
    while (WaitFor(FSocket.Fd(), POLLIN, Deadline)) {
        if (ReadDatagram(ABuffer, Binding)) {
            VPeerIP = Binding.PeerIP;
            VPeerPort = Binding.PeerPort;
            return true;
        }
    }
    ABuffer.clear();
    return false;
}

bool TIdUDPServer::ReadDatagram(QByteArray& Data, TIdSocketHandle& Binding)
{
    Data.resize(LargestDatagram);
    sockaddr_in Peer{};
    socklen_t PeerSize = sizeof Peer;
    ssize_t Size;
    do {
        Size = recvfrom(FSocket.Fd(), Data.data(), Data.size(), 0, reinterpret_cast<sockaddr*>(&Peer), &PeerSize);
    } while (Size < 0 && errno == EINTR);
    if (Size < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK) return false;
        RaiseLastSocketError();
    }
    Data.resize(Size);
    Binding = {QStringLiteral("0.0.0.0"), FBoundPort, AddressText(Peer), ntohs(Peer.sin_port)};
    return true;
}

void TIdUDPServer::ReadPending()
{
    // Called from the event loop: nothing may escape into Qt.
    try {
        QByteArray Data;
        TIdSocketHandle Binding;
        while (Active() && ReadDatagram(Data, Binding)) {
            if (OnUDPRead) OnUDPRead(this, Data, Binding);
        }
    } catch (...) {
        HandleEventException(this);
    }
}

void TIdUDPServer::CheckActive() const
{
    if (!Active()) throw EIdSocketError(QStringLiteral("The UDP endpoint is not active."));
}
