// Communication parameters window and ParGen.xml: TFParGen.
#include "UParGen.h"

#include "ParGenReader.h"
#include "UComon.h"
#include "UDialogParts.h"
#include "ULanguage.h"
#include "UVersionCheck.h"
#include "UWindowLook.h"

#include "button/LbButton.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "graphics/GraphicsObjects.h"
#include "os/XmlDoc.h"
#include "rtl/Exceptions.h"
#include "rtl/Files.h"
#include "windows/ListControls.h"
#include "windows/StdCtrls.h"

#include <functional>
#include <iterator>
#include <memory>

TFParGen* FParGen = nullptr;

namespace {

// Layout: the client width, the boxes' left edge and width, the height of a collapsed box.
constexpr int32_t Client_Width = 312;
constexpr int32_t Box_Left = 8;
constexpr int32_t Box_Width = 296;
constexpr int32_t Collapsed_Height = 26;
constexpr int32_t EtherNetIP_Height = 292;
constexpr int32_t PROFIBUS_Slave_Height = 92;
// Inside the boxes: the labels' column, the edits' column and its width, an edit's height.
constexpr int32_t Label_Left = 12;
constexpr int32_t Edit_Left = 82;
constexpr int32_t Edit_Width = 192;
constexpr int32_t Edit_Height = 21;
constexpr int32_t Octet_Width = 42;
constexpr int32_t Octet_Step = 50;
constexpr int32_t Size_Width = 80;
// The collapse and expand buttons of a box, and their arrows.
constexpr int32_t Box_Button_Left = 280;
constexpr int32_t Box_Button_Top = 10;
constexpr int32_t Box_Button_Size = 14;
constexpr int32_t Arrow_Size = 7;

// How a value of ParGen.xml is kept in the window.
enum TField_Kind {
    fkEdit,           // an edit's text, read from the file
    fkFixed_Edit,     // an edit's text, always its default
    fkGateway_Switch, // CB_EN_GAT: "1" checked, anything else unchecked
    fkBaud_Choice     // the index of the baud-rate choice, always 0
};

// One element of ParGen.xml, in the order of the file, with the text the window shows when the
// file lacks it.
struct TField {
    TParGen_Element Element;
    TField_Kind Kind;
    TEdit* TFParGen::*Edit;
    const char* Default;
};

const TField Fields[] = {
    {pgIP1, fkEdit, &TFParGen::E_IP1, "192"},
    {pgIP2, fkEdit, &TFParGen::E_IP2, "168"},
    {pgIP3, fkEdit, &TFParGen::E_IP3, "0"},
    {pgIP4, fkEdit, &TFParGen::E_IP4, "5"},
    {pgSM1, fkEdit, &TFParGen::E_SM1, "255"},
    {pgSM2, fkEdit, &TFParGen::E_SM2, "255"},
    {pgSM3, fkEdit, &TFParGen::E_SM3, "255"},
    {pgSM4, fkEdit, &TFParGen::E_SM4, "0"},
    {pgGAT1, fkEdit, &TFParGen::E_GAT1, "192"},
    {pgGAT2, fkEdit, &TFParGen::E_GAT2, "168"},
    {pgGAT3, fkEdit, &TFParGen::E_GAT3, "0"},
    {pgGAT4, fkEdit, &TFParGen::E_GAT4, "1"},
    {pgEN_GAT, fkGateway_Switch, nullptr, "0"},
    {pgPORT, fkFixed_Edit, &TFParGen::E_PORT, "44818"},
    {pgNB_Input, fkEdit, &TFParGen::E_NB_Input, "496"},
    {pgNB_Output, fkEdit, &TFParGen::E_NB_Output, "496"},
    {pgID_DEV, fkEdit, &TFParGen::E_ID_DEV_PROFI_Slave, "10"},
    {pgBAUDRATE, fkBaud_Choice, nullptr, "0"},
};
static_assert(std::size(Fields) == ParGen_Element_Count);

// One check of Controllo_Dati: the edit's number must lie in Min..Max, else message Message
// (followed by Max when Shows_Max). Gateway checks apply only while the gateway is switched on.
struct TCheck {
    TEdit* TFParGen::*Edit;
    int32_t Min;
    int32_t Max;
    int32_t Message;
    bool Gateway = false;
    bool Shows_Max = false;
};

const TCheck Checks[] = {
    {&TFParGen::E_IP1, 0, 255, 445},
    {&TFParGen::E_IP2, 0, 255, 446},
    {&TFParGen::E_IP3, 0, 255, 447},
    {&TFParGen::E_IP4, 0, 255, 448},
    {&TFParGen::E_SM1, 0, 255, 449},
    {&TFParGen::E_SM2, 0, 255, 450},
    {&TFParGen::E_SM3, 0, 255, 451},
    {&TFParGen::E_SM4, 0, 255, 452},
    {&TFParGen::E_GAT1, 0, 255, 453, true},
    {&TFParGen::E_GAT2, 0, 255, 454, true},
    {&TFParGen::E_GAT3, 0, 255, 455, true},
    {&TFParGen::E_GAT4, 0, 255, 456, true},
    {&TFParGen::E_PORT, 44818, 44818, 457},
    {&TFParGen::E_NB_Input, 0, 244, 458, false, true},
    {&TFParGen::E_NB_Output, 0, 244, 459, false, true},
    {&TFParGen::E_ID_DEV_PROFI_Slave, 1, 125, 468},
};

// The glyph of a collapse (Up) or expand button: a black triangle in one 7 x 7 cell whose
// bottom-left pixel gives the transparent colour.
std::unique_ptr<TBitmap> Arrow_Glyph(bool Up)
{
    auto Glyph = std::make_unique<TBitmap>();
    Glyph->SetSize(Arrow_Size, Arrow_Size);
    TCanvas* Canvas = Glyph->Canvas();
    Canvas->Brush()->SetColor(clFuchsia);
    Canvas->FillRect(Rect(0, 0, Arrow_Size, Arrow_Size));
    Canvas->Brush()->SetColor(clBlack);
    for (int32_t Row = 0; Row < 4; ++Row) {
        const int32_t Top = Up ? 2 + Row : 5 - Row;
        Canvas->FillRect(Rect(3 - Row, Top, 4 + Row, Top + 1));
    }
    return Glyph;
}

}  // namespace

