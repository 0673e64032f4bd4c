// TCustomButtonPanel: button items and appearance, the calculator key table and grid, painting, hot and pressed tracking.
#include "dropdown/CalcPanel.h"

#include "dropdown/DropDownUtil.h"
#include "dropdown/HexColor.h"

#include "grid/base/ExtUtil.h"

#include "graphics/Canvas.h"
#include "graphics/DrawText.h"
#include "graphics/GraphicsObjects.h"
#include "graphics/ImageList.h"
#include "graphics/Picture.h"
#include "windows/StdCtrls.h"

#include <algorithm>

namespace {

struct TKey {
    const char* Caption;
    const char* Name;
    int32_t Tag;
    bool Special;
};

// In collection order; the tags are the calculator's operation codes.
constexpr TKey CalculatorKeys[] = {
    {"", "BTN_ON", 30, false},     {"Back", "BTN_BACK", 31, true}, {"CE", "BTN_CE", 32, true},     {"C", "BTN_C", 16, true},
    {"MC", "BTN_MC", 33, true},    {"MR", "BTN_MR", 34, true},     {"MS", "BTN_MS", 35, true},     {"M+", "BTN_M+", 36, true},
    {"0", "BTN_0", 0, false},      {"1", "BTN_1", 1, false},       {"4", "BTN_4", 4, false},       {"7", "BTN_7", 7, false},
    {"8", "BTN_8", 8, false},      {"5", "BTN_5", 5, false},       {"2", "BTN_2", 2, false},       {"+/-", "BTN_+/-", 14, false},
    {".", "BTN_.", 15, false},     {"3", "BTN_3", 3, false},       {"6", "BTN_6", 6, false},       {"9", "BTN_9", 9, false},
    {"/", "BTN_/", 13, true},      {"*", "BTN_*", 12, true},       {"-", "BTN_-", 11, true},       {"+", "BTN_+", 10, true},
    {"=", "BTN_=", 17, true},      {"1/x", "BTN_1/x", 38, false},  {"%", "BTN_%", 18, false},  {"sqrt", "BTN_sqrt", 37, true},
};

// Column and row of keys 4 to 27 in the grid (the top row is laid out apart).
constexpr struct {
    int8_t Column, Row;
} GridPlaces[] = {
    {0, 1}, {0, 2}, {0, 3}, {0, 4},  // MC MR MS M+
    {1, 4}, {1, 3}, {1, 2}, {1, 1},  // 0 1 4 7
    {2, 1}, {2, 2}, {2, 3}, {2, 4},  // 8 5 2 +/-
    {3, 4}, {3, 3}, {3, 2}, {3, 1},  // . 3 6 9
    {4, 1}, {4, 2}, {4, 3}, {4, 4},  // / * - +
    {5, 4}, {5, 3}, {5, 2}, {5, 1},  // = 1/x % sqrt
};

}  // namespace

// ---- Items ----

TButtonItem::TButtonItem(TCollection* Collection) : TCollectionItem(Collection), FImage(std::make_unique<TPicture>())
{
}

TButtonItem::~TButtonItem() = default;

void TButtonItem::SetImage(TPicture* Value)
{
    FImage->Assign(Value);
}

void TButtonItem::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight)
{
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
}

void TButtonItem::Assign(TPersistent* Source)
{
    if (auto* Item = dynamic_cast<TButtonItem*>(Source)) {
        SetCaption(Item->FCaption);
        SetCaptionColor(Item->FCaptionColor);
        FTag = Item->FTag;
        FImageIndex = Item->FImageIndex;
        FImage->Assign(Item->FImage.get());
        FEnabled = Item->FEnabled;
        FName = Item->FName;
    } else {
        TCollectionItem::Assign(Source);
    }
}

void TButtonItems::Update(TCollectionItem*)
{
    if (OnChange) OnChange(this);
}

// ---- Appearance ----

