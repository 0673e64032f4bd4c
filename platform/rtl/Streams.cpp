// Streams: the abstract TStream with little-endian value helpers, memory, byte, string and file streams.
#include "Streams.h"

#include "AtomicFile.h"
#include "Exceptions.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace {
constexpr int ExtendedSize = 10;
constexpr int ExtendedBias = 16383;
constexpr int ExtendedMaxExponent = 0x7FFF;
constexpr int MantissaBits = 64;
constexpr int32_t CopyBufferSize = 0xF000;

template <typename T>
T ReadLittleEndian(TStream& Stream)
{
    uchar bytes[sizeof(T)];
    Stream.ReadBuffer(bytes, sizeof(T));
    return qFromLittleEndian<T>(bytes);
}

template <typename T>
void WriteLittleEndian(TStream& Stream, T Value)
{
    uchar bytes[sizeof(T)];
    qToLittleEndian(Value, bytes);
    Stream.WriteBuffer(bytes, sizeof(T));
}

const QString AccessDenied = QStringLiteral("Access is denied");

// Why FileName could not be opened or created, in the words Windows uses.
QString FileErrorReason(const QString& FileName, const QFile& File)
{
    const QFileInfo info(FileName);
    if (File.error() == QFileDevice::PermissionsError) return AccessDenied;
    if (!info.absoluteDir().exists()) return QStringLiteral("The system cannot find the path specified");
    if (!info.exists()) return QStringLiteral("The system cannot find the file specified");
    return File.errorString();
}

// A file whose owner may not write counts as having the read-only attribute.
bool IsReadOnlyFile(const QString& FileName)
{
    const QFileInfo info(FileName);
    return info.exists() && !info.isDir() && !(info.permissions() & QFileDevice::WriteOwner);
}
}  // namespace

// ---- TStream --------------------------------------------------------------------------------

int64_t TStream::Size()
{
    const int64_t position = Seek(0, soCurrent);
    const int64_t size = Seek(0, soEnd);
    Seek(position, soBeginning);
    return size;
}

void TStream::SetSize(int64_t) {}

void TStream::ReadBuffer(void* Buffer, int32_t Count)
{
    if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError(QStringLiteral("Stream read error"));
}

void TStream::WriteBuffer(const void* Buffer, int32_t Count)
{
    if (Count != 0 && Write(Buffer, Count) != Count) throw EWriteError(QStringLiteral("Stream write error"));
}

int64_t TStream::CopyFrom(TStream* Source, int64_t Count)
{
    if (Count == 0) {
        Source->SetPosition(0);
        Count = Source->Size();
    }
    QByteArray buffer(static_cast<qsizetype>(std::min<int64_t>(Count, CopyBufferSize)), Qt::Uninitialized);
    for (int64_t left = Count; left > 0;) {
        const auto n = static_cast<int32_t>(std::min<int64_t>(left, buffer.size()));
        Source->ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.constData(), n);
        left -= n;
    }
    return Count;
}

uint8_t TStream::ReadByte() { return ReadLittleEndian<uint8_t>(*this); }
uint16_t TStream::ReadWord() { return ReadLittleEndian<uint16_t>(*this); }
int32_t TStream::ReadInt32() { return ReadLittleEndian<int32_t>(*this); }
int64_t TStream::ReadInt64() { return ReadLittleEndian<int64_t>(*this); }
double TStream::ReadDouble() { return std::bit_cast<double>(ReadLittleEndian<uint64_t>(*this)); }
long double TStream::ReadExtended() { return BytesToExtended(ReadBytes(ExtendedSize)); }

QByteArray TStream::ReadBytes(int32_t Count)
{
    QByteArray bytes(Count, Qt::Uninitialized);
    ReadBuffer(bytes.data(), Count);
    return bytes;
}

