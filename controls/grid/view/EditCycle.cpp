// TExtStringGrid: the cell edit cycle. Whether an editor may appear over the current cell, the
// special editor of the cell's editor type shown, filled and focused, its value stored back and
// the editor hidden, cancelling, and the small hooks the cycle fires.
#include "grid/core/ExtGrid.h"

#include "grid/base/ExtUtil.h"
#include "grid/base/GridSettings.h"
#include "grid/core/ControlLook.h"
#include "grid/core/EditLink.h"
#include "grid/core/ExtRichEdit.h"
#include "grid/view/GridDateEditors.h"
#include "grid/view/GridDropDownEditors.h"
#include "dropdown/ExtGridDropDownGrid.h"
#include "dropdown/ImageItems.h"
#include "dropdown/PopupAppearance.h"
#include "dropdown/DetailPicker.h"
#include "grid/view/GridEditors.h"
#include "grid/view/GridValueEditors.h"

#include "graphics/Canvas.h"
#include "graphics/Graphics.h"
#include "rtl/DateTime.h"
#include "rtl/FormatSettings.h"
#include "windows/ComCtrls.h"
#include "windows/Forms.h"
#include "windows/SystemMetrics.h"
#include "windows/WinApi.h"

#include <QStringList>

#include <algorithm>
#include <memory>

namespace {

bool IsNormalSet(TEditorType T)
{
    switch (T) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edValidChars:
    case edPositiveFloat: return true;
    default: return false;
    }
}

// The integer a text reads as: leading blanks, a sign, then decimal digits or "$" and hexadecimal
// digits; anything else (trailing text, overflow, nothing) reads as 0.
int32_t ValInt(const QString& S)
{
    int32_t I = 0;
    while (I < S.size() && S[I] == QChar(' ')) ++I;
    bool Negative = false;
    if (I < S.size() && (S[I] == QChar('-') || S[I] == QChar('+'))) Negative = S[I++] == QChar('-');
    int32_t Base = 10;
    if (I < S.size() && S[I] == QChar('$')) {
        Base = 16;
        ++I;
    }
    if (I >= S.size()) return 0;
    int64_t V = 0;
    for (; I < S.size(); ++I) {
        const int32_t D = QChar(S[I]).isDigit() && S[I].unicode() < 128 ? S[I].unicode() - '0'
                          : Base == 16 && S[I].toUpper() >= QChar('A') && S[I].toUpper() <= QChar('F')
                              ? S[I].toUpper().unicode() - 'A' + 10
                              : -1;
        if (D < 0 || D >= Base) return 0;
        V = V * Base + D;
        if (V > int64_t(INT32_MAX) + 1) return 0;
    }
    if (Negative) V = -V;
    return V < INT32_MIN || V > INT32_MAX ? 0 : static_cast<int32_t>(V);
}

// A number text with "." as its separator; anything that does not read whole gives 0.
double ValFloat(const QString& S)
{
    bool Ok = false;
    const double V = S.trimmed().toDouble(&Ok);
    return Ok ? V : 0.0;
}

// The combo's own change handling (OnEditChange and the like), run as a typed change would.
struct TComboChange : TCustomComboBox {
    static void Run(TCustomComboBox* Combo) { (Combo->*(&TComboChange::Change))(); }
};

}  // namespace

// The show and store steps of the editor families.
class TEditCycle {
public:
    struct TPlace {
        int32_t ACol = 0;  // display column of the base cell
        int32_t ARow = 0;
        int32_t C = 0;  // its real column
        TRect R{};
        int32_t W = 0;
        int32_t H = 0;
        TColor Color = clWindow;
        TFont* Font = nullptr;
        QString Text;
    };

    // The typed start character, posted to the focused control.
    static void Replay(TExtStringGrid& G, TWinControl* Control)
    {
        if (G.FStartEditChar.isNull() || !Control || !Control->HandleAllocated()) return;
        PostMessage(Control->Handle(), WM_CHAR, G.FStartEditChar.unicode(), 0);
    }

    static void Prop(TExtStringGrid& G, const TPlace& P) { G.GetEditorProp(P.C, P.ARow, G.FEditLink); }

