// Streams: the abstract TStream with little-endian value helpers, memory, byte, string and file streams.
#pragma once

#include "Object.h"
#include "TextEncoding.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

// TFileStream modes: one access mode, optionally or'ed with a share mode (accepted and ignored).
constexpr uint16_t fmCreate = 0xFF00;
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareCompat = 0x0000;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyRead = 0x0030;
constexpr uint16_t fmShareDenyNone = 0x0040;

class TStream : public TObject {
public:
    // Reads up to Count bytes at the position into Buffer and returns how many it read.
    virtual int32_t Read(void* Buffer, int32_t Count) = 0;
    // Writes Count bytes at the position and returns how many it wrote.
    virtual int32_t Write(const void* Buffer, int32_t Count) = 0;
    // Moves the position relative to Origin and returns the new position.
    virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;

    int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(int64_t Value) { Seek(Value, soBeginning); }
    // The size found by seeking to the end; the position is kept.
    virtual int64_t Size();
    // Does nothing in a stream that cannot change its size.
    virtual void SetSize(int64_t NewSize);

    // Read and Write of exactly Count bytes: EReadError "Stream read error" /
    // EWriteError "Stream write error" when fewer were transferred.
    void ReadBuffer(void* Buffer, int32_t Count);
    void WriteBuffer(const void* Buffer, int32_t Count);
    // Copies Count bytes from Source's position; Count 0 copies the whole Source from its start.
    // Returns the number of bytes copied.
    int64_t CopyFrom(TStream* Source, int64_t Count);

    // Little-endian values through ReadBuffer / WriteBuffer.
    uint8_t ReadByte();
    uint16_t ReadWord();
    int32_t ReadInt32();
    int64_t ReadInt64();
    double ReadDouble();
    // A 10-byte x87 extended-precision image.
    long double ReadExtended();
    QByteArray ReadBytes(int32_t Count);
    void WriteByte(uint8_t Value);
    void WriteWord(uint16_t Value);
    void WriteInt32(int32_t Value);
    void WriteInt64(int64_t Value);
    void WriteDouble(double Value);
    void WriteExtended(long double Value);
    void WriteBytes(const QByteArray& Bytes);
};

// The 10-byte x87 extended-precision image of Value (sign, 15-bit exponent, 64-bit mantissa with
// its explicit integer bit), little-endian; and back.
QByteArray ExtendedToBytes(long double Value);
long double BytesToExtended(const QByteArray& Bytes);

// A stream in memory. Seeking past the end is allowed; a write there fills the gap with zeros.
class TMemoryStream : public TStream {
public:
    int32_t Read(void* Buffer, int32_t Count) override;
    int32_t Write(const void* Buffer, int32_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    int64_t Size() override { return FData.size(); }
    // A position beyond the new size moves to the end.
    void SetSize(int64_t NewSize) override;

    // The stream's bytes; valid until the size changes.
    uint8_t* Memory() { return reinterpret_cast<uint8_t*>(FData.data()); }
    void Clear();
    // Replaces the content with the whole of Stream (read from its start); the position stays.
    void LoadFromStream(TStream* Stream);
    void LoadFromFile(const QString& FileName);
    // Writes the whole content, whatever the position.
    void SaveToStream(TStream* Stream);
    // Writes the whole content as the file, through a temporary file beside it.
    void SaveToFile(const QString& FileName);

protected:
    QByteArray FData;  // exactly Size() bytes
    int64_t FPosition = 0;
};

// A memory stream over a byte array.
class TBytesStream : public TMemoryStream {
public:
    explicit TBytesStream(const QByteArray& ABytes = QByteArray()) { FData = ABytes; }
    // The stream's bytes, exactly Size() of them.
    const QByteArray& Bytes() const { return FData; }
};

// A byte stream holding a text in an encoding (teANSI unless given).
class TStringStream : public TBytesStream {
public:
    explicit TStringStream(const QString& AString = QString(), TTextEncoding AEncoding = teANSI);

    TTextEncoding Encoding() const { return FEncoding; }
    // All bytes of the stream read as text in the stream's encoding.
    QString DataString() const { return DecodeBytes(FData, FEncoding); }
    // Reads up to Count bytes at the position as text.
    QString ReadString(int32_t Count);
    // Writes the text's bytes at the position.
    void WriteString(const QString& AString);

private:
    TTextEncoding FEncoding;
};

// A stream over a file. Mode is fmCreate (create or empty the file) or one of fmOpenRead,
// fmOpenWrite, fmOpenReadWrite (the file must exist), or'ed with any share mode.
// Raises EFCreateError "Cannot create file "<name>". <reason>" or
// EFOpenError "Cannot open file "<name>". <reason>" with the reason in Windows' words.
class TFileStream : public TStream {
public:
    TFileStream(const QString& AFileName, uint16_t Mode);

    const QString& FileName() const { return FFileName; }

    int32_t Read(void* Buffer, int32_t Count) override;
    int32_t Write(const void* Buffer, int32_t Count) override;
    // A position beyond the end is allowed; a negative one fails and returns -1.
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    int64_t Size() override { return FFile.size(); }
    // Cuts or extends the file and leaves the position at NewSize; raises EStreamError with the
    // reason when the file cannot change ("Access is denied" when opened for reading only).
    void SetSize(int64_t NewSize) override;

private:
    QString FFileName;
    QFile FFile;
    bool FCanRead = false;
    bool FCanWrite = false;
};
