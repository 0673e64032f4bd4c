// The item selector: layout in cells, the four caption places, hot and selected items on pixels, stepping, lookup, clicks and scrolling.
#include "DropDownTestSupport.h"

#include "dropdown/ItemAppearance.h"
#include "dropdown/ItemSelector.h"
#include "dropdown/SelectorItems.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/Exceptions.h"
#include "support/Artifacts.h"
#include "support/ExceptionMessage.h"

#include <gtest/gtest.h>

using namespace DropDownTest;

namespace {

class ItemSelectorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = MakeForm(100, 100, 400, 300);
        Selector = New<TExtCustomItemSelector>(Form.get());
        Selector->SetParent(Form.get());
        Selector->SetBounds(10, 10, 300, 200);
        Selector->OnItemSelect = [this](TObject*) { Selects << Selector->ItemIndex(); };
        Form->Show();
        ProcessPendingEvents();
    }

    TSelectorItem* AddItem(const QString& Caption, TColor Color = clNone)
    {
        TSelectorItem* Item = Selector->Items()->Add();
        Item->SetCaption(Caption);
        Item->SetColor(Color);
        return Item;
    }

    TCustomItemSelector* Panel() const { return Selector->Panel(); }
    TSize TextSize(const QString& Text) const
    {
        TBitmap Measure;
        Measure.Canvas()->Font()->Assign(Selector->ItemAppearance()->Font());
        return {Measure.Canvas()->TextWidth(Text), Measure.Canvas()->TextHeight(Text)};
    }
    // The bounds of the pixels of Color in the panel's rendering.
    QRect InkOf(TColor Color) const
    {
        const QImage Image = RenderControl(Panel());
        QRect Found;
        for (int Y = 0; Y < Image.height(); ++Y)
            for (int X = 0; X < Image.width(); ++X)
                if (Image.pixel(X, Y) == Rgb(Color)) Found |= QRect(X, Y, 1, 1);
        return Found;
    }

    std::unique_ptr<TForm> Form;
    TExtCustomItemSelector* Selector = nullptr;
    QList<int32_t> Selects;
};

}  // namespace

TEST_F(ItemSelectorTest, ThePanelBelongsToAHost)
{
    EXPECT_EQ(MessageOf<Exception>([&] { New<TCustomItemSelector>(Form.get()); }), QStringLiteral("Invalid parent"));
    EXPECT_EQ(Panel()->Parent(), Selector);
    EXPECT_EQ(Selector->Color(), clWindow);
    EXPECT_EQ(Panel()->Color(), clWindow) << "the parent's colour";
}

TEST_F(ItemSelectorTest, AnEmptySelector)
{
    EXPECT_EQ(Selector->GetPanelSize(), (TSize{100, 50}));
    EXPECT_EQ(Selector->GetVisibleItemCount(), 0);
    EXPECT_FALSE(Selector->LookupItem(QStringLiteral("A")));
    EXPECT_EQ(Selector->ItemIndex(), -1);
}

TEST_F(ItemSelectorTest, CellsFillRowsAndThePanelHoldsThemWithItsMargin)
{
    Selector->SetSelectorType(stColor);
    Selector->SetColumns(3);
    for (int I = 0; I < 7; ++I) AddItem(QStringLiteral("Item %1").arg(I), RGB(20 * I, 0, 0));
    const TRect First = Panel()->GetItemRect(0);
    const int32_t W = First.Width(), H = First.Height();
    // Colour boxes 14 x 14 with the caption to the right: the text plus 4, a gap of 4, margins of 4.
    const TSize Text = TextSize(QStringLiteral("Item 0"));
    EXPECT_EQ(H, std::max(14, Text.cy) + 8);
    EXPECT_EQ(W, 8 + 14 + 4 + Text.cx + 4);
    EXPECT_EQ(First, Bounds(2, 2, W, H));
    EXPECT_EQ(Panel()->GetItemRect(2), Bounds(2 + 2 * W, 2, W, H));
    EXPECT_EQ(Panel()->GetItemRect(3), Bounds(2, 2 + H, W, H));
    EXPECT_EQ(Panel()->GetItemRect(6), Bounds(2, 2 + 2 * H, W, H));
    EXPECT_EQ(Selector->GetPanelSize(), (TSize{3 * W + 4, 3 * H + 4}));
    EXPECT_EQ(Panel()->GetItemRect(7), (TRect{-1, -1, -1, -1}));
    EXPECT_EQ(Panel()->ItemAtPos(2 + W + 1, 2 + H + 1), 4);
    EXPECT_EQ(Panel()->ItemAtPos(0, 0), -1);
    // A changed caption lays the cells out again at once.
    Selector->Items()->Items(0)->SetCaption(QStringLiteral("A much longer caption"));
    EXPECT_GT(Panel()->GetItemRect(0).Width(), W);
    // Whole rows of the host's height, times the columns.
    const int32_t Room = Selector->Height() - (Selector->HorzScrollBar()->IsScrollBarVisible() ? 20 : 0);
    EXPECT_EQ(Selector->GetVisibleItemCount(), Room / Panel()->GetItemRect(0).Height() * 3);
    Selector->OnItemSize = [](TObject*, TSize& Size) { Size = {30, 0}; };
    Selector->UpdateSelectorPanel();
    EXPECT_EQ(Selector->GetVisibleItemCount(), 0) << "cells of no height";
}