    static void Spin(TExtStringGrid& G, const TPlace& P)
    {
        TGridSpin* S = G.SpinEdit();
        G.EditMode = true;
        S->ReCreate();
        S->SetBounds(P.R.Left, P.R.Top, P.W, P.H);
        S->SetVisible(true);
        S->SetEnabled(true);
        S->SetColor(P.Color);
        S->SetExcelStyleDecimalSeparator(G.FExcelStyleDecimalSeparator);
        Prop(G, P);
        switch (G.EditControl) {
        case edSpinEdit:
            S->SetValue(ValInt(P.Text));
            S->SetSpinType(sptNormal);
            break;
        case edFloatSpinEdit:
            S->SetFloatValue(ValFloat(NormalizeNumberText(P.Text)));
            S->SetSpinType(sptFloat);
            break;
        case edTimeSpinEdit:
            S->SetText(P.Text);
            S->SetSpinType(sptTime);
            break;
        default: {
            TDateTime D = 0;
            if (P.Text.isEmpty() || !TryStrToDate(P.Text, D)) D = Now();
            S->SetDateValue(D);
            S->SetSpinType(sptDate);
            break;
        }
        }
        S->SetFocus();
        Replay(G, S);
        if (G.FSpinUpClick) S->SpinUp(false);
        if (G.FSpinDnClick) S->SpinDown(false);
        G.EditCtrl = S;
    }

    // Both combo types: list style, items, geometry and the shared tail.
    static void Combo(TExtStringGrid& G, const TPlace& P)
    {
        TGridCombo* E = G.EditCombo;
        if (!E) return;
        G.EditMode = true;
        const bool List = G.EditControl == edComboList;
        E->SetDropDownCount(G.FControlLook->DropDownCount());
        Prop(G, P);
        E->SetBounds(P.R.Left, P.R.Top, 0, 0);
        E->SetEnabled(true);
        E->SetDroppedDown(false);
        bool Fallback = false;
        if (List) {
            E->SetStyle(csDropDownList);
            E->SetItemIndex(E->Items()->IndexOf(G.GetCellEx(P.C, P.ARow)));
            if (G.FComboIdx == -1 && E->ItemIndex() == -1) {
                int32_t I = E->Items()->IndexOf(P.Text);
                if (I == -1) I = 0;
                E->SetItemIndex(I);
                TComboChange::Run(E);
                Fallback = true;
            } else if (E->ItemIndex() == -1) {
                E->SetItemIndex(G.FComboIdx);
            }
        } else {
            E->SetStyle(csDropDown);
            if (E->HandleAllocated()) E->Perform(CB_SETITEMHEIGHT, WPARAM(-1), P.H - 6);
        }
        E->SetWidth(P.W);
        E->SetHeight(E->ItemHeight() * (E->DropDownCount() + 1) + P.H);
        if (!List) {
            E->SetText(P.Text);
            if (G.FComboIdx != -1 && E->ItemIndex() == -1) E->SetItemIndex(G.FComboIdx);
        }
        E->SetColor(P.Color);
        if (!List) E->SetMaxLength(G.FMaxComboLength);
        E->SetVisible(true);

        // The tail of both types.
        switch (G.FLook) {
        case glSoft:
        case glVyx:
        case glXP:
        case glListView:
        case glVista:
        case glWin7:
        case glOffice2007:
            E->SetFlat(true);
            E->SetEtched(true);
            break;
        default:
            E->SetFlat(false);
            E->SetEtched(false);
            break;
        }
        if (!G.FNavigation->AutoComboDropSize() && E->DropWidth() > 0 && E->HandleAllocated())
            E->Perform(CB_SETDROPPEDWIDTH, WPARAM(E->DropWidth()), 0);
        else if (G.FNavigation->AutoComboDropSize())
            SizeDropDownWidth(G, E);
        E->SetFocus();
        E->SetDroppedDown(G.FMouseActions->DirectComboDrop() || G.FControlLook->DropDownAlwaysVisible());
        if (G.FMouseActions->DirectEdit() && G.FMouseActions->DirectComboDrop()) {
            const TGridRect S = G.Selection();
            G.DoSelectionChanged(S.Left, S.Top, S.Right, S.Bottom);
        }
        if (Fallback && E->Items()->Count() > 0) {
            const QString First = E->Items()->Strings(0);
            if (G.OnComboChange) G.OnComboChange(&G, P.C, P.ARow, 0, First);
            if (G.OnComboObjectChange) G.OnComboObjectChange(&G, P.C, P.ARow, 0, First, E->Items()->Objects(0));
        }
        Replay(G, E);
        G.EditCtrl = E;
    }

    // The list is as wide as its widest item and the drop button.
    static void SizeDropDownWidth(TExtStringGrid& G, TGridCombo* E)
    {
        if (!E->HandleAllocated()) return;
        TCanvas* Canvas = G.Canvas();
        auto Saved = std::make_unique<TFont>();
        Saved->Assign(Canvas->Font());
        Canvas->Font()->Assign(E->Font());
        int32_t Widest = 0;
        for (int32_t I = 0; I < E->Items()->Count(); ++I)
            Widest = std::max(Widest, Canvas->TextWidth(E->Items()->Strings(I)));
        Canvas->Font()->Assign(Saved.get());
        Widest += 8;
        if (E->Items()->Count() > E->DropDownCount()) Widest += GetSystemMetrics(SM_CXVSCROLL);
        E->Perform(CB_SETDROPPEDWIDTH, WPARAM(std::max(Widest, E->Width())), 0);
    }

