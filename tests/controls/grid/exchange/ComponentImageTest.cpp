// Component images: the bytes each kind of value is written as, every form read back, pictures,
// and damaged images refused whole.
#include "support/ExceptionMessage.h"
#include "support/TempFolder.h"

#include "grid/base/BaseGrid.h"
#include "grid/base/ExtGridError.h"
#include "grid/base/FilePicture.h"
#include "grid/core/CellGraphic.h"
#include "grid/exchange/GridImages.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/Icon.h"
#include "graphics/Picture.h"
#include "rtl/Streams.h"
#include "rtl/Strings.h"
#include "windows/Controls.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>

#include <cstdint>
#include <sys/stat.h>

namespace {

QByteArray Hex(const char* Digits)
{
    return QByteArray::fromHex(Digits);
}

QByteArray Short(const QByteArray& Text)
{
    return QByteArray(1, char(Text.size())) + Text;
}

QByteArray Int32(int32_t Value)
{
    QByteArray Bytes(4, '\0');
    qToLittleEndian(Value, Bytes.data());
    return Bytes;
}

QByteArray Prop(const QByteArray& Name, const QByteArray& Value)
{
    return Short(Name) + Value;
}

QByteArray Ident(const QByteArray& Name)
{
    return Hex("07") + Short(Name);
}

QByteArray Image(const QByteArray& Class, const QByteArray& Properties)
{
    return "TPF0" + Short(Class) + Hex("00") + Properties + Hex("0000");
}

// Reads Data into Instance and checks that exactly the image was taken.
void Load(TGridImage* Instance, const QByteArray& Data)
{
    TBytesStream Stream(Data);
    ReadComponent(&Stream, Instance);
    EXPECT_EQ(Stream.Position(), Stream.Size());
}

QByteArray HeaderImage(const QByteArray& ColCount)
{
    return Image("TGridPropIO", Prop("ColCount", ColCount) + Prop("RowCount", Hex("0200")) +
                                    Prop("FullGrid", Hex("08")) + Prop("ID", Hex("0200")));
}

TEST(ComponentImageTest, HeaderImageByteForByte)
{
    TGridPropIO Header(nullptr);
    Header.SetColCount(5);
    Header.SetRowCount(200);
    Header.SetID(70000);
    Header.SetColWidths(QStringLiteral("64,20"));
    Header.SetFullGrid(true);
    const QByteArray Expected = Image("TGridPropIO", Prop("ColCount", Hex("0205")) + Prop("RowCount", Hex("03C800")) +
                                                         Prop("ColWidths", Hex("06") + Short("64,20")) +
                                                         Prop("FullGrid", Hex("09")) + Prop("ID", Hex("0470110100")));
    EXPECT_EQ(ComponentImageBytes(&Header).toHex(' '), Expected.toHex(' '));

    TGridPropIO Read(nullptr);
    Read.SetRowHeights(QStringLiteral("kept"));
    Load(&Read, Expected);
    EXPECT_EQ(Read.ColCount(), 5);
    EXPECT_EQ(Read.RowCount(), 200);
    EXPECT_EQ(Read.ID(), 70000);
    EXPECT_EQ(Read.ColWidths(), QStringLiteral("64,20"));
    EXPECT_TRUE(Read.FullGrid());
    EXPECT_EQ(Read.RowHeights(), QStringLiteral("kept"));
}

TEST(ComponentImageTest, IntegersTakeTheSmallestTag)
{
    const struct {
        int32_t Value;
        const char* Bytes;
    } Cases[] = {
        {0, "0200"},
        {-128, "0280"},
        {127, "027F"},
        {128, "038000"},
        {-129, "037FFF"},
        {32767, "03FF7F"},
        {-32768, "030080"},
        {32768, "0400800000"},
        {-32769, "04FF7FFFFF"},
        {INT32_MAX, "04FFFFFF7F"},
        {INT32_MIN, "0400000080"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Value);
        TGridPropIO Header(nullptr);
        Header.SetColCount(Case.Value);
        EXPECT_EQ(ComponentImageBytes(&Header).toHex(' '), HeaderImage(Hex(Case.Bytes)).toHex(' '));
        TGridPropIO Read(nullptr);
        Read.SetColCount(99);
        Load(&Read, HeaderImage(Hex(Case.Bytes)));
        EXPECT_EQ(Read.ColCount(), Case.Value);
    }
}

TEST(ComponentImageTest, ColoursWithANameTravelAsTheName)
{
    const struct {
        TColor Color;
        QByteArray Bytes;
    } Cases[] = {
        {clNone, Ident("clNone")},
        {clDefault, Ident("clDefault")},
        {1, Hex("0201")},
        {TColor(0xC0C0C0), Ident("clSilver")},
        {TColor(0x808080), Ident("clGray")},
        {clMoneyGreen, Ident("clMoneyGreen")},
        {clWindow, Ident("clWindow")},
        {clMenuBar, Ident("clMenuBar")},
        {TColor(0xFF000019), Hex("04190000FF")},  // system colour 25 has no name
        {TColor(0x123456), Hex("0456341200")},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Bytes.toHex(' ').toStdString());
        TGridCellPropIO Source(nullptr);
        Source.CellProperties()->SetBrushColor(Case.Color);
        const QByteArray Bytes = ComponentImageBytes(&Source);
        EXPECT_TRUE(Bytes.contains(Prop("CellProperties.BrushColor", Case.Bytes)));
        TGridCellPropIO Read(nullptr);
        Load(&Read, Bytes);
        EXPECT_EQ(Read.CellProperties()->BrushColor(), Case.Color);
    }
}

