// The stock controls together on one form as the configurator's windows use them, rendered for people to look at.
#include "support/Artifacts.h"
#include "support/Render.h"
#include "Recorder.h"

#include "graphics/Bitmap.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/Picture.h"
#include "rtl/DateTime.h"
#include "rtl/FormatSettings.h"
#include "rtl/Strings.h"
#include "windows/ComCtrls.h"
#include "windows/ExtCtrls.h"
#include "windows/ListControls.h"
#include "windows/Mask.h"
#include "windows/StdCtrls.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Makes a control on Parent at Bounds.
using TMaker = std::function<TControl*(TWinControl* Parent, const TRect& Bounds)>;

template <typename T>
TMaker Make(std::function<void(T*)> Setup = {})
{
    return [Setup](TWinControl* Parent, const TRect& Bounds) -> TControl* {
        T* Control = Place<T>(Parent, Bounds);
        if (Setup) Setup(Control);
        return Control;
    };
}

// A tab sheet of the page control it is made on.
TMaker MakeSheet(const QString& Caption)
{
    return [Caption](TWinControl* Parent, const TRect&) -> TControl* {
        auto* Sheet = New<TTabSheet>(Parent->Owner());
        Sheet->SetPageControl(static_cast<TPageControl*>(Parent));
        Sheet->SetCaption(Caption);
        return Sheet;
    };
}

struct TStockControl {
    const char* Name;
    // The control it stands on; the form when empty.
    const char* Parent;
    TRect Bounds;
    TMaker Maker;
};

void DrawPicture(TImage* Image)
{
    TCanvas* Canvas = Image->Canvas();
    Canvas->Brush()->SetColor(clNavy);
    Canvas->FillRect(Rect(0, 0, Image->Width(), Image->Height()));
    Canvas->Brush()->SetColor(clYellow);
    Canvas->Pen()->SetColor(clWhite);
    Canvas->Ellipse(6, 6, Image->Width() - 6, Image->Height() - 6);
}

// One line per control: above the rule the standard and extra controls, below it the list-type
// and common controls.
const std::vector<TStockControl>& StockControls()
{
    static const std::vector<TStockControl> Controls = {
        {"NameLabel", "", Bounds(10, 14, 50, 13), Make<TLabel>([](TLabel* L) { L->SetCaption(QStringLiteral("&Name:")); })},
        {"NameEdit", "", Bounds(76, 10, 120, 21), Make<TEdit>([](TEdit* E) { E->SetText(QStringLiteral("KT20418")); })},
        {"PasswordLabel", "", Bounds(10, 42, 60, 13), Make<TLabel>([](TLabel* L) { L->SetCaption(QStringLiteral("Password:")); })},
        {"PasswordEdit", "", Bounds(76, 38, 120, 21), Make<TEdit>([](TEdit* E) { E->SetPasswordChar(QLatin1Char('*')); E->SetText(QStringLiteral("secret")); })},
        {"PhoneLabel", "", Bounds(10, 70, 60, 13), Make<TLabel>([](TLabel* L) { L->SetCaption(QStringLiteral("Phone:")); })},
        {"PhoneEdit", "", Bounds(76, 66, 120, 21), Make<TMaskEdit>([](TMaskEdit* E) { E->SetEditMask(QStringLiteral("(999)000-0000;1;_")); E->SetText(QStringLiteral("(555)12")); })},
        {"DisabledEdit", "", Bounds(76, 94, 120, 21), Make<TEdit>([](TEdit* E) { E->SetText(QStringLiteral("Disabled")); E->SetEnabled(false); })},
        {"Memo", "", Bounds(10, 124, 186, 72), Make<TMemo>([](TMemo* M) { M->SetScrollBars(ssVertical); M->Lines()->SetText(QStringLiteral("First line\nA second line long enough to wrap\nThird")); })},
        {"OkButton", "", Bounds(210, 10, 75, 25), Make<TButton>([](TButton* B) { B->SetCaption(QStringLiteral("&OK")); B->SetDefault(true); })},
        {"CancelButton", "", Bounds(292, 10, 75, 25), Make<TButton>([](TButton* B) { B->SetCaption(QStringLiteral("Cancel")); B->SetCancel(true); })},
        {"GatewayCheck", "", Bounds(210, 44, 150, 17), Make<TCheckBox>([](TCheckBox* C) { C->SetCaption(QStringLiteral("&GATEWAY")); C->SetChecked(true); })},
        {"GrayedCheck", "", Bounds(210, 64, 150, 17), Make<TCheckBox>([](TCheckBox* C) { C->SetCaption(QStringLiteral("Grayed")); C->SetAllowGrayed(true); C->SetState(cbGrayed); })},
        {"GroupBox", "", Bounds(210, 86, 157, 70), Make<TGroupBox>([](TGroupBox* G) { G->SetCaption(QStringLiteral(" EtherNet/IP ")); })},
        {"AutoRadio", "GroupBox", Bounds(10, 20, 130, 17), Make<TRadioButton>([](TRadioButton* R) { R->SetCaption(QStringLiteral("&Auto Baudrate")); R->SetChecked(true); })},
        {"FixedRadio", "GroupBox", Bounds(10, 42, 130, 17), Make<TRadioButton>([](TRadioButton* R) { R->SetCaption(QStringLiteral("&Fixed")); })},
        {"DisabledLabel", "", Bounds(210, 166, 100, 13), Make<TLabel>([](TLabel* L) { L->SetCaption(QStringLiteral("Disabled label")); L->SetEnabled(false); })},
        {"LinkLabel", "", Bounds(210, 186, 150, 13), Make<TLinkLabel>([](TLinkLabel* L) { L->SetCaption(QStringLiteral("New version: <a href=\"https://example.com\">download</a>")); })},
        {"RaisedPanel", "", Bounds(380, 10, 120, 36), Make<TPanel>([](TPanel* P) { P->SetCaption(QStringLiteral("Panel")); })},
        {"LoweredPanel", "", Bounds(380, 52, 120, 36), Make<TPanel>([](TPanel* P) { P->SetCaption(QStringLiteral("Lowered")); P->SetBevelOuter(bvLowered); P->SetBevelInner(bvRaised); P->SetBorderWidth(2); })},
        {"Bevel", "", Bounds(380, 96, 56, 50), Make<TBevel>()},
        {"Shape", "", Bounds(444, 96, 56, 50), Make<TShape>([](TShape* S) { S->SetShape(stRoundRect); S->Brush()->SetColor(clYellow); })},
        {"Image", "", Bounds(380, 152, 56, 44), Make<TImage>(DrawPicture)},
        {"Circle", "", Bounds(444, 152, 56, 44), Make<TShape>([](TShape* S) { S->SetShape(stCircle); S->Brush()->SetColor(clAqua); })},
        {"Rule", "", Bounds(10, 207, 490, 2), Make<TBevel>([](TBevel* B) { B->SetShape(bsTopLine); })},
        {"Pages", "", Bounds(10, 216, 250, 150), Make<TPageControl>()},
        {"ListsSheet", "Pages", {}, MakeSheet(QStringLiteral("&Lists"))},
        {"RangesSheet", "Pages", {}, MakeSheet(QStringLiteral("Ranges"))},
        {"DropDownCombo", "ListsSheet", Bounds(8, 8, 110, 21), Make<TComboBox>([](TComboBox* C) { C->Items()->SetCommaText(QStringLiteral("Alpha,Beta,Gamma")); C->SetItemIndex(1); })},
        {"ListCombo", "ListsSheet", Bounds(8, 38, 110, 21), Make<TComboBox>([](TComboBox* C) { C->SetStyle(csDropDownList); C->Items()->SetCommaText(QStringLiteral("\"Auto Baudrate\",9600,19200")); C->SetItemIndex(0); })},
        {"ListBox", "ListsSheet", Bounds(126, 8, 110, 100), Make<TListBox>([](TListBox* L) { for (int32_t I = 1; I <= 9; ++I) L->Items()->Add(QStringLiteral("Language %1").arg(I)); L->SetItemIndex(2); })},
        {"TrackBar", "", Bounds(270, 216, 230, 45), Make<TTrackBar>([](TTrackBar* T) { T->SetPosition(3); })},
        {"ScrollBar", "", Bounds(270, 270, 230, 17), Make<TScrollBar>([](TScrollBar* B) { B->SetPosition(40); })},
        {"DatePicker", "", Bounds(270, 296, 230, 21), Make<TDateTimePicker>([](TDateTimePicker* P) { P->SetDateTime(EncodeDate(2024, 2, 29)); })},
    };
    return Controls;
}