    static void EditBtn(TExtStringGrid& G, const TPlace& P)
    {
        TGridEditBtn* E = G.EditBtn;
        if (!E) return;
        G.EditMode = true;
        E->ReCreate();
        E->SetTop(P.R.Top);
        E->SetLeft(P.R.Left);
        E->SetWidth(P.W);
        E->SetText(P.Text);
        E->SetMaxLength(G.GetEditLimit());
        E->SetVisible(true);
        E->SetEnabled(true);
        E->SetColor(P.Color);
        E->SetFocus();
        E->SetHeight(P.H);
        E->SetEditMask(G.EditControl == edMaskEditBtn ? G.GetEditMask(P.C, P.ARow) : QString());
        Replay(G, E);
        G.EditCtrl = E;
    }

    static void UnitEditBtn(TExtStringGrid& G, const TPlace& P)
    {
        TGridUnitEditBtn* E = G.UnitEditBtn;
        if (!E) return;
        G.EditMode = true;
        E->ReCreate();
        E->SetTop(P.R.Top);
        E->SetLeft(P.R.Left);
        E->SetWidth(P.W);
        E->SetMaxLength(G.GetEditLimit());
        E->SetUnitID({});
        E->SetText({});
        E->SetTextAndUnit(P.Text);
        // A text without a known unit stays whole as the value, so that the store keeps it.
        if (E->UnitID().isEmpty() && E->Text().isEmpty()) E->SetText(P.Text);
        Prop(G, P);
        E->SetVisible(true);
        E->SetEnabled(true);
        E->SetColor(P.Color);
        E->SetFocus();
        E->SetHeight(P.H);
        Replay(G, E);
        G.EditCtrl = E;
    }

    // The date a date picker opens with: the cell's, kept inside the picker's range.
    static TDateTime OpeningDate(TExtStringGrid& G, TGridDatePicker* D, const QString& Text)
    {
        if (Text.isEmpty()) return Now();
        TDateTime Value = Now();
        if (G.OnCustomStrToDate) {
            G.OnCustomStrToDate(&G, Text, Value);
            return Value;
        }
        if (!TryStrToDateTime(Text, Value) && !TryStrToDate(Text, Value)) return Now();
        if (D->MaxDate() != 0 && Value > D->MaxDate()) Value = D->MaxDate() - 1;
        if (D->MinDate() != 0 && Value <= D->MinDate()) Value = D->MinDate() + 1;
        return Value;
    }

    // Sets the picker's date; a date the picker refuses gives the current one (or leaves it).
    static void SetPickerDate(TGridDatePicker* D, TDateTime Value)
    {
        try {
            D->SetDate(Value);
        } catch (const Exception&) {
            try {
                D->SetDate(Now());
            } catch (const Exception&) {
            }
        }
    }

    static void DatePicker(TExtStringGrid& G, const TPlace& P)
    {
        if (!ComCtl32Ver470) return;
        TGridDatePicker* D = G.DatePickerEditor();
        G.EditMode = true;
        D->SetParent(&G);
        D->ReCreate();
        SetPickerDate(D, OpeningDate(G, D, P.Text));
        D->SetKind(dtkDate);
        D->SetDateMode(G.EditControl == edDateEditUpDown ? dmUpDown : dmComboBox);
        Prop(G, P);
        D->SetTop(P.R.Top);
        D->SetLeft(P.R.Left);
        D->SetWidth(P.W);
        if (D->Height() != P.H) D->SetHeight(P.H);
        D->SetEnabled(true);
        D->SetVisible(true);
        D->SetColor(P.Color);
        D->SetFocus();
        if (G.FMouseActions->DirectDateDrop() && D->HandleAllocated()) SendMessage(D->Handle(), WM_KEYDOWN, VK_F4, 0);
        Replay(G, D);
        G.EditCtrl = D;
    }

    static void TimePicker(TExtStringGrid& G, const TPlace& P)
    {
        if (!ComCtl32Ver470) return;
        TGridDatePicker* D = G.DatePickerEditor();
        G.EditMode = true;
        D->SetParent(&G);
        D->ReCreate();
        TDateTime T = 0;
        if (P.Text.isEmpty() || !TryStrToTime(P.Text, T)) T = Now();
        try {
            D->SetTime(T);
        } catch (const Exception&) {
        }
        D->SetKind(dtkTime);
        D->SetTop(P.R.Top);
        D->SetLeft(P.R.Left);
        D->SetHeight(P.H);
        D->SetWidth(P.W);
        D->SetEnabled(true);
        D->SetVisible(true);
        D->SetColor(P.Color);
        Prop(G, P);
        D->SetFocus();
        G.EditCtrl = D;
    }