TFParGen::TFParGen(TComponent* AOwner) : TForm(AOwner)
{
    Apply_Window_Look(this);
    SetBorderStyle(bsSingle);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    SetClientWidth(Client_Width);
    Create_Controls();

    OnCreate = std::bind_front(&TFParGen::FormCreate, this);
    OnShow = std::bind_front(&TFParGen::FormShow, this);
    OnActivate = std::bind_front(&TFParGen::FormActivate, this);
    Btn_OK->OnClick = std::bind_front(&TFParGen::Btn_OKClick, this);
    Btn_Cancel->OnClick = std::bind_front(&TFParGen::Btn_CancelClick, this);
    for (TEdit* Edit : {E_IP1, E_IP2, E_IP3, E_IP4, E_SM1, E_SM2, E_SM3, E_SM4, E_GAT1, E_GAT2, E_GAT3, E_GAT4,
                        E_PORT, E_NB_Input, E_NB_Output, E_ID_DEV_PROFI_Slave})
        Edit->OnChange = std::bind_front(&TFParGen::On_Change, this);
    CB_Baud_PROFI_Slave->OnChange = std::bind_front(&TFParGen::On_Change, this);
    CB_EN_GAT->OnClick = std::bind_front(&TFParGen::On_Click, this);
    for (TEdit* Edit : Octet_Edits()) Edit->OnKeyPress = std::bind_front(&TFParGen::Octet_KeyPress, this);
    for (const TCollapsible& Box : Boxes) {
        Box.Collapse->OnClick = std::bind_front(&TFParGen::Btn_GB_Collapse, this);
        Box.Expand->OnClick = std::bind_front(&TFParGen::Btn_GB_Expande, this);
    }
}

