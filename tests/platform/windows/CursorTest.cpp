// Cursors: loading our cursor resources with their hot spots, the screen's registry, the cursor a
// control shows under the pointer, and reading back what a window shows through its canvas.
#include "support/Input.h"
#include "support/LayerInternals.h"
#include "support/Render.h"
#include "Recorder.h"

#include "graphics/Bitmap.h"
#include "graphics/Picture.h"
#include "rtl/Exceptions.h"
#include "windows/ExtCtrls.h"

#include <gtest/gtest.h>

#include <QPixmap>
#include <QWidget>

#include <memory>

namespace {

constexpr TCursor crPointer = 54;

struct TCursorHandle {
    HCURSOR Handle;
    ~TCursorHandle() { DestroyCursor(Handle); }
};

// A cursor file of one 2 x 2 one-bit image: left column black, right column transparent.
QByteArray TinyCursorFile(uint16_t Type, uint16_t HotX, uint16_t HotY)
{
    QByteArray image;
    const auto put32 = [&image](uint32_t V) { for (int i = 0; i < 4; ++i) image.append(char(V >> (8 * i))); };
    const auto put16 = [&image](uint16_t V) { image.append(char(V)); image.append(char(V >> 8)); };
    put32(40); put32(2); put32(4); put16(1); put16(1); put32(0); put32(16); put32(0); put32(0); put32(2); put32(0);
    image.append(QByteArray("\0\0\0\0\xFF\xFF\xFF\0", 8));
    image.append(QByteArray(8, '\0'));                        // colour rows: both black
    for (int row = 0; row < 2; ++row) image.append(QByteArray("\x40\0\0\0", 4));  // mask: right pixel transparent
    QByteArray file;
    const auto f16 = [&file](uint16_t V) { file.append(char(V)); file.append(char(V >> 8)); };
    const auto f32 = [&file](uint32_t V) { for (int i = 0; i < 4; ++i) file.append(char(V >> (8 * i))); };
    f16(0); f16(Type); f16(1);
    file.append(char(2)); file.append(char(2)); file.append(char(2)); file.append(char(0));
    f16(HotX); f16(HotY); f32(uint32_t(image.size())); f32(22);
    return file + image;
}

TEST(CursorTest, PointerResourceHasItsHotSpotAtThePipetteTip)
{
    TCursorHandle Cursor{LoadCursor(0, QStringLiteral("VYX_POINTER"))};
    ASSERT_NE(Cursor.Handle, nullptr);
    EXPECT_EQ(QtCursor(Cursor.Handle).hotSpot(), QPoint(1, 30));
    const QImage Image = QtCursor(Cursor.Handle).pixmap().toImage();
    ASSERT_EQ(Image.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(Image.pixel(1, 30)), 255) << "the tip is drawn";
    EXPECT_EQ(Image.pixel(1, 30) & 0xFFFFFF, 0u) << "the tip is black";
    EXPECT_EQ(qAlpha(Image.pixel(30, 30)), 0) << "the lower right corner is transparent";
    EXPECT_EQ(qAlpha(Image.pixel(1, 1)), 0) << "the upper left corner is transparent";
}

TEST(CursorTest, MissingOrForeignResourcesGiveNoCursor)
{
    EXPECT_EQ(LoadCursor(0, QStringLiteral("NO_SUCH_CURSOR")), nullptr);
    EXPECT_EQ(LoadCursor(0, QStringLiteral("VYX_SPECTRUM")), nullptr) << "a bitmap is no cursor";
    EXPECT_FALSE(DestroyCursor(nullptr));
}

TEST(CursorTest, CursorFilesAreReadWithTheirHotSpotKeptInside)
{
    const struct {
        uint16_t HotX, HotY;
        QPoint Expected;
    } Cases[] = {{0, 0, {0, 0}}, {1, 1, {1, 1}}, {1, 40, {1, 1}}, {500, 0, {1, 0}}};
    for (const auto& Case : Cases) {
        QPoint HotSpot;
        const QImage Image = ReadCursorFile(TinyCursorFile(2, Case.HotX, Case.HotY), HotSpot);
        EXPECT_EQ(HotSpot, Case.Expected) << Case.HotX << "," << Case.HotY;
        ASSERT_EQ(Image.size(), QSize(2, 2));
        EXPECT_EQ(qAlpha(Image.pixel(0, 0)), 255);
        EXPECT_EQ(qAlpha(Image.pixel(1, 0)), 0);
    }
    QPoint HotSpot;
    EXPECT_THROW(ReadCursorFile(TinyCursorFile(1, 0, 0), HotSpot), EInvalidGraphic) << "an icon file is no cursor";
    EXPECT_THROW(ReadCursorFile(TinyCursorFile(2, 0, 0).left(30), HotSpot), EInvalidGraphic) << "cut short";
}

TEST(CursorTest, ScreenKeepsRegisteredCursorsAndGivesStockOnesOtherwise)
{
    EXPECT_EQ(QtCursor(Screen->Cursors(crHandPoint)).shape(), Qt::PointingHandCursor);
    EXPECT_EQ(Screen->Cursors(crHandPoint), Screen->Cursors(crHandPoint)) << "one handle per index";
    EXPECT_EQ(QtCursor(Screen->Cursors(1234)).shape(), Qt::ArrowCursor) << "an index that names nothing";

    HCURSOR Pointer = LoadCursor(0, QStringLiteral("VYX_POINTER"));
    Screen->SetCursors(crPointer, Pointer);
    EXPECT_EQ(Screen->Cursors(crPointer), Pointer);
    Screen->SetCursors(crPointer, Pointer);
    EXPECT_EQ(Screen->Cursors(crPointer), Pointer) << "registering the same handle again keeps it";
    Screen->SetCursors(crPointer, nullptr);
    EXPECT_EQ(QtCursor(Screen->Cursors(crPointer)).shape(), Qt::ArrowCursor);
}

// The grid's selection cursors are the program's resources by number, without registering them.
TEST(CursorTest, NumberedCursorResourcesComeFromTheScreenByTheirNumber)
{
    const struct {
        TCursor Index;
        QPoint HotSpot;
        QRgb AtHotSpot;
        QPoint Behind;  // a black pixel along the shaft or on the cross's edge
    } Cases[] = {
        {8010, {20, 15}, 0x000000, {9, 15}},   // row selection: points right
        {8011, {15, 20}, 0x000000, {15, 9}},   // column selection: points down
        {8012, {20, 20}, 0x000000, {12, 12}},  // whole grid and resizing: points down and right
        {8014, {15, 15}, 0xFFFFFF, {6, 15}},   // cell selector: a white cross edged in black
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Index);
        const HCURSOR Handle = Screen->Cursors(Case.Index);
        EXPECT_EQ(Screen->Cursors(Case.Index), Handle) << "loaded once";
        const QCursor Cursor = QtCursor(Handle);
        ASSERT_EQ(Cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(Cursor.hotSpot(), Case.HotSpot);
        const QImage Image = Cursor.pixmap().toImage();
        EXPECT_EQ(Image.pixel(Case.HotSpot) & 0xFFFFFF, Case.AtHotSpot);
        EXPECT_EQ(qAlpha(Image.pixel(Case.Behind)), 255);
        EXPECT_EQ(Image.pixel(Case.Behind) & 0xFFFFFF, 0u);
        EXPECT_EQ(qAlpha(Image.pixel(0, 0)), 0);
    }

    auto Form = MakeForm(200, 100);
    auto* Box = Place<TImage>(Form.get(), Bounds(10, 10, 40, 40));
    Box->SetCursor(8011);
    Form->Show();
    ProcessPendingEvents();
    Input::MoveMouse(Form.get(), {20, 20});
    EXPECT_EQ(WidgetOf(Form->Handle())->cursor().hotSpot(), QPoint(15, 20));
}

TEST(CursorTest, ControlUnderThePointerShowsTheRegisteredCursor)
{
    Screen->SetCursors(crPointer, LoadCursor(0, QStringLiteral("VYX_POINTER")));
    auto Form = MakeForm(200, 100);
    auto* Image = Place<TImage>(Form.get(), Bounds(10, 10, 40, 40));
    Image->SetCursor(crPointer);
    Form->Show();
    ProcessPendingEvents();

    QWidget* Widget = WidgetOf(Form->Handle());
    Input::MoveMouse(Form.get(), {20, 20});
    EXPECT_EQ(Widget->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(Widget->cursor().hotSpot(), QPoint(1, 30));
    Input::MoveMouse(Form.get(), {120, 50});
    EXPECT_EQ(Widget->cursor().shape(), Qt::ArrowCursor);
    Screen->SetCursors(crPointer, nullptr);
}

// Paints a red square once; what it shows stays in its window afterwards.
class TSquare : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(clWhite);
        Canvas()->FillRect(ClientRect());
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FillRect(Rect(5, 5, 10, 10));
    }
};

TEST(CursorTest, CanvasPixelsReadWhatTheWindowShows)
{
    auto Form = MakeForm(200, 100);
    Form->SetColor(clBlue);
    auto* Square = Place<TSquare>(Form.get(), Bounds(10, 10, 40, 40));
    auto* Image = Place<TImage>(Form.get(), Bounds(60, 10, 20, 20));
    Image->Picture()->Bitmap()->SetSize(20, 20);
    Image->Picture()->Bitmap()->Canvas()->Brush()->SetColor(clLime);
    Image->Picture()->Bitmap()->Canvas()->FillRect(Rect(0, 0, 20, 20));
    Form->Show();
    ProcessPendingEvents();

    EXPECT_EQ(Square->Canvas()->Pixels(5, 5), clRed);
    EXPECT_EQ(Square->Canvas()->Pixels(9, 9), clRed);
    EXPECT_EQ(Square->Canvas()->Pixels(10, 10), clWhite);
    EXPECT_EQ(Form->Canvas()->Pixels(65, 15), clLime) << "a windowless child is read on its parent";
    EXPECT_EQ(Form->Canvas()->Pixels(100, 50), clBlue);
}

}  // namespace