QByteArray CellImage(const QByteArray& Cell)
{
    return Image("TGridCellIO", Prop("Col", Hex("0201")) + Prop("Row", Hex("0202")) +
                                    (Cell.isNull() ? QByteArray() : Prop("Cell", Cell)) + Prop("HasProp", Hex("08")));
}

TEST(ComponentImageTest, StringsTakeTheTagTheirBytesCallFor)
{
    const struct {
        QString Text;
        QByteArray Bytes;
    } Cases[] = {
        {QStringLiteral("abc"), Hex("0603") + "abc"},
        {QString(255, u'x'), Hex("06FF") + QByteArray(255, 'x')},
        {QString(256, u'x'), Hex("0C00010000") + QByteArray(256, 'x')},
        {QString(300, u'a'), Hex("0C2C010000") + QByteArray(300, 'a')},
        {QStringLiteral("café"), Hex("1405000000") + "caf\xC3\xA9"},
        {QStringLiteral("ab€"), Hex("1405000000") + "ab\xE2\x82\xAC"},
        {QStringLiteral("é"), Hex("1201000000 E900")},
        {QStringLiteral("€€"), Hex("1202000000 AC20AC20")},
        {QString(), QByteArray()},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Text.left(10).toStdString());
        TGridCellIO Cell(nullptr);
        Cell.SetCol(1);
        Cell.SetRow(2);
        Cell.SetCell(Case.Text);
        EXPECT_EQ(ComponentImageBytes(&Cell).toHex(' '), CellImage(Case.Bytes).toHex(' '));
        TGridCellIO Read(nullptr);
        Read.SetCell(QStringLiteral("before"));
        Load(&Read, CellImage(Case.Bytes));
        EXPECT_EQ(Read.Cell(), Case.Text.isEmpty() ? QStringLiteral("before") : Case.Text);
    }
}