    static void DateTimePicker(TExtStringGrid& G, const TPlace& P)
    {
        if (!ComCtl32Ver470) return;
        TGridDateTimePicker* D = G.DateAndTimePicker();
        G.EditMode = true;
        D->SetParent(&G);
        TDateTime V = 0;
        if (P.Text.isEmpty() || !TryStrToDateTime(P.Text, V)) V = Now();
        G.FOriginalDateTime = V;
        try {
            D->SetDateTime(V);
        } catch (const Exception&) {
        }
        D->SetKind(dkDateTime);
        D->SetBorderStyle(bsNone);
        D->SetTop(P.R.Top);
        D->SetLeft(P.R.Left);
        D->SetWidth(P.W);
        if (D->Height() < P.H) D->SetHeight(P.H);
        Prop(G, P);
        D->SetEnabled(true);
        D->SetVisible(true);
        D->SetColor(P.Color);
        D->SetFocus();
    }

    static void CheckBox(TExtStringGrid& G, const TPlace& P)
    {
        TGridCheckBox* E = G.EditCheck;
        if (!E) return;
        G.EditMode = true;
        E->ReCreate();
        E->SetBounds(P.R.Left, P.R.Top, P.W, P.H);
        E->SetCaption(P.Text);
        E->SetEnabled(true);
        E->SetChecked(false);
        E->SetState(cbUnchecked);
        E->SetVisible(true);
        E->SetFocus();
    }

    static void Button(TExtStringGrid& G, const TPlace& P)
    {
        TGridButton* E = G.GridButton;
        if (!E) return;
        G.EditMode = true;
        E->ReCreate();
        E->SetBounds(P.R.Left - 1, P.R.Top - 1, P.W + 2, P.H + 2);
        E->SetCaption(P.Text);
        E->SetVisible(true);
        E->SetEnabled(true);
        E->SetFocus();
        G.EditCtrl = E;
    }

    // The drop-down of a type 30..38, made on first use.
    static TExtCustomDropDown* DropDownOf(TExtStringGrid& G, TEditorType T)
    {
        switch (T) {
        case edTrackbarDropDown: return G.TrackbarDropDown();
        case edMemoDropDown: return G.MemoDropDown();
        case edCalculatorDropDown: return G.CalculatorDropDown();
        case edTimePickerDropDown: return G.TimePickerDropDown();
        case edDetailDropDown: return G.DetailPickerDropDown();
        case edGridDropDown: return G.GridDropDown();
        case edColorPickerDropDown: return G.ColorPickerDropDown();
        case edImagePickerDropDown: return G.ImagePickerDropDown();
        case edExtGridDropDown: return G.ExtGridDropDown();
        default: return nullptr;
        }
    }

