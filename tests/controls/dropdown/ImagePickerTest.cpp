// TExtImagePickerDropDown: the selection and its events, filling from an image list and a real folder, keys, search, cancel and the image in the edit.
#include "PickerTestSupport.h"

#include "dropdown/DropDownButton.h"
#include "dropdown/DropDownForm.h"
#include "dropdown/ImageItems.h"
#include "dropdown/ImagePicker.h"
#include "dropdown/ItemAppearance.h"
#include "dropdown/SelectorItems.h"
#include "support/Input.h"
#include "support/TempFolder.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/ImageList.h"
#include "graphics/Jpeg.h"
#include "graphics/Picture.h"
#include "graphics/QtImages.h"
#include "rtl/Files.h"

#include <gtest/gtest.h>

using namespace PickerTest;

namespace {

// A bitmap of W x H in one colour.
std::unique_ptr<TBitmap> Solid(int32_t W, int32_t H, TColor Color)
{
    auto Bitmap = std::make_unique<TBitmap>();
    Bitmap->SetSize(W, H);
    Bitmap->Canvas()->Brush()->SetColor(Color);
    Bitmap->Canvas()->FillRect(Rect(0, 0, W, H));
    return Bitmap;
}

class ImagePickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(400, 300);
        Picker = Place<TExtImagePickerDropDown>(Form.get(), Bounds(20, 20, 120, 40));
        Picker->SetTabStop(true);
        Picker->OnChange = [this](TObject*) { Log << QStringLiteral("change %1").arg(Picker->ItemIndex()); };
        Picker->OnSelect = [this](TObject*) { Log << QStringLiteral("select %1").arg(Picker->ItemIndex()); };
        Form->Show();
        ProcessPendingEvents();
        Picker->SetFocus();
        ProcessPendingEvents();
    }

    // Count items with captions "Item 0", "Item 1"... and image indexes 0, 1, 2...
    void AddItems(int32_t Count)
    {
        for (int32_t I = 0; I < Count; ++I) {
            TImageItem* Item = Picker->Items()->Add();
            Item->SetCaption(QStringLiteral("Item %1").arg(I));
            Item->SetImageIndex(I);
        }
    }

    void Open()
    {
        TControl* Button = Picker->Button()->SpeedButton();
        Input::Click(Button, {Button->Width() / 2, Button->Height() / 2});
        ProcessPendingEvents();
        ASSERT_TRUE(Picker->DroppedDown());
    }

    TTestClock Clock;
    std::unique_ptr<TForm> Form;
    TExtImagePickerDropDown* Picker = nullptr;
    QStringList Log;
};

TEST_F(ImagePickerTest, NewPickerTakesNoTyping)
{
    EXPECT_FALSE(Picker->EditorEnabled());
    EXPECT_TRUE(Picker->DropDownEnabled());
    EXPECT_EQ(Picker->Cursor(), crArrow);
    EXPECT_EQ(Picker->Columns(), 1);
    EXPECT_EQ(Picker->Layout(), ilCaptionRight);
    EXPECT_EQ(Picker->ItemIndex(), -1);
    EXPECT_EQ(Picker->ImageIndex(), -1);
    ASSERT_NE(Picker->ItemSelector(), nullptr) << "made with the pop-up";
    EXPECT_EQ(Picker->ItemSelector()->SelectorType(), stImage);
    Input::TypeText(QStringLiteral("ab"));
    EXPECT_EQ(Picker->EditText(), QString());
}

TEST_F(ImagePickerTest, ItemIndexFiresChangeThenSelectOnlyForANewValueInRange)
{
    AddItems(5);
    Picker->SetItemIndex(2);
    EXPECT_EQ(Log, QStringList({"change 2", "select 2"}));
    Log.clear();
    Picker->SetItemIndex(2);
    Picker->SetItemIndex(7);
    Picker->SetItemIndex(5);
    EXPECT_TRUE(Log.isEmpty());
    EXPECT_EQ(Picker->ItemIndex(), 2);
    Picker->SetItemIndex(-1);
    EXPECT_EQ(Log, QStringList({"change -1", "select -1"}));
    EXPECT_EQ(Picker->ItemIndex(), -1);
    Picker->SetItemIndex(-3);
    EXPECT_EQ(Picker->ItemIndex(), -3) << "a negative value is stored as it is";
    EXPECT_EQ(Picker->ImageIndex(), -1);
}