TButtonAppearance::TButtonAppearance()
    : FColor(HexColor(0x5F919A)), FColorTo(HexColor(0x70A1B0)), FColorDown(HexColor(0x082F4B)),
      FColorDownTo(HexColor(0x14B5AD)), FColorHot(HexColor(0x1C6F9F)), FColorHotTo(HexColor(0x44C2D5)),
      FColorCheckedTo(AdjustColorChannels(HexColor(0xB2D2F9), -10, -10, 0)),
      FColorDisabled(AdjustColorChannels(clWhite, -5, -5, -5)), FColorDisabledTo(FColorDisabled),
      FColorChecked(AdjustColorChannels(HexColor(0xE1F0F5), -10, -10, 0)), FFont(std::make_unique<TFont>()),
      FGlowColorHot(HexColor(0x44C2D5)), FGlowColorDown(HexColor(0x44C2D5))
{
    FFont->SetSize(10);
    FFont->SetStyle({fsBold});
}

TButtonAppearance::~TButtonAppearance() = default;

void TButtonAppearance::Store(TColor& Field, TColor Value)
{
    if (Field == Value) return;
    Field = Value;
    if (OnChange) OnChange(this);
}

void TButtonAppearance::SetFont(TFont* Value)
{
    FFont->Assign(Value);
}

void TButtonAppearance::Assign(TPersistent* Source)
{
    auto* Other = dynamic_cast<TButtonAppearance*>(Source);
    if (!Other) {
        TPersistent::Assign(Source);
        return;
    }
    SetBorderColor(Other->FBorderColor);
    SetBorderColorHot(Other->FBorderColorHot);
    SetBorderColorDown(Other->FBorderColorDown);
    SetBorderColorChecked(Other->FBorderColorChecked);
    SetColor(Other->FColor);
    SetColorTo(Other->FColorTo);
    SetColorDown(Other->FColorDown);
    SetColorDownTo(Other->FColorDownTo);
    SetColorHot(Other->FColorHot);
    SetColorHotTo(Other->FColorHotTo);
    SetColorCheckedTo(Other->FColorCheckedTo);
    SetColorDisabled(Other->FColorDisabled);
    SetColorDisabledTo(Other->FColorDisabledTo);
    SetColorChecked(Other->FColorChecked);
    SetShineColor(Other->FShineColor);
    FGlowColorHot = Other->FGlowColorHot;
    FGlowColorDown = Other->FGlowColorDown;
    SetFont(Other->FFont.get());
    SetTextColor(Other->FTextColor);
    SetSpecialTextColor(Other->FSpecialTextColor);
}

// ---- Panel ----

TCustomButtonPanel::TCustomButtonPanel(TComponent* AOwner)
    : TCustomControl(AOwner), FButtons(std::make_unique<TButtonItems>(this)),
      FButtonAppearance(std::make_unique<TButtonAppearance>())
{
    FButtons->OnChange = [this](TObject*) { RepaintUnhosted(); };
    FButtonAppearance->OnChange = [this](TObject*) { RepaintUnhosted(); };
    SetDoubleBuffered(true);
}

TCustomButtonPanel::~TCustomButtonPanel() = default;

void TCustomButtonPanel::RepaintUnhosted()
{
    if (!FExtDropDown) Invalidate();
}

void TCustomButtonPanel::Loaded()
{
    TCustomControl::Loaded();
    if (!FExtDropDown) BuildButtons();
}

void TCustomButtonPanel::SetImages(TCustomImageList* Value)
{
    if (FImages == Value) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages) FImages->FreeNotification(this);
    ArrangeButtons();
}

void TCustomButtonPanel::SetEdit(TCustomEdit* Value)
{
    if (FEdit) FEdit->RemoveFreeNotification(this);
    FEdit = Value;
    if (FEdit) FEdit->FreeNotification(this);
}