TEST(ComponentImageTest, FloatsAreExtendedAndZeroIsLeftOut)
{
    const struct {
        double Value;
        const char* Bytes;
    } Cases[] = {{1.0, "0000000000000080FF3F"}, {2.5, "00000000000000A00040"}, {-0.5, "0000000000000080FEBF"}};
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Value);
        TGridGraphicIO Source(nullptr);
        Source.CellGraphic()->SetCellValue(Case.Value);
        const QByteArray Bytes = ComponentImageBytes(&Source);
        EXPECT_TRUE(Bytes.contains(Prop("CellGraphic.CellValue", Hex("05") + Hex(Case.Bytes))));
        TGridGraphicIO Read(nullptr);
        Load(&Read, Bytes);
        EXPECT_EQ(Read.CellGraphic()->CellValue(), Case.Value);
    }
    TGridGraphicIO Zero(nullptr);
    const QByteArray Bytes = ComponentImageBytes(&Zero);
    EXPECT_FALSE(Bytes.contains("CellValue"));
    TGridGraphicIO Read(nullptr);
    Read.CellGraphic()->SetCellValue(3);
    Load(&Read, Bytes);
    EXPECT_EQ(Read.CellGraphic()->CellValue(), 3);
}

TEST(ComponentImageTest, SetsListTheirMembersUpToAnEmptyName)
{
    const struct {
        TFontStyles Style;
        QByteArray Bytes;
    } Cases[] = {
        {{}, Hex("0B00")},
        {{fsBold}, Hex("0B") + Short("fsBold") + Hex("00")},
        {{fsStrikeOut, fsBold, fsUnderline},
         Hex("0B") + Short("fsBold") + Short("fsUnderline") + Short("fsStrikeOut") + Hex("00")},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Bytes.toHex(' ').toStdString());
        TGridCellPropIO Source(nullptr);
        Source.CellProperties()->SetFontStyle(Case.Style);
        const QByteArray Bytes = ComponentImageBytes(&Source);
        EXPECT_TRUE(Bytes.contains(Prop("CellProperties.FontStyle", Case.Bytes)));
        TGridCellPropIO Read(nullptr);
        Read.CellProperties()->SetFontStyle({fsItalic});
        Load(&Read, Bytes);
        EXPECT_TRUE(Read.CellProperties()->FontStyle() == Case.Style);
    }
}

TEST(ComponentImageTest, AListWithAnEmptyStringByteForByte)
{
    TGridSLIO Source(nullptr);
    for (const char16_t* Line : {u"a", u"", u"ü"}) Source.Strings()->Add(QString::fromUtf16(Line));
    const QByteArray Expected =
        Image("TGridSLIO", Prop("Strings.Strings", Hex("01") + Hex("0601") + "a" + Hex("1200000000") +
                                                       Hex("1201000000 FC00") + Hex("00")));
    EXPECT_EQ(ComponentImageBytes(&Source).toHex(' '), Expected.toHex(' '));

    TGridSLIO Read(nullptr);
    Read.Strings()->Add(QStringLiteral("old"));
    Load(&Read, Expected);
    EXPECT_EQ(Read.Strings()->Count(), 3);
    EXPECT_EQ(Read.Strings()->Strings(1), QString());
    EXPECT_EQ(Read.Strings()->Strings(2), QStringLiteral("ü"));

    TGridSLIO Empty(nullptr);
    EXPECT_EQ(ComponentImageBytes(&Empty), Image("TGridSLIO", {}));
}