TEST_F(ImagePickerTest, ImageIndexSelectsTheFirstItemWithIt)
{
    AddItems(5);
    Picker->Items()->Items(4)->SetImageIndex(3);
    const struct {
        int32_t Set;
        int32_t Item;
        int32_t Read;
    } Cases[] = {{3, 3, 3}, {9, -1, -1}, {0, 0, 0}, {-1, -1, -1}, {2, 2, 2}};
    for (const auto& Case : Cases) {
        Picker->SetImageIndex(Case.Set);
        EXPECT_EQ(Picker->ItemIndex(), Case.Item) << Case.Set;
        EXPECT_EQ(Picker->ImageIndex(), Case.Read) << Case.Set;
    }
}

TEST_F(ImagePickerTest, SteppingTheSelection)
{
    Picker->SelectNext();
    Picker->SelectLast();
    EXPECT_EQ(Picker->ItemIndex(), -1) << "no items";
    AddItems(4);
    // Steps as plain functions: GCC 12's vptr check reads an unset slot when a call goes through a
    // member-function pointer here.
    using TStep = void (*)(TExtImagePickerDropDown*);
    const TStep Next = [](TExtImagePickerDropDown* P) { P->SelectNext(); };
    const TStep Previous = [](TExtImagePickerDropDown* P) { P->SelectPrevious(); };
    const TStep First = [](TExtImagePickerDropDown* P) { P->SelectFirst(); };
    const TStep Last = [](TExtImagePickerDropDown* P) { P->SelectLast(); };
    const struct {
        int32_t From;
        TStep Step;
        int32_t To;
    } Cases[] = {
        {-1, Next, 0}, {-1, Previous, 0}, {3, Next, 3},  {0, Previous, 0},
        {1, Next, 2},  {2, Previous, 1},  {1, Last, 3},  {2, First, 0},
    };
    for (const auto& Case : Cases) {
        Picker->SetItemIndex(Case.From);
        Case.Step(Picker);
        EXPECT_EQ(Picker->ItemIndex(), Case.To) << "from " << Case.From;
    }
}

TEST_F(ImagePickerTest, ItemsFromAnImageList)
{
    TImageList Images(nullptr);
    Images.SetSize(16, 16);
    Picker->AddImagesFromImageList();
    EXPECT_EQ(Picker->Items()->Count(), 0) << "no image list";
    for (TColor Color : {clRed, clLime, clBlue}) Images.Add(Solid(16, 16, Color).get(), nullptr);
    Picker->SetImages(&Images);
    Picker->AddImagesFromImageList();
    ASSERT_EQ(Picker->Items()->Count(), 3);
    for (int32_t I = 0; I < 3; ++I) {
        EXPECT_EQ(Picker->Items()->Items(I)->ImageIndex(), I);
        EXPECT_EQ(Picker->Items()->Items(I)->Caption(), QString());
    }
    Picker->SetImages(nullptr);
}

// A real folder of BMP, PNG and JPEG files with a sub-folder, a file that is no picture and one
// whose extension no picture class takes.
class ImagePickerFolderTest : public ImagePickerTest {
protected:
    void SetUp() override
    {
        ImagePickerTest::SetUp();
        Solid(10, 12, clRed)->SaveToFile(Folder.File(QStringLiteral("b_red.bmp")));
        TPngImage Png;
        Png.Assign(Solid(14, 8, clLime).get());
        Png.SaveToFile(Folder.File(QStringLiteral("a_green.png")));
        TJPEGImage Jpeg;
        Jpeg.Assign(Solid(20, 6, clBlue).get());
        Jpeg.SaveToFile(Folder.File(QStringLiteral("C_blue.JPG")));
        Folder.Write(QStringLiteral("d_broken.bmp"), QByteArray("BM not a bitmap"));
        Folder.Write(QStringLiteral("e_notes.txt"), QByteArray("text"));
        QDir(Folder.Path()).mkdir(QStringLiteral("f_sub.bmp"));
    }

    // What the folder search finds for Mask, in its order.
    QStringList Found(const QString& Mask) const
    {
        QStringList Names;
        for (const TSearchRec& Entry : FindFiles(Folder.Path(), Mask, faAnyFile)) Names << Entry.Name;
        return Names;
    }

    TempFolder Folder;
};

