// Component images: the writer, and the reader that checks a whole image before it sets anything.
#include "grid/exchange/ComponentImage.h"

#include "grid/base/ExtGridError.h"

#include "graphics/Colors.h"
#include "rtl/Streams.h"
#include "rtl/TextEncoding.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {

const char Signature[4] = {'T', 'P', 'F', '0'};
constexpr int ExtendedSize = 10;

[[noreturn]] void Fail(const QString& Message)
{
    throw EExtGridError(Message);
}

[[noreturn]] void ReadError()
{
    Fail(QStringLiteral("Stream read error"));
}

[[noreturn]] void InvalidValue()
{
    Fail(QStringLiteral("Invalid property value"));
}

// ---- Writing ----

class TImageWriter {
public:
    void Byte(uint8_t Value) { FBytes.append(char(Value)); }
    void Int32(int32_t Value)
    {
        char Raw[4];
        qToLittleEndian(Value, Raw);
        FBytes.append(Raw, 4);
    }
    void Bytes(const QByteArray& Value) { FBytes.append(Value); }
    // A short string: one length byte, at most 255 bytes of UTF-8.
    void ShortString(const QString& Value)
    {
        const QByteArray Utf8 = Value.toUtf8().left(255);
        Byte(uint8_t(Utf8.size()));
        Bytes(Utf8);
    }
    void Integer(int64_t Value)
    {
        if (Value >= INT8_MIN && Value <= INT8_MAX) {
            Byte(vaInt8);
            Byte(uint8_t(int8_t(Value)));
        } else if (Value >= INT16_MIN && Value <= INT16_MAX) {
            Byte(vaInt16);
            char Raw[2];
            qToLittleEndian(int16_t(Value), Raw);
            FBytes.append(Raw, 2);
        } else {
            Byte(vaInt32);
            Int32(int32_t(Value));
        }
    }
    void String(const QString& Value)
    {
        const QByteArray Utf8 = Value.toUtf8();
        if (Utf8.size() >= 2 * Value.size()) {
            Byte(vaWString);
            Int32(int32_t(Value.size()));
            Bytes(EncodeString(Value, teUnicode));
        } else if (std::any_of(Utf8.begin(), Utf8.end(), [](char c) { return uint8_t(c) >= 0x80; })) {
            Byte(vaUTF8String);
            Int32(int32_t(Utf8.size()));
            Bytes(Utf8);
        } else if (Utf8.size() >= 256) {
            Byte(vaLString);
            Int32(int32_t(Utf8.size()));
            Bytes(Utf8);
        } else {
            Byte(vaString);
            Byte(uint8_t(Utf8.size()));
            Bytes(Utf8);
        }
    }
    void Ident(const QString& Value)
    {
        Byte(vaIdent);
        ShortString(Value);
    }

    // The property's value when its kind writes one; false when it is left out.
    bool Property(const TImageProperty& Property, TGridImage* Image)
    {
        TImageValue Value;
        Property.Get(Image, Value);
        switch (Property.Kind) {
        case ipString:
            if (Value.Text.isEmpty()) return false;
            break;
        case ipFloat:
            if (Value.Float == 0) return false;
            break;
        case ipReference:
            if (Value.Text.isEmpty()) return false;
            break;
        case ipStrings:
            if (Value.Lines.isEmpty()) return false;
            break;
        case ipData:
            if (Value.Data.isNull()) return false;
            break;
        default: break;
        }
        ShortString(QString::fromLatin1(Property.Name));
        switch (Property.Kind) {
        case ipInteger: Integer(Value.Integer); break;
        case ipColor: {
            QString Name;
            if (ColorToIdent(TColor(Value.Integer), Name))
                Ident(Name);
            else
                Integer(Value.Integer);
            break;
        }
        case ipBoolean: Byte(Value.Integer ? vaTrue : vaFalse); break;
        case ipEnum:
            if (Value.Integer >= 0 && size_t(Value.Integer) < Property.Idents.size())
                Ident(QString::fromLatin1(Property.Idents[size_t(Value.Integer)]));
            else
                Integer(Value.Integer);
            break;
        case ipSet:
            Byte(vaSet);
            for (size_t i = 0; i < Property.Idents.size() && i < 64; ++i)
                if (uint64_t(Value.Integer) & (uint64_t(1) << i)) ShortString(QString::fromLatin1(Property.Idents[i]));
            Byte(0);
            break;
        case ipString: String(Value.Text); break;
        case ipFloat:
            Byte(vaExtended);
            Bytes(ExtendedToBytes(static_cast<long double>(Value.Float)));
            break;
        case ipReference: Ident(Value.Text); break;
        case ipStrings:
            Byte(vaList);
            for (const QString& Line : std::as_const(Value.Lines)) String(Line);
            Byte(0);
            break;
        case ipData:
            Byte(vaBinary);
            Int32(int32_t(Value.Data.size()));
            Bytes(Value.Data);
            break;
        }
        return true;
    }

