// The string grid's search footer panel and its edit.
#include "grid/core/SearchPanel.h"

#include "grid/base/ExtCheckBox.h"
#include "grid/base/ExtGridButton.h"
#include "grid/core/ExtGrid.h"

#include "dropdown/DropDownUtil.h"

#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "rtl/Exceptions.h"

// ---------------------------------------------------------------------------------------------
// TRetEdit
// ---------------------------------------------------------------------------------------------

void TRetEdit::CreateParams(TCreateParams& Params)
{
    TEdit::CreateParams(Params);
    Params.Style |= ES_MULTILINE;
}

void TRetEdit::KeyDown(uint16_t& Key, TShiftState Shift)
{
    if (Key == VK_RETURN) {
        if (Shift.Contains(ssCtrl)) {
            if (OnCtrlReturn) OnCtrlReturn(this);
        } else if (OnReturn) {
            OnReturn(this);
        }
        Key = 0;
        return;
    }
    TEdit::KeyDown(Key, Shift);
}

void TRetEdit::KeyPress(QChar& Key)
{
    if (Key == QChar(10) || Key == QChar(13)) {
        if (OnKeyPress) OnKeyPress(this, Key);
        Key = QChar(0);
        return;
    }
    TEdit::KeyPress(Key);
}

// ---------------------------------------------------------------------------------------------
// TSearchPanel
// ---------------------------------------------------------------------------------------------

namespace {

// The glyph named Name, when our resources hold one.
void LoadGlyph(TBitmap* Target, const char* Name)
{
    try {
        Target->LoadFromResourceName(0, QString::fromLatin1(Name));
    } catch (const Exception&) {
    }
}

}  // namespace

TSearchPanel::TSearchPanel(TComponent* AOwner) : TCustomPanel(AOwner), FGrid(dynamic_cast<TExtStringGrid*>(AOwner))
{
    FEdit = new TRetEdit(this);
    FExitButton = new TExtGridButton(this);
    FForwardButton = new TExtGridButton(this);
    FBackwardButton = new TExtGridButton(this);
    FHiliteButton = new TExtGridButton(this);
    FMatchCase = new TExtCheckBox(this);
    FColorTo = clNone;

    FEdit->OnChange = [this](TObject* Sender) { EditChanged(Sender); };
    FEdit->OnReturn = [this](TObject*) {
        if (OnForwardClick) OnForwardClick(this);
    };
    FEdit->OnCtrlReturn = [this](TObject*) {
        if (OnBackwardClick) OnBackwardClick(this);
    };
    FForwardButton->OnClick = [this](TObject*) {
        if (OnForwardClick) OnForwardClick(this);
    };
    FBackwardButton->OnClick = [this](TObject*) {
        if (OnBackwardClick) OnBackwardClick(this);
    };
    FExitButton->OnClick = [this](TObject*) {
        if (OnExitClick) OnExitClick(this);
    };
    FHiliteButton->OnClick = [this](TObject*) {
        if (OnHighlightClick) OnHighlightClick(this);
    };
    FHiliteButton->SetStyle(tasCheck);
    for (TExtGridButton* Button : {FForwardButton, FBackwardButton, FHiliteButton}) Button->SetEnabled(false);
}

void TSearchPanel::EditChanged(TObject*)
{
    const bool HasText = !FEdit->Text().isEmpty();
    for (TExtGridButton* Button : {FForwardButton, FBackwardButton, FHiliteButton}) Button->SetEnabled(HasText);
    if (OnEditChange) OnEditChange(this);
}

void TSearchPanel::ApplyHint(TControl* Control, const QString& Hint)
{
    Control->SetHint(Hint);
    Control->SetShowHint(!Hint.isEmpty());
}

