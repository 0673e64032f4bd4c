// Memory, byte, string and file streams, value helpers and extended-precision images.
#include "rtl/Exceptions.h"
#include "rtl/Streams.h"
#include "support/ExceptionMessage.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

namespace {
QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values) bytes.append(static_cast<char>(v));
    return bytes;
}

}  // namespace

TEST(MemoryStreamTest, ReadWriteAndSeekFollowThePosition)
{
    TMemoryStream stream;
    stream.WriteBytes("hello");
    EXPECT_EQ(stream.Position(), 5);
    EXPECT_EQ(stream.Size(), 5);

    stream.SetPosition(1);
    char buffer[8] = {};
    EXPECT_EQ(stream.Read(buffer, 8), 4);  // short read at the end
    EXPECT_STREQ(buffer, "ello");
    EXPECT_EQ(stream.Read(buffer, 8), 0);

    EXPECT_EQ(stream.Seek(-2, soEnd), 3);
    EXPECT_EQ(stream.Seek(1, soCurrent), 4);
    stream.WriteBytes("O!");  // overwrites one byte and appends one
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(stream.Memory()), stream.Size()), "hellO!");
}

TEST(MemoryStreamTest, WritingPastTheEndFillsTheGapWithZeros)
{
    TMemoryStream stream;
    stream.WriteBytes("ab");
    stream.SetPosition(5);
    EXPECT_EQ(stream.Size(), 2);  // seeking alone does not grow the stream
    stream.WriteByte('z');
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(stream.Memory()), stream.Size()), Bytes({'a', 'b', 0, 0, 0, 'z'}));

    char c = 0;
    stream.SetPosition(-1);
    EXPECT_EQ(stream.Read(&c, 1), 0);
    EXPECT_EQ(stream.Write(&c, 1), 0);
}

TEST(MemoryStreamTest, SetSizeZeroFillsGrowthAndPullsThePositionBack)
{
    TMemoryStream stream;
    stream.WriteBytes("abcdef");
    stream.SetSize(3);
    EXPECT_EQ(stream.Position(), 3);
    stream.SetSize(5);
    EXPECT_EQ(stream.Position(), 3);
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(stream.Memory()), stream.Size()), Bytes({'a', 'b', 'c', 0, 0}));
    stream.Clear();
    EXPECT_EQ(stream.Size(), 0);
    EXPECT_EQ(stream.Position(), 0);
}

TEST(MemoryStreamTest, GrowsThroughManySmallWrites)
{
    TMemoryStream stream;
    for (int32_t i = 0; i < 100000; ++i) stream.WriteInt32(i);
    ASSERT_EQ(stream.Size(), 400000);
    stream.SetPosition(4 * 77777);
    EXPECT_EQ(stream.ReadInt32(), 77777);
}

TEST(StreamTest, BufferFunctionsRaiseWhenShort)
{
    TBytesStream stream(Bytes({1, 2, 3}));
    char buffer[4];
    EXPECT_EQ(MessageOf<EReadError>([&] { stream.ReadBuffer(buffer, 4); }), QStringLiteral("Stream read error"));
    stream.SetPosition(3);
    EXPECT_NO_THROW(stream.ReadBuffer(buffer, 0));
    EXPECT_THROW(stream.ReadInt32(), EReadError);

    TempFolder folder;
    TFileStream readOnly(folder.Write("r.bin", "x"), fmOpenRead);
    EXPECT_EQ(MessageOf<EWriteError>([&] { readOnly.WriteByte(1); }), QStringLiteral("Stream write error"));
}

TEST(StreamTest, ValuesAreLittleEndian)
{
    TMemoryStream stream;
    stream.WriteByte(0xAB);
    stream.WriteWord(0x1234);
    stream.WriteInt32(-2);
    stream.WriteInt64(0x0102030405060708);
    stream.WriteDouble(1.0);
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(stream.Memory()), stream.Size()).toHex(),
              QByteArray("ab3412feffffff0807060504030201000000000000f03f"));

    stream.SetPosition(0);
    EXPECT_EQ(stream.ReadByte(), 0xAB);
    EXPECT_EQ(stream.ReadWord(), 0x1234);
    EXPECT_EQ(stream.ReadInt32(), -2);
    EXPECT_EQ(stream.ReadInt64(), 0x0102030405060708);
    EXPECT_EQ(stream.ReadDouble(), 1.0);
}