void TFParGen::Create_Controls()
{
    const auto Edit = [this](TWinControl* Parent, int32_t Left, int32_t Top, int32_t Width) {
        return New_Control<TEdit>(this, Parent, Left, Top, Width, Edit_Height);
    };
    // Four octet edits from Edit_Left on, with a dot between each two.
    const auto Octets = [&](int32_t Top, TEdit*& E1, TEdit*& E2, TEdit*& E3, TEdit*& E4) {
        TEdit** Row[] = {&E1, &E2, &E3, &E4};
        for (int32_t I = 0; I < 4; ++I) {
            *Row[I] = Edit(GB_EtherNetIP, Edit_Left + I * Octet_Step, Top, Octet_Width);
            if (I > 0) New_Label(this, GB_EtherNetIP, Edit_Left + I * Octet_Step - 6, Top + 5, QStringLiteral("."));
        }
    };
    const auto Box_Button = [this](TWinControl* Box, bool Collapse) {
        // Collapse_Expand_Creation places it.
        TLbButton* Button = New_Control<TLbButton>(this, Box, 0, 0, Box_Button_Size, Box_Button_Size);
        Button->SetGlyph(Arrow_Glyph(Collapse).get());
        Apply_Button_Look(Button);
        return Button;
    };

    GB_EtherNetIP = New_Control<TGroupBox>(this, this, Box_Left, 0, Box_Width, EtherNetIP_Height);
    L_EtherNetIP_IP = New_Label(this, GB_EtherNetIP, Label_Left, 20);
    Octets(36, E_IP1, E_IP2, E_IP3, E_IP4);
    L_EtherNetIP_SM = New_Label(this, GB_EtherNetIP, Label_Left, 68);
    Octets(84, E_SM1, E_SM2, E_SM3, E_SM4);
    CB_EN_GAT = New_Control<TCheckBox>(this, GB_EtherNetIP, Label_Left, 116, 120, 17);
    Octets(134, E_GAT1, E_GAT2, E_GAT3, E_GAT4);
    L_EtherNetIP_Port = New_Label(this, GB_EtherNetIP, Label_Left, 176);
    E_PORT = Edit(GB_EtherNetIP, Edit_Left, 172, Edit_Width);
    L_EtherNetIP_NumIn = New_Label(this, GB_EtherNetIP, Label_Left, 212);
    E_NB_Input = Edit(GB_EtherNetIP, Edit_Left + Edit_Width - Size_Width, 208, Size_Width);
    L_EtherNetIP_NumOut = New_Label(this, GB_EtherNetIP, Label_Left, 248);
    E_NB_Output = Edit(GB_EtherNetIP, Edit_Left + Edit_Width - Size_Width, 244, Size_Width);
    Btn_EtherNetIP_Collapse = Box_Button(GB_EtherNetIP, true);
    Btn_EtherNetIP_Expande = Box_Button(GB_EtherNetIP, false);
    XML1 = New<TXMLDocument>(this);

    GB_PROFIBUS_Slave = New_Control<TGroupBox>(this, this, Box_Left, 0, Box_Width, PROFIBUS_Slave_Height);
    L_PROFIBUS_Slave_ID = New_Label(this, GB_PROFIBUS_Slave, Label_Left, 28);
    E_ID_DEV_PROFI_Slave = Edit(GB_PROFIBUS_Slave, Edit_Left, 24, Edit_Width);
    L_PROFIBUS_Slave_Baud = New_Label(this, GB_PROFIBUS_Slave, Label_Left, 60);
    CB_Baud_PROFI_Slave = New_Control<TComboBox>(this, GB_PROFIBUS_Slave, Edit_Left, 56, Edit_Width, Edit_Height);
    CB_Baud_PROFI_Slave->SetStyle(csOwnerDrawFixed);
    CB_Baud_PROFI_Slave->Items()->Add(QStringLiteral("Auto Baudrate"));
    CB_Baud_PROFI_Slave->SetEnabled(false);
    Btn_PROFIBUS_Slave_Collapse = Box_Button(GB_PROFIBUS_Slave, true);
    Btn_PROFIBUS_Slave_Expande = Box_Button(GB_PROFIBUS_Slave, false);

    const int32_t Cancel_Left = Client_Width - 8 - Dialog_Button_Width;
    Btn_OK = New_Dialog_Button(this, this, bkOK, Cancel_Left - 6 - Dialog_Button_Width, 0);
    Btn_Cancel = New_Dialog_Button(this, this, bkCancel, Cancel_Left, 0);
    L_SW_Code = New_SW_Code_Label(this, this, 10, 4);
    L_SW_Desc = New_SW_Desc_Label(this, this, 10, 42);

    Boxes = {{
        {GB_EtherNetIP, Btn_EtherNetIP_Collapse, Btn_EtherNetIP_Expande, &GB_EtherNetIP_Visible, EtherNetIP_Height,
         {L_EtherNetIP_IP, nullptr}},
        {GB_PROFIBUS_Slave, Btn_PROFIBUS_Slave_Collapse, Btn_PROFIBUS_Slave_Expande, &GB_PROFIBUS_Slave_Visible,
         PROFIBUS_Slave_Height, {L_PROFIBUS_Slave_ID, E_ID_DEV_PROFI_Slave}},
    }};
}

