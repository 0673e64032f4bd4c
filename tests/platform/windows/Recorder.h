// Controls and a form for the window tests that write the messages they get into a shared log.
#pragma once

#include "graphics/Canvas.h"
#include "windows/Forms.h"

#include <QString>
#include <QStringList>

#include <memory>

// The messages worth recording, by name; the rest stay out of the log.
inline QString MessageName(UINT Msg)
{
    switch (Msg) {
    case WM_KEYDOWN: return QStringLiteral("WM_KEYDOWN");
    case WM_KEYUP: return QStringLiteral("WM_KEYUP");
    case WM_CHAR: return QStringLiteral("WM_CHAR");
    case CN_KEYDOWN: return QStringLiteral("CN_KEYDOWN");
    case CN_KEYUP: return QStringLiteral("CN_KEYUP");
    case CN_CHAR: return QStringLiteral("CN_CHAR");
    case CM_DIALOGKEY: return QStringLiteral("CM_DIALOGKEY");
    case CM_DIALOGCHAR: return QStringLiteral("CM_DIALOGCHAR");
    case CM_WANTSPECIALKEY: return QStringLiteral("CM_WANTSPECIALKEY");
    case WM_SETFOCUS: return QStringLiteral("WM_SETFOCUS");
    case WM_KILLFOCUS: return QStringLiteral("WM_KILLFOCUS");
    case CM_ENTER: return QStringLiteral("CM_ENTER");
    case CM_EXIT: return QStringLiteral("CM_EXIT");
    case WM_LBUTTONDOWN: return QStringLiteral("WM_LBUTTONDOWN");
    case WM_LBUTTONUP: return QStringLiteral("WM_LBUTTONUP");
    case WM_LBUTTONDBLCLK: return QStringLiteral("WM_LBUTTONDBLCLK");
    case CM_MOUSEENTER: return QStringLiteral("CM_MOUSEENTER");
    case CM_MOUSELEAVE: return QStringLiteral("CM_MOUSELEAVE");
    case CM_TEXTCHANGED: return QStringLiteral("CM_TEXTCHANGED");
    case CM_VISIBLECHANGED: return QStringLiteral("CM_VISIBLECHANGED");
    case CM_ENABLEDCHANGED: return QStringLiteral("CM_ENABLEDCHANGED");
    case CM_COLORCHANGED: return QStringLiteral("CM_COLORCHANGED");
    case CM_PARENTCOLORCHANGED: return QStringLiteral("CM_PARENTCOLORCHANGED");
    case CM_FONTCHANGED: return QStringLiteral("CM_FONTCHANGED");
    case CM_PARENTFONTCHANGED: return QStringLiteral("CM_PARENTFONTCHANGED");
    default: return {};
    }
}

// The message's name with its word parameter (a key or character code), or with the control whose
// window a focus message names.
inline QString Describe(const TMessage& Message)
{
    const QString Name = MessageName(Message.Msg);
    switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const TWinControl* Other = FindControl(reinterpret_cast<HWND>(Message.WParam));
        return Name + QLatin1Char(' ') + (Other ? Other->Name() : QStringLiteral("-"));
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK: {
        const TPoint Pos = LParamToPoint(Message.LParam);
        return Name + QStringLiteral(" %1,%2").arg(Pos.X).arg(Pos.Y);
    }
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case CN_KEYDOWN:
    case CN_KEYUP:
    case CN_CHAR:
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_WANTSPECIALKEY: return Name + QLatin1Char(' ') + QString::number(Message.WParam);
    default: return Name;
    }
}

// Writes "<control name> <message>" for each recorded message a control gets.
template <typename Base>
class TRecording : public Base {
public:
    TRecording(TComponent* AOwner, QStringList& Log, const QString& AName) : Base(AOwner), FLog(Log)
    {
        this->SetName(AName);
    }

    // Answers of the control to WM_GETDLGCODE and CM_WANTSPECIALKEY.
    LRESULT DlgCode = 0;
    bool WantSpecialKeys = false;

protected:
    void Dispatch(TMessage& Message) override
    {
        if (const QString Text = Describe(Message); !MessageName(Message.Msg).isEmpty())
            FLog.append(this->Name() + QLatin1Char(' ') + Text);
        if (Message.Msg == WM_GETDLGCODE) {
            Message.Result = DlgCode;
            return;
        }
        if (Message.Msg == CM_WANTSPECIALKEY && WantSpecialKeys) {
            Message.Result = 1;
            return;
        }
        Base::Dispatch(Message);
    }

    QStringList& FLog;
};

// A windowed control that fills itself with its colour.
class TPlainControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(Color());
        Canvas()->FillRect(ClientRect());
    }
};

// A windowless control that fills its area with its colour.
class TBox : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(Color());
        Canvas()->FillRect(ClientRect());
    }
};

using TRecorder = TRecording<TPlainControl>;
using TRecordingBox = TRecording<TBox>;
using TRecordingForm = TRecording<TForm>;

// A control that, like a default button, takes Enter as a dialog key from its form.
class TDefaultTaker : public TRecorder {
public:
    using TRecorder::TRecorder;
    int32_t Taken = 0;

protected:
    void Dispatch(TMessage& Message) override
    {
        if (Message.Msg == CM_DIALOGKEY && Message.WParam == VK_RETURN) {
            ++Taken;
            Message.Result = 1;
        }
        TRecorder::Dispatch(Message);
    }
};

// Makes a shown form with a client area of Width x Height; the test owns it.
template <typename TFormClass = TForm, typename... A>
std::unique_ptr<TFormClass> MakeForm(int32_t Width, int32_t Height, A&&... Args)
{
    std::unique_ptr<TFormClass> Form(New<TFormClass>(nullptr, std::forward<A>(Args)...));
    Form->SetBorderStyle(bsSingle);
    Form->SetClientWidth(Width);
    Form->SetClientHeight(Height);
    return Form;
}

// Makes a control of class T on Parent at the given bounds.
template <typename T, typename... A>
T* Place(TWinControl* Parent, const TRect& Bounds, A&&... Args)
{
    T* Control = New<T>(Parent, std::forward<A>(Args)...);
    Control->SetBoundsRect(Bounds);
    Control->SetParent(Parent);
    return Control;
}
