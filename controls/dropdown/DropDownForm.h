// TDropDownForm: the borderless pop-up of a drop-down edit: header, content and footer, background, activation rules.
#pragma once

#include "windows/Forms.h"

#include <cstdint>
#include <functional>

class TExtCustomDropDown;
class TExtFooter;
class TExtHeader;

class TDropDownForm : public TForm {
public:
    // Made without a form resource: hidden, no border, double buffered.
    explicit TDropDownForm(TComponent* AOwner);
    ~TDropDownForm() override;

    TExtCustomDropDown* ExtDropDown() const { return FExtDropDown; }
    void SetExtDropDown(TExtCustomDropDown* Value) { FExtDropDown = Value; }
    TExtHeader* Header() const { return FHeader; }
    TExtFooter* Footer() const { return FFooter; }
    // Builds or refreshes the header and footer from the drop-down's appearances.
    void InitializeAndUpdate();
    // The tick count when the pop-up last lost the activation while visible.
    uint32_t DeActivateTime() const { return FDeActivate; }
    bool Shadow() const { return FShadow; }
    void SetShadow(bool Value) { FShadow = Value; }
    // Losing the activation closes the pop-up as cancelled.
    bool CancelOnDeActivate() const { return FCancelOnDeActivate; }
    void SetCancelOnDeActivate(bool Value) { FCancelOnDeActivate = Value; }
    // While set, activation changes are ignored: nothing closes the pop-up.
    bool BlockActivate() const { return FBlockActivate; }
    void SetBlockActivate(bool Value) { FBlockActivate = Value; }
    // Its own bottom-right corner answers the sizing hit test.
    bool Sizeable() const { return FSizeable; }
    void SetSizeable(bool Value) { FSizeable = Value; }

    void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) override;
    virtual void UpdateSize() {}

    // Fired on every sizing step.
    std::function<void(TObject* Sender)> OnSizing;

protected:
    void CreateParams(TCreateParams& Params) override;
    void AdjustClientRect(TRect& Rect) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void DoShow() override;
    void Dispatch(TMessage& Message) override;
    void Paint() override;

private:
    void WMActivate(TMessage& Message);
    void DrawBackground();

    uint32_t FDeActivate = 0;
    bool FShadow = true;
    TExtFooter* FFooter = nullptr;
    TExtHeader* FHeader = nullptr;
    TExtCustomDropDown* FExtDropDown = nullptr;
    bool FSizeable = false;
    bool FCancelOnDeActivate = true;
    bool FBlockActivate = false;
};
