// TExtStringGrid: picture, bitmap, icon and image cells, rotated text, progress bars, pies and
// ranges, comments, shapes, ratings, in-cell scroll bars, error markers and interfaced cells.
#include "grid/core/ExtGrid.h"

#include "grid/base/FilePicture.h"
#include "grid/base/GridSupport.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"

#include "graphics/Bitmap.h"
#include "graphics/Icon.h"
#include "graphics/Picture.h"

// ---------------------------------------------------------------------------------------------
// Pictures, bitmaps, icons
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AddBitmap(int32_t ACol, int32_t ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal,
                               TCellVAlign val)
{
    NewCellGraphic(ACol, ARow)->SetBitmap(ABmp, Transparent, hal, val);
}

TBitmap* TExtStringGrid::CreateBitmap(int32_t ACol, int32_t ARow, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    auto* Bitmap = new TBitmap();
    TCellGraphic* Graphic = NewCellGraphic(ACol, ARow);
    Graphic->SetBitmap(Bitmap, Transparent, hal, val);
    Graphic->SetCellCreated(true);
    return Bitmap;
}

TBitmap* TExtStringGrid::GetBitmap(int32_t ACol, int32_t ARow)
{
    const TCellGraphic* Graphic = GraphicOfType(ACol, ARow, ctBitmap);
    return Graphic ? Graphic->CellBitmap() : nullptr;
}

void TExtStringGrid::RemoveBitmap(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctBitmap);
}

void TExtStringGrid::AddPicture(int32_t ACol, int32_t ARow, TPicture* APicture, bool Transparent,
                                TStretchMode StretchMode, int32_t Padding, TCellHAlign hal, TCellVAlign val)
{
    NewCellGraphic(ACol, ARow)->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TPicture* TExtStringGrid::CreatePicture(int32_t ACol, int32_t ARow, bool Transparent, TStretchMode StretchMode,
                                        int32_t Padding, TCellHAlign hal, TCellVAlign val)
{
    auto* Picture = new TPicture();
    TCellGraphic* Graphic = NewCellGraphic(ACol, ARow);
    Graphic->SetPicture(Picture, Transparent, StretchMode, Padding, hal, val);
    Graphic->SetCellCreated(true);
    return Picture;
}

TPicture* TExtStringGrid::GetPicture(int32_t ACol, int32_t ARow)
{
    const TCellGraphic* Graphic = GraphicOfType(ACol, ARow, ctPicture);
    return Graphic ? Graphic->CellPicture() : nullptr;
}

void TExtStringGrid::RemovePicture(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctPicture);
}

void TExtStringGrid::AddFilePicture(int32_t ACol, int32_t ARow, TFilePicture* AFilePicture, bool Transparent,
                                    TStretchMode StretchMode, int32_t Padding, TCellHAlign hal, TCellVAlign val)
{
    NewCellGraphic(ACol, ARow)->SetFilePicture(AFilePicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* TExtStringGrid::CreateFilePicture(int32_t ACol, int32_t ARow, bool Transparent,
                                                TStretchMode StretchMode, int32_t Padding, TCellHAlign hal,
                                                TCellVAlign val)
{
    auto* Picture = new TFilePicture();
    TCellGraphic* Graphic = NewCellGraphic(ACol, ARow);
    Graphic->SetFilePicture(Picture, Transparent, StretchMode, Padding, hal, val);
    Graphic->SetCellCreated(true);
    return Picture;
}

TFilePicture* TExtStringGrid::GetFilePicture(int32_t ACol, int32_t ARow)
{
    const TCellGraphic* Graphic = GraphicOfType(ACol, ARow, ctFilePicture);
    return Graphic ? Graphic->CellFilePicture() : nullptr;
}

void TExtStringGrid::RemoveFilePicture(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctFilePicture);
}

void TExtStringGrid::AddIcon(int32_t ACol, int32_t ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val)
{
    NewCellGraphic(ACol, ARow)->SetIcon(AIcon, hal, val);
}

TIcon* TExtStringGrid::CreateIcon(int32_t ACol, int32_t ARow, TCellHAlign hal, TCellVAlign val)
{
    auto* Icon = new TIcon();
    TCellGraphic* Graphic = NewCellGraphic(ACol, ARow);
    Graphic->SetIcon(Icon, hal, val);
    Graphic->SetCellCreated(true);
    return Icon;
}

void TExtStringGrid::RemoveIcon(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctIcon);
}