TEST_F(ItemSelectorTest, FourCaptionPlaces)
{
    Selector->SetSelectorType(stColor);
    Selector->SetColorBoxWidth(20);
    Selector->SetColorBoxHeight(10);
    Selector->ItemAppearance()->Font()->SetColor(RGB(0, 0, 255));
    AddItem(QStringLiteral("Wide caption"), RGB(255, 0, 0));
    const struct {
        TItemLayout Layout;
        const char* Name;
    } Layouts[] = {{ilCaptionLeft, "left"}, {ilCaptionRight, "right"}, {ilCaptionTop, "top"}, {ilCaptionBottom, "bottom"}};
    for (const auto& Layout : Layouts) {
        Selector->SetItemLayout(Layout.Layout);
        Selector->UpdateSelectorPanel();
        const TRect Cell = Panel()->GetItemRect(0);
        const QRect Box = InkOf(RGB(255, 0, 0));
        const QRect Caption = InkOf(RGB(0, 0, 255));
        SaveArtifact(RenderControl(Panel()), QStringLiteral("dropdown-selector-caption-") + QLatin1String(Layout.Name));
        ASSERT_FALSE(Box.isEmpty()) << Layout.Name;
        ASSERT_FALSE(Caption.isEmpty()) << Layout.Name;
        // The box's inside (its frame is black); the colour box stands at the top of its room.
        EXPECT_EQ(Box.width(), 18) << Layout.Name;
        EXPECT_EQ(Box.height(), 8) << Layout.Name;
        switch (Layout.Layout) {
        case ilCaptionLeft: EXPECT_GT(Box.left(), Caption.right()) << "box after the caption"; break;
        case ilCaptionRight:
            EXPECT_EQ(Box.left(), Cell.Left + 4 + 1);
            EXPECT_EQ(Box.top(), Cell.Top + 4 + 1);
            EXPECT_GT(Caption.left(), Box.right() + 4);
            break;
        case ilCaptionTop:
            EXPECT_GT(Box.top(), Caption.bottom());
            EXPECT_EQ(Box.left() + Box.width() / 2, Cell.Left + Cell.Width() / 2) << "centred across";
            break;
        case ilCaptionBottom:
            EXPECT_LT(Box.bottom(), Caption.top());
            EXPECT_EQ(Box.top(), Cell.Top + 4 + 1);
            break;
        }
    }
}