void TCustomButtonPanel::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FImages) SetImages(nullptr);
    if (FEdit && AComponent == FEdit) FEdit = nullptr;
}

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType Value)
{
    if (FButtonPanelType == Value) return;
    FButtonPanelType = Value;
    ArrangeButtons();
}

void TCustomButtonPanel::ClearButtons()
{
    FButtons->Clear();
}

void TCustomButtonPanel::RebuildButtons()
{
    ClearButtons();
    BuildButtons();
}

void TCustomButtonPanel::BuildButtons()
{
    if (FButtons->Count() > 0) return;
    if (FButtonPanelType == plCalculator) {
        FButtons->BeginUpdate();
        for (const TKey& Key : CalculatorKeys) {
            TButtonItem* Item = FButtons->Add();
            Item->SetCaption(QString::fromLatin1(Key.Caption));
            Item->SetName(QString::fromLatin1(Key.Name));
            Item->SetTag(Key.Tag);
            Item->SetSpecial(Key.Special);
            if (Key.Special) Item->SetCaptionColor(clMaroon);
        }
        FButtons->EndUpdate();
    }
    ArrangeButtons();
}

void TCustomButtonPanel::GetButtonsRect(TRect& R)
{
    R = ClientRect();
    R = Rect(R.Left + FOffSetX, R.Top + FOffSetY, R.Right - FOffSetX, R.Bottom - FOffSetY);
}

void TCustomButtonPanel::ArrangeButtons()
{
    if (FButtons->Count() == 0 || FButtonPanelType == plCustom) return;
    TRect R;
    GetButtonsRect(R);
    constexpr int32_t Gap = 4;
    const int32_t W = (R.Right - R.Left - 2 * Gap) / 6;
    const int32_t H = (R.Bottom - R.Top - Gap) / 5;
    // Keys of one block share their border lines; blocks stand 4 pixels apart.
    int32_t Columns[6], Rows[5];
    Columns[0] = R.Left;
    Columns[1] = Columns[0] + W + Gap;
    Columns[2] = Columns[1] + W - 1;
    Columns[3] = Columns[2] + W - 1;
    Columns[4] = Columns[3] + W + Gap;
    Columns[5] = Columns[4] + W - 1;
    Rows[0] = R.Top;
    Rows[1] = Rows[0] + H + Gap;
    Rows[2] = Rows[1] + H - 1;
    Rows[3] = Rows[2] + H - 1;
    Rows[4] = Rows[3] + H - 1;
    const int32_t Count = FButtons->Count();
    for (int32_t Index = 4; Index < std::min<int32_t>(Count, 28); ++Index) {
        const auto& Place = GridPlaces[Index - 4];
        FButtons->Items(Index)->SetBounds(Columns[Place.Column], Rows[Place.Row], W, H);
    }
    // The top row: the blank key, then Back, CE and C sharing the rest up to the grid's right edge.
    const int32_t Right = Columns[5] + W;
    FButtons->Items(0)->SetBounds(Columns[0], Rows[0], W, H);
    const int32_t L1 = Columns[0] + W + Gap;
    const int32_t W3 = (Right - L1 - 8) / 3;
    if (Count > 1) FButtons->Items(1)->SetBounds(L1, Rows[0], W3, H);
    if (Count > 2) FButtons->Items(2)->SetBounds(L1 + W3 + Gap, Rows[0], W3, H);
    if (Count > 3) FButtons->Items(3)->SetBounds(L1 + 2 * W3 + 8, Rows[0], Right - (L1 + 2 * W3 + 8), H);
}