    static void DropDown(TExtStringGrid& G, const TPlace& P)
    {
        const TEditorType T = G.EditControl;
        TExtCustomDropDown* D = DropDownOf(G, T);
        if (!D) return;
        G.EditMode = true;
        D->DropDownFooter()->Assign(G.FControlLook->DropDownFooter());
        D->DropDownHeader()->Assign(G.FControlLook->DropDownHeader());
        D->SetComponentStyle(G.FStyle);
        D->OnDropDownHeaderButtonClick = [&G](TObject*, int32_t ButtonIndex) { G.DoDropDownHeaderButtonClick(ButtonIndex); };
        D->OnDropDownFooterButtonClick = [&G](TObject*, int32_t ButtonIndex) { G.DoDropDownFooterButtonClick(ButtonIndex); };
        const bool GridKind = T == edGridDropDown || T == edExtGridDropDown;
        if (GridKind) {
            D->SetColor(P.Color);
            D->SetEditorEnabled(true);
            if (T == edExtGridDropDown && G.FEditExtGridPicker->GetGrid())
                G.FEditExtGridPicker->GetGrid()->SetFixedRowAlways(true);
        }
        Prop(G, P);
        if (GridKind) {
            G.BeginUpdate();
            G.EndUpdate();
        }
        D->SetTop(P.R.Top);
        D->SetLeft(P.R.Left);
        D->SetWidth(0);
        D->SetHeight(0);
        D->SetEnabled(true);
        D->SetBorderStyle(bsNone);
        D->SetWidth(P.W);
        D->SetHeight(P.H);
        switch (T) {
        case edTrackbarDropDown: G.FEditTrackBar->SetPosition(ValInt(P.Text)); break;
        case edMemoDropDown:
        case edCalculatorDropDown:
        case edTimePickerDropDown:
        case edDetailDropDown: D->SetText(P.Text); break;
        case edGridDropDown:
            G.FEditGridPicker->SetItemIndex(P.Text.isEmpty() ? 0 : G.FEditGridPicker->GetItemIndex(P.Text));
            D->SetText(P.Text);
            break;
        case edColorPickerDropDown:
            G.FEditColorPicker->SetSelectedColor(G.GetCellType(P.C, P.ARow) == ctShape ? G.GetShapeColor(P.C, P.ARow)
                                                                                      : G.Colors(P.C, P.ARow));
            break;
        case edImagePickerDropDown: {
            TGridImageDropDown* I = G.FEditImagePicker;
            const TCellType CT = G.GetCellType(P.C, P.ARow);
            if (CT == ctImageList || CT == ctDataImage) {
                I->SetImages(G.GetGridImages());
                if (I->Items()->Count() == 0) I->AddImagesFromImageList();
                int32_t Index = -1;
                if (CT == ctImageList) G.GetImageIdx(P.C, P.ARow, Index);
                else Index = G.Ints(P.C, P.ARow);
                I->SetImageIndex(Index);
            }
            const int32_t Item = I->ItemIndex();
            D->SetText(I->ImageIndex() == -1 || Item < 0 || Item >= I->Items()->Count() ? QString()
                                                                                       : I->Items()->Items(Item)->Caption());
            break;
        }
        case edExtGridDropDown:
            if (G.FEditExtGridPicker->UseItems()) {
                QString Found;
                int32_t Index = 0;
                if (!P.Text.isEmpty() && !G.FEditExtGridPicker->FindLookupMatch(P.Text, Found, Index)) Index = -1;
                G.FEditExtGridPicker->SetItemIndex(P.Text.isEmpty() ? 0 : Index);
            }
            D->SetText(P.Text);
            break;
        default: break;
        }
        if (!GridKind && T != edColorPickerDropDown && T != edImagePickerDropDown) D->SetColor(P.Color);
        if (T == edTimePickerDropDown || T == edDetailDropDown) D->SetEditorEnabled(true);
        D->SetVisible(true);
        D->SetFocus();
        if (T == edDetailDropDown) {
            const int32_t I = G.FEditDetailPicker->Items()->IndexOf(D->Text());
            if (I != -1) G.FEditDetailPicker->SetItemIndex(I);
        }
        Replay(G, D);
        if (G.FMouseActions->DirectComboDrop()) D->ShowDropDown();
        if (T == edMemoDropDown) {
            D->SetSelStart(0);
            D->SetSelLength(0);
        }
        G.EditCtrl = D;
    }

    static void Rich(TExtStringGrid& G, const TPlace& P)
    {
        TExtRichEdit* E = G.InplaceRichEdit();
        G.EditMode = true;
        E->ReCreate();
        E->SetParent(&G);
        // The layer's rich edit has no border and always shows its selection.
        E->SetBounds(P.R.Left, P.R.Top, P.W, P.H);
        Prop(G, P);
        E->Lock();
        G.CellToRich(P.C, P.ARow, E);
        if (G.FNavigation->EditSelectAll()) E->SelectAll();
        E->SetVisible(true);
        E->SetEnabled(true);
        if (E->HandleAllocated()) {
            const TRect F = Rect(2, 2, P.R.Right - P.R.Left - 2, P.R.Bottom - P.R.Top - 2);
            E->Perform(EM_SETRECT, 0, reinterpret_cast<LPARAM>(&F));
        }
        E->SetColor(P.Color);
        E->SetFocus();
        Replay(G, E);
        E->Unlock();
        G.EditCtrl = E;
    }

    static void Custom(TExtStringGrid& G, const TPlace& P)
    {
        TEditLink* Link = G.FEditLink;
        if (!Link) return;
        G.EditMode = true;
        Link->SetGrid(&G);
        Link->SetEditCell(Point(P.C, P.ARow));
        if (Link->EditStyle() == esPopup) {
            if (Link->AutoPopupWidth()) Link->SetPopupWidth(P.R.Right - P.R.Left);
            // Each link owns its pop-up form; no other link's form is touched.
            if (!Link->PopupForm()) {
                TForm* Form = New<TForm>(Link);
                Form->SetName(QStringLiteral("gridform"));
                Link->SetPopupForm(Form);
            }
            TForm* Form = Link->PopupForm();
            TPoint Pos = Point(Link->PopupLeft(), Link->PopupTop());
            if (Pos.X == -1 || Pos.Y == -1) Pos = G.ClientToScreen(Point(P.R.Left, P.R.Top));
            Form->SetLeft(Pos.X);
            Form->SetTop(Pos.Y);
            Form->OnDeactivate = [Link](TObject* Sender) { Link->FormExit(Sender); };
            Form->SetWidth(0);
            Form->SetHeight(0);
            Form->SetFormStyle(fsStayOnTop);
            Form->SetBorderStyle(bsNone);
            Form->Show();
            Form->SetLeft(Pos.X);
            Form->SetTop(Pos.Y);
            Form->SetWidth(Link->PopupWidth());
            Form->SetHeight(Link->PopupHeight());
            Link->CreateEditor(Form);
            Link->SetRect(Rect(0, 0, Link->PopupWidth(), Link->PopupHeight()));
        } else {
            Link->CreateEditor(&G);
            Link->SetRect(P.R);
        }
        Link->SetVisible(true);
        Link->SetCellProps(P.Color, P.Font);
        Link->SetProperties();
        Prop(G, P);
        Link->SetEditorValue(P.Text);
        Link->SetFocus(true);
        G.FEditActive = true;
        TWinControl* Control = Link->GetEditControl();
        Replay(G, Control);
        G.EditCtrl = Control;
    }