void TStream::WriteByte(uint8_t Value) { WriteLittleEndian(*this, Value); }
void TStream::WriteWord(uint16_t Value) { WriteLittleEndian(*this, Value); }
void TStream::WriteInt32(int32_t Value) { WriteLittleEndian(*this, Value); }
void TStream::WriteInt64(int64_t Value) { WriteLittleEndian(*this, Value); }
void TStream::WriteDouble(double Value) { WriteLittleEndian(*this, std::bit_cast<uint64_t>(Value)); }
void TStream::WriteExtended(long double Value) { WriteBytes(ExtendedToBytes(Value)); }

void TStream::WriteBytes(const QByteArray& Bytes)
{
    WriteBuffer(Bytes.constData(), static_cast<int32_t>(Bytes.size()));
}

// ---- Extended images ------------------------------------------------------------------------

QByteArray ExtendedToBytes(long double Value)
{
    const bool negative = std::signbit(Value);
    const long double magnitude = std::fabs(Value);
    uint64_t mantissa = 0;
    int exponent = 0;
    if (std::isnan(Value)) {
        exponent = ExtendedMaxExponent;
        mantissa = 0xC000000000000000u;  // quiet NaN
    } else if (std::isinf(Value)) {
        exponent = ExtendedMaxExponent;
        mantissa = 0x8000000000000000u;
    } else if (magnitude != 0) {
        int binaryExponent = 0;
        const long double fraction = std::frexp(magnitude, &binaryExponent);  // in [0.5, 1)
        exponent = binaryExponent - 1 + ExtendedBias;
        if (exponent > 0) {
            mantissa = static_cast<uint64_t>(std::ldexp(fraction, MantissaBits));
        } else {  // denormal: the value is mantissa * 2^(1 - bias - 63)
            mantissa = static_cast<uint64_t>(std::ldexp(magnitude, ExtendedBias - 1 + MantissaBits - 1));
            exponent = 0;
        }
    }
    QByteArray bytes(ExtendedSize, Qt::Uninitialized);
    auto* out = reinterpret_cast<uchar*>(bytes.data());
    qToLittleEndian(mantissa, out);
    qToLittleEndian(static_cast<uint16_t>(exponent | (negative ? 0x8000 : 0)), out + 8);
    return bytes;
}

long double BytesToExtended(const QByteArray& Bytes)
{
    const auto* in = reinterpret_cast<const uchar*>(Bytes.constData());
    const uint64_t mantissa = qFromLittleEndian<uint64_t>(in);
    const uint16_t signAndExponent = qFromLittleEndian<uint16_t>(in + 8);
    const int exponent = signAndExponent & ExtendedMaxExponent;
    long double magnitude;
    if (exponent == ExtendedMaxExponent)
        magnitude = (mantissa << 1) == 0 ? std::numeric_limits<long double>::infinity()
                                         : std::numeric_limits<long double>::quiet_NaN();
    else
        magnitude = std::ldexp(static_cast<long double>(mantissa),
                               std::max(exponent, 1) - ExtendedBias - (MantissaBits - 1));
    return (signAndExponent & 0x8000) ? -magnitude : magnitude;
}

// ---- TMemoryStream --------------------------------------------------------------------------

int32_t TMemoryStream::Read(void* Buffer, int32_t Count)
{
    if (FPosition < 0 || Count <= 0 || FPosition >= FData.size()) return 0;
    const auto n = static_cast<int32_t>(std::min<int64_t>(Count, FData.size() - FPosition));
    std::memcpy(Buffer, FData.constData() + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return n;
}

int32_t TMemoryStream::Write(const void* Buffer, int32_t Count)
{
    if (FPosition < 0 || Count < 0) return 0;
    const int64_t end = FPosition + Count;
    const qsizetype oldSize = FData.size();
    if (end > oldSize) {
        if (end > FData.capacity()) FData.reserve(std::max<qsizetype>(end, FData.capacity() + FData.capacity() / 2));
        FData.resize(end);
        if (FPosition > oldSize) std::memset(FData.data() + oldSize, 0, static_cast<size_t>(FPosition - oldSize));
    }
    if (Count > 0) std::memcpy(FData.data() + FPosition, Buffer, static_cast<size_t>(Count));
    FPosition = end;
    return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin)
{
    switch (Origin) {
    case soBeginning: FPosition = Offset; break;
    case soCurrent: FPosition += Offset; break;
    case soEnd: FPosition = FData.size() + Offset; break;
    }
    return FPosition;
}

void TMemoryStream::SetSize(int64_t NewSize)
{
    const qsizetype oldSize = FData.size();
    FData.resize(NewSize);
    if (NewSize > oldSize) std::memset(FData.data() + oldSize, 0, static_cast<size_t>(NewSize - oldSize));
    if (FPosition > NewSize) FPosition = NewSize;
}

void TMemoryStream::Clear()
{
    FData = QByteArray();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream)
{
    Stream->SetPosition(0);
    const int64_t count = Stream->Size();
    SetSize(count);
    Stream->ReadBuffer(FData.data(), static_cast<int32_t>(count));
}

void TMemoryStream::LoadFromFile(const QString& FileName)
{
    TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&file);
}