void TCustomButtonPanel::GetButtonSize(int32_t& W, int32_t& H)
{
    int32_t CaptionW = 0, CaptionH = 0, ImageW = 0, ImageH = 0;
    TCanvas* C = Canvas();
    C->Font()->Assign(Font());
    for (int32_t Index = 0; Index < FButtons->Count(); ++Index) {
        const TButtonItem* Item = FButtons->Items(Index);
        const TSize Text = GetTextSize(C, Item->Caption());
        CaptionW = std::max(CaptionW, Text.cx);
        CaptionH = std::max(CaptionH, Text.cy);
        if (Item->Image()->Graphic() && !Item->Image()->Graphic()->Empty()) {
            ImageW = std::max(ImageW, Item->Image()->Width());
            ImageH = std::max(ImageH, Item->Image()->Height());
        } else if (FImages && Item->ImageIndex() >= 0) {
            ImageW = std::max(ImageW, FImages->Width());
            ImageH = std::max(ImageH, FImages->Height());
        }
    }
    const int32_t Gap = ImageW > 0 && CaptionW > 0 ? FCaptionGap : 0;
    if (FButtonLayout == ilCaptionLeft || FButtonLayout == ilCaptionRight) {
        W = 2 * FButtonOffSetX + ImageW + Gap + CaptionW;
        H = std::max(ImageH, CaptionH) + 2 * FButtonOffSetY;
    } else {
        W = std::max(ImageW, CaptionW) + 2 * FButtonOffSetX;
        H = 2 * FButtonOffSetY + ImageH + Gap + CaptionH;
    }
}

void TCustomButtonPanel::InvalidateButton(int32_t Index)
{
    if (Index < 0 || Index >= FButtons->Count() || !HandleAllocated()) return;
    const TRect B = FButtons->Items(Index)->ButtonRect();
    const TRect R = Rect(B.Left - 8, B.Top - 8, B.Right + 8, B.Bottom + 8);
    InvalidateRect(Handle(), &R, true);
}

void TCustomButtonPanel::ButtonClick(int32_t Index)
{
    if (OnButtonClick) OnButtonClick(this, Index);
}

bool TCustomButtonPanel::IsDisabledItem(int32_t Index) const
{
    return Index >= 0 && Index < FButtons->Count() && !FButtons->Items(Index)->Enabled();
}

void TCustomButtonPanel::MoveMark(int32_t& Field, int32_t Index)
{
    if (Index == Field || IsDisabledItem(Index)) return;
    if (Field >= 0) {
        const int32_t Old = Field;
        Field = -1;
        InvalidateButton(Old);
    }
    Field = Index;
    if (Index >= 0 && HandleAllocated()) DrawButton(Index, Canvas());
}

int32_t TCustomButtonPanel::ButtonAtPos(int32_t X, int32_t Y) const
{
    for (int32_t Index = 0; Index < FButtons->Count(); ++Index)
        if (PtInRect(FButtons->Items(Index)->ButtonRect(), Point(X, Y))) return Index;
    return -1;
}

