// The grid's background area, the background under single cells (tiles anchored to the cells, one
// gradient over the window), the coloured window border and the inverting sizing lines.
#include "grid/core/ExtGrid.h"
#include "grid/base/ExtUtil.h"
#include "grid/core/GridItems.h"

#include "support/Artifacts.h"
#include "support/LayerInternals.h"
#include "support/Render.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "windows/FileVersion.h"
#include "windows/Forms.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

class TGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
};

QRgb Rgb(TColor Color)
{
    const auto C = static_cast<uint32_t>(ColorToRGB(Color));
    return qRgb(C & 0xFF, (C >> 8) & 0xFF, (C >> 16) & 0xFF);
}

bool Near(QRgb A, QRgb B, int Tolerance = 3)
{
    return std::abs(qRed(A) - qRed(B)) <= Tolerance && std::abs(qGreen(A) - qGreen(B)) <= Tolerance &&
           std::abs(qBlue(A) - qBlue(B)) <= Tolerance;
}

// The red-to-blue gradient of the tests: no cell, line or frame pixel looks like it.
bool IsGradientPixel(QRgb P)
{
    return qGreen(P) < 10 && qRed(P) + qBlue(P) > 240;
}

// The colour of the red-to-blue gradient over 0..Extent at Position.
QRgb GradientAt(int32_t Extent, int32_t Position)
{
    return Rgb(InterpolateColor(clRed, clBlue, 0, Extent, Position));
}

class TVersion6 : public TModuleVersionService {
public:
    bool FixedFileInfo(const QString& FileName, VS_FIXEDFILEINFO& Info) override
    {
        if (FileName.compare(QStringLiteral("comctl32.dll"), Qt::CaseInsensitive) != 0) return false;
        Info = VS_FIXEDFILEINFO();
        Info.dwSignature = VS_FFI_SIGNATURE;
        Info.dwFileVersionMS = 0x00060000;
        return true;
    }
};

// A 300 x 200 grid without frame or scroll bars; cells 50 x 20 with 1-pixel lines, one fixed row
// and column.
class GridBackgroundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.reset(New<TForm>(nullptr));
        Form->SetClientWidth(420);
        Form->SetClientHeight(300);
        Grid = MakeGrid();
        Form->Show();
        ProcessPendingEvents();
    }

    TGrid* MakeGrid()
    {
        auto* G = New<TGrid>(Form.get());
        G->SetParent(Form.get());
        G->SetBounds(10, 10, 300, 200);
        G->SetBorderStyle(bsNone);
        G->SetScrollBars(ssNone);
        G->SetDefaultColWidth(50);
        G->SetDefaultRowHeight(20);
        G->SetColCount(3);
        G->SetRowCount(4);
        return G;
    }

    void RedToBlue(TBackGroundDisplay Display)
    {
        Grid->BackGround()->SetDisplay(Display);
        Grid->BackGround()->SetColor(clRed);
        Grid->BackGround()->SetColorTo(clBlue);
        // The text layer paints the background under the fixed cells only: the others keep their look.
        Grid->BackGround()->SetCells(bcFixed);
    }

    // Canvas draws on Image, filled white.
    void Bind(TCanvas& Canvas, QImage& Image)
    {
        Image = QImage(300, 200, QImage::Format_RGB32);
        Image.fill(Qt::white);
        BindImage(Canvas, &Image);
    }

    std::unique_ptr<TForm> Form;
    TGrid* Grid = nullptr;
};