TEST_F(ImagePickerFolderTest, EveryEntryGetsAnItemInTheSearchOrder)
{
    const QString Mask = Folder.Path() + PathDelim + QStringLiteral("*.*");
    Picker->AddImagesFromFolder(Mask, true);
    const QStringList Names = Found(QStringLiteral("*.*"));
    ASSERT_EQ(Names, QStringList({".", "..", "a_green.png", "b_red.bmp", "C_blue.JPG", "d_broken.bmp", "e_notes.txt",
                                  "f_sub.bmp"}));
    ASSERT_EQ(Picker->Items()->Count(), Names.size());
    const struct {
        const char* Name;
        int32_t Width;
        int32_t Height;
    } Expected[] = {
        {"", 0, 0}, {"", 0, 0}, {"a_green.png", 14, 8}, {"b_red.bmp", 10, 12}, {"C_blue.JPG", 20, 6}, {"", 0, 0},
        {"", 0, 0}, {"", 0, 0}};
    for (int32_t I = 0; I < Names.size(); ++I) {
        const TImageItem* Item = Picker->Items()->Items(I);
        SCOPED_TRACE(Names[I].toStdString());
        EXPECT_EQ(Item->Caption(), QString::fromLatin1(Expected[I].Name));
        EXPECT_EQ(Item->HasPicture(), Expected[I].Width > 0);
        EXPECT_EQ(Item->Image()->Width(), Expected[I].Width);
        EXPECT_EQ(Item->Image()->Height(), Expected[I].Height);
        EXPECT_EQ(Item->ImageIndex(), -1);
    }
}

TEST_F(ImagePickerFolderTest, AMaskThatMatchesASubFolderGivesItAnEmptyItem)
{
    Picker->AddImagesFromFolder(Folder.Path() + PathDelim + QStringLiteral("*.bmp"), false);
    ASSERT_EQ(Picker->Items()->Count(), 3);
    EXPECT_TRUE(Picker->Items()->Items(0)->HasPicture()) << "b_red.bmp";
    EXPECT_EQ(Picker->Items()->Items(0)->Caption(), QString()) << "captions only when asked for";
    EXPECT_FALSE(Picker->Items()->Items(1)->HasPicture()) << "d_broken.bmp";
    EXPECT_FALSE(Picker->Items()->Items(2)->HasPicture()) << "the folder f_sub.bmp";
    Picker->AddImagesFromFolder(Folder.File(QStringLiteral("missing")) + PathDelim + QStringLiteral("*.*"), true);
    EXPECT_EQ(Picker->Items()->Count(), 3) << "a missing folder adds nothing";
}

TEST_F(ImagePickerFolderTest, TheSelectedPictureIsCentredInTheEdit)
{
    Picker->AddImagesFromFolder(Folder.Path() + PathDelim + QStringLiteral("*.*"), true);
    Picker->SetItemIndex(3);
    ProcessPendingEvents();
    const QImage Image = RenderAndSave(Picker, QStringLiteral("ImagePicker-bitmap"));
    // The red 10 x 12 bitmap in the middle of the value rectangle.
    QRect Red;
    for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X)
            if (Image.pixel(X, Y) == Rgb(clRed)) Red |= QRect(X, Y, 1, 1);
    ASSERT_EQ(Red.size(), QSize(10, 12));
    TPoint Origin{0, 0};
    ClientToScreen(Picker->Handle(), Origin);
    TRect Window;
    GetWindowRect(Picker->Handle(), Window);
    // The value rectangle: the edit's formatting rectangle, in the window's coordinates.
    const TRect Client = Picker->ClientRect();
    TRect R{1, 1, Client.Right - Picker->DropDownButtonWidth() - 3, Client.Bottom + 1};
    OffsetRect(R, Origin.X - Window.Left, Origin.Y - Window.Top);
    EXPECT_EQ(Red.left(), R.Left + (R.Width() - 10) / 2);
    EXPECT_EQ(Red.top(), R.Top + (R.Height() - 12) / 2);
}

// ---- Through real input ----

TEST_F(ImagePickerTest, OpenByClickOrAltDownAndCancelRestores)
{
    TImageList Images(nullptr);
    for (TColor Color : {clRed, clLime, clBlue, clYellow, clFuchsia, clAqua})
        Images.Add(Solid(16, 16, Color).get(), nullptr);
    Picker->SetImages(&Images);
    Picker->SetColumns(2);
    AddItems(6);
    Picker->SetItemIndex(1);
    Open();
    RenderAndSave(Picker->DropDownForm(), QStringLiteral("ImagePicker-open"));
    EXPECT_EQ(Picker->ItemSelector()->Items()->Count(), 6);
    EXPECT_EQ(Picker->ItemSelector()->ItemIndex(), 1);
    Input::PressKey(VK_DOWN);
    EXPECT_EQ(Picker->ItemIndex(), 3) << "a row of two down; the pop-up stays";
    EXPECT_TRUE(Picker->DroppedDown());
    Input::PressKey(VK_ESCAPE);
    ProcessPendingEvents();
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->ItemIndex(), 1);

    Input::PressKey(VK_DOWN, {ssAlt});
    ProcessPendingEvents();
    ASSERT_TRUE(Picker->DroppedDown());
    Input::PressKey(VK_END);
    EXPECT_EQ(Picker->ItemIndex(), 5);
    Log.clear();
    Input::PressKey(VK_RETURN);
    ProcessPendingEvents();
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->ItemIndex(), 5);
    EXPECT_EQ(Log, QStringList({"select 5"})) << "Enter with no hot item selects again";
    Picker->SetImages(nullptr);
}