TEST_F(ItemSelectorTest, HotAndSelectedBackgrounds)
{
    AddItem(QStringLiteral("One"));
    AddItem(QStringLiteral("Two"));
    AddItem(QStringLiteral("Three"));
    Selector->SetItemIndex(1);
    Input::MoveMouse(Panel(), {Panel()->GetItemRect(2).Left + 3, Panel()->GetItemRect(2).Top + 3});
    EXPECT_EQ(Selector->ItemHot(), 2);
    const QImage Image = RenderControl(Panel());
    SaveArtifact(Image, QStringLiteral("dropdown-selector-items"));
    const TRect Plain = Panel()->GetItemRect(0), Selected = Panel()->GetItemRect(1), Hot = Panel()->GetItemRect(2);
    EXPECT_EQ(Hex(Image.pixel(Plain.Left + 1, Plain.Top + 1)), Hex(Rgb(clWindow)));
    // Office 2007 preset: the outer line, the inner top line, the corner pixel in the panel's colour.
    EXPECT_EQ(Hex(Image.pixel(Selected.Left + 10, Selected.Top)), Hex(Rgb(RGB(0xD3, 0xD7, 0x8D))));
    EXPECT_EQ(Hex(Image.pixel(Selected.Left + 10, Selected.Top + 1)), Hex(Rgb(RGB(0xFF, 0xFE, 0xF4))));
    EXPECT_EQ(Hex(Image.pixel(Selected.Left, Selected.Top)), Hex(Rgb(clWindow)));
    EXPECT_EQ(Hex(Image.pixel(Hot.Left + 10, Hot.Top)), Hex(Rgb(RGB(0xD3, 0xD7, 0x8D))));
    // Upper half from the state colour, lower half the mirror gradient: the middle rows differ.
    EXPECT_NE(Hex(Image.pixel(Selected.Left + 10, Selected.Top + 3)), Hex(Image.pixel(Hot.Left + 10, Hot.Top + 3)));
    // A hot border colour frames plainly: a gradient with a frame, no rounded lines.
    Selector->ItemAppearance()->SetBorderColorHot(RGB(255, 0, 0));
    Panel()->Invalidate();
    const QImage Framed = RenderControl(Panel());
    EXPECT_EQ(Hex(Framed.pixel(Hot.Left, Hot.Top)), Hex(Rgb(RGB(255, 0, 0))));
    // Owner drawing comes after the backgrounds.
    QList<int32_t> Drawn;
    Selector->OnDrawItem = [&](TObject*, TCanvas*, TRect, int32_t Index) { Drawn << Index; };
    Panel()->Invalidate();
    const QImage Owner = RenderControl(Panel());
    EXPECT_EQ(Hex(Owner.pixel(Selected.Left + 10, Selected.Top)), Hex(Rgb(RGB(0xD3, 0xD7, 0x8D))));
    EXPECT_TRUE(Drawn.contains(0) && Drawn.contains(1) && Drawn.contains(2));
}

TEST_F(ItemSelectorTest, SelectingSteppingAndLookup)
{
    AddItem(QStringLiteral("Red"));
    AddItem(QStringLiteral("<b>Green</b>"));
    AddItem(QStringLiteral("  reddish"));
    AddItem(QStringLiteral("Blue"))->SetEnabled(false);
    Selector->SelectNext();
    EXPECT_EQ(Selector->ItemIndex(), 0);
    Selector->SelectNext();
    Selector->SelectNext();
    EXPECT_EQ(Selector->ItemIndex(), 2);
    Selector->SelectNext();
    EXPECT_EQ(Selector->ItemIndex(), 2) << "stops in front of a disabled item";
    Selector->SelectPrevious();
    EXPECT_EQ(Selector->ItemIndex(), 1);
    Selector->SelectLast();
    EXPECT_EQ(Selector->ItemIndex(), 1) << "the last item is disabled";
    Selects.clear();
    Selector->SetItemIndex(1);
    EXPECT_EQ(Selects, QList<int32_t>{1}) << "the same index announces again";
    EXPECT_TRUE(Selector->LookupItem(QStringLiteral("GR")));
    EXPECT_EQ(Selector->ItemIndex(), 1);
    EXPECT_TRUE(Selector->LookupItem(QStringLiteral("REDD")));
    EXPECT_EQ(Selector->ItemIndex(), 2);
    EXPECT_FALSE(Selector->LookupItem(QStringLiteral("re")));
    // A disabled item is found but not taken.
    EXPECT_TRUE(Selector->LookupItem(QStringLiteral("BL")));
    EXPECT_EQ(Selector->ItemIndex(), 2);
    Selector->HotNext();
    EXPECT_EQ(Selector->ItemHot(), 0);
    Selector->HotPrevious();
    EXPECT_EQ(Selector->ItemHot(), 0);
}

TEST_F(ItemSelectorTest, ClicksAndHoverSkipDisabledItems)
{
    AddItem(QStringLiteral("One"));
    AddItem(QStringLiteral("Off"))->SetEnabled(false);
    Selector->Items()->Items(0)->SetHint(QStringLiteral("The first"));
    const TRect Off = Panel()->GetItemRect(1), One = Panel()->GetItemRect(0);
    Input::Click(Panel(), {One.Left + 3, One.Top + 3});
    EXPECT_EQ(Selector->ItemIndex(), 0);
    EXPECT_EQ(Panel()->Hint(), QStringLiteral("The first"));
    EXPECT_EQ(Selector->ItemHot(), 0);
    Input::Click(Panel(), {Off.Left + 3, Off.Top + 3});
    EXPECT_EQ(Selector->ItemIndex(), 0);
    EXPECT_EQ(Selector->ItemHot(), -1) << "hovering a disabled item clears the hot one";
    Input::MoveMouse(Panel(), {One.Left + 3, One.Top + 3});
    Input::LeaveWindow(Panel());
    EXPECT_EQ(Selector->ItemHot(), -1);
}