TEST(ExtendedTest, ValuesHaveTheirX87Images)
{
    struct Case {
        long double value;
        QByteArray image;
    };
    const Case cases[] = {
        {1.0L, Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F})},
        {-2.5L, Bytes({0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0})},
        {0.1, Bytes({0, 0xD0, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F})},  // the double 0.1
        {0.0L, Bytes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0})},
        {-0.0L, Bytes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80})},
        {std::numeric_limits<long double>::infinity(), Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F})},
        {-std::numeric_limits<long double>::infinity(), Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<double>(c.value));
        TMemoryStream stream;
        stream.WriteExtended(c.value);
        EXPECT_EQ(QByteArray(reinterpret_cast<char*>(stream.Memory()), stream.Size()).toHex(), c.image.toHex());
        stream.SetPosition(0);
        const long double back = stream.ReadExtended();
        EXPECT_EQ(back, c.value);
        EXPECT_EQ(std::signbit(back), std::signbit(c.value));
    }
    EXPECT_TRUE(std::isnan(BytesToExtended(ExtendedToBytes(std::numeric_limits<long double>::quiet_NaN()))));
}

#if LDBL_MANT_DIG == 64
// Where long double is the x87 format itself, the images must equal its memory layout.
TEST(ExtendedTest, ImagesMatchTheHardwareFormat)
{
    const long double values[] = {0.1L, -1.0L / 3, 123456789.125L, LDBL_MAX, LDBL_MIN, LDBL_TRUE_MIN,
                                  LDBL_MIN / 3, 1e-4940L, -6.02214076e23L};
    for (long double value : values) {
        SCOPED_TRACE(static_cast<double>(value));
        QByteArray memory(10, Qt::Uninitialized);
        std::memcpy(memory.data(), &value, 10);
        EXPECT_EQ(ExtendedToBytes(value).toHex(), memory.toHex());
        EXPECT_EQ(BytesToExtended(memory), value);
    }
}
#endif

TEST(StreamTest, CopyFromCopiesACountOrTheWholeSource)
{
    TBytesStream source(QByteArray("0123456789"));
    TBytesStream target;
    source.SetPosition(8);
    EXPECT_EQ(target.CopyFrom(&source, 0), 10);  // 0: everything, from the start
    EXPECT_EQ(target.Bytes(), "0123456789");

    source.SetPosition(2);
    target.Clear();
    EXPECT_EQ(target.CopyFrom(&source, 3), 3);
    EXPECT_EQ(target.Bytes(), "234");
    EXPECT_EQ(source.Position(), 5);
    EXPECT_THROW(target.CopyFrom(&source, 6), EReadError);

    QByteArray large(200000, 'x');
    large[199999] = 'y';
    TBytesStream big(large);
    TMemoryStream copy;
    EXPECT_EQ(copy.CopyFrom(&big, 0), large.size());
    EXPECT_EQ(QByteArray(reinterpret_cast<char*>(copy.Memory()), copy.Size()), large);
}

TEST(StringStreamTest, DataStringDecodesTheBytesInTheStreamsEncoding)
{
    const QString text = QStringLiteral("\u20ACuro \u00E8");
    struct Case {
        TTextEncoding encoding;
        QByteArray bytes;
    };
    const Case cases[] = {
        {teANSI, Bytes({0x80, 'u', 'r', 'o', ' ', 0xE8})},
        {teUTF8, Bytes({0xE2, 0x82, 0xAC, 'u', 'r', 'o', ' ', 0xC3, 0xA8})},
        {teUnicode, Bytes({0xAC, 0x20, 'u', 0, 'r', 0, 'o', 0, ' ', 0, 0xE8, 0})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.encoding);
        TStringStream stream(text, c.encoding);
        EXPECT_EQ(stream.Bytes(), c.bytes);
        EXPECT_EQ(stream.DataString(), text);
        EXPECT_EQ(stream.Position(), 0);
    }
}

TEST(StringStreamTest, ReadStringAndWriteStringWorkAtThePosition)
{
    TStringStream stream(QStringLiteral("abcdef"));
    stream.SetPosition(2);
    EXPECT_EQ(stream.ReadString(3), QStringLiteral("cde"));
    EXPECT_EQ(stream.ReadString(10), QStringLiteral("f"));
    EXPECT_EQ(stream.ReadString(10), QString());
    stream.SetPosition(1);
    stream.WriteString(QStringLiteral("\u00E8\u00E8"));
    EXPECT_EQ(stream.DataString(), QStringLiteral("a\u00E8\u00E8def"));
}