std::array<TEdit*, 12> TFParGen::Octet_Edits() const
{
    return {E_IP1, E_IP2, E_IP3, E_IP4, E_SM1, E_SM2, E_SM3, E_SM4, E_GAT1, E_GAT2, E_GAT3, E_GAT4};
}

void TFParGen::FormCreate(TObject*)
{
    L_SW_Code->SetCaption(SW_Code);
    Collapse_Expand_Creation();
    E_PORT->SetEnabled(false);
    Move_GroupBoxs();
    Set_Lang();
}

void TFParGen::Collapse_Expand_Creation()
{
    for (const TCollapsible& Box : Boxes) {
        *Box.Expanded = true;
        Box.Collapse->SetBounds(Box_Button_Left, Box_Button_Top, Box_Button_Size, Box_Button_Size);
        Box.Collapse->SetVisible(true);
        Box.Expand->SetBounds(Box_Button_Left, Box_Button_Top, Box_Button_Size, Box_Button_Size);
        Box.Expand->SetVisible(false);
    }
}

void TFParGen::Move_GroupBoxs()
{
    const std::array<TControl*, 4> Image_Sizes = {L_EtherNetIP_NumIn, E_NB_Input, L_EtherNetIP_NumOut, E_NB_Output};
    for (TControl* Control : Image_Sizes) Control->SetVisible(true);
    if (GB_EtherNetIP_Visible) GB_EtherNetIP->SetHeight(EtherNetIP_Height);
    GB_EtherNetIP->SetBounds(Box_Left, 70, GB_EtherNetIP->Width(), GB_EtherNetIP->Height());
    GB_EtherNetIP->SetVisible(true);
    const int32_t PROFIBUS_Top = GB_EtherNetIP->Top() + GB_EtherNetIP->Height() + 6;
    GB_PROFIBUS_Slave->SetBounds(Box_Left, PROFIBUS_Top, GB_PROFIBUS_Slave->Width(), GB_PROFIBUS_Slave->Height());
    GB_PROFIBUS_Slave->SetVisible(true);
    const int32_t PROFIBUS_Bottom = GB_PROFIBUS_Slave->Top() + GB_PROFIBUS_Slave->Height();
    Btn_OK->SetTop(PROFIBUS_Bottom + 13);
    Btn_Cancel->SetTop(Btn_OK->Top());
    SetClientHeight(PROFIBUS_Bottom + 54);
    SetClientWidth(Client_Width);
}

TFParGen::TCollapsible& TFParGen::Collapsible_Of(TObject* Button)
{
    for (TCollapsible& Box : Boxes)
        if (Button == Box.Collapse || Button == Box.Expand) return Box;
    throw Exception(QStringLiteral("No group box has this button"));
}

void TFParGen::Set_Expanded(TCollapsible& Box, bool Expanded)
{
    Box.Box->SetHeight(Expanded ? Box.Height : Collapsed_Height);
    for (TControl* Control : Box.First_Row)
        if (Control) Control->SetVisible(Expanded);
    Box.Expand->SetVisible(!Expanded);
    Box.Collapse->SetVisible(Expanded);
    *Box.Expanded = Expanded;
    Move_GroupBoxs();
}

void TFParGen::Btn_GB_Collapse(TObject* Sender)
{
    Set_Expanded(Collapsible_Of(Sender), false);
}

void TFParGen::Btn_GB_Expande(TObject* Sender)
{
    Set_Expanded(Collapsible_Of(Sender), true);
}

void TFParGen::FormActivate(TObject*)
{
    if (Top() < 0) SetTop(0);
}