TEST(ComponentImageTest, PropertiesImageInDeclarationOrder)
{
    TGridCellPropIO Props(nullptr);
    Props.CellProperties()->SetFontName(QStringLiteral("Tahoma"));
    const QByteArray P = "CellProperties.";
    const QByteArray Expected =
        Image("TGridCellPropIO",
              Prop(P + "IsBaseCell", Hex("09")) + Prop(P + "CellSpanX", Hex("02FF")) +
                  Prop(P + "CellSpanY", Hex("02FF")) + Prop(P + "Alignment", Ident("taLeftJustify")) +
                  Prop(P + "BorderColor", Ident("clNone")) + Prop(P + "BorderWidth", Hex("0200")) +
                  Prop(P + "BrushColor", Ident("clNone")) + Prop(P + "BrushColorTo", Ident("clNone")) +
                  Prop(P + "BrushStyle", Ident("bsSolid")) + Prop(P + "CellObject", Hex("0200")) +
                  Prop(P + "FontColor", Ident("clNone")) + Prop(P + "FontName", Hex("06") + Short("Tahoma")) +
                  Prop(P + "FontSize", Hex("0200")) + Prop(P + "FontStyle", Hex("0B00")) +
                  Prop(P + "Editor", Ident("edNormal")) + Prop(P + "GradientDirection", Ident("GradientVertical")) +
                  Prop(P + "ReadOnly", Hex("08")) + Prop(P + "VAlignment", Ident("vtaTop")) +
                  Prop(P + "WordWrap", Hex("09")) + Prop(P + "NodeLevel", Hex("0200")) + Prop("HasGraphic", Hex("08")));
    EXPECT_EQ(ComponentImageBytes(&Props).toHex(' '), Expected.toHex(' '));

    const QByteArray G = "CellGraphic.";
    TGridGraphicIO Graphic(nullptr);
    Graphic.CellGraphic()->SetCellType(ctCheckBox);
    Graphic.CellGraphic()->SetCellCheckBoxState(cbGrayed);
    Graphic.CellGraphic()->SetCellText(QStringLiteral("x"));
    const QByteArray ExpectedGraphic = Image(
        "TGridGraphicIO", Prop(G + "CellType", Ident("ctCheckBox")) + Prop(G + "CellVAlign", Ident("vaTop")) +
                              Prop(G + "CellHAlign", Ident("haLeft")) + Prop(G + "CellIndex", Hex("0200")) +
                              Prop(G + "CellTransparent", Hex("08")) + Prop(G + "CellCreated", Hex("08")) +
                              Prop(G + "CellBoolean", Hex("08")) + Prop(G + "CellCheckBoxState", Ident("cbGrayed")) +
                              Prop(G + "CellAngle", Hex("0200")) + Prop(G + "CellErrFrom", Hex("0200")) +
                              Prop(G + "CellErrLen", Hex("0200")) + Prop(G + "CellText", Hex("0601") + "x"));
    EXPECT_EQ(ComponentImageBytes(&Graphic).toHex(' '), ExpectedGraphic.toHex(' '));
}

TEST(ComponentImageTest, ReferencesTravelByNameAndAreNotResolved)
{
    TControl Edit(nullptr);
    Edit.SetName(QStringLiteral("Edit1"));
    TGridCellPropIO Source(nullptr);
    Source.CellProperties()->SetControl(&Edit);
    Source.CellProperties()->SetCellObject(0x1234);
    const QByteArray Bytes = ComponentImageBytes(&Source);
    EXPECT_TRUE(Bytes.contains(Prop("CellProperties.Control", Ident("Edit1"))));
    EXPECT_TRUE(Bytes.contains(Prop("CellProperties.CellObject", Hex("033412"))));

    // The numeric object and the control mean something only in the program that wrote them.
    TGridCellPropIO Read(nullptr);
    Read.CellProperties()->SetCellObject(77);
    Load(&Read, Bytes);
    EXPECT_EQ(Read.CellProperties()->CellObject(), 77u);
    EXPECT_EQ(Read.CellProperties()->Control(), nullptr);
}

TEST(ComponentImageTest, ReadingTakesEveryFormOfAValue)
{
    const QByteArray P = "CellProperties.";
    const QByteArray Bytes =
        Image("TGridCellPropIO",
              Prop(P + "cellspanx", Hex("0405000000")) + Prop(P + "CellSpanY", Hex("030600")) +
                  Prop(P + "BrushColor", Ident("CLRED")) + Prop(P + "FontColor", Hex("04FF000000")) +
                  Prop(P + "Alignment", Ident("TACENTER")) + Prop(P + "FontName", Hex("0C03000000") + "Arl") +
                  Prop(P + "FontStyle", Hex("0B") + Short("FSITALIC") + Hex("00")) + Prop("HASGRAPHIC", Hex("09")));
    TGridCellPropIO Read(nullptr);
    Load(&Read, Bytes);
    TCellProperties* Props = Read.CellProperties();
    EXPECT_EQ(Props->CellSpanX(), 5);
    EXPECT_EQ(Props->CellSpanY(), 6);
    EXPECT_EQ(Props->BrushColor(), clRed);
    EXPECT_EQ(Props->FontColor(), 255);
    EXPECT_EQ(Props->Alignment(), taCenter);
    EXPECT_EQ(Props->FontName(), QStringLiteral("Arl"));
    EXPECT_TRUE(Props->FontStyle() == TFontStyles{fsItalic});
    EXPECT_TRUE(Read.HasGraphic());

    // Eight-bit strings from elsewhere read in the ANSI code page, wide ones as UTF-16.
    const struct {
        QByteArray Bytes;
        QString Text;
    } Strings[] = {
        {Hex("0602 E980"), QStringLiteral("é€")},
        {Hex("0C02000000 E980"), QStringLiteral("é€")},
        {Hex("1402000000 C3A9"), QStringLiteral("é")},
        {Hex("1202000000 41003D26"), QStringLiteral("A☽")},
    };
    for (const auto& Case : Strings) {
        TGridCellIO Cell(nullptr);
        Load(&Cell, CellImage(Case.Bytes));
        EXPECT_EQ(Cell.Cell(), Case.Text);
    }
}

