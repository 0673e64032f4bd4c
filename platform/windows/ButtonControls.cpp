// TButtonControl, TButton, TCustomCheckBox and TRadioButton over Qt's buttons.
#include "windows/StdCtrls.h"

#include "graphics/GraphicsObjects.h"
#include "windows/private/ClassicLook.h"
#include "windows/private/Window.h"
#include "windows/private/WindowWidget.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

using namespace WindowsInternal;

namespace {

// The default push button has a dark frame around its (smaller) bevel.
class TPushButtonWidget : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void initStyleOption(QStyleOptionButton* Option) const override
    {
        QPushButton::initStyleOption(Option);
        if (isDefault()) Option->features |= QStyleOptionButton::AutoDefaultButton;
    }
};

// Qt's check box and radio button leave their state alone when clicked: the control sets it. A click
// anywhere in the window counts, also right of a short caption.
class TCheckBoxWidget : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
    bool hitButton(const QPoint& Pos) const override { return rect().contains(Pos); }
};

class TRadioButtonWidget : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override {}
    bool hitButton(const QPoint& Pos) const override { return rect().contains(Pos); }
};

QAbstractButton* ButtonOf(const TWinControl* Control)
{
    return Control->HandleAllocated() ? qobject_cast<QAbstractButton*>(WidgetOf(Control->Handle())) : nullptr;
}

// A caption on the left of the box (BS_LEFTTEXT) puts the box at the right edge.
void PlaceCaption(QAbstractButton* Button, const TCreateParams& Params)
{
    if (Params.Style & BS_LEFTTEXT) Button->setLayoutDirection(Qt::RightToLeft);
}

}  // namespace

// ---- TButtonControl ----

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle = {csSetCaption, csDoubleClicks};
    SetTabStop(true);
}

void TButtonControl::MakeButton(TWidgetRequest& Request)
{
    auto* Button = static_cast<QAbstractButton*>(Request.Widget);
    QObject::connect(Button, &QAbstractButton::clicked, Button, [this] { NotifyParent(BN_CLICKED); });
}

void TButtonControl::CreateWnd()
{
    TWinControl::CreateWnd();
    ShowColors();
}

void TButtonControl::ShowColors()
{
    if (QAbstractButton* Button = ButtonOf(this)) {
        // Check boxes and radio buttons fill with their background role; a push button keeps the
        // system's face, as the toolkit's does, and takes only the font colour.
        const QPalette::ColorRole Role = qobject_cast<QPushButton*>(Button) ? QPalette::Window : Button->backgroundRole();
        SetWidgetColors(Button, Role, Color(), Font()->Color());
        Button->setAutoFillBackground(true);
    }
}

void TButtonControl::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
        TWinControl::Dispatch(Message);
        ShowColors();
        break;
    default: TWinControl::Dispatch(Message); break;
    }
}

void TButtonControl::DefaultHandler(TMessage& Message)
{
    QAbstractButton* Button = ButtonOf(this);
    if (!Button) {
        TWinControl::DefaultHandler(Message);
        return;
    }
    auto* CheckBox = qobject_cast<QCheckBox*>(Button);
    switch (Message.Msg) {
    case WM_SETTEXT:
        TWinControl::DefaultHandler(Message);
        Button->setText(Text());
        break;
    case BM_GETCHECK:
        if (CheckBox && CheckBox->checkState() == Qt::PartiallyChecked) Message.Result = BST_INDETERMINATE;
        else Message.Result = Button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
        break;
    case BM_SETCHECK:
        if (CheckBox) {
            CheckBox->setCheckState(Message.WParam == BST_INDETERMINATE ? Qt::PartiallyChecked
                                    : Message.WParam == BST_CHECKED ? Qt::Checked
                                                                    : Qt::Unchecked);
        } else {
            Button->setChecked(Message.WParam == BST_CHECKED);
        }
        break;
    case BM_CLICK: Button->click(); break;
    case BM_SETSTYLE:
        if (auto* Push = qobject_cast<QPushButton*>(Button)) Push->setDefault((Message.WParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        break;
    default: TWinControl::DefaultHandler(Message); break;
    }
}

// ---- TButton ----

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner)
{
    SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool Value)
{
    FDefault = Value;
    if (!HandleAllocated()) return;
    // The buttons decide again which of them Enter clicks.
    if (TCustomForm* Form = GetParentForm(this)) Form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Form->ActiveControl()));
}

void TButton::Click()
{
    if (TCustomForm* Form = GetParentForm(this)) Form->SetModalResult(FModalResult);
    TButtonControl::Click();
}

void TButton::CreateParams(TCreateParams& Params)
{
    TButtonControl::CreateParams(Params);
    Params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::CreateWindowWidget(TWidgetRequest& Request)
{
    const TCreateParams& Params = Request.Params;
    QWidget* ParentWidget = Request.Parent;
    auto* Button = new TPushButtonWidget(Params.Caption, ParentWidget);
    Button->setAutoDefault(false);
    Request.Widget = Button;
    MakeButton(Request);
}

void TButton::CreateWnd()
{
    TButtonControl::CreateWnd();
    FActive = FDefault;
    SetButtonStyle(FActive);
}

void TButton::SetButtonStyle(bool ADefault)
{
    if (HandleAllocated()) Perform(BM_SETSTYLE, ADefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, 1);
}

void TButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_COMMAND:
        if (TWMCommand(Message).NotifyCode() == BN_CLICKED) Click();
        break;
    case CM_DIALOGKEY: {
        TWMKey Key(Message);
        const bool Takes = (Key.CharCode() == VK_RETURN && FActive) || (Key.CharCode() == VK_ESCAPE && FCancel);
        if (Takes && KeyDataToShiftState(Key.KeyData()).Empty() && CanFocus()) {
            Click();
            Key.SetResult(1);
        } else {
            TButtonControl::Dispatch(Message);
        }
        break;
    }
    case CM_DIALOGCHAR: {
        TWMKey Key(Message);
        if (IsAccel(Key.CharCode(), Caption()) && CanFocus()) {
            Click();
            Key.SetResult(1);
        } else {
            TButtonControl::Dispatch(Message);
        }
        break;
    }
    case CM_FOCUSCHANGED: {
        // A focused button takes Enter itself; with the focus elsewhere the default button does.
        const TWinControl* Focused = TCMFocusChanged(Message).Sender();
        FActive = dynamic_cast<const TButton*>(Focused) ? Focused == this : FDefault;
        SetButtonStyle(FActive);
        TButtonControl::Dispatch(Message);
        break;
    }
    default: TButtonControl::Dispatch(Message); break;
    }
}

