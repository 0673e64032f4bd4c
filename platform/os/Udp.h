// TIdUDPServer: a UDP endpoint on one local IPv4 port that sends datagrams and hands received ones to OnUDPRead.
#pragma once

#include "os/Sockets.h"
#include "rtl/Component.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

class QSocketNotifier;

// The local end and the sender of a received datagram.
struct TIdSocketHandle {
    QString IP;
    uint16_t Port = 0;
    QString PeerIP;
    uint16_t PeerPort = 0;
};

// While active, the endpoint is bound to DefaultPort on all interfaces. Datagrams that arrive are
// read by the event loop of the thread that activated it (the user-interface thread) and handed
// to OnUDPRead one by one, or dropped when it is not assigned; ReceiveBuffer serves code that
// waits for a datagram without running the event loop.
class TIdUDPServer : public TComponent {
public:
    explicit TIdUDPServer(TComponent* AOwner);
    ~TIdUDPServer() override;

    // The local port; 0 lets the system choose one (see BoundPort).
    uint16_t DefaultPort() const { return FDefaultPort; }
    void SetDefaultPort(uint16_t Value) { FDefaultPort = Value; }

    bool Active() const { return FSocket.Valid(); }
    // Binds or releases the port. Raises EIdCouldNotBindSocket when the port is taken.
    void SetActive(bool Value);
    // The bound port while active, else 0.
    uint16_t BoundPort() const { return FBoundPort; }

    // Sends ABuffer as one datagram to AHost:APort from the bound port. Raises EIdSocketError when
    // the endpoint is not active, the host has no IPv4 address or the system refuses the datagram.
    void SendBuffer(const QString& AHost, uint16_t APort, const QByteArray& ABuffer);
    // Waits up to ATimeout ms (0 or less: until one comes) for a datagram; false when none came.
    // Raises EIdSocketError when the endpoint is not active.
    bool ReceiveBuffer(QByteArray& ABuffer, QString& VPeerIP, uint16_t& VPeerPort, int32_t ATimeout);

    // Runs on the user-interface thread; an exception it raises goes to HandleEventException
    // (the application's HandleException).
    std::function<void(TIdUDPServer* ASender, const QByteArray& AData, const TIdSocketHandle& ABinding)> OnUDPRead;

private:
    // Reads one waiting datagram; false when none is waiting.
    bool ReadDatagram(QByteArray& Data, TIdSocketHandle& Binding);
    void ReadPending();
    void CheckActive() const;

    uint16_t FDefaultPort = 0;
    uint16_t FBoundPort = 0;
    Sockets::TSocket FSocket;
    std::unique_ptr<QSocketNotifier> FNotifier;
};