// A 2 x 1 bitmap: red, then blue.
void PaintTwoPixels(TBitmap* Bitmap)
{
    Bitmap->SetPixelFormat(pf24bit);
    Bitmap->SetSize(2, 1);
    Bitmap->Canvas()->SetPixels(0, 0, clRed);
    Bitmap->Canvas()->SetPixels(1, 0, clBlue);
}

TEST(ComponentImageTest, BitmapsTravelAsCountedBmpFiles)
{
    TGridBMPIO Source(nullptr);
    EXPECT_EQ(ComponentImageBytes(&Source), Image("TGridBMPIO", {}));
    PaintTwoPixels(Source.Bitmap());
    const QByteArray Bytes = ComponentImageBytes(&Source);
    // The binary item: its length, then the bitmap's byte count and its BMP file.
    const QByteArray Head = "TPF0" + Short("TGridBMPIO") + Hex("00") + Short("Bitmap.Data") + Hex("0A");
    ASSERT_TRUE(Bytes.startsWith(Head));
    const int32_t Length = qFromLittleEndian<int32_t>(Bytes.constData() + Head.size());
    const QByteArray Item = Bytes.mid(Head.size() + 4, Length);
    const int32_t Count = qFromLittleEndian<int32_t>(Item.constData());
    EXPECT_EQ(Count + 4, Length);
    EXPECT_TRUE(Item.mid(4).startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<int32_t>(Item.constData() + 6), Count);  // the BMP's own file size
    EXPECT_EQ(Bytes.size(), Head.size() + 4 + Length + 2);

    TGridBMPIO Read(nullptr);
    Load(&Read, Bytes);
    ASSERT_EQ(Read.Bitmap()->Width(), 2);
    EXPECT_EQ(Read.Bitmap()->Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(Read.Bitmap()->Canvas()->Pixels(1, 0), clBlue);
    EXPECT_EQ(ComponentImageBytes(&Read), Bytes);
}

TEST(ComponentImageTest, PicturesLeadWithTheirKind)
{
    TGridPicIO Source(nullptr);
    EXPECT_EQ(ComponentImageBytes(&Source), Image("TGridPicIO", {}));
    PaintTwoPixels(Source.Picture()->Bitmap());
    const QByteArray Bytes = ComponentImageBytes(&Source);
    const QByteArray Head = "TPF0" + Short("TGridPicIO") + Hex("00") + Short("Picture.Data") + Hex("0A");
    ASSERT_TRUE(Bytes.startsWith(Head));
    EXPECT_EQ(Bytes.mid(Head.size() + 4, 8), Short("TBitmap"));
    EXPECT_EQ(Bytes.mid(Head.size() + 16, 2), "BM");

    TGridPicIO Read(nullptr);
    Load(&Read, Bytes);
    ASSERT_NE(Read.Picture()->Graphic(), nullptr);
    EXPECT_EQ(Read.Picture()->Graphic()->ClassName(), QStringLiteral("TBitmap"));
    EXPECT_EQ(Read.Picture()->Bitmap()->Canvas()->Pixels(1, 0), clBlue);
}

// An icon file holding one 2 x 2 PNG image.
QByteArray IconFile()
{
    QImage Picture(2, 2, QImage::Format_ARGB32);
    Picture.fill(Qt::green);
    QBuffer Png;
    Png.open(QIODevice::WriteOnly);
    Picture.save(&Png, "PNG");
    const QByteArray Data = Png.data();
    return Hex("0000 0100 0100") + Hex("02 02 00 00 0100 2000") + Int32(int32_t(Data.size())) + Int32(22) + Data;
}

TEST(ComponentImageTest, IconsTravelAsIconFiles)
{
    TGridIconIO Source(nullptr);
    EXPECT_EQ(ComponentImageBytes(&Source), Image("TGridIconIO", {}));
    TBytesStream File(IconFile());
    Source.Icon()->LoadFromStream(&File);
    const QByteArray Bytes = ComponentImageBytes(&Source);
    EXPECT_EQ(Bytes,
              Image("TGridIconIO", Prop("Icon.Data", Hex("0A") + Int32(int32_t(IconFile().size())) + IconFile())));
    TGridIconIO Read(nullptr);
    Load(&Read, Bytes);
    EXPECT_EQ(Read.Icon()->Width(), 2);
}

TEST(ComponentImageTest, FilePicturesOpenOnlyRegularFiles)
{
    TempFolder Folder;
    TBitmap Bitmap;
    PaintTwoPixels(&Bitmap);
    Bitmap.SaveToFile(Folder.File(QStringLiteral("two.bmp")));
    ASSERT_EQ(mkfifo(Folder.File(QStringLiteral("pipe.bmp")).toLocal8Bit().constData(), 0600), 0);

    const struct {
        QString Name;
        int32_t Width;
    } Cases[] = {
        {Folder.File(QStringLiteral("two.bmp")), 2},
        {Folder.File(QStringLiteral("missing.bmp")), 0},
        {Folder.File(QStringLiteral("pipe.bmp")), 0},  // would block a reader
        {Folder.Path(), 0},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name.toStdString());
        const QByteArray Bytes =
            Image("TGridFilePicIO",
                  Prop("Picture.Filename", Hex("14") + Int32(int32_t(Case.Name.toUtf8().size())) + Case.Name.toUtf8()));
        TGridFilePicIO Read(nullptr);
        Load(&Read, Bytes);
        EXPECT_EQ(Read.Picture()->Filename(), Case.Name);
        EXPECT_EQ(Read.Picture()->Width(), Case.Width);
    }
}

