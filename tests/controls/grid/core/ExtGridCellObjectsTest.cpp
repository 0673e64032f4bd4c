// Graphic cells (ownership, image-list gating, markers, comments, scroll bars), the helpers that
// make and remove graphics, their extents, the displayed text and typed access.
#include "ExtGridTestSupport.h"

#include "grid/base/FilePicture.h"
#include "grid/base/GridSupport.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridOptions.h"

#include "graphics/Canvas.h"
#include "graphics/ImageList.h"
#include "rtl/FormatSettings.h"

namespace {

TEST_F(ExtGridFixture, AddKeepsTheCallersObjectCreateHandsItToTheCell)
{
    struct TCase {
        const char* Name;
        std::function<void(TExtStringGrid*)> Add;
        std::function<void(TExtStringGrid*)> Create;
        std::function<void(TExtStringGrid*)> Remove;
        int32_t* Counter;
    };
    TCountedBitmap* Bitmap = nullptr;
    TCountedPicture* Picture = nullptr;
    TCountedIcon* Icon = nullptr;
    const TCase Cases[] = {
        {"bitmap", [&](auto* G) { G->AddBitmap(1, 1, Bitmap = new TCountedBitmap(), false, haLeft, vaTop); },
         [](auto* G) { G->CreateBitmap(1, 1, false, haLeft, vaTop); }, [](auto* G) { G->RemoveBitmap(1, 1); },
         &TFreed::Bitmaps},
        {"picture",
         [&](auto* G) { G->AddPicture(1, 1, Picture = new TCountedPicture(), false, noStretch, 0, haLeft, vaTop); },
         [](auto* G) { G->CreatePicture(1, 1, false, noStretch, 0, haLeft, vaTop); },
         [](auto* G) { G->RemovePicture(1, 1); }, &TFreed::Pictures},
        {"icon", [&](auto* G) { G->AddIcon(1, 1, Icon = new TCountedIcon(), haLeft, vaTop); },
         [](auto* G) { G->CreateIcon(1, 1, haLeft, vaTop); }, [](auto* G) { G->RemoveIcon(1, 1); }, &TFreed::Icons},
    };
    for (const TCase& C : Cases) {
        C.Add(Grid);
        C.Remove(Grid);
        EXPECT_EQ(*C.Counter, 0) << C.Name;
        EXPECT_EQ(Grid->GetCellGraphic(1, 1), nullptr) << C.Name;
    }
    delete Bitmap;
    delete Picture;
    delete Icon;
    TFreed::Reset();
    // Created objects are of the plain classes: count them by the cell's graphic going away.
    Grid->CreateBitmap(1, 1, false, haLeft, vaTop);
    EXPECT_NE(Grid->GetBitmap(1, 1), nullptr);
    Grid->RemovePicture(1, 1);
    EXPECT_NE(Grid->GetBitmap(1, 1), nullptr);
    EXPECT_TRUE(Grid->GetCellGraphic(1, 1)->CellCreated());
    Grid->RemoveBitmap(1, 1);
    EXPECT_FALSE(Grid->HasBitmap(1, 1));

    // A replaced graphic frees what it made, never what the caller gave.
    auto* Mine = new TCountedBitmap();
    Grid->AddBitmap(2, 2, Mine, true, haLeft, vaTop);
    Grid->AddComment(2, 2, QStringLiteral("over it"));
    EXPECT_EQ(TFreed::Bitmaps, 0);
    delete Mine;
    EXPECT_EQ(TFreed::Bitmaps, 1);
}

TEST_F(ExtGridFixture, SetRotatedFreesTheBitmapTheGraphicOwned)
{
    auto* Owned = new TCountedBitmap();
    Grid->AddBitmap(1, 1, Owned, false, haLeft, vaTop);
    Grid->GetCellGraphic(1, 1)->SetCellCreated(true);
    Grid->SetRotated(1, 1, -90);
    EXPECT_EQ(TFreed::Bitmaps, 1);
    int32_t Angle = 0;
    ASSERT_TRUE(Grid->IsRotated(1, 1, Angle));
    EXPECT_EQ(Angle, 270);
    EXPECT_EQ(Grid->GetBitmap(1, 1), nullptr);
    Grid->AddRotated(2, 2, 720, QStringLiteral("up"));
    EXPECT_EQ(Grid->Cells(2, 2), QStringLiteral("up"));
    Grid->IsRotated(2, 2, Angle);
    EXPECT_EQ(Angle, 360);
    Grid->RemoveRotated(2, 2);
    EXPECT_FALSE(Grid->IsRotated(2, 2, Angle));
}

TEST_F(ExtGridFixture, ImageListCellsNeedTheGridImages)
{
    int32_t Index = 0;
    Grid->AddImageIdx(1, 1, 3, haLeft, vaTop);
    EXPECT_EQ(Grid->GetCellGraphic(1, 1), nullptr);
    EXPECT_FALSE(Grid->GetImageIdx(1, 1, Index));
    Grid->AddDataImage(1, 2, 3, haLeft, vaTop);
    Grid->AddMultiImage(1, 3, 0, haLeft, vaTop);
    EXPECT_EQ(Grid->Cells(1, 2), QString());
    EXPECT_EQ(Grid->GetCellGraphic(1, 3), nullptr);

    auto* Images = New<TCustomImageList>(Form.get());
    Grid->SetGridImages(Images);
    Grid->AddImageIdx(1, 1, 3, haLeft, vaTop);
    ASSERT_TRUE(Grid->GetImageIdx(1, 1, Index));
    EXPECT_EQ(Index, 3);
    Grid->SetImageIdx(1, 1, 5);
    Grid->GetImageIdx(1, 1, Index);
    EXPECT_EQ(Index, 5);
    EXPECT_EQ(Grid->GetCellImageKey(1, 1), 5);

    Grid->AddDataImage(1, 2, 3, haLeft, vaTop);
    EXPECT_EQ(Grid->Cells(1, 2), QStringLiteral("3"));
    Grid->SetCells(1, 4, QStringLiteral("5"));
    Grid->AddDataImage(1, 4, 3, haLeft, vaTop);
    EXPECT_EQ(Grid->Cells(1, 4), QStringLiteral("5"));
    EXPECT_TRUE(Grid->HasDataImage(1, 4));
    EXPECT_TRUE(IsDataCellType(Grid, 1, 4));
    Grid->SetCells(3, 3, QStringLiteral("text"));
    Grid->RemoveDataImage(3, 3);
    EXPECT_EQ(Grid->Cells(3, 3), QString());

    // The image-index list of a multi-image cell repaints and belongs to the graphic.
    Grid->AddMultiImage(1, 3, 0, haLeft, vaTop);
    TIntList* List = Grid->CellImages(1, 3);
    ASSERT_NE(List, nullptr);
    List->Add(1);
    List->Add(2);
    EXPECT_EQ(Grid->CellImages(1, 1), nullptr);
    Grid->RemoveMultiImage(1, 3);
    EXPECT_EQ(Grid->CellImages(1, 3), nullptr);

    // A freed image list is forgotten.
    delete Images;
    EXPECT_EQ(Grid->GridImages(), nullptr);
    EXPECT_FALSE(Grid->GetImageIdx(1, 1, Index));
}

TEST_F(ExtGridFixture, MarkersShareTheRangeFieldsOfProgressCells)
{
    Grid->AddProgress(1, 1, clRed, clWhite);
    EXPECT_TRUE(Grid->HasProgress(1, 1));
    EXPECT_EQ(Grid->GetCellGraphic(1, 1)->CellErrLen(), 100);
    EXPECT_EQ(Grid->GetCellGraphic(1, 1)->CellBitmapColor(), clRed);
    EXPECT_EQ(Grid->GetCellGraphic(1, 1)->CellIconColor(), clWhite);
    Grid->AddMarker(1, 1, 2, 3);
    int32_t Pos = -1, Len = -1;
    Grid->GetMarker(1, 1, Pos, Len);
    EXPECT_EQ(Pos, 2);
    EXPECT_EQ(Len, 3);
    Grid->RemoveMarker(1, 1);
    Grid->GetMarker(1, 1, Pos, Len);
    EXPECT_EQ(Pos + Len, 0);
    EXPECT_TRUE(Grid->HasProgress(1, 1));

    // On a plain cell the marker makes a bare graphic that removing takes away again.
    Grid->AddMarker(2, 2, 1, 1);
    EXPECT_EQ(Grid->GetCellType(2, 2), ctEmpty);
    EXPECT_NE(Grid->GetCellGraphic(2, 2), nullptr);
    Grid->RemoveAllMarkers();
    EXPECT_EQ(Grid->GetCellGraphic(2, 2), nullptr);

    // Progress look by kind; the numbers align right with AutoNumAlign.
    Grid->SetAutoNumAlign(true);
    Grid->AddProgressFormatted(3, 3, clRed, clBlue, clWhite, clBlack, QStringLiteral("%d%%"), 10, 50);
    const TCellGraphic* G = Grid->GetCellGraphic(3, 3);
    EXPECT_TRUE(G->CellBoolean());
    EXPECT_EQ(G->CellText(), QStringLiteral("%d%%"));
    EXPECT_EQ(G->CellErrFrom(), 10);
    EXPECT_EQ(G->CellIndex(), int32_t(clBlue));
    EXPECT_EQ(Grid->GetCellProperties(3, 3)->Alignment(), taRightJustify);
    Grid->AddExtProgress(4, 4, 5, 9);
    EXPECT_EQ(Grid->GetCellType(4, 4), ctXPProgress);
    Grid->RemoveExtProgress(4, 4);
    Grid->AddProgressPie(4, 4, clLime, 40);
    Grid->SetProgressPie(4, 4, 60);
    EXPECT_EQ(Grid->GetCellGraphic(4, 4)->CellAngle(), 60);
    Grid->AddRangeIndicator(4, 5, 100, clRed, clGreen, true);
    EXPECT_EQ(Grid->GetCellGraphic(4, 5)->CellIconColor(), clGreen);
}

TEST_F(ExtGridFixture, CommentsShapesRatingsAndScrollBars)
{
    Grid->AddCheckBox(1, 1, false, false);
    Grid->SetCellComment(1, 1, QStringLiteral("x"));
    EXPECT_EQ(Grid->CellComment(1, 1), QString());
    EXPECT_TRUE(Grid->HasCheckBox(1, 1));
    Grid->SetCellComment(2, 2, QStringLiteral("note"));
    EXPECT_EQ(Grid->CellComment(2, 2), QStringLiteral("note"));
    EXPECT_EQ(Grid->GetCellGraphic(2, 2)->CellIndex(), int32_t(Grid->ControlLook()->CommentColor()));
    Grid->SetCellComment(2, 2, QStringLiteral("new"));
    EXPECT_EQ(Grid->CellComment(2, 2), QStringLiteral("new"));
    Grid->AddColorComment(2, 3, QStringLiteral("c"), clBlue);
    Grid->RemoveAllComments();
    EXPECT_EQ(Grid->CellComment(2, 2), QString());
    EXPECT_EQ(Grid->CellComment(2, 3), QString());

    Grid->AddShape(3, 3, csCircle, clYellow, clBlack, haCenter, vaCenter);
    EXPECT_EQ(Grid->GetShapeColor(3, 3), clYellow);
    Grid->SetShapeColor(3, 3, clRed);
    EXPECT_EQ(Grid->GetShapeColor(3, 3), clRed);
    EXPECT_EQ(Grid->GetShapeColor(1, 1), clNone);

    Grid->AddRating(3, 4, 5, clYellow, clGray);
    EXPECT_TRUE(Grid->HasRating(3, 4));
    EXPECT_EQ(Grid->GetCellGraphicExtent(3, 4, 0), (TPoint{90, 16}));

    EXPECT_EQ(Grid->GetScrollProp(4, 4), (TScrollProp{-1, -1}));
    EXPECT_EQ(Grid->GetScrollPosition(4, 4), -1);
    Grid->AddScrollBar(4, 4, false);
    EXPECT_EQ(Grid->GetScrollProp(4, 4), (TScrollProp{0, 100}));
    Grid->SetScrollProp(4, 4, TScrollProp{10, 200});
    Grid->SetScrollPosition(4, 4, 7);
    EXPECT_EQ(Grid->GetScrollProp(4, 4), (TScrollProp{10, 200}));
    EXPECT_EQ(Grid->GetScrollPosition(4, 4), 7);
    EXPECT_FALSE(Grid->HasAutoRangeScrollBar(4, 4));
    Grid->RemoveScrollBar(4, 4);
    EXPECT_FALSE(Grid->HasScrollBar(4, 4));
}

// An object that draws itself in a cell.
class TDrawnObject : public TPersistent, public IGridCellDrawer {
public:
    void Draw(TCanvas*, const TRect&, int32_t, int32_t, bool, TExtStringGrid*) override {}
    int32_t GetWidth() override { return Width; }
    int32_t GetHeight() override { return 12; }
    bool DrawsBeforeText() override { return true; }
    int32_t Width = 30;
};

TEST_F(ExtGridFixture, GraphicExtentsFollowKindAndPlacement)
{
    Show();
    Grid->Canvas()->Font()->Assign(Grid->Font());
    const int32_t CellW = Grid->ColWidths(1);
    const int32_t CellH = Grid->RowHeights(1);
    TCanvas* C = Grid->Canvas();
    const int32_t GH = C->TextHeight(QStringLiteral("gh"));

    Grid->AddCheckBox(1, 1, false, false);
    Grid->AddRadioButton(1, 2);
    TStrings* Options = Grid->CreateRadio(1, 3, 1, 0);
    Options->Add(QStringLiteral("ab"));
    Options->Add(QStringLiteral("cdef"));
    Options = Grid->CreateRadio(1, 4, 0, 0);
    Options->Add(QStringLiteral("ab"));
    Options->Add(QStringLiteral("cdef"));
    Grid->AddButton(1, 5, 30, 12, QStringLiteral("Go"), haLeft, vaTop);
    Grid->AddButton(1, 6, 30, 12, QStringLiteral("Go"), haFull, vaTop);
    Grid->AddButton(1, 7, 30, 12, QString(), haFull, vaFull);
    Grid->AddProgressPie(1, 8, clRed, 10);
    TDrawnObject Drawn;
    Grid->AddInterfacedCell(2, 1, &Drawn);
    Grid->AddButton(2, 2, 30, 12, QStringLiteral("Go"), haCenter, vaUnderText);
    Grid->SetCells(2, 2, QStringLiteral("text"));

    const struct {
        int32_t Col, Row;
        TPoint Extent;
    } Cases[] = {
        {1, 1, {15, 15}},
        {1, 2, {10, 10}},
        {1, 3, {C->TextWidth(QStringLiteral("ab")) + 12 + C->TextWidth(QStringLiteral("cdef")) + 12, GH}},
        {1, 4, {12 + C->TextWidth(QStringLiteral("cdef")), std::max(16, GH) * 2}},
        {1, 5, {30, 12}},
        {1, 6, {C->TextWidth(QStringLiteral("Go")) + 4, 12}},
        {1, 7, {CellW, CellH}},
        {1, 8, {20, 20}},
        {2, 1, {30, 12}},
        {2, 2, {0, 12}},
        {3, 3, {0, 0}},
    };
    for (const auto& E : Cases) EXPECT_EQ(Grid->GetCellGraphicExtent(E.Col, E.Row, 0), E.Extent) << E.Col << "," << E.Row;
    Drawn.Width = 0;
    EXPECT_EQ(Grid->GetCellGraphicSize(2, 1), (TPoint{CellW, CellH}));
    Grid->RemoveInterfacedCell(2, 1);
    EXPECT_EQ(Grid->GetInterfacedCell(2, 1), nullptr);

    // On paper: check boxes and pies by their fixed sizes, progress bars by their cell, shapes by the row.
    Grid->AddProgress(3, 1, clRed, clWhite);
    Grid->AddShape(3, 2, csSquare, clRed, clBlack, haLeft, vaTop);
    EXPECT_EQ(Grid->GetCellGraphicPrintSize(1, 1, 100, 100, 1.0), (TPoint{15, 15}));
    EXPECT_EQ(Grid->GetCellGraphicPrintSize(1, 8, 100, 100, 1.0), (TPoint{20, 20}));
    EXPECT_EQ(Grid->GetCellGraphicPrintSize(3, 1, 100, 100, 1.0), (TPoint{Grid->ColWidths(3), CellH}));
    EXPECT_EQ(Grid->GetCellGraphicPrintSize(3, 2, 100, 100, 1.0), (TPoint{CellH - 4, CellH - 4}));
    EXPECT_EQ(Grid->GetCellGraphicPrintSize(1, 5, 100, 100, 1.0), (TPoint{30, 12}));
    EXPECT_EQ(Grid->GetCellGraphicPrintSize(4, 4, 100, 100, 1.0), (TPoint{0, 0}));
}

TEST_F(ExtGridFixture, PictureExtentsUseTheAreaInsideTheTextPadding)
{
    Show();
    TPicture* Picture = Grid->CreatePicture(1, 1, false, Stretch, 0, haLeft, vaTop);
    (void)Picture;
    const TPoint Extent = Grid->GetCellGraphicExtent(1, 1, 5);
    EXPECT_EQ(Extent, (TPoint{Grid->ColWidths(1) - 1 - 4, Grid->RowHeights(1) - 1 - 4 - 5}));
    EXPECT_EQ(Grid->GetCellGraphicPrintSize(1, 1, 100, 50, 2.0), (TPoint{50, 25}));
}

TEST_F(ExtGridFixture, NewGraphicsKeepEmptyCellsEmptyAndSharedOnesAlive)
{
    TCellGraphic* G = Grid->NewCellGraphic(3, 3);
    EXPECT_EQ(G->CellType(), ctNone);
    EXPECT_EQ(Grid->Cells(3, 3), QString());
    EXPECT_EQ(Grid->GetCellGraphic(3, 3), G);
    EXPECT_FALSE(Grid->RemoveCellGraphic(4, 4));

    // A virtual check-box graphic stored in a cell is taken out, not freed.
    auto Shared = std::make_unique<TCellGraphic>();
    Shared->SetCellType(ctVirtCheckBox);
    Grid->SetGraphicObjectEx(2, 2, Shared.get());
    EXPECT_TRUE(Grid->RemoveCellGraphic(2, 2));
    EXPECT_EQ(Grid->GetCellGraphic(2, 2), nullptr);
    EXPECT_EQ(Shared->CellType(), ctVirtCheckBox);

    // Kinds by type test; another object in the graphic slot is no graphic.
    EXPECT_EQ(Grid->GetCellType(-1, 2), ctEmpty);
    EXPECT_FALSE(Grid->IsControlCell(-1, 2));
    TStringList Other;
    Grid->SetGraphicObjectEx(1, 1, &Other);
    EXPECT_EQ(Grid->GetCellGraphic(1, 1), nullptr);
    EXPECT_EQ(Grid->GetCellType(1, 1), ctEmpty);
    Grid->SetGraphicObjectEx(1, 1, nullptr);
    Grid->AddButton(1, 1, 10, 10, QString(), haLeft, vaTop);
    EXPECT_TRUE(Grid->IsControlCell(1, 1));
    Grid->AddBitButton(1, 2, 10, 10, QString(), nullptr, haLeft, vaTop);
    EXPECT_FALSE(Grid->IsControlCell(1, 2));
    // Merged areas answer for their base cell.
    Grid->MergeCells(1, 1, 2, 1);
    EXPECT_TRUE(Grid->HasButton(2, 1));
    EXPECT_TRUE(Grid->IsControlCell(2, 1));
}

TEST_F(ExtGridFixture, RowCheckGraphicStandsForColumnZeroWhileRowsSelectByCheckBox)
{
    Grid->MouseActions()->SetHotmailRowSelect(true);
    for (int32_t r = 0; r < 10; ++r) EXPECT_EQ(Grid->GetCellType(0, r), ctRowCheckBox) << r;
    for (int32_t r = 1; r <= 3; ++r) Grid->SetRowSelect(r, true);
    TCellGraphic* Header = Grid->GetCellGraphic(0, 0);
    EXPECT_EQ(Header->CellAngle(), 1);
    EXPECT_FALSE(Header->CellBoolean());
    EXPECT_TRUE(Grid->GetCellGraphic(0, 2)->CellBoolean());
    EXPECT_FALSE(Grid->GetCellGraphic(0, 5)->CellBoolean());
    for (int32_t r = 4; r <= 9; ++r) Grid->SetRowSelect(r, true);
    Header = Grid->GetCellGraphic(0, 0);
    EXPECT_EQ(Header->CellAngle(), 0);
    EXPECT_TRUE(Header->CellBoolean());
    // The shared graphic is never freed by cell operations.
    Grid->NewCellGraphic(0, 3);
    Grid->RemoveCellGraphicOfType(0, 4, ctRowCheckBox);
    EXPECT_EQ(Grid->GetCellGraphic(0, 0)->CellType(), ctRowCheckBox);
}

TEST_F(ExtGridFixture, DisplayTextMakesTheFirstLinkClickableAndCountsGroups)
{
    Grid->SetCells(1, 1, QStringLiteral("see www.example.com today"));
    Grid->SetCells(1, 2, QStringLiteral("ftp://a.b and http://c.d"));
    Grid->SetCells(1, 3, QStringLiteral("no link"));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("see www.example.com today"));
    Grid->SetURLShowInText(true);
    QString Anchored;
    InsertURLAnchor(QStringLiteral("see www.example.com today"), QStringLiteral("WWW."), Anchored);
    EXPECT_EQ(Grid->GetCellEx(1, 1), Anchored);
    EXPECT_NE(Anchored, QStringLiteral("see www.example.com today"));
    QString HttpOnly;
    InsertURLAnchor(QStringLiteral("ftp://a.b and http://c.d"), QStringLiteral("HTTP://"), HttpOnly);
    EXPECT_EQ(Grid->GetCellEx(1, 2), HttpOnly);
    EXPECT_EQ(Grid->GetCellEx(1, 3), QStringLiteral("no link"));
    Grid->SetURLShowInText(false);

