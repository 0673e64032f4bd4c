// TExtCalculatorDropdown: a numeric drop-down edit whose pop-up is a desk calculator on the key panel.
#pragma once

#include "dropdown/ExtDropDown.h"

#include <memory>

class TButtonAppearance;
class TCalculatorEngine;
class TCustomButtonPanel;

// Operations run at once from left to right, with one memory register; failures show "Error". The
// operator characters also work on the closed edit ("*", 6, Enter multiplies by 6).
class TExtCalculatorDropdown : public TExtCustomDropDown {
public:
    explicit TExtCalculatorDropdown(TComponent* AOwner);
    ~TExtCalculatorDropdown() override;
    void AfterConstruction() override;

    // Copied into the key panel at each opening.
    TButtonAppearance* CalcButtonAppearance() const { return FCalcButtonAppearance.get(); }
    void SetCalcButtonAppearance(TButtonAppearance* Value);
    // Shows the value with thousand separators (the money edit type).
    bool ShowThousandSeparator() const { return FShowThousandSeparator; }
    void SetShowThousandSeparator(bool Value);
    // The display as a number: an empty display becomes "0" first; 0 when it does not convert.
    long double Value();
    void SetValue(long double Value);
    // "=".
    void CalcResult();
    // The key panel; nil before the pop-up exists.
    TCustomButtonPanel* ButtonPanel() const { return FExtButtonPanel; }
    // The calculator's state, for its wrappers and tests.
    TCalculatorEngine* Engine() const { return FEngine.get(); }

    // The edit's characters: the operators act while the pop-up is closed, digits start a new number.
    void KeyPress(QChar& Key) override;
    void SetComponentStyle(TVyxStyle AStyle) override;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void DropDownKeyPress(QChar& Key) override;
    void DropDownKeyDown(uint16_t& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;
    // Runs before every key of the panel and of the pop-up is handled; nothing here.
    virtual void BeforeCalculatorKey() {}

private:
    class TDisplay;
    // The calculator's part of the edit's key press; Key 0 when it took the character.
    void CalcEditKeyPress(QChar& Key);
    void PanelButtonClick(int32_t Index);
    void CaretAfterFirstDigit();

    TCustomButtonPanel* FExtButtonPanel = nullptr;
    bool FCalcClosed = true;
    std::unique_ptr<TButtonAppearance> FCalcButtonAppearance;
    bool FShowThousandSeparator = false;
    std::unique_ptr<TDisplay> FDisplay;
    std::unique_ptr<TCalculatorEngine> FEngine;
    // The text shown when the pop-up opened, given back by a cancelled close.
    QString FOpenText;
    // The edit's key press already ran the calculator's part.
    bool FKeyTaken = false;
};