TEST(ComponentImageTest, AnImageEndsWhereItsBytesEndAlsoInAFile)
{
    TempFolder Folder;
    TGridCellIO First(nullptr);
    First.SetCell(QString(700, u'w'));  // longer than the first piece a file is read in
    TGridCellIO Second(nullptr);
    Second.SetCol(9);
    const QByteArray FirstBytes = ComponentImageBytes(&First);
    const QString Name = Folder.Write(QStringLiteral("cells.bin"), FirstBytes + ComponentImageBytes(&Second) + "z");

    TFileStream Stream(Name, fmOpenRead);
    TGridCellIO Read(nullptr);
    ReadComponent(&Stream, &Read);
    EXPECT_EQ(Read.Cell(), First.Cell());
    EXPECT_EQ(Stream.Position(), FirstBytes.size());
    ReadComponent(&Stream, &Read);
    EXPECT_EQ(Read.Col(), 9);
    EXPECT_EQ(Stream.Position(), Stream.Size() - 1);
    EXPECT_EQ(MessageOf<EExtGridError>([&] { ReadComponent(&Stream, &Read); }), QStringLiteral("Stream read error"));
    EXPECT_EQ(Stream.Position(), Stream.Size() - 1);
}

// A header image whose first property reads well and whose second is Tail.
QByteArray AfterColCount(const QByteArray& Tail)
{
    return "TPF0" + Short("TGridPropIO") + Hex("00") + Prop("ColCount", Hex("0207")) + Tail;
}

