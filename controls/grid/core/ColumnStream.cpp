// TExtColumnGrid: column streams. The encoding is our own and self-describing:
//   "KTCG", version (u16), item count (u32), then per item a property count (u16) and per property
//   its name (u8 length, ASCII), its kind (u8) and its value: 1 integer (i32), 2 Boolean (u8 0/1),
//   3 text (u32 UTF-16 unit count, units), 4 text list (u32 count, texts). All numbers little-endian.
// Nested fonts, pens and lists are named as "Font.Name", "BorderPen.Color", "ComboItems.Strings".
// A reader checks the whole stream (names, kinds, ranges, lengths, nothing left over) first.
#include "grid/core/ColumnGrid.h"

#include "graphics/GraphicsObjects.h"
#include "rtl/Streams.h"
#include "rtl/Strings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstring>
#include <functional>
#include <vector>

namespace {

constexpr char Magic[4] = {'K', 'T', 'C', 'G'};
constexpr uint16_t StreamVersion = 1;

enum TPropKind : uint8_t { pkInteger = 1, pkBoolean = 2, pkText = 3, pkTextList = 4 };

struct TPropValue {
    int32_t Int = 0;
    QString Text;
    QStringList List;
};

struct TPropDef {
    const char* Name;
    TPropKind Kind;
    int64_t Min;
    int64_t Max;
    std::function<void(TGridColumnItem*, TPropValue&)> Get;
    std::function<void(TGridColumnItem*, const TPropValue&)> Set;
};

constexpr int64_t IntMin = INT32_MIN;
constexpr int64_t IntMax = INT32_MAX;

TPropDef Int(const char* Name, int32_t (TGridColumnItem::*Get)() const, void (TGridColumnItem::*Set)(int32_t))
{
    return {Name, pkInteger, IntMin, IntMax, [Get](TGridColumnItem* I, TPropValue& V) { V.Int = (I->*Get)(); },
            [Set](TGridColumnItem* I, const TPropValue& V) { (I->*Set)(V.Int); }};
}

TPropDef Bool(const char* Name, bool (TGridColumnItem::*Get)() const, void (TGridColumnItem::*Set)(bool))
{
    return {Name, pkBoolean, 0, 1, [Get](TGridColumnItem* I, TPropValue& V) { V.Int = (I->*Get)() ? 1 : 0; },
            [Set](TGridColumnItem* I, const TPropValue& V) { (I->*Set)(V.Int != 0); }};
}

TPropDef Text(const char* Name, const QString& (TGridColumnItem::*Get)() const,
              void (TGridColumnItem::*Set)(const QString&))
{
    return {Name, pkText, 0, 0, [Get](TGridColumnItem* I, TPropValue& V) { V.Text = (I->*Get)(); },
            [Set](TGridColumnItem* I, const TPropValue& V) { (I->*Set)(V.Text); }};
}

template <typename E>
TPropDef Enum(const char* Name, E (TGridColumnItem::*Get)() const, void (TGridColumnItem::*Set)(E), E Last)
{
    return {Name, pkInteger, 0, static_cast<int64_t>(Last),
            [Get](TGridColumnItem* I, TPropValue& V) { V.Int = static_cast<int32_t>((I->*Get)()); },
            [Set](TGridColumnItem* I, const TPropValue& V) { (I->*Set)(static_cast<E>(V.Int)); }};
}

TPropDef Borders(const char* Name, TCellBorders (TGridColumnItem::*Get)() const,
                 void (TGridColumnItem::*Set)(TCellBorders))
{
    return {Name, pkInteger, 0, 15,
            [Get](TGridColumnItem* I, TPropValue& V) { V.Int = static_cast<int32_t>((I->*Get)().ToInt()); },
            [Set](TGridColumnItem* I, const TPropValue& V) {
                (I->*Set)(TCellBorders::FromInt(static_cast<uint64_t>(V.Int)));
            }};
}

TPropDef List(const char* Name, TStringList* (TGridColumnItem::*Get)() const)
{
    return {Name, pkTextList, 0, 0,
            [Get](TGridColumnItem* I, TPropValue& V) {
                TStringList* L = (I->*Get)();
                for (int32_t k = 0; k < L->Count(); ++k) V.List.append(L->Strings(k));
            },
            [Get](TGridColumnItem* I, const TPropValue& V) {
                TStringList* L = (I->*Get)();
                L->BeginUpdate();
                L->Clear();
                for (const QString& S : V.List) L->Add(S);
                L->EndUpdate();
            }};
}

void AddFont(std::vector<TPropDef>& Defs, const QString& Prefix, TFont* (TGridColumnItem::*Of)() const)
{
    const auto Name = [&](const char* Part) {
        // The names live as long as the table: kept in a static list of texts.
        static std::vector<QByteArray> Names;
        Names.push_back((Prefix + QLatin1Char('.') + QLatin1String(Part)).toLatin1());
        return Names.back().constData();
    };
    Defs.push_back({Name("Name"), pkText, 0, 0, [Of](TGridColumnItem* I, TPropValue& V) { V.Text = (I->*Of)()->Name(); },
                    [Of](TGridColumnItem* I, const TPropValue& V) { (I->*Of)()->SetName(V.Text); }});
    Defs.push_back({Name("Height"), pkInteger, -32768, 32767,
                    [Of](TGridColumnItem* I, TPropValue& V) { V.Int = (I->*Of)()->Height(); },
                    [Of](TGridColumnItem* I, const TPropValue& V) { (I->*Of)()->SetHeight(V.Int); }});
    Defs.push_back({Name("Style"), pkInteger, 0, 15,
                    [Of](TGridColumnItem* I, TPropValue& V) { V.Int = static_cast<int32_t>((I->*Of)()->Style().ToInt()); },
                    [Of](TGridColumnItem* I, const TPropValue& V) {
                        (I->*Of)()->SetStyle(TFontStyles::FromInt(static_cast<uint64_t>(V.Int)));
                    }});
    Defs.push_back({Name("Color"), pkInteger, IntMin, IntMax,
                    [Of](TGridColumnItem* I, TPropValue& V) { V.Int = static_cast<int32_t>((I->*Of)()->Color()); },
                    [Of](TGridColumnItem* I, const TPropValue& V) { (I->*Of)()->SetColor(static_cast<TColor>(V.Int)); }});
    Defs.push_back({Name("Charset"), pkInteger, 0, 255,
                    [Of](TGridColumnItem* I, TPropValue& V) { V.Int = (I->*Of)()->Charset(); },
                    [Of](TGridColumnItem* I, const TPropValue& V) {
                        (I->*Of)()->SetCharset(static_cast<TFontCharset>(V.Int));
                    }});
    Defs.push_back({Name("Pitch"), pkInteger, 0, fpFixed,
                    [Of](TGridColumnItem* I, TPropValue& V) { V.Int = (I->*Of)()->Pitch(); },
                    [Of](TGridColumnItem* I, const TPropValue& V) { (I->*Of)()->SetPitch(static_cast<TFontPitch>(V.Int)); }});
    Defs.push_back({Name("Orientation"), pkInteger, -3600, 3600,
                    [Of](TGridColumnItem* I, TPropValue& V) { V.Int = (I->*Of)()->Orientation(); },
                    [Of](TGridColumnItem* I, const TPropValue& V) { (I->*Of)()->SetOrientation(V.Int); }});
}

void AddPen(std::vector<TPropDef>& Defs, const QString& Prefix, TPen* (TGridColumnItem::*Of)() const)
{
    const auto Name = [&](const char* Part) {
        static std::vector<QByteArray> Names;
        Names.push_back((Prefix + QLatin1Char('.') + QLatin1String(Part)).toLatin1());
        return Names.back().constData();
    };
    Defs.push_back({Name("Color"), pkInteger, IntMin, IntMax,
                    [Of](TGridColumnItem* I, TPropValue& V) { V.Int = static_cast<int32_t>((I->*Of)()->Color()); },
                    [Of](TGridColumnItem* I, const TPropValue& V) { (I->*Of)()->SetColor(static_cast<TColor>(V.Int)); }});
    Defs.push_back({Name("Width"), pkInteger, 0, 1000,
                    [Of](TGridColumnItem* I, TPropValue& V) { V.Int = (I->*Of)()->Width(); },
                    [Of](TGridColumnItem* I, const TPropValue& V) { (I->*Of)()->SetWidth(V.Int); }});
    Defs.push_back({Name("Style"), pkInteger, 0, psInsideFrame,
                    [Of](TGridColumnItem* I, TPropValue& V) { V.Int = (I->*Of)()->Style(); },
                    [Of](TGridColumnItem* I, const TPropValue& V) { (I->*Of)()->SetStyle(static_cast<TPenStyle>(V.Int)); }});
    Defs.push_back({Name("Mode"), pkInteger, 0, pmNotXor,
                    [Of](TGridColumnItem* I, TPropValue& V) { V.Int = (I->*Of)()->Mode(); },
                    [Of](TGridColumnItem* I, const TPropValue& V) { (I->*Of)()->SetMode(static_cast<TPenMode>(V.Int)); }});
}

// Every stored property of an item, in the published order (DefIdx last).
const std::vector<TPropDef>& PropDefs()
{
    static const std::vector<TPropDef> Defs = [] {
        using I = TGridColumnItem;
        std::vector<TPropDef> D;
        D.push_back(Int("AutoMinSize", &I::AutoMinSize, &I::SetAutoMinSize));
        D.push_back(Int("AutoMaxSize", &I::AutoMaxSize, &I::SetAutoMaxSize));
        D.push_back(Enum<TAlignment>("Alignment", &I::Alignment, &I::SetAlignment, taCenter));
        D.push_back(Borders("Borders", &I::Borders, &I::SetBorders));
        AddPen(D, QStringLiteral("BorderPen"), &I::BorderPen);
        D.push_back(Text("CheckFalse", &I::CheckFalse, &I::SetCheckFalse));
        D.push_back(Text("CheckTrue", &I::CheckTrue, &I::SetCheckTrue));
        D.push_back({"Color", pkInteger, IntMin, IntMax,
                     [](I* It, TPropValue& V) { V.Int = static_cast<int32_t>(It->Color()); },
                     [](I* It, const TPropValue& V) { It->SetColor(static_cast<TColor>(V.Int)); }});
        D.push_back(Enum<TColumnPopupType>("ColumnPopupType", &I::ColumnPopupType, &I::SetColumnPopupType,
                                           cpAllCellsLClick));
        D.push_back(List("ComboItems.Strings", &I::ComboItems));
        D.push_back(Int("DropDownCount", &I::DropDownCount, &I::SetDropDownCount));
        D.push_back(Int("EditLength", &I::EditLength, &I::SetEditLength));
        D.push_back(Text("EditMask", &I::EditMask, &I::SetEditMask));
        D.push_back(Enum<TEditorType>("Editor", &I::Editor, &I::SetEditor, edMaskEditBtn));
        D.push_back(List("Filter.Strings", &I::Filter));
        D.push_back(Bool("FilterCaseSensitive", &I::FilterCaseSensitive, &I::SetFilterCaseSensitive));
        D.push_back(Bool("Fixed", &I::Fixed, &I::SetFixed));
        D.push_back(Text("FloatFormat", &I::FloatFormat, &I::SetFloatFormat));
        AddFont(D, QStringLiteral("Font"), &I::Font);
        D.push_back(Text("Header", &I::Header, &I::SetHeader));
        D.push_back(Enum<TAlignment>("HeaderAlignment", &I::HeaderAlignment, &I::SetHeaderAlignment, taCenter));
        AddFont(D, QStringLiteral("HeaderFont"), &I::HeaderFont);
        D.push_back(Int("MinSize", &I::MinSize, &I::SetMinSize));
        D.push_back(Int("MaxSize", &I::MaxSize, &I::SetMaxSize));
        D.push_back(Text("Name", &I::Name, &I::SetName));
        D.push_back(Bool("Password", &I::Password, &I::SetPassword));
        D.push_back(Bool("PrintBorderCustom", &I::PrintBorderCustom, &I::SetPrintBorderCustom));
        D.push_back(Borders("PrintBorders", &I::PrintBorders, &I::SetPrintBorders));
        AddPen(D, QStringLiteral("PrintBorderPen"), &I::PrintBorderPen);
        D.push_back({"PrintColor", pkInteger, IntMin, IntMax,
                     [](I* It, TPropValue& V) { V.Int = static_cast<int32_t>(It->PrintColor()); },
                     [](I* It, const TPropValue& V) { It->SetPrintColor(static_cast<TColor>(V.Int)); }});
        D.push_back(Bool("PrintFontCustom", &I::PrintFontCustom, &I::SetPrintFontCustom));
        AddFont(D, QStringLiteral("PrintFont"), &I::PrintFont);
        D.push_back(Bool("ReadOnly", &I::ReadOnly, &I::SetReadOnly));
        D.push_back(Bool("ShowBands", &I::ShowBands, &I::SetShowBands));
        D.push_back(Enum<TSortStyle>("SortStyle", &I::SortStyle, &I::SetSortStyle, ssAlphaNumericNoCase));
        D.push_back(Text("SortPrefix", &I::SortPrefix, &I::SetSortPrefix));
        D.push_back(Text("SortSuffix", &I::SortSuffix, &I::SetSortSuffix));
        D.push_back(Int("SpinMax", &I::SpinMax, &I::SetSpinMax));
        D.push_back(Int("SpinMin", &I::SpinMin, &I::SetSpinMin));
        D.push_back(Int("SpinStep", &I::SpinStep, &I::SetSpinStep));
        D.push_back(Int("Tag", &I::Tag, &I::SetTag));
        D.push_back({"Width", pkInteger, 0, 65535, [](I* It, TPropValue& V) { V.Int = It->Width(); },
                     [](I* It, const TPropValue& V) { It->SetWidth(V.Int); }});
        D.push_back(Int("DefIdx", &I::DefIdx, &I::SetDefIdx));
        return D;
    }();
    return Defs;
}

// ---- Writing ----

void PutU8(QByteArray& B, uint8_t V)
{
    B.append(static_cast<char>(V));
}

void PutU16(QByteArray& B, uint16_t V)
{
    PutU8(B, static_cast<uint8_t>(V));
    PutU8(B, static_cast<uint8_t>(V >> 8));
}

void PutU32(QByteArray& B, uint32_t V)
{
    PutU16(B, static_cast<uint16_t>(V));
    PutU16(B, static_cast<uint16_t>(V >> 16));
}

void PutText(QByteArray& B, const QString& S)
{
    PutU32(B, static_cast<uint32_t>(S.size()));
    for (QChar C : S) PutU16(B, C.unicode());
}

// ---- Reading ----

class TReader {
public:
    explicit TReader(const QByteArray& Data) : FData(Data) {}

