// Component images: one object's published properties in the binary streaming form, written and
// read through a descriptor table per image class.
#pragma once

#include "rtl/Component.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class TStream;

// The tag byte in front of every value; the ordinals are stored in images.
enum TValueType : uint8_t {
    vaNull,
    vaList,
    vaInt8,
    vaInt16,
    vaInt32,
    vaExtended,
    vaString,
    vaIdent,
    vaFalse,
    vaTrue,
    vaBinary,
    vaSet,
    vaLString,
    vaNil,
    vaCollection,
    vaSingle,
    vaCurrency,
    vaDate,
    vaWString,
    vaInt64,
    vaUTF8String,
    vaDouble
};

// What a property holds, which decides when it is written and which value forms it takes.
enum TImagePropertyKind {
    ipInteger,    // always; the smallest integer tag; only values in [Min, Max] read
    ipColor,      // always; a colour name where there is one, else an integer
    ipBoolean,    // always
    ipEnum,       // always; the member's name from Idents
    ipSet,        // always; the names of the members present (bit n: Idents[n])
    ipString,     // when not empty
    ipFloat,      // when not 0
    ipReference,  // when set: the component's name; read, it is handed to the setter as text
    ipStrings,    // a string list's lines as a list; when not empty
    ipData        // an extra data item as binary; when the getter gives bytes (not null)
};

class TGridImage;

// One property's value on its way between an object and an image.
struct TImageValue {
    int64_t Integer = 0;  // integer, colour, Boolean, enumeration ordinal, set as a bit mask
    double Float = 0;
    QString Text;
    QStringList Lines;
    QByteArray Data;
    // A data item's object, made from Data by the property's Decode before anything is set.
    std::shared_ptr<TPersistent> Object;
};

struct TImageProperty {
    // Nested properties carry the nested property's name and a "." in front.
    const char* Name;
    TImagePropertyKind Kind;
    void (*Get)(TGridImage* Image, TImageValue& Value);
    void (*Set)(TGridImage* Image, TImageValue& Value);
    std::span<const char* const> Idents = {};
    int64_t Min = INT32_MIN;
    int64_t Max = INT32_MAX;
    // ipData: makes Value.Object from Value.Data; raises on damaged data.
    void (*Decode)(TImageValue& Value) = nullptr;
};

// An image class: its name and its properties in declaration order.
struct TImageClass {
    const char* ClassName;
    std::span<const TImageProperty> Properties;
};

// The base of the classes whose objects travel as component images.
class TGridImage : public TComponent {
public:
    explicit TGridImage(TComponent* AOwner) : TComponent(AOwner) {}
    virtual const TImageClass& ImageClass() const = 0;
};

// An image read and checked, not yet applied to an object.
class TComponentImage {
public:
    // Reads one image for objects of Class from the stream's position and leaves the position
    // after it; on an error the position is where it was. Raises EExtGridError "Invalid stream
    // format", "Property <name> does not exist", "Invalid property value" or "Stream read error",
    // or the message of a damaged picture.
    static TComponentImage Read(TStream* Stream, const TImageClass& Class);

    // Sets the properties the image holds, in its order; the others keep their values.
    void ApplyTo(TGridImage* Instance);

    const TImageClass& Class() const { return *FClass; }
    // The properties read, in the image's order.
    int32_t Count() const { return static_cast<int32_t>(FValues.size()); }
    const TImageProperty& Property(int32_t Index) const { return *FValues[static_cast<size_t>(Index)].first; }

private:
    explicit TComponentImage(const TImageClass& Class) : FClass(&Class) {}
    static TComponentImage ReadAt(TStream* Stream, const TImageClass& Class);

    const TImageClass* FClass;
    std::vector<std::pair<const TImageProperty*, TImageValue>> FValues;
};

// Appends Instance's image at the stream's position.
void WriteComponent(TStream* Stream, TGridImage* Instance);
// The image of Instance as bytes.
QByteArray ComponentImageBytes(TGridImage* Instance);
// Reads one image into Instance: the whole image is read and checked before any property is set,
// so a damaged image leaves Instance and the stream's position as they were.
void ReadComponent(TStream* Stream, TGridImage* Instance);