void TCustomButtonPanel::DrawButton(int32_t Index, TCanvas* ACanvas)
{
    if (Index < 0 || Index >= FButtons->Count() || !ACanvas) return;
    const TButtonItem* Item = FButtons->Items(Index);
    const TRect B = Item->ButtonRect();
    if (B.Left < 0 && B.Right < 0) return;

    ACanvas->FillRect(B);
    const int32_t State = !Enabled() ? bstDisabled : Index == FButtonDown ? bstDown : Index == FButtonHot ? bstHot : bstNormal;
    DrawPushButtonFace(ACanvas, Handle(), B, blClassic, State, TColorTones());

    TRect C = Rect(B.Left + FButtonOffSetX, B.Top + FButtonOffSetY, B.Right - FButtonOffSetX, B.Bottom - FButtonOffSetY);
    TGraphic* Picture = Item->Image()->Graphic() && !Item->Image()->Graphic()->Empty() ? Item->Image()->Graphic() : nullptr;
    const bool FromList = !Picture && FImages && Item->ImageIndex() >= 0;
    const int32_t IW = Picture ? Picture->Width() : FromList ? FImages->Width() : 0;
    const int32_t IH = Picture ? Picture->Height() : FromList ? FImages->Height() : 0;
    const bool HasImage = Picture || FromList;
    const auto DrawImage = [&](int32_t X, int32_t Y) {
        if (Picture) ACanvas->Draw(X, Y, Picture);
        else if (FromList) FImages->Draw(ACanvas, X, Y, Item->ImageIndex(), Item->Enabled());
    };

    ACanvas->Font()->Assign(FButtonAppearance->Font());
    ACanvas->Font()->SetColor(Item->Special() ? FButtonAppearance->SpecialTextColor() : FButtonAppearance->TextColor());
    ACanvas->Brush()->SetStyle(bsClear);
    const QString& Caption = Item->Caption();
    const TSize Text = GetTextSize(ACanvas, Caption);
    uint32_t Flags = DT_SINGLELINE | DT_VCENTER;
    const auto DrawCaption = [&](TRect R, bool Centred) {
        DrawText(ACanvas->Handle(), Caption, -1, R, Flags | (Centred ? DT_CENTER : 0));
    };
    const int32_t MiddleY = C.Top + (C.Height() - IH) / 2;
    switch (FButtonLayout) {
    case ilCaptionLeft:
        if (!Caption.isEmpty()) {
            C.Right -= IW;
            DrawCaption(C, !HasImage);
            if (HasImage) DrawImage(C.Left + Text.cx + FCaptionGap, MiddleY);
        } else if (HasImage) {
            DrawImage(C.Left, MiddleY);
        }
        break;
    case ilCaptionRight:
        if (HasImage) DrawImage(C.Left, MiddleY);
        C.Left += IW + FCaptionGap;
        DrawCaption(C, !HasImage);
        break;
    case ilCaptionTop:
        if (!Caption.isEmpty()) {
            C.Bottom -= IH;
            DrawCaption(C, true);
            if (HasImage) DrawImage(C.Left, C.Top + Text.cy + FCaptionGap);
        } else if (HasImage) {
            DrawImage(C.Left, MiddleY);
        }
        break;
    case ilCaptionBottom: {
        const int32_t ImageTop = Caption.isEmpty() ? MiddleY : C.Top;
        if (HasImage) DrawImage(C.Left, ImageTop);
        if (!Caption.isEmpty()) {
            C.Top = ImageTop + IH + FCaptionGap;
            DrawCaption(C, true);
        }
        break;
    }
    }
}

void TCustomButtonPanel::Paint()
{
    TCustomControl::Paint();
    TCanvas* C = Canvas();
    if (!FExtDropDown) {
        C->Brush()->SetStyle(bsClear);
        C->Pen()->SetColor(clBlack);
        C->Pen()->SetWidth(1);
        C->Rectangle(ClientRect());
    }
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color());
    for (int32_t Index = 0; Index < FButtons->Count(); ++Index)
        if (Index != FButtonHot) DrawButton(Index, C);
    DrawButton(FButtonHot, C);
}

void TCustomButtonPanel::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int32_t Index = ButtonAtPos(X, Y);
    if (Index >= 0 && FButtons->Items(Index)->Enabled()) SetButtonDown(Index);
}

void TCustomButtonPanel::MouseMove(TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    const int32_t Index = ButtonAtPos(X, Y);
    if (Index < 0) SetButtonHot(-1);
    else if (Index != FButtonHot) SetButtonHot(FButtons->Items(Index)->Enabled() ? Index : -1);
}

void TCustomButtonPanel::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FButtonDown < 0) return;
    // A click is a press and a release on the same button.
    const int32_t Index = ButtonAtPos(X, Y) == FButtonDown ? FButtonDown : -1;
    SetButtonDown(-1);
    if (Index >= 0) ButtonClick(Index);
}

void TCustomButtonPanel::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_MOUSELEAVE: SetButtonHot(-1); break;
    case WM_SIZE:
        TCustomControl::Dispatch(Message);
        ArrangeButtons();
        return;
    default: break;
    }
    TCustomControl::Dispatch(Message);
}