    bool AtEnd() const { return FPos == FData.size(); }
    qsizetype Left() const { return FData.size() - FPos; }

    uint8_t U8()
    {
        Need(1);
        return static_cast<uint8_t>(FData[FPos++]);
    }
    uint16_t U16()
    {
        const uint16_t Lo = U8();
        return static_cast<uint16_t>(Lo | (U8() << 8));
    }
    uint32_t U32()
    {
        const uint32_t Lo = U16();
        return Lo | (static_cast<uint32_t>(U16()) << 16);
    }
    QString Text()
    {
        const uint32_t n = U32();
        if (n > static_cast<uint64_t>(Left()) / 2) Fail();
        QString S(static_cast<qsizetype>(n), Qt::Uninitialized);
        for (uint32_t k = 0; k < n; ++k) S[k] = QChar(U16());
        return S;
    }
    QByteArray Bytes(qsizetype n)
    {
        Need(n);
        const QByteArray Out = FData.mid(FPos, n);
        FPos += n;
        return Out;
    }
    [[noreturn]] static void Fail() { throw EColumnStreamError(QStringLiteral("Invalid column stream")); }

private:
    void Need(qsizetype n)
    {
        if (n > Left()) Fail();
    }

    const QByteArray& FData;
    qsizetype FPos = 0;
};

struct TStoredItem {
    std::vector<std::pair<size_t, TPropValue>> Props;
};

// The whole stream checked and decoded; nothing is applied here.
std::vector<TStoredItem> Decode(const QByteArray& Data)
{
    TReader R(Data);
    if (R.Bytes(4) != QByteArray(Magic, 4)) TReader::Fail();
    if (R.U16() != StreamVersion) TReader::Fail();
    const uint32_t Count = R.U32();
    // Each item takes at least its property count.
    if (Count > static_cast<uint64_t>(R.Left()) / 2) TReader::Fail();
    const std::vector<TPropDef>& Defs = PropDefs();
    std::vector<TStoredItem> Items(Count);
    for (TStoredItem& Item : Items) {
        const uint16_t n = R.U16();
        std::vector<bool> Seen(Defs.size(), false);
        for (uint16_t k = 0; k < n; ++k) {
            const QByteArray Name = R.Bytes(R.U8());
            size_t d = 0;
            while (d < Defs.size() && Name != Defs[d].Name) ++d;
            if (d == Defs.size() || Seen[d]) TReader::Fail();
            Seen[d] = true;
            const TPropDef& Def = Defs[d];
            if (R.U8() != Def.Kind) TReader::Fail();
            TPropValue V;
            switch (Def.Kind) {
            case pkInteger:
            case pkBoolean: {
                const int64_t Value = Def.Kind == pkBoolean ? R.U8() : static_cast<int32_t>(R.U32());
                if (Value < Def.Min || Value > Def.Max) TReader::Fail();
                V.Int = static_cast<int32_t>(Value);
                break;
            }
            case pkText:
                V.Text = R.Text();
                break;
            case pkTextList: {
                const uint32_t Lines = R.U32();
                if (Lines > static_cast<uint64_t>(R.Left()) / 4) TReader::Fail();
                for (uint32_t l = 0; l < Lines; ++l) V.List.append(R.Text());
                break;
            }
            }
            Item.Props.emplace_back(d, std::move(V));
        }
    }
    if (!R.AtEnd()) TReader::Fail();
    return Items;
}

QByteArray ReadRest(TStream* Stream)
{
    const int64_t n = Stream->Size() - Stream->Position();
    if (n <= 0) return {};
    if (n > INT32_MAX) TReader::Fail();
    QByteArray Data(static_cast<qsizetype>(n), Qt::Uninitialized);
    Stream->ReadBuffer(Data.data(), static_cast<int32_t>(n));
    return Data;
}

}  // namespace