TEST_F(GridBackgroundTest, GradientFillsOnlyTheAreaNoCellCovers)
{
    // Cells end at x = 153 and y = 84 with 3 columns and 4 rows.
    struct Case {
        const char* Name;
        int32_t Cols, Rows;
        TColor ColorTo;
        bool Right, Below;
    } Cases[] = {
        {"all cells shown", 3, 4, clBlue, true, true},
        {"columns beyond the right edge", 20, 4, clBlue, false, true},
        {"rows beyond the bottom", 3, 30, clBlue, true, false},
        {"cells fill the client area", 20, 30, clBlue, false, false},
        {"gradient without an end colour", 3, 4, clNone, false, false},
    };
    RedToBlue(bdGradientVert);
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        Grid->SetColCount(C.Cols);
        Grid->SetRowCount(C.Rows);
        Grid->BackGround()->SetColorTo(C.ColorTo);
        const QImage Image = RenderControl(Grid);
        SaveArtifact(Image, QStringLiteral("grid-background-area-%1-%2").arg(C.Cols).arg(C.Rows));
        // Right of the cells, at three heights: the gradient runs over the client height.
        for (const int32_t Y : {60, 150, 197}) {
            SCOPED_TRACE(Y);
            const QRgb P = Image.pixel(250, Y);
            EXPECT_EQ(IsGradientPixel(P), C.Right || (C.Below && Y >= 85));
            if (IsGradientPixel(P)) {
                EXPECT_TRUE(Near(P, GradientAt(200, Y)));
            }
        }
        // Below the cells, left of their right edge.
        EXPECT_EQ(IsGradientPixel(Image.pixel(75, 150)), C.Below);
        // Normal cells keep their own look.
        EXPECT_FALSE(IsGradientPixel(Image.pixel(75, 30)));
        if (!C.Right && !C.Below) {
            int32_t Found = 0;
            for (int32_t Y = 22; Y < Image.height(); Y += 3)
                for (int32_t X = 52; X < Image.width(); X += 3) Found += IsGradientPixel(Image.pixel(X, Y));
            EXPECT_EQ(Found, 0);
        }
    }
}

TEST_F(GridBackgroundTest, HorizontalGradientAndFixedPictureInTheArea)
{
    RedToBlue(bdGradientHorz);
    QImage Image = RenderControl(Grid);
    for (const int32_t X : {160, 230, 298}) EXPECT_TRUE(Near(Image.pixel(X, 40), GradientAt(300, X)));

    // A picture placed at (200, 100) shows only where no cell lies.
    TBitmap Picture;
    Picture.SetSize(40, 40);
    Picture.Canvas()->Brush()->SetColor(clLime);
    Picture.Canvas()->FillRect(Rect(0, 0, 40, 40));
    Grid->BackGround()->SetBitmap(&Picture);
    Grid->BackGround()->SetDisplay(bdFixed);
    Grid->BackGround()->SetLeft(130);
    Grid->BackGround()->SetTop(60);
    Image = RenderControl(Grid);
    SaveArtifact(Image, QStringLiteral("grid-background-fixed-picture"));
    EXPECT_EQ(Image.pixel(165, 70), qRgb(0, 255, 0));
    EXPECT_EQ(Image.pixel(140, 95), qRgb(0, 255, 0));
    EXPECT_EQ(Image.pixel(169, 99), qRgb(0, 255, 0));
    EXPECT_NE(Image.pixel(140, 70), qRgb(0, 255, 0));  // a cell
    EXPECT_NE(Image.pixel(171, 70), qRgb(0, 255, 0));  // beyond the picture
    EXPECT_NE(Image.pixel(165, 101), qRgb(0, 255, 0));
}