TEST_F(ItemSelectorTest, TheHostScrollsTheSelectedItemIntoView)
{
    Selector->SetBounds(10, 10, 200, 100);
    for (int I = 0; I < 20; ++I) AddItem(QStringLiteral("Item %1").arg(I));
    ASSERT_TRUE(Selector->VertScrollBar()->IsScrollBarVisible());
    EXPECT_LT(Selector->ClientWidth(), 200);
    Selector->SetItemIndex(15);
    const TRect Cell = Panel()->GetItemRect(15);
    EXPECT_EQ(Panel()->Top() + Cell.Bottom, Selector->ClientHeight()) << "its bottom at the bottom edge";
    // Back up: the first item's top (inside the panel's margin) at the top edge.
    Selector->SelectFirst();
    EXPECT_EQ(Panel()->Top() + Panel()->GetItemRect(0).Top, 0);
    // The thumb drags the list along.
    Selector->Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 40), 0);
    EXPECT_EQ(Selector->VertScrollBar()->Position(), 40);
    EXPECT_EQ(Panel()->Top(), -40);
    // A click on the bar's arrow steps by its increment.
    Selector->Perform(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    EXPECT_EQ(Panel()->Top(), -48);
    SaveArtifact(RenderControl(Selector), QStringLiteral("dropdown-selector-scrolled"));
}

TEST_F(ItemSelectorTest, AppearancePresetsAndCopying)
{
    TItemAppearance* Look = Selector->ItemAppearance();
    EXPECT_EQ(Look->ColorStyle(), scOffice2007);
    EXPECT_EQ(Look->ColorHot(), RGB(0xFD, 0xFF, 0xD7));
    EXPECT_EQ(Look->Font()->Name(), QStringLiteral("Tahoma"));
    Look->SetColorStyle(scWindows7);
    EXPECT_EQ(Look->ColorSelected(), RGB(0xB9, 0xD8, 0xF9));
    EXPECT_EQ(Look->ColorMirrorHot(), clNone);
    Look->SetColorHot(clRed);
    Look->SetColorStyle(scWindows7);
    EXPECT_EQ(Look->ColorHot(), clRed) << "the same style keeps the colours";
    Look->SetColorStyle(scCustom);
    EXPECT_EQ(Look->ColorHot(), clRed);
    // Copying from a Vista appearance into a custom one: the colours, then Vista's preset over them.
    TItemAppearance Vista(nullptr);
    Vista.SetColorStyle(scWindowsVista);
    Vista.SetColorHotText(clGreen);
    Look->Assign(&Vista);
    EXPECT_EQ(Look->ColorStyle(), scWindowsVista);
    EXPECT_EQ(Look->EdgeColor(), RGB(0xCB, 0xED, 0xFC));
    EXPECT_EQ(Look->ColorHotText(), clGreen);

    // The drop-downs' style presets for item appearances.
    std::unique_ptr<TForm> Host = MakeForm(0, 0, 100, 100);
    auto* DropDown = Place<TPanelDropDown>(Host.get(), Bounds(0, 0, 80, 21));
    DropDown->ApplyItemAppearanceStyle(Look, tsOffice2007Luna);
    EXPECT_EQ(Look->ColorHot(), RGB(255, 253, 235));
    EXPECT_EQ(Look->BorderColorTop(), RGB(255, 254, 244));
    DropDown->ApplyItemAppearanceStyle(Look, tsWindowsXP);
    EXPECT_EQ(Look->ColorSelected(), clHighlight);
    EXPECT_EQ(Look->ColorSelectedText(), clHighlightText);
    EXPECT_EQ(Look->BorderColorTop(), clNone);
    DropDown->ApplyItemAppearanceStyle(Look, tsOffice2010Blue);
    EXPECT_EQ(Look->ColorMirrorHot(), RGB(253, 227, 138));
    EXPECT_EQ(Look->ColorSelectedText(), clBlack);
    Look->SetColorHot(clLime);
    DropDown->ApplyItemAppearanceStyle(Look, tsCustom);
    DropDown->ApplyItemAppearanceStyle(nullptr, tsWindows7);
    EXPECT_EQ(Look->ColorHot(), clLime);
}