void TSearchPanel::CreateWnd()
{
    TCustomPanel::CreateWnd();
    LayoutControls();

    FForwardButton->SetCaption(FFindNextCaption);
    ApplyHint(FForwardButton, FHintFindNext);
    LoadGlyph(FForwardButton->Glyph(), "ESGARDOWN");
    LoadGlyph(FForwardButton->GlyphDisabled(), "ESGARDOWND");
    FForwardButton->SetParentFont(true);

    FBackwardButton->SetCaption(FFindPrevCaption);
    ApplyHint(FBackwardButton, FHintFindPrev);
    LoadGlyph(FBackwardButton->Glyph(), "ESGARUP");
    LoadGlyph(FBackwardButton->GlyphDisabled(), "ESGARUPD");
    FBackwardButton->SetParentFont(true);

    FExitButton->SetCaption(QString());
    ApplyHint(FExitButton, FHintClose);
    LoadGlyph(FExitButton->Glyph(), "ESGCLOSE");
    LoadGlyph(FExitButton->GlyphHot(), "ESGCLOSEH");
    LoadGlyph(FExitButton->GlyphDown(), "ESGCLOSED");
    FExitButton->SetParentFont(true);

    FHiliteButton->SetCaption(FHighLightCaption);
    ApplyHint(FHiliteButton, FHintHighlight);
    LoadGlyph(FHiliteButton->Glyph(), "ESGHI");
    LoadGlyph(FHiliteButton->GlyphDisabled(), "ESGHID");
    // Its own plain font from here on, whatever the panel's font becomes.
    FHiliteButton->Font()->SetStyle({});
    FHiliteButton->SetParentFont(false);

    FMatchCase->SetCaption(FMatchCaseCaption);

    if (FGrid && FGrid->OnCreatedSearchFooter) FGrid->OnCreatedSearchFooter(FGrid);
}

void TSearchPanel::LayoutControls()
{
    const bool Mirror = FGrid && FGrid->UseRightToLeftAlignment();
    auto Place = [&](TControl* Control, int32_t Left, int32_t Top, int32_t Width, int32_t Height, bool Mirrored) {
        if (Control->Parent() != this) Control->SetParent(this);
        if (Mirrored && Mirror) Left = this->Width() - Width - Left;
        Control->SetBounds(Left, Top, Width, Height);
    };
    Place(FEdit, 25, 6, 110, FEdit->Height(), true);
    Place(FForwardButton, 140, 5, 90, 23, true);
    Place(FBackwardButton, 235, 5, 90, 23, true);
    Place(FExitButton, 5, 7, 14, 14, true);
    Place(FHiliteButton, 330, 5, 90, 23, true);
    Place(FMatchCase, FHiliteButton->Visible() ? 425 : 330, 8, FMatchCase->Width(), FMatchCase->Height(), false);
}

void TSearchPanel::Resize()
{
    TCustomPanel::Resize();
    // Mirrored places depend on the width.
    if (HandleAllocated() && FGrid && FGrid->UseRightToLeftAlignment()) LayoutControls();
}

void TSearchPanel::Paint()
{
    TCustomPanel::Paint();
    TCanvas* C = Canvas();
    const TRect R = ClientRect();
    if (FColorTo == clNone) {
        C->Brush()->SetColor(Color());
        C->Brush()->SetStyle(bsSolid);
        C->FillRect(R);
    } else {
        DrawStepGradient(C, Color(), FColorTo, 32, R, false);
    }
    if (FGrid) {
        C->Pen()->SetColor(FGrid->GridLineColor());
        C->MoveTo(R.Left, R.Top);
        C->LineTo(R.Right, R.Top);
    }
}

void TSearchPanel::SetColorTo(TColor Value)
{
    FColorTo = Value;
    Invalidate();
}

void TSearchPanel::SetFindNextCaption(const QString& Value)
{
    FFindNextCaption = Value;
    FForwardButton->SetCaption(Value);
}

void TSearchPanel::SetFindPrevCaption(const QString& Value)
{
    FFindPrevCaption = Value;
    FBackwardButton->SetCaption(Value);
}

void TSearchPanel::SetMatchCaseCaption(const QString& Value)
{
    FMatchCaseCaption = Value;
    FMatchCase->SetCaption(Value);
}

void TSearchPanel::SetHighLightCaption(const QString& Value)
{
    FHighLightCaption = Value;
    FHiliteButton->SetCaption(Value);
}

void TSearchPanel::SetHintFindNext(const QString& Value)
{
    FHintFindNext = Value;
    ApplyHint(FForwardButton, Value);
}

void TSearchPanel::SetHintFindPrev(const QString& Value)
{
    FHintFindPrev = Value;
    ApplyHint(FBackwardButton, Value);
}

void TSearchPanel::SetHintClose(const QString& Value)
{
    FHintClose = Value;
    ApplyHint(FExitButton, Value);
}

void TSearchPanel::SetHintHighlight(const QString& Value)
{
    FHintHighlight = Value;
    ApplyHint(FHiliteButton, Value);
}