// ---------------------------------------------------------------------------------------------
// Images of the grid's image list
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AddImageIdx(int32_t ACol, int32_t ARow, int32_t Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (!GetGridImages()) return;
    NewCellGraphic(ACol, ARow)->SetImageIdx(Aidx, hal, val);
}

bool TExtStringGrid::GetImageIdx(int32_t ACol, int32_t ARow, int32_t& idx)
{
    const TCellGraphic* Graphic = GraphicOfType(ACol, ARow, ctImageList);
    if (!GetGridImages() || !Graphic) return false;
    idx = Graphic->CellIndex();
    return true;
}

void TExtStringGrid::SetImageIdx(int32_t ACol, int32_t ARow, int32_t Idx)
{
    TCellGraphic* Graphic = GraphicOfType(ACol, ARow, ctImageList);
    if (GetGridImages() && Graphic) Graphic->SetCellIndex(Idx);
}

void TExtStringGrid::RemoveImageIdx(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctImageList);
}

void TExtStringGrid::AddDataImage(int32_t ACol, int32_t ARow, int32_t Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (!GetGridImages()) return;
    NewCellGraphic(ACol, ARow)->SetDataImage(Aidx, hal, val);
    if (GetCellEx(ACol, ARow).isEmpty()) SetInts(ACol, ARow, Aidx);
}

void TExtStringGrid::RemoveDataImage(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctDataImage);
    SetCellEx(ACol, ARow, QString());
}

bool TExtStringGrid::HasDataImage(int32_t ACol, int32_t ARow)
{
    return IsCellTypeIn(ACol, ARow, {ctDataImage});
}

void TExtStringGrid::AddMultiImage(int32_t ACol, int32_t ARow, int32_t Dir, TCellHAlign hal, TCellVAlign val)
{
    if (!GetGridImages()) return;
    NewCellGraphic(ACol, ARow)->SetMultiImage(ACol, ARow, Dir, hal, val,
                                              [this](TObject*, int32_t c, int32_t r) { RepaintCell(c, r); });
}

void TExtStringGrid::RemoveMultiImage(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctImages);
}

// ---------------------------------------------------------------------------------------------
// Rotated text
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AddRotated(int32_t ACol, int32_t ARow, int16_t AAngle, const QString& s)
{
    NewCellGraphic(ACol, ARow)->SetAngle(AAngle);
    SetCellEx(ACol, ARow, s);
}

void TExtStringGrid::SetRotated(int32_t ACol, int32_t ARow, int16_t AAngle)
{
    TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
    if (!Graphic) Graphic = NewCellGraphic(ACol, ARow);
    Graphic->SetAngle(AAngle);
}

bool TExtStringGrid::IsRotated(int32_t ACol, int32_t ARow, int32_t& aAngle)
{
    const TCellGraphic* Graphic = GraphicOfType(ACol, ARow, ctRotated);
    if (!Graphic) return false;
    aAngle = Graphic->CellAngle();
    return true;
}

void TExtStringGrid::RemoveRotated(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctRotated);
}

