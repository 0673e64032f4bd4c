// Cell kinds and editor kinds keep their stored ordinals; a cell graphic's slots, ownership by
// kind, Assign, angles, button packing and picture sizes.
#include "grid/core/CellGraphic.h"

#include "support/TempFolder.h"

#include "grid/base/FilePicture.h"
#include "grid/base/GridSupport.h"

#include "graphics/Bitmap.h"
#include "graphics/Icon.h"
#include "graphics/Picture.h"
#include "rtl/Exceptions.h"
#include "rtl/Strings.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

TEST(CellTypesTest, KindsKeepTheOrdinalsTheCellStreamStores)
{
    const TCellType Kinds[] = {ctBitmap,      ctIcon,         ctNone,      ctImageList,
                               ctCheckBox,    ctDataCheckBox, ctRotated,   ctDataImage,
                               ctNode,        ctRadio,        ctEmpty,     ctImages,
                               ctPicture,     ctFilePicture,  ctValue,     ctProgress,
                               ctComment,     ctButton,       ctBitButton, ctVirtCheckBox,
                               ctRowCheckBox, ctProgressPie,  ctSummary,   ctRangeIndicator,
                               ctXPProgress,  ctInterface,    ctScrollbar, ctRadioButton,
                               ctBalloon,     ctShape,        ctRating,    ctTriStateCheckBox,
                               ctExpand};
    ASSERT_EQ(std::size(Kinds), 33u);
    for (int I = 0; I < 33; ++I) EXPECT_EQ(int(Kinds[I]), I);

    const TEditorType Editors[] = {edNormal,
                                   edSpinEdit,
                                   edComboEdit,
                                   edComboList,
                                   edEditBtn,
                                   edCheckBox,
                                   edDateEdit,
                                   edDateEditUpDown,
                                   edTimeEdit,
                                   edButton,
                                   edDataCheckBox,
                                   edNumeric,
                                   edPositiveNumeric,
                                   edFloat,
                                   edCapital,
                                   edMixedCase,
                                   edPassword,
                                   edUnitEditBtn,
                                   edLowerCase,
                                   edUpperCase,
                                   edFloatSpinEdit,
                                   edTimeSpinEdit,
                                   edDateSpinEdit,
                                   edNumericEditBtn,
                                   edFloatEditBtn,
                                   edCustom,
                                   edRichEdit,
                                   edNone,
                                   edDateTimeEdit,
                                   edValidChars,
                                   edTrackbarDropDown,
                                   edMemoDropDown,
                                   edCalculatorDropDown,
                                   edTimePickerDropDown,
                                   edDetailDropDown,
                                   edGridDropDown,
                                   edColorPickerDropDown,
                                   edImagePickerDropDown,
                                   edExtGridDropDown,
                                   edPositiveFloat,
                                   edNumericUnitEditBtn,
                                   edFloatUnitEditBtn,
                                   edMaskEditBtn};
    ASSERT_EQ(std::size(Editors), 43u);
    for (int I = 0; I < 43; ++I) EXPECT_EQ(int(Editors[I]), I);
}

TEST(CellTypesTest, KindSets)
{
    struct TCase {
        const char* Name;
        const TCellTypes& Set;
        std::vector<TCellType> Members;
    };
    const TCase Cases[] = {
        {"check box",
         CheckBoxCellTypes,
         {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox}},
        {"data check box", DataCheckBoxCellTypes, {ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox}},
        {"control",
         ControlCellTypes,
         {ctCheckBox, ctDataCheckBox, ctRadio, ctButton, ctVirtCheckBox, ctRowCheckBox, ctRadioButton,
          ctTriStateCheckBox}},
        {"button", ButtonCellTypes, {ctButton, ctBitButton}},
        {"data", DataCellTypes, {ctDataCheckBox, ctDataImage, ctVirtCheckBox, ctRowCheckBox}},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(C.Set.Count(), int(C.Members.size()));
        for (TCellType Kind : C.Members) EXPECT_TRUE(C.Set.Contains(Kind)) << Kind;
    }
    EXPECT_FALSE(ControlCellTypes.Contains(ctBitButton));
}