    const QByteArray& Result() const { return FBytes; }

private:
    QByteArray FBytes;
};

// ---- Reading ----

// The bytes of one image taken from a stream: straight from a memory stream, in growing chunks
// from any other. Every count is checked against the bytes the stream has left.
class TImageInput {
public:
    explicit TImageInput(TStream* Stream) : FStream(Stream), FStart(Stream->Position())
    {
        FLeft = std::max<int64_t>(0, Stream->Size() - FStart);
        if (auto* Memory = dynamic_cast<TMemoryStream*>(Stream); Memory && FLeft > 0) {
            FData = Memory->Memory() + FStart;
            FAvailable = FLeft;
            FLeft = 0;
        }
    }

    // Moves the stream to the first byte after what was read.
    void Finish() { FStream->SetPosition(FStart + FPos); }

    uint8_t Byte()
    {
        Need(1);
        return FData[FPos++];
    }
    int32_t Int32()
    {
        Need(4);
        const int32_t Value = qFromLittleEndian<int32_t>(FData + FPos);
        FPos += 4;
        return Value;
    }
    int16_t Int16()
    {
        Need(2);
        const int16_t Value = qFromLittleEndian<int16_t>(FData + FPos);
        FPos += 2;
        return Value;
    }
    QByteArray Bytes(int64_t Count)
    {
        Need(Count);
        QByteArray Result(reinterpret_cast<const char*>(FData + FPos), qsizetype(Count));
        FPos += Count;
        return Result;
    }
    // A 4-byte length that must fit the bytes left, each unit Unit bytes long.
    int64_t Length(int64_t Unit)
    {
        const int64_t Count = uint32_t(Int32());
        if (Count * Unit > FAvailable - FPos + FLeft) ReadError();
        return Count * Unit;
    }
    QString ShortString() { return QString::fromUtf8(Bytes(Byte())); }

private:
    void Need(int64_t Count)
    {
        if (FPos + Count <= FAvailable) return;
        if (Count > FAvailable - FPos + FLeft) ReadError();
        // Keep what is unread and take at least twice as much again from the stream.
        const int64_t Take =
            std::min(FLeft, std::max<int64_t>(Count - (FAvailable - FPos), std::max<int64_t>(FAvailable, 256)));
        const qsizetype Old = FBuffer.size();
        FBuffer.resize(Old + qsizetype(Take));
        FStream->SetPosition(FStart + FAvailable);
        FStream->ReadBuffer(FBuffer.data() + Old, int32_t(Take));
        FData = reinterpret_cast<const uint8_t*>(FBuffer.constData());
        FAvailable += Take;
        FLeft -= Take;
    }

    TStream* FStream;
    int64_t FStart;
    int64_t FLeft = 0;  // bytes of the stream not yet in view
    const uint8_t* FData = nullptr;
    int64_t FAvailable = 0;  // bytes in view, from FStart
    int64_t FPos = 0;
    QByteArray FBuffer;
};

bool IsIntegerTag(uint8_t Tag)
{
    return Tag == vaInt8 || Tag == vaInt16 || Tag == vaInt32;
}

int64_t ReadInteger(TImageInput& In, uint8_t Tag)
{
    switch (Tag) {
    case vaInt8: return int8_t(In.Byte());
    case vaInt16: return In.Int16();
    default: return In.Int32();
    }
}

bool IsStringTag(uint8_t Tag)
{
    return Tag == vaString || Tag == vaLString || Tag == vaWString || Tag == vaUTF8String;
}

// 8-bit strings are read in the ANSI code page; the writer gives them only ASCII.
QString ReadString(TImageInput& In, uint8_t Tag)
{
    switch (Tag) {
    case vaString: return DecodeBytes(In.Bytes(In.Byte()), teANSI);
    case vaLString: return DecodeBytes(In.Bytes(In.Length(1)), teANSI);
    case vaWString: return DecodeBytes(In.Bytes(In.Length(2)), teUnicode);
    default: return QString::fromUtf8(In.Bytes(In.Length(1)));
    }
}

int64_t IdentIndex(const TImageProperty& Property, const QString& Name)
{
    for (size_t i = 0; i < Property.Idents.size(); ++i)
        if (Name.compare(QLatin1String(Property.Idents[i]), Qt::CaseInsensitive) == 0) return int64_t(i);
    InvalidValue();
}