// ---------------------------------------------------------------------------------------------
// Progress bars, pies, ranges
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AddProgressFormatted(int32_t ACol, int32_t ARow, TColor FGColor, TColor FGTextColor,
                                          TColor BKColor, TColor BKTextColor, const QString& Fmt, int32_t Min,
                                          int32_t Max)
{
    TCellGraphic* Graphic = NewCellGraphic(ACol, ARow);
    Graphic->SetCellType(ctProgress);
    Graphic->SetCellHAlign(haLeft);
    Graphic->SetCellVAlign(vaTop);
    Graphic->SetCellBitmapColor(FGColor);
    Graphic->SetCellIconColor(BKColor);
    Graphic->SetCellIndex(static_cast<int32_t>(FGTextColor));
    Graphic->SetCellAngle(static_cast<int32_t>(BKTextColor));
    Graphic->SetCellErrFrom(Min);
    Graphic->SetCellErrLen(Max);
    Graphic->SetCellBoolean(true);
    Graphic->SetCellText(Fmt);
    if (FAutoNumAlign) GetCellProperties(ACol, ARow)->SetAlignment(taRightJustify);
}

void TExtStringGrid::AddProgressEx(int32_t ACol, int32_t ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                   TColor BKTextColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, QString(), 0, 100);
}

void TExtStringGrid::AddProgress(int32_t ACol, int32_t ARow, TColor FGColor, TColor BKColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, 0, BKColor, 0, QString(), 0, 100);
    TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
    Graphic->SetCellIndex(0);
    Graphic->SetCellAngle(0);
    Graphic->SetCellBoolean(false);
}

bool TExtStringGrid::HasProgress(int32_t ACol, int32_t ARow)
{
    return IsCellTypeIn(ACol, ARow, {ctProgress});
}

void TExtStringGrid::RemoveProgress(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctProgress);
}

void TExtStringGrid::AddExtProgress(int32_t ACol, int32_t ARow, int32_t Min, int32_t Max)
{
    TCellGraphic* Graphic = NewCellGraphic(ACol, ARow);
    Graphic->SetCellType(ctXPProgress);
    Graphic->SetCellHAlign(haLeft);
    Graphic->SetCellVAlign(vaTop);
    Graphic->SetCellErrFrom(Min);
    Graphic->SetCellErrLen(Max);
    Graphic->SetCellBoolean(false);
    Graphic->SetCellText(QString());
}

void TExtStringGrid::RemoveExtProgress(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctXPProgress);
}

void TExtStringGrid::AddProgressPie(int32_t ACol, int32_t ARow, TColor Color, int32_t Value)
{
    TCellGraphic* Graphic = NewCellGraphic(ACol, ARow);
    Graphic->SetCellType(ctProgressPie);
    Graphic->SetCellHAlign(haBeforeText);
    Graphic->SetCellVAlign(vaTop);
    Graphic->SetCellBitmapColor(Color);
    Graphic->SetCellAngle(Value);
}

void TExtStringGrid::SetProgressPie(int32_t ACol, int32_t ARow, int32_t Value)
{
    TCellGraphic* Graphic = GraphicOfType(ACol, ARow, ctProgressPie);
    if (!Graphic) return;
    Graphic->SetCellAngle(Value);
    RepaintCell(ACol, ARow);
}

void TExtStringGrid::RemoveProgressPie(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctProgressPie);
}

void TExtStringGrid::AddRangeIndicator(int32_t ACol, int32_t ARow, int32_t Range, TColor NegColor, TColor PosColor,
                                       bool ShowValue)
{
    TCellGraphic* Graphic = NewCellGraphic(ACol, ARow);
    Graphic->SetCellType(ctRangeIndicator);
    Graphic->SetCellHAlign(haLeft);
    Graphic->SetCellVAlign(vaTop);
    Graphic->SetCellIndex(Range);
    Graphic->SetCellBitmapColor(NegColor);
    Graphic->SetCellIconColor(PosColor);
    Graphic->SetCellBoolean(ShowValue);
}

void TExtStringGrid::RemoveRangeIndicator(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator);
}

// ---------------------------------------------------------------------------------------------
// Comments, shapes, ratings
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AddColorComment(int32_t ACol, int32_t ARow, const QString& Comment, TColor Color)
{
    TCellGraphic* Graphic = NewCellGraphic(ACol, ARow);
    Graphic->SetCellType(ctComment);
    Graphic->SetCellHAlign(haLeft);
    Graphic->SetCellVAlign(vaTop);
    Graphic->SetCellText(Comment);
    Graphic->SetCellIndex(static_cast<int32_t>(Color));
}