// Objects that count how many of them are alive.
int GAlive = 0;
template <typename Base>
struct TCounted : Base {
    TCounted() { ++GAlive; }
    ~TCounted() override { --GAlive; }
};

class CellGraphicTest : public ::testing::Test {
protected:
    void SetUp() override { GAlive = 0; }
    void TearDown() override { EXPECT_EQ(GAlive, Kept.size()) << "objects leaked or freed twice"; }

    // An object the test (the caller) keeps and frees itself.
    template <typename T>
    T* Keep()
    {
        auto* Object = new TCounted<T>;
        Kept.emplace_back(Object);
        return Object;
    }

    std::vector<std::unique_ptr<TObject>> Kept;
};

TEST_F(CellGraphicTest, ANewGraphicIsEmptyOfKindNone)
{
    TCellGraphic G;
    EXPECT_EQ(G.CellType(), ctNone);
    EXPECT_FALSE(G.CellCreated());
    EXPECT_FALSE(G.CellBoolean());
    EXPECT_FALSE(G.CellTransparent());
    EXPECT_EQ(G.CellIndex(), 0);
    EXPECT_EQ(G.CellAngle(), 0);
    EXPECT_EQ(G.CellValue(), 0.0);
    EXPECT_EQ(G.CellErrFrom(), 0);
    EXPECT_EQ(G.CellErrLen(), 0);
    EXPECT_TRUE(G.CellText().isEmpty());
    EXPECT_FALSE(G.CellVar().isValid());
    EXPECT_EQ(G.CellCheckBoxState(), cbUnchecked);
    EXPECT_EQ(G.CellObject(), nullptr);
    EXPECT_EQ(G.CellIcon(), nullptr);
    EXPECT_EQ(G.CellBitmapColor(), clNone);
}

TEST_F(CellGraphicTest, ASlotHoldsAnObjectOrAColour)
{
    TCellGraphic G;
    auto* Bitmap = Keep<TBitmap>();
    G.SetCellObject(Bitmap);
    EXPECT_EQ(G.CellBitmap(), Bitmap);
    EXPECT_EQ(G.CellPicture(), nullptr);
    EXPECT_EQ(G.CellStrings(), nullptr);
    EXPECT_EQ(G.CellBitmapColor(), clNone);

    G.SetCellBitmapColor(clRed);
    EXPECT_EQ(G.CellObject(), nullptr);
    EXPECT_EQ(G.CellBitmap(), nullptr);
    EXPECT_EQ(G.CellBitmapColor(), clRed);
    G.SetCellIconColor(0x123456);
    EXPECT_EQ(G.CellIcon(), nullptr);
    EXPECT_EQ(G.CellIconColor(), 0x123456);
}

// What a graphic frees when it goes, by kind, by who made the object and by the balloon flag.
TEST_F(CellGraphicTest, DestroyingFreesByKind)
{
    struct TCase {
        const char* Name;
        TCellType Kind;
        bool Created;
        int32_t Angle;
        bool InIconSlot;
        bool Freed;
    };
    const TCase Cases[] = {
        {"caller's bitmap", ctBitmap, false, 0, false, false},
        {"grid's bitmap", ctBitmap, true, 0, false, true},
        {"caller's radio options", ctRadio, false, 0, false, false},
        {"grid's radio options", ctRadio, true, 0, false, true},
        {"grid's picture", ctPicture, true, 0, false, true},
        {"caller's file picture", ctFilePicture, false, 0, false, false},
        {"grid's file picture", ctFilePicture, true, 0, false, true},
        {"caller's glyph", ctBitButton, false, 0, false, false},
        {"grid's glyph", ctBitButton, true, 0, false, true},
        {"image list", ctImages, false, 0, false, true},
        {"balloon texts", ctBalloon, false, 0, false, true},
        {"caller's icon", ctIcon, false, 0, true, false},
        {"grid's icon", ctIcon, true, 0, true, true},
        {"check box without balloon", ctCheckBox, true, 0, false, false},
        {"check box balloon", ctCheckBox, false, 1, false, true},
        {"data check box balloon", ctDataCheckBox, false, 1, false, true},
        {"radio button balloon", ctRadioButton, false, 1, false, true},
        {"tri-state box", ctTriStateCheckBox, true, 1, false, false},
        {"interfaced object", ctInterface, true, 0, false, false},
        {"shape", ctShape, true, 1, false, false},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(C.Name);
        TObject* Object = C.InIconSlot ? static_cast<TObject*>(new TCounted<TIcon>) : new TCounted<TStringList>;
        {
            TCellGraphic G;
            if (C.InIconSlot)
                G.SetCellIcon(static_cast<TIcon*>(Object));
            else
                G.SetCellObject(Object);
            G.SetCellType(C.Kind);
            G.SetCellCreated(C.Created);
            G.SetCellAngle(C.Angle);
        }
        EXPECT_EQ(GAlive, C.Freed ? 0 : 1);
        if (!C.Freed) delete Object;
    }
}