void ReadValue(TImageInput& In, const TImageProperty& Property, TImageValue& Value)
{
    const uint8_t Tag = In.Byte();
    switch (Property.Kind) {
    case ipInteger:
        if (!IsIntegerTag(Tag)) InvalidValue();
        Value.Integer = ReadInteger(In, Tag);
        if (Value.Integer < Property.Min || Value.Integer > Property.Max) InvalidValue();
        return;
    case ipColor:
        if (Tag == vaIdent) {
            TColor Color = 0;
            if (!IdentToColor(In.ShortString(), Color)) InvalidValue();
            Value.Integer = Color;
        } else {
            if (!IsIntegerTag(Tag)) InvalidValue();
            Value.Integer = ReadInteger(In, Tag);
        }
        return;
    case ipBoolean:
        if (Tag != vaFalse && Tag != vaTrue) InvalidValue();
        Value.Integer = Tag == vaTrue;
        return;
    case ipEnum:
        if (Tag != vaIdent) InvalidValue();
        Value.Integer = IdentIndex(Property, In.ShortString());
        return;
    case ipSet: {
        if (Tag != vaSet) InvalidValue();
        uint64_t Mask = 0;
        for (QString Member = In.ShortString(); !Member.isEmpty(); Member = In.ShortString())
            Mask |= uint64_t(1) << IdentIndex(Property, Member);
        Value.Integer = int64_t(Mask);
        return;
    }
    case ipString:
        if (!IsStringTag(Tag)) InvalidValue();
        Value.Text = ReadString(In, Tag);
        return;
    case ipFloat: {
        if (Tag != vaExtended) InvalidValue();
        Value.Float = static_cast<double>(BytesToExtended(In.Bytes(ExtendedSize)));
        return;
    }
    case ipReference:
        if (Tag != vaIdent) InvalidValue();
        Value.Text = In.ShortString();
        return;
    case ipStrings:
        if (Tag != vaList) InvalidValue();
        for (uint8_t Item = In.Byte(); Item != 0; Item = In.Byte()) {
            if (!IsStringTag(Item)) InvalidValue();
            Value.Lines.append(ReadString(In, Item));
        }
        return;
    case ipData:
        if (Tag != vaBinary) InvalidValue();
        Value.Data = In.Bytes(In.Length(1));
        try {
            Property.Decode(Value);
        } catch (const EExtGridError&) {
            throw;
        } catch (const Exception& Error) {
            Fail(Error.Message());
        }
        return;
    }
}

const TImageProperty* FindProperty(const TImageClass& Class, const QString& Name)
{
    for (const TImageProperty& Property : Class.Properties)
        if (Name.compare(QLatin1String(Property.Name), Qt::CaseInsensitive) == 0) return &Property;
    return nullptr;
}

}  // namespace

TComponentImage TComponentImage::Read(TStream* Stream, const TImageClass& Class)
{
    const int64_t Start = Stream->Position();
    try {
        return ReadAt(Stream, Class);
    } catch (...) {
        Stream->SetPosition(Start);
        throw;
    }
}

TComponentImage TComponentImage::ReadAt(TStream* Stream, const TImageClass& Class)
{
    TComponentImage Image(Class);
    TImageInput In(Stream);
    const QByteArray Head = In.Bytes(4);
    if (std::memcmp(Head.constData(), Signature, 4) != 0) Fail(QStringLiteral("Invalid stream format"));
    In.ShortString();  // the class name: the object given decides how the properties read
    In.ShortString();  // the instance name
    for (QString Name = In.ShortString(); !Name.isEmpty(); Name = In.ShortString()) {
        const TImageProperty* Property = FindProperty(Class, Name);
        if (!Property) Fail(QStringLiteral("Property %1 does not exist").arg(Name));
        TImageValue Value;
        ReadValue(In, *Property, Value);
        Image.FValues.emplace_back(Property, std::move(Value));
    }
    // The list of child objects, which is always empty.
    if (In.Byte() != 0) Fail(QStringLiteral("Invalid stream format"));
    In.Finish();
    return Image;
}

void TComponentImage::ApplyTo(TGridImage* Instance)
{
    for (auto& [Property, Value] : FValues) Property->Set(Instance, Value);
}

QByteArray ComponentImageBytes(TGridImage* Instance)
{
    const TImageClass& Class = Instance->ImageClass();
    TImageWriter Out;
    Out.Bytes(QByteArray::fromRawData(Signature, 4));
    Out.ShortString(QString::fromLatin1(Class.ClassName));
    Out.ShortString(Instance->Name());
    for (const TImageProperty& Property : Class.Properties) Out.Property(Property, Instance);
    Out.Byte(0);
    Out.Byte(0);
    return Out.Result();
}

void WriteComponent(TStream* Stream, TGridImage* Instance)
{
    Stream->WriteBytes(ComponentImageBytes(Instance));
}

void ReadComponent(TStream* Stream, TGridImage* Instance)
{
    TComponentImage::Read(Stream, Instance->ImageClass()).ApplyTo(Instance);
}
