// ICMP echo requests and the matching of their replies.
#include "os/Icmp.h"

#include <QByteArray>

#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>

using namespace Sockets;

namespace {

constexpr int32_t IcmpHeaderSize = 8;
constexpr int32_t IPv4MinHeaderSize = 20;
constexpr int32_t LargestPacket = 65536;

// Every client of this process gets its own identifier, which tells its replies apart on a raw socket.
uint16_t NextIdentifier()
{
    static std::atomic<uint16_t> Next(static_cast<uint16_t>(getpid()));
    return Next++;
}

uint16_t Word(const char* At)
{
    return static_cast<uint16_t>(static_cast<uint8_t>(At[0]) << 8 | static_cast<uint8_t>(At[1]));
}

void PutWord(QByteArray& Packet, qsizetype At, uint16_t Value)
{
    Packet[At] = static_cast<char>(Value >> 8);
    Packet[At + 1] = static_cast<char>(Value & 0xFF);
}

// The Internet checksum: the ones' complement of the ones'-complement sum of the 16-bit words.
uint16_t Checksum(const QByteArray& Packet)
{
    uint32_t Sum = 0;
    for (qsizetype At = 0; At + 1 < Packet.size(); At += 2) Sum += Word(Packet.constData() + At);
    if (Packet.size() % 2) Sum += static_cast<uint32_t>(static_cast<uint8_t>(Packet.back())) << 8;
    while (Sum >> 16) Sum = (Sum & 0xFFFF) + (Sum >> 16);
    return static_cast<uint16_t>(~Sum);
}

QByteArray EchoRequest(uint16_t Identifier, uint16_t Sequence, int32_t DataSize)
{
    QByteArray Packet(IcmpHeaderSize + std::max(DataSize, 0), '\0');
    Packet[0] = static_cast<char>(ICMP_ECHO);
    PutWord(Packet, 4, Identifier);
    PutWord(Packet, 6, Sequence);
    for (qsizetype At = IcmpHeaderSize; At < Packet.size(); ++At) Packet[At] = static_cast<char>(At - IcmpHeaderSize);
    PutWord(Packet, 2, Checksum(Packet));
    return Packet;
}

struct TIcmpSocket {
    TSocket Socket;
    // A raw socket delivers every ICMP message that arrives, IP header first. A datagram socket
    // delivers only the ICMP messages for its own identifier, which the kernel puts in our
    // requests in place of ours.
    bool Raw = false;
};

TIcmpSocket OpenIcmpSocket()
{
    constexpr int Flags = SOCK_NONBLOCK | SOCK_CLOEXEC;
    TSocket Datagram(socket(AF_INET, SOCK_DGRAM | Flags, IPPROTO_ICMP));
    if (Datagram.Valid()) return {std::move(Datagram), false};
    TSocket Raw(socket(AF_INET, SOCK_RAW | Flags, IPPROTO_ICMP));
    if (Raw.Valid()) return {std::move(Raw), true};
    throw EIdIcmpException(QStringLiteral("Cannot open an ICMP socket: %1").arg(QString::fromLocal8Bit(strerror(errno))));
}

// The size of the ICMP message in Packet when it is the echo reply to our request, else 0.
int32_t EchoReplySize(const char* Packet, int32_t Size, bool Raw, uint16_t Identifier, uint16_t Sequence)
{
    if (Raw) {
        if (Size < IPv4MinHeaderSize) return 0;
        const int32_t HeaderSize = (static_cast<uint8_t>(Packet[0]) & 0x0F) * 4;
        Packet += HeaderSize;
        Size -= HeaderSize;
    }
    if (Size < IcmpHeaderSize || static_cast<uint8_t>(Packet[0]) != ICMP_ECHOREPLY) return 0;
    if (Word(Packet + 6) != Sequence || (Raw && Word(Packet + 4) != Identifier)) return 0;
    return Size;
}

}  // namespace

TIdIcmpClient::TIdIcmpClient(TComponent* AOwner) : TComponent(AOwner), FIdentifier(NextIdentifier())
{
}

void TIdIcmpClient::Ping()
{
    const sockaddr_in Target = ResolveHost(FHost, 0);
    const TIcmpSocket Icmp = OpenIcmpSocket();
    const int Fd = Icmp.Socket.Fd();
    const uint16_t Sequence = ++FSequence;
    const QByteArray Request = EchoRequest(FIdentifier, Sequence, FPacketSize);
    if (sendto(Fd, Request.constData(), Request.size(), 0, reinterpret_cast<const sockaddr*>(&Target), sizeof Target) < 0)
        RaiseLastSocketError();

    FReplyStatus = TReplyStatus();
    FReplyStatus.SequenceId = Sequence;
    const TDeadline Deadline = TDeadline::After(FReceiveTimeout);
    QByteArray Packet(LargestPacket, '\0');
    while (WaitFor(Fd, POLLIN, Deadline)) {
        sockaddr_in From{};
        socklen_t FromSize = sizeof From;
        const ssize_t Size = recvfrom(Fd, Packet.data(), Packet.size(), 0, reinterpret_cast<sockaddr*>(&From), &FromSize);
        if (Size < 0) {
            if (errno == EAGAIN || errno == EINTR) continue;
            RaiseLastSocketError();
        }
        if (const int32_t Bytes = EchoReplySize(Packet.constData(), static_cast<int32_t>(Size), Icmp.Raw, FIdentifier, Sequence)) {
            FReplyStatus.BytesReceived = Bytes;
            FReplyStatus.FromIpAddress = AddressText(From);
            FReplyStatus.ReplyStatusType = rsEcho;
            break;
        }
    }
    if (OnReply) OnReply(this, FReplyStatus);
}
