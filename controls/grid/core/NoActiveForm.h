// A pop-up form that floats above the others and never takes the activation.
#pragma once

#include "windows/Forms.h"

// Disabled and bordered: a press on it activates nothing, and activation is answered as handled.
class TNoActiveForm : public TForm {
public:
    using TForm::TForm;

protected:
    void CreateParams(TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;
};
