// The windows that float above the grid: the header drag button, painted as the grid's fixed cell
// with its caption, and the pop-up form that never takes the activation.
#include "ExtGridTestSupport.h"

#include "grid/core/HeaderDragButton.h"
#include "grid/core/NoActiveForm.h"

#include "support/Artifacts.h"

#include "graphics/Canvas.h"
#include "windows/StdCtrls.h"

namespace {

// The box around the pixels that differ from Background; an empty rectangle when none do.
QRect Ink(const QImage& Image, QRgb Background)
{
    QRect Box;
    for (int32_t Y = 0; Y < Image.height(); ++Y)
        for (int32_t X = 0; X < Image.width(); ++X)
            if (Image.pixel(X, Y) != Background) Box |= QRect(X, Y, 1, 1);
    return Box;
}

class HeaderDragButtonFixture : public ExtGridFixture {
protected:
    void SetUp() override
    {
        ExtGridFixture::SetUp();
        Grid->SetFixedColor(TColor(0xE0E0E0));
        Show();
        Button = New<THeaderDragButton>(Form.get());
        Button->SetGrid(Grid);
        Button->SetParent(Grid);
        Button->SetBounds(100, 100, 120, 24);
        Button->Show();
        ProcessPendingEvents();
    }

    QImage Render(const QString& Caption)
    {
        Button->SetCaption(Caption);
        return RenderControl(Button);
    }

    THeaderDragButton* Button = nullptr;
};

TEST_F(HeaderDragButtonFixture, BorderedPopupInButtonFace)
{
    const auto Style = static_cast<uint32_t>(GetWindowLong(Button->Handle(), GWL_STYLE));
    EXPECT_TRUE(Style & WS_POPUP);
    EXPECT_TRUE(Style & WS_BORDER);
    EXPECT_FALSE(Style & WS_CHILD);
    EXPECT_EQ(Button->Color(), clBtnFace);
    EXPECT_FALSE(Button->Flat());
    EXPECT_EQ(Button->Grid(), Grid);
}

// Without caption the button shows exactly the grid's fixed cell (0, 0) painted into its client area.
TEST_F(HeaderDragButtonFixture, PaintsTheGridsFixedCell)
{
    const QImage Empty = Render(QString());
    TBitmap Cell;
    Cell.SetSize(Button->ClientWidth(), Button->ClientHeight());
    Grid->PaintCellExt(Cell.Canvas(), 0, 0, Rect(0, 0, Button->ClientWidth(), Button->ClientHeight()), {gdFixed});
    ASSERT_EQ(Empty.size(), QSize(Cell.Width(), Cell.Height()));
    int32_t Different = 0;
    for (int32_t Y = 0; Y < Empty.height(); ++Y)
        for (int32_t X = 0; X < Empty.width(); ++X) {
            const TColor C = Cell.Canvas()->Pixels(X, Y);
            if (Empty.pixel(X, Y) != qRgb(GetRValue(C), GetGValue(C), GetBValue(C))) ++Different;
        }
    EXPECT_EQ(Different, 0);
}

// A plain caption sits centred on one line with an end ellipsis; one with "</" is markup.
TEST_F(HeaderDragButtonFixture, CaptionPlainOrMarkup)
{
    const QImage Empty = Render(QString());
    const QRgb Face = Empty.pixel(Empty.width() / 2, Empty.height() / 2);
    auto Diff = [&](const QImage& Image) {
        QImage D = Image;
        for (int32_t Y = 0; Y < D.height(); ++Y)
            for (int32_t X = 0; X < D.width(); ++X)
                if (Image.pixel(X, Y) == Empty.pixel(X, Y)) D.setPixel(X, Y, Face);
        return Ink(D, Face);
    };
    const QRect Short = Diff(Render(QStringLiteral("Name")));
    ASSERT_FALSE(Short.isEmpty());
    EXPECT_LE(std::abs(Short.left() - (Empty.width() - 1 - Short.right())), 1) << "centred across";
    EXPECT_LE(std::abs(Short.top() - (Empty.height() - 1 - Short.bottom())), 3) << "centred down";

    // Too long for the button: cut with an ellipsis inside the client area.
    const QRect Long = Diff(Render(QStringLiteral("A very long column caption that cannot fit")));
    EXPECT_GE(Long.left(), 0);
    EXPECT_LT(Long.right(), Button->ClientWidth());
    EXPECT_EQ(Long.top(), Short.top());

    // Markup: bold text drawn from the left, not the tags themselves.
    SaveArtifact(Render(QStringLiteral("<b>Name</b>")), QStringLiteral("header-drag-button-markup"));
    const QRect Bold = Diff(Render(QStringLiteral("<b>Name</b>")));
    ASSERT_FALSE(Bold.isEmpty());
    EXPECT_LT(Bold.left(), Short.left());
    EXPECT_GT(Bold.width(), Short.width());
    EXPECT_LT(Bold.width(), Diff(Render(QStringLiteral("<b>Name"))).width()) << "without \"</\" the tags show";
}

TEST(NoActiveForm, StylesAndAnswers)
{
    std::unique_ptr<TNoActiveForm> Floating(New<TNoActiveForm>(nullptr));
    Floating->HandleNeeded();
    const auto Style = static_cast<uint32_t>(GetWindowLong(Floating->Handle(), GWL_STYLE)) & ~WS_VISIBLE;
    EXPECT_EQ(Style, 0x88800000u);
    EXPECT_EQ(Floating->Perform(WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
    EXPECT_EQ(Floating->Perform(WM_ACTIVATE, WA_ACTIVE, 0), 1);
}

// Shown topmost over a form, it leaves the activation and focus there, also when clicked.
TEST(NoActiveForm, FloatsWithoutTakingTheFocus)
{
    auto Main = std::unique_ptr<TForm>(New<TForm>(nullptr));
    Main->SetBounds(50, 50, 300, 200);
    auto* Edit = New<TEdit>(Main.get());
    Edit->SetParent(Main.get());
    Edit->SetBounds(10, 10, 100, 24);
    Main->Show();
    Edit->SetFocus();
    ProcessPendingEvents();
    std::unique_ptr<TNoActiveForm> Floating(New<TNoActiveForm>(nullptr));
    Floating->SetBounds(120, 120, 100, 50);
    Floating->HandleNeeded();
    ASSERT_TRUE(SetWindowPos(Floating->Handle(), HWND_TOPMOST, 120, 120, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE));
    ProcessPendingEvents();
    EXPECT_TRUE(IsWindowVisible(Floating->Handle()));
    Input::Click(Floating.get(), {10, 10});
    ProcessPendingEvents();
    EXPECT_EQ(GetActiveWindow(), Main->Handle());
    EXPECT_EQ(GetFocus(), Edit->Handle());
}

}  // namespace