TEST_F(CellGraphicTest, ColoursInTheSlotsAreNeverFreed)
{
    for (TCellType Kind : {ctProgress, ctRangeIndicator, ctShape, ctRating, ctProgressPie, ctBitmap, ctImages}) {
        TCellGraphic G;
        G.SetCellType(Kind);
        G.SetCellCreated(true);
        G.SetCellBitmapColor(clRed);
        G.SetCellIconColor(clBlue);
    }
}

TEST_F(CellGraphicTest, AssignCopiesThePlainFieldsAndNeverAnotherOnesObject)
{
    TCellGraphic Src;
    Src.SetBitmap(Keep<TBitmap>(), true, haRight, vaBottom);
    Src.SetCellIndex(7);
    Src.SetCellValue(2.5);
    Src.SetCellAngle(90);
    Src.SetCellBoolean(true);
    Src.SetCellErrFrom(3);
    Src.SetCellErrLen(4);
    Src.SetCellText(QStringLiteral("t"));
    Src.SetCellVar(5);
    Src.SetCellCheckBoxState(cbGrayed);
    Src.SetCellCreated(true);

    // The target holds a caller's radio options: after Assign it claims to own what it holds, so
    // it must not hold them any more.
    TCellGraphic Dst;
    auto* Options = Keep<TStringList>();
    Dst.SetCellObject(Options);
    Dst.SetCellType(ctRadio);
    Dst.Assign(&Src);
    EXPECT_EQ(Dst.CellType(), ctBitmap);
    EXPECT_EQ(Dst.CellHAlign(), haRight);
    EXPECT_EQ(Dst.CellVAlign(), vaBottom);
    EXPECT_TRUE(Dst.CellTransparent());
    EXPECT_EQ(Dst.CellIndex(), 7);
    EXPECT_EQ(Dst.CellValue(), 2.5);
    EXPECT_EQ(Dst.CellAngle(), 90);
    EXPECT_TRUE(Dst.CellBoolean());
    EXPECT_EQ(Dst.CellErrFrom(), 3);
    EXPECT_EQ(Dst.CellErrLen(), 4);
    EXPECT_EQ(Dst.CellText(), "t");
    EXPECT_TRUE(Dst.CellCreated());
    EXPECT_FALSE(Dst.CellVar().isValid());
    EXPECT_EQ(Dst.CellCheckBoxState(), cbUnchecked);
    EXPECT_EQ(Dst.CellObject(), nullptr);
    Src.SetCellCreated(false);

    // A target that owned its object frees it on Assign.
    TCellGraphic Owner;
    Owner.SetPicture(new TCounted<TPicture>, false, noStretch, 0, haLeft, vaTop);
    Owner.SetCellCreated(true);
    Owner.Assign(&Src);
    EXPECT_EQ(GAlive, int(Kept.size()));

    TStringList NotAGraphic;
    EXPECT_THROW(Dst.Assign(&NotAGraphic), EConvertError);
}

TEST_F(CellGraphicTest, SetAngleBringsTheAngleIntoRange)
{
    const struct {
        int16_t In;
        int32_t Out;
    } Cases[] = {{-90, 270}, {720, 360}, {360, 360}, {0, 0}, {-720, 0}, {370, 10}, {-1, 359}};
    for (const auto& C : Cases) {
        TCellGraphic G;
        G.SetAngle(C.In);
        EXPECT_EQ(G.CellType(), ctRotated);
        EXPECT_EQ(G.CellAngle(), C.Out) << C.In;
    }
}