TEST(FileStreamTest, CreateWriteReopenAndRead)
{
    TempFolder folder;
    const QString path = folder.File("data.bin");
    {
        TFileStream file(path, fmCreate);
        EXPECT_EQ(file.FileName(), path);
        file.WriteInt32(42);
        file.WriteBytes("tail");
        EXPECT_EQ(file.Size(), 8);
    }
    {
        TFileStream file(path, fmOpenReadWrite | fmShareExclusive);
        EXPECT_EQ(file.ReadInt32(), 42);
        file.WriteBytes("T");  // read-write: overwrites in place
    }
    EXPECT_EQ(folder.Read("data.bin"), Bytes({42, 0, 0, 0, 'T', 'a', 'i', 'l'}));
    {
        TFileStream file(path, fmCreate);  // empties an existing file
        EXPECT_EQ(file.Size(), 0);
    }
    EXPECT_EQ(folder.Read("data.bin"), QByteArray());
}

TEST(FileStreamTest, OpenForWritingKeepsTheContentAndCannotRead)
{
    TempFolder folder;
    const QString path = folder.Write("w.bin", "abcdef");
    TFileStream file(path, fmOpenWrite | fmShareDenyNone);
    char c = 0;
    EXPECT_EQ(file.Read(&c, 1), 0);
    file.WriteBytes("XY");
    file.SetSize(4);
    EXPECT_EQ(file.Position(), 4);
    EXPECT_EQ(file.Seek(10, soBeginning), 10);  // past the end is allowed
    EXPECT_EQ(file.Seek(-20, soCurrent), -1);
    EXPECT_EQ(file.Size(), 4);
    file.SetPosition(4);
    file.WriteByte('!');
    EXPECT_EQ(folder.Read("w.bin"), "XYcd!");
}

TEST(FileStreamTest, FailuresGiveTheFileNameAndWindowsReason)
{
    TempFolder folder;
    const QString missing = folder.File("missing.txt");
    const QString noFolder = folder.File("nofolder/x.txt");
    const QString readOnly = folder.Write("ro.txt", "keep");
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadUser);

    struct Case {
        QString path;
        uint16_t mode;
        QString expected;
    };
    const Case cases[] = {
        {missing, fmOpenRead, QStringLiteral("Cannot open file \"%1\". The system cannot find the file specified")},
        {missing, fmOpenWrite, QStringLiteral("Cannot open file \"%1\". The system cannot find the file specified")},
        {noFolder, fmOpenRead, QStringLiteral("Cannot open file \"%1\". The system cannot find the path specified")},
        {folder.Path(), fmOpenRead, QStringLiteral("Cannot open file \"%1\". Access is denied")},
        {readOnly, fmOpenReadWrite, QStringLiteral("Cannot open file \"%1\". Access is denied")},
        {noFolder, fmCreate, QStringLiteral("Cannot create file \"%1\". The system cannot find the path specified")},
        {readOnly, fmCreate, QStringLiteral("Cannot create file \"%1\". Access is denied")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.toStdString());
        const QString expected = c.expected.arg(c.path);
        if (c.mode == fmCreate)
            EXPECT_EQ(MessageOf<EFCreateError>([&] { TFileStream(c.path, c.mode); }), expected);
        else
            EXPECT_EQ(MessageOf<EFOpenError>([&] { TFileStream(c.path, c.mode); }), expected);
    }
    EXPECT_EQ(folder.Read("ro.txt"), "keep");
    TFileStream reader(readOnly, fmOpenRead);
    EXPECT_THROW(reader.SetSize(0), EStreamError);
}

TEST(MemoryStreamTest, FilesLoadAndSaveWhole)
{
    TempFolder folder;
    TMemoryStream stream;
    stream.WriteBytes(Bytes({0, 1, 2, 0xFF}));
    stream.SaveToFile(folder.File("m.bin"));
    EXPECT_EQ(folder.Read("m.bin"), Bytes({0, 1, 2, 0xFF}));

    TMemoryStream loaded;
    loaded.LoadFromFile(folder.File("m.bin"));
    EXPECT_EQ(loaded.Size(), 4);
    EXPECT_EQ(loaded.Position(), 0);
    EXPECT_EQ(loaded.ReadInt32(), int32_t(0xFF020100));

    TBytesStream copy;
    loaded.SetPosition(2);
    loaded.SaveToStream(&copy);  // whatever the position
    EXPECT_EQ(copy.Bytes(), Bytes({0, 1, 2, 0xFF}));

    EXPECT_THROW(loaded.LoadFromFile(folder.File("none.bin")), EFOpenError);
}