    // Stores Value unless the edit was cancelled, in which case the text the cell began with goes back.
    static void Store(TExtStringGrid& G, int32_t C, int32_t ARow, const QString& Value)
    {
        G.StoreEditText(C, ARow, G.FEditCancelled ? G.FCellCache : Value);
    }

    static void PutAway(TWinControl* Control)
    {
        Control->SetEnabled(false);
        Control->SetVisible(false);
    }

    static void StoreDropDown(TExtStringGrid& G, int32_t C, int32_t ARow)
    {
        switch (G.EditControl) {
        case edMemoDropDown: {
            QStringList Lines;
            TStrings* Memo = G.FEditMemo->MemoText();
            for (int32_t I = 0; I < Memo->Count(); ++I) Lines << Memo->Strings(I);
            Store(G, C, ARow, Lines.join(QStringLiteral("\r\n")));
            break;
        }
        case edColorPickerDropDown: {
            if (G.FEditCancelled) {
                Store(G, C, ARow, {});
                break;
            }
            TColor Color = G.FEditColorPicker->SelectedColor();
            QString Value = G.FEditColorPicker->SelectedColorText();
            if (G.OnColorSelected) G.OnColorSelected(&G, C, ARow, Color, Value);
            Store(G, C, ARow, Value);
            if (G.GetCellType(C, ARow) == ctShape) G.SetShapeColor(C, ARow, Color);
            else G.SetColors(C, ARow, Color);
            break;
        }
        case edImagePickerDropDown: {
            if (G.FEditCancelled) break;
            int32_t Index = G.FEditImagePicker->ImageIndex();
            if (G.OnImageSelected) G.OnImageSelected(&G, C, ARow, Index);
            const TCellType CT = G.GetCellType(C, ARow);
            if (CT == ctImageList) G.SetImageIdx(C, ARow, Index);
            else if (CT == ctDataImage) Store(G, C, ARow, QString::number(Index));
            break;
        }
        default: Store(G, C, ARow, DropDownOf(G, G.EditControl)->Text()); break;
        }
    }