TEST_F(CellGraphicTest, SetAngleOnAnotherKindFreesWhatTheGraphicOwned)
{
    TCellGraphic Owned;
    Owned.SetBitmap(new TCounted<TBitmap>, false, haLeft, vaTop);
    Owned.SetCellCreated(true);
    Owned.SetAngle(45);
    EXPECT_EQ(GAlive, 0);
    EXPECT_EQ(Owned.CellObject(), nullptr);

    TCellGraphic Callers;
    Callers.SetBitmap(Keep<TBitmap>(), false, haLeft, vaTop);
    Callers.SetAngle(45);
    EXPECT_EQ(GAlive, 1);
}

TEST_F(CellGraphicTest, KindSetters)
{
    TCellGraphic G;
    G.SetButton(80, 24, QStringLiteral("Go"), haFull, vaCenter);
    EXPECT_EQ(G.CellType(), ctButton);
    EXPECT_EQ(G.CellIndex(), 80 + 24 * 65536);
    EXPECT_EQ(G.CellText(), "Go");
    EXPECT_EQ(G.CellHAlign(), haFull);
    EXPECT_EQ(G.CellVAlign(), vaCenter);

    auto* Glyph = Keep<TBitmap>();
    G.SetCellBoolean(true);
    G.SetBitButton(0x1FFFF, 3, QStringLiteral("B"), Glyph, haLeft, vaTop);
    EXPECT_EQ(G.CellType(), ctBitButton);
    EXPECT_EQ(G.CellIndex(), 0xFFFF + 3 * 65536);  // the width keeps its low 16 bits
    EXPECT_FALSE(G.CellBoolean());
    EXPECT_EQ(G.CellBitmap(), Glyph);

    G.SetCheckBox(true, true, true, haBeforeText, vaBottom);
    EXPECT_EQ(G.CellType(), ctDataCheckBox);
    EXPECT_TRUE(G.CellBoolean());
    EXPECT_TRUE(G.CellTransparent());
    G.SetCheckBox(false, false, false, haBeforeText, vaBottom);
    EXPECT_EQ(G.CellType(), ctCheckBox);
    G.SetCellBoolean(true);
    G.SetCheckBox(cbGrayed, true, haLeft, vaTop);
    EXPECT_EQ(G.CellType(), ctTriStateCheckBox);
    EXPECT_EQ(G.CellCheckBoxState(), cbGrayed);
    EXPECT_FALSE(G.CellBoolean());
    G.SetRadioButton(true, false, haLeft, vaTop);
    EXPECT_EQ(G.CellType(), ctRadioButton);
    EXPECT_TRUE(G.CellBoolean());
    EXPECT_EQ(G.CellAngle(), 0);
    G.SetDataImage(4, haLeft, vaTop);
    EXPECT_EQ(G.CellType(), ctDataImage);
    EXPECT_EQ(G.CellIndex(), 4);
    G.SetImageIdx(5, haLeft, vaTop);
    EXPECT_EQ(G.CellType(), ctImageList);
    EXPECT_EQ(G.CellIndex(), 5);

    TCellGraphic Pic;
    auto* Picture = Keep<TPicture>();
    Pic.SetPicture(Picture, true, ShrinkWithAspectRatio, 3, haCenter, vaCenter);
    EXPECT_EQ(Pic.CellType(), ctPicture);
    EXPECT_EQ(Pic.CellPicture(), Picture);
    EXPECT_EQ(Pic.CellAngle(), int(ShrinkWithAspectRatio));
    EXPECT_EQ(Pic.CellIndex(), 3);

    TCellGraphic Ico;
    auto* Icon = Keep<TIcon>();
    Ico.SetIcon(Icon, haRight, vaTop);
    EXPECT_EQ(Ico.CellType(), ctIcon);
    EXPECT_EQ(Ico.CellIcon(), Icon);

    TCellGraphic Intf;
    auto* Object = Keep<TStringList>();
    Intf.SetInterfacedCell(Object);
    EXPECT_EQ(Intf.CellType(), ctInterface);
    EXPECT_EQ(Intf.CellObject(), Object);
}