void TMemoryStream::SaveToStream(TStream* Stream)
{
    Stream->WriteBuffer(FData.constData(), static_cast<int32_t>(FData.size()));
}

void TMemoryStream::SaveToFile(const QString& FileName) { WriteFileAtomic(FileName, FData); }

// ---- TStringStream --------------------------------------------------------------------------

TStringStream::TStringStream(const QString& AString, TTextEncoding AEncoding)
    : TBytesStream(EncodeString(AString, AEncoding)), FEncoding(AEncoding)
{
}

QString TStringStream::ReadString(int32_t Count)
{
    if (FPosition < 0 || Count <= 0 || FPosition >= FData.size()) return QString();
    const auto n = static_cast<int32_t>(std::min<int64_t>(Count, FData.size() - FPosition));
    const QString text = DecodeBytes(QByteArrayView(FData).sliced(FPosition, n), FEncoding);
    FPosition += n;
    return text;
}

void TStringStream::WriteString(const QString& AString) { WriteBytes(EncodeString(AString, FEncoding)); }

// ---- TFileStream ----------------------------------------------------------------------------

TFileStream::TFileStream(const QString& AFileName, uint16_t Mode) : FFileName(AFileName), FFile(AFileName)
{
    const bool create = (Mode & fmCreate) == fmCreate;
    const int access = create ? fmOpenReadWrite : Mode & 0x0003;
    FCanRead = access != fmOpenWrite;
    FCanWrite = access != fmOpenRead;
    const QIODevice::OpenMode openMode = create      ? QIODevice::ReadWrite | QIODevice::Truncate
                                         : FCanWrite ? QIODevice::ReadWrite | QIODevice::ExistingOnly
                                                     : QIODevice::ReadOnly;
    QString reason;
    if (QFileInfo(AFileName).isDir() || (FCanWrite && IsReadOnlyFile(AFileName)))
        reason = AccessDenied;
    else if (!FFile.open(openMode))
        reason = FileErrorReason(AFileName, FFile);
    if (reason.isEmpty()) return;
    if (create) throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(AFileName, reason));
    throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(AFileName, reason));
}

int32_t TFileStream::Read(void* Buffer, int32_t Count)
{
    if (!FCanRead || Count <= 0) return 0;
    const qint64 n = FFile.read(static_cast<char*>(Buffer), Count);
    return n < 0 ? 0 : static_cast<int32_t>(n);
}

int32_t TFileStream::Write(const void* Buffer, int32_t Count)
{
    if (!FCanWrite || Count <= 0) return 0;
    const qint64 n = FFile.write(static_cast<const char*>(Buffer), Count);
    FFile.flush();  // written bytes reach the file at once, as with an unbuffered handle
    return n < 0 ? 0 : static_cast<int32_t>(n);
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin)
{
    int64_t target = Offset;
    if (Origin == soCurrent) target += FFile.pos();
    if (Origin == soEnd) target += FFile.size();
    if (target < 0 || !FFile.seek(target)) return -1;
    return target;
}

void TFileStream::SetSize(int64_t NewSize)
{
    Seek(NewSize, soBeginning);
    if (!FCanWrite) throw EStreamError(AccessDenied);
    if (!FFile.resize(NewSize)) throw EStreamError(FFile.errorString());
}