void TFParGen::FormShow(TObject*)
{
    // A file that cannot be read or parsed gives every field its default, as a missing file does.
    std::unique_ptr<TParGenReader> Reader;
    if (FileExists(File_ParGen)) {
        try {
            Reader = std::make_unique<TParGenReader>(File_ParGen);
        } catch (const Exception&) {
            // Read as missing.
        }
    }
    for (const TField& Field : Fields) {
        const QString Default = QString::fromLatin1(Field.Default);
        const QString Text = Reader ? Reader->Text(Field.Element, Default) : Default;
        switch (Field.Kind) {
        case fkEdit: (this->*Field.Edit)->SetText(Text); break;
        case fkFixed_Edit: (this->*Field.Edit)->SetText(Default); break;
        case fkGateway_Switch: CB_EN_GAT->SetChecked(Text == u"1"); break;
        case fkBaud_Choice: CB_Baud_PROFI_Slave->SetItemIndex(0); break;
        }
    }
    Is_Change = false;
}

bool TFParGen::Controllo_Dati()
{
    for (const TCheck& Check : Checks) {
        if (Check.Gateway && !CB_EN_GAT->Checked()) continue;
        const int32_t Value = Decimal_Value((this->*Check.Edit)->Text(), -1);
        if (Value >= Check.Min && Value <= Check.Max) continue;
        Show_Error(Lang(Check.Message) + (Check.Shows_Max ? QString::number(Check.Max) : QString()));
        return false;
    }
    return true;
}

void TFParGen::Btn_OKClick(TObject*)
{
    if (!Controllo_Dati()) return;
    XML1->SetActive(true);
    XML1->ChildNodes().Clear();
    const IXMLNode Root = XML1->AddChild(ParGen_Root());
    XML1->ChildNodes().Add(XML1->CreateNode(QStringLiteral("SW_VERSION = ") + SW_Version, ntComment));
    for (const TField& Field : Fields) {
        QString Text;
        switch (Field.Kind) {
        case fkEdit:
        case fkFixed_Edit: Text = (this->*Field.Edit)->Text(); break;
        case fkGateway_Switch: Text = CB_EN_GAT->Checked() ? QStringLiteral("1") : QStringLiteral("0"); break;
        case fkBaud_Choice: Text = QString::number(CB_Baud_PROFI_Slave->ItemIndex()); break;
        }
        Root->AddChild(ParGen_Name(Field.Element))->SetText(Text);
    }
    XML1->SaveToFile(File_ParGen);
    SetModalResult(mrOk);
}

void TFParGen::Btn_CancelClick(TObject*)
{
    if (!Is_Change || Ask_Yes(Lang(474))) SetModalResult(mrCancel);
}

void TFParGen::On_Change(TObject*)
{
    Is_Change = true;
}

void TFParGen::On_Click(TObject*)
{
    Is_Change = true;
}

TEdit* TFParGen::Next_Octet_Edit(TObject* Edit) const
{
    const std::array<TEdit*, 12> Edits = Octet_Edits();
    for (size_t I = 0; I + 1 < Edits.size(); ++I)
        if (Edits[I] == Edit) return Edits[I + 1];
    return nullptr;
}

void TFParGen::Octet_KeyPress(TObject* Sender, QChar& Key)
{
    if (Key != u'.') return;
    Key = QChar();
    TEdit* Next = Next_Octet_Edit(Sender);
    if (Next && Next->CanFocus()) Next->SetFocus();
}

void TFParGen::Set_Lang()
{
    SetCaption(Lang(400));
    L_SW_Desc->SetCaption(Lang(401));
    Btn_OK->SetCaption(Lang(402));
    Btn_Cancel->SetCaption(Lang(403));
    GB_EtherNetIP->SetCaption(Lang(404));
    L_EtherNetIP_IP->SetCaption(Lang(405));
    L_EtherNetIP_SM->SetCaption(Lang(406));
    CB_EN_GAT->SetCaption(Lang(407));
    L_EtherNetIP_Port->SetCaption(Lang(408));
    L_EtherNetIP_NumIn->SetCaption(Lang(409));
    L_EtherNetIP_NumOut->SetCaption(Lang(410));
    GB_PROFIBUS_Slave->SetCaption(Lang(423));
    L_PROFIBUS_Slave_ID->SetCaption(Lang(424));
    L_PROFIBUS_Slave_Baud->SetCaption(Lang(425));
    for (const TCollapsible& Box : Boxes) {
        Box.Collapse->SetHint(Lang(443));
        Box.Expand->SetHint(Lang(444));
    }
}