void TExtStringGrid::AddComment(int32_t ACol, int32_t ARow, const QString& Comment)
{
    AddColorComment(ACol, ARow, Comment, FControlLook->CommentColor());
}

bool TExtStringGrid::IsComment(int32_t ACol, int32_t ARow, QString& Comment)
{
    const TCellGraphic* Graphic = GraphicOfType(ACol, ARow, ctComment);
    if (!Graphic) return false;
    Comment = Graphic->CellText();
    return true;
}

QString TExtStringGrid::CellComment(int32_t ACol, int32_t ARow)
{
    QString Comment;
    IsComment(ACol, ARow, Comment);
    return Comment;
}

void TExtStringGrid::SetCellComment(int32_t ACol, int32_t ARow, const QString& Value)
{
    TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
    if (!Graphic) {
        AddComment(ACol, ARow, Value);
    } else if (Graphic->CellType() == ctComment) {
        Graphic->SetCellText(Value);
        RepaintCell(ACol, ARow);
    }
}

void TExtStringGrid::RemoveComment(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctComment);
}

void TExtStringGrid::RemoveAllComments()
{
    for (int32_t c = 0; c < ColCount(); ++c)
        for (int32_t r = 0; r < RowCount(); ++r) RemoveComment(c, r);
}

void TExtStringGrid::AddShape(int32_t ACol, int32_t ARow, TCellShape Shape, TColor FillColor, TColor LineColor,
                              TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* Graphic = NewCellGraphic(ACol, ARow);
    Graphic->SetCellType(ctShape);
    Graphic->SetCellAngle(Shape);
    Graphic->SetCellIndex(static_cast<int32_t>(FillColor));
    Graphic->SetCellBitmapColor(LineColor);
    Graphic->SetCellHAlign(hal);
    Graphic->SetCellVAlign(val);
}

void TExtStringGrid::SetShapeColor(int32_t ACol, int32_t ARow, TColor FillColor)
{
    if (TCellGraphic* Graphic = GraphicOfType(ACol, ARow, ctShape))
        Graphic->SetCellIndex(static_cast<int32_t>(FillColor));
}

TColor TExtStringGrid::GetShapeColor(int32_t ACol, int32_t ARow)
{
    const TCellGraphic* Graphic = GraphicOfType(ACol, ARow, ctShape);
    return Graphic ? static_cast<TColor>(Graphic->CellIndex()) : clNone;
}

void TExtStringGrid::RemoveShape(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctShape);
}

void TExtStringGrid::AddRating(int32_t ACol, int32_t ARow, int32_t Scale, TColor FillColor, TColor EmptyColor)
{
    TCellGraphic* Graphic = NewCellGraphic(ACol, ARow);
    Graphic->SetCellType(ctRating);
    Graphic->SetCellAngle(Scale);
    Graphic->SetCellHAlign(haFull);
    Graphic->SetCellIndex(static_cast<int32_t>(FillColor));
    Graphic->SetCellBitmapColor(EmptyColor);
}

bool TExtStringGrid::HasRating(int32_t ACol, int32_t ARow)
{
    return IsCellTypeIn(ACol, ARow, {ctRating});
}

void TExtStringGrid::RemoveRating(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctRating);
}

// ---------------------------------------------------------------------------------------------
// In-cell scroll bars
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AddScrollBar(int32_t ACol, int32_t ARow, bool AutoRange)
{
    TCellGraphic* Graphic = NewCellGraphic(ACol, ARow);
    Graphic->SetCellType(ctScrollbar);
    Graphic->SetCellAngle(0);
    Graphic->SetCellErrFrom(100);
    Graphic->SetCellIndex(0);
    Graphic->SetCellBoolean(AutoRange);
    if (AutoRange) CellTextChanged(ACol, ARow);
}

bool TExtStringGrid::HasScrollBar(int32_t ACol, int32_t ARow)
{
    return IsCellTypeIn(ACol, ARow, {ctScrollbar});
}