    Grid->MakeNode(2, 5);
    Grid->GetCellGraphic(0, 2)->SetCellErrFrom(1);
    Grid->SetCells(1, 2, QStringLiteral("Group"));
    Grid->Grouping()->SetShowGroupCount(true);
    EXPECT_EQ(Grid->GetCellEx(1, 2), QStringLiteral("Group (3)"));
    EXPECT_EQ(Grid->GetCellEx(2, 2), QString());
    Grid->Grouping()->SetGroupCountFormat(QStringLiteral(" [%d rows]"));
    EXPECT_EQ(Grid->GetCellEx(1, 2), QStringLiteral("Group [3 rows]"));
    // The raw cell keeps its own text.
    EXPECT_EQ(Grid->GetGridCell(1, 2), QStringLiteral("Group"));
}

class ExtGridLocaleFixture : public ExtGridFixture {
protected:
    void SetLocale(QChar Decimal, QChar Thousand)
    {
        TFormatSettings Settings = FormatSettings();
        Settings.DecimalSeparator = Decimal;
        Settings.ThousandSeparator = Thousand;
        SetFormatSettings(Settings);
    }
    void TearDown() override { ResetFormatSettings(); }
};

TEST_F(ExtGridLocaleFixture, IntsAndFloatsReadTheLocaleInForce)
{
    struct TCase {
        QString Text;
        bool IntOk;
        int32_t Int;
        bool FloatOk;
        double Float;
    };
    const auto Check = [&](const TCase& C, const char* Locale) {
        Grid->SetCells(1, 1, C.Text);
        if (C.IntOk) EXPECT_EQ(Grid->Ints(1, 1), C.Int) << Locale << " " << C.Text.toStdString();
        else {
            try {
                Grid->Ints(1, 1);
                ADD_FAILURE() << Locale << " " << C.Text.toStdString();
            } catch (const EExtGridError& E) {
                EXPECT_EQ(E.Message(), QStringLiteral("Cell does not contain integer value"));
            }
        }
        if (C.FloatOk) EXPECT_DOUBLE_EQ(Grid->Floats(1, 1), C.Float) << Locale << " " << C.Text.toStdString();
        else {
            try {
                Grid->Floats(1, 1);
                ADD_FAILURE() << Locale << " " << C.Text.toStdString();
            } catch (const EExtGridError& E) {
                EXPECT_EQ(E.Message(), QStringLiteral("Cell does not contain a float value"));
            }
        }
    };
    const TCase Common[] = {
        {QString(), true, 0, true, 0},
        {QStringLiteral("-"), true, 0, true, 0},
        {QStringLiteral(" 12 "), true, 12, true, 12},
        {QStringLiteral("12a"), false, 0, true, 12},
        {QStringLiteral("<b>7</b>"), true, 7, true, 7},
        {QStringLiteral("(3)"), false, 0, true, -3},
        {QStringLiteral("1e"), false, 0, false, 0},
        // Texts that normalise to nothing are no numbers; only an empty text or "-" reads as 0.
        {QStringLiteral("x"), false, 0, false, 0},
        {QStringLiteral("$"), false, 0, false, 0},
        {QStringLiteral("abc"), false, 0, false, 0},
        {QStringLiteral(" - "), true, 0, true, 0},
    };
    SetLocale(QLatin1Char('.'), QLatin1Char(','));
    for (const TCase& C : Common) Check(C, "en");
    Check({QStringLiteral("1,234.5"), false, 0, true, 1234.5}, "en");
    Check({QStringLiteral("1.2.3"), false, 0, false, 0}, "en");
    SetLocale(QLatin1Char(','), QLatin1Char('.'));
    for (const TCase& C : Common) Check(C, "de");
    Check({QStringLiteral("1.234,5"), false, 0, true, 1234.5}, "de");

    // Writing uses the float format and the locale's separator.
    Grid->SetFloats(2, 2, 2.5);
    EXPECT_EQ(Grid->Cells(2, 2), QStringLiteral("2,50"));
    SetLocale(QLatin1Char('.'), QLatin1Char(','));
    Grid->SetFloats(2, 2, 2.5);
    EXPECT_EQ(Grid->Cells(2, 2), QStringLiteral("2.50"));
    Grid->SetInts(2, 3, -42);
    EXPECT_EQ(Grid->Cells(2, 3), QStringLiteral("-42"));
    Grid->SetAllInts(2, 4, 9);
    EXPECT_EQ(Grid->AllInts(2, 4), 9);
    Grid->SetAllFloats(2, 5, 1.25);
    EXPECT_EQ(Grid->Cells(2, 5), QStringLiteral("1.25"));
    EXPECT_DOUBLE_EQ(Grid->AllFloats(2, 5), 1.25);
}

TEST_F(ExtGridFixture, ControlValuesRewriteTheirTag)
{
    Grid->SetCells(1, 1, QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"old\">"));
    EXPECT_EQ(Grid->ControlValues(1, 1, QStringLiteral("e1")), QStringLiteral("old"));
    EXPECT_EQ(Grid->ControlValues(1, 1, QStringLiteral("e2")), QString());
    Grid->SetControlValues(1, 1, QStringLiteral("e1"), QStringLiteral("new"));
    EXPECT_EQ(Grid->ControlValues(1, 1, QStringLiteral("e1")), QStringLiteral("new"));
    const QString Before = Grid->Cells(1, 1);
    Grid->SetControlValues(1, 1, QStringLiteral("e2"), QStringLiteral("x"));
    EXPECT_EQ(Grid->Cells(1, 1), Before);
}

}  // namespace