    // The store table of HideSpecialEditor; Open tells whether a special editor was shown.
    static void StoreAndHide(TExtStringGrid& G, int32_t C, int32_t ARow, bool Open)
    {
        switch (G.EditControl) {
        case edSpinEdit:
        case edFloatSpinEdit:
        case edTimeSpinEdit:
        case edDateSpinEdit: {
            G.EditMode = false;
            TGridSpin* S = G.FEditSpin;
            if (!S) break;
            if (Open) {
                if (G.FEditCancelled) {
                    Store(G, C, ARow, {});
                } else if (S->AllowEmptyValue() && S->Text().trimmed().isEmpty()) {
                    G.SetCellEx(C, ARow, {});
                } else if (G.EditControl == edSpinEdit) {
                    G.SetInts(C, ARow, S->Value());
                } else if (G.EditControl == edFloatSpinEdit) {
                    G.SetFloats(C, ARow, S->FloatValue());
                } else if (G.EditControl == edTimeSpinEdit) {
                    Store(G, C, ARow, S->Text());
                } else {
                    G.SetDates(C, ARow, S->DateValue());
                }
            }
            PutAway(S);
            break;
        }
        case edComboEdit:
        case edComboList:
            if (!G.EditMode || !G.EditCombo) break;
            G.EditMode = false;
            if (Open) Store(G, C, ARow, G.EditCombo->Text());
            PutAway(G.EditCombo);
            break;
        case edEditBtn:
        case edNumericEditBtn:
        case edFloatEditBtn:
        case edMaskEditBtn:
            if (!G.EditMode || !G.EditBtn) break;
            G.EditMode = false;
            if (Open) Store(G, C, ARow, G.EditBtn->Text());
            PutAway(G.EditBtn);
            break;
        case edUnitEditBtn:
        case edNumericUnitEditBtn:
        case edFloatUnitEditBtn:
            if (G.UnitEditBtn) {
                if (Open) Store(G, C, ARow, G.UnitEditBtn->Text() + G.UnitEditBtn->UnitID());
                PutAway(G.UnitEditBtn);
            }
            G.EditMode = false;
            break;
        case edDateEdit:
        case edDateEditUpDown:
            if (!ComCtl32Ver470 || !G.FEditDate) break;
            if (Open) Store(G, C, ARow, G.FEditDate->Checked() ? G.FEditDate->Text() : QString());
            G.EditMode = false;
            PutAway(G.FEditDate);
            if (G.FEditDate->HandleAllocated()) {
                const auto Calendar = reinterpret_cast<HWND>(SendMessage(G.FEditDate->Handle(), DTM_GETMONTHCAL, 0, 0));
                if (Calendar) ShowWindow(Calendar, SW_HIDE);
            }
            break;
        case edTimeEdit:
            if (!ComCtl32Ver470 || !G.FEditDate) break;
            if (Open) {
                // The time as the picker shows it, in its own format when it has one.
                const QString& Format = G.FEditDate->Format();
                Store(G, C, ARow, Format.isEmpty() ? G.FEditDate->Text() : FormatDateTime(Format, G.FEditDate->Time()));
            }
            PutAway(G.FEditDate);
            G.EditMode = false;
            break;
        case edDateTimeEdit:
            if (!ComCtl32Ver470 || !G.FEditDateTime) break;
            if (Open) {
                const TFormatSettings& F = FormatSettings();
                Store(G, C, ARow,
                      G.FEditDateTime->Checked()
                          ? FormatDateTime(F.ShortDateFormat + QStringLiteral(" ") + F.ShortTimeFormat, G.FEditDateTime->DateTime())
                          : QString());
            }
            G.EditMode = false;
            PutAway(G.FEditDateTime);
            break;
        case edCheckBox:
            if (G.EditCheck) PutAway(G.EditCheck);
            G.EditMode = false;
            break;
        case edButton:
            if (G.GridButton) PutAway(G.GridButton);
            G.EditMode = false;
            break;
        case edTrackbarDropDown:
        case edCalculatorDropDown:
        case edTimePickerDropDown:
        case edDetailDropDown:
        case edGridDropDown:
        case edExtGridDropDown:
        case edMemoDropDown:
        case edColorPickerDropDown:
        case edImagePickerDropDown: {
            TExtCustomDropDown* D = DropDownOf(G, G.EditControl);
            if (!G.EditMode || !D) break;
            G.EditMode = false;
            if (Open) StoreDropDown(G, C, ARow);
            D->SetVisible(false);
            D->SetEnabled(false);
            break;
        }
        case edCustom:
            if (G.FControlLook->DropDownAlwaysVisible()) G.QueryEditorType(C, ARow, G.EditControl);
            if (G.FEditLink) {
                if (Open) Store(G, C, ARow, G.FEditLink->GetEditorValue());
                if (G.FEditLink->EditStyle() != esPopup) G.FEditLink->SetVisible(false);
                G.FEditLink->RestoreWinProc();
            }
            G.EditMode = false;
            break;
        case edRichEdit:
            if (G.FInplaceRichEdit) {
                if (Open) Store(G, C, ARow, G.RichToString(G.FInplaceRichEdit));
                PutAway(G.FInplaceRichEdit);
            }
            G.EditMode = false;
            break;
        default: break;
        }
    }
};

// ---------------------------------------------------------------------------------------------
// Decision and show
// ---------------------------------------------------------------------------------------------

bool TExtStringGrid::CanEditShow()
{
    if (FValidating) return false;
    bool Result = TBaseGrid::CanEditShow();
    if (Designing()) return Result;
    const TPoint B = BaseCell(RealColIndex(Col()), Row());
    if (Result && !EditMode) {
        // Control cells are toggled or clicked, never edited.
        if (IsControlCell(B.X, B.Y)) return false;
        FNoEditChange = true;
        FCellCache = CurrentCell();
        FEditCancelled = false;
        EditControl = FDefaultEditor;
        GetEditorType(B.X, B.Y, EditControl);
        if (EditControl == edNone) return false;
        EditMode = true;
        if (IsNormalSet(EditControl)) {
            FShowEditProcess = true;
        } else {
            const TPoint D = BaseCell(Col(), Row());
            ShowSpecialEditor(D.X, D.Y);
            FEntered = true;
            if (FFocusHelper && FFocusHelper->Enabled()) ShowFocusWindow(CellRect(Col(), Row()));
            return false;
        }
    }
    if (Result) {
        FEntered = true;
        FEditing = true;
        if (FFocusHelper && FFocusHelper->Enabled()) ShowFocusWindow(CellRect(Col(), Row()));
    }
    return Result;
}

