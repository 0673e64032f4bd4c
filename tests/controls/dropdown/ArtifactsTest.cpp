// Images of each drop-down, closed and open, in the test artifacts for people (and the grid's editor tests) to look at.
#include "DropDownTestSupport.h"

#include "dropdown/ExtMemoDropDown.h"
#include "dropdown/ExtTrackBarDropDown.h"
#include "dropdown/PopupAppearance.h"
#include "rtl/Strings.h"
#include "support/Artifacts.h"

#include <gtest/gtest.h>

#include <QPainter>

using namespace DropDownTest;

namespace {

// The form with the open pop-up drawn where it stands on the screen.
QImage Desktop(TForm* Form, TExtCustomDropDown* DropDown)
{
    QImage Image = RenderControl(Form);
    if (!DropDown->DroppedDown()) return Image;
    const TRect Popup = DropDown->DropDownForm()->BoundsRect();
    const TRect Area = Bounds(Form->Left(), Form->Top(), Form->Width(), Form->Height());
    QImage Both(std::max(Area.Right, Popup.Right) - Area.Left, std::max(Area.Bottom, Popup.Bottom) - Area.Top, QImage::Format_RGB32);
    Both.fill(Qt::darkGray);
    QPainter Painter(&Both);
    Painter.drawImage(0, 0, Image);
    Painter.drawImage(Popup.Left - Area.Left, Popup.Top - Area.Top, RenderControl(DropDown->DropDownForm()));
    return Both;
}

}  // namespace

TEST(DropDownArtifactsTest, EachDropDownClosedAndOpen)
{
    TTestClock Clock;
    std::unique_ptr<TForm> Form = MakeForm(100, 100, 360, 50);
    auto* Base = Place<TPanelDropDown>(Form.get(), Bounds(10, 10, 100, 21));
    Base->SetText(QStringLiteral("Value"));
    Base->DropDownHeader()->SetCaption(QStringLiteral("Header <b>caption</b>"));
    Base->DropDownFooter()->SetCaption(QStringLiteral("Footer"));
    Base->DropDownFooter()->Buttons()->Add()->SetCaption(QStringLiteral("OK"));
    auto* Track = Place<TExtTrackBarDropDown>(Form.get(), Bounds(120, 10, 100, 21));
    Track->SetPosition(6);
    auto* Memo = Place<TExtMemoDropDown>(Form.get(), Bounds(230, 10, 120, 21));
    Memo->SetEditorEnabled(false);
    TStringList Lines;
    Lines.SetText(QStringLiteral("First line\r\nSecond line"));
    Memo->SetMemoText(&Lines);
    Form->Show();
    ProcessPendingEvents();
    const QImage Closed = RenderControl(Form.get());
    SaveArtifact(Closed, QStringLiteral("dropdown-all-closed"));
    EXPECT_EQ(Memo->Caption(), QStringLiteral("First line..."));
    const struct {
        TExtCustomDropDown* DropDown;
        const char* Name;
    } Controls[] = {{Base, "dropdown-base-open"}, {Track, "dropdown-trackbar-open"}, {Memo, "dropdown-memo-open"}};
    for (const auto& Control : Controls) {
        Clock.Advance(300);
        ClickButton(Control.DropDown);
        ASSERT_TRUE(Control.DropDown->DroppedDown()) << Control.Name;
        const QImage Open = Desktop(Form.get(), Control.DropDown);
        SaveArtifact(Open, QString::fromUtf8(Control.Name));
        EXPECT_GT(Open.height(), Closed.height()) << Control.Name;
        Input::PressKey(VK_RETURN);
        Control.DropDown->HideDropDown(false);
    }
}