TEST_F(GridBackgroundTest, CellTilesAreAnchoredToTheCells)
{
    // A 7 x 5 picture whose every pixel differs.
    TBitmap Picture;
    Picture.SetPixelFormat(pf24bit);
    Picture.SetSize(7, 5);
    for (int32_t Y = 0; Y < 5; ++Y)
        for (int32_t X = 0; X < 7; ++X) Picture.Canvas()->SetPixels(X, Y, TColor(RGB(10 + X * 30, 10 + Y * 40, 200)));
    Grid->BackGround()->SetBitmap(&Picture);
    Grid->BackGround()->SetDisplay(bdTile);
    Grid->SetColCount(30);
    Grid->SetRowCount(40);
    const auto Expected = [](int32_t X0, int32_t Y0, int32_t Dx, int32_t Dy) {
        return qRgb(10 + ((X0 + Dx) % 7) * 30, 10 + ((Y0 + Dy) % 5) * 40, 200);
    };
    struct Case {
        TBackGroundCells Cells;
        int32_t LeftCol, TopRow;
    } Cases[] = {{bcNormal, 1, 1}, {bcNormal, 3, 5}, {bcAll, 1, 1}, {bcAll, 2, 3}};
    for (const Case& C : Cases) {
        SCOPED_TRACE(testing::Message() << "cells " << C.Cells << " left " << C.LeftCol << " top " << C.TopRow);
        Grid->BackGround()->SetCells(C.Cells);
        Grid->SetLeftCol(C.LeftCol);
        Grid->SetTopRow(C.TopRow);
        const int32_t ACol = C.LeftCol + 1;
        const int32_t ARow = C.TopRow + 1;
        // The offset into the pattern counts the widths from the first non-fixed cell (bcNormal) or
        // from cell 0, whatever is scrolled.
        const int32_t First = C.Cells == bcNormal ? 1 : 0;
        const int32_t X0 = (50 * (ACol - First)) % 7;
        const int32_t Y0 = (20 * (ARow - First)) % 5;
        const TRect B = Grid->CellRect(ACol, ARow);
        ASSERT_FALSE(IsRectEmpty(B));
        QImage Image;
        TCanvas Canvas;
        Bind(Canvas, Image);
        Grid->PaintCellBackground(&Canvas, B, ACol, ARow);
        BindImage(Canvas, nullptr);
        for (int32_t Y = B.Top; Y < B.Bottom; ++Y)
            for (int32_t X = B.Left; X < B.Right; ++X)
                ASSERT_EQ(Image.pixel(X, Y), Expected(X0, Y0, X - B.Left + 1, Y - B.Top + 1)) << X << "," << Y;
        // Cut at the right and bottom edges.
        EXPECT_EQ(Image.pixel(B.Right, B.Top + 2), qRgb(255, 255, 255));
        EXPECT_EQ(Image.pixel(B.Left + 2, B.Bottom), qRgb(255, 255, 255));
    }
}

TEST_F(GridBackgroundTest, CellGradientIsOneGradientOverTheWindowWhileScrolling)
{
    RedToBlue(bdGradientVert);
    Grid->SetRowCount(40);
    for (const int32_t Top : {1, 7, 30}) {
        SCOPED_TRACE(Top);
        Grid->SetTopRow(Top);
        QImage Image;
        TCanvas Canvas;
        Bind(Canvas, Image);
        for (int32_t Row = Top; Row < Top + 8; ++Row) Grid->PaintCellBackground(&Canvas, Grid->CellRect(1, Row), 1, Row);
        BindImage(Canvas, nullptr);
        if (Top == 7) SaveArtifact(Image, QStringLiteral("grid-background-cell-gradient"));
        // Down the column the colour follows the window's gradient across cell edges.
        const int32_t X = Grid->CellRect(1, Top).Left + 10;
        for (int32_t Y = Grid->CellRect(1, Top).Top; Y < Grid->CellRect(1, Top + 7).Bottom; ++Y) {
            const bool OnLine = (Y - 20) % 21 == 20;
            if (!OnLine) {
                ASSERT_TRUE(Near(Image.pixel(X, Y), GradientAt(200, Y), 4)) << Y;
            }
        }
    }
}