TEST(ComponentImageTest, DamagedImagesChangeNothing)
{
    const QByteArray P = "CellProperties.";
    const struct {
        const char* Name;
        QByteArray Bytes;
        QString Message;
    } Cases[] = {
        {"signature", "TPF1" + HeaderImage(Hex("0205")).mid(4), QStringLiteral("Invalid stream format")},
        {"no property", AfterColCount(Prop("Colour", Hex("0201")) + Hex("0000")),
         QStringLiteral("Property Colour does not exist")},
        {"string for integer", AfterColCount(Prop("RowCount", Hex("060131")) + Hex("0000")),
         QStringLiteral("Invalid property value")},
        {"integer for Boolean", AfterColCount(Prop("FullGrid", Hex("0201")) + Hex("0000")),
         QStringLiteral("Invalid property value")},
        {"64-bit integer", AfterColCount(Prop("ID", Hex("130100000000000000")) + Hex("0000")),
         QStringLiteral("Invalid property value")},
        {"unknown tag", AfterColCount(Prop("ID", Hex("16")) + Hex("0000")), QStringLiteral("Invalid property value")},
        {"child object", AfterColCount(Hex("00") + Hex("01")), QStringLiteral("Invalid stream format")},
        {"long string beyond the end", AfterColCount(Prop("ColWidths", Hex("0CFFFFFF7F") + "12")),
         QStringLiteral("Stream read error")},
        {"wide string beyond the end", AfterColCount(Prop("ColWidths", Hex("1200000040") + "12")),
         QStringLiteral("Stream read error")},
        {"UTF-8 string beyond the end", AfterColCount(Prop("ColWidths", Hex("1403000000") + "12")),
         QStringLiteral("Stream read error")},
        {"short string beyond the end", AfterColCount(Hex("09") + "RowCo"), QStringLiteral("Stream read error")},
        {"no end", AfterColCount({}), QStringLiteral("Stream read error")},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TGridPropIO Header(nullptr);
        Header.SetColCount(3);
        Header.SetRowCount(4);
        const QByteArray Before = ComponentImageBytes(&Header);
        TBytesStream Stream("pre" + Case.Bytes);
        Stream.SetPosition(3);
        EXPECT_EQ(MessageOf<EExtGridError>([&] { ReadComponent(&Stream, &Header); }), Case.Message);
        EXPECT_EQ(Stream.Position(), 3);
        EXPECT_EQ(ComponentImageBytes(&Header), Before);
    }

    const struct {
        const char* Name;
        QByteArray Properties;
        QString Message;
    } PropsCases[] = {
        {"enumeration name", Prop(P + "Alignment", Ident("taMiddle")), QStringLiteral("Invalid property value")},
        {"set member", Prop(P + "FontStyle", Hex("0B") + Short("fsBlink") + Hex("00")),
         QStringLiteral("Invalid property value")},
        {"colour name", Prop(P + "FontColor", Ident("clPink")), QStringLiteral("Invalid property value")},
        {"identifier for a string", Prop(P + "FontName", Ident("Arial")), QStringLiteral("Invalid property value")},
    };
    for (const auto& Case : PropsCases) {
        SCOPED_TRACE(Case.Name);
        TGridCellPropIO Props(nullptr);
        const QByteArray Before = ComponentImageBytes(&Props);
        TBytesStream Stream(Image("TGridCellPropIO", Prop(P + "CellSpanX", Hex("0209")) + Case.Properties));
        EXPECT_EQ(MessageOf<EExtGridError>([&] { ReadComponent(&Stream, &Props); }), Case.Message);
        EXPECT_EQ(ComponentImageBytes(&Props), Before);
    }

    const struct {
        const char* Name;
        QByteArray Bytes;
        QString Message;
    } CellCases[] = {
        {"column beyond 16 bits", Image("TGridCellIO", Prop("Col", Hex("0470110100"))),
         QStringLiteral("Invalid property value")},
        {"negative row", Image("TGridCellIO", Prop("Row", Hex("02FF"))), QStringLiteral("Invalid property value")},
    };
    for (const auto& Case : CellCases) {
        SCOPED_TRACE(Case.Name);
        TGridCellIO Cell(nullptr);
        TBytesStream Stream(Case.Bytes);
        EXPECT_EQ(MessageOf<EExtGridError>([&] { ReadComponent(&Stream, &Cell); }), Case.Message);
        EXPECT_EQ(Cell.Col(), 0);
    }
}