void TButton::DefaultHandler(TMessage& Message)
{
    // Enter is the form's dialog key, never the button's own.
    if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_RETURN) return;
    TButtonControl::DefaultHandler(Message);
}

// ---- TCustomCheckBox ----

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner)
{
    SetBounds(0, 0, 97, 17);
}

void TCustomCheckBox::SetAlignment(TLeftRight Value)
{
    if (FAlignment == Value) return;
    FAlignment = Value;
    RecreateWnd();
}

void TCustomCheckBox::SetState(TCheckBoxState Value)
{
    if (FState == Value) return;
    FState = Value;
    if (HandleAllocated()) Perform(BM_SETCHECK, static_cast<WPARAM>(FState), 0);
    if (!ClicksDisabled()) Click();
}

void TCustomCheckBox::Toggle()
{
    switch (FState) {
    case cbUnchecked: SetState(FAllowGrayed ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
    }
}

void TCustomCheckBox::CreateParams(TCreateParams& Params)
{
    TButtonControl::CreateParams(Params);
    Params.Style |= BS_3STATE;
    if (FAlignment == taLeftJustify) Params.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::CreateWindowWidget(TWidgetRequest& Request)
{
    const TCreateParams& Params = Request.Params;
    QWidget* ParentWidget = Request.Parent;
    auto* Button = new TCheckBoxWidget(Params.Caption, ParentWidget);
    Button->setTristate(true);
    PlaceCaption(Button, Params);
    Request.Widget = Button;
    MakeButton(Request);
}

void TCustomCheckBox::CreateWnd()
{
    TButtonControl::CreateWnd();
    Perform(BM_SETCHECK, static_cast<WPARAM>(FState), 0);
}

void TCustomCheckBox::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_COMMAND:
        if (TWMCommand(Message).NotifyCode() == BN_CLICKED) Toggle();
        break;
    case CM_DIALOGCHAR: {
        TWMKey Key(Message);
        if (IsAccel(Key.CharCode(), Caption()) && CanFocus()) {
            SetFocus();
            if (Focused()) Toggle();
            Key.SetResult(1);
        } else {
            TButtonControl::Dispatch(Message);
        }
        break;
    }
    default: TButtonControl::Dispatch(Message); break;
    }
}

// ---- TRadioButton ----

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner)
{
    SetBounds(0, 0, 113, 17);
    SetTabStop(false);
}

void TRadioButton::SetAlignment(TLeftRight Value)
{
    if (FAlignment == Value) return;
    FAlignment = Value;
    RecreateWnd();
}

void TRadioButton::SetChecked(bool Value)
{
    if (FChecked == Value) return;
    FChecked = Value;
    SetTabStop(Value);
    if (HandleAllocated()) Perform(BM_SETCHECK, Value ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!Value) return;
    if (Parent()) {
        for (int32_t I = 0; I < Parent()->ControlCount(); ++I)
            if (auto* Sibling = dynamic_cast<TRadioButton*>(Parent()->Controls(I)); Sibling && Sibling != this) Sibling->SetChecked(false);
    }
    if (!ClicksDisabled()) Click();
}

void TRadioButton::CreateParams(TCreateParams& Params)
{
    TButtonControl::CreateParams(Params);
    Params.Style |= BS_RADIOBUTTON;
    if (FAlignment == taLeftJustify) Params.Style |= BS_LEFTTEXT;
}

void TRadioButton::CreateWindowWidget(TWidgetRequest& Request)
{
    const TCreateParams& Params = Request.Params;
    QWidget* ParentWidget = Request.Parent;
    auto* Button = new TRadioButtonWidget(Params.Caption, ParentWidget);
    Button->setAutoExclusive(false);
    PlaceCaption(Button, Params);
    Request.Widget = Button;
    MakeButton(Request);
}

void TRadioButton::CreateWnd()
{
    TButtonControl::CreateWnd();
    Perform(BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CN_COMMAND:
        switch (TWMCommand(Message).NotifyCode()) {
        case BN_CLICKED: SetChecked(true); break;
        case BN_DOUBLECLICKED: DblClick(); break;
        default: break;
        }
        break;
    case CM_DIALOGCHAR: {
        TWMKey Key(Message);
        if (IsAccel(Key.CharCode(), Caption()) && CanFocus()) {
            SetFocus();
            Key.SetResult(1);
        } else {
            TButtonControl::Dispatch(Message);
        }
        break;
    }
    default: TButtonControl::Dispatch(Message); break;
    }
}

void TRadioButton::DefaultHandler(TMessage& Message)
{
    TButtonControl::DefaultHandler(Message);
    if (Message.Msg == WM_SETFOCUS && !FChecked && GetKeyState(VK_LBUTTON) >= 0) NotifyParent(BN_CLICKED);
}