TEST_F(GridBackgroundTest, WindowBorderPaths)
{
    TVersion6 Version6;
    struct Case {
        const char* Name;
        TGridLook Look;
        bool Flat, Frame, ComCtl6, Fit;
        TColor Inner, Outer;  // clNone: not the border colour
    } Cases[] = {
        {"XP, fit cells", glXP, false, true, false, true, clRed, clBtnFace},
        {"Office 2007, fit cells", glOffice2007, false, true, false, true, clRed, clBtnFace},
        {"flat", glXP, true, true, false, true, clNone, clNone},
        {"standard look", glStandard, false, true, false, true, clNone, clNone},
        {"classic look", glClassic, false, true, false, true, clNone, clNone},
        {"no frame", glXP, false, false, false, true, clNone, clNone},
        {"common controls 5, cells not fitted", glXP, false, true, false, false, clNone, clNone},
        {"common controls 6, cells not fitted", glWin7, false, true, true, false, clNone, clRed},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        TModuleVersionService* Previous = C.ComCtl6 ? SetModuleVersionService(&Version6) : nullptr;
        TGrid* G = MakeGrid();
        if (C.ComCtl6) SetModuleVersionService(Previous);
        G->SetLeft(330);
        G->SetWidth(80);
        G->SetHeight(60);
        G->SetBorderStyle(C.Frame ? bsSingle : bsNone);
        G->SetLook(C.Look);
        G->SetFlat(C.Flat);
        G->SetFitCellsInGrid(C.Fit);
        G->SetBorderColor(clRed);
        const QImage Image = RenderControl(G);
        const int32_t W = Image.width();
        const int32_t H = Image.height();
        const QRgb Red = qRgb(255, 0, 0);
        for (const QPoint P : {QPoint(1, H / 2), QPoint(W - 2, H / 2), QPoint(W / 2, 1), QPoint(W / 2, H - 2)}) {
            if (C.Inner == clNone) {
                EXPECT_NE(Image.pixel(P), Red) << P.x() << "," << P.y();
            } else {
                EXPECT_EQ(Image.pixel(P), Rgb(C.Inner)) << P.x() << "," << P.y();
            }
        }
        for (const QPoint P : {QPoint(0, H / 2), QPoint(W - 1, H / 2), QPoint(W / 2, 0), QPoint(W / 2, H - 1)}) {
            if (C.Outer == clNone) {
                EXPECT_NE(Image.pixel(P), Red) << P.x() << "," << P.y();
            } else {
                EXPECT_EQ(Image.pixel(P), Rgb(C.Outer)) << P.x() << "," << P.y();
            }
        }
        if (C.Look == glXP && C.Fit && C.Frame && !C.Flat) SaveArtifact(Image, QStringLiteral("grid-window-border"));
        delete G;
    }
}

TEST_F(GridBackgroundTest, SizingLineDrawnTwiceVanishes)
{
    const QImage Before = RenderControl(Grid);
    const TPaintHold Hold;
    for (const bool Column : {true, false}) {
        SCOPED_TRACE(Column ? "column" : "row");
        if (Column) Grid->DrawColSizingLine(120);
        else Grid->DrawRowSizingLine(50);
        const QImage Once = RenderControl(Grid);
        int32_t Inverted = 0, Kept = 0;
        for (int32_t I = 0; I < (Column ? 200 : 300); ++I) {
            const QPoint P = Column ? QPoint(120, I) : QPoint(I, 50);
            const QRgb Old = Before.pixel(P);
            if (Once.pixel(P) == Old) ++Kept;
            else if (Once.pixel(P) == qRgb(255 - qRed(Old), 255 - qGreen(Old), 255 - qBlue(Old))) ++Inverted;
        }
        // Dotted: some pixels inverted, the gaps kept; nothing else changes.
        EXPECT_GT(Inverted, 40);
        EXPECT_GT(Kept, 40);
        EXPECT_EQ(Inverted + Kept, Column ? 200 : 300);
        EXPECT_EQ(Once.copy(0, 0, 119, 49), Before.copy(0, 0, 119, 49));
        if (Column) Grid->DrawColSizingLine(120);
        else Grid->DrawRowSizingLine(50);
        EXPECT_EQ(RenderControl(Grid), Before);
    }
    // The canvas keeps its pen.
    EXPECT_EQ(Grid->Canvas()->Pen()->Mode(), pmCopy);
}

}  // namespace