void TExtColumnGrid::SaveColumnsToStream(TStream* Stream)
{
    QByteArray B;
    B.append(Magic, 4);
    PutU16(B, StreamVersion);
    PutU32(B, static_cast<uint32_t>(FColumnCollection->Count()));
    const std::vector<TPropDef>& Defs = PropDefs();
    for (int32_t i = 0; i < FColumnCollection->Count(); ++i) {
        TGridColumnItem* Item = FColumnCollection->Items(i);
        PutU16(B, static_cast<uint16_t>(Defs.size()));
        for (const TPropDef& Def : Defs) {
            const auto Len = static_cast<uint8_t>(std::strlen(Def.Name));
            PutU8(B, Len);
            B.append(Def.Name, Len);
            PutU8(B, Def.Kind);
            TPropValue V;
            Def.Get(Item, V);
            switch (Def.Kind) {
            case pkInteger:
                PutU32(B, static_cast<uint32_t>(V.Int));
                break;
            case pkBoolean:
                PutU8(B, V.Int != 0 ? 1 : 0);
                break;
            case pkText:
                PutText(B, V.Text);
                break;
            case pkTextList:
                PutU32(B, static_cast<uint32_t>(V.List.size()));
                for (const QString& S : V.List) PutText(B, S);
                break;
            }
        }
    }
    Stream->WriteBuffer(B.constData(), static_cast<int32_t>(B.size()));
}

