// TIdIcmpClient: ICMP echo (ping) over IPv4, one blocking request at a time.
#pragma once

#include "os/Sockets.h"
#include "rtl/Component.h"

#include <QString>

#include <cstdint>
#include <functional>

// Neither an unprivileged ping socket nor a raw ICMP socket could be opened.
KT_DECLARE_EXCEPTION(EIdIcmpException, EIdSocketError);

// The kinds of answer the toolkit names. This client reports rsEcho and rsTimeOut: ICMP error
// messages about a request are not told apart, the request then ends as a time-out.
enum TReplyStatusTypes { rsEcho, rsError, rsTimeOut, rsErrorUnreachable, rsErrorTTLExceeded };

struct TReplyStatus {
    // Bytes of the echo reply's ICMP message (8 header bytes and the echoed data); 0 without a reply.
    int32_t BytesReceived = 0;
    // Who answered; empty without a reply.
    QString FromIpAddress;
    uint16_t SequenceId = 0;
    TReplyStatusTypes ReplyStatusType = rsTimeOut;
};

// Sends through an unprivileged ICMP datagram socket where the system allows one (the group is in
// net.ipv4.ping_group_range), else through a raw ICMP socket (root).
class TIdIcmpClient : public TComponent {
public:
    explicit TIdIcmpClient(TComponent* AOwner);

    const QString& Host() const { return FHost; }
    void SetHost(const QString& Value) { FHost = Value; }
    // Milliseconds Ping waits for the reply; 0 or less waits until one comes.
    int32_t ReceiveTimeout() const { return FReceiveTimeout; }
    void SetReceiveTimeout(int32_t Value) { FReceiveTimeout = Value; }
    // Data bytes carried after the 8-byte ICMP header.
    int32_t PacketSize() const { return FPacketSize; }
    void SetPacketSize(int32_t Value) { FPacketSize = Value; }

    // Sends one echo request with the next sequence number to Host and waits for its reply or for
    // ReceiveTimeout, then fills ReplyStatus and fires OnReply. Other ICMP traffic is ignored.
    // Raises EIdSocketError for a host without an IPv4 address or a failing send, EIdIcmpException
    // when no ICMP socket can be opened.
    void Ping();
    // The answer to the last Ping.
    const TReplyStatus& ReplyStatus() const { return FReplyStatus; }

    std::function<void(TComponent* ASender, const TReplyStatus& AReplyStatus)> OnReply;

private:
    QString FHost;
    int32_t FReceiveTimeout = 5000;
    int32_t FPacketSize = 32;
    uint16_t FIdentifier;
    uint16_t FSequence = 0;
    TReplyStatus FReplyStatus;
};