TEST(StockFormTest, EveryStockControlShowsOnAFormInTheConfiguratorsFont)
{
    const TFormatSettingsScope Settings{TFormatSettings{}};
    auto Form = MakeForm(510, 380);
    Form->SetCaption(QStringLiteral("Stock controls"));
    Form->Font()->SetName(QStringLiteral("Verdana"));
    Form->Font()->SetSize(8);
    std::map<QString, TWinControl*> Parents{{QString(), Form.get()}};
    std::vector<TControl*> Made;
    for (const TStockControl& Stock : StockControls()) {
        TControl* Control = Stock.Maker(Parents.at(QString::fromLatin1(Stock.Parent)), Stock.Bounds);
        Control->SetName(QString::fromLatin1(Stock.Name));
        if (auto* Windowed = dynamic_cast<TWinControl*>(Control)) Parents[Control->Name()] = Windowed;
        Made.push_back(Control);
    }
    static_cast<TPageControl*>(Parents.at(QStringLiteral("Pages")))->SetActivePageIndex(0);
    Form->Show();
    SaveArtifact(RenderControl(Form.get(), true), QStringLiteral("stock-controls"));
    // Every control draws something of its own over its parent's colour.
    for (TControl* Control : Made) {
        EXPECT_EQ(Control->Font()->Name(), QStringLiteral("Verdana")) << Control->Name().toStdString();
        // A tab sheet is only a page in its control's colour.
        if (dynamic_cast<TTabSheet*>(Control)) continue;
        const QImage Image = RenderControl(Control);
        const TColor Background = Control->Parent()->Color();
        const auto Rgb = static_cast<COLORREF>(ColorToRGB(Background));
        bool Drawn = false;
        for (int Y = 0; Y < Image.height() && !Drawn; ++Y)
            for (int X = 0; X < Image.width() && !Drawn; ++X)
                Drawn = Image.pixel(X, Y) != qRgb(GetRValue(Rgb), GetGValue(Rgb), GetBValue(Rgb));
        EXPECT_TRUE(Drawn) << Control->Name().toStdString();
    }
}

}  // namespace
