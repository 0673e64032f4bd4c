// The non-activating pop-up form.
#include "grid/core/NoActiveForm.h"

void TNoActiveForm::CreateParams(TCreateParams& Params)
{
    TForm::CreateParams(Params);
    Params.Style = WS_POPUP | WS_DISABLED | WS_BORDER;
}

void TNoActiveForm::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_MOUSEACTIVATE: Message.Result = MA_NOACTIVATE; break;
    case WM_ACTIVATE:
        TForm::Dispatch(Message);
        Message.Result = 1;
        break;
    default: TForm::Dispatch(Message); break;
    }
}