TEST_F(ImagePickerTest, UpAndDownMoveByRowsOfColumnsWhileOpen)
{
    Picker->SetColumns(4);
    const struct {
        int32_t Count;
        int32_t From;
        uint16_t Key;
        int32_t To;
    } Cases[] = {
        {12, 6, VK_DOWN, 10}, {9, 6, VK_DOWN, 6},   {12, 2, VK_UP, 2},   {12, 6, VK_UP, 2},
        {12, -1, VK_DOWN, 0}, {12, 6, VK_RIGHT, 7}, {12, 6, VK_LEFT, 5},
    };
    for (const auto& Case : Cases) {
        Picker->Items()->Clear();
        AddItems(Case.Count);
        Picker->SetItemIndex(Case.From);
        Open();
        Input::PressKey(Case.Key);
        EXPECT_EQ(Picker->ItemIndex(), Case.To) << Case.Count << " items from " << Case.From;
        EXPECT_TRUE(Picker->DroppedDown());
        Input::PressKey(VK_ESCAPE);
        ProcessPendingEvents();
    }
}

TEST_F(ImagePickerTest, ClosedKeysStepTheSelection)
{
    AddItems(5);
    const struct {
        uint16_t Key;
        int32_t To;
    } Steps[] = {{VK_DOWN, 0}, {VK_DOWN, 1}, {VK_END, 4}, {VK_DOWN, 4}, {VK_UP, 3}, {VK_HOME, 0}, {VK_UP, 0}};
    for (const auto& Step : Steps) {
        Input::PressKey(Step.Key);
        EXPECT_EQ(Picker->ItemIndex(), Step.To) << Step.Key;
    }
    EXPECT_FALSE(Picker->DroppedDown());
}

TEST_F(ImagePickerTest, LettersSearchCaptionsFor500MsFromTheFirstKey)
{
    for (const char* Caption : {"Apple", "Banana", "Blueberry", "Cherry"})
        Picker->Items()->Add()->SetCaption(QString::fromLatin1(Caption));
    Open();
    Input::PressKey('B');
    EXPECT_EQ(Picker->ItemIndex(), 1);
    Clock.Advance(200);
    Input::PressKey('L');
    EXPECT_EQ(Picker->ItemIndex(), 2) << "BL searched together";
    EXPECT_TRUE(Picker->DroppedDown()) << "a search does not close";
    Clock.Advance(200);
    Input::PressKey('U');
    EXPECT_EQ(Picker->ItemIndex(), 2) << "BLU";
    Clock.Advance(150);
    Input::PressKey('C');
    EXPECT_EQ(Picker->ItemIndex(), 3) << "500 ms after the first key a new search begins, however quick the keys came";
    Input::PressKey(VK_ESCAPE);
    ProcessPendingEvents();
    EXPECT_EQ(Picker->ItemIndex(), -1);
}

TEST_F(ImagePickerTest, AClickOnAnItemSelectsAndCloses)
{
    AddItems(3);
    Open();
    TControl* Panel = Picker->ItemSelector()->Panel();
    const TRect R = Picker->ItemSelector()->Panel()->GetItemRect(2);
    Input::Click(Panel, {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2});
    ProcessPendingEvents();
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->ItemIndex(), 2);
}

TEST_F(ImagePickerTest, StyleReachesTheItemAppearance)
{
    Picker->SetComponentStyle(tsWindows7);
    EXPECT_EQ(Picker->ItemAppearance()->BorderColor(), RGB(125, 162, 206));
    Picker->ItemAppearance()->SetBorderColor(clRed);
    Picker->SetComponentStyle(tsCustom);
    EXPECT_EQ(Picker->ItemAppearance()->BorderColor(), clRed);
    AddItems(1);
    Open();
    EXPECT_EQ(Picker->ItemSelector()->ItemAppearance()->BorderColor(), clRed) << "copied at the opening";
}

}  // namespace