bool TExtStringGrid::HasAutoRangeScrollBar(int32_t ACol, int32_t ARow)
{
    const TCellGraphic* Graphic = BaseCellGraphic(ACol, ARow);
    return Graphic && Graphic->CellType() == ctScrollbar && Graphic->CellBoolean();
}

void TExtStringGrid::SetScrollPosition(int32_t ACol, int32_t ARow, int32_t Pos)
{
    TCellGraphic* Graphic = BaseCellGraphic(ACol, ARow);
    if (!Graphic || Graphic->CellType() != ctScrollbar) return;
    Graphic->SetCellIndex(Pos);
    RepaintCell(ACol, ARow);
}

int32_t TExtStringGrid::GetScrollPosition(int32_t ACol, int32_t ARow)
{
    const TCellGraphic* Graphic = BaseCellGraphic(ACol, ARow);
    return Graphic && Graphic->CellType() == ctScrollbar ? Graphic->CellIndex() : -1;
}

void TExtStringGrid::SetScrollProp(int32_t ACol, int32_t ARow, TScrollProp Prop)
{
    TCellGraphic* Graphic = BaseCellGraphic(ACol, ARow);
    if (!Graphic || Graphic->CellType() != ctScrollbar) return;
    Graphic->SetCellAngle(Prop.PageSize);
    Graphic->SetCellErrFrom(Prop.Range);
}

TScrollProp TExtStringGrid::GetScrollProp(int32_t ACol, int32_t ARow)
{
    const TCellGraphic* Graphic = BaseCellGraphic(ACol, ARow);
    if (!Graphic || Graphic->CellType() != ctScrollbar) return {-1, -1};
    return {Graphic->CellAngle(), Graphic->CellErrFrom()};
}

void TExtStringGrid::RemoveScrollBar(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctScrollbar);
}

// ---------------------------------------------------------------------------------------------
// Error markers
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AddMarker(int32_t ACol, int32_t ARow, int32_t ErrPos, int32_t ErrLen)
{
    TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
    if (!Graphic) {
        Graphic = NewCellGraphic(ACol, ARow);
        Graphic->SetCellType(ctEmpty);
    }
    Graphic->SetCellErrFrom(ErrPos);
    Graphic->SetCellErrLen(ErrLen);
    RepaintCell(ACol, ARow);
}

void TExtStringGrid::RemoveMarker(int32_t ACol, int32_t ARow)
{
    TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
    if (!Graphic) return;
    if (Graphic->CellType() == ctEmpty) {
        RemoveCellGraphic(ACol, ARow);
        return;
    }
    Graphic->SetCellErrFrom(0);
    Graphic->SetCellErrLen(0);
}

void TExtStringGrid::RemoveAllMarkers()
{
    for (int32_t c = 0; c < ColCount(); ++c)
        for (int32_t r = 0; r < RowCount(); ++r) RemoveMarker(c, r);
}

void TExtStringGrid::GetMarker(int32_t ACol, int32_t ARow, int32_t& ErrPos, int32_t& ErrLen)
{
    const TCellGraphic* Graphic = GetCellGraphic(ACol, ARow);
    ErrPos = Graphic ? Graphic->CellErrFrom() : 0;
    ErrLen = Graphic ? Graphic->CellErrLen() : 0;
}

// ---------------------------------------------------------------------------------------------
// Interfaced cells
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::AddInterfacedCell(int32_t ACol, int32_t ARow, TPersistent* AObject)
{
    NewCellGraphic(ACol, ARow)->SetInterfacedCell(AObject);
}

TPersistent* TExtStringGrid::GetInterfacedCell(int32_t ACol, int32_t ARow)
{
    const TCellGraphic* Graphic = GraphicOfType(ACol, ARow, ctInterface);
    return Graphic ? dynamic_cast<TPersistent*>(Graphic->CellObject()) : nullptr;
}

void TExtStringGrid::RemoveInterfacedCell(int32_t ACol, int32_t ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctInterface);
}