void TExtColumnGrid::LoadColumnsFromStream(TStream* Stream)
{
    const std::vector<TStoredItem> Stored = Decode(ReadRest(Stream));
    const std::vector<TPropDef>& Defs = PropDefs();
    WithoutRecursion([&] {
        // The carrier's items belong to this grid: their Width and Header setters reach its columns.
        TExtColumnGridIO Carrier(this);
        Carrier.Items()->SetNoRecursiveUpdate(true);
        for (const TStoredItem& Item : Stored) {
            // Read items are plain new items, as a collection reader makes them.
            auto* Into = static_cast<TGridColumnItem*>(static_cast<TCollection*>(Carrier.Items())->Add());
            for (const auto& [d, V] : Item.Props) Defs[d].Set(Into, V);
        }
        FColumnCollection->Assign(Carrier.Items());
        // Assign leaves the pop-up type and the print flags; the stream brings them too.
        for (int32_t i = 0; i < FColumnCollection->Count(); ++i) {
            TGridColumnItem* From = Carrier.Items()->Items(i);
            TGridColumnItem* To = FColumnCollection->Items(i);
            To->FColumnPopupType = From->FColumnPopupType;
            To->FPrintBorderCustom = From->FPrintBorderCustom;
            To->FPrintFontCustom = From->FPrintFontCustom;
        }
    });
    Invalidate();
}