TEST(ComponentImageTest, DamagedPicturesChangeNothing)
{
    TGridBMPIO Good(nullptr);
    PaintTwoPixels(Good.Bitmap());
    const QByteArray Bmp = ComponentImageBytes(&Good);
    const qsizetype ItemAt = 4 + 11 + 1 + 12 + 1;  // the binary item's length
    const struct {
        const char* Name;
        QByteArray Bytes;
        QString Message;
    } Cases[] = {
        {"count beyond the item", Image("TGridBMPIO", Prop("Bitmap.Data", Hex("0A08000000") + Int32(5) + "BMxx")),
         QStringLiteral("Stream read error")},
        {"no count", Image("TGridBMPIO", Prop("Bitmap.Data", Hex("0A02000000") + "BM")),
         QStringLiteral("Stream read error")},
        {"not a bitmap", Image("TGridBMPIO", Prop("Bitmap.Data", Hex("0A08000000") + Int32(4) + "XMxx")),
         QStringLiteral("Bitmap image is not valid")},
        {"item cut short", Bmp.left(ItemAt + 20), QStringLiteral("Stream read error")},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TGridBMPIO Read(nullptr);
        PaintTwoPixels(Read.Bitmap());
        TBytesStream Stream(Case.Bytes);
        EXPECT_EQ(MessageOf<EExtGridError>([&] { ReadComponent(&Stream, &Read); }), Case.Message);
        EXPECT_EQ(ComponentImageBytes(&Read), Bmp);
    }

    const struct {
        const char* Name;
        QByteArray Data;
    } PictureCases[] = {
        {"empty", {}},
        {"kind cut short", Hex("07") + "TBit"},
        {"count beyond the item", Short("TBitmap") + Int32(100) + "BM"},
        {"JPEG count beyond the item", Short("TJPEGImage") + Int32(1000000)},
    };
    for (const auto& Case : PictureCases) {
        SCOPED_TRACE(Case.Name);
        TGridPicIO Read(nullptr);
        TBytesStream Stream(
            Image("TGridPicIO", Prop("Picture.Data", Hex("0A") + Int32(int32_t(Case.Data.size())) + Case.Data)));
        EXPECT_EQ(MessageOf<EExtGridError>([&] { ReadComponent(&Stream, &Read); }),
                  QStringLiteral("Stream read error"));
        EXPECT_EQ(Read.Picture()->Graphic(), nullptr);
    }
}

TEST(ComponentImageTest, EveryCutOfAnImageIsAReadError)
{
    TGridGraphicIO Source(nullptr);
    Source.CellGraphic()->SetCellType(ctProgress);
    Source.CellGraphic()->SetCellValue(42.5);
    Source.CellGraphic()->SetCellText(QStringLiteral("ab€"));
    Source.CellGraphic()->SetCellAngle(-40000);
    const QByteArray Bytes = ComponentImageBytes(&Source);
    for (qsizetype Size = 0; Size < Bytes.size(); ++Size) {
        SCOPED_TRACE(Size);
        TGridGraphicIO Read(nullptr);
        TBytesStream Stream(Bytes.left(Size));
        EXPECT_EQ(MessageOf<EExtGridError>([&] { ReadComponent(&Stream, &Read); }),
                  QStringLiteral("Stream read error"));
        EXPECT_EQ(Read.CellGraphic()->CellType(), ctNone);
        EXPECT_EQ(Stream.Position(), 0);
    }
    TGridGraphicIO Read(nullptr);
    Load(&Read, Bytes);
    EXPECT_EQ(ComponentImageBytes(&Read), Bytes);
}

}  // namespace