void TExtStringGrid::ShowSpecialEditor(int32_t ACol, int32_t ARow)
{
    FEditing = true;
    FSpecialEditor = true;
    FEditActive = true;
    TEditCycle::TPlace P;
    P.ACol = ACol;
    P.ARow = ARow;
    P.R = CellRect(ACol, ARow);
    if (UseRightToLeftAlignment()) ++P.R.Left;
    P.W = P.R.Right - P.R.Left - 1;
    P.H = P.R.Bottom - P.R.Top - 1;
    P.C = RealColIndex(ACol);

    auto CellFont = std::make_unique<TFont>();
    auto CellBrush = std::make_unique<TBrush>();
    CellFont->Assign(Font());
    CellBrush->SetColor(Color());
    TGridDrawState State;
    TColor ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = false;
    TCellGradientDirection GD = GradientVertical;
    GetVisualProperties(ACol, Row(), State, false, false, true, CellBrush.get(), ColorTo, MirrorColor, MirrorColorTo,
                        CellFont.get(), HA, VA, WW, GD);
    P.Color = CellBrush->Color();
    P.Font = CellFont.get();
    P.Text = GetEditText(ACol, ARow);

    FGridState = gsNormal;
    EditCtrl = nullptr;
    if (EditControl != edCustom) FLastValidation = true;

    switch (EditControl) {
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit: TEditCycle::Spin(*this, P); break;
    case edComboEdit:
    case edComboList: TEditCycle::Combo(*this, P); break;
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn: TEditCycle::EditBtn(*this, P); break;
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn: TEditCycle::UnitEditBtn(*this, P); break;
    case edDateEdit:
    case edDateEditUpDown: TEditCycle::DatePicker(*this, P); break;
    case edTimeEdit: TEditCycle::TimePicker(*this, P); break;
    case edDateTimeEdit: TEditCycle::DateTimePicker(*this, P); break;
    case edCheckBox: TEditCycle::CheckBox(*this, P); break;
    case edButton: TEditCycle::Button(*this, P); break;
    case edTrackbarDropDown:
    case edMemoDropDown:
    case edCalculatorDropDown:
    case edTimePickerDropDown:
    case edDetailDropDown:
    case edGridDropDown:
    case edColorPickerDropDown:
    case edImagePickerDropDown:
    case edExtGridDropDown: TEditCycle::DropDown(*this, P); break;
    case edCustom: TEditCycle::Custom(*this, P); break;
    case edRichEdit: TEditCycle::Rich(*this, P); break;
    default: break;
    }
    FStartEditChar = QChar();
}

// ---------------------------------------------------------------------------------------------
// Store and hide
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::HideSpecialEditor(int32_t ACol, int32_t ARow)
{
    if (IsDestroying()) return;
    // Only an open special editor stores: a second hide after the cursor moved on writes nothing.
    const bool Open = FSpecialEditor;
    FSpecialEditor = false;
    FBlockKill = true;
    FStartEditChar = QChar();
    const int32_t C = RealColIndex(ACol);
    TEditCycle::StoreAndHide(*this, C, ARow, Open);
    FEditCancelled = false;
    if (EditControl != edNormal && FEditActive) EditDone(C, ARow);
    FBlockKill = false;
    FEditActive = false;
}

void TExtStringGrid::StoreEditText(int32_t ACol, int32_t ARow, const QString& Value)
{
    SetEditText(DisplColIndex(ACol), ARow, Value);
    SetCellEx(ACol, ARow, Value);
}

void TExtStringGrid::CancelCellEdit()
{
    SetCellEx(RealColIndex(Col()), Row(), FCellCache);
    if (EditMode) FEditCancelled = true;
}

void TExtStringGrid::ShowCellEdit()
{
    Perform(WM_KEYDOWN, VK_F2, 0);
}

void TExtStringGrid::HideCellEdit()
{
    HideSpecialEditor(Col(), Row());
}

bool TExtStringGrid::WantsEditorTab()
{
    return Options().Contains(goTabs) || OnCellValidate || OnCellValidateWide;
}

bool TExtStringGrid::CellIsPassword(int32_t ACol, int32_t ARow)
{
    bool IsPassword = false;
    IsPasswordCell(ACol, ARow, IsPassword);
    return IsPassword;
}

// ---------------------------------------------------------------------------------------------
// Hooks
// ---------------------------------------------------------------------------------------------

void TExtStringGrid::GetEditorProp(int32_t ACol, int32_t ARow, TEditLink* AEditLink)
{
    if (OnGetEditorProp) OnGetEditorProp(this, ACol, ARow, AEditLink);
    if (OnGetEditorPropInt) OnGetEditorPropInt(this, ARow, ACol);
}