TEST_F(CellGraphicTest, AnImageListIsOwnedAndReportsItsCell)
{
    TCellGraphic G;
    std::vector<std::pair<int32_t, int32_t>> Reports;
    const auto Notifier = [&](TObject*, int32_t ACol, int32_t ARow) { Reports.emplace_back(ACol, ARow); };
    G.SetMultiImage(2, 5, 0, haCenter, vaTop, Notifier);
    EXPECT_EQ(G.CellType(), ctImages);
    EXPECT_TRUE(G.CellCreated());
    EXPECT_TRUE(G.CellBoolean());
    ASSERT_NE(G.CellImages(), nullptr);
    G.CellImages()->Add(7);
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_EQ(Reports[0], std::make_pair(2, 5));

    // Made again: a fresh list replaces the first.
    G.SetMultiImage(2, 5, 1, haCenter, vaTop, Notifier);
    EXPECT_FALSE(G.CellBoolean());
    EXPECT_EQ(G.CellImages()->Count(), 0);
}

TEST_F(CellGraphicTest, PictureSizeByStretchMode)
{
    struct TCase {
        int32_t W, H, Padding, Cw, Rh;
        TStretchMode Mode;
        TPoint Size;
    };
    const TCase Cases[] = {
        {200, 100, 0, 100, 100, noStretch, {200, 100}},
        {200, 100, 0, 100, 100, Stretch, {100, 100}},
        {200, 100, 0, 100, 100, StretchWithAspectRatio, {100, 50}},
        {200, 100, 0, 100, 100, Shrink, {100, 100}},
        {200, 100, 0, 100, 100, ShrinkWithAspectRatio, {100, 50}},
        {50, 50, 0, 100, 100, Shrink, {50, 50}},
        {50, 50, 0, 100, 100, ShrinkWithAspectRatio, {50, 50}},
        {50, 50, 0, 100, 100, StretchWithAspectRatio, {100, 100}},
        {50, 50, 10, 100, 100, Stretch, {90, 90}},
        {50, 100, 10, 110, 110, StretchWithAspectRatio, {50, 100}},
        // Halves go to the even neighbour: 5 x 0.5 = 2.5 -> 2, 7 x 0.5 = 3.5 -> 4.
        {5, 2, 0, 100, 1, StretchWithAspectRatio, {2, 1}},
        {7, 2, 0, 100, 1, StretchWithAspectRatio, {4, 1}},
        {100, 5, 0, 50, 100, ShrinkWithAspectRatio, {50, 2}},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(testing::Message() << C.W << "x" << C.H << " in " << C.Cw << "x" << C.Rh << " mode " << C.Mode);
        TBitmap Bitmap;
        Bitmap.SetSize(C.W, C.H);
        TPicture Picture;
        Picture.SetGraphic(&Bitmap);
        TCellGraphic G;
        G.SetPicture(&Picture, false, C.Mode, C.Padding, haLeft, vaTop);
        const TPoint Size = G.GetPictureSize(C.Cw, C.Rh, true);
        EXPECT_EQ(Size.X, C.Size.X);
        EXPECT_EQ(Size.Y, C.Size.Y);
        EXPECT_EQ(G.GetPictureSize(C.Cw, C.Rh, false).X, Size.X);
    }
    // A file picture takes its size from its file.
    TempFolder Folder;
    TBitmap OnDisk;
    OnDisk.SetSize(200, 100);
    OnDisk.SaveToFile(Folder.File(QStringLiteral("p.bmp")));
    TFilePicture FilePicture;
    FilePicture.SetFilename(Folder.File(QStringLiteral("p.bmp")));
    TCellGraphic FromFile;
    FromFile.SetFilePicture(&FilePicture, true, StretchWithAspectRatio, 0, haLeft, vaTop);
    EXPECT_EQ(FromFile.CellType(), ctFilePicture);
    EXPECT_EQ(FromFile.CellFilePicture(), &FilePicture);
    EXPECT_EQ(FromFile.GetPictureSize(100, 100, false).Y, 50);

    TCellGraphic NotAPicture;
    NotAPicture.SetCellAngle(Stretch);
    EXPECT_EQ(NotAPicture.GetPictureSize(10, 10, false).X, 0);
}

}  // namespace
